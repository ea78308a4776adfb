#pragma once
// What the project and device file flows work with: the store (whose link
// reaches the gear), the questions and file choosers, the wait dialog.

#include <QString>

#include <functional>

class DeviceStore;
class Prompts;
class WaitDialog;

struct FileFlowContext {
    DeviceStore& store;
    Prompts& prompts;
    WaitDialog& waitDialog;
    const QString& languageModulePath;
    std::function<void()> processPendingEvents;
};

// Asks for the file to export into (a save dialog for this extension) and
// writes it; a file that cannot be written is reported.
void ExportInto(Prompts& prompts, const QString& extension, const QString& description,
                const std::function<bool(const QString& path)>& write);

// The chooser's path; a name to save under gets the default extension when it has none.
QString ChooseFileWithExtension(FileFlowContext& c, bool save, const QString& extension, const QString& filter);
