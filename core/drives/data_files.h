#pragma once

#include <string>

// The program's own files, as drive paths. Poser resolves them the same way.
inline const std::string dataFolderPath = "c:\\ol";
inline const std::string settingsFilePath = "c:\\ol\\zz";
inline const std::string indexFilePath = "c:\\ol\\oz";

class Drives;

// Makes the program's data folder c:\ol when it is missing, and Wine's default drive c: with
// it when there is no Wine prefix. A step that fails is skipped silently: the steps after it
// say what is wrong when they need the folder.
void makeDataFolder(const Drives& drives);
