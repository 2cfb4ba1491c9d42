#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/filelistwidget.h"
#include "settings/settings.h"

namespace tonewright {

namespace {

// The list's columns, in order, and the settings that keep their widths.
int Settings::* const kColumnWidths[] = {
    &Settings::FileColumnWidth, &Settings::DurationColumnWidth, &Settings::BitRateColumnWidth,
    &Settings::FreqColumnWidth, &Settings::ChannelsColumnWidth, &Settings::StatusColumnWidth,
};

// The classic size of the window, in pixels at an 8-point font.
constexpr QSize kClassicSize(699, 538);

// The room a screen leaves for the window's contents, its frame and title bar taken off.
QSize RoomOn(const QScreen& screen, const QWidget& window) {
    const int frame = window.fontMetrics().height() * 3;
    return screen.availableGeometry().size() - QSize(frame, frame);
}

// The screen that shows the top middle of the rectangle (where the title bar is), or null.
QScreen* ScreenShowing(const QRect& rectangle) {
    const QPoint titleBar(rectangle.center().x(), rectangle.top());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(titleBar)) return screen;
    return nullptr;
}

}  // namespace

void RestoreWindowPlacement(QWidget& window, FileListWidget& list, const Settings& settings) {
    for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column)
        if (const int units = settings.*kColumnWidths[column]; units > 0) list.SetColumnUnits(column, units);

    const QSize stored(settings.MainWindowWidth, settings.MainWindowHeight);
    const QRect place(QPoint(settings.MainWindowLeft, settings.MainWindowTop), stored);
    QScreen* screen = stored.isEmpty() ? nullptr : ScreenShowing(place);
    // With large text Qt scales the window, and the screen may have less room than asked.
    const QSize wanted = stored.isEmpty() ? kClassicSize : stored;
    const QSize size = wanted.boundedTo(RoomOn(screen ? *screen : *window.screen(), window));
    if (screen) window.setGeometry(QRect(place.topLeft(), size));
    else window.resize(size);
    if (settings.MainWindowMaximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void TakeWindowPlacement(const QWidget& window, const FileListWidget& list, Settings& settings) {
    for (int column = 0; column < static_cast<int>(std::size(kColumnWidths)); ++column)
        settings.*kColumnWidths[column] = list.ColumnUnits(column);
    const QRect normal = window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
    settings.MainWindowLeft = normal.left();
    settings.MainWindowTop = normal.top();
    settings.MainWindowWidth = normal.width();
    settings.MainWindowHeight = normal.height();
    settings.MainWindowMaximized = window.isMaximized() ? 1 : 0;
}

}  // namespace tonewright
