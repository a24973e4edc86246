#include <QApplication>
#include <cstdio>

#include "bench/bench_support.h"

int main(int argc, char* argv[]) {
    // The windows are real but never reach a screen, and the toolkit's remarks about that are
    // no measures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(text));
        }
    });
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const auto bench = args.isEmpty() ? registry().cend() : registry().constFind(args.first());
    if (bench == registry().cend()) {
        std::fprintf(stderr, "usage: quobbin-bench {%s} [options]\n",
                     qPrintable(registry().keys().join(u'|')));
        return 2;
    }
    return (*bench)(args.mid(1));
}
