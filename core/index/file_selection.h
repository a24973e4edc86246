#pragma once

#include <string>
#include <string_view>
#include <vector>

class FolderListing;

// The selection rule of the index: a file gets a line when its name holds a "." and the text
// after the last one (its extension), letter case ignored, is none of rsr, pz3, gif, txt, bvh
// and dxf. A png is a texture, and gets a line, unless a library file of the same base name
// (the name up to its last ".", letter case ignored) lies in the same folder: then it is that
// file's thumbnail, and every library file has one.
enum class ExtensionRule { Indexed, LeftOut, Png };
ExtensionRule ruleOfExtension(std::string_view extension);

// The extensions of Poser's library files: cr2 crz pz2 p2z pp2 ppz hr2 hrz fc2 fcz hd2 hdz
// lt2 ltz cm2 cmz mc6 mcz mt5 mz5 pz3 pzz, letter case ignored.
bool isLibraryExtension(std::string_view extension);

// Tells the pngs of one folder that are thumbnails. The folder's library files are read only
// when a png asks, so a folder without one costs nothing.
class Thumbnails {
public:
    // The folder whose pngs are asked about next; it must outlive the questions.
    void setFolder(const FolderListing& folder);
    // Whether a png of this base name is the thumbnail of a library file of the folder.
    bool isThumbnail(std::string_view pngBase);

private:
    void readLibraryFiles();

    const FolderListing* folder = nullptr;
    bool read = false;
    std::vector<std::string> libraryBases;  // lower-cased, sorted
    std::string lowered;                    // reused for each png
};
