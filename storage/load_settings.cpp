#include "storage/load_settings.h"

#include "storage/config_file.h"
#include "storage/language_modules.h"
#include "storage/text_file_writer.h"

#include <QDir>

#include <algorithm>

namespace {

const QString kConfigFileName = QStringLiteral("config.ini");

void CreateDefaultConfig(const QString& folder) {
    QDir().mkpath(folder);
    TextFileWriter writer(folder + u'/' + kConfigFileName);
    writer.Write(
        QStringLiteral("[config]\n"
                       "lang=de-DE\n"
                       "auto_connect=1\n"
                       "auto_locate=1\n"
                       "adr_switch_ask=1\n"));
}

}  // namespace

void LoadSettings(const ProgramPaths& paths, Prompts& prompts, Settings& settings) {
    ConfigFile config(paths.configFolder, prompts);
    if (!config.Open(kConfigFileName)) {
        CreateDefaultConfig(paths.configFolder);
        config.Open(kConfigFileName);
    }
    settings.autoConnect = IniInteger(config.ReadString(QStringLiteral("auto_connect"), QStringLiteral("0")));
    const int32_t autoLocate = IniInteger(config.ReadString(QStringLiteral("auto_locate"), QStringLiteral("1")));
    settings.askAddressChange = IniInteger(config.ReadString(QStringLiteral("adr_switch_ask"), QStringLiteral("1")));
    settings.identifyMode = autoLocate == 1 ? 1 : 0;
    // Not in the file written at the first start: few installations need another value.
    const int32_t stagger = IniInteger(config.ReadString(QStringLiteral("emergency_stagger"), QStringLiteral("30")));
    settings.emergencyStaggerSeconds = std::clamp(stagger, 0, kLongestEmergencyStaggerSeconds);
    // Off unless asked for: the banks cost some seconds of bus time per gear.
    settings.readBanks = IniInteger(config.ReadString(QStringLiteral("read_banks"), QStringLiteral("0"))) == 1 ? 1 : 0;
    settings.languageModulePath =
        LanguageModulePath(paths.programFolder, config.ReadString(QStringLiteral("lang"), QStringLiteral("en-EN")));
}
