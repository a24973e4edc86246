#include "app/lookup_command_line.h"

#include "app/command_line.h"
#include "core/drives/data_files.h"
#include "core/lookup/file_lookup.h"

namespace {

// A common base name can match tens of thousands of lines: they are lower-cased into a block
// that goes out whole, not a write per line.
constexpr qsizetype outputBlock = qsizetype{256} * 1024;

}  // namespace

int lookUpFromCommandLine(const QString& name, bool countOnly) {
    // The name as the window takes it from its look-up box.
    qsizetype matches = 0;
    QByteArray printed;
    const IndexSearch search =
        lookUpFile(Drives::ofSystem(), name.toStdString(), [&](std::string_view path) {
            ++matches;
            if (!countOnly) {
                printed.append(path.data(), qsizetype(path.size()));
                printed += '\n';
                if (printed.size() >= outputBlock) {
                    writeOut(printed);
                    printed.resize(0);
                }
            }
        });
    writeOut(printed);
    switch (search) {
        case IndexSearch::NoIndex:
            return complain(exitIndexFailed,
                            QStringLiteral("there is no index %1 yet: make one with "
                                           "quobbin --update")
                                .arg(QString::fromStdString(indexFilePath)));
        case IndexSearch::Unreadable:
            return complain(exitIndexFailed, QStringLiteral("the index %1 cannot be read")
                                                 .arg(QString::fromStdString(indexFilePath)));
        case IndexSearch::Searched:
            break;
    }
    if (countOnly) {
        printLine(stdout, QString::number(matches));
    }
    if (matches == 0 && !countOnly) {
        return complain(exitNotFound,
                        name + QStringLiteral(" does not exist: it was deleted or not installed, "
                                              "or the index needs quobbin --update"));
    }
    return matches > 0 ? exitDone : exitNotFound;
}
