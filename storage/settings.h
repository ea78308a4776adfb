#pragma once
// The settings the main view keeps for the whole run. LoadSettings fills them
// from config.ini at start and after the settings dialog closes with OK.

#include <QString>

#include <cstdint>

inline constexpr int32_t kLongestEmergencyStaggerSeconds = 3600;

struct Settings {
    int32_t autoConnect = 0;       // 1 = connect to the interface at the end of start-up
    int32_t askAddressChange = 0;  // 1 = ask before a short address is changed
    int32_t identifyMode = 0;      // 1 = selecting or pointing at gear lights it
    QString languageModulePath;    // full path of the language module; empty = built-in table
    int32_t emergencyStaggerSeconds = 30;  // emergency test run: from one unit's start to the next's
    int32_t readBanks = 0;  // 1 = "Alle Geräte auslesen" reads the luminaire banks too (bus time)
};
