// The group and scene managers' "Übernehmen" on every gear of a scanned bus,
// through the managers' own code (without their windows).

#include "bench/bench_jobs.h"
#include "bench/bench_session.h"
#include "groups_scenes/group_manager.h"
#include "groups_scenes/scene_manager.h"

namespace bench {
namespace {

ManagerContext managerContext(ScannedBus& bus) {
    return {bus.store.link, bus.store, 0, bus.prompts, {}, bus.noEvents};
}

}  // namespace

// One membership changed per gear: gear n joins or leaves group n mod 16.
JobOutcome groupManagerApplyJob(const MeasureFromHere& measureFromHere) {
    ScannedBus bus;
    if (!bus.ready())
        return {false, "no gear scanned"};
    GroupManager manager(managerContext(bus), bus.waitDialog);
    std::vector<uint16_t> expected;
    expected.reserve(size_t(manager.rowCount()));
    for (int row = 0; row < manager.rowCount(); ++row) {
        const int group = manager.rowAddress(row) % 16;
        manager.Click(row, group + 1);
        const DeviceRecord& record = bus.store.workingTable[size_t(manager.rowAddress(row))];
        expected.push_back(uint16_t(record.groupMask ^ (1u << group)));
    }
    measureFromHere();
    manager.Apply();
    int changed = 0;
    for (int row = 0; row < manager.rowCount(); ++row)
        changed += bus.store.workingTable[size_t(manager.rowAddress(row))].groupMask == expected[size_t(row)];
    return {changed == bus.found, std::to_string(changed) + " of " + std::to_string(bus.found) + " gear changed"};
}

// Scene 0 chosen (its levels read from the gear), then a level for every gear
// that differs from its record's, so every gear is written.
JobOutcome sceneManagerApplyJob(const MeasureFromHere& measureFromHere) {
    constexpr int kScene = 0;
    ScannedBus bus;
    if (!bus.ready())
        return {false, "no gear scanned"};
    SceneManager manager(managerContext(bus), bus.waitDialog);
    manager.ChooseScene(kScene);
    std::vector<uint8_t> levels;
    levels.reserve(manager.rows().size());
    for (size_t row = 0; row < manager.rows().size(); ++row) {
        const DeviceRecord& record = bus.store.workingTable[size_t(manager.rows()[row].address)];
        levels.push_back(uint8_t(record.sceneLevel[kScene] == 120 ? 121 : 120));
        manager.LevelEdited(int(row), QString::number(levels.back()));
    }
    measureFromHere();
    manager.Apply();
    int stored = 0;
    for (size_t row = 0; row < manager.rows().size(); ++row)
        stored += bus.store.workingTable[size_t(manager.rows()[row].address)].sceneLevel[kScene] == levels[row];
    return {stored == bus.found, std::to_string(stored) + " of " + std::to_string(bus.found) + " gear stored scene 0"};
}

}  // namespace bench
