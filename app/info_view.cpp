#include "app/info_view.h"

#include "storage/load_text.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr StringId kLabelHeader = 269, kValueHeader = 270;
constexpr int kLabelWidth = 200, kValueWidth = 100;
}  // namespace

CInfoView::CInfoView(QWidget* parent) : QWidget(parent), list_(new QTableWidget(0, 2, this)) {
    list_->setObjectName(QStringLiteral("infoList"));
    list_->setHorizontalHeaderLabels({QStringLiteral("Dummy"), QStringLiteral("Dummy")});
    list_->setColumnWidth(0, kLabelWidth);
    list_->setColumnWidth(1, kValueWidth);
    list_->setShowGrid(true);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 6);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
}

void CInfoView::ShowInfo(const std::vector<InfoRow>& rows) {
    list_->setRowCount(0);
    list_->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        list_->setItem(r, 0, new QTableWidgetItem(rows[size_t(r)].label));
        list_->setItem(r, 1, new QTableWidgetItem(rows[size_t(r)].value));
    }
}

void CInfoView::ApplyLanguage(const QString& module) {
    list_->setHorizontalHeaderLabels({LoadText(kLabelHeader, module), LoadText(kValueHeader, module)});
}
