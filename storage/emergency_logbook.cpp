#include "storage/emergency_logbook.h"

#include "devices/emergency_text.h"
#include "devices/gear_identity.h"
#include "storage/file_replacement.h"
#include "storage/installation_report.h"
#include "storage/load_text.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStringList>

#include <array>
#include <utility>

namespace {

const QByteArray kFirstLine = "#kelvane-emergency-log 2\n";
const QByteArray kVersion1FirstLine = "#kelvane-emergency-log 1\n";
constexpr int kFieldCount = 8, kVersion1FieldCount = 7, kCsvColumns = 7;
constexpr int kMinutesPerDurationStep = 2;
constexpr StringId kCsvHeaderFirst = 593;  // date, address, name, test, result, failures, duration
constexpr StringId kLogbookTitle = 600;

constexpr std::array<std::pair<EmergencyOutcome, const char*>, 7> kOutcomeWords{{
    {EmergencyOutcome::Passed, "passed"},
    {EmergencyOutcome::Failed, "failed"},
    {EmergencyOutcome::TimedOut, "timeout"},
    {EmergencyOutcome::Cancelled, "cancelled"},
    {EmergencyOutcome::PostponedCharging, "postponed-charging"},
    {EmergencyOutcome::PostponedOtherTest, "postponed-other-test"},
    {EmergencyOutcome::Postponed, "postponed"},
}};

QByteArray outcomeWord(EmergencyOutcome outcome) {
    for (const auto& [value, word] : kOutcomeWords)
        if (value == outcome)
            return word;
    return {};
}

std::optional<EmergencyOutcome> outcomeOf(const QByteArray& word) {
    for (const auto& [value, text] : kOutcomeWords)
        if (word == text)
            return value;
    return std::nullopt;
}

QString oneLine(QString text) {
    for (QChar& c : text)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return text;
}

QString isoTime(const QDateTime& at) { return at.toUTC().toString(Qt::ISODate); }

std::optional<EmergencyLogEntry> parseLine(const QByteArray& line) {
    const QList<QByteArray> f = line.split('\t');
    if (f.size() != kFieldCount && f.size() != kVersion1FieldCount)
        return std::nullopt;
    EmergencyLogEntry e;
    e.at = QDateTime::fromString(QString::fromLatin1(f[0]), Qt::ISODate);
    bool ok = false;
    e.shortAddress = f[1].toInt(&ok);
    const std::optional<EmergencyOutcome> outcome = outcomeOf(f[3]);
    if (!e.at.isValid() || !f[0].endsWith('Z') || !ok || e.shortAddress < 0 || e.shortAddress >= kDeviceCount ||
        (f[2] != "function" && f[2] != "duration") || !outcome)
        return std::nullopt;
    e.at = e.at.toUTC();
    e.kind = f[2] == "duration" ? EmergencyTestKind::Duration : EmergencyTestKind::Function;
    e.outcome = *outcome;
    if (f[4] != "-") {
        const uint failures = f[4].toUInt(&ok, 16);
        if (!ok || f[4].size() != 2)
            return std::nullopt;
        e.failureStatus = uint8_t(failures);
    }
    if (f[5] != "-") {
        e.durationMinutes = f[5].toInt(&ok);
        if (!ok || *e.durationMinutes < 0)
            return std::nullopt;
    }
    e.name = QString::fromUtf8(f[6]);
    if (f.size() == kFieldCount && f[7] != "-") {
        f[7].toULongLong(&ok, 16);
        if (!ok || f[7].size() > 16)
            return std::nullopt;
        e.unit = QString::fromLatin1(f[7]).toUpper();
    }
    return e;
}

// The file's bytes; an absent file is empty. False when it exists but cannot be read.
bool readAll(const QString& path, QByteArray& bytes, QString& error) {
    bytes.clear();
    if (!QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

bool isLogbook(const QByteArray& bytes) {
    return bytes.isEmpty() || bytes.startsWith(kFirstLine) || bytes.startsWith(kVersion1FirstLine);
}

}  // namespace

QString EmergencyLogbookPath(const QString& projectPath) {
    const QFileInfo project(projectPath);
    return project.path() + u'/' + project.completeBaseName() + QStringLiteral(".emergency.log");
}

std::vector<EmergencyLogEntry> EmergencyLogEntries(const std::vector<EmergencyTestResult>& results,
                                                   const DeviceTable& table) {
    std::vector<EmergencyLogEntry> entries;
    entries.reserve(results.size());
    for (const EmergencyTestResult& r : results) {
        EmergencyLogEntry e;
        e.at = r.finishedAt.toUTC();
        e.at.setTime(QTime(e.at.time().hour(), e.at.time().minute(), e.at.time().second()));
        e.shortAddress = r.shortAddress;
        e.kind = r.kind;
        e.outcome = r.outcome;
        e.failureStatus = r.failureStatus;
        if (r.durationReached)
            e.durationMinutes = *r.durationReached * kMinutesPerDurationStep;
        const DeviceRecord& record = table[size_t(r.shortAddress & 0x3F)];
        e.name = record.name;
        e.unit = IdentificationText(record.identity);
        entries.push_back(std::move(e));
    }
    return entries;
}

QByteArray EmergencyLogLine(const EmergencyLogEntry& e) {
    const QString failures = e.failureStatus ? QString::asprintf("%02X", *e.failureStatus) : QStringLiteral("-");
    const QString duration = e.durationMinutes ? QString::number(*e.durationMinutes) : QStringLiteral("-");
    const QStringList fields{
        isoTime(e.at),
        QString::number(e.shortAddress),
        e.kind == EmergencyTestKind::Duration ? QStringLiteral("duration") : QStringLiteral("function"),
        QString::fromLatin1(outcomeWord(e.outcome)),
        failures,
        duration,
        oneLine(e.name),
        e.unit.isEmpty() ? QStringLiteral("-") : e.unit};
    return fields.join(u'\t').toUtf8() + '\n';
}

bool AppendToEmergencyLogbook(const QString& path, const std::vector<EmergencyLogEntry>& entries, QString& error) {
    QByteArray bytes;
    if (!readAll(path, bytes, error))
        return false;
    if (!isLogbook(bytes)) {  // someone else's file: leave it alone
        error = QStringLiteral("%1: not an emergency logbook").arg(path);
        return false;
    }
    if (bytes.startsWith(kVersion1FirstLine))  // its lines stay; new ones carry the unit
        bytes.replace(0, kVersion1FirstLine.size(), kFirstLine);
    if (bytes.isEmpty())
        bytes = kFirstLine;
    else if (!bytes.endsWith('\n'))  // a last line cut off: it stays one line of its own
        bytes += '\n';
    for (const EmergencyLogEntry& e : entries)
        bytes += EmergencyLogLine(e);
    FileReplacement file(path);
    if (!file.Write(bytes) || !file.Commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

std::optional<EmergencyLogbook> ReadEmergencyLogbook(const QString& path, QString& error) {
    QByteArray bytes;
    if (!readAll(path, bytes, error))
        return std::nullopt;
    if (!isLogbook(bytes)) {
        error = QStringLiteral("%1: not an emergency logbook").arg(path);
        return std::nullopt;
    }
    EmergencyLogbook logbook;
    const QList<QByteArray> lines = bytes.mid(bytes.indexOf('\n') + 1).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty())
            continue;
        if (std::optional<EmergencyLogEntry> entry = parseLine(line))
            logbook.entries.push_back(std::move(*entry));
        else
            ++logbook.skippedLines;
    }
    return logbook;
}

QStringList EmergencyLogbookHeader(const QString& languageModulePath) {
    QStringList header;
    for (StringId id = kCsvHeaderFirst; id < kCsvHeaderFirst + kCsvColumns; ++id)
        header << LoadText(id, languageModulePath);
    return header;
}

QStringList EmergencyLogbookRow(const EmergencyLogEntry& e, const QString& languageModulePath) {
    return {e.at.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            QString::number(e.shortAddress),
            e.name,
            EmergencyTestKindText(e.kind, languageModulePath),
            EmergencyOutcomeText(e.outcome, languageModulePath),
            EmergencyBitsText(EmergencyBits::Failure, e.failureStatus, languageModulePath),
            e.durationMinutes ? QString::number(*e.durationMinutes) : QString()};
}

QByteArray EmergencyLogbookCsv(const std::vector<EmergencyLogEntry>& entries, const QString& languageModulePath) {
    std::vector<QStringList> rows;
    rows.reserve(entries.size());
    for (const EmergencyLogEntry& e : entries)
        rows.push_back(EmergencyLogbookRow(e, languageModulePath));
    return CsvDocument(EmergencyLogbookHeader(languageModulePath), rows, CsvSeparator(languageModulePath));
}

QString EmergencyLogbookHtml(const std::vector<EmergencyLogEntry>& entries, const QString& languageModulePath) {
    std::vector<QStringList> rows;
    rows.reserve(entries.size());
    for (const EmergencyLogEntry& e : entries)
        rows.push_back(EmergencyLogbookRow(e, languageModulePath));
    return QStringLiteral("<html><body><h1>%1</h1>").arg(LoadText(kLogbookTitle, languageModulePath).toHtmlEscaped()) +
           ReportTableHtml({QString(), EmergencyLogbookHeader(languageModulePath), rows}) + QStringLiteral("</body></html>");
}
