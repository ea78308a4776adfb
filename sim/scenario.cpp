// Scenario JSON reader. Each JSON object is read through a table of its
// fields (scenario_reader.h); the first problem found ends the reading with
// its JSON path. The gear objects are read in scenario_gear.cpp.

#include "sim/scenario.h"

#include "sim/scenario_reader.h"

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cctype>
#include <cstdio>

namespace sim {
namespace {

using namespace scenario_reading;

constexpr double kLargestTimeScale = 1000.0;

bool readGearList(Reader& r, const QJsonValue& value, const std::string& path, BusConfig& bus) {
    return readArray(r, value, path, bus.gear,
                     [&](const QJsonValue& item, const std::string& itemPath, size_t, GearConfig& gear) {
                         return readGear(r, item, itemPath, gear);
                     });
}

constexpr Field<BusConfig> kBusFields[] = {
    {"powered", boolField<&BusConfig::powered>},
    {"alignedReplies", boolField<&BusConfig::alignedReplies>},
    {"seed", intField<&BusConfig::seed, 0, UINT64_MAX>},
    {"external", textField<&BusConfig::external>},
    {"gear", readGearList},
};

bool readSerial(Reader& r, const QJsonValue& value, const std::string& path, InterfaceScenario& interface) {
    std::string serial;
    if (!r.text(value, path, serial))
        return false;
    const bool valid = !serial.empty() && serial.size() <= 8 &&
                       std::all_of(serial.begin(), serial.end(), [](char c) { return std::isalnum((unsigned char)c); });
    if (!valid)
        return r.fail(path, describe(value) + " is not a serial number of 1 to 8 letters or digits");
    interface.serial = serial;
    return true;
}

bool readBus(Reader& r, const QJsonValue& value, const std::string& path, InterfaceScenario& interface) {
    if (!readObject<BusConfig>(r, value, path, kBusFields, interface.bus))
        return false;
    if (interface.bus.external && !interface.bus.gear.empty())
        return r.fail(path, "a bus with \"external\" has no \"gear\" of its own");
    return true;
}

constexpr Field<InterfaceScenario> kInterfaceFields[] = {
    {"productId", intField<&InterfaceScenario::productId, 0, 0xFFFF>},
    {"serial", readSerial},
    {"bridgeAddress", intField<&InterfaceScenario::bridgeAddress, 1, 127>},
    {"revision", bytePairField<&InterfaceScenario::revision>},
    {"reportLatencyUs", intField<&InterfaceScenario::reportLatencyUs, 1000, 1000000>},
    {"bus", readBus},
};

std::string defaultSerial(size_t index) {
    char serial[24];
    std::snprintf(serial, sizeof serial, "%08zX", index + 1);
    return serial;
}

bool readInterfaces(Reader& r, const QJsonValue& value, const std::string& path, Scenario& scenario) {
    return readArray(r, value, path, scenario.interfaces,
                     [&](const QJsonValue& item, const std::string& itemPath, size_t index, InterfaceScenario& entry) {
                         entry.serial = defaultSerial(index);
                         return readObject<InterfaceScenario>(r, item, itemPath, kInterfaceFields, entry);
                     });
}

bool readTimeScale(Reader& r, const QJsonValue& value, const std::string& path, Scenario& scenario) {
    return r.number(value, path, kLargestTimeScale, scenario.timeScale);
}

constexpr Field<Scenario> kScenarioFields[] = {
    {"timeScale", readTimeScale},
    {"seed", intField<&Scenario::seed, 0, UINT64_MAX>},
    {"interfaces", readInterfaces},
};

// "line L, column C" of a byte offset into the text.
std::string position(const QByteArray& text, int offset) {
    int line = 1, column = 1;
    for (int i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::optional<Scenario> parseScenario(std::string_view json, const std::string& sourceName, std::string& error) {
    const QByteArray text(json.data(), qsizetype(json.size()));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = sourceName + ": " + position(text, parseError.offset) + ": " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    Scenario scenario;
    Reader reader;
    const QJsonValue root = document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    if (!readObject<Scenario>(reader, root, "$", kScenarioFields, scenario)) {
        error = sourceName + ": " + reader.error();
        return std::nullopt;
    }
    if (!document.object().contains("interfaces")) {
        scenario.interfaces.emplace_back();
        scenario.interfaces.back().serial = defaultSerial(0);
    }
    return scenario;
}

std::optional<Scenario> loadScenarioFile(const std::string& path, std::string& error) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": cannot read the scenario: " + file.errorString().toStdString();
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    return parseScenario(std::string_view(text.constData(), size_t(text.size())), path, error);
}

std::optional<Scenario> loadScenario(const std::string& demoOrPath, std::string& error) {
    if (demoOrPath == "demo")
        return parseScenario(demoScenarioJson(), "demo", error);
    return loadScenarioFile(demoOrPath, error);
}

}  // namespace sim
