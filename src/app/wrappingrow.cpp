#include "app/wrappingrow.h"

#include <QWidget>

#include <algorithm>

namespace tonewright {

int WrappingRow::Gap() const { return std::max(spacing(), 0); }

WrappingRow::~WrappingRow() {
    while (QLayoutItem* item = takeAt(0)) delete item;
}

QLayoutItem* WrappingRow::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize WrappingRow::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        size.setWidth(std::max(size.width(), item->minimumSize().width()));
        size.rheight() += item->sizeHint().height() + (size.height() > 0 ? Gap() : 0);
    }
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

QSize WrappingRow::sizeHint() const {
    QSize size;
    for (const QLayoutItem* item : items_) {
        size.rwidth() += item->sizeHint().width() + (size.width() > 0 ? Gap() : 0);
        size.setHeight(std::max(size.height(), item->sizeHint().height()));
    }
    return size.grownBy(contentsMargins());
}

void WrappingRow::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int WrappingRow::Arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    int y = area.y();
    int first = 0;
    while (first < items_.size()) {
        // The groups of this line: as many as fit, at least one.
        int last = first;
        int width = items_[first]->sizeHint().width();
        int height = items_[first]->sizeHint().height();
        while (last + 1 < items_.size() && width + Gap() + items_[last + 1]->sizeHint().width() <= area.width()) {
            ++last;
            width += Gap() + items_[last]->sizeHint().width();
            height = std::max(height, items_[last]->sizeHint().height());
        }
        if (place) {
            int x = area.x();
            for (int index = first; index <= last; ++index) {
                const QSize hint = items_[index]->sizeHint();
                const int itemWidth = std::min(hint.width(), area.width());
                if (index == last && last > first) x = area.right() + 1 - itemWidth;
                items_[index]->setGeometry(QRect(x, y + (height - hint.height()) / 2, itemWidth, hint.height()));
                x += itemWidth + Gap();
            }
        }
        y += height + Gap();
        first = last + 1;
    }
    return y - Gap() - area.y() + contentsMargins().top() + contentsMargins().bottom();
}

}  // namespace tonewright
