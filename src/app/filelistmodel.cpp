#include "app/filelistmodel.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <string>

#include "base/pathutil.h"
#include "engine/cellorder.h"
#include "engine/fileentry.h"

namespace tonewright {

namespace {

struct ColumnInfo {
    const char* header;
    Qt::Alignment alignment;
    CellOrder order;
};

const ColumnInfo kColumns[] = {
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "File"), Qt::AlignLeft, CellOrder::Text},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Duration"), Qt::AlignRight, CellOrder::Duration},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Bit Rate"), Qt::AlignRight, CellOrder::Number},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Freq."), Qt::AlignRight, CellOrder::Number},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Channels"), Qt::AlignLeft, CellOrder::Text},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Status"), Qt::AlignLeft, CellOrder::Text},
};
static_assert(std::size(kColumns) == FileListModel::kColumnCount);

// A cell's text as the engine has it (the entry's texts are UTF-8 already).
std::string EntryCell(const FileEntry& entry, int column) {
    switch (column) {
        case FileListModel::kFileColumn: return LastPathComponent(entry.sourcePath);
        case FileListModel::kDurationColumn: return DurationText(entry);
        case FileListModel::kBitrateColumn: return BitrateText(entry);
        case FileListModel::kFrequencyColumn: return FrequencyText(entry);
        case FileListModel::kChannelsColumn: return ChannelsText(entry);
        default: return {};
    }
}

}  // namespace

int FileListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant FileListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), column);
        case Qt::ToolTipRole:
            // Same-named files from different folders are told apart by the whole path; a
            // failure's reason may be longer than the Status column is wide.
            if (column == kFileColumn) return QString::fromStdString(rows_[index.row()].entry->sourcePath);
            if (column == kStatusColumn && !rows_[index.row()].status.isEmpty()) return rows_[index.row()].status;
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(kColumns[column].alignment | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) return {};
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("tonewright::FileListWidget", kColumns[section].header);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(kColumns[section].alignment | Qt::AlignVCenter);
    return {};
}

QString FileListModel::CellText(int row, int column) const {
    const Row& shown = rows_[static_cast<size_t>(row)];
    return column == kStatusColumn ? shown.status : QString::fromStdString(EntryCell(*shown.entry, column));
}

void FileListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount) return;
    // Each row's cell is made once, not once per comparison.
    std::vector<std::string> cells;
    cells.reserve(rows_.size());
    for (const Row& row : rows_)
        cells.push_back(column == kStatusColumn ? row.status.toStdString() : EntryCell(*row.entry, column));
    std::vector<int> newOrder(rows_.size());
    std::iota(newOrder.begin(), newOrder.end(), 0);
    const CellOrder rule = kColumns[column].order;
    std::stable_sort(newOrder.begin(), newOrder.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? CompareCells(rule, cells[a], cells[b]) < 0
                                           : CompareCells(rule, cells[b], cells[a]) < 0;
    });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(rows_.size());
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (size_t i = 0; i < newOrder.size(); ++i) {
        newRowOf[static_cast<size_t>(newOrder[i])] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[static_cast<size_t>(newOrder[i])]));
    }
    rows_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(newRowOf[static_cast<size_t>(index.row())], index.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FileListModel::Append(const std::vector<FileEntry*>& entries) {
    if (entries.empty()) return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(entries.size()) - 1);
    for (FileEntry* entry : entries) rows_.push_back({entry, {}});
    endInsertRows();
}

FileEntry* FileListModel::EntryAt(int row) const {
    return row >= 0 && row < rowCount() ? rows_[static_cast<size_t>(row)].entry : nullptr;
}

void FileListModel::Remove(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    // Runs of adjacent rows, bottom up.
    std::vector<std::pair<int, int>> runs;
    for (int row : rows) {
        if (!runs.empty() && runs.back().first == row + 1) runs.back().first = row;
        else runs.push_back({row, row});
    }
    // A few runs go one by one, so the view keeps its place; many scattered rows go in one
    // pass, as moving the rest once per run would take time growing with their square.
    constexpr size_t kRunsRemovedOneByOne = 32;
    if (runs.size() <= kRunsRemovedOneByOne) {
        for (const auto& [first, last] : runs) {
            beginRemoveRows({}, first, last);
            rows_.erase(rows_.begin() + first, rows_.begin() + last + 1);
            endRemoveRows();
        }
        return;
    }
    beginResetModel();
    std::vector<char> removed(rows_.size(), 0);
    for (int row : rows) removed[static_cast<size_t>(row)] = 1;
    size_t kept = 0;
    for (size_t row = 0; row < rows_.size(); ++row)
        if (!removed[row]) rows_[kept++] = std::move(rows_[row]);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
    endResetModel();
}

void FileListModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void FileListModel::SetStatus(int row, const QString& text) {
    if (row < 0 || row >= rowCount()) return;
    rows_[static_cast<size_t>(row)].status = text;
    const QModelIndex cell = index(row, kStatusColumn);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::ToolTipRole});
}

}  // namespace tonewright
