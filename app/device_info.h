#pragma once
// The information tab's rows for one gear, read fresh from it: extended
// version, firmware, operating mode, part of the identification number, GTIN,
// and the status byte with its eight bits in words.

#include "link/dalikit.h"

#include <QString>

#include <vector>

struct InfoRow {
    QString label;
    QString value;  // empty when the gear gave no valid answer
};

inline constexpr int kInfoRowCount = 15;

// Always 15 rows. The device-type-6 queries (extended version, operating mode)
// are each preceded by ENABLE DEVICE TYPE 6, without which gear ignore them.
std::vector<InfoRow> ReadDeviceInfo(const BusLink& link, int address, const QString& languageModulePath);
