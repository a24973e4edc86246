// SettingsFile over a settings file c:\ol\zz holding the input: a folder is stored when the
// file is longer than 5 bytes, and it is the file's first line.
#include <QFile>

#include "core/settings/settings_file.h"
#include "core/text/text_lines.h"
#include "fuzz/fuzz_support.h"
#include "platform/letter_case.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzPrefix& prefix = fuzzPrefix();
    QFile file(prefix.driveC() + QStringLiteral("/ol/zz"));
    const QByteArrayView input = inputBytes(data, size);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(input.data(), input.size()) == input.size(),
              "the settings file is written");
    file.close();

    const std::optional<std::string> folder = settingsFileOf(prefix.drives()).storedFolder();
    const qsizetype lineEnd = input.indexOf('\n');
    QByteArrayView firstLine = lineEnd < 0 ? input : input.first(lineEnd);
    firstLine = firstLine.endsWith('\r') ? firstLine.chopped(1) : firstLine;
    fuzzCheck(folder.has_value() == (size > 5 && size_t(firstLine.size()) <= maxLineLength),
              "a folder is stored when the file is longer than 5");
    if (folder) {
        fuzzCheck(*folder == bytesOf(firstLine), "the folder is the first line");
    }
    return 0;
}
