#include "storage/device_lines.h"

#include "storage/colour_lines.h"
#include "storage/plan_lines.h"
#include "storage/unit_lines.h"
#include "storage/text_file_writer.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {

constexpr int kValueMaxLevel = 1, kValueMinLevel = 2, kValueFailureLevel = 3, kValuePowerOnLevel = 4,
              kValueGroupsLow = 5, kValueGroupsHigh = 6, kValueFadeRate = 7, kValueFadeTime = 8,
              kValueDimmingCurve = 9, kValueFastFadeTime = 10, kValueFirstScene = 11;
constexpr uint32_t kReadStateProject = 7;
constexpr uint8_t kActualLevelUnknown = 255;
constexpr qint64 kChunkBytes = qint64{64} * 1024;
constexpr char16_t kByteOrderMark = 0xFEFF;
// A comment line keeps room for its tag and an escaped text of full length.
constexpr qsizetype kCommentLineKept = 32 + 2 * kMaxProjectTextLength;

const QString kNameTag = QStringLiteral("#kelvane-name ");
// "#kelvane-unread 05 parameters scenes": the gear at 05 did not answer for
// these parts when the project was saved; their digits are no values.
const QString kUnreadTag = QStringLiteral("#kelvane-unread ");
struct UnreadPart {
    const char* word;
    uint32_t readBit;
};
constexpr UnreadPart kUnreadParts[] = {{"parameters", kReadStateParameters}, {"scenes", kReadStateScenes}};
struct HeaderTag {
    const char* tag;
    QString ProjectHeader::*field;
};
const HeaderTag kHeaderTags[] = {
    {"#kelvane-project ", &ProjectHeader::project},
    {"#kelvane-site ", &ProjectHeader::site},
    {"#kelvane-installer ", &ProjectHeader::installer},
    {"#kelvane-notes ", &ProjectHeader::notes},
};

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

uint8_t pieceValue(QStringView piece) {
    qsizetype i = 0;
    while (i < piece.size() && QStringView(u" \t\n\v\f\r").contains(piece[i]))
        ++i;
    bool negative = false;
    if (i < piece.size() && (piece[i] == QLatin1Char('+') || piece[i] == QLatin1Char('-')))
        negative = piece[i++] == QLatin1Char('-');
    int value = 0;
    for (; i < piece.size() && hexDigit(piece[i]) >= 0; ++i)
        value = value * 16 + hexDigit(piece[i]);
    return uint8_t(negative ? -value : value);
}

// One line as the readers see it: its first characters (at most one line's
// worth of values) and whether it is a comment or empty.
struct LineStart {
    QString text;
    bool comment = false;
    bool empty = false;
};

// Reads the file's lines in order, holding only the start of each. A
// carriage return that ends a line is not part of it. `visit` returns false
// to stop. False when the file cannot be opened.
bool forEachLine(const QString& path, const std::function<bool(const LineStart&)>& visit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    LineStart line;
    qsizetype length = 0;  // the whole line's length, beyond what is kept
    bool lastWasReturn = false;
    bool first = true;
    // A device line's values fit in its first characters; a comment may carry a text.
    const auto kept = [&line] {
        return !line.text.isEmpty() && line.text[0] == QLatin1Char('#') ? kCommentLineKept : kDeviceLineLength + 1;
    };
    const auto endLine = [&] {
        if (lastWasReturn && length <= kept() && !line.text.isEmpty())
            line.text.chop(1);
        line.empty = length - (lastWasReturn ? 1 : 0) == 0;
        line.comment = !line.text.isEmpty() && line.text[0] == QLatin1Char('#');
        const bool more = visit(line);
        line = LineStart{};
        length = 0;
        lastWasReturn = false;
        return more;
    };
    qint64 total = 0;
    QByteArray pending;
    while (total < kMaxDeviceFileBytes) {
        QByteArray chunk = file.read(std::min(kChunkBytes, kMaxDeviceFileBytes - total));
        if (chunk.isEmpty())
            break;
        total += chunk.size();
        pending += chunk;
        const qsizetype units = pending.size() / 2;
        for (qsizetype u = 0; u < units; ++u) {
            const char16_t c = char16_t(uint8_t(pending[2 * u]) | uint8_t(pending[2 * u + 1]) << 8);
            if (first) {
                first = false;
                if (c == kByteOrderMark)
                    continue;
            }
            if (c == u'\n') {
                if (!endLine())
                    return true;
                continue;
            }
            lastWasReturn = c == u'\r';
            if (line.text.size() < kept())
                line.text.append(QChar(c));
            ++length;
        }
        pending = pending.right(pending.size() % 2);
    }
    // A last line without a line feed counts as well; a last odd byte does not.
    if (length > 0)
        endLine();
    return true;
}

