// `quobbin-bench folders [--subfolders N] [--runs R]`, 100,000 subfolders and 5 runs unless
// given: the Poser folder dialog's folder list pointed at a folder with N subfolders, from the
// call to the list shown and painted. Median of the runs, the folder read from a warm cache.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "app/form1_window.h"
#include "bench/bench_support.h"
#include "platform/folder_list_box.h"
#include "setup/form2.h"
#include "tests/support/test_prefix.h"

namespace {

const QString crowdedFolder = QStringLiteral("C:\\Crowded");
const QString driveRoot = QStringLiteral("C:\\");

bool makeSubfolders(const QString& folder, long long count) {
    const QByteArray base = QFile::encodeName(folder) + "/Product ";
    for (long long i = 1; i <= count; ++i) {
        if (::mkdir(base + QByteArray::number(i).rightJustified(6, '0'), 0755) != 0) {
            return false;
        }
    }
    return true;
}

// Points the list at a folder and waits until the dialog is painted with it.
double timeShowing(Form2Window& dialog, const QString& drivePath) {
    QElapsedTimer timer;
    timer.start();
    dialog.Dir1->setPath(drivePath);
    QCoreApplication::processEvents();
    dialog.grab();
    return double(timer.nsecsElapsed()) / 1e6;
}

int foldersBench(const QStringList& args) {
    const long long subfolders = optionValue(args, QStringLiteral("--subfolders"), 100000);
    const long long runs = std::max(5LL, optionValue(args, QStringLiteral("--runs"), 5));
    TestPrefix prefix;
    if (!makeSubfolders(prefix.makeFolder(QStringLiteral("Crowded")), subfolders)) {
        std::fprintf(stderr, "folders: could not make the subfolders\n");
        return 1;
    }
    Form1Window form;
    form.Form_Load();
    Form2Window dialog(form.form1, &form);
    dialog.show();
    QCoreApplication::processEvents();
    timeShowing(dialog, crowdedFolder);  // untimed: the folder's entries are now cached
    std::vector<double> ms;
    for (long long i = 0; i < runs; ++i) {
        timeShowing(dialog, driveRoot);
        ms.push_back(timeShowing(dialog, crowdedFolder));
    }
    if (dialog.Dir1->Path().compare(crowdedFolder, Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "folders: the list did not open %s\n", qPrintable(crowdedFolder));
        return 1;
    }
    printMeasure(QStringLiteral("subfolders"), double(subfolders), QStringLiteral("folders"));
    std::printf("folders_ms=%s subfolders=%lld\n", qPrintable(figure(medianOf(ms))), subfolders);
    return 0;
}

const BenchRegistration registration("folders", foldersBench);

}  // namespace
