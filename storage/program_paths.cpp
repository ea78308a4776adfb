#include "storage/program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ProgramPaths ProgramPaths::ForRunningProgram() {
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kelvane");
    return ChooseProgramPaths(QCoreApplication::applicationDirPath(), userFolder);
}

ProgramPaths ChooseProgramPaths(const QString& executableFolder, const QString& userConfigFolder) {
    const QString installed = QDir::cleanPath(executableFolder + QStringLiteral("/../share/kelvane"));
    if (!QFileInfo(executableFolder + QStringLiteral("/language")).isDir() &&
        QFileInfo(installed + QStringLiteral("/language")).isDir())
        return {installed, userConfigFolder};
    const QFileInfo folder(executableFolder);
    return {executableFolder, folder.isDir() && folder.isWritable() ? executableFolder : userConfigFolder};
}
