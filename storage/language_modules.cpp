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

// The module file of this name in the language folder, found without regard
// to letter case (the fallback name "en-En" is to find "en-EN.qm"); an exact
// match wins. Empty when there is none, and for a name with a path separator:
// a config.ini value never reaches outside the folder.
QString FindModule(const QString& folder, const QString& name) {
    if (name.contains(u'/') || name.contains(u'\\'))
        return {};
    const QString fileName = name + kExtension;
    if (QFileInfo(folder + u'/' + fileName).isFile())
        return folder + u'/' + fileName;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files)
        if (file.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return file.filePath();
    return {};
}

}  // namespace

QString LanguageModulePath(const QString& programFolder, const QString& lang) {
    const QString folder = LanguageFolder(programFolder);
    if (QString path = FindModule(folder, lang); !path.isEmpty())
        return path;
    const QString fallback = FindModule(folder, QStringLiteral("en-En"));
    return fallback.isEmpty() ? folder + QStringLiteral("/en-En") + kExtension : fallback;
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
