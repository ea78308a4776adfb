#pragma once
// Loading the settings from config.ini, creating the file with its defaults
// at the first start.

#include "storage/program_paths.h"
#include "storage/settings.h"

class Prompts;

// Opens config.ini in the config folder; when it is missing, creates it with
//   [config] / lang=de-DE / auto_connect=1 / auto_locate=1 / adr_switch_ask=1
// (UTF-16 little-endian without byte-order mark, LF line ends) and opens it.
// Then: autoConnect := auto_connect (default 0), identifyMode := 1 exactly when
// auto_locate (default 1) is 1, askAddressChange := adr_switch_ask (default 1),
// languageModulePath := the module named by lang (default en-EN), see
// LanguageModulePath, emergencyStaggerSeconds := emergency_stagger (default
// 30, held to 0..3600). Integer values go through IniInteger. A file that cannot
// be created or read leaves every value 0 and the module path at the en-En
// fallback; read errors are shown through prompts.
void LoadSettings(const ProgramPaths& paths, Prompts& prompts, Settings& settings);
