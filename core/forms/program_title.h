#pragma once

#include <string>

// The program's name on its windows and message boxes, and its version, set by the build: as the
// window's caption shows it, and as released, packaged and told by --version.
inline const std::string programTitle = "Poser Quobbin";
inline const std::string programVersion = QUOBBIN_VERSION;
inline const std::string releaseVersion = QUOBBIN_RELEASE;
