#pragma once
// The whole main window on a simulated bus: a scenario installed as the kit's
// backend, a config.ini of the test's own in a temporary folder (the language
// modules come from the build), questions answered by ScriptedPrompts, the
// program's wait dialog.

#include "app/main_frame.h"
#include "app/main_view.h"
#include "kit/sim_backend.h"
#include "tests/support/scripted_prompts.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <memory>
#include <set>
#include <string>
#include <vector>

// One 0x1501 interface, serial 0000E001, on virtual time, with gear at 3
// (group 2), 12 (groups 2 and 5) and 40 (group 5).
extern const char* const kThreeGearScenario;

class MainWindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // config.ini of the test (UTF-8 text).
    void WriteConfig(int autoConnect, int autoLocate, const QString& lang = QStringLiteral("de-DE"));
    void UseScenario(const std::string& json);
    // Builds the frame; InitialUpdate is the test's (after scripting answers).
    CMainFrame& Create(const QString& programFolder = QString());
    // Builds the frame and runs InitialUpdate; with autoConnect the search
    // question gets searchAnswer.
    CMainFrame& Start(int autoConnect, int searchAnswer = kDialogOk, int autoLocate = 0);

    MainView& view() { return frame->view().mainView(); }
    QString PaneText(int pane) const;
    // The commands whose menu entry or toolbar button is enabled now.
    std::set<CommandId> EnabledMenuEntries() const;
    std::set<CommandId> EnabledToolbarButtons() const;
    void Trigger(CommandId id);

    // Forward frames on the bus since the last call, as "FE57" texts.
    std::vector<std::string> TakeForwardFrames();

    QTemporaryDir configFolder;
    std::shared_ptr<kit::SimBackend> backend;
    std::unique_ptr<CMainFrame> frame;
    ScriptedPrompts* prompts = nullptr;  // owned by the view

private:
    size_t framesSeen_ = 0;
};
