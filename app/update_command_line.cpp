#include "app/update_command_line.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/settings_file.h"
#include "app/update_progress.h"
#include "index/library_scan.h"
#include "platform/data_files.h"
#include "platform/quit_signals.h"

namespace {

const QString howToSet = QStringLiteral("start Quobbin and press Set to choose it");

// The scan tells only that the index could not be written; what stood in the way is looked
// for afresh, for the message.
QString whyNotWritten(const WineDrives& drives) {
    const std::optional<ResolvedPath> index = drives.resolve(indexFilePath);
    if (!index) {
        return QStringLiteral("there is no drive c:");
    }
    const QFileInfo folder(QFileInfo(index->hostPath).path());
    if (!folder.isDir()) {
        return QStringLiteral("%1 is no folder and cannot be made").arg(dataFolderPath);
    }
    const QFileInfo file(index->hostPath);
    if (file.exists() && !file.isFile()) {
        return QStringLiteral("%1 is no file").arg(indexFilePath);
    }
    if (!folder.isWritable()) {
        return QStringLiteral("%1 cannot be written to").arg(dataFolderPath);
    }
    // The index is written beside it first, under this name; what stands there is removed.
    const QFileInfo temporary(index->hostPath + QStringLiteral(".new"));
    if (temporary.exists() && !temporary.isFile()) {
        return QStringLiteral("%1.new, where it is written first, is no file and cannot be removed")
            .arg(indexFilePath);
    }
    return QStringLiteral("writing it failed (is the disk full?)");
}

// The settings file could not be opened (nor made): what stands in the way, for the message.
QString whyNoSettings(const WineDrives& drives) {
    const std::optional<ResolvedPath> settings = drives.resolve(settingsFilePath);
    if (!settings) {
        return QStringLiteral("there is no drive c:");
    }
    const QFileInfo file(settings->hostPath);
    if (file.exists() && !file.isFile()) {
        return QStringLiteral("the settings file %1 is no file").arg(settingsFilePath);
    }
    return QStringLiteral("the settings file %1 cannot be read").arg(settingsFilePath);
}

int reportOutcome(ScanOutcome outcome, const LibraryScan& scan, const WineDrives& drives,
                  const QElapsedTimer& elapsed) {
    const QString notWritten =
        QStringLiteral("the index %1 was not written (the old one is kept): ").arg(indexFilePath);
    switch (outcome) {
        case ScanOutcome::Written:
            printLine(
                stdout,
                QStringLiteral("%1 files indexed in %2 in %3 s")
                    .arg(QLocale(QLocale::English).toString(qint64(scan.linesWritten())),
                         indexFilePath, QString::number(double(elapsed.elapsed()) / 1000, 'f', 1))
                    .toStdString());
            return exitDone;
        case ScanOutcome::NotWritten:
            return complain(exitIndexFailed, (notWritten + whyNotWritten(drives)).toStdString());
        case ScanOutcome::Stopped:
            complain(exitIndexFailed,
                     (notWritten + QStringLiteral("stopped by a signal")).toStdString());
            return QuitSignals::endAsReceived();
        case ScanOutcome::NotReady:
            return complain(exitNotFound,
                            QStringLiteral("the Poser folder %1 holds nothing or cannot be read: "
                                           "is its drive there? The index %2 is kept")
                                .arg(scan.Dir10.Path(), indexFilePath)
                                .toStdString());
    }
    return exitIndexFailed;
}

}  // namespace

int updateFromCommandLine() {
    QElapsedTimer elapsed;
    elapsed.start();
    const UpdateProgress::Clock::time_point started = UpdateProgress::Clock::now();
    // Ctrl+C, a closed terminal or the timer's stop end the walk between two steps.
    QuitSignals quitSignals;
    const WineDrives drives = WineDrives::fromEnvironment();
    makeDataFolder(drives);
    const SettingsFile settings = settingsFileOf(drives);
    const std::optional<std::uint64_t> settingsLength = settings.ensureAndMeasure();
    if (!settingsLength) {
        return complain(exitNotFound, whyNoSettings(drives).toStdString());
    }
    const QString poserDir = SettingsFile::holdsFolder(*settingsLength)
                                 ? QString::fromStdString(settings.readFirstLine().value_or(""))
                                 : QString();
    if (poserDir.isEmpty()) {
        return complain(exitNotFound,
                        (QStringLiteral("no Poser folder is set: ") + howToSet).toStdString());
    }
    LibraryScan scan(drives);
    if (!scan.Dir10.setPath(poserDir)) {
        return complain(
            exitNotFound,
            (QStringLiteral("the Poser folder %1 is not found: ").arg(poserDir) + howToSet)
                .toStdString());
    }
    scan.PrepareScan(poserDir);
    UpdateProgress progress(scan, started);
    const ScanOutcome outcome = scan.ScanLibrary([&] {
        progress.step();
        return !QuitSignals::received();
    });
    progress.finish();
    return reportOutcome(outcome, scan, drives, elapsed);
}
