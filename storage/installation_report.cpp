#include "storage/installation_report.h"

#include "devices/device_store.h"
#include "devices/level_text.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kLinear = 147, kLogarithmic = 122;
const QString kMaskShown = QStringLiteral("—");

QString levelCell(uint8_t level, uint8_t curve) {
    return level == 255 ? kMaskShown : QStringLiteral("%1 (%2)").arg(level).arg(LevelText(level, curve).trimmed());
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString tableHtml(const QStringList& header, const std::vector<QStringList>& rows) {
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><thead><tr>");
    for (const QString& cell : header)
        html += QStringLiteral("<th>%1</th>").arg(escaped(cell));
    html += QStringLiteral("</tr></thead>");
    // A value and its percent stay on one line.
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td style=\"white-space: nowrap\">%1</td>").arg(escaped(cell));
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QStringList numbered(const QString& first) {
    QStringList header{first};
    for (int i = 0; i < 16; ++i)
        header << QString::number(i);
    return header;
}

}  // namespace

InstallationReport BuildInstallationReport(const DeviceStore& store, const ReportSource& source,
                                           const QString& languageModulePath) {
    InstallationReport report;
    report.title = QStringLiteral("Kelvane — DALI installation");
    report.titleLines << source.madeAt.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    report.titleLines << (source.online ? QStringLiteral("Interface %1, revision %2").arg(source.serial, source.revision)
                                        : QStringLiteral("Offline, project %1").arg(source.projectFile));
    report.titleLines << QStringLiteral("%1 gear").arg(store.PresentCount());
    report.gearHeader = {QStringLiteral("Address"), QStringLiteral("Device type"), QStringLiteral("Dimming curve"),
                         QStringLiteral("MIN"), QStringLiteral("MAX"), QStringLiteral("POWER ON"),
                         QStringLiteral("FAIL"), QStringLiteral("Fade time"), QStringLiteral("Fade rate"),
                         QStringLiteral("Fast fade time")};
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& r = store.workingTable[size_t(a)];
        if (r.present != 1)
            continue;
        report.present[size_t(a)] = true;
        report.gearRows.push_back({QString::number(a), QString::number(r.deviceType),
                                   LoadText(r.dimmingCurve != 0 ? kLinear : kLogarithmic, languageModulePath),
                                   levelCell(r.minLevel, r.dimmingCurve), levelCell(r.maxLevel, r.dimmingCurve),
                                   levelCell(r.powerOnLevel, r.dimmingCurve),
                                   levelCell(r.systemFailureLevel, r.dimmingCurve), QString::number(r.fadeTime),
                                   QString::number(r.fadeRate), QString::number(r.fastFadeTime)});
        report.groupRows.emplace_back(a, uint16_t(r.groupsHigh << 8 | r.groupsLow));
        QStringList scenes;
        for (uint8_t level : r.sceneLevel)
            scenes << (level == 255 ? kMaskShown : QString::number(level));
        report.sceneRows.emplace_back(a, scenes);
    }
    return report;
}

QString CsvLine(const QStringList& cells) {
    QStringList fields;
    for (const QString& cell : cells)
        fields << csvField(cell);
    return fields.join(QLatin1Char(',')) + QLatin1Char('\n');
}

QByteArray GearTableCsv(const InstallationReport& report) {
    QString text = CsvLine(report.gearHeader);
    for (const QStringList& row : report.gearRows)
        text += CsvLine(row);
    return text.toUtf8();
}

QString ReportTableHtml(const QStringList& header, const std::vector<QStringList>& rows) {
    return tableHtml(header, rows);
}

QString ReportHtml(const InstallationReport& report) {
    QString html = QStringLiteral("<html><body><h1>%1</h1>").arg(escaped(report.title));
    for (const QString& line : report.titleLines)
        html += QStringLiteral("<p>%1</p>").arg(escaped(line));
    html += QStringLiteral("<p><img src=\"%1\"></p>").arg(QLatin1String(kReportMatrixImage));
    html += QStringLiteral("<h2>Gear</h2>") + tableHtml(report.gearHeader, report.gearRows);
    std::vector<QStringList> groups, scenes;
    for (const auto& [address, bits] : report.groupRows) {
        QStringList row{QString::number(address)};
        for (int g = 0; g < 16; ++g)
            row << ((bits >> g) & 1 ? QStringLiteral("●") : QString());
        groups.push_back(row);
    }
    for (const auto& [address, levels] : report.sceneRows)
        scenes.push_back(QStringList{QString::number(address)} + levels);
    html += QStringLiteral("<h2>Groups</h2>") + tableHtml(numbered(QStringLiteral("Address")), groups);
    html += QStringLiteral("<h2>Scenes</h2>") + tableHtml(numbered(QStringLiteral("Address")), scenes);
    // Only a report made after a line check has this part.
    if (!report.checkTitle.isEmpty()) {
        html += QStringLiteral("<h2>%1</h2>").arg(escaped(report.checkTitle));
        for (const QString& line : report.checkLines)
            html += QStringLiteral("<p>%1</p>").arg(escaped(line));
        if (!report.checkRows.empty())
            html += tableHtml(report.checkHeader, report.checkRows);
    }
    return html + QStringLiteral("</body></html>");
}
