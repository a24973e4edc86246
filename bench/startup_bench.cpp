// `quobbin-bench startup [--runs R]`, 5 runs unless given: the whole program, from its start
// to its main window mapped on an X server (Xvfb), against a bare Qt window program measured
// the same way. Each run gets a fresh Wine prefix, HOME and runtime folder. Medians, raw.
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/bench_support.h"
#include "tests/support/test_prefix.h"

namespace {

struct Program {
    QString label;
    QString path;
    QByteArray windowName;
};

int freeDisplayNumber() {
    for (int number = 100 + int(::getpid() % 400); number < 1000; ++number) {
        if (!QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)) &&
            !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))) {
            return number;
        }
    }
    return -1;
}

// A connection to the X server that hears of every top-level window being mapped. Without a
// window manager the map request reaches the server straight from the program.
class MapWatch {
public:
    explicit MapWatch(const QByteArray& display) : connection(xcb_connect(display, nullptr)) {}
    ~MapWatch() { xcb_disconnect(connection); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool connected() const { return xcb_connection_has_error(connection) == 0; }

    void listen() {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &events);
        netWmName = atom("_NET_WM_NAME");
        xcb_flush(connection);
    }

    // Waits until a window of that name is mapped; false after the timeout.
    bool awaitMapped(const QByteArray& name, int timeoutMs) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < timeoutMs) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
                const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                    windowName(((xcb_map_notify_event_t*)event)->window) == name;
                std::free(event);
                if (mapped) {
                    return true;
                }
            }
            pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
            ::poll(&readable, 1, 50);
        }
        return false;
    }

private:
    xcb_atom_t atom(const char* name) {
        const xcb_intern_atom_cookie_t cookie =
            xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    QByteArray windowName(xcb_window_t window) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection, 0, window, netWmName, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, cookie, nullptr), &std::free);
        if (!reply) {
            return {};
        }
        return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    xcb_connection_t* connection;
    xcb_atom_t netWmName = XCB_ATOM_NONE;
};

// One start in a fresh prefix: the ms from the start to the window mapped, or -1.
double timeStart(const Program& program, const QByteArray& display, MapWatch& watch) {
    TestPrefix prefix;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program.path, {});
    const bool mapped = watch.awaitMapped(program.windowName, 20000);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    process.kill();
    process.waitForFinished(-1);
    return mapped ? ms : -1;
}

int startupBench(const QStringList& args) {
    const long long runs = std::max(5LL, optionValue(args, QStringLiteral("--runs"), 5));
    const int number = freeDisplayNumber();
    const QByteArray display = ':' + QByteArray::number(number);
    QProcess server;
    server.setStandardOutputFile(QProcess::nullDevice());
    server.setStandardErrorFile(QProcess::nullDevice());
    // Without -noreset the server resets when a client leaves, and a program starting then
    // fails to connect.
    server.start(QStringLiteral("Xvfb"),
                 {QString::fromLatin1(display), QStringLiteral("-screen"), QStringLiteral("0"),
                  QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp"), QStringLiteral("-noreset")});
    std::unique_ptr<MapWatch> watch;
    for (int attempt = 0; attempt < 100 && !(watch && watch->connected()); ++attempt) {
        QThread::msleep(50);
        watch = std::make_unique<MapWatch>(display);
    }
    if (number < 0 || !watch->connected()) {
        std::fprintf(stderr, "startup: Xvfb did not start (Debian package xvfb)\n");
        return 1;
    }
    watch->listen();
    const Program programs[] = {
        {QStringLiteral("quobbin"), QStringLiteral(QUOBBIN_PROGRAM), "Poser Quobbin  8.00"},
        {QStringLiteral("bare_window"), QStringLiteral(BARE_WINDOW_PROGRAM), "Bare Window"}};
    std::vector<double> ms[2];
    for (long long run = -1; run < runs; ++run) {  // run -1 is untimed: libraries get cached
        for (int at = 0; at < 2; ++at) {
            const double started = timeStart(programs[at], display, *watch);
            if (started < 0) {
                std::fprintf(stderr, "startup: %s showed no window\n",
                             qPrintable(programs[at].label));
                return 1;
            }
            if (run >= 0) {
                ms[at].push_back(started);
            }
        }
    }
    watch.reset();
    server.terminate();
    server.waitForFinished(-1);
    const double quobbinMs = medianOf(ms[0]);
    const double bareMs = medianOf(ms[1]);
    printMeasure(QStringLiteral("startup_quobbin"), quobbinMs, QStringLiteral("ms"));
    printMeasure(QStringLiteral("startup_bare_window"), bareMs, QStringLiteral("ms"));
    std::printf("startup_ms=%.1f bare_window_ms=%.1f ratio_bare=%.2f\n", quobbinMs, bareMs,
                quobbinMs / bareMs);
    return 0;
}

const BenchRegistration registration("startup", startupBench);

}  // namespace
