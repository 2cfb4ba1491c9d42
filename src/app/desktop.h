#pragma once

#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

namespace tonewright {

// Everything the windows ask of the user or hand over to the desktop: message boxes,
// questions, the file and folder choosers, opening pages and files, showing a file in the
// file manager, and notifications. The program uses QtDesktop; the tests answer and record with their own.
class Desktop {
public:
    enum class Icon { Information, Warning, Critical };

    virtual ~Desktop() = default;

    // A message box captioned "Tonewright" with one OK button.
    virtual void ShowMessage(QWidget* parent, Icon icon, const QString& text) = 0;
    // A question with Yes and No, captioned "Tonewright"; true for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text) = 0;
    virtual void ShowAbout(QWidget* parent, const QString& text) = 0;

    // Files picked in the open dialog (none when cancelled).
    virtual QStringList ChooseFiles(QWidget* parent, const QString& filters) = 0;
    // A folder picked in the folder browser titled with the prompt ("" when cancelled).
    virtual QString ChooseFolder(QWidget* parent, const QString& prompt, const QString& start) = 0;

    // Opens a web page, a mail link, a file with its player or a folder.
    virtual void Open(const QUrl& url) = 0;
    // Shows the file manager on the file's folder with the file selected.
    virtual void RevealFile(const QString& path) = 0;

    // Whether the desktop shows notifications (a notification service answers).
    virtual bool ShowsNotifications() = 0;
    // A notification; when `file` is given, its "Show in folder" action reveals that file.
    virtual void Notify(const QString& summary, const QString& body, const QString& file) = 0;
};

}  // namespace tonewright
