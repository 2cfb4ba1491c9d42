#include "apptestsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include "app/filelistwidget.h"
#include "app/mainwindow.h"

namespace apptest {

bool ScriptedDesktop::AskYesNo(QWidget*, const QString& text) {
    questions << text;
    if (answers.empty()) return defaultAnswer;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void PressCancel(QWidget& progressWindow) {
    QTest::mouseClick(progressWindow.findChild<QPushButton*>(QStringLiteral("cancelButton")), Qt::LeftButton);
}

void MakeTone(const QString& path, double seconds, int rate, int channels) {
    QProcess sox;
    sox.start(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QString::number(rate),
                                      QStringLiteral("-c"), QString::number(channels), QStringLiteral("-b"),
                                      QStringLiteral("16"), path, QStringLiteral("synth"),
                                      QString::number(seconds), QStringLiteral("sine"), QStringLiteral("440")});
    QVERIFY2(sox.waitForFinished(30000) && sox.exitCode() == 0, qPrintable(sox.readAllStandardError()));
}

void MakeGarbage(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a sound file, whatever its name says\n");
}

QStringList Leftovers(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.part-*")}, QDir::Files | QDir::Hidden);
}

WindowHarness::WindowHarness() {
    store.preset("Options", "FirstRun", "0");
    store.preset("Options", "DestOutputFolderOpt", "399");
    store.preset("Options", "DestSpecifiedFolder", dir.filePath(QStringLiteral("out")).toStdString());
    store.preset("Options", "OutputFiles2MyDocuments", "0");
    store.preset("Options", "OutputFormat", "2000");
}

WindowHarness::~WindowHarness() { Close(); }

tonewright::MainWindow& WindowHarness::Open() {
    window = std::make_unique<tonewright::MainWindow>(store, desktop);
    list = window->findChild<tonewright::FileListWidget*>();
    return *window;
}

void WindowHarness::Close() {
    window.reset();
    list = nullptr;
}

QStringList WindowHarness::MakeTones(const QStringList& names, double seconds) {
    QStringList paths;
    for (const QString& name : names) paths << file(name);
    MakeTone(paths.front(), seconds);
    // Copies are much faster than a sox run each.
    for (const QString& copy : paths.mid(1))
        if (!QTest::qVerify(QFile::copy(paths.front(), copy), "QFile::copy", qPrintable(copy), __FILE__, __LINE__))
            return {};
    return paths;
}

void WindowHarness::ListTones(const QStringList& names, double seconds) { AddFiles(MakeTones(names, seconds)); }

void WindowHarness::AddFiles(const QStringList& paths) {
    desktop.filesToChoose = paths;
    window->OnAddFiles();
}

int WindowHarness::rows() const { return list->rowCount(); }

QString WindowHarness::cell(int row, int column) const { return list->CellText(row, column); }

void WindowHarness::Select(int row) const {
    list->selectionModel()->select(list->model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QStringList WindowHarness::column(int column) const {
    QStringList texts;
    for (int row = 0; row < rows(); ++row) texts << cell(row, column);
    return texts;
}

}  // namespace apptest
