#include "devices/confirm_dlg.h"

#include "devices/dialog_layout.h"
#include "devices/prompts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kTextFieldWidth = 360;  // the width the message wraps within
constexpr int kGapBelowText = 30;
constexpr int kCheckBoxLeft = 10;
constexpr int kCheckBoxAboveBottom = 30;

}  // namespace

CConfirmDlg::CConfirmDlg(QWidget* centreOver)
    : text_(new QLabel(this)),
      ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)),
      dontAsk_(new QCheckBox(this)),
      centreOver_(centreOver) {
    setModal(true);
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    dontAsk_->setObjectName(QStringLiteral("dontAskBox"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &CConfirmDlg::AcceptOk);
    connect(cancel_, &QPushButton::clicked, this, &CConfirmDlg::reject);
    SetTexts(QStringLiteral("Dialog"), QStringLiteral("Hello World!"), QStringLiteral("OKAY"), QStringLiteral("Cancel"),
             QStringLiteral("Ignore"));
}

void CConfirmDlg::SetTexts(const QString& title, const QString& text, const QString& okCaption,
                           const QString& cancelCaption, const QString& dontAskCaption) {
    setWindowTitle(title);
    text_->setText(text);
    ok_->setText(okCaption);
    cancel_->setText(cancelCaption);
    dontAsk_->setText(dontAskCaption);
    Layout();
}

void CConfirmDlg::Layout() {
    const int half = kDialogFrame / 2;
    const QRect text = PlaceWrappedText(*text_, text_->text(), kTextFieldWidth, {half, half});
    const QSize okSize = ok_->sizeHint();
    const QSize cancelSize = cancel_->sizeHint();
    const QSize boxSize = dontAsk_->sizeHint();

    const int width = std::max({okSize.width() + cancelSize.width() + 2 * kDialogFrame, text.width() + kDialogFrame,
                                boxSize.width() + 2 * kCheckBoxLeft});
    const int centre = width / 2;
    const int buttonTop = text.bottom() + 1 + kGapBelowText;
    ok_->setGeometry(centre - half - okSize.width(), buttonTop, okSize.width(), okSize.height());
    cancel_->setGeometry(centre + half, buttonTop, cancelSize.width(), cancelSize.height());

    int height =
        buttonTop + std::max(okSize.height(), cancelSize.height()) + 2 * boxSize.height() + kCheckBoxAboveBottom;
    dontAsk_->setGeometry(kCheckBoxLeft, height - kCheckBoxAboveBottom, boxSize.width(), boxSize.height());
    const bool withBox = !dontAsk_->text().isEmpty();
    dontAsk_->setVisible(withBox);
    if (!withBox)
        height -= 2 * boxSize.height();
    setFixedSize(width, height);
}

void CConfirmDlg::AcceptOk() {
    dontAskAgain_ = dontAsk_->isVisibleTo(this) && dontAsk_->isChecked();
    done(kDialogOk);
}

void CConfirmDlg::reject() { done(kDialogCancel); }

void CConfirmDlg::showEvent(QShowEvent* event) {
    if (centreOver_)
        move(centreOver_->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
