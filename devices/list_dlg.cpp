#include "devices/list_dlg.h"

#include "devices/prompts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kListWidth = 420;

}  // namespace

CListDlg::CListDlg(QWidget* parent)
    : QDialog(parent), text_(new QLabel(this)), list_(new QListWidget(this)), ok_(new QPushButton(this)),
      cancel_(new QPushButton(this)) {
    setModal(true);
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    list_->setObjectName(QStringLiteral("entryList"));
    list_->setMinimumWidth(kListWidth);
    ok_->setObjectName(QStringLiteral("okButton"));
    ok_->setDefault(true);
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(ok_, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel_, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(ok_, &QPushButton::clicked, this, &CListDlg::TakeChosen);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] {
        if (picking_)
            TakeChosen();
    });
}

void CListDlg::SetRequest(const ListRequest& request) {
    setWindowTitle(request.title);
    text_->setText(request.text);
    ok_->setText(request.okCaption);
    cancel_->setText(request.cancelCaption);
    picking_ = !request.cancelCaption.isEmpty();
    cancel_->setVisible(picking_);
    list_->clear();
    list_->addItems(request.entries);
    list_->setSelectionMode(picking_ ? QAbstractItemView::SingleSelection : QAbstractItemView::NoSelection);
    if (picking_ && list_->count() > 0)
        list_->setCurrentRow(0);
}

void CListDlg::TakeChosen() {
    chosen_ = picking_ ? list_->currentRow() : 0;
    done(kDialogOk);
}
