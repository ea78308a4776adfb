#include "app/info_view.h"

#include "devices/tab_actions.h"
#include "storage/device_lines.h"
#include "storage/load_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr StringId kLabelHeader = 269, kValueHeader = 270, kNameLabel = 453;
constexpr int kLabelWidth = 200, kValueWidth = 100;
}  // namespace

CInfoView::CInfoView(TabActions& actions, QWidget* parent)
    : QWidget(parent), actions_(actions), nameLabel_(new QLabel(this)), name_(new QLineEdit(this)), list_(new QTableWidget(0, 2, this)) {
    name_->setObjectName(QStringLiteral("nameField"));
    name_->setMaxLength(int(kMaxProjectTextLength));
    name_->setEnabled(false);
    connect(name_, &QLineEdit::editingFinished, this, [this] { KeepEditedName(); });
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
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel_);
    nameRow->addWidget(name_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(list_);
}

void CInfoView::KeepEditedName() {
    const bool edited = name_->isEnabled() && name_->isModified() && address_ >= 0;
    name_->setModified(false);  // before the main view shows the name again
    if (edited)
        actions_.NameEdited(address_, name_->text());
}

void CInfoView::ShowName(int address, const QString& name, bool editable) {
    KeepEditedName();
    address_ = address;
    name_->setText(name);
    name_->setModified(false);
    name_->setEnabled(editable);
}

void CInfoView::ShowInfo(const std::vector<InfoRow>& rows) {
    list_->setRowCount(0);
    list_->setRowCount(int(rows.size()));
    // Texts wider than their column (a luminaire's identification, a long
    // label) are whole in their tool tips.
    for (int r = 0; r < int(rows.size()); ++r)
        for (const auto& [column, text] : {std::pair{0, rows[size_t(r)].label}, std::pair{1, rows[size_t(r)].value}}) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text);
            list_->setItem(r, column, item);
        }
}

void CInfoView::ApplyLanguage(const QString& module) {
    list_->setHorizontalHeaderLabels({LoadText(kLabelHeader, module), LoadText(kValueHeader, module)});
    nameLabel_->setText(LoadText(kNameLabel, module));
}
