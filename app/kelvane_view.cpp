#include "app/kelvane_view.h"

#include "addressing/address_dlg.h"
#include "addressing/matrix_widget.h"
#include "app/emergency_logbook_dlg.h"
#include "app/emergency_run_dlg.h"
#include "app/info_view.h"
#include "app/line_check_dlg.h"
#include "app/main_view.h"
#include "app/memory_bank_dlg.h"
#include "app/plan_panel.h"
#include "addressing/plan_view.h"
#include "app/project_header_dlg.h"
#include "app/splash_window.h"
#include "app/tab_views.h"
#include "devices/dialog_prompts.h"
#include "devices/prompts.h"
#include "devices/wait_dlg.h"
#include "groups_scenes/group_dlg.h"
#include "groups_scenes/scene_dlg.h"
#include "storage/report_pdf.h"
#include "link/bustest_dlg.h"
#include "storage/load_text.h"
#include "storage/settings_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The matrix: 8 cells of 41 pixels and 7 gaps of 4, plus the outer pixel.
constexpr int kMatrixSide = 8 * 41 + 7 * 4 + 1;
constexpr QSize kTabHostMinimum(520, 470);
constexpr int kGroupEntries = 17;  // "None", "0" .. "15"

constexpr StringId kFrameText = 101, kGroupLabelText = 113, kSelectAllText = 115, kDeselectAllText = 116,
                   kIdentifyText = 274, kSelectText = 302, kPlanText = 850;

ViewDialogs WithProgramDialogs(ViewDialogs dialogs) {
    if (!dialogs.makePrompts)
        dialogs.makePrompts = [](Settings& settings, QWidget* mainWindow) {
            return std::make_unique<DialogPrompts>(settings, mainWindow);
        };
    if (!dialogs.makeWaitDialog)
        dialogs.makeWaitDialog = [](QWidget* owner) { return std::make_unique<CWaitDlg>(owner); };
    return dialogs;
}

template <typename Control>
Control* NewControl(const char* objectName, const char* caption, QWidget* parent) {
    auto* control = new Control(QString::fromLatin1(caption), parent);
    control->setObjectName(QLatin1String(objectName));
    return control;
}

// The bus dialogs block the main window only: other windows of the program,
// such as the simulated bus panel whose keys the assistant waits for, stay
// usable while they run.
int ExecOverMainWindow(QDialog& dialog) {
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

}  // namespace

CKelvaneView::CKelvaneView(const ProgramPaths& paths, ViewDialogs dialogs, QWidget* parent)
    : QWidget(parent), paths_(paths) {
    dialogs = WithProgramDialogs(std::move(dialogs));
    prompts_ = dialogs.makePrompts(settings_, window());
    waitDialog_ = dialogs.makeWaitDialog(this);
    // The main view builds the tabs once its tab flow exists.
    mainView_ = std::make_unique<MainView>(
        ViewServices{paths_, settings_, *prompts_, *waitDialog_, *this, [this](TabActions& actions) -> DeviceTabs& {
                         tabs_ = new CTabViews(actions, this);
                         return *tabs_;
                     }});
    BuildPanel();
}

CKelvaneView::~CKelvaneView() {
    // The tabs call the main view: they go first.
    delete tabs_;
    tabs_ = nullptr;
    // The matrix control and the plan show the main view's model: they go first.
    delete matrix_;
    matrix_ = nullptr;
    delete planPanel_;
    planPanel_ = nullptr;
}

