#include "storage/installation_report.h"

#include "devices/colour_text.h"
#include "devices/device_store.h"
#include "devices/fade_text.h"
#include "devices/gear_identity.h"
#include "devices/level_text.h"
#include "storage/load_text.h"
#include "storage/luminaire_report.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace {

constexpr StringId kCurveHeader = 114, kLogarithmic = 122, kLinear = 147, kAddressHeader = 470, kProjectLabel = 501,
                   kSiteLabel = 502, kInstallerLabel = 503, kNotesLabel = 504, kTitle = 610, kMadeOn = 611,
                   kInterfaceLine = 612, kProjectFileLine = 613, kGearCount = 614, kTypeCount = 615, kUnknown = 616,
                   kNameHeader = 617, kTypeHeader = 618, kMinHeader = 619, kMaxHeader = 620, kPowerOnHeader = 621,
                   kFailureHeader = 622, kPercentHeader = 623, kFadeTimeHeader = 624, kFadeRateHeader = 625,
                   kFastFadeHeader = 626, kGearHeading = 627, kGroupsHeading = 628, kScenesHeading = 629,
                   kNotReadLegend = 630, kMaskLegend = 631, kCsvSeparator = 632, kDecimalMark = 633,
                   kOfflineLine = 634, kColourHeading = 637, kColourType = 638, kCurrentColour = 639,
                   kCoolest = 700, kWarmest = 701, kPhysical = 702, kPowerOnColour = 703, kFailureColour = 704,
                   kEmergencyLegend = 710, kProgramName = 57344, kPageNumbers = 721, kHandoverHeading = 722,
                   kHandoverDate = 723, kCustomer = 724, kSignature = 725, kFadeRateZero = 726,
                   kUnclearAddresses = 727, kSerialHeader = 729, kGtinHeader = 730, kFirmwareHeader = 731,
                   kIdentityHeading = 732;

const QString kNotRead = QStringLiteral("?");
const QString kMaskShown = QStringLiteral("—");

// Escaped for HTML; a text of several lines (notes) keeps its lines.
QString escaped(const QString& text) { return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")); }

// A header cell's words stay whole: each on its own line if the column is narrow.
QString headerCellHtml(const QString& text) {
    QStringList words;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words << escaped(word);
    return QStringLiteral("<th style=\"white-space: nowrap\">%1</th>").arg(words.join(QStringLiteral("<br>")));
}

// A text a spreadsheet would take for a formula ("=HYPERLINK(…)", "-2+3",
// "@SUM") is written with a leading apostrophe, which shows it as text;
// plain numbers, negative ones too, stay numbers.
bool looksLikeFormula(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+([.,][0-9]+)?$"));
    return !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front()) && !number.match(text).hasMatch();
}