void fillRecord(DeviceRecord& record, const std::array<uint8_t, kDeviceLineValues>& v) {
    record.maxLevel = v[kValueMaxLevel];
    record.minLevel = v[kValueMinLevel];
    record.systemFailureLevel = v[kValueFailureLevel];
    record.powerOnLevel = v[kValuePowerOnLevel];
    record.groupsLow = v[kValueGroupsLow];
    record.groupsHigh = v[kValueGroupsHigh];
    record.groupMask = uint16_t(v[kValueGroupsHigh] << 8 | v[kValueGroupsLow]);
    record.fadeRate = v[kValueFadeRate];
    record.fadeTime = v[kValueFadeTime];
    record.dimmingCurve = v[kValueDimmingCurve];
    record.fastFadeTime = v[kValueFastFadeTime];
    record.actualLevel = kActualLevelUnknown;
    for (size_t i = 0; i < kSceneCount; ++i)
        record.sceneLevel[i] = v[kValueFirstScene + i];
}

// A text as one line of the file, and back.
QString escapedText(const QString& text) {
    QString line = CutText(text, kMaxProjectTextLength);
    line.remove(QLatin1Char('\r'));
    return line.replace(QLatin1String("\\"), QLatin1String("\\\\")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

QString unescapedText(QStringView line) {
    QString text;
    for (qsizetype i = 0; i < line.size() && text.size() <= kMaxProjectTextLength; ++i) {
        if (line[i] == QLatin1Char('\\') && i + 1 < line.size() &&
            (line[i + 1] == QLatin1Char('n') || line[i + 1] == QLatin1Char('\\'))) {
            text += line[++i] == QLatin1Char('n') ? QLatin1Char('\n') : QLatin1Char('\\');
            continue;
        }
        text += line[i];
    }
    return CutText(text, kMaxProjectTextLength);
}

// The record a tagged line names ("<tag>05 …"), when the file holds it.
DeviceRecord* taggedRecord(QStringView line, qsizetype tagSize, DeviceTable& table) {
    const QStringView rest = line.mid(tagSize);
    if (rest.size() < 3 || rest[2] != QLatin1Char(' ') || hexDigit(rest[0]) < 0 || hexDigit(rest[1]) < 0)
        return nullptr;
    const int address = hexDigit(rest[0]) * 16 + hexDigit(rest[1]);
    return address < kDeviceCount && table[size_t(address)].present == 1 ? &table[size_t(address)] : nullptr;
}

// "#kelvane-name 05 Empfang": the name of a record the file holds.
void readNameLine(QStringView line, DeviceTable& table) {
    if (DeviceRecord* record = taggedRecord(line, kNameTag.size(), table))
        record->name = unescapedText(line.mid(kNameTag.size() + 3));
}

void readUnreadLine(QStringView line, DeviceTable& table) {
    DeviceRecord* record = taggedRecord(line, kUnreadTag.size(), table);
    if (!record)
        return;
    for (QStringView word : line.mid(kUnreadTag.size() + 3).split(QLatin1Char(' ')))
        for (const UnreadPart& part : kUnreadParts)
            if (word == QLatin1String(part.word))
                record->readState &= ~part.readBit;
}

QString unreadLine(const DeviceRecord& record, int address) {
    QString parts;
    for (const UnreadPart& part : kUnreadParts)
        if (!(record.readState & part.readBit))
            parts += QLatin1Char(' ') + QLatin1String(part.word);
    return parts.isEmpty() ? QString() : kUnreadTag + QString::asprintf("%02X", unsigned(address)) + parts + u'\n';
}

// The colour of a record the file holds; it counts as read.
void readColourLine(QStringView line, DeviceTable& table) {
    const auto parsed = ParseColourLine(line);
    if (!parsed || table[size_t(parsed->first)].present != 1)
        return;
    DeviceRecord& record = table[size_t(parsed->first)];
    record.colour = parsed->second;
    record.readState |= kReadStateColour;
}

void readCommentLine(QStringView line, DeviceTable& table, ProjectHeader* header) {
    if (line.startsWith(kNameTag)) {
        readNameLine(line, table);
        return;
    }
    if (line.startsWith(kColourTag)) {
        readColourLine(line, table);
        return;
    }
    if (line.startsWith(kUnreadTag)) {
        readUnreadLine(line, table);
        return;
    }
    if (line.startsWith(kUnitTag)) {
        if (DeviceRecord* record = taggedRecord(line, kUnitTag.size(), table))
            ReadUnitWords(line.mid(kUnitTag.size() + 3), *record);
        return;
    }
    if (!header)
        return;
    for (const HeaderTag& tag : kHeaderTags)
        if (line.startsWith(QLatin1String(tag.tag)))
            (*header).*tag.field = unescapedText(line.mid(qsizetype(qstrlen(tag.tag))));
}

}  // namespace

QString FormatDeviceLine(const DeviceTable& table, int address) {
    const DeviceRecord& r = table[size_t(address & 0x3F)];
    QString line = QString::asprintf("%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X%02X", unsigned(address & 0x3F),
                                     r.maxLevel, r.minLevel, r.systemFailureLevel, r.powerOnLevel, r.groupsLow,
                                     r.groupsHigh, r.fadeRate, r.fadeTime, r.dimmingCurve, r.fastFadeTime);
    for (uint8_t level : r.sceneLevel)
        line += QString::asprintf("%02X", level);
    return line;
}

std::array<uint8_t, kDeviceLineValues> ParseDeviceLine(QStringView line) {
    std::array<uint8_t, kDeviceLineValues> values{};
    for (qsizetype k = 0; k < kDeviceLineValues && 2 * k < line.size(); ++k)
        values[size_t(k)] = pieceValue(line.mid(2 * k, 2));
    return values;
}

bool WriteProjectFile(const QString& path, const DeviceTable& table, const ProjectHeader& header,
                      const FloorPlans& plans) {
    TextFileWriter writer(path);
    for (int a = 0; a < kDeviceCount; ++a)
        if (table[size_t(a)].present == 1)
            writer.Write(FormatDeviceLine(table, a) + QLatin1Char('\n'));
    for (int a = 0; a < kDeviceCount; ++a)
        if (table[size_t(a)].present == 1 && !table[size_t(a)].name.isEmpty())
            writer.Write(kNameTag + QString::asprintf("%02X ", unsigned(a)) + escapedText(table[size_t(a)].name) +
                         QLatin1Char('\n'));
    for (int a = 0; a < kDeviceCount; ++a)
        if (table[size_t(a)].present == 1 && table[size_t(a)].colour.features != 0)
            writer.Write(FormatColourLine(a, table[size_t(a)].colour) + QLatin1Char('\n'));
    for (int a = 0; a < kDeviceCount; ++a)
        if (table[size_t(a)].present == 1)
            writer.Write(unreadLine(table[size_t(a)], a));
    for (int a = 0; a < kDeviceCount; ++a)
        if (const QString unit = FormatUnitLine(a, table[size_t(a)]); table[size_t(a)].present == 1 && !unit.isEmpty())
            writer.Write(unit + QLatin1Char('\n'));
    for (const HeaderTag& tag : kHeaderTags)
        if (!(header.*tag.field).isEmpty())
            writer.Write(QLatin1String(tag.tag) + escapedText(header.*tag.field) + QLatin1Char('\n'));
    if (!plans.isEmpty())
        writer.Write(FormatPlanLines(plans, QFileInfo(path).absolutePath()));
    return writer.Close();
}

int ReadProjectFile(const QString& path, DeviceTable& table, ProjectHeader* header, FloorPlans* plans,
                    int* skippedPlanLines) {
    ResetTable(table);
    if (header)
        *header = {};
    PlanLineReader planLines(QFileInfo(path).absolutePath());
    int kept = 0;
    forEachLine(path, [&](const LineStart& line) {
        if (line.comment && !planLines.Read(line.text))
            readCommentLine(line.text, table, header);
        // Only 64 records exist: a line for another address has no place,
        // nor a line past the 64th; the comment lines after them still count.
        if (line.comment || line.empty || kept >= kDeviceCount)
            return true;
        const auto values = ParseDeviceLine(line.text);
        if (values[0] >= kDeviceCount)
            return true;
        DeviceRecord& record = table[values[0]];
        fillRecord(record, values);
        record.present = 1;
        // A later line of the address takes its values; a colour line read before stays with its bit.
        record.readState = kReadStateProject | (record.colour.features != 0 ? kReadStateColour : 0);
        ++kept;
        return true;
    });
    int skipped = 0;
    FloorPlans read = planLines.Plans(skipped);
    if (plans)
        *plans = std::move(read);
    if (skippedPlanLines)
        *skippedPlanLines = skipped;
    return kept;
}

bool WriteDeviceFile(const QString& path, const DeviceTable& table, int address) {
    TextFileWriter writer(path);
    writer.Write(FormatDeviceLine(table, address) + QLatin1Char('\n'));
    if (const ColourSettings& colour = table[size_t(address & 0x3F)].colour; colour.features != 0)
        writer.Write(FormatColourLine(address, colour) + QLatin1Char('\n'));
    return writer.Close();
}

bool ReadDeviceFile(const QString& path, DeviceRecord& record) {
    QString last;
    std::optional<ColourSettings> colour;
    const bool opened = forEachLine(path, [&](const LineStart& line) {
        if (!line.comment)
            last = line.text;
        else if (const auto parsed = ParseColourLine(line.text))
            colour = parsed->second;
        return true;
    });
    if (opened) {
        fillRecord(record, ParseDeviceLine(last));
        record.colour = colour.value_or(ColourSettings{});
    }
    return opened;
}
