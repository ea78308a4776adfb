#include "storage/load_text.h"

#include "addressing/trace.h"
#include "storage/qm_reader.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <mutex>
#include <optional>

namespace {

// A module is a few kilobytes; a file far larger is no module.
constexpr qint64 kMaxModuleBytes = qint64{16} * 1024 * 1024;

// The last module read, kept until another path is asked for or its file
// changes, so that labelling a window does not read the module once per text.
class ModuleCache {
public:
    // The module's text of the id: empty optional when the module cannot be
    // read; a null text when the module lacks the id.
    std::optional<QString> Translate(const QFileInfo& file, StringId id) {
        std::lock_guard guard(lock_);
        if (file.absoluteFilePath() != path_ || file.lastModified() != modified_ || file.size() != size_) {
            path_ = file.absoluteFilePath();
            modified_ = file.lastModified();
            size_ = file.size();
            texts_ = Read(path_);
        }
        if (!texts_)
            return std::nullopt;
        const auto text = texts_->find(id);
        return text == texts_->end() ? QString() : text->second;
    }

private:
    static std::optional<ModuleTexts> Read(const QString& path) {
        QFile module(path);
        if (module.size() > kMaxModuleBytes || !module.open(QIODevice::ReadOnly))
            return std::nullopt;
        return ReadQmModule(module.readAll());
    }

    std::mutex lock_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::optional<ModuleTexts> texts_;
};

ModuleCache& Modules() {
    static ModuleCache cache;
    return cache;
}

QString BuiltInText(StringId id) {
    const auto table = BuiltInStringTable();
    const auto entry = std::lower_bound(table.begin(), table.end(), id,
                                        [](const StringTableEntry& e, StringId wanted) { return e.id < wanted; });
    if (entry == table.end() || entry->id != id)
        return QString();
    return QString::fromUtf16(entry->text.data(), qsizetype(entry->text.size()));
}

const QString kMissingText = QStringLiteral("???");

}  // namespace

QString LoadText(StringId id, const QString& languageModulePath) {
    std::optional<QString> moduleText;
    if (!languageModulePath.isEmpty()) {
        const QFileInfo file(languageModulePath);
        if (!file.isFile())
            TraceLine(QStringLiteral("Fehler, DLL nicht gefunden!\n"));
        else if (id != 0)
            moduleText = Modules().Translate(file, id);
    }
    if (id == 0)
        return QString();
    const QString text = moduleText ? *moduleText : BuiltInText(id);
    return text.isNull() ? kMissingText : text;
}
