#include "app/update_command_line.h"

#include <QElapsedTimer>
#include <QLocale>
#include <cstdio>

#include "app/command_line.h"
#include "app/update_progress.h"
#include "core/drives/data_files.h"
#include "core/index/index_update.h"
#include "core/settings/settings_file.h"
#include "platform/quit_signals.h"
#include "system/file_status.h"

namespace {

const QString howToSet = QStringLiteral("start Quobbin and press Set to choose it");

// The settings file could not be opened (nor made): what stands in the way, for the message.
QString whyNoSettings(const Drives& drives) {
    const std::optional<ResolvedPath> settings = drives.resolve(settingsFilePath);
    if (!settings) {
        return QStringLiteral("there is no drive c:");
    }
    const QString settingsFile = QString::fromStdString(settingsFilePath);
    const PathKind kind = pathKind(settings->hostPath);
    if (kind == PathKind::Folder || kind == PathKind::Other) {
        return QStringLiteral("the settings file %1 is no file").arg(settingsFile);
    }
    return QStringLiteral("the settings file %1 cannot be read").arg(settingsFile);
}

int reportOutcome(UpdateOutcome outcome, const std::string& poserDir, const LibraryScan& scan,
                  const Drives& drives, const QElapsedTimer& elapsed) {
    const QString indexFile = QString::fromStdString(indexFilePath);
    const QString notWritten =
        QStringLiteral("the index %1 was not written (the old one is kept): ").arg(indexFile);
    switch (outcome) {
        case UpdateOutcome::NotSet:
            return complain(exitNotFound, QStringLiteral("no Poser folder is set: ") + howToSet);
        case UpdateOutcome::FolderMissing:
            return complain(exitNotFound, QStringLiteral("the Poser folder %1 is not found: ")
                                                  .arg(QString::fromStdString(poserDir)) +
                                              howToSet);
        case UpdateOutcome::Written:
            printLine(
                stdout,
                QStringLiteral("%1 files indexed in %2 in %3 s")
                    .arg(QLocale(QLocale::English).toString(qint64(scan.linesWritten())), indexFile,
                         QString::number(double(elapsed.elapsed()) / 1000, 'f', 1)));
            return exitDone;
        case UpdateOutcome::NotWritten:
            return complain(exitIndexFailed,
                            notWritten + QString::fromStdString(whyIndexNotWritten(drives)));
        case UpdateOutcome::Stopped:
            complain(exitIndexFailed, notWritten + QStringLiteral("stopped by a signal"));
            return QuitSignals::endAsReceived();
        case UpdateOutcome::NotReady:
            return complain(exitNotFound,
                            QStringLiteral("the Poser folder %1 holds nothing or cannot be read: "
                                           "is its drive there? The index %2 is kept")
                                .arg(QString::fromStdString(scan.Dir10.Path()), indexFile));
    }
    return exitIndexFailed;
}

}  // namespace

int updateFromCommandLine() {
    QElapsedTimer elapsed;
    elapsed.start();
    // Ctrl+C, a closed terminal or the timer's stop end the walk between two steps.
    QuitSignals quitSignals;
    const Drives drives = Drives::ofSystem();
    makeDataFolder(drives);
    const SettingsFile settings = settingsFileOf(drives);
    const std::optional<std::uint64_t> settingsLength = settings.ensureAndMeasure();
    if (!settingsLength) {
        return complain(exitNotFound, whyNoSettings(drives));
    }
    const std::string poserDir = SettingsFile::holdsFolder(*settingsLength)
                                     ? settings.readFirstLine().value_or("")
                                     : std::string();
    LibraryScan scan(drives);
    UpdateProgress progress(scan, elapsed);
    const UpdateOutcome outcome = updateIndex(scan, poserDir, [&] {
        progress.step();
        return !QuitSignals::received();
    });
    progress.finish();
    return reportOutcome(outcome, poserDir, scan, drives, elapsed);
}
