#pragma once

#include <memory>

#include "app/desktop.h"

namespace tonewright {

class DesktopNotifications;

// The desktop as the running program sees it: QMessageBox, QFileDialog, QDesktopServices,
// the file manager's D-Bus interface and the notification service.
class QtDesktop : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    void ShowMessage(QWidget* parent, Icon icon, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    void ShowAbout(QWidget* parent, const QString& text) override;
    QStringList ChooseFiles(QWidget* parent, const QString& filters) override;
    QString ChooseFolder(QWidget* parent, const QString& prompt, const QString& start) override;
    void Open(const QUrl& url) override;
    void RevealFile(const QString& path) override;
    bool ShowsNotifications() override;
    void Notify(const QString& summary, const QString& body, const QString& file) override;

private:
    std::unique_ptr<DesktopNotifications> notifications_;
};

}  // namespace tonewright
