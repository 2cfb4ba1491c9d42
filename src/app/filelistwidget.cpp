#include "app/filelistwidget.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>
#include <iterator>
#include <memory>

#include "base/pathutil.h"
#include "engine/cellorder.h"
#include "engine/fileentry.h"

namespace tonewright {

namespace {

// Line height of the font the layout units were made for.
constexpr double kUnitLineHeight = 13.0;

struct ColumnInfo {
    const char* header;
    int width;  // layout units
    Qt::Alignment alignment;
    CellOrder order;
};

const ColumnInfo kColumns[] = {
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "File"), 152, Qt::AlignLeft, CellOrder::Text},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Duration"), 65, Qt::AlignRight, CellOrder::Duration},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Bit Rate"), 65, Qt::AlignRight, CellOrder::Number},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Freq."), 65, Qt::AlignRight, CellOrder::Number},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Channels"), 60, Qt::AlignLeft, CellOrder::Text},
    {QT_TRANSLATE_NOOP("tonewright::FileListWidget", "Status"), 145, Qt::AlignLeft, CellOrder::Text},
};

constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// A row of the list: its cells, and the entry it shows.
class FileRow : public QTreeWidgetItem {
public:
    explicit FileRow(FileEntry* entry) : entry_(entry) {
        for (int column = 0; column < kColumnCount; ++column)
            setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
    }

    FileEntry* entry() const { return entry_; }

    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget()->sortColumn();
        return CompareCells(kColumns[column].order, text(column).toStdString(), other.text(column).toStdString()) < 0;
    }

private:
    FileEntry* entry_;
};

}  // namespace

FileListWidget::FileListWidget(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(kColumnCount);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setContextMenuPolicy(Qt::CustomContextMenu);

    QStringList headers;
    for (const ColumnInfo& column : kColumns) headers << tr(column.header);
    setHeaderLabels(headers);
    header()->setStretchLastSection(false);
    header()->setSectionsClickable(true);
    header()->setSortIndicatorShown(false);
    for (int column = 0; column < kColumnCount; ++column) {
        SetColumnUnits(column, kColumns[column].width);
        headerItem()->setTextAlignment(column, kColumns[column].alignment | Qt::AlignVCenter);
    }
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
        setHorizontalScrollBarPolicy(topLevelItemCount() > 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    };
    rowCountWatch_ = {connect(model(), &QAbstractItemModel::rowsInserted, this, rowsChanged),
                      connect(model(), &QAbstractItemModel::rowsRemoved, this, rowsChanged),
                      connect(model(), &QAbstractItemModel::modelReset, this, rowsChanged)};
}

// The model outlives this class's part of the widget and resets itself while it is
// destroyed: the scroll bar handlers must not run on a half-destroyed view.
FileListWidget::~FileListWidget() {
    for (const QMetaObject::Connection& connection : rowCountWatch_) disconnect(connection);
}

void FileListWidget::AppendRow(FileEntry* entry) {
    auto* row = new FileRow(entry);
    row->setText(kFileColumn, QString::fromStdString(LastPathComponent(entry->sourcePath)));
    // Same-named files from different folders are told apart by the whole path.
    row->setToolTip(kFileColumn, QString::fromStdString(entry->sourcePath));
    row->setText(kDurationColumn, QString::fromStdString(DurationText(*entry)));
    row->setText(kBitrateColumn, QString::fromStdString(BitrateText(*entry)));
    row->setText(kFrequencyColumn, QString::fromStdString(FrequencyText(*entry)));
    row->setText(kChannelsColumn, QString::fromStdString(ChannelsText(*entry)));
    addTopLevelItem(row);
    scrollToItem(row);
}

FileEntry* FileListWidget::EntryAt(int row) const {
    const auto* item = static_cast<const FileRow*>(topLevelItem(row));
    return item ? item->entry() : nullptr;
}

std::vector<int> FileListWidget::SelectedRows() const {
    std::vector<int> rows;
    for (QTreeWidgetItem* item : selectedItems()) rows.push_back(indexOfTopLevelItem(item));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileListWidget::RemoveRow(int row) { std::unique_ptr<QTreeWidgetItem> removed(takeTopLevelItem(row)); }

void FileListWidget::SetStatus(int row, const QString& text) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setText(kStatusColumn, text);
        // A failure's reason may be longer than the column is wide: the tooltip shows it whole.
        item->setToolTip(kStatusColumn, text);
    }
}

void FileListWidget::ShowRow(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row)) scrollToItem(item);
}

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
    const QRect row = currentItem() ? visualItemRect(currentItem()) : QRect();
    if (!row.isValid() || !viewport()->rect().intersects(row)) return QPoint(0, 0);
    return QPoint(row.left() + fontMetrics().averageCharWidth() * 4, row.bottom());
}

bool FileListWidget::viewportEvent(QEvent* event) {
    const bool handled = QTreeWidget::viewportEvent(event);
    // The view's width changes with the window and with the vertical scroll bar.
    if (event->type() == QEvent::Resize) FitFileColumn();
    return handled;
}

void FileListWidget::FitFileColumn() {
    int others = 0;
    for (int column = 0; column < kColumnCount; ++column)
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
    sortItems(column, sortOrder_);
}

}  // namespace tonewright
