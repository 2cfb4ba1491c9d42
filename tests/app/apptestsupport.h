#pragma once

#include <QApplication>
#include <QEvent>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "app/desktop.h"
#include "settings/settingsstore.h"

namespace tonewright {
class FileListWidget;
class MainWindow;
}  // namespace tonewright

namespace apptest {

// A desktop that answers from a script and records what the window asked of it, so that
// tests run without a message box, file dialog, browser or file manager.
class ScriptedDesktop : public tonewright::Desktop {
public:
    struct Message {
        Icon icon;
        QString text;
        bool parentVisible;  // the widget that asked was on screen when it did
    };

    // Answers given to the next questions, in order; then defaultAnswer.
    std::deque<bool> answers;
    bool defaultAnswer = false;
    QStringList filesToChoose;
    QString fileDialogFilters;  // what the last open dialog offered
    QString folderToChoose;

    std::vector<Message> messages;
    QStringList questions;
    QStringList abouts;
    QString folderBrowserPrompt;
    QString folderBrowserStart;
    QList<QUrl> opened;
    QStringList revealed;
    bool showsNotifications = false;
    QStringList notifications;  // "summary|body|file"

    void ShowMessage(QWidget* parent, Icon icon, const QString& text) override {
        messages.push_back({icon, text, parent && parent->isVisible()});
    }
    bool AskYesNo(QWidget*, const QString& text) override;
    void ShowAbout(QWidget*, const QString& text) override { abouts << text; }
    QStringList ChooseFiles(QWidget*, const QString& filters) override {
        fileDialogFilters = filters;
        return filesToChoose;
    }
    QString ChooseFolder(QWidget*, const QString& prompt, const QString& start) override {
        folderBrowserPrompt = prompt;
        folderBrowserStart = start;
        return folderToChoose;
    }
    void Open(const QUrl& url) override { opened << url; }
    void RevealFile(const QString& path) override { revealed << path; }
    bool ShowsNotifications() override { return showsNotifications; }
    void Notify(const QString& summary, const QString& body, const QString& file) override {
        notifications << summary + '|' + body + '|' + file;
    }
};

// The visible top-level window of type T (a progress window, say), or null.
template <typename T>
T* FindWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<T*>(widget); window && window->isVisible()) return window;
    return nullptr;
}

// While it lives, hands every window of type T the program shows to `shown`, at once (before
// the code that showed it goes on), so a test can follow the window's bars from the start.
template <typename T>
class WhenShown : public QObject {
public:
    explicit WhenShown(std::function<void(T&)> shown) : shown_(std::move(shown)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous())
            if (auto* window = qobject_cast<T*>(object)) shown_(*window);
        return false;
    }

private:
    std::function<void(T&)> shown_;
};

// Clicks the Cancel button of a progress window.
void PressCancel(QWidget& progressWindow);

// A 16-bit WAV file of a sine tone, written by sox.
void MakeTone(const QString& path, double seconds, int rate = 44100, int channels = 2);
// A file whose bytes no decoder takes.
void MakeGarbage(const QString& path);
// Files in the folder whose names mark unfinished conversions.
QStringList Leftovers(const QString& folder);

// The main window over a private settings store and a scripted desktop, with targets going
// to <temporary folder>/out and the first start already behind it.
class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    // Opens the window; presets made on `store` before take effect.
    tonewright::MainWindow& Open();
    void Close();

    QString file(const QString& name) const { return dir.filePath(name); }
    QString outFile(const QString& name) const { return dir.filePath(QStringLiteral("out/") + name); }

    // Tone files of the same sound in the temporary folder under the names given; their paths.
    QStringList MakeTones(const QStringList& names, double seconds = 0.2);
    // Adds the files through the Add Files command, as the open dialog would hand them.
    void AddFiles(const QStringList& paths);
    // MakeTones, then AddFiles in the order of the names.
    void ListTones(const QStringList& names, double seconds = 0.2);
    int rows() const;
    QString cell(int row, int column) const;
    // Adds the row to the list's selection.
    void Select(int row) const;
    QStringList column(int column) const;

    QTemporaryDir dir;
    tonewright::MemorySettingsStore store;
    ScriptedDesktop desktop;
    std::unique_ptr<tonewright::MainWindow> window;
    tonewright::FileListWidget* list = nullptr;
};

}  // namespace apptest
