#include "tests/app/main_window_fixture.h"

#include "kit/kit_backend.h"
#include "sim/dali_bus.h"
#include "sim/scenario.h"

#include <QAction>
#include <QFile>
#include <QLabel>

const char* const kThreeGearScenario = R"({
  "timeScale": 0,
  "interfaces": [ { "serial": "0000E001", "bus": { "gear": [
    { "shortAddress": 3, "groups": [2] },
    { "shortAddress": 12, "groups": [2, 5] },
    { "shortAddress": 40, "groups": [5] } ] } } ]
})";

void MainWindowTest::TearDown() {
    frame.reset();
    kit::installBackend(nullptr);
}

void MainWindowTest::WriteConfig(int autoConnect, int autoLocate, const QString& lang) {
    QFile file(configFolder.filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[config]\nlang=%1\nauto_connect=%2\nauto_locate=%3\nadr_switch_ask=1\n")
                   .arg(lang)
                   .arg(autoConnect)
                   .arg(autoLocate)
                   .toUtf8());
}

void MainWindowTest::UseScenario(const std::string& json) {
    std::string error;
    const auto scenario = sim::parseScenario(json, "test", error);
    ASSERT_TRUE(scenario) << error;
    backend = kit::buildSimulatedBackend(*scenario);
    kit::installBackend(backend);
}

CMainFrame& MainWindowTest::Create(const QString& programFolder) {
    ViewDialogs dialogs;
    dialogs.makePrompts = [this](Settings& settings, QWidget*) {
        auto scripted = std::make_unique<ScriptedPrompts>(settings);
        prompts = scripted.get();
        return scripted;
    };
    const QString folder = programFolder.isEmpty() ? QStringLiteral(KELVANE_PROGRAM_DIR) : programFolder;
    frame = std::make_unique<CMainFrame>(ProgramPaths{folder, configFolder.path()}, dialogs);
    return *frame;
}

CMainFrame& MainWindowTest::Start(int autoConnect, int searchAnswer, int autoLocate) {
    if (!backend)
        UseScenario(kThreeGearScenario);
    WriteConfig(autoConnect, autoLocate);
    Create();
    if (autoConnect == 1)
        prompts->Answer(searchAnswer);
    frame->InitialUpdate();
    EXPECT_EQ(prompts->pendingAnswers(), 0u);
    TakeForwardFrames();
    return *frame;
}

QString MainWindowTest::PaneText(int pane) const { return frame->pane(pane)->text(); }

std::set<CommandId> MainWindowTest::EnabledMenuEntries() const {
    std::set<CommandId> enabled;
    for (const CommandInfo& command : CommandTable())
        if (command.menu != Menu::None && frame->commandAction(command.id)->isEnabled())
            enabled.insert(command.id);
    return enabled;
}

std::set<CommandId> MainWindowTest::EnabledToolbarButtons() const {
    std::set<CommandId> enabled;
    for (const CommandInfo& command : CommandTable())
        if (command.toolbarPosition != 0 && frame->commandAction(command.id)->isEnabled())
            enabled.insert(command.id);
    return enabled;
}

void MainWindowTest::Trigger(CommandId id) {
    QAction* action = frame->commandAction(id);
    ASSERT_TRUE(action);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
}

std::vector<std::string> MainWindowTest::TakeForwardFrames() {
    std::vector<std::string> texts;
    const auto log = backend->bus(0)->frameLog();
    for (size_t i = framesSeen_; i < log.size(); ++i)
        if (log[i].kind == sim::FrameKind::Forward)
            texts.push_back(QString::asprintf("%04X", unsigned(log[i].data)).toStdString());
    framesSeen_ = log.size();
    return texts;
}
