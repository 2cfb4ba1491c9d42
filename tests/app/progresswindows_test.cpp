#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "app/progresswindow.h"

using namespace tonewright;

// The two progress windows: Cancel only raises the flag, nothing else ends them.
class ProgressWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cancelRaisesTheFlagAndKeepsTheWindow() {
        QWidget owner;
        owner.show();
        ProgressWindow progress(&owner);
        progress.show();
        QVERIFY(!progress.cancelled());
        QTest::mouseClick(progress.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
        QVERIFY(progress.cancelled());
        QVERIFY(progress.isVisible());
    }

    void enterAndEscapeDoNothing() {
        AddProgressWindow progress(nullptr);
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(&progress, key);
        QVERIFY(progress.isVisible());
        QVERIFY(!progress.cancelled());
    }

    void closingFromTheDesktopAsksTheLoopToStop() {
        ProgressWindow progress(nullptr);
        progress.show();
        QVERIFY(!progress.close());
        QVERIFY(progress.isVisible());
        QVERIFY(progress.cancelled());
    }

    // The loops disable the main window; its progress window must still take the click.
    void cancelWorksWhileTheOwnerIsDisabled() {
        QWidget owner;
        owner.show();
        AddProgressWindow progress(&owner);
        progress.show();
        owner.setEnabled(false);
        auto* cancel = progress.findChild<QPushButton*>(QStringLiteral("cancelButton"));
        QVERIFY(cancel->isEnabled());
        QTest::mouseClick(cancel, Qt::LeftButton);
        QVERIFY(progress.cancelled());
    }

    void barsFollowTheirOwner() {
        AddProgressWindow adding(nullptr);
        adding.SetRange(3);
        adding.Step();
        adding.Step();
        QCOMPARE(adding.bar()->maximum(), 3);
        QCOMPARE(adding.bar()->value(), 2);

        ProgressWindow batch(nullptr);
        batch.show();
        batch.SetBatchText(QStringLiteral("Converting 1 of 2 file(s) to WAV..."));
        batch.SetFileText(QStringLiteral("Converting a.wav...50%"));
        const QStringList texts = [&] {
            QStringList all;
            for (const QLabel* label : batch.findChildren<QLabel*>()) all << label->text();
            return all;
        }();
        QCOMPARE(texts, (QStringList{QStringLiteral("Converting a.wav...50%"),
                                     QStringLiteral("Converting 1 of 2 file(s) to WAV...")}));
    }

    // A long name is shortened in the middle instead of stretching the window.
    void longTextsKeepTheWindowSize() {
        ProgressWindow progress(nullptr);
        progress.show();
        const int width = progress.width();
        progress.SetFileText(QStringLiteral("Converting %1.wav...").arg(QString(400, QLatin1Char('x'))));
        QCOMPARE(progress.width(), width);
        const QString shown = progress.findChildren<QLabel*>().front()->text();
        QVERIFY(shown.contains(QChar(0x2026)));
        QVERIFY(shown.endsWith(QStringLiteral(".wav...")));
    }
};

QTEST_MAIN(ProgressWindowsTest)
#include "progresswindows_test.moc"
