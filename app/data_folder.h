#pragma once

#include "platform/drives.h"

// Makes the program's data folder c:\ol when it is missing, and Wine's default drive c: with
// it when there is no Wine prefix. A step that fails is skipped silently: the steps after it
// say what is wrong when they need the folder.
void makeDataFolder(const WineDrives& drives);
