#include "app/lookup_command_line.h"

#include "app/command_line.h"
#include "lookup/index_search.h"
#include "platform/data_files.h"
#include "platform/letter_case.h"

namespace {

// A common base name can match tens of thousands of lines: they are lower-cased into a block
// that goes out whole, not a write per line.
constexpr qsizetype outputBlock = qsizetype{256} * 1024;

}  // namespace

int lookUpFromCommandLine(const std::string& utf8Name, bool countOnly) {
    const QString name = QString::fromStdString(utf8Name);
    // The name as the window takes it from its look-up box: the whole text, lower-cased, and a
    // "." anywhere in it asking for the whole file name.
    const FileNameMatch wanted(toLowerSimple(name).toStdString(),
                               compareModeFor(name.toStdString()));
    qsizetype matches = 0;
    QByteArray printed;
    const IndexSearch search =
        searchIndex(WineDrives::fromEnvironment(), wanted, [&](QByteArrayView line) {
            ++matches;
            if (!countOnly) {
                appendLowerSimpleUtf8(printed, line);
                printed += '\n';
                if (printed.size() >= outputBlock) {
                    writeOut({printed.constData(), std::size_t(printed.size())});
                    printed.resize(0);
                }
            }
        });
    writeOut({printed.constData(), std::size_t(printed.size())});
    switch (search) {
        case IndexSearch::NoIndex:
            return complain(exitIndexFailed,
                            QStringLiteral("there is no index %1 yet: make one with "
                                           "quobbin --update")
                                .arg(indexFilePath)
                                .toStdString());
        case IndexSearch::Unreadable:
            return complain(
                exitIndexFailed,
                QStringLiteral("the index %1 cannot be read").arg(indexFilePath).toStdString());
        case IndexSearch::Searched:
            break;
    }
    if (countOnly) {
        printLine(stdout, QString::number(matches).toStdString());
    }
    if (matches == 0 && !countOnly) {
        return complain(exitNotFound,
                        (name + QStringLiteral(" does not exist: it was deleted or not installed, "
                                               "or the index needs quobbin --update"))
                            .toStdString());
    }
    return matches > 0 ? exitDone : exitNotFound;
}
