#pragma once
// The building's plans a project carries and where each gear hangs on them.
// A marker belongs to a short address, like the record there: it moves with
// the gear when the gear gets another address, and stays when the gear no
// longer answers. A gear has at most one marker.

#include "devices/device_record.h"

#include <QStringList>

#include <array>
#include <optional>

struct PlanPlace {
    int plan = 0;  // index into FloorPlans::files
    double x = 0;  // fractions of the image's width and height, 0..1
    double y = 0;
    bool operator==(const PlanPlace&) const = default;
};

struct FloorPlans {
    QStringList files;  // absolute paths of the plan images, in the combo box's order
    std::array<std::optional<PlanPlace>, kDeviceCount> places{};

    bool isEmpty() const { return files.isEmpty(); }
    // The plan of this image, added when it is new.
    int AddPlan(const QString& file);
    // The gear's marker to this point of the plan, clamped to the image.
    void Place(int address, int plan, double x, double y);
    void Remove(int address);
    // The marker of the gear that leaves `from`; `from` has none afterwards.
    std::optional<PlanPlace> Take(int address);
    // The gear at `from` got the address `to`: its marker goes with it.
    void Follow(int from, int to);
    bool operator==(const FloorPlans&) const = default;
};
