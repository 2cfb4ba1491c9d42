#include <QDBusConnection>
#include <QDBusMessage>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <mutex>

#include "app/desktopnotifications.h"
#include "app/qtdesktop.h"

using namespace tonewright;

namespace {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Reads the message box as soon as it shows, then presses the button with `press` on it.
void AnswerNextBox(SeenBox& seen, const QString& press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return AnswerNextBox(seen, press);
        seen = {box->windowTitle(), box->text(), box->icon(), {}};
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text().remove(QLatin1Char('&'));
            if (button->text().remove(QLatin1Char('&')) == press) button->click();
        }
    });
}

// A notification service of its own, answering on the private bus from a thread of its
// own: the program waits for the answers on the GUI thread.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    static constexpr uint kId = 7;

    QStringList actions() {
        std::lock_guard<std::mutex> lock(lock_);
        return actions_;
    }

public slots:
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion) {
        vendor = version = QStringLiteral("test");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake");
    }
    uint Notify(const QString&, uint, const QString&, const QString&, const QString&, const QStringList& actions,
                const QVariantMap&, int) {
        std::lock_guard<std::mutex> lock(lock_);
        actions_ = actions;
        return kId;
    }

private:
    std::mutex lock_;
    QStringList actions_;
};

}  // namespace

// The message boxes of the real desktop: caption, icon and buttons; its notifications over
// a private session bus.
class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
    // Every D-Bus call of this program goes to a private session bus.
    void initTestCase() {
        bus_.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus_.waitForStarted() && bus_.waitForReadyRead());
        address_ = QString::fromLatin1(bus_.readLine().trimmed());
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toLatin1());
        QVERIFY(QDBusConnection::sessionBus().isConnected());
    }

    void cleanupTestCase() {
        bus_.kill();
        bus_.waitForFinished();
    }

    // "Show in folder" (or a click on the notification) reveals the file it was shown with.
    void notificationsOfferToShowTheFile() {
        QStringList revealed;
        QVERIFY(!DesktopNotifications([](const QString&) {}).ServiceAnswers());

        QThread thread;
        FakeNotificationService service;
        service.moveToThread(&thread);
        thread.start();
        QDBusConnection serviceBus = QDBusConnection::connectToBus(address_, QStringLiteral("service"));
        QVERIFY(serviceBus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &service,
                                          QDBusConnection::ExportAllSlots));
        QVERIFY(serviceBus.registerService(QStringLiteral("org.freedesktop.Notifications")));

        DesktopNotifications notifications([&revealed](const QString& file) { revealed << file; });
        QVERIFY(notifications.ServiceAnswers());
        notifications.Show(QStringLiteral("Conversion finished"), QStringLiteral("1 of 1 file(s) converted to MP3."),
                           QStringLiteral("/music/out/a.mp3"));
        QCOMPARE(service.actions(), (QStringList{"default", "Show in folder", "show-in-folder", "Show in folder"}));
        for (const char* action : {"unknown", "show-in-folder"}) {
            QDBusMessage invoked = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/Notifications"),
                                                              QStringLiteral("org.freedesktop.Notifications"),
                                                              QStringLiteral("ActionInvoked"));
            invoked << FakeNotificationService::kId << QString::fromLatin1(action);
            QVERIFY(serviceBus.send(invoked));
        }
        // The signals arrive in order: once the second has revealed, the first has been seen.
        QTRY_COMPARE(revealed, QStringList{"/music/out/a.mp3"});
        serviceBus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
        QDBusConnection::disconnectFromBus(QStringLiteral("service"));
        thread.quit();
        thread.wait();
    }

    void messagesCarryTheProgramsCaptionAndTheirIcon_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("expected");
        QTest::newRow("information") << int(Desktop::Icon::Information) << int(QMessageBox::Information);
        QTest::newRow("warning") << int(Desktop::Icon::Warning) << int(QMessageBox::Warning);
        QTest::newRow("critical") << int(Desktop::Icon::Critical) << int(QMessageBox::Critical);
    }

    void messagesCarryTheProgramsCaptionAndTheirIcon() {
        QFETCH(int, icon);
        QFETCH(int, expected);
        QtDesktop desktop;
        SeenBox seen;
        AnswerNextBox(seen, QStringLiteral("OK"));
        desktop.ShowMessage(nullptr, static_cast<Desktop::Icon>(icon), QStringLiteral("There aren't files in list."));
        QCOMPARE(seen.caption, QStringLiteral("Tonewright"));
        QCOMPARE(seen.text, QStringLiteral("There aren't files in list."));
        QCOMPARE(int(seen.icon), expected);
        QCOMPARE(seen.buttons, QStringList{"OK"});
    }

    void questionsAskYesOrNo() {
        QtDesktop desktop;
        for (const QString& answer : {QStringLiteral("Yes"), QStringLiteral("No")}) {
            SeenBox seen;
            AnswerNextBox(seen, answer);
            const bool yes = desktop.AskYesNo(nullptr, QStringLiteral("Do you want to download it now?"));
            QCOMPARE(yes, answer == QStringLiteral("Yes"));
            QCOMPARE(seen.caption, QStringLiteral("Tonewright"));
            QCOMPARE(seen.icon, QMessageBox::Question);
            QCOMPARE(seen.buttons.size(), 2);
        }
    }

private:
    QProcess bus_;
    QString address_;
};

QTEST_MAIN(QtDesktopTest)
#include "qtdesktop_test.moc"
