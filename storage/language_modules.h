#pragma once
// Language modules: the .qm files in the folder "language" of the program
// folder. A module's name, the file name less ".qm", is what the config key
// "lang" holds.

#include <QString>
#include <QStringList>

// programFolder/language/<lang>.qm when that file exists; otherwise the
// English fallback programFolder/language/en-En.qm, whether or not that one
// exists. Both names are looked up without regard to letter case, so "en-En"
// and "EN-en" find "en-EN.qm" (file names on Linux are case-sensitive).
QString LanguageModulePath(const QString& programFolder, const QString& lang);

// The names of the modules in programFolder/language, sorted alphabetically
// without regard to letter case. A folder whose name ends in ".qm" is looked
// into as well. Empty when there is no such folder.
QStringList LanguageModuleNames(const QString& programFolder);
