#pragma once

#include <QAbstractTableModel>

#include <vector>

namespace tonewright {

struct FileEntry;

// The rows of the file list: the entries the window's FileList owns, in the order shown,
// each with its Status text. The other cells are made from the entry when a view asks for
// them, so a row costs little more than its pointer and a list of 100,000 files stays light.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kFileColumn, kDurationColumn, kBitrateColumn, kFrequencyColumn, kChannelsColumn, kStatusColumn };
    static constexpr int kColumnCount = kStatusColumn + 1;

    explicit FileListModel(QObject* parent) : QAbstractTableModel(parent) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Orders the rows by the column's rule, keeping the order of equal rows; the selection
    // stays on its rows.
    void sort(int column, Qt::SortOrder order) override;

    // Appends rows for new entries at the end, whatever the order shown.
    void Append(const std::vector<FileEntry*>& entries);
    FileEntry* EntryAt(int row) const;
    // Removes the rows (in any order; each once).
    void Remove(std::vector<int> rows);
    void Clear();
    QString CellText(int row, int column) const;
    void SetStatus(int row, const QString& text);

private:
    struct Row {
        FileEntry* entry;
        QString status;
    };
    std::vector<Row> rows_;
};

}  // namespace tonewright
