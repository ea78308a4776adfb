#pragma once
// Where the program finds its language modules and its config.ini.

#include <QString>

struct ProgramPaths {
    QString programFolder;  // the executable's folder; its language/ folder holds the modules
    QString configFolder;   // the folder of config.ini

    // The running program's paths. Needs a QCoreApplication.
    static ProgramPaths ForRunningProgram();
};

// config.ini lives in the program folder. An installed copy's folder is not
// writable, so the per-user configuration folder takes its place then.
QString ChooseConfigFolder(const QString& programFolder, const QString& userConfigFolder);
