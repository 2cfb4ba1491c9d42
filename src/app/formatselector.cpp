#include "app/formatselector.h"

#include <QAbstractItemView>

#include "engine/outputformat.h"

namespace tonewright {

namespace {

struct SelectorRow {
    int code;
    const char* label;  // null: the format's extension in capitals
};

const SelectorRow kRows[] = {
    {kOutputMp3, nullptr},
    {kOutputWav, nullptr},
    {kOutputWma, nullptr},
    {kOutputOgg, nullptr},
    {kOutputAac, nullptr},
    {kOutputM4a, "AAC for iPod / iTunes"},
    {kOutputMp4, "MP4 (Audio only)"},
    {kOutputM4a, "M4A (MPEG-4 Audio)"},
    {kOutputM4b, "M4B (MPEG-4 Audiobook)"},
    {kOutputAmr, nullptr},
    {kOutputAwb, nullptr},
};

QString RowText(const SelectorRow& row) {
    if (row.label) return QStringLiteral(" to %1").arg(QString::fromUtf8(row.label));
    const OutputFormatInfo* format = FindOutputFormat(row.code);
    return QStringLiteral(" to %1").arg(QString::fromLatin1(format->extension).mid(1).toUpper());
}

// Wide enough for the longest label in the drop-down part.
constexpr int kPopupWidth = 160;

}  // namespace

FormatSelector::FormatSelector(QWidget* parent) : QComboBox(parent) {
    for (const SelectorRow& row : kRows) addItem(RowText(row), row.code);
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

int FormatSelector::code() const { return currentIndex() >= 0 ? currentData().toInt() : kOutputMp3; }

}  // namespace tonewright
