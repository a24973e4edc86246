#include "cli/lookup_command_line.h"

#include "cli/command_line.h"
#include "core/lookup/file_lookup.h"

namespace {

// A common base name can match tens of thousands of lines: they go out in blocks, not a write
// per line.
constexpr std::size_t outputBlock = std::size_t{256} * 1024;

}  // namespace

int lookUpFromCommandLine(const std::string& utf8Name, bool countOnly) {
    // The name as the window takes it from its look-up box.
    std::int64_t matches = 0;
    std::string printed;
    const IndexSearch search = lookUpFile(Drives::ofSystem(), utf8Name, [&](std::string_view path) {
        ++matches;
        if (!countOnly) {
            printed.append(path).append(1, '\n');
            if (printed.size() >= outputBlock) {
                writeOut(printed);
                printed.clear();
            }
        }
    });
    writeOut(printed);
    if (search != IndexSearch::Searched) {
        return complainOfIndex(search);
    }
    if (countOnly) {
        printLine(stdout, std::to_string(matches));
    }
    if (matches == 0 && !countOnly) {
        return complain(exitNotFound, utf8Name +
                                          " does not exist: it was deleted or not installed, "
                                          "or the index needs quobbin --update");
    }
    return matches > 0 ? exitDone : exitNotFound;
}
