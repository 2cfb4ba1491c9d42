#include "app/progresswindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "app/closekeys.h"

namespace tonewright {

namespace {

// Wide enough for "Converting 1000 of 1000 file(s) to MP4 (Audio only)..." and a file name.
constexpr int kLineWidthInCharacters = 64;

}  // namespace

CancellableProgress::CancellableProgress(QWidget* owner) : owner_(owner ? owner->window() : nullptr) {
    setWindowTitle(QStringLiteral("Tonewright"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    lines_ = new QVBoxLayout;
    layout->addLayout(lines_);
    layout->addSpacing(fontMetrics().height() / 2);

    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(cancel);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CancellableProgress::AddLine(QLabel*& text, QProgressBar*& bar) {
    text = new QLabel(this);
    text->setFixedWidth(fontMetrics().averageCharWidth() * kLineWidthInCharacters);
    bar = new QProgressBar(this);
    bar->setTextVisible(false);
    bar->setRange(0, 1);
    bar->setValue(0);
    lines_->addWidget(text);
    lines_->addWidget(bar);
}

void CancellableProgress::SetLineText(QLabel* line, const QString& text) {
    line->setText(line->fontMetrics().elidedText(text, Qt::ElideMiddle, line->width()));
}

void CancellableProgress::showEvent(QShowEvent* event) {
    if (owner_ && owner_->windowHandle() && windowHandle()) {
        windowHandle()->setTransientParent(owner_->windowHandle());
        move(owner_->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

void CancellableProgress::keyPressEvent(QKeyEvent* event) {
    if (IsDialogCloseKey(*event)) event->accept();
    else QDialog::keyPressEvent(event);
}

void CancellableProgress::closeEvent(QCloseEvent* event) {
    // The loop that owns the window closes it; a request from the user asks it to stop.
    cancelled_ = true;
    event->ignore();
}

AddProgressWindow::AddProgressWindow(QWidget* owner) : CancellableProgress(owner) {
    AddLine(text_, bar_);
}

void AddProgressWindow::SetText(const QString& text) { SetLineText(text_, text); }

void AddProgressWindow::SetRange(int count) {
    bar_->setRange(0, count);
    bar_->setValue(0);
}

void AddProgressWindow::Step() { bar_->setValue(bar_->value() + 1); }

ProgressWindow::ProgressWindow(QWidget* owner) : CancellableProgress(owner) {
    AddLine(fileText_, fileBar_);
    AddLine(batchText_, batchBar_);
}

void ProgressWindow::SetFileText(const QString& text) { SetLineText(fileText_, text); }

void ProgressWindow::SetBatchText(const QString& text) { SetLineText(batchText_, text); }

void ProgressWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && windowHandle() && windowHandle()->startSystemMove()) {
        event->accept();
        return;
    }
    CancellableProgress::mousePressEvent(event);
}

}  // namespace tonewright
