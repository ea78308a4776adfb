#pragma once
// What the main view's flows need from the window that shows them. The widget
// CKelvaneView implements it; tests record the calls. Everything here only
// shows state: decisions stay in MainView.

#include "addressing/matrix_model.h"

namespace addressing {
class AddressingAssistant;
}
struct ManagerContext;
struct InstallationReport;
struct LineCheckActions;
struct EmergencyRunChoice;
class EmergencyLogbookActions;
class MemoryBankActions;
struct ProjectHeader;

class ViewSurface {
public:
    virtual ~ViewSurface() = default;

    virtual void ShowSplash() = 0;
    virtual void HideSplash() = 0;
    virtual void ShowMainWindow() = 0;

    // The matrix control's client rectangle, for the model's Layout.
    virtual CellRect MatrixClientRect() const = 0;
    // Repaints the matrix from the model now.
    virtual void RepaintMatrix() = 0;
    // Lets pending window events run (repaints, clicks on a cancel button).
    virtual void ProcessPendingEvents() = 0;

    // The status panes or the command enable flags changed: show them.
    virtual void StatusChanged() = 0;
    virtual void CommandsChanged() = 0;

    // Relabels menus, panel, tabs and status-bar tips from the language module.
    virtual void ApplyLanguage(const QString& languageModulePath) = 0;

    // The device panel: the "Identify" check box, the group selector and all
    // its controls at once.
    virtual void SetIdentifyChecked(bool checked) = 0;
    virtual void EnableIdentifyBox(bool enabled) = 0;
    virtual void SelectGroupEntry(int entry) = 0;
    virtual void EnableDevicePanel(bool enabled) = 0;

    // Shows the addressing assistant's dialog modally for this assistant;
    // returns the dialog's result (1 after a run, 2 when cancelled before).
    virtual int RunAddressingDialog(addressing::AddressingAssistant& assistant) = 0;
    // Shows the group or scene manager modally on this context; the dialog's
    // result (kManagerClosed after "Schließen", else cancel).
    virtual int RunGroupDialog(const ManagerContext& context) = 0;
    virtual int RunSceneDialog(const ManagerContext& context) = 0;
    // Draws the report into a PDF file; false with `error` when it cannot be written.
    virtual bool WriteReportPdf(const QString& path, const InstallationReport& report, QString& error) = 0;
    // Shows the line check's list modally; its buttons call the actions.
    virtual void RunLineCheckDialog(LineCheckActions& actions) = 0;
    // "Projektangaben" modally over the window, starting from `header`; true
    // after OK with `header` as typed, false (and `header` untouched) after Cancel.
    virtual bool RunProjectHeaderDialog(ProjectHeader& header) = 0;
    // "Notlicht-Testlauf…" modally over the window: the test and the units;
    // true after "Start" with `choice` as picked, false after Cancel.
    virtual bool RunEmergencyRunDialog(EmergencyRunChoice& choice) = 0;
    // The emergency logbook's window, modally until it is closed.
    virtual void RunEmergencyLogbookDialog(EmergencyLogbookActions& actions) = 0;
    // "Speicherbänke…" modally over the window until it is closed; its buttons call the actions.
    virtual void RunMemoryBankDialog(MemoryBankActions& actions) = 0;
    // HTML laid out on pages into a PDF (the logbook's printout). False, with
    // `error` set, when the file cannot be written.
    virtual bool WriteHtmlPdf(const QString& path, const QString& title, const QString& html, QString& error) = 0;
};
