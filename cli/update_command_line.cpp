#include "cli/update_command_line.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/update_progress.h"
#include "core/drives/data_files.h"
#include "core/index/index_update.h"
#include "core/settings/settings_file.h"
#include "core/text/number_text.h"
#include "system/file_status.h"
#include "system/quit_signals.h"

namespace {

const std::string howToSet = "start Quobbin and press Set to choose it";

// The settings file could not be opened (nor made): what stands in the way, for the message.
std::string whyNoSettings(const Drives& drives) {
    const std::optional<ResolvedPath> settings = drives.resolve(settingsFilePath);
    if (!settings) {
        return "there is no drive c:";
    }
    const PathKind kind = pathKind(settings->hostPath);
    if (kind == PathKind::Folder || kind == PathKind::Other) {
        return "the settings file " + settingsFilePath + " is no file";
    }
    return "the settings file " + settingsFilePath + " cannot be read";
}

std::string secondsSince(UpdateProgress::Clock::time_point started) {
    const std::chrono::duration<double> taken = UpdateProgress::Clock::now() - started;
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", taken.count());
    return seconds;
}

int reportOutcome(UpdateOutcome outcome, const std::string& poserDir, const LibraryScan& scan,
                  const Drives& drives, UpdateProgress::Clock::time_point started) {
    const std::string notWritten =
        "the index " + indexFilePath + " was not written (the old one is kept): ";
    switch (outcome) {
        case UpdateOutcome::NotSet:
            return complain(exitNotFound, "no Poser folder is set: " + howToSet);
        case UpdateOutcome::FolderMissing:
            return complain(exitNotFound,
                            "the Poser folder " + poserDir + " is not found: " + howToSet);
        case UpdateOutcome::Written:
            printLine(stdout, groupedThousands(scan.linesWritten()) + " files indexed in " +
                                  indexFilePath + " in " + secondsSince(started) + " s");
            return exitDone;
        case UpdateOutcome::NotWritten:
            return complain(exitIndexFailed, notWritten + whyIndexNotWritten(drives));
        case UpdateOutcome::Stopped:
            complain(exitIndexFailed, notWritten + "stopped by a signal");
            return QuitSignalHandlers::endAsReceived();
        case UpdateOutcome::NotReady:
            return complain(exitNotFound, "the Poser folder " + scan.Dir10.Path() +
                                              " holds nothing or cannot be read: is its drive "
                                              "there? The index " +
                                              indexFilePath + " is kept");
    }
    return exitIndexFailed;
}

}  // namespace

int updateFromCommandLine() {
    const UpdateProgress::Clock::time_point started = UpdateProgress::Clock::now();
    // Ctrl+C, a closed terminal or the timer's stop end the walk between two steps.
    const QuitSignalHandlers quitSignals;
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
    UpdateProgress progress(scan, started);
    const UpdateOutcome outcome = updateIndex(scan, poserDir, [&] {
        progress.step();
        return !QuitSignalHandlers::received();
    });
    progress.finish();
    return reportOutcome(outcome, poserDir, scan, drives, started);
}
