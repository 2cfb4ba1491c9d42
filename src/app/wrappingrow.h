#pragma once

#include <QLayout>
#include <QList>

namespace tonewright {

// A row of widget groups that wraps onto further lines when the window is too narrow for
// it. On each line the last group sits at the right edge, so a row that fits on one line
// looks like groups split by a stretch.
class WrappingRow : public QLayout {
public:
    explicit WrappingRow(QWidget* parent = nullptr) : QLayout(parent) {}
    ~WrappingRow() override;

    void addItem(QLayoutItem* item) override { items_.append(item); }
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override { return items_.value(index); }
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Arrange(QRect(0, 0, width, 0), false); }
    // The widest group beside the others, on one line each.
    QSize minimumSize() const override;
    // Every group on one line.
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int Gap() const;
    // Places the groups within `rect` (only measures unless `place`); the height used.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
};

}  // namespace tonewright
