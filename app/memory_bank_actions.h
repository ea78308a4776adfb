#pragma once
// What the expert dialog "Speicherbänke…" offers: the bytes of one bank of the
// selected gear, and writing one location. The main view's memory bank flow
// implements it against the bus; the dialog only shows the rows and calls these.

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One location as the table shows it: "0x24", "0x57" ("—" without answer), its meaning.
struct BankLocationRow {
    QString location, value, meaning;
};

class MemoryBankActions {
public:
    virtual ~MemoryBankActions() = default;

    virtual const QString& languageModulePath() const = 0;
    virtual int address() const = 0;
    // Every location of the bank from 0 to its last one, one row each; none
    // when the bank is not there or the read failed (said in a message).
    virtual std::vector<BankLocationRow> Read(uint8_t bank) = 0;
    // Asks first, then writes and says how it went. The byte the location
    // read back afterwards, when there was a write and it answered.
    virtual std::optional<uint8_t> Write(uint8_t bank, uint8_t location, uint8_t value) = 0;
};
