#pragma once
// The emergency answers in words, for the tab, the logbook's list and its
// exports: each set bit of a mode, status or failure byte as its text, the
// test kinds and outcomes.

#include "devices/emergency_test_run.h"

#include <QString>

#include <cstdint>
#include <optional>

enum class EmergencyBits { Mode, Status, Failure };

// The set bits' texts joined by ", " in bit order; a failure byte without a
// set bit is "keine Fehler", a byte not known is "unbekannt".
QString EmergencyBitsText(EmergencyBits which, std::optional<uint8_t> bits, const QString& languageModulePath);
QString EmergencyTestKindText(EmergencyTestKind kind, const QString& languageModulePath);
QString EmergencyOutcomeText(EmergencyOutcome outcome, const QString& languageModulePath);
