#include "app/qtdesktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/desktopnotifications.h"

namespace tonewright {

namespace {

const QString kCaption = QStringLiteral("Tonewright");

QMessageBox::Icon BoxIcon(Desktop::Icon icon) {
    switch (icon) {
        case Desktop::Icon::Warning: return QMessageBox::Warning;
        case Desktop::Icon::Critical: return QMessageBox::Critical;
        case Desktop::Icon::Information: break;
    }
    return QMessageBox::Information;
}

}  // namespace

QtDesktop::QtDesktop()
    : notifications_(std::make_unique<DesktopNotifications>([this](const QString& path) { RevealFile(path); })) {}

QtDesktop::~QtDesktop() = default;

void QtDesktop::ShowMessage(QWidget* parent, Icon icon, const QString& text) {
    QMessageBox box(BoxIcon(icon), kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDesktop::AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kCaption, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void QtDesktop::ShowAbout(QWidget* parent, const QString& text) {
    QMessageBox::about(parent, QCoreApplication::translate("QtDesktop", "About Tonewright"), text);
}

QStringList QtDesktop::ChooseFiles(QWidget* parent, const QString& filters) {
    return QFileDialog::getOpenFileNames(parent, QCoreApplication::translate("QtDesktop", "Add Files"), QString(),
                                         filters);
}

QString QtDesktop::ChooseFolder(QWidget* parent, const QString& prompt, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, prompt, start);
}

void QtDesktop::Open(const QUrl& url) { QDesktopServices::openUrl(url); }

void QtDesktop::RevealFile(const QString& path) {
    // The freedesktop file manager interface selects the file; without a file manager
    // that offers it, the folder is opened instead.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
    if (reply.type() == QDBusMessage::ReplyMessage) return;
    Open(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

bool QtDesktop::ShowsNotifications() { return notifications_->ServiceAnswers(); }

void QtDesktop::Notify(const QString& summary, const QString& body, const QString& file) {
    notifications_->Show(summary, body, file);
}

}  // namespace tonewright
