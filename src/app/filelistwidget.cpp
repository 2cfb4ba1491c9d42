#include "app/filelistwidget.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace tonewright {

namespace {

// Line height of the font the layout units were made for.
constexpr double kUnitLineHeight = 13.0;

// Widths of the columns in layout units.
constexpr int kColumnUnits[FileListModel::kColumnCount] = {152, 65, 65, 65, 60, 145};

}  // namespace

FileListWidget::FileListWidget(QWidget* parent) : QTreeView(parent), model_(new FileListModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setContextMenuPolicy(Qt::CustomContextMenu);

    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    for (int column = 0; column < FileListModel::kColumnCount; ++column) SetColumnUnits(column, kColumnUnits[column]);
    connect(header(), &QHeaderView::sectionClicked, this, &FileListWidget::SortBy);
    // A column the user drags keeps its width; the File column gives or takes the difference.
    connect(header(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (fittingFileColumn_) return;
        if (column == kFileColumn) fileColumnFloor_ = width;
        FitFileColumn();
    });
    // An empty list has nothing to scroll to: no horizontal scroll bar, however wide the
    // columns have grown.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto rowsChanged = [this] {
        setHorizontalScrollBarPolicy(model_->rowCount() > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    };
    rowCountWatch_ = {connect(model_, &QAbstractItemModel::rowsInserted, this, rowsChanged),
                      connect(model_, &QAbstractItemModel::rowsRemoved, this, rowsChanged),
                      connect(model_, &QAbstractItemModel::modelReset, this, rowsChanged)};
}

// The model outlives this class's part of the widget and resets itself while it is
// destroyed: the scroll bar handlers must not run on a half-destroyed view.
FileListWidget::~FileListWidget() {
    for (const QMetaObject::Connection& connection : rowCountWatch_) disconnect(connection);
}

void FileListWidget::AppendRows(const std::vector<FileEntry*>& entries) {
    if (entries.empty()) return;
    model_->Append(entries);
    scrollTo(model_->index(model_->rowCount() - 1, 0));
}

std::vector<int> FileListWidget::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListWidget::ShowRow(int row) { scrollTo(model_->index(row, 0)); }

int FileListWidget::ColumnUnits(int column) const {
    const int width = column == kFileColumn ? fileColumnFloor_ : columnWidth(column);
    return qRound(width / PixelsPerUnit());
}

void FileListWidget::SetColumnUnits(int column, int units) {
    const int width = qRound(units * PixelsPerUnit());
    if (column == kFileColumn) fileColumnFloor_ = width;
    setColumnWidth(column, width);
    FitFileColumn();
}

QPoint FileListWidget::KeyboardMenuPoint() const {
    const QModelIndex current = currentIndex();
    const QRect row = current.isValid() ? visualRect(current.siblingAtColumn(kFileColumn)) : QRect();
    if (!row.isValid() || !viewport()->rect().intersects(row)) return QPoint(0, 0);
    return QPoint(row.left() + fontMetrics().averageCharWidth() * 4, row.bottom());
}

bool FileListWidget::viewportEvent(QEvent* event) {
    const bool handled = QTreeView::viewportEvent(event);
    // The view's width changes with the window and with the vertical scroll bar.
    if (event->type() == QEvent::Resize) FitFileColumn();
    return handled;
}

void FileListWidget::FitFileColumn() {
    int others = 0;
    for (int column = 0; column < FileListModel::kColumnCount; ++column)
        if (column != kFileColumn) others += columnWidth(column);
    const int width = std::max(fileColumnFloor_, viewport()->width() - others);
    if (width == columnWidth(kFileColumn)) return;
    fittingFileColumn_ = true;
    setColumnWidth(kFileColumn, width);
    fittingFileColumn_ = false;
}

double FileListWidget::PixelsPerUnit() const { return std::max(1.0, fontMetrics().height() / kUnitLineHeight); }

void FileListWidget::SortBy(int column) {
    sortOrder_ = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortColumn_ = column;
    header()->setSortIndicatorShown(true);
    // The arrow takes room from the heading: the column grows so that both show.
    setColumnWidth(column, std::max(columnWidth(column), header()->sectionSizeHint(column)));
    model_->sort(column, sortOrder_);
}

}  // namespace tonewright
