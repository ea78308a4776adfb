#pragma once
// The main view's project and device files, the project header and the
// installation report: the jobs in storage/ do the file and bus work; this
// decides between transfer and offline display and updates the view. It
// owns the name of the project opened last, for the report.

#include "app/view_core.h"

class ConnectionFlow;
class LineCheckFlow;
class TabFlow;
struct FileFlowContext;
struct InstallationReport;

class ProjectFiles {
public:
    ProjectFiles(ViewCore& core, ConnectionFlow& connection, TabFlow& tabs, LineCheckFlow& lineCheck)
        : core_(core), connection_(connection), tabs_(tabs), lineCheck_(lineCheck) {}

    void NewProject();
    // The project is gone (a new one, or closed by connecting): its file name
    // and its last line check are forgotten.
    void Forget();
    void SaveProject();
    // Reads a chosen project file, then shows it offline or transfers it to
    // the bus (scanning first, when asked, if the bus was not scanned).
    void OpenProject();
    // Disconnects and shows the loaded project, read-only.
    void ShowProjectOffline();
    void SaveDeviceFile();
    void LoadDeviceFile();
    // "Projektangaben": the header of the project in the store, edited in
    // its dialog; a changed header is a change to save. Nothing is sent.
    void EditProjectHeader();
    // "Bericht erstellen…" and "Als CSV exportieren…": the records as they
    // stand, into a PDF or a CSV file the user names; nothing is sent, but
    // when present gear were never read the user may have them read first.
    void CreateReport();
    void ExportGearTable();
    InstallationReport Report() const;
    FileFlowContext FileFlows();
    // The project file opened or saved last, with its folder; empty: none.
    const QString& projectPath() const { return projectPath_; }

private:
    void offerReadingFirst();

    ViewCore& core_;
    ConnectionFlow& connection_;
    TabFlow& tabs_;
    LineCheckFlow& lineCheck_;
    // The project opened or saved last: its name goes into the report, and
    // its emergency logbook lies beside it.
    QString projectPath_;
};
