#include "addressing/address_dlg.h"

#include "devices/prompts.h"
#include "storage/load_text.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr StringId kTitle = 427, kIntroduction = 428, kModeLabel = 429, kNewAddressing = 430, kAddGear = 431,
                   kStart = 432, kPhysicalSelection = 433, kVisualConfirmation = 434, kProgressLabel = 435,
                   kCancel = 181;

}  // namespace

CAddressDlg::CAddressDlg(addressing::AddressingAssistant& assistant, const QString& languageModulePath,
                         QWidget* owner)
    : QDialog(owner), assistant_(assistant) {
    const auto text = [&languageModulePath](StringId id) { return LoadText(id, languageModulePath); };
    setModal(true);
    setWindowTitle(text(kTitle));

    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("mode"));
    mode_->addItems({text(kNewAddressing), text(kAddGear)});
    mode_->setCurrentIndex(0);
    start_ = new QPushButton(text(kStart), this);
    start_->setObjectName(QStringLiteral("start"));
    physicalSelection_ = new QCheckBox(text(kPhysicalSelection), this);
    physicalSelection_->setObjectName(QStringLiteral("physicalSelection"));
    visualConfirmation_ = new QCheckBox(text(kVisualConfirmation), this);
    visualConfirmation_->setObjectName(QStringLiteral("visualConfirmation"));
    progress_ = new QListWidget(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    progress_->setMinimumSize(360, 180);
    cancel_ = new QPushButton(text(kCancel), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    cancel_->setAutoDefault(false);
    start_->setAutoDefault(false);

    auto* introduction = new QLabel(text(kIntroduction), this);
    introduction->setWordWrap(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(introduction, 0, 0, 1, 3);
    grid->addWidget(new QLabel(text(kModeLabel), this), 1, 0);
    grid->addWidget(mode_, 1, 1);
    grid->addWidget(start_, 1, 2);
    grid->addWidget(physicalSelection_, 2, 0, 1, 3);
    grid->addWidget(visualConfirmation_, 3, 0, 1, 3);
    grid->addWidget(new QLabel(text(kProgressLabel), this), 4, 0, 1, 3);
    grid->addWidget(progress_, 5, 0, 1, 3);
    grid->addWidget(cancel_, 6, 2);
    grid->setColumnStretch(1, 1);

    connect(start_, &QPushButton::clicked, this, &CAddressDlg::StartClicked);
    connect(cancel_, &QPushButton::clicked, this, &CAddressDlg::CancelClicked);
    assistant_.SetSurface(this);
}

CAddressDlg::~CAddressDlg() { assistant_.SetSurface(nullptr); }

void CAddressDlg::AppendProgressLine(const QString& line) {
    progress_->addItem(line);
    progress_->setCurrentRow(progress_->count() - 1);
}

void CAddressDlg::DisableRunControls() {
    for (QWidget* control : std::initializer_list<QWidget*>{mode_, start_, physicalSelection_, visualConfirmation_})
        control->setEnabled(false);
}

void CAddressDlg::DisableCancel() { cancel_->setEnabled(false); }

void CAddressDlg::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void CAddressDlg::StartClicked() {
    const addressing::AssistantChoice choice{addressing::AddressingMode(mode_->currentIndex()),
                                             physicalSelection_->isChecked(), visualConfirmation_->isChecked()};
    if (assistant_.Start(choice))
        done(kDialogOk);
}

void CAddressDlg::CancelClicked() {
    if (assistant_.Cancel())
        done(kDialogCancel);
}

void CAddressDlg::reject() {
    if (assistant_.started() == 0)
        done(kDialogCancel);
}
