#include "storage/unit_lines.h"

#include "devices/gear_identity.h"

#include <QDateTime>
#include <QStringList>

namespace {

constexpr uint64_t kGtinLimit = uint64_t{1} << 48;

}  // namespace

QString FormatUnitLine(int address, const DeviceRecord& record) {
    QStringList words;
    if (record.placedAt != 0)
        words << QStringLiteral("placed=") +
                     QDateTime::fromSecsSinceEpoch(record.placedAt, Qt::UTC).toString(Qt::ISODate);
    const std::pair<const char*, QString> parts[] = {{"gtin=", GtinText(record.identity)},
                                                     {"firmware=", FirmwareText(record.identity)},
                                                     {"id=", IdentificationText(record.identity)}};
    for (const auto& [key, text] : parts)
        if (!text.isEmpty())
            words << QLatin1String(key) + text;
    if (words.isEmpty())
        return {};
    return kUnitTag + QString::asprintf("%02X ", unsigned(address & 0x3F)) + words.join(QLatin1Char(' '));
}

void ReadUnitWords(QStringView words, DeviceRecord& record) {
    for (QStringView word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype eq = word.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QStringView key = word.left(eq), value = word.mid(eq + 1);
        bool ok = false;
        if (key == u"placed") {
            const QDateTime at = QDateTime::fromString(value.toString(), Qt::ISODate);
            if (at.isValid() && value.endsWith(QLatin1Char('Z')))
                record.placedAt = at.toSecsSinceEpoch();
        } else if (key == u"gtin") {
            const qulonglong gtin = value.toULongLong(&ok);
            if (ok && gtin < kGtinLimit)
                record.identity.gtin = gtin;
        } else if (key == u"firmware") {
            const QList<QStringView> parts = value.split(QLatin1Char('.'));
            const uint major = parts.size() == 2 ? parts[0].toUInt(&ok) : 0;
            bool minorOk = false;
            const uint minor = ok ? parts[1].toUInt(&minorOk) : 0;
            if (ok && minorOk && major < 256 && minor < 256)
                record.identity.firmware = std::array<uint8_t, 2>{uint8_t(major), uint8_t(minor)};
        } else if (key == u"id" && (value.size() == 8 || value.size() == 16)) {
            const qulonglong id = value.toULongLong(&ok, 16);
            if (ok) {
                record.identity.identificationNumber = id;
                record.identity.identificationBytes = int(value.size() / 2);
            }
        }
    }
}
