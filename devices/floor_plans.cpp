#include "devices/floor_plans.h"

#include <algorithm>
#include <utility>

namespace {

bool isAddress(int address) { return address >= 0 && address < kDeviceCount; }

}  // namespace

int FloorPlans::AddPlan(const QString& file) {
    const qsizetype known = files.indexOf(file);
    if (known >= 0)
        return int(known);
    files << file;
    return int(files.size() - 1);
}

void FloorPlans::Place(int address, int plan, double x, double y) {
    if (isAddress(address) && plan >= 0 && plan < files.size())
        places[size_t(address)] = PlanPlace{plan, std::clamp(x, 0.0, 1.0), std::clamp(y, 0.0, 1.0)};
}

void FloorPlans::Remove(int address) {
    if (isAddress(address))
        places[size_t(address)].reset();
}

std::optional<PlanPlace> FloorPlans::Take(int address) {
    if (!isAddress(address))
        return std::nullopt;
    return std::exchange(places[size_t(address)], std::nullopt);
}

void FloorPlans::Follow(int from, int to) {
    if (!isAddress(from) || !isAddress(to) || from == to)
        return;
    places[size_t(to)] = Take(from);
}
