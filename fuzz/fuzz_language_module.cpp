// The language-module lookup on arbitrary input: the first line is the
// config.ini "lang" value, the rest the bytes of a module file in the
// language folder. Finding the module must stay inside that folder, and
// looking texts up in whatever the file holds must never crash: id 0 is
// empty, every other id has a text (the module's, the built-in one or "???").

#include "storage/language_modules.h"
#include "storage/load_text.h"

#include "addressing/trace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

const QTemporaryDir& programFolder() {
    static QTemporaryDir dir;
    static const bool made = QDir(dir.path()).mkdir(QStringLiteral("language"));
    require(made);
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const TraceSink quiet = SetTraceSink([](const QString&) {});
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineEnd = input.indexOf('\n');
    const QString lang = QString::fromUtf8(input.left(lineEnd < 0 ? input.size() : lineEnd));
    const QByteArray module = lineEnd < 0 ? QByteArray() : input.mid(lineEnd + 1);

    // A new name each time: the lookup keeps the module it read last.
    static int count = 0;
    const QString folder = programFolder().filePath(QStringLiteral("language"));
    const QString file = folder + QStringLiteral("/m%1.qm").arg(++count);
    {
        QFile out(file);
        require(out.open(QIODevice::WriteOnly) && out.write(module) == module.size());
    }

    const QString path = LanguageModulePath(programFolder().path(), lang);
    require(path.startsWith(folder + u'/') && !path.mid(folder.size()).contains(QStringLiteral("/..")));
    for (const QString& modulePath : {path, file}) {
        require(LoadText(0, modulePath).isEmpty());
        for (StringId id : {StringId(101), StringId(247), StringId(326), StringId(9999)})
            require(!LoadText(id, modulePath).isEmpty());
    }
    QFile::remove(file);
    return 0;
}
