#include "storage/language_modules.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString kExtension = QStringLiteral(".qm");

QString LanguageFolder(const QString& programFolder) { return programFolder + QStringLiteral("/language"); }

void CollectModuleNames(const QString& folder, QStringList& names) {
    const QFileInfoList entries =
        QDir(folder).entryInfoList({u'*' + kExtension}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir())
            CollectModuleNames(entry.filePath(), names);
        else
            names.append(entry.fileName().chopped(kExtension.size()));
    }
}

}  // namespace

QString LanguageModulePath(const QString& programFolder, const QString& lang) {
    const QString path = LanguageFolder(programFolder) + u'/' + lang + kExtension;
    if (QFileInfo(path).isFile())
        return path;
    return LanguageFolder(programFolder) + QStringLiteral("/en-En") + kExtension;
}

QStringList LanguageModuleNames(const QString& programFolder) {
    QStringList names;
    CollectModuleNames(LanguageFolder(programFolder), names);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
