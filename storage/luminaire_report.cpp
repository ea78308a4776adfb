#include "storage/luminaire_report.h"

#include "devices/bank_layouts.h"
#include "storage/load_text.h"

#include <algorithm>

namespace {

constexpr StringId kHeading = 847, kMaintenanceFile = 848, kAddressHeader = 470, kNameHeader = 617, kDecimalMark = 633;

struct Column {
    uint8_t bank, location;
    bool counter;  // a failure condition's counter rather than the condition
};

constexpr Column kColumns[] = {
    {1, 0x09, false},   {1, 0x13, false},   {1, 0x15, false},  {205, 0x04, false},
    {202, 0x04, false}, {205, 0x0F, true}, {206, 0x16, true},
};

const BankField& fieldOf(const BankLayout& layout, uint8_t location) {
    return *std::find_if(layout.fields.begin(), layout.fields.end(),
                         [&](const BankField& f) { return f.location == location; });
}

std::optional<uint8_t> counterOf(const BankField& field, const MemoryBankBytes& bytes) {
    const std::optional<uint8_t> counter = bytes.at(field.counterAt);
    return counter && *counter < 0xFE ? counter : std::nullopt;
}

// The cell in the table (the text the tab shows) or in the CSV (a bare number).
QString cell(const Column& column, const BankReadings& banks, bool csv, const QString& decimalMark,
             const QString& module) {
    const auto read = banks.find(column.bank);
    if (read == banks.end() || !read->second)
        return {};
    const BankField& field = fieldOf(*FindBankLayout(column.bank), column.location);
    if (column.counter) {
        const std::optional<uint8_t> counter = counterOf(field, *read->second);
        return counter ? QString::number(*counter) : QString();
    }
    QString text = FieldText(field, *read->second, module);
    if (!csv)
        return text;
    if (!FieldValue(field, *read->second))
        return {};
    if (field.kind == FieldKind::Hex)
        return text;
    // The shown text's digits without the unit.
    return text.section(QLatin1Char(' '), 0, 0).replace(QLatin1Char('.'), decimalMark);
}

}  // namespace

void AddLuminaireTable(InstallationReport& report, const DeviceTable& table, const QString& module) {
    QStringList header{LoadText(kAddressHeader, module), LoadText(kNameHeader, module)};
    QStringList csvHeader = header;
    for (const Column& column : kColumns) {
        const BankLayout& layout = *FindBankLayout(column.bank);
        const BankField& field = fieldOf(layout, column.location);
        const QString label = FieldLabel(layout, field, module);
        header << label;
        csvHeader << (*field.unit && !column.counter ? QStringLiteral("%1 (%2)").arg(label, QString::fromUtf8(field.unit))
                                                     : label);
    }
    report.luminaires = {LoadText(kHeading, module), header, {}};
    report.maintenanceCsvHeader = csvHeader;
    const QString decimalMark = LoadText(kDecimalMark, module);
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& r = table[size_t(a)];
        const bool anyBank = std::any_of(r.banks.begin(), r.banks.end(), [](const auto& b) { return b.second.has_value(); });
        if (r.present != 1 || !anyBank)
            continue;
        QStringList row{QString::number(a), r.name}, csv = row;
        for (const Column& column : kColumns) {
            row << cell(column, r.banks, false, decimalMark, module);
            csv << cell(column, r.banks, true, decimalMark, module);
        }
        report.luminaires.rows.push_back(row);
        report.maintenanceCsvRows.push_back(csv);
    }
}

QByteArray MaintenanceCsv(const InstallationReport& report) {
    return CsvDocument(report.maintenanceCsvHeader, report.maintenanceCsvRows, report.csvSeparator);
}

QString MaintenanceCsvPath(const QString& gearTablePath, const QString& module) {
    const QString base = gearTablePath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? gearTablePath.chopped(4)
                                                                                             : gearTablePath;
    return LoadText(kMaintenanceFile, module).arg(base) + QStringLiteral(".csv");
}
