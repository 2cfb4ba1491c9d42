#pragma once

#include "app/desktop.h"

namespace tonewright {

// The desktop as the running program sees it: QMessageBox, QFileDialog, QDesktopServices
// and the file manager's D-Bus interface.
class QtDesktop : public Desktop {
public:
    void ShowMessage(QWidget* parent, Icon icon, const QString& text) override;
    bool AskYesNo(QWidget* parent, const QString& text) override;
    void ShowAbout(QWidget* parent, const QString& text) override;
    QStringList ChooseFiles(QWidget* parent, const QString& filters) override;
    QString ChooseFolder(QWidget* parent, const QString& prompt, const QString& start) override;
    void Open(const QUrl& url) override;
    void RevealFile(const QString& path) override;
};

}  // namespace tonewright
