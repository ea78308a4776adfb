#pragma once
// The fade settings as the basic tab lists them, by their DALI value: fade
// time in seconds, fade rate in steps per second, fast fade time in ms.

#include <QStringList>

#include <cstdint>

const QStringList& FadeTimeEntries();      // 16 entries, "0" .. "90.5"
const QStringList& FadeRateEntries();      // 16 entries, "Impossible" (0), "358" .. "2.8"
const QStringList& FastFadeTimeEntries();  // 28 entries, "<25ms", "25ms" .. "675ms"

// The entry of this value; a value past the list (a gear that answers
// outside the standard's range) as its number.
QString FadeEntry(const QStringList& entries, uint8_t value);
