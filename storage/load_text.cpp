#include "storage/load_text.h"

#include "addressing/trace.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

namespace {

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
            translator_ = std::make_unique<QTranslator>();
            loaded_ = translator_->load(path_);
        }
        if (!loaded_)
            return std::nullopt;
        return translator_->translate(nullptr, QByteArray::number(id).constData());
    }

private:
    std::mutex lock_;
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::unique_ptr<QTranslator> translator_;
    bool loaded_ = false;
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
