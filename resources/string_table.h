#pragma once
// The built-in German string table. Every text the program shows has an id
// here; LoadText (storage/load_text.h) looks ids up in the active language
// module first and falls back to this table.

#include <cstdint>
#include <span>
#include <string_view>

using StringId = uint32_t;

struct StringTableEntry {
    StringId id;
    std::u16string_view text;
};

// The whole table in ascending id order, each id once.
std::span<const StringTableEntry> BuiltInStringTable();
