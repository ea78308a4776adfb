#include "storage/program_paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

ProgramPaths ProgramPaths::ForRunningProgram() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kelvane");
    return {programFolder, ChooseConfigFolder(programFolder, userFolder)};
}

QString ChooseConfigFolder(const QString& programFolder, const QString& userConfigFolder) {
    const QFileInfo folder(programFolder);
    return folder.isDir() && folder.isWritable() ? programFolder : userConfigFolder;
}
