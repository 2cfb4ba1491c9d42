#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

}  // namespace

// The message boxes of the real desktop: caption, icon and buttons.
class QtDesktopTest : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(QtDesktopTest)
#include "qtdesktop_test.moc"
