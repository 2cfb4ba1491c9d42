#include "app/formatselector.h"

#include <QAbstractItemView>

#include "engine/outputformat.h"

namespace tonewright {

namespace {

// Wide enough for the longest label in the drop-down part.
constexpr int kPopupWidth = 160;

}  // namespace

FormatSelector::FormatSelector(QWidget* parent) : QComboBox(parent) {
    for (const FormatSelectorRow& row : FormatSelectorRows())
        addItem(tr(" to %1").arg(QString::fromUtf8(row.label)), row.format->code);
    view()->setMinimumWidth(kPopupWidth);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

bool FormatSelector::SelectCode(int code) {
    int last = -1;
    for (int i = 0; i < count(); ++i)
        if (itemData(i).toInt() == code) last = i;
    setCurrentIndex(last);
    return last >= 0;
}

int FormatSelector::code() const { return itemData(currentIndex() >= 0 ? currentIndex() : 0).toInt(); }

}  // namespace tonewright
