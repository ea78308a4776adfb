#pragma once
// What the scenario reader's parts share: a Reader that keeps the first
// problem with its JSON path, and the field tables each JSON object is read
// through. Only the scenario reader includes it.

#include "sim/scenario.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sim::scenario_reading {

// The value as a problem text shows it.
std::string describe(const QJsonValue& value);

class Reader {
public:
    // Keeps the first problem; always false.
    bool fail(const std::string& path, const std::string& problem);
    const std::string& error() const { return error_; }

    // An integer in min..max, written as a JSON number or a "0x…" string.
    bool integer(const QJsonValue& value, const std::string& path, uint64_t min, uint64_t max, uint64_t& out);
    // A number in 0..max.
    bool number(const QJsonValue& value, const std::string& path, double max, double& out);
    bool boolean(const QJsonValue& value, const std::string& path, bool& out);
    bool text(const QJsonValue& value, const std::string& path, std::string& out);

private:
    std::string error_;
};

template <class T>
struct Field {
    std::string_view key;
    bool (*read)(Reader&, const QJsonValue&, const std::string& path, T& target);
};

template <class T>
bool readObject(Reader& r, const QJsonValue& value, const std::string& path, std::span<const Field<T>> fields,
                T& target) {
    if (!value.isObject())
        return r.fail(path, "expected an object, got " + describe(value));
    const QJsonObject object = value.toObject();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::string key = it.key().toStdString();
        const std::string fieldPath = std::string(path).append(".").append(key);
        auto field = std::find_if(fields.begin(), fields.end(), [&](const Field<T>& f) { return f.key == key; });
        if (field == fields.end())
            return r.fail(fieldPath, "unknown field");
        if (!field->read(r, it.value(), fieldPath, target))
            return false;
    }
    return true;
}

template <class T, class ReadItem>
bool readArray(Reader& r, const QJsonValue& value, const std::string& path, std::vector<T>& out, ReadItem readItem) {
    if (!value.isArray())
        return r.fail(path, "expected an array, got " + describe(value));
    const QJsonArray array = value.toArray();
    out.clear();
    for (qsizetype i = 0; i < array.size(); ++i) {
        T item{};
        if (!readItem(array[i], path + "[" + std::to_string(i) + "]", size_t(i), item))
            return false;
        out.push_back(std::move(item));
    }
    return true;
}

template <class>
struct MemberPointer;
template <class C, class M>
struct MemberPointer<M C::*> {
    using Class = C;
    using Type = M;
};
template <auto Member>
using ClassOf = typename MemberPointer<decltype(Member)>::Class;
template <auto Member>
using TypeOf = typename MemberPointer<decltype(Member)>::Type;

template <class T>
struct Nullable {
    using Value = T;
    static constexpr bool allowed = false;
};
template <class T>
struct Nullable<std::optional<T>> {
    using Value = T;
    static constexpr bool allowed = true;
};

// An integer member in Min..Max; a std::optional member also takes null.
template <auto Member, uint64_t Min, uint64_t Max>
bool intField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    using Kind = Nullable<TypeOf<Member>>;
    if constexpr (Kind::allowed) {
        if (value.isNull()) {
            target.*Member = std::nullopt;
            return true;
        }
    }
    uint64_t n = 0;
    if (!r.integer(value, path, Min, Max, n))
        return false;
    target.*Member = static_cast<typename Kind::Value>(n);
    return true;
}

// A string member; a std::optional member also takes null.
template <auto Member>
bool textField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    if constexpr (Nullable<TypeOf<Member>>::allowed) {
        if (value.isNull()) {
            target.*Member = std::nullopt;
            return true;
        }
    }
    std::string text;
    if (!r.text(value, path, text))
        return false;
    target.*Member = std::move(text);
    return true;
}

template <auto Member>
bool boolField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    return r.boolean(value, path, target.*Member);
}

// Two bytes written as [major, minor].
template <auto Member>
bool bytePairField(Reader& r, const QJsonValue& value, const std::string& path, ClassOf<Member>& target) {
    if (!value.isArray() || value.toArray().size() != 2)
        return r.fail(path, "expected an array of two bytes, got " + describe(value));
    for (int i = 0; i < 2; ++i) {
        uint64_t byte = 0;
        if (!r.integer(value.toArray()[i], path + "[" + std::to_string(i) + "]", 0, 255, byte))
            return false;
        (target.*Member)[size_t(i)] = uint8_t(byte);
    }
    return true;
}

// One gear object of a bus's "gear" list (scenario_gear.cpp).
bool readGear(Reader& r, const QJsonValue& value, const std::string& path, GearConfig& gear);

}  // namespace sim::scenario_reading
