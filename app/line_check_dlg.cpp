#include "app/line_check_dlg.h"

#include "app/line_check_flow.h"
#include "devices/line_check_text.h"
#include "storage/load_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr StringId kTitle = 460, kSelect = 474, kSend = 475, kReplace = 476, kExport = 448,
                   kClose = 156;
constexpr int kRowIndexRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kAddressColumn = 0, kProjectColumn = 4, kBusColumn = 5;

// Addresses and values sort as numbers, the texts as text.
class RowItem final : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, kSortRole), theirs = other.data(column, kSortRole);
        if (mine.isValid() && theirs.isValid())
            return mine.toInt() < theirs.toInt();
        return text(column).localeAwareCompare(other.text(column)) < 0;
    }
};

}  // namespace

CLineCheckDlg::CLineCheckDlg(LineCheckActions& actions, QWidget* parent) : QDialog(parent), actions_(actions) {
    const QString& module = actions.languageModulePath;
    setWindowTitle(LoadText(kTitle, module));
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("lineCheckList"));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(LineCheckHeader(module));
    list_->setSortingEnabled(true);
    list_->sortByColumn(kAddressColumn, Qt::AscendingOrder);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    const auto button = [this, &module](StringId text, const char* name) {
        auto* b = new QPushButton(LoadText(text, module), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    select_ = button(kSelect, "selectGear");
    send_ = button(kSend, "sendProjectValues");
    replace_ = button(kReplace, "startReplacement");
    auto* exportCsv = button(kExport, "exportCsv");
    auto* close = button(kClose, "close");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {select_, send_, replace_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exportCsv);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { EnableActions(); });
    connect(select_, &QPushButton::clicked, this, [this] {
        if (const LineCheckRow* row = CurrentRow())
            actions_.select(*row);
    });
    connect(send_, &QPushButton::clicked, this, [this] {
        if (const LineCheckRow* row = CurrentRow()) {
            actions_.sendProjectValues(LineCheckRow(*row));
            Fill();
        }
    });
    connect(replace_, &QPushButton::clicked, this, [this] {
        if (const LineCheckRow* row = CurrentRow()) {
            actions_.replaceAddress = row->address;
            accept();
        }
    });
    connect(exportCsv, &QPushButton::clicked, this, [this] { actions_.exportCsv(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    Fill();
    resize(760, 420);
}

void CLineCheckDlg::Fill() {
    const QString& module = actions_.languageModulePath;
    const QString summary = LineCheckSummary(actions_.result, module);
    summary_->setText(summary);
    summary_->setVisible(!summary.isEmpty());
    list_->setSortingEnabled(false);
    list_->clear();
    const auto& rows = actions_.result.rows;
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* item = new RowItem(list_, LineCheckCells(rows[i], module));
        item->setData(0, kRowIndexRole, int(i));
        item->setData(kAddressColumn, kSortRole, rows[i].address);
        if (rows[i].projectValue != kLineCheckNoValue)
            item->setData(kProjectColumn, kSortRole, rows[i].projectValue);
        if (rows[i].busValue != kLineCheckNoValue)
            item->setData(kBusColumn, kSortRole, rows[i].busValue);
    }
    list_->setSortingEnabled(true);
    EnableActions();
}

const LineCheckRow* CLineCheckDlg::CurrentRow() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return nullptr;
    const int index = item->data(0, kRowIndexRole).toInt();
    const auto& rows = actions_.result.rows;
    return index >= 0 && size_t(index) < rows.size() ? &rows[size_t(index)] : nullptr;
}

void CLineCheckDlg::EnableActions() {
    const LineCheckRow* row = CurrentRow();
    select_->setEnabled(row && actions_.canSelect(*row));
    send_->setEnabled(row && actions_.canSend(*row));
    replace_->setEnabled(row && actions_.canReplace(*row));
}