void CKelvaneView::BuildPanel() {
    devicesBox_ = NewControl<QGroupBox>("devicesBox", "Devices", this);
    matrix_ = new CMatrix(mainView_->matrix(), devicesBox_);
    matrix_->setObjectName(QStringLiteral("matrix"));
    matrix_->setFixedSize(kMatrixSide, kMatrixSide);
    auto* boxLayout = new QVBoxLayout(devicesBox_);
    boxLayout->addWidget(matrix_);

    identify_ = NewControl<QCheckBox>("identifyBox", "Identify", this);
    groupLabel_ = NewControl<QLabel>("groupLabel", "Select group", this);
    groupSelector_ = new QComboBox(this);
    groupSelector_->setObjectName(QStringLiteral("groupSelector"));
    groupSelector_->addItem(QStringLiteral("None"));
    for (int group = 0; group < kGroupEntries - 1; ++group)
        groupSelector_->addItem(QString::number(group));
    selectGroup_ = NewControl<QPushButton>("selectButton", "Select", this);
    selectAll_ = NewControl<QPushButton>("selectAllButton", "Select ALL", this);
    deselectAll_ = NewControl<QPushButton>("deselectAllButton", "Deselect ALL", this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    tabs_->setMinimumSize(kTabHostMinimum);

    // The check box and the selector change the view only when the user
    // works them: clicked and activated, not toggled and currentIndexChanged.
    connect(identify_, &QCheckBox::clicked, this, [this] { mainView_->IdentifyClicked(); });
    connect(groupSelector_, &QComboBox::activated, this, [this](int entry) { mainView_->GroupEntryChanged(entry); });
    connect(selectGroup_, &QPushButton::clicked, this, [this] { mainView_->SelectGroup(); });
    connect(selectAll_, &QPushButton::clicked, this, [this] { mainView_->SelectAll(); });
    connect(deselectAll_, &QPushButton::clicked, this, [this] { mainView_->DeselectAll(); });

    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(groupLabel_);
    groupRow->addWidget(groupSelector_, 1);
    groupRow->addWidget(selectGroup_);
    auto* selectionRow = new QHBoxLayout;
    selectionRow->addWidget(selectAll_);
    selectionRow->addWidget(deselectAll_);
    // The plan takes room a laptop's screen may not have: it is there when asked for.
    planShown_ = NewControl<QCheckBox>("planShown", "Floor plan", this);
    connect(planShown_, &QCheckBox::toggled, this, &CKelvaneView::ShowPlanPanel);
    auto* checkRow = new QHBoxLayout;
    checkRow->addWidget(identify_);
    checkRow->addStretch();
    checkRow->addWidget(planShown_);
    auto* left = new QVBoxLayout;
    left->addWidget(devicesBox_);
    left->addLayout(checkRow);
    left->addLayout(groupRow);
    left->addLayout(selectionRow);
    left->addStretch();
    auto* panel = new QHBoxLayout(this);
    panel->addLayout(left);
    panel->addWidget(tabs_, 1);
    BuildPlanPanel();
    panel->addWidget(planPanel_, 1);
    planPanel_->hide();
}

void CKelvaneView::ShowPlanPanel(bool shown) {
    planPanel_->setVisible(shown);
    if (shown)
        planPanel_->Refresh();
    Q_EMIT layoutChanged();
}

// The plan beside the matrix: a cell let go on it places its gear there.
void CKelvaneView::BuildPlanPanel() {
    planPanel_ = new CPlanPanel(mainView_->store(), mainView_->matrix(), *prompts_,
                                [this] { return settings_.languageModulePath; }, this);
    CPlanView& plan = planPanel_->view();
    matrix_->dropOutside = [&plan](int cell, QPoint globalPos) { plan.DropGear(cell, globalPos); };
    plan.markerClicked = [this](int address, bool ctrl) { mainView_->PlanMarkerClicked(address, ctrl); };
    plan.markerHovered = [this](int address) { mainView_->PlanMarkerHovered(address); };
    plan.placesChanged = [this] { mainView_->projectDirty = 1; };
    // The markers show the cells' selection: they repaint with the matrix.
    MatrixModel& model = mainView_->matrix();
    model.repaintTarget = [matrixRepaint = model.repaintTarget, shown = QPointer<CPlanView>(&plan)] {
        if (matrixRepaint)
            matrixRepaint();
        if (shown)
            shown->update();
    };
}

bool CKelvaneView::busy() const { return commandsRunning_ > 0 || mainView_->runningJobs() > 0; }

void CKelvaneView::RunCommand(CommandAction action) {
    tabs_->infoView().KeepEditedName();
    ++commandsRunning_;
    switch (action) {
        case CommandAction::Settings:
            OpenSettings();
            break;
        case CommandAction::BusTest:
            OpenBusTest();
            break;
        default:
            mainView_->Execute(action);
            break;
    }
    --commandsRunning_;
}

void CKelvaneView::OpenSettings() {
    CSettingsDlg dialog(paths_, settings_.languageModulePath, *prompts_, window());
    if (dialog.exec() == kDialogOk)
        mainView_->ReloadSettingsAndLanguage();
}

void CKelvaneView::OpenBusTest() {
    BustestDlg dialog(mainView_->link(), settings_.languageModulePath, window());
    ExecOverMainWindow(dialog);
}

int CKelvaneView::RunAddressingDialog(addressing::AddressingAssistant& assistant) {
    CAddressDlg dialog(assistant, settings_.languageModulePath, window());
    return ExecOverMainWindow(dialog);
}

int CKelvaneView::RunGroupDialog(const ManagerContext& context) {
    CGroupDlg dialog(context, window());
    return ExecOverMainWindow(dialog);
}

int CKelvaneView::RunSceneDialog(const ManagerContext& context) {
    CSceneDlg dialog(context, window());
    return ExecOverMainWindow(dialog);
}

bool CKelvaneView::RunEmergencyRunDialog(EmergencyRunChoice& choice) {
    CEmergencyRunDlg dialog(choice, settings_.languageModulePath, window());
    return ExecOverMainWindow(dialog) == QDialog::Accepted;
}

void CKelvaneView::RunEmergencyLogbookDialog(EmergencyLogbookActions& actions) {
    CEmergencyLogbookDlg dialog(actions, window());
    ExecOverMainWindow(dialog);
}

bool CKelvaneView::WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error) {
    return ::WriteHtmlPdf(path, title, html, error);
}

