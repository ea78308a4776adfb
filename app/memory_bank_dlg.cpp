#include "app/memory_bank_dlg.h"

#include "app/memory_bank_actions.h"
#include "storage/load_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr StringId kTitle = 871, kBank = 872, kLocation = 873, kValue = 171, kMeaning = 874, kRead = 287,
                   kWrite = 875, kClose = 679;
constexpr int kKnownBanks[] = {0, 1, 202, 203, 204, 205, 206, 207};

QSpinBox* hexBox(QWidget* parent, const char* name) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 255);
    box->setDisplayIntegerBase(16);
    box->setPrefix(QStringLiteral("0x"));
    return box;
}

}  // namespace

CMemoryBankDlg::CMemoryBankDlg(MemoryBankActions& actions, QWidget* parent)
    : QDialog(parent), actions_(actions), bank_(new QComboBox(this)), table_(new QTableWidget(this)),
      location_(hexBox(this, "location")), value_(hexBox(this, "value")) {
    const QString& module = actions.languageModulePath();
    setWindowTitle(QStringLiteral("%1 – %2").arg(LoadText(kTitle, module)).arg(actions.address()));

    bank_->setObjectName(QStringLiteral("bank"));
    bank_->setEditable(true);
    bank_->setInsertPolicy(QComboBox::NoInsert);
    bank_->setValidator(new QIntValidator(0, 255, bank_));
    for (int bank : kKnownBanks)
        bank_->addItem(QString::number(bank));
    auto* read = new QPushButton(LoadText(kRead, module), this);
    read->setObjectName(QStringLiteral("read"));
    read->setDefault(true);
    connect(read, &QPushButton::clicked, this, &CMemoryBankDlg::read);

    table_->setObjectName(QStringLiteral("locations"));
    table_->setColumnCount(3);
    table_->setHorizontalHeaderLabels({LoadText(kLocation, module), LoadText(kValue, module), LoadText(kMeaning, module)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // A picked row is the location to write.
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            location_->setValue(row);
    });

    write_ = new QPushButton(LoadText(kWrite, module), this);
    write_->setObjectName(QStringLiteral("write"));
    write_->setEnabled(false);
    connect(write_, &QPushButton::clicked, this, &CMemoryBankDlg::write);

    auto* picker = new QHBoxLayout;
    picker->addWidget(new QLabel(LoadText(kBank, module), this));
    picker->addWidget(bank_, 1);
    picker->addWidget(read);
    auto* writing = new QHBoxLayout;
    writing->addWidget(new QLabel(LoadText(kLocation, module), this));
    writing->addWidget(location_);
    writing->addWidget(new QLabel(LoadText(kValue, module), this));
    writing->addWidget(value_);
    writing->addWidget(write_);
    writing->addStretch(1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(LoadText(kClose, module), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(picker);
    layout->addWidget(table_, 1);
    layout->addLayout(writing);
    layout->addWidget(buttons);
    resize(620, 480);
}

void CMemoryBankDlg::read() {
    bool number = false;
    const int bank = bank_->currentText().toInt(&number);
    if (!number || bank < 0 || bank > 255)
        return;
    const std::vector<BankLocationRow> rows = actions_.Read(uint8_t(bank));
    table_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const BankLocationRow& shown = rows[size_t(row)];
        table_->setItem(row, 0, new QTableWidgetItem(shown.location));
        table_->setItem(row, 1, new QTableWidgetItem(shown.value));
        table_->setItem(row, 2, new QTableWidgetItem(shown.meaning));
    }
    table_->resizeColumnsToContents();
    shownBank_ = rows.empty() ? std::nullopt : std::optional<uint8_t>(uint8_t(bank));
    write_->setEnabled(shownBank_.has_value());
}

void CMemoryBankDlg::write() {
    if (!shownBank_)
        return;
    const int location = location_->value();
    const std::optional<uint8_t> readBack = actions_.Write(*shownBank_, uint8_t(location), uint8_t(value_->value()));
    if (readBack && location < table_->rowCount())
        table_->item(location, 1)->setText(QStringLiteral("0x") +
                                           QStringLiteral("%1").arg(*readBack, 2, 16, QLatin1Char('0')).toUpper());
}
