#pragma once
// Where the program finds its language modules and its config.ini.

#include <QString>

struct ProgramPaths {
    QString programFolder;  // the folder whose language/ folder holds the modules
    QString configFolder;   // the folder of config.ini

    // The running program's paths. Needs a QCoreApplication.
    static ProgramPaths ForRunningProgram();
};

// A program folder with a language/ folder beside the executable (a build,
// or a copy laid out by hand) keeps everything there, config.ini too unless
// the folder is not writable. An installed program (bin/kelvane with its
// modules in share/kelvane/language) keeps config.ini in the per-user folder.
ProgramPaths ChooseProgramPaths(const QString& executableFolder, const QString& userConfigFolder);
