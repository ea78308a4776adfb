#pragma once
// The text of an INI file as lines, together with the encoding it came in, so
// that one key can be rewritten while every other line and the encoding stay
// as they were.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

enum class TextEncoding { Utf16LittleEndian, Utf16BigEndian, Utf8, Latin1 };

class IniText {
public:
    // A byte-order mark decides the encoding. Without one, NUL bytes mean
    // UTF-16 (little-endian when most of them sit at odd offsets, as in
    // "[\0c\0"); text without NUL bytes is UTF-8 when it is valid UTF-8 and
    // 8-bit Latin-1 otherwise.
    static IniText Decode(const QByteArray& bytes);

    // The text in the encoding it was decoded from, with the byte-order mark
    // it had.
    QByteArray Encode() const;

    // The value of the key in the section, both matched without regard to
    // letter case; blanks around the value and one pair of enclosing quotes
    // are dropped. Empty optional when the section or the key is missing.
    std::optional<QString> Value(QStringView section, QStringView key) const;

    // Rewrites the key's line in the section; a missing key is added after the
    // section's last line, a missing section at the end of the text.
    void SetValue(const QString& section, const QString& key, const QString& value);

    TextEncoding encoding() const { return encoding_; }
    bool hasByteOrderMark() const { return byteOrderMark_; }

private:
    struct KeyLine {
        qsizetype sectionLine = -1;  // index of the section's header line, -1 if there is none
        qsizetype sectionEnd = -1;   // index one past the section's last line
        qsizetype keyLine = -1;      // index of the key's line, -1 if there is none
    };
    KeyLine Find(QStringView section, QStringView key) const;
    QString LineEnd() const;

    TextEncoding encoding_ = TextEncoding::Utf8;
    bool byteOrderMark_ = false;
    QStringList lines_{QString()};  // the text split at LF; a CR before the LF stays on its line
};
