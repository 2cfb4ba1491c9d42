#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <functional>

#include "apptestsupport.h"
#include "app/mainwindow.h"
#include "app/options/optionssheet.h"

namespace apptest {

// The control named `name` inside `owner`; fails the test when there is none.
template <typename T>
T* Control(QWidget* owner, const char* name) {
    T* control = owner->findChild<T*>(QLatin1String(name));
    if (!control) qWarning("no control named %s", name);
    return control;
}

// The button (radio, check, push) whose text is `text`.
inline QAbstractButton* Button(QWidget* owner, const QString& text) {
    for (QAbstractButton* button : owner->findChildren<QAbstractButton*>())
        if (button->text() == text) return button;
    qWarning("no button %s", qPrintable(text));
    return nullptr;
}

// Picks the row carrying `value` as the user would.
inline void Choose(QComboBox* list, int value) {
    const int row = list->findData(value);
    QVERIFY2(row >= 0, qPrintable(QString::number(value)));
    list->setCurrentIndex(row);
    emit list->activated(row);
}

inline void ChooseRow(QComboBox* list, int row) {
    list->setCurrentIndex(row);
    emit list->activated(row);
}

inline QWidget* SheetPage(tonewright::OptionsSheet& sheet, int index) {
    return sheet.page(index);
}

// Shows the page as a click on its tab does.
inline void ShowPage(tonewright::OptionsSheet& sheet, int index) {
    sheet.tabBar()->setCurrentIndex(index);
}

// Runs the main window's Options command with `drive` acting on the open sheet. `drive`
// should close it; a sheet still open afterwards is cancelled so that the test goes on.
inline void RunOptions(tonewright::MainWindow& window, const std::function<void(tonewright::OptionsSheet&)>& drive) {
    QTimer::singleShot(0, &window, [drive] {
        auto* sheet = qobject_cast<tonewright::OptionsSheet*>(QApplication::activeModalWidget());
        QVERIFY(sheet);
        drive(*sheet);
        if (sheet->isVisible()) sheet->reject();
    });
    window.OpenOptionsSheet();
}

}  // namespace apptest
