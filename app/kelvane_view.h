#pragma once
// The main view's window: the device panel with the device matrix, the
// identify check box, the group selector, the selection buttons and the tab
// host. It owns the MainView and everything the MainView works with, renders
// its state (ViewSurface) and forwards the user's clicks to it.

#include "app/command_table.h"
#include "app/view_surface.h"
#include "storage/program_paths.h"
#include "storage/settings.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class CMatrix;
class CPlanPanel;
class CTabViews;
class MainView;
class Prompts;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class SPLASH;
class WaitDialog;

// How the view asks questions and shows long jobs. Empty factories give the
// program's dialogs (DialogPrompts, CWaitDlg); tests pass scripted ones.
struct ViewDialogs {
    std::function<std::unique_ptr<Prompts>(Settings& settings, QWidget* mainWindow)> makePrompts;
    std::function<std::unique_ptr<WaitDialog>(QWidget* owner)> makeWaitDialog;
};

class CKelvaneView final : public QWidget, public ViewSurface {
    Q_OBJECT

public:
    // The view's window should be its parent (the main frame) already: the
    // dialogs are centred over it.
    CKelvaneView(const ProgramPaths& paths, ViewDialogs dialogs = {}, QWidget* parent = nullptr);
    ~CKelvaneView() override;

    MainView& mainView() { return *mainView_; }
    Prompts& prompts() { return *prompts_; }
    CMatrix& matrixWidget() { return *matrix_; }
    CTabViews& tabViews() { return *tabs_; }
    CPlanPanel& planPanel() { return *planPanel_; }

    // Runs a command of the menu or toolbar (all but leaving the program).
    void RunCommand(CommandAction action);
    // "Einstellungen": the settings dialog; after OK the settings and the
    // language are loaded again.
    void OpenSettings();
    // "Bus Test": the bus test dialog on the view's link.
    void OpenBusTest();

    // True while a command runs or any job shows a wait dialog (the view's or
    // a tab's): both let window events run between their bus transactions.
    bool busy() const;

    // ViewSurface
    void ShowSplash() override;
    void HideSplash() override;
    void ShowMainWindow() override;
    CellRect MatrixClientRect() const override;
    void RepaintMatrix() override;
    void ProcessPendingEvents() override;
    void StatusChanged() override { Q_EMIT statusChanged(); }
    void CommandsChanged() override { Q_EMIT commandsChanged(); }
    void ApplyLanguage(const QString& languageModulePath) override;
    void SetIdentifyChecked(bool checked) override;
    void EnableIdentifyBox(bool enabled) override;
    void SelectGroupEntry(int entry) override;
    void EnableDevicePanel(bool enabled) override;
    int RunAddressingDialog(addressing::AddressingAssistant& assistant) override;
    int RunGroupDialog(const ManagerContext& context) override;
    int RunSceneDialog(const ManagerContext& context) override;
    bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error) override;
    void RunLineCheckDialog(LineCheckActions& actions) override;
    bool RunProjectHeaderDialog(ProjectHeader& header) override;
    bool RunEmergencyRunDialog(EmergencyRunChoice& choice) override;
    void RunEmergencyLogbookDialog(EmergencyLogbookActions& actions) override;
    void RunMemoryBankDialog(MemoryBankActions& actions) override;
    bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error) override;

Q_SIGNALS:
    // The frame renders the status bar, the enable states and its own texts.
    void statusChanged();
    void commandsChanged();
    void languageApplied(const QString& languageModulePath);
    // The plan was shown or hidden: the frame fits itself around the view.
    void layoutChanged();

private:
    void BuildPanel();
    void BuildPlanPanel();
    void ShowPlanPanel(bool shown);

    ProgramPaths paths_;
    Settings settings_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<WaitDialog> waitDialog_;
    int commandsRunning_ = 0;
    CTabViews* tabs_ = nullptr;
    std::unique_ptr<MainView> mainView_;

    CMatrix* matrix_ = nullptr;
    CPlanPanel* planPanel_ = nullptr;
    QCheckBox* planShown_ = nullptr;
    bool hadPlans_ = false;  // the store held plans at the last repaint
    QGroupBox* devicesBox_ = nullptr;
    QCheckBox* identify_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    QComboBox* groupSelector_ = nullptr;
    QPushButton* selectGroup_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    QPushButton* deselectAll_ = nullptr;
    SPLASH* splash_ = nullptr;
};
