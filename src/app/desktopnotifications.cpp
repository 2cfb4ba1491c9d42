#include "app/desktopnotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace tonewright {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kShowInFolder = QStringLiteral("show-in-folder");
const QString kDefaultAction = QStringLiteral("default");  // a click on the notification itself
constexpr int kReplyTimeoutMs = 3000;

QDBusMessage Call(const QString& method) { return QDBusMessage::createMethodCall(kService, kPath, kInterface, method); }

}  // namespace

DesktopNotifications::DesktopNotifications(std::function<void(const QString&)> reveal) : reveal_(std::move(reveal)) {
    // Services differ in whether a notification's closing comes before or after its action,
    // so a shown file is only forgotten when its action is taken.
    QDBusConnection::sessionBus().connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                                          SLOT(OnActionInvoked(uint, QString)));
}

bool DesktopNotifications::ServiceAnswers() {
    if (!serviceAnswers_) {
        // The call starts a service that the bus activates on demand.
        const QDBusMessage reply =
            QDBusConnection::sessionBus().call(Call(QStringLiteral("GetServerInformation")), QDBus::Block,
                                               kReplyTimeoutMs);
        serviceAnswers_ = reply.type() == QDBusMessage::ReplyMessage;
    }
    return *serviceAnswers_;
}

void DesktopNotifications::Show(const QString& summary, const QString& body, const QString& file) {
    const QString showInFolder = tr("Show in folder");
    const QStringList actions =
        file.isEmpty() ? QStringList() : QStringList{kDefaultAction, showInFolder, kShowInFolder, showInFolder};
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tonewright"));
    QDBusMessage notify = Call(QStringLiteral("Notify"));
    notify << QStringLiteral("Tonewright") << uint(0) << QStringLiteral("tonewright") << summary << body << actions
           << hints << int(-1);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(notify, QDBus::Block, kReplyTimeoutMs);
    if (!file.isEmpty() && reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        files_[reply.arguments().front().toUInt()] = file;
}

void DesktopNotifications::OnActionInvoked(uint id, const QString& action) {
    const auto shown = files_.find(id);
    if (shown == files_.end() || (action != kShowInFolder && action != kDefaultAction)) return;
    const QString file = shown->second;
    files_.erase(shown);
    reveal_(file);
}

}  // namespace tonewright
