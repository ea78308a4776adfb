// "Gerät ersetzen" on a simulated bus through the main view's command: the
// exact frames of finding, programming, confirming, writing and reading
// back, the questions and lists the installer sees, the gear afterwards.

#include "app/command_table.h"
#include "sim/bridge_chip.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using Frames = std::vector<std::string>;

TEST(Explore, Frames) {
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 0})", R"({"randomDraws": ["0x800000"]})"}));
    h.WriteConfig(0, 0, 1);
    h.Start();
    h.prompts.Answer(kDialogOk);
    h.view().Connect();
    h.TakeForwardFrames();
    DeviceStore& store = h.view().store();
    store.projectTable[0] = store.workingTable[0];
    DeviceRecord& r = store.projectTable[5];
    r.present = 1; r.name = "Empfang"; r.fadeRate = 3; r.fadeTime = 2; r.fastFadeTime = 5; r.dimmingCurve = 1;
    r.maxLevel = 200; r.minLevel = 20; r.powerOnLevel = 150; r.systemFailureLevel = 100; r.deviceType = 6;
    r.SetGroupMask(0x0012); r.sceneLevel[0] = 10; r.sceneLevel[2] = 250;
    h.view().projectLoaded = 1;
    h.prompts.Answer(kDialogOk);
    h.view().Execute(CommandAction::ReplaceGear);
    for (auto& f : h.TakeForwardFrames()) printf("%s ", f.c_str());
    printf("\n");
    for (auto& c : h.prompts.confirmations) printf("Q %s\n", qUtf8Printable(c.text));
    for (auto& l : h.prompts.lists) printf("L %s | %s\n", qUtf8Printable(l.text), qUtf8Printable(l.entries.join(" / ")));
}

}  // namespace
