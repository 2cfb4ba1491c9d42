#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace tonewright {

// The batch progress window: the current file on top, the whole batch below, and a
// Cancel button that only raises a flag the conversion loop polls.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent);

    void SetFileText(const QString& text);
    void SetBatchText(const QString& text);
    QProgressBar* fileBar() const { return fileBar_; }
    QProgressBar* batchBar() const { return batchBar_; }
    bool cancelled() const { return cancelled_; }

protected:
    // Enter and Escape do not close the window; only Cancel ends the work.
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* fileText_;
    QProgressBar* fileBar_;
    QLabel* batchText_;
    QProgressBar* batchBar_;
    bool cancelled_ = false;
};

}  // namespace tonewright
