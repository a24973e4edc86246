// SettingsFile over a settings file c:\ol\zz holding the input: a folder is stored when the
// file is longer than 5 bytes, and it holds no line end.
#include <QFile>

#include "app/settings_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzPrefix& prefix = fuzzPrefix();
    QFile file(prefix.driveC() + QStringLiteral("/ol/zz"));
    const QByteArrayView input = inputBytes(data, size);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(input.data(), input.size()) == input.size(),
              "the settings file is written");
    file.close();

    const std::optional<QString> folder = SettingsFile(prefix.drives()).storedFolder();
    fuzzCheck(folder.has_value() == (size > 5),
              "a folder is stored when the file is longer than 5");
    if (folder) {
        fuzzCheck(!folder->contains(u'\n') && !folder->endsWith(u'\r'),
                  "the folder keeps no line end");
    }
    return 0;
}
