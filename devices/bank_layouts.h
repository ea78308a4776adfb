#pragma once
// What the locations of the memory banks mean (bank 0 the gear's identity in
// its DALI-2 layout, bank 1 luminaire data, 202..204 energy, 205 and 206 control gear and light source
// diagnostics, 207 maintenance), one table row per value, and the text a
// value's bytes show.

#include "devices/memory_bank_bytes.h"
#include "resources/string_table.h"

#include <QString>

#include <span>

enum class BankSection { Luminaire, Energy, Health, Maintenance, Identity };

enum class FieldKind {
    Number,       // unsigned, most significant byte first, times 10^exponent
    Scaled,       // the location holds a signed power of ten, the value follows; times 10^exponent more
    Hours,        // seconds, shown in hours
    Temperature,  // degrees Celsius + 60
    Flag,         // 0 no, 1 yes, with the counter at counterAt
    Year,         // two digits of the year
    Distribution, // light distribution type 0..5
    Hex,          // an identification: hex digits
    Text,         // ASCII up to the first 0
    Version,      // one byte: major in bits 7..2, minor in bits 1..0
    Release,      // two bytes: major, minor
};

// Which all-same patterns mean no value: all 0xFF (MASK) "not available",
// all 0xFE (TMASK) "unknown for now".
enum class Masks { None, Mask, MaskAndTmask };

struct BankField {
    uint8_t bank;
    uint8_t location;
    uint8_t size;  // bytes of the value (a Scaled value's scale byte not counted)
    StringId name;
    FieldKind kind;
    int exponent = 0;
    const char* unit = "";
    Masks masks = Masks::Mask;
    uint8_t counterAt = 0;  // Flag: the location of its counter
};

struct BankLayout {
    uint8_t bank;
    BankSection section;
    bool latched;        // read as one snapshot
    StringId fieldPrefix;  // "%1" with the field's name, 0: the name alone
    std::span<const BankField> fields;

    // The last location a field uses.
    uint8_t lastFieldLocation() const;
};

// Banks 1, 202..207 in the order the information tab shows them.
std::span<const BankLayout> LuminaireBankLayouts();
// Those and bank 0; nothing for a bank no layout describes.
const BankLayout* FindBankLayout(uint8_t bank);
// Bank 0 in the layout of the gear's edition (DALI-2: version number 8 and up).
const BankLayout& Bank0Layout(bool dali2);

// The field's label, with its bank's prefix.
QString FieldLabel(const BankLayout& layout, const BankField& field, const QString& languageModulePath);
// "12.345 kWh", "ja, 3-mal", "nicht verfügbar" (MASK), "unbekannt" (TMASK),
// "nicht implementiert" where a byte gave no answer.
QString FieldText(const BankField& field, const MemoryBankBytes& bytes, const QString& languageModulePath);
// What one location holds, for a table of raw bytes: the bank's last
// location (0), its lock byte (2, not in bank 0), else the field the location
// belongs to ("Wirkenergie [2/6]", its scale byte, a flag's counter); empty
// where no layout says.
QString LocationMeaning(uint8_t bank, int location, const QString& languageModulePath);
// The field's value in its unit, when its bytes were read and are no mask.
std::optional<double> FieldValue(const BankField& field, const MemoryBankBytes& bytes);
