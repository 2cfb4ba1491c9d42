#include "app/progresswindow.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonewright {

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tonewright"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    fileText_ = new QLabel(this);
    fileBar_ = new QProgressBar(this);
    fileBar_->setTextVisible(false);
    batchText_ = new QLabel(this);
    batchBar_ = new QProgressBar(this);
    batchBar_->setTextVisible(false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { cancelled_ = true; });
    for (QWidget* w : std::initializer_list<QWidget*>{fileText_, fileBar_, batchText_, batchBar_, buttons})
        layout->addWidget(w);
    setMinimumWidth(420);
}

void ProgressWindow::SetFileText(const QString& text) { fileText_->setText(text); }

void ProgressWindow::SetBatchText(const QString& text) { batchText_->setText(text); }

void ProgressWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    QDialog::keyPressEvent(event);
}

void ProgressWindow::closeEvent(QCloseEvent* event) {
    cancelled_ = true;
    event->ignore();
}

}  // namespace tonewright
