#include "devices/wait_dlg.h"

#include "devices/dialog_layout.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kMinimumContentWidth = 400;

}  // namespace

CWaitDlg::CWaitDlg(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      message_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      progressText_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setModal(false);
    message_->setObjectName(QStringLiteral("message"));
    bar_->setObjectName(QStringLiteral("progressBar"));
    progressText_->setObjectName(QStringLiteral("progressText"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] { state_ = kCancelRequested; });
    Layout();
}

CWaitDlg::~CWaitDlg() { SetBusyCursor(false); }

void CWaitDlg::Show(const WaitDialogRequest& request) {
    bar_->setVisible(request.showProgress == 1);
    if (request.showProgress == 1) {
        bar_->setRange(0, request.steps);
        bar_->setValue(0);
    }
    cancel_->setVisible(request.showCancel != 0);
    if (request.showCancel != 0)
        cancel_->setText(request.cancelCaption);
    state_ = kRunning;
    setWindowTitle(request.title);
    message_->setText(request.text);
    progressText_->clear();
    Layout();
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
    show();
    repaint();
    SetBusyCursor(true);
}

void CWaitDlg::SetProgressText(const QString& text) {
    progressText_->setText(text);
    Layout();
}

void CWaitDlg::Step() { bar_->setValue(std::min(bar_->value() + 1, bar_->maximum())); }

void CWaitDlg::Hide() {
    SetBusyCursor(false);
    hide();
}

void CWaitDlg::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void CWaitDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void CWaitDlg::closeEvent(QCloseEvent* event) { event->ignore(); }

void CWaitDlg::SetBusyCursor(bool busy) {
    if (busy == busyCursor_)
        return;
    busyCursor_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void CWaitDlg::Layout() {
    const int half = kDialogFrame / 2;
    int contentWidth = std::max(kMinimumContentWidth, bar_->sizeHint().width());

    // The message is centred at the top, the bar below it, the progress line
    // below that (a frame-sized gap while it is empty), the cancel button
    // centred at the bottom.
    QRect message = PlaceWrappedText(*message_, message_->text(), contentWidth, {half, half});
    contentWidth = std::max(contentWidth, message.width());
    message_->move(half + (contentWidth - message.width()) / 2, half);
    int y = half + message.height() + half;

    if (!bar_->isHidden()) {
        bar_->setGeometry(half, y, contentWidth, bar_->sizeHint().height());
        y += bar_->height() + half;
    }
    if (progressText_->text().isEmpty()) {
        progressText_->setGeometry(half, y, 0, 0);
        y += kDialogFrame;
    } else {
        const QRect line = PlaceWrappedText(*progressText_, progressText_->text(), contentWidth, {half, y});
        progressText_->move(half + (contentWidth - line.width()) / 2, y);
        y += line.height() + half;
    }
    if (!cancel_->isHidden()) {
        const QSize size = cancel_->sizeHint();
        cancel_->setGeometry(half + (contentWidth - size.width()) / 2, y, size.width(), size.height());
        y += size.height() + half;
    }
    setFixedSize(contentWidth + kDialogFrame, y + half);
}