bool CKelvaneView::RunProjectHeaderDialog(ProjectHeader& header) {
    CProjectHeaderDlg dialog(header, settings_.languageModulePath, window());
    if (ExecOverMainWindow(dialog) != QDialog::Accepted)
        return false;
    header = dialog.header();
    return true;
}

void CKelvaneView::RunMemoryBankDialog(MemoryBankActions& actions) {
    CMemoryBankDlg dialog(actions, window());
    ExecOverMainWindow(dialog);
}

void CKelvaneView::RunLineCheckDialog(LineCheckActions& actions) {
    CLineCheckDlg dialog(actions, window());
    ExecOverMainWindow(dialog);
}

bool CKelvaneView::WriteReportPdf(const QString& path, const InstallationReport& report, QString& error) {
    return ::WriteReportPdf(path, report, error);
}

void CKelvaneView::ShowSplash() {
    if (!splash_)
        splash_ = new SPLASH(this);
    splash_->ShowCentredOver(*this);
}

void CKelvaneView::HideSplash() {
    if (splash_)
        splash_->hide();
}

void CKelvaneView::ShowMainWindow() { window()->show(); }

CellRect CKelvaneView::MatrixClientRect() const { return {0, 0, matrix_->width(), matrix_->height()}; }

void CKelvaneView::RepaintMatrix() {
    matrix_->repaint();
    // A project that brings plans shows them.
    const bool hasPlans = !mainView_->store().floorPlans.isEmpty();
    if (hasPlans && !hadPlans_)
        planShown_->setChecked(true);
    hadPlans_ = hasPlans;
    planPanel_->Refresh();
}

void CKelvaneView::ProcessPendingEvents() { QCoreApplication::processEvents(); }

void CKelvaneView::ApplyLanguage(const QString& languageModulePath) {
    devicesBox_->setTitle(LoadText(kFrameText, languageModulePath));
    groupLabel_->setText(LoadText(kGroupLabelText, languageModulePath));
    selectAll_->setText(LoadText(kSelectAllText, languageModulePath));
    deselectAll_->setText(LoadText(kDeselectAllText, languageModulePath));
    identify_->setText(LoadText(kIdentifyText, languageModulePath));
    planShown_->setText(LoadText(kPlanText, languageModulePath));
    selectGroup_->setText(LoadText(kSelectText, languageModulePath));
    planPanel_->ApplyLanguage(languageModulePath);
    Q_EMIT languageApplied(languageModulePath);
}

void CKelvaneView::SetIdentifyChecked(bool checked) { identify_->setChecked(checked); }

void CKelvaneView::EnableIdentifyBox(bool enabled) { identify_->setEnabled(enabled); }

void CKelvaneView::SelectGroupEntry(int entry) { groupSelector_->setCurrentIndex(entry); }

void CKelvaneView::EnableDevicePanel(bool enabled) {
    // Every control of the panel: the view's own child widgets that are not
    // windows of their own (the splash and the wait dialog are).
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow())
            control->setEnabled(enabled);
}
