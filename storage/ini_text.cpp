#include "storage/ini_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

struct ByteOrderMark {
    QByteArrayView bytes;
    TextEncoding encoding;
};

const ByteOrderMark kByteOrderMarks[] = {
    {QByteArrayView("\xEF\xBB\xBF", 3), TextEncoding::Utf8},
    {QByteArrayView("\xFF\xFE", 2), TextEncoding::Utf16LittleEndian},
    {QByteArrayView("\xFE\xFF", 2), TextEncoding::Utf16BigEndian},
};

TextEncoding GuessEncodingWithoutMark(QByteArrayView bytes) {
    qsizetype zerosAtOdd = 0;
    qsizetype zerosAtEven = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\0')
            ++(i % 2 ? zerosAtOdd : zerosAtEven);
    }
    if (zerosAtOdd + zerosAtEven > 0)
        return zerosAtOdd >= zerosAtEven ? TextEncoding::Utf16LittleEndian : TextEncoding::Utf16BigEndian;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);  // the decoder only runs when its result is taken
    return utf8.hasError() ? TextEncoding::Latin1 : TextEncoding::Utf8;
}

std::optional<QStringConverter::Encoding> UnicodeEncoding(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LittleEndian:
            return QStringConverter::Utf16LE;
        case TextEncoding::Utf16BigEndian:
            return QStringConverter::Utf16BE;
        case TextEncoding::Utf8:
            return QStringConverter::Utf8;
        case TextEncoding::Latin1:
            break;
    }
    return std::nullopt;
}

// The section name of a header line such as "[config]", or an empty optional.
std::optional<QStringView> SectionName(QStringView line) {
    line = line.trimmed();
    if (!line.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = line.indexOf(u']');
    return (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
}

// The key text of a "key=value" line (blanks around it dropped), or an empty optional.
std::optional<QStringView> KeyName(QStringView line) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    return line.left(equals).trimmed();
}

QString Unquoted(QStringView value) {
    value = value.trimmed();
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.toString();
}

bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

IniText IniText::Decode(const QByteArray& bytes) {
    IniText text;
    QByteArrayView body(bytes);
    bool marked = false;
    for (const ByteOrderMark& mark : kByteOrderMarks) {
        if (body.startsWith(mark.bytes)) {
            text.encoding_ = mark.encoding;
            body = body.sliced(mark.bytes.size());
            marked = true;
            break;
        }
    }
    if (!marked)
        text.encoding_ = GuessEncodingWithoutMark(body);
    text.byteOrderMark_ = marked;

    QString decoded;
    if (const auto unicode = UnicodeEncoding(text.encoding_)) {
        QStringDecoder decoder(*unicode, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        decoded = decoder.decode(body);
    } else {
        decoded = QString::fromLatin1(body);
    }
    text.lines_ = decoded.split(u'\n');
    return text;
}

QByteArray IniText::Encode() const {
    const QString joined = lines_.join(u'\n');
    if (const auto unicode = UnicodeEncoding(encoding_)) {
        QStringEncoder encoder(*unicode,
                               byteOrderMark_ ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return encoder.encode(joined);
    }
    return joined.toLatin1();
}

IniText::KeyLine IniText::Find(QStringView section, QStringView key) const {
    KeyLine found;
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            if (inSection)
                break;  // only the first section of that name counts
            inSection = SameName(*name, section);
            if (inSection)
                found.sectionLine = i;
            continue;
        }
        if (!inSection)
            continue;
        found.sectionEnd = i + 1;
        if (const auto name = KeyName(lines_[i]); name && found.keyLine < 0 && SameName(*name, key))
            found.keyLine = i;
    }
    if (found.sectionLine >= 0 && found.sectionEnd < 0)
        found.sectionEnd = found.sectionLine + 1;
    return found;
}

std::optional<QString> IniText::Value(QStringView section, QStringView key) const {
    const KeyLine found = Find(section, key);
    if (found.keyLine < 0)
        return std::nullopt;
    const QString& line = lines_[found.keyLine];
    return Unquoted(QStringView(line).mid(line.indexOf(u'=') + 1));
}

QString IniText::LineEnd() const { return lines_.first().endsWith(u'\r') ? QStringLiteral("\r") : QString(); }

void IniText::SetValue(const QString& section, const QString& key, const QString& value) {
    const KeyLine found = Find(section, key);
    const QString lineEnd = LineEnd();
    if (found.keyLine >= 0) {
        QString& line = lines_[found.keyLine];
        const QString keepEnd = line.endsWith(u'\r') ? QStringLiteral("\r") : QString();
        line = KeyName(line)->toString() + u'=' + value + keepEnd;
        return;
    }
    const QString keyLine = key + u'=' + value + lineEnd;
    if (found.sectionLine >= 0) {
        // After the section's last line that is not blank, so that a blank
        // line before the next section stays where it is.
        qsizetype at = found.sectionEnd;
        while (at > found.sectionLine + 1 && lines_[at - 1].trimmed().isEmpty())
            --at;
        lines_.insert(at, keyLine);
        return;
    }
    if (!lines_.last().isEmpty()) {
        lines_.last() += lineEnd;
        lines_.append(QString());
    }
    lines_.insert(lines_.size() - 1, u'[' + section + u']' + lineEnd);
    lines_.insert(lines_.size() - 1, keyLine);
}
