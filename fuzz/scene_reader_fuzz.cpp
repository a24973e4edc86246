// readSceneFile over a file holding the input: whatever it holds, the reader ends with a reason,
// lists references in line order, and reads the same references from the input compressed.
#include <QFile>
#include <QTemporaryDir>

#include "core/scene/scene_reader.h"
#include "fuzz/fuzz_support.h"
#include "system/gzip_streams.h"

namespace {

std::string written(const QString& path, std::string_view bytes) {
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                  file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()),
              "the file is written");
    return QFile::encodeName(path).toStdString();
}

bool sameReferences(const SceneFile& a, const SceneFile& b) {
    if (a.references.size() != b.references.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.references.size(); ++i) {
        const SceneReference& x = a.references[i];
        const SceneReference& y = b.references[i];
        if (x.line != y.line || x.keyword != y.keyword || x.path != y.path || x.start != y.start ||
            x.length != y.length) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir folder;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const SceneFile file = readSceneFile(written(folder.filePath(QStringLiteral("scene")), input));
    for (std::size_t i = 1; i < file.references.size(); ++i) {
        fuzzCheck(file.references[i - 1].line < file.references[i].line,
                  "one reference a line, in line order");
    }
    if (file.compressed || file.status != SceneRead::Read) {
        return 0;
    }
    std::string gzip;
    GzipDeflater deflater;
    deflater.deflate(input, gzip);
    deflater.finish(gzip);
    const SceneFile inflated = readSceneFile(written(folder.filePath(QStringLiteral("pzz")), gzip));
    fuzzCheck(
        inflated.status == SceneRead::Read && inflated.compressed && inflated.ansi == file.ansi,
        "the compressed file reads alike");
    fuzzCheck(sameReferences(file, inflated), "the compressed file has the same references");
    return 0;
}
