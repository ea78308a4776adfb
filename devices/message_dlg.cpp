#include "devices/message_dlg.h"

#include "devices/dialog_layout.h"
#include "devices/prompts.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kTextFieldWidth = 360;  // the width the message wraps within
constexpr int kGapBelowText = 30;

}  // namespace

CMessageDlg::CMessageDlg(QWidget* parent) : QDialog(parent), text_(new QLabel(this)), button_(new QPushButton(this)) {
    setModal(true);
    button_->setObjectName(QStringLiteral("okButton"));
    button_->setDefault(true);
    connect(button_, &QPushButton::clicked, this, [this] { done(kDialogOk); });
    Layout();
}

void CMessageDlg::SetTexts(const QString& title, const QString& text, const QString& buttonCaption) {
    setWindowTitle(title);
    text_->setText(text);
    button_->setText(buttonCaption);
    Layout();
}

void CMessageDlg::Layout() {
    const int half = kDialogFrame / 2;
    const QRect text = PlaceWrappedText(*text_, text_->text(), kTextFieldWidth, {half, half});
    const QSize buttonSize = button_->sizeHint();
    const int width = std::max(buttonSize.width() + 2 * kDialogFrame, text.width() + kDialogFrame);
    const int buttonTop = text.bottom() + 1 + kGapBelowText;
    button_->setGeometry((width - buttonSize.width()) / 2, buttonTop, buttonSize.width(), buttonSize.height());
    setFixedSize(width, buttonTop + buttonSize.height() + kGapBelowText);
}
