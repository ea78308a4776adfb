#include "app/tab_page_view.h"

#include <QPushButton>
#include <QVBoxLayout>

TabPageView::TabPageView(std::function<void()> onSend, QWidget* parent) : QWidget(parent) {
    if (!onSend)
        return;
    send_ = new QPushButton(QStringLiteral("Send"), this);
    send_->setObjectName(QStringLiteral("sendButton"));
    connect(send_, &QPushButton::clicked, this, std::move(onSend));
    auto* column = new QVBoxLayout(this);
    column->addStretch();
    column->addWidget(send_, 0, Qt::AlignRight);
}

void TabPageView::EnableControls(bool enabled) {
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setEnabled(enabled);
}