QString csvField(const QString& text, QChar separator) {
    const bool formula = looksLikeFormula(text);
    if (!formula && !text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    const QString cell = formula ? QLatin1Char('\'') + text : text;
    return QLatin1Char('"') + QString(cell).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QStringList numberedHeader(const QString& first) {
    QStringList header{first};
    for (int i = 0; i < 16; ++i)
        header << QString::number(i);
    return header;
}

// The first letters of up to three words of a name: "Empfang Downlight 1" -> "ED1".
QString initialsOf(const QString& name) {
    QString initials;
    for (const QString& word : name.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(0, 3))
        initials += word.front().toUpper();
    return initials;
}

// A gear of several device types counts once under each of them.
std::vector<uint8_t> typesOf(const DeviceRecord& r) {
    return r.deviceTypes.empty() ? std::vector<uint8_t>{r.deviceType} : r.deviceTypes;
}

QString typeText(const DeviceRecord& r) {
    QStringList types;
    for (uint8_t type : typesOf(r))
        types << QString::number(type);
    return types.join(QStringLiteral(", "));
}

// Builds the report's cells in one language, noting which marks it used.
class ReportWriter {
public:
    ReportWriter(const QString& module) : module_(module), decimalMark_(text(kDecimalMark)) {}

    QString text(StringId id) const { return LoadText(id, module_); }
    const QString& module() const { return module_; }

    // "85 (0.991%)" for the PDF; "85" and "0,991" for the CSV.
    QString levelCell(bool read, uint8_t level, uint8_t curve) {
        if (!read)
            return notRead();
        if (level == kLevelMask)
            return mask();
        return QStringLiteral("%1 (%2)").arg(level).arg(LevelText(level, curve).trimmed());
    }
    QStringList levelCsv(bool read, uint8_t level, uint8_t curve) {
        if (!read)
            return {notRead(), notRead()};
        if (level == kLevelMask)
            return {QStringLiteral("MASK"), QString()};
        return {QString::number(level), decimal(LevelText(level, curve).remove(QLatin1Char('%')).trimmed())};
    }
    // A colour temperature, or the channels' levels of a gear without one.
    QString colourCell(const ColourSettings& colour, uint16_t mirek, const ChannelLevels& levels) {
        const QString shown = colour.tunableWhite() ? KelvinText(mirek) : ChannelLevelsText(colour, levels);
        return shown.isEmpty() ? mask() : shown;
    }
    QString kelvinCell(uint16_t mirek) {
        const QString shown = KelvinText(mirek);
        return shown.isEmpty() ? mask() : shown;
    }
    QString decimal(QString number) const { return number.replace(QLatin1Char('.'), decimalMark_); }
    QString notRead() {
        usedNotRead = true;
        return kNotRead;
    }
    QString mask() {
        usedMask = true;
        return kMaskShown;
    }

    bool usedNotRead = false;
    bool usedMask = false;

private:
    const QString& module_;
    QString decimalMark_;
};

void addTitleBlock(InstallationReport& report, const DeviceStore& store, const ReportSource& source,
                   const ReportWriter& w) {
    report.title = w.text(kTitle);
    const ProjectHeader& header = store.projectHeader;
    const std::pair<StringId, const QString*> fields[] = {
        {kProjectLabel, &header.project},
        {kSiteLabel, &header.site},
        {kInstallerLabel, &header.installer},
        {kNotesLabel, &header.notes},
    };
    for (const auto& [label, value] : fields)
        if (!value->isEmpty())
            report.titleLines << w.text(label) + QLatin1Char(' ') + *value;
    report.titleLines << w.text(kMadeOn).arg(source.madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (source.online)
        report.titleLines << w.text(kInterfaceLine).arg(source.serial, source.revision);
    else if (!source.projectFile.isEmpty())
        report.titleLines << w.text(kProjectFileLine).arg(source.projectFile);
    else
        report.titleLines << w.text(kOfflineLine);
    report.titleLines << w.text(kGearCount).arg(store.PresentCount());
    // Offline the device type is not known: the project file does not hold it.
    std::map<int, int> perType;
    for (const DeviceRecord& r : store.workingTable) {
        if (r.present != 1)
            continue;
        if (!source.online)
            ++perType[-1];
        else
            for (uint8_t type : typesOf(r))
                ++perType[type];
    }
    for (const auto& [type, count] : perType)
        report.titleLines << w.text(kTypeCount).arg(type < 0 ? w.text(kUnknown) : QString::number(type)).arg(count);
    // Taken, but no record can show a gear there (several gear answering at once, among others).
    QStringList unclear;
    for (int a = 0; a < kDeviceCount; ++a)
        if (store.unclearAddresses.test(size_t(a)))
            unclear << QString::number(a);
    if (!unclear.isEmpty())
        report.titleLines << w.text(kUnclearAddresses).arg(unclear.join(QStringLiteral(", ")));

    const QString project = !header.project.isEmpty() ? header.project : source.projectFile;
    QStringList foot{source.madeAt.toString(QStringLiteral("yyyy-MM-dd")),
                     QString(w.text(kProgramName) + QLatin1Char(' ') + source.programVersion).trimmed()};
    if (!project.isEmpty())
        foot.prepend(project);
    report.footer = foot.join(QStringLiteral(" · "));
    report.pageNumbers = w.text(kPageNumbers);
}

ReportSection handoverBlock(const DeviceStore& store, const ReportWriter& w) {
    const QString blank(32, u'_');
    const QString& installer = store.projectHeader.installer;
    const QString signature = QStringLiteral("\n\n\n") + blank + QLatin1Char('\n') + w.text(kSignature);
    return {w.text(kHandoverHeading),
            {w.text(kHandoverDate).arg(blank),
             w.text(kInstallerLabel) + QLatin1Char(' ') + (installer.isEmpty() ? blank : installer),
             w.text(kCustomer) + QLatin1Char(' ') + blank},
            {QString(), {w.text(kInstallerLabel), w.text(kCustomer)}, {{signature, signature}}}};
}

// Gear that are colour gear by their device types online, or by the colour
// settings a project file gave them offline. Stored colours come from what
// Kelvane stored or the file says; the gear cannot be asked for them.
ReportTable colourTable(const DeviceStore& store, ReportWriter& w) {
    ReportTable table{w.text(kColourHeading),
                      {w.text(kAddressHeader), w.text(kNameHeader), w.text(kColourType), w.text(kCurrentColour),
                       w.text(kCoolest), w.text(kWarmest), w.text(kPhysical), w.text(kPowerOnColour),
                       w.text(kFailureColour)},
                      {}};
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& r = store.workingTable[size_t(a)];
        const ColourSettings& c = r.colour;
        if (r.present != 1 || (!HasDeviceType(r, dali::kDeviceTypeColour) && c.features == 0))
            continue;
        QStringList row{QString::number(a), r.name};
        if (c.features == 0) {
            for (int cell = 2; cell < table.header.size(); ++cell)
                row << w.notRead();
            table.rows.push_back(row);
            continue;
        }
        const bool tc = c.tunableWhite();
        const int warmest = KelvinFromMirek(c.physicalWarmest), coolest = KelvinFromMirek(c.physicalCoolest);
        const QString physical =
            tc && warmest > 0 && coolest > 0 ? QStringLiteral("%1–%2 K").arg(warmest).arg(coolest) : w.mask();
        row << ColourTypeText(c, w.module()) << w.colourCell(c, c.mirek, c.levels)
            << (tc ? w.kelvinCell(c.coolest) : w.mask()) << (tc ? w.kelvinCell(c.warmest) : w.mask())
            << physical << w.colourCell(c, c.powerOnMirek, c.powerOnLevels)
            << w.colourCell(c, c.systemFailureMirek, c.systemFailureLevels);
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace

QString ReportTableHtml(const ReportTable& table) {
    QString html = table.heading.isEmpty() ? QString() : QStringLiteral("<h2>%1</h2>").arg(escaped(table.heading));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    for (const QString& cell : table.header)
        html += headerCellHtml(cell);
    html += QStringLiteral("</tr></thead>");
    // A value and its percent stay on one line.
    for (const QStringList& row : table.rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td style=\"white-space: nowrap\">%1</td>").arg(escaped(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

InstallationReport BuildInstallationReport(const DeviceStore& store, const ReportSource& source,
                                           const QString& languageModulePath) {
    InstallationReport report;
    ReportWriter w(languageModulePath);
    addTitleBlock(report, store, source, w);

    const QString levels[] = {w.text(kMinHeader), w.text(kMaxHeader), w.text(kPowerOnHeader),
                              w.text(kFailureHeader)};
    report.gear.heading = w.text(kGearHeading);
    report.gear.header = {w.text(kAddressHeader), w.text(kNameHeader), w.text(kTypeHeader), w.text(kCurveHeader)};
    report.csvHeader = report.gear.header;
    for (const QString& level : levels) {
        report.gear.header << level;
        report.csvHeader << level << w.text(kPercentHeader).arg(level);
    }
    const QStringList fades = {w.text(kFadeTimeHeader), w.text(kFadeRateHeader), w.text(kFastFadeHeader)};
    report.gear.header << fades;
    report.csvHeader << fades;
    // What bank 0 says, where it was read: the columns only when any gear has it.
    const bool identities = std::any_of(store.workingTable.begin(), store.workingTable.end(),
                                        [](const DeviceRecord& r) { return r.present == 1 && r.identity.known(); });
    // The printed gear table has no room left: they get a table of their own.
    if (identities) {
        const QStringList columns{w.text(kSerialHeader), w.text(kGtinHeader), w.text(kFirmwareHeader)};
        report.identities = {w.text(kIdentityHeading), QStringList{w.text(kAddressHeader), w.text(kNameHeader)} + columns, {}};
        report.csvHeader << columns;
    }
    report.csvSeparator = w.text(kCsvSeparator).front();
    report.groups = {w.text(kGroupsHeading), numberedHeader(w.text(kAddressHeader)), {}};
    report.scenes = {w.text(kScenesHeading), numberedHeader(w.text(kAddressHeader)), {}};

    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& r = store.workingTable[size_t(a)];
        if (r.present != 1)
            continue;
        report.present[size_t(a)] = true;
        report.initials[size_t(a)] = initialsOf(r.name);
        report.emergency[size_t(a)] = source.online && HasDeviceType(r, dali::kDeviceTypeEmergency);
        const bool read = r.readState & kReadStateParameters;
        const QString address = QString::number(a);
        const QString type = source.online ? typeText(r) : w.text(kUnknown);
        const QString curve = read ? w.text(r.dimmingCurve != 0 ? kLinear : kLogarithmic) : w.notRead();
        QStringList row{address, r.name, type, curve};
        QStringList csv = row;
        for (uint8_t level : {r.minLevel, r.maxLevel, r.powerOnLevel, r.systemFailureLevel}) {
            row << w.levelCell(read, level, r.dimmingCurve);
            csv << w.levelCsv(read, level, r.dimmingCurve);
        }
        const auto fade = [&](const QStringList& entries, uint8_t value) {
            return read ? FadeEntry(entries, value) : w.notRead();
        };
        // Fade rate 0 is no rate a gear can hold; the combo box's "Impossible" is not the report's language.
        const QString fadeRate = read && r.fadeRate == 0 ? w.text(kFadeRateZero) : fade(FadeRateEntries(), r.fadeRate);
        const QStringList fadeCells = {fade(FadeTimeEntries(), r.fadeTime), fadeRate,
                                       fade(FastFadeTimeEntries(), r.fastFadeTime)};
        row << fadeCells;
        csv << w.decimal(fadeCells[0]) << w.decimal(fadeCells[1]) << QString(fadeCells[2]).remove(QStringLiteral("ms"));
        if (identities) {
            const QStringList cells{IdentificationText(r.identity), GtinText(r.identity), FirmwareText(r.identity)};
            if (r.identity.known())
                report.identities.rows.push_back(QStringList{address, r.name} + cells);
            csv << cells;
        }
        report.gear.rows.push_back(row);
        report.csvRows.push_back(csv);

        QStringList groups{address};
        for (int g = 0; g < 16; ++g)
            groups << (!read ? w.notRead() : (r.groupMask >> g) & 1 ? QStringLiteral("●") : QString());
        report.groups.rows.push_back(groups);

        QStringList scenes{address};
        const bool scenesRead = r.readState & kReadStateScenes;
        for (uint8_t level : r.sceneLevel)
            scenes << (!scenesRead ? w.notRead() : level == kLevelMask ? w.mask() : QString::number(level));
        report.scenes.rows.push_back(scenes);
    }
    report.colour = colourTable(store, w);
    AddLuminaireTable(report, store.workingTable, languageModulePath);
    report.handover = handoverBlock(store, w);
    report.plans = PlanReport(store, languageModulePath);
    if (w.usedNotRead)
        report.legendLines << w.text(kNotReadLegend);
    if (w.usedMask)
        report.legendLines << w.text(kMaskLegend);
    if (std::find(report.emergency.begin(), report.emergency.end(), true) != report.emergency.end())
        report.legendLines << w.text(kEmergencyLegend);
    return report;
}

QString CsvLine(const QStringList& cells, QChar separator) {
    QStringList fields;
    for (const QString& cell : cells)
        fields << csvField(cell, separator);
    return fields.join(separator) + QLatin1Char('\n');
}

QChar CsvSeparator(const QString& languageModulePath) { return LoadText(kCsvSeparator, languageModulePath).front(); }

QByteArray CsvDocument(const QStringList& header, const std::vector<QStringList>& rows, QChar separator) {
    QString text = CsvLine(header, separator);
    for (const QStringList& row : rows)
        text += CsvLine(row, separator);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray GearTableCsv(const InstallationReport& report) {
    return CsvDocument(report.csvHeader, report.csvRows, report.csvSeparator);
}


QString ReportHtml(const InstallationReport& report) {
    QString html = QStringLiteral("<html><body><h1>%1</h1>").arg(escaped(report.title));
    for (const QString& line : report.titleLines)
        html += QStringLiteral("<p>%1</p>").arg(escaped(line));
    html += QStringLiteral("<p><img src=\"%1\"></p>").arg(QLatin1String(kReportMatrixImage));
    for (const QString& line : report.legendLines)
        html += QStringLiteral("<p>%1</p>").arg(escaped(line));
    html += ReportTableHtml(report.gear);
    if (!report.identities.rows.empty())
        html += ReportTableHtml(report.identities);
    html += ReportTableHtml(report.groups) + ReportTableHtml(report.scenes);
    if (!report.colour.rows.empty())
        html += ReportTableHtml(report.colour);
    if (!report.luminaires.rows.empty())
        html += ReportTableHtml(report.luminaires);
    for (size_t p = 0; p < report.plans.size(); ++p) {
        const ReportPlan& plan = report.plans[p];
        html += QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2><p><img src=\"%2\"></p>")
                    .arg(escaped(plan.heading), ReportPlanImage(int(p)));
        if (!plan.rows.empty())
            html += ReportTableHtml({QString(), plan.tableHeader, plan.rows});
    }
    std::vector<ReportSection> sections = report.sections;
    sections.push_back(report.handover);
    for (const ReportSection& section : sections) {
        html += QStringLiteral("<h2>%1</h2>").arg(escaped(section.heading));
        for (const QString& line : section.lines)
            html += QStringLiteral("<p>%1</p>").arg(escaped(line));
        if (!section.table.header.isEmpty())
            html += ReportTableHtml(section.table);
    }
    return html + QStringLiteral("</body></html>");
}
