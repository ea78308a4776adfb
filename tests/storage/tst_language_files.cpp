// The language module sources: de-DE.ts holds exactly the built-in table, and
// en-EN.ts translates every id of it, keeping placeholders, line breaks and
// the blanks at either end.
#include "resources/string_table.h"
#include "tests/support/qt_printers.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

struct TsMessage {
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", ... or empty
};

// Messages by id; fails the test on XML errors or a message without an id.
std::map<StringId, TsMessage> ReadTs(const QString& name) {
    QFile file(QStringLiteral(KELVANE_LANGUAGE_SOURCES "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    std::map<StringId, TsMessage> messages;
    QXmlStreamReader xml(&file);
    StringId id = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"message") {
            bool ok = false;
            id = xml.attributes().value(QLatin1String("id")).toUInt(&ok);
            EXPECT_TRUE(ok) << "message without a numeric id in " << name.toStdString();
            EXPECT_EQ(messages.count(id), 0u) << "id " << id << " twice in " << name.toStdString();
        } else if (xml.name() == u"source") {
            messages[id].source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            messages[id].type = xml.attributes().value(QLatin1String("type")).toString();
            messages[id].translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::map<StringId, QString> BuiltIn() {
    std::map<StringId, QString> texts;
    for (const StringTableEntry& entry : BuiltInStringTable())
        texts[entry.id] = QString::fromUtf16(entry.text.data(), qsizetype(entry.text.size()));
    return texts;
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%[ds]")).globalMatch(text))
        found.append(match.captured());
    return found;
}

QString LeadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n].isSpace())
        ++n;
    return text.left(n);
}

QString TrailingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[text.size() - 1 - n].isSpace())
        ++n;
    return text.right(n);
}

TEST(LanguageFiles, GermanModuleHoldsExactlyTheBuiltInTable) {
    const auto table = BuiltIn();
    const auto german = ReadTs(QStringLiteral("de-DE.ts"));
    EXPECT_EQ(german.size(), table.size());
    for (const auto& [id, text] : table) {
        const auto message = german.find(id);
        ASSERT_NE(message, german.end()) << "de-DE.ts lacks id " << id;
        EXPECT_EQ(message->second.source, text) << id;
        EXPECT_EQ(message->second.translation, text) << id;
        EXPECT_TRUE(message->second.type.isEmpty()) << id;
    }
}

TEST(LanguageFiles, EnglishModuleTranslatesEveryIdAndNothingElse) {
    const auto table = BuiltIn();
    const auto english = ReadTs(QStringLiteral("en-EN.ts"));
    EXPECT_EQ(english.size(), table.size());
    for (const auto& [id, text] : table) {
        const auto message = english.find(id);
        ASSERT_NE(message, english.end()) << "en-EN.ts lacks id " << id;
        const QString& translation = message->second.translation;
        EXPECT_EQ(message->second.source, text) << id;
        EXPECT_FALSE(translation.trimmed().isEmpty() && !text.trimmed().isEmpty()) << id;
        EXPECT_TRUE(message->second.type.isEmpty()) << id << " is " << message->second.type.toStdString();
        EXPECT_EQ(Placeholders(translation), Placeholders(text)) << id;
        EXPECT_EQ(translation.count(u'\n'), text.count(u'\n')) << id;
        EXPECT_EQ(LeadingBlanks(translation), LeadingBlanks(text)) << id;
        EXPECT_EQ(TrailingBlanks(translation), TrailingBlanks(text)) << id;
    }
}

}  // namespace
