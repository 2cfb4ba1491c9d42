#pragma once

#include <QTreeView>

#include <vector>

#include "app/filelistmodel.h"

namespace tonewright {

struct FileEntry;

// The file list: one row per FileEntry with the columns File, Duration, Bit Rate, Freq.,
// Channels and Status. Rows refer to their entries, which the window's FileList owns. A
// click on a column header sorts the rows by that column's rule; a second click on the
// same column reverses the order.
//
// Column widths are given in layout units: the pixels of the classic layout, made for an
// 8-point Tahoma. They grow with the font in use, so the texts fit at any font size and
// screen resolution. The File column takes whatever width the others leave in the view; the
// width given to it (or dragged by the user) is the least it keeps, so a wider File column
// scrolls instead.
class FileListWidget : public QTreeView {
    Q_OBJECT
public:
    using Column = FileListModel::Column;
    static constexpr Column kFileColumn = FileListModel::kFileColumn;
    static constexpr Column kDurationColumn = FileListModel::kDurationColumn;
    static constexpr Column kBitrateColumn = FileListModel::kBitrateColumn;
    static constexpr Column kFrequencyColumn = FileListModel::kFrequencyColumn;
    static constexpr Column kChannelsColumn = FileListModel::kChannelsColumn;
    static constexpr Column kStatusColumn = FileListModel::kStatusColumn;

    explicit FileListWidget(QWidget* parent);
    ~FileListWidget() override;

    // Appends rows for new entries with their information cells, and scrolls to the last.
    void AppendRows(const std::vector<FileEntry*>& entries);
    FileEntry* EntryAt(int row) const { return model_->EntryAt(row); }
    void RemoveRows(const std::vector<int>& rows) { model_->Remove(rows); }
    void Clear() { model_->Clear(); }
    int rowCount() const { return model_->rowCount(); }
    QString CellText(int row, int column) const { return model_->CellText(row, column); }
    // The selected rows, top to bottom.
    std::vector<int> SelectedRows() const;
    // The Status cell's text, also its tooltip.
    void SetStatus(int row, const QString& text) { model_->SetStatus(row, text); }
    void ShowRow(int row);
    // A column's width as given or dragged; for the File column, the least it keeps.
    int ColumnUnits(int column) const;
    void SetColumnUnits(int column, int units);
    // Where the context menu opens when asked for from the keyboard: over the current row,
    // or at the top of the list when there is none. In the viewport's coordinates.
    QPoint KeyboardMenuPoint() const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    void SortBy(int column);
    double PixelsPerUnit() const;
    // Gives the File column the width the other columns leave, but no less than its floor.
    void FitFileColumn();

    FileListModel* model_;
    // The scroll bar follows the row count; cut before the model's own teardown.
    std::vector<QMetaObject::Connection> rowCountWatch_;
    int fileColumnFloor_ = 0;  // pixels
    bool fittingFileColumn_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace tonewright
