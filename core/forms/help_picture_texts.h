#pragma once

#include <span>
#include <string>
#include <string_view>

// What each help picture shows, in words. The program that draws the pictures writes the
// captions into them, and the help pages hand the same texts to assistive technology, so that
// what is read aloud is what the picture says. Plain UTF-8 with no toolkit's types, for every
// front end.
struct HelpPictureTexts {
    std::string_view file;                       // the picture's file name, without extension
    std::string_view summary;                    // in short what the picture shows
    std::span<const std::string_view> numbered;  // the captions numbered 1, 2... in the picture
    std::string_view note;                       // the caption under the numbered ones, if any
};

namespace help_picture_texts {

inline constexpr std::string_view missingFile = "LongHair_Red.jpg";
inline constexpr std::string_view missingName = "LongHair_Red";  // as Poser gives it, no extension

inline constexpr std::string_view setupSteps[] = {
    "Use Set to locate and open your Poser main folder.",
    "Tick Multi-task to keep other programs usable while Quobbin works; untick it for faster "
    "work.",
    "Use Update to index Poser's files. Quobbin is then ready."};

inline constexpr std::string_view fileNameSteps[] = {
    "Poser has lost track of a file and asks you to find it.",
    "Highlight the file name, right-click it for the menu and choose Copy."};

inline constexpr std::string_view findFilesSteps[] = {
    "Click the look-up box: the file name shows up in it.",
    "Quobbin at once lists every file matching the name.",
    "Choose, with 1 to 5, the file of the type that Poser asks for, then paste it into Poser's "
    "dialog box. When only one file is found, it is chosen at once."};

}  // namespace help_picture_texts

// Page 1, 500 x 500: the main window, and the three steps of setting up.
inline constexpr HelpPictureTexts setupPicture{
    "page1", "The main window, with Set, Multi-task and Update numbered 1 to 3",
    help_picture_texts::setupSteps,
    "Setting up takes these three steps. Run Update after you have installed all your Poser "
    "models, and again only when Poser cannot find newly installed files."};

// Page 2, 500 x 600: Poser's locate-file dialog, and how to copy the missing file's name.
inline constexpr HelpPictureTexts fileNamePicture{
    "page2",
    "Poser's dialog asking for the missing file LongHair_Red.jpg, and its file-name box with the "
    "menu of a right click open",
    help_picture_texts::fileNameSteps,
    {}};

// Page 3, 500 x 500: a look-up with three matches, and how to choose one.
inline constexpr HelpPictureTexts findFilesPicture{
    "page3",
    "The main window after a look-up of LongHair_Red that found three files, with the number "
    "buttons 1 to 3",
    help_picture_texts::findFilesSteps,
    "Poser does not always give the file's extension; then files of that name with any extension "
    "are listed. At most five files can be chosen."};

// The summaries name the file that the pictures show missing.
static_assert(fileNamePicture.summary.find(help_picture_texts::missingFile) !=
              std::string_view::npos);
static_assert(findFilesPicture.summary.find(help_picture_texts::missingName) !=
              std::string_view::npos);

// The captions as read aloud: each numbered caption on a line of its own, then the note.
std::string spokenCaptions(const HelpPictureTexts& picture);
