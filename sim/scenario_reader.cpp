#include "sim/scenario_reader.h"

#include <cmath>
#include <cstdio>

namespace sim::scenario_reading {
namespace {

constexpr double kLargestExactJsonInteger = 9007199254740992.0;  // 2^53

std::string formatNumber(double value) {
    char text[40];
    if (value == std::floor(value) && std::fabs(value) < 1e17)
        std::snprintf(text, sizeof text, "%.0f", value);
    else
        std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string describe(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return "null";
        case QJsonValue::Bool:
            return value.toBool() ? "true" : "false";
        case QJsonValue::Double:
            return formatNumber(value.toDouble());
        case QJsonValue::String:
            return "\"" + value.toString().toStdString() + "\"";
        case QJsonValue::Array:
            return "an array";
        case QJsonValue::Object:
            return "an object";
        case QJsonValue::Undefined:
            break;
    }
    return "nothing";
}

namespace {

// The range in the form the value was written in: hex for "0x…" strings.
std::string rangeText(uint64_t min, uint64_t max, bool hex) {
    char text[48];
    if (hex)
        std::snprintf(text, sizeof text, "0x%llX..0x%llX", static_cast<unsigned long long>(min),
                      static_cast<unsigned long long>(max));
    else
        std::snprintf(text, sizeof text, "%llu..%llu", static_cast<unsigned long long>(min),
                      static_cast<unsigned long long>(max));
    return text;
}

// "0x" followed by hex digits that fit 64 bits.
bool parseHex(const std::string& text, uint64_t& value) {
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return false;
    value = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0 || value >> 60)
            return false;
        value = value << 4 | uint64_t(digit);
    }
    return true;
}

}  // namespace

bool Reader::fail(const std::string& path, const std::string& problem) {
    if (error_.empty())
        error_ = path + ": " + problem;
    return false;
}

bool Reader::integer(const QJsonValue& value, const std::string& path, uint64_t min, uint64_t max, uint64_t& out) {
    uint64_t n = 0;
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (d != std::floor(d))
            return fail(path, "expected an integer, got " + describe(value));
        if (d < 0)
            return fail(path, describe(value) + " is out of range " + rangeText(min, max, false));
        if (d > kLargestExactJsonInteger)
            return fail(path, describe(value) + " is too large for a JSON number, write it as a \"0x…\" string");
        n = uint64_t(d);
    } else if (value.isString()) {
        if (!parseHex(value.toString().toStdString(), n))
            return fail(path, "bad hex number " + describe(value) + ", expected \"0x\" and up to 16 hex digits");
    } else {
        return fail(path, "expected a number or a \"0x…\" string, got " + describe(value));
    }
    if (n < min || n > max)
        return fail(path, describe(value) + " is out of range " + rangeText(min, max, value.isString()));
    out = n;
    return true;
}

bool Reader::number(const QJsonValue& value, const std::string& path, double max, double& out) {
    if (!value.isDouble())
        return fail(path, "expected a number, got " + describe(value));
    if (value.toDouble() < 0 || value.toDouble() > max)
        return fail(path, describe(value) + " is out of range 0.." + formatNumber(max));
    out = value.toDouble();
    return true;
}

bool Reader::boolean(const QJsonValue& value, const std::string& path, bool& out) {
    if (!value.isBool())
        return fail(path, "expected true or false, got " + describe(value));
    out = value.toBool();
    return true;
}

bool Reader::text(const QJsonValue& value, const std::string& path, std::string& out) {
    if (!value.isString())
        return fail(path, "expected a string, got " + describe(value));
    out = value.toString().toStdString();
    return true;
}

}  // namespace sim::scenario_reading
