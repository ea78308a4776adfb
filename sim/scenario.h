#pragma once
// Scenarios: which simulated interfaces exist, what their bridges report and
// which gear sit on their buses. Written as JSON (see scenarios/*.json):
//
// { "timeScale": 0, "seed": 1,
//   "interfaces": [ { "productId": "0x1501", "serial": "0000ABCD", "bridgeAddress": "0x20",
//                     "revision": [1, 35], "reportLatencyUs": 1000,
//                     "bus": { "powered": true, "external": null, "gear": [ { "name": "Office 1", ... } ] } } ] }
//
// Integers are JSON numbers or "0x…" hex strings. Every field is optional and
// defaults to the value below (gear: the standard's reset values, see
// GearConfig). Without "interfaces" there is one interface with an empty bus;
// `null` means "none" for the fields that can be absent (shortAddress,
// randomAddress, bridgeAddress, external). Unknown fields are errors, so a
// misspelt field never falls back to a default silently.
//
// Replies: every gear starts its reply with a delay of its own ("replyDelayUs",
// 5500..10500, drawn from the seed when absent), so two gear answering one
// frame garble each other, as on most real buses. "alignedReplies": true on a
// bus models gear whose replies line up bit for bit: identical bytes merge
// into one valid reply and only different bytes garble. "randomDraws" lists
// what a gear's next RANDOMISEs give (two gear with the same first draw are
// twins that a search must separate); after them the seeded generator draws.
//
// Faults of a gear, for testing the program against a misbehaving bus:
// "faults": { "missFrames": 3, "lateReplies": true, "garbledReplies": true,
// "noSelectionKey": true } — it misses the next 3 frames, answers after the
// reply window has closed (the bridge reports no answer), answers with
// garbled frames, has no physical-selection key. "versionNumber" is what
// QUERY VERSION NUMBER and bank 0 give: 8 (2.0, the default) or 1 (edition 1).
// Colour gear (device type 8, or "moreDeviceTypes": [8] for a gear of several
// types): "colour": { "tc": true, "channels": 3, "physicalCoolest": 153,
// "coolest": 153, "warmest": 370, "physicalWarmest": 370 (mirek),
// "rgbwafControl": 63, "actual": {"tc": 250}, "powerOn": {"levels": [254, 0, 0]},
// "systemFailure": {...}, "scenes": {"3": {"tc": 300}} }.
// A bus's "seed" seeds its gear directly (a bus saved from the panel keeps
// its own); without it the bus's seed is derived from the scenario's.

#include "sim/control_gear.h"
#include "sim/dali_bus.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct InterfaceScenario {
    uint16_t productId = 0x1501;
    std::string serial;                           // 1..8 letters or digits; default "0000000<n>" for interface n
    std::optional<uint8_t> bridgeAddress = 0x20;  // 7-bit I2C address 1..127; none: no bridge answers
    std::array<uint8_t, 2> revision{0x01, 0x23};  // bridge registers 0xF4, 0xF5
    uint32_t reportLatencyUs = 1000;              // cost of one USB report, at least one USB frame
    BusConfig bus;
};

struct Scenario {
    double timeScale = 0.0;  // 0: virtual time; 1: real time
    uint64_t seed = 1;       // drives RANDOMISE of every gear
    std::vector<InterfaceScenario> interfaces;
};

// Parses scenario JSON. On failure returns nothing and sets `error` to one
// line "<sourceName>: <JSON path>: <problem>", e.g.
// "office.json: $.interfaces[0].bus.gear[2].shortAddress: 64 is out of range 0..63",
// or "<sourceName>: line 3, column 7: <syntax problem>".
std::optional<Scenario> parseScenario(std::string_view json, const std::string& sourceName, std::string& error);

// Reads and parses a scenario file; errors as parseScenario, named by `path`.
std::optional<Scenario> loadScenarioFile(const std::string& path, std::string& error);

// The text of the built-in demo: scenarios/demo.json, compiled in (real
// time, one interface, a mixed office floor of gear).
std::string_view demoScenarioJson();

// The scenario as JSON that parseScenario reads back to the same scenario.
std::string scenarioJson(const Scenario& scenario);

// "demo" gives the built-in demo, anything else is a scenario file path.
std::optional<Scenario> loadScenario(const std::string& demoOrPath, std::string& error);

}  // namespace sim
