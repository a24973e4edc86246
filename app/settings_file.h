#pragma once

#include "core/settings/settings_file.h"
#include "platform/drives.h"

// The settings file c:\ol\zz of these drives.
SettingsFile settingsFileOf(const WineDrives& drives);
