#include "app/emergency_logbook_dlg.h"

#include "app/emergency_logbook_actions.h"
#include "storage/load_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr StringId kTitle = 600, kSummary = 676, kExportCsv = 677, kPrintPdf = 678, kClose = 679;
}  // namespace

CEmergencyLogbookDlg::CEmergencyLogbookDlg(EmergencyLogbookActions& actions, QWidget* parent)
    : QDialog(parent), list_(new QTableWidget(this)) {
    const QString& module = actions.languageModulePath();
    const EmergencyLogbook& logbook = actions.logbook();
    setWindowTitle(LoadText(kTitle, module));

    const QStringList header = EmergencyLogbookHeader(module);
    list_->setObjectName(QStringLiteral("entries"));
    list_->setColumnCount(int(header.size()));
    list_->setHorizontalHeaderLabels(header);
    list_->setRowCount(int(logbook.entries.size()));
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->verticalHeader()->hide();
    for (int row = 0; row < list_->rowCount(); ++row) {
        const QStringList cells = EmergencyLogbookRow(logbook.entries[size_t(row)], module);
        for (int column = 0; column < cells.size(); ++column)
            list_->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    list_->resizeColumnsToContents();
    list_->horizontalHeader()->setStretchLastSection(true);

    auto* summary = new QLabel(LoadText(kSummary, module).arg(logbook.entries.size()).arg(logbook.skippedLines), this);
    summary->setObjectName(QStringLiteral("summary"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* csv = buttons->addButton(LoadText(kExportCsv, module), QDialogButtonBox::ActionRole);
    csv->setObjectName(QStringLiteral("exportCsv"));
    connect(csv, &QPushButton::clicked, this, [&actions] { actions.ExportCsv(); });
    QPushButton* pdf = buttons->addButton(LoadText(kPrintPdf, module), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("printPdf"));
    connect(pdf, &QPushButton::clicked, this, [&actions] { actions.PrintPdf(); });
    QPushButton* close = buttons->addButton(LoadText(kClose, module), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(summary);
    layout->addWidget(buttons);
    resize(760, 420);
}
