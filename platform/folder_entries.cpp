#include "platform/folder_entries.h"

#include <QFontMetricsF>
#include <algorithm>
#include <vector>

namespace {

// Subfolders laid out to find the widest: letter-by-letter sums miss only kerning, which
// can reorder names of nearly the same width, never one far narrower than the widest.
constexpr std::ptrdiff_t measuredSubfolders = 8;

// A name's width as the sum of its letters' advances, each letter measured once.
class LetterWidths {
public:
    explicit LetterWidths(const QFontMetricsF& metrics) : metrics(metrics), known(0x10000, -1) {}

    float of(std::string_view utf8Name) {
        float width = 0;
        for (const QChar letter : QString::fromUtf8(utf8Name.data(), qsizetype(utf8Name.size()))) {
            float& advance = known[letter.unicode()];
            if (advance < 0) {
                advance = float(metrics.horizontalAdvance(letter));
            }
            width += advance;
        }
        return width;
    }

private:
    const QFontMetricsF& metrics;
    std::vector<float> known;  // by UTF-16 code unit; negative until measured
};

}  // namespace

FolderEntries::FolderEntries(const QIcon& openFolder, const QIcon& closedFolder, QObject* parent)
    : QAbstractListModel(parent),
      folders(Drives()),
      openFolder(openFolder),
      closedFolder(closedFolder) {}

void FolderEntries::show(const FolderList& list) {
    beginResetModel();
    folders = list;
    ancestry = splitDrivePath(folders.Path());
    endResetModel();
}

int FolderEntries::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !ancestry ? 0 : openRow() + 1 + int(folders.ListCount());
}

QVariant FolderEntries::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int row = index.row();
    switch (role) {
        case Qt::DisplayRole:
            return textAt(row);
        case Qt::DecorationRole:
            return row <= openRow() ? openFolder : closedFolder;
        case levelRole:
            return std::min(row, openRow() + 1);
        default:
            return {};
    }
}

QString FolderEntries::textAt(int row) const {
    if (row == 0) {
        return QString::fromStdString(joinDrivePath(ancestry->letter, {}));
    }
    if (row <= openRow()) {
        return QString::fromStdString(ancestry->names[size_t(row - 1)]);
    }
    const std::string_view name = folders.listing()->folderName(subfolderOf(row));
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString FolderEntries::drivePathAt(int row) const {
    if (row <= openRow()) {
        const std::vector<std::string> names(ancestry->names.begin(),
                                             ancestry->names.begin() + row);
        return QString::fromStdString(joinDrivePath(ancestry->letter, names));
    }
    return QString::fromStdString(folders.List(subfolderOf(row)));
}

QList<int> FolderEntries::likelyWidestRows(const QFontMetricsF& metrics) const {
    QList<int> rows;
    for (int row = 0; row <= openRow(); ++row) {
        rows.append(row);
    }
    LetterWidths widths(metrics);
    std::vector<std::pair<float, std::ptrdiff_t>> bySum;
    bySum.reserve(size_t(folders.ListCount()));
    for (std::ptrdiff_t i = 0; i < folders.ListCount(); ++i) {
        bySum.emplace_back(widths.of(folders.listing()->folderName(i)), i);
    }
    const auto measured =
        bySum.begin() + std::min(measuredSubfolders, std::ptrdiff_t(bySum.size()));
    std::partial_sort(bySum.begin(), measured, bySum.end(), std::greater<>());
    for (auto sum = bySum.begin(); sum != measured; ++sum) {
        rows.append(openRow() + 1 + int(sum->second));
    }
    return rows;
}
