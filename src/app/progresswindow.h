#pragma once

#include <QDialog>

#include <atomic>

class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace tonewright {

// What both progress windows share. They run no loop of their own: the loop that owns one
// sets its texts and bars, lets events through, polls the cancel flag and finally deletes
// the window. Cancel, and the window's close button, only raise that flag; Enter and
// Escape do nothing. The window stays above its owner, centred on it, but is not its
// child: the owner is disabled while the loop runs, and a child would be disabled with it.
class CancellableProgress : public QDialog {
    Q_OBJECT
public:
    // Safe to ask from any thread: the workers of a batch that converts rows at once poll it.
    bool cancelled() const { return cancelled_; }

protected:
    explicit CancellableProgress(QWidget* owner);
    // A text line and a bar below the lines added before, above the Cancel button.
    void AddLine(QLabel*& text, QProgressBar*& bar);
    // Shows a text that may be longer than the line, shortened in the middle.
    static void SetLineText(QLabel* line, const QString& text);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* owner_;
    QVBoxLayout* lines_;
    std::atomic<bool> cancelled_{false};
};

// The window shown while files are added: one text line and one bar.
class AddProgressWindow : public CancellableProgress {
    Q_OBJECT
public:
    explicit AddProgressWindow(QWidget* owner);

    void SetText(const QString& text);
    // The bar runs from 0 to `count` and starts at 0; Step advances it by one.
    void SetRange(int count);
    void Step();
    QProgressBar* bar() const { return bar_; }

private:
    QLabel* text_;
    QProgressBar* bar_;
};

// The window shown during a batch: the current file above, the whole batch below. A press
// anywhere on the window moves it.
class ProgressWindow : public CancellableProgress {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* owner);

    void SetFileText(const QString& text);
    void SetBatchText(const QString& text);
    QProgressBar* fileBar() const { return fileBar_; }
    QProgressBar* batchBar() const { return batchBar_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* fileText_;
    QProgressBar* fileBar_;
    QLabel* batchText_;
    QProgressBar* batchBar_;
};

}  // namespace tonewright
