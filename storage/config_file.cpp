#include "storage/config_file.h"

#include "devices/prompts.h"
#include "storage/file_replacement.h"
#include "storage/ini_text.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

const QString kSection = QStringLiteral("config");
const QString kErrorCaption = QStringLiteral("Error");
constexpr qsizetype kMaxValueLength = 511;  // a 512-byte result buffer with its terminator

bool RewriteKey(const QString& path, const QString& key, const QString& value) {
    QFile current(path);
    if (!current.open(QIODevice::ReadOnly))
        return false;
    IniText text = IniText::Decode(current.readAll());
    current.close();
    text.SetValue(kSection, key, value);
    const QByteArray bytes = text.Encode();
    FileReplacement replacement(path);
    return replacement.Write(bytes) && replacement.Commit();
}

}  // namespace

ConfigFile::ConfigFile(QString folder, Prompts& prompts) : folder_(std::move(folder)), prompts_(prompts) {}

bool ConfigFile::Open(const QString& fileName) {
    const QString path = folder_ + u'/' + fileName;
    path_ = QFileInfo::exists(path) ? path : QString();
    return !path_.isEmpty();
}

bool ConfigFile::FileExists() const { return !path_.isEmpty() && QFileInfo::exists(path_); }

QString ConfigFile::ReadString(const QString& key, const QString& defaultText) const {
    if (!FileExists())
        return QString();
    QFile file(path_);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QString value = IniText::Decode(bytes).Value(kSection, key).value_or(defaultText).left(kMaxValueLength);
    if (value.isEmpty()) {
        prompts_.ShowStockMessage(QStringLiteral("Can not read from Ini-File"), kErrorCaption);
        return QString();
    }
    return value;
}

void ConfigFile::WriteString(const QString& key, const QString& value) {
    if (!FileExists())
        return;
    if (!RewriteKey(path_, key, value))
        prompts_.ShowStockMessage(QStringLiteral("Can not write into Ini-File"), kErrorCaption);
}

int32_t IniInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        // Saturates rather than overflows on absurdly long numbers.
        value = std::min<int64_t>(value * 10 + (text[i].unicode() - u'0'),
                                  int64_t(std::numeric_limits<int32_t>::max()) + 1);
    }
    if (negative)
        value = -value;
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}
