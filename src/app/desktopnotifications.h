#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

namespace tonewright {

// Notifications through the desktop's notification service (org.freedesktop.Notifications
// on the session bus). A notification that names a file offers "Show in folder"; choosing
// it, or clicking the notification, hands the file to `reveal`.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifications(std::function<void(const QString&)> reveal);

    // Whether a notification service answers on the session bus; asked once, the answer kept.
    bool ServiceAnswers();
    // Shows a notification; `file` may be empty (no action then).
    void Show(const QString& summary, const QString& body, const QString& file);

private slots:
    void OnActionInvoked(uint id, const QString& action);

private:
    std::function<void(const QString&)> reveal_;
    std::optional<bool> serviceAnswers_;
    std::map<uint, QString> files_;  // a shown notification's id -> the file its action shows
};

}  // namespace tonewright
