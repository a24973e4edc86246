#include "core/index/file_selection.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/folders/folder_listing.h"
#include "core/text/letter_case.h"

namespace {

// Every extension the rule names has three ASCII letters or digits, and no letter outside ASCII
// lower-cases to an ASCII one, so only three ASCII bytes can match: they are compared as one
// number.
constexpr std::uint32_t packed(const char* lowered) {
    return std::uint32_t(std::uint8_t(lowered[0])) << 16 |
           std::uint32_t(std::uint8_t(lowered[1])) << 8 | std::uint8_t(lowered[2]);
}

std::uint32_t packedLower(std::string_view extension) {
    const char lowered[3] = {asciiLower(extension[0]), asciiLower(extension[1]),
                             asciiLower(extension[2])};
    return packed(lowered);
}

template <size_t N>
bool isAmong(std::uint32_t extension, const std::array<std::uint32_t, N>& among) {
    return std::find(among.begin(), among.end(), extension) != among.end();
}

constexpr std::array<std::uint32_t, 6> leftOut = {packed("rsr"), packed("pz3"), packed("gif"),
                                                  packed("txt"), packed("bvh"), packed("dxf")};

constexpr std::array<std::uint32_t, 22> library = {
    packed("cr2"), packed("crz"), packed("pz2"), packed("p2z"), packed("pp2"), packed("ppz"),
    packed("hr2"), packed("hrz"), packed("fc2"), packed("fcz"), packed("hd2"), packed("hdz"),
    packed("lt2"), packed("ltz"), packed("cm2"), packed("cmz"), packed("mc6"), packed("mcz"),
    packed("mt5"), packed("mz5"), packed("pz3"), packed("pzz")};

}  // namespace

ExtensionRule ruleOfExtension(std::string_view extension) {
    if (extension.size() != 3) {
        return ExtensionRule::Indexed;
    }
    const std::uint32_t lowered = packedLower(extension);
    if (lowered == packed("png")) {
        return ExtensionRule::Png;
    }
    return isAmong(lowered, leftOut) ? ExtensionRule::LeftOut : ExtensionRule::Indexed;
}

bool isLibraryExtension(std::string_view extension) {
    return extension.size() == 3 && isAmong(packedLower(extension), library);
}

void Thumbnails::setFolder(const FolderListing& listing) {
    folder = &listing;
    read = false;
}

bool Thumbnails::isThumbnail(std::string_view pngBase) {
    if (!read) {
        readLibraryFiles();
    }
    if (libraryBases.empty()) {
        return false;
    }
    lowered.clear();
    appendLowerCaseUtf8(lowered, pngBase);
    return std::binary_search(libraryBases.begin(), libraryBases.end(), lowered);
}

void Thumbnails::readLibraryFiles() {
    read = true;
    libraryBases.clear();
    for (std::ptrdiff_t i = 0; i < folder->fileCount(); ++i) {
        const std::string_view name = folder->fileName(i);
        const std::size_t dot = name.rfind('.');
        if (dot != std::string_view::npos && isLibraryExtension(name.substr(dot + 1))) {
            std::string base;
            appendLowerCaseUtf8(base, name.substr(0, dot));
            libraryBases.push_back(std::move(base));
        }
    }
    std::sort(libraryBases.begin(), libraryBases.end());
}
