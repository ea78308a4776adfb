#include "tests/support/headless_view.h"

#include "kit/kit_backend.h"
#include "sim/scenario.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdio>

HeadlessView::HeadlessView(const std::string& scenarioJson) {
    std::string error;
    const auto scenario = sim::parseScenario(scenarioJson, "test scenario", error);
    if (!scenario) {
        ADD_FAILURE() << error;
        return;
    }
    backend_ = kit::buildSimulatedBackend(*scenario);
    kit::installBackend(backend_);
}

HeadlessView::~HeadlessView() {
    view_.reset();
    kit::installBackend(nullptr);
}

void HeadlessView::WriteConfig(const QString& text) {
    QFile file(folder.filePath(QStringLiteral("config.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

void HeadlessView::WriteConfig(int autoConnect, int autoLocate, int askAddressChange) {
    WriteConfig(QStringLiteral("[config]\nlang=de-DE\nauto_connect=%1\nauto_locate=%2\nadr_switch_ask=%3\n")
                    .arg(autoConnect)
                    .arg(autoLocate)
                    .arg(askAddressChange));
}

MainView& HeadlessView::Start() {
    // No language/ folder: the built-in texts, as with a missing module.
    view_ = std::make_unique<MainView>(
        ViewServices{{folder.path(), folder.path()}, settings, prompts, waitDialog, surface,
                     [this](TabActions&) -> DeviceTabs& { return tabs; }});
    view_->store().clock = [] { return kHeadlessPlacedAt; };
    view_->InitialUpdate();
    return *view_;
}

MainView& HeadlessView::StartConnected() {
    WriteConfig(0, 0, 1);
    Start();
    prompts.Answer(kDialogOk);
    view_->Connect();
    TakeForwardFrames();
    return *view_;
}

std::vector<std::string> HeadlessView::TakeForwardFrames(size_t index) {
    std::vector<std::string> frames;
    for (const sim::BusFrame& frame : backend_->bus(index)->takeFrameLog()) {
        if (frame.kind != sim::FrameKind::Forward)
            continue;
        char text[8];
        std::snprintf(text, sizeof text, "%04X", frame.data);
        frames.emplace_back(text);
    }
    return frames;
}

std::string OneInterfaceScenario(const std::vector<std::string>& gear) {
    std::string list;
    for (const std::string& g : gear)
        list += (list.empty() ? "" : ", ") + g;
    return R"({ "timeScale": 0, "interfaces": [ { "productId": "0x1501", "serial": "0000ABCD",
               "bus": { "gear": [ )" +
           list + " ] } } ] }";
}
