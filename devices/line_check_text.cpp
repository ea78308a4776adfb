#include "devices/line_check_text.h"

#include "devices/colour_text.h"
#include "storage/installation_report.h"
#include "storage/load_text.h"

namespace {

constexpr StringId kTitle = 460, kAddress = 470, kName = 453, kFinding = 471, kValue = 171, kProject = 472,
                   kBus = 473, kNoDifference = 478, kIncomplete = 479;
constexpr StringId kCurve = 114, kGroups = 113, kFirstScene = 129, kLinear = 147, kLogarithmic = 122;
constexpr StringId kLampFailure = 314;
constexpr StringId kFirstColour = 535, kPowerOnColour = 703, kFailureColour = 704, kCoolest = 733, kWarmest = 734,
                   kColourOf = 735;
const QString kNone = QStringLiteral("—");

StringId kindText(LineCheckKind kind) {
    switch (kind) {
    case LineCheckKind::Missing:
        return 462;
    case LineCheckKind::Unexpected:
        return 463;
    case LineCheckKind::SharedAddress:
        return 464;
    case LineCheckKind::NoShortAddress:
        return 465;
    case LineCheckKind::SeveralNoShortAddress:
        return 466;
    case LineCheckKind::GearFailure:
        return 467;
    case LineCheckKind::LampFailure:
        return kLampFailure;
    case LineCheckKind::ValueDiffers:
        return 468;
    case LineCheckKind::NoClearAnswer:
        return 469;
    }
    return 469;
}

// The standard's names of the gear's variables, as the monitor shows them.
QString fieldText(const LineCheckRow& row, const QString& module) {
    switch (row.field) {
    case LineCheckField::None:
        return {};
    case LineCheckField::MaxLevel:
        return QStringLiteral("MAX LEVEL");
    case LineCheckField::MinLevel:
        return QStringLiteral("MIN LEVEL");
    case LineCheckField::PowerOnLevel:
        return QStringLiteral("POWER ON LEVEL");
    case LineCheckField::SystemFailureLevel:
        return QStringLiteral("SYSTEM FAILURE LEVEL");
    case LineCheckField::FadeTime:
        return QStringLiteral("FADE TIME");
    case LineCheckField::FadeRate:
        return QStringLiteral("FADE RATE");
    case LineCheckField::FastFadeTime:
        return QStringLiteral("FAST FADE TIME");
    case LineCheckField::DimmingCurve:
        return LoadText(kCurve, module);
    case LineCheckField::Groups:
        return LoadText(kGroups, module);
    case LineCheckField::Scene:
        return LoadText(StringId(kFirstScene + (row.scene & 0x0F)), module);
    case LineCheckField::ColourCoolest:
        return LoadText(kCoolest, module);
    case LineCheckField::ColourWarmest:
        return LoadText(kWarmest, module);
    case LineCheckField::PowerOnColour:
    case LineCheckField::SystemFailureColour:
    case LineCheckField::SceneColour: {
        const QString level = row.field == LineCheckField::PowerOnColour         ? LoadText(kPowerOnColour, module)
                              : row.field == LineCheckField::SystemFailureColour ? LoadText(kFailureColour, module)
                              : LoadText(kColourOf, module).arg(LoadText(StringId(kFirstScene + (row.scene & 0x0F)), module));
        // An RGBWAF gear's row is about one of its colours.
        return row.colour < 0 ? level : QStringLiteral("%1 (%2)").arg(level, LoadText(StringId(kFirstColour + row.colour), module));
    }
    }
    return {};
}

QString valueText(LineCheckField field, int colour, int value, const QString& module) {
    if (value == kLineCheckNoValue)
        return {};
    switch (field) {
    case LineCheckField::ColourCoolest:
    case LineCheckField::ColourWarmest:
    case LineCheckField::PowerOnColour:
    case LineCheckField::SystemFailureColour:
    case LineCheckField::SceneColour:
        if (colour >= 0)
            return value == kLevelMask ? QStringLiteral("MASK") : QString::number(value);
        return value == kColourMask ? QStringLiteral("MASK") : KelvinText(uint16_t(value));
    case LineCheckField::MaxLevel:
    case LineCheckField::MinLevel:
    case LineCheckField::PowerOnLevel:
    case LineCheckField::SystemFailureLevel:
    case LineCheckField::Scene:
        return value == kLevelMask ? QStringLiteral("MASK") : QString::number(value);
    case LineCheckField::DimmingCurve:
        return value == 0 ? LoadText(kLogarithmic, module)
               : value == 1 ? LoadText(kLinear, module)
                            : QString::number(value);
    case LineCheckField::Groups: {
        QStringList groups;
        for (int g = 0; g < 16; ++g)
            if ((value >> g) & 1)
                groups << QString::number(g);
        return groups.isEmpty() ? kNone : groups.join(QStringLiteral(", "));
    }
    default:
        return QString::number(value);
    }
}

}  // namespace

QStringList LineCheckHeader(const QString& module) {
    return {LoadText(kAddress, module), LoadText(kName, module),    LoadText(kFinding, module),
            LoadText(kValue, module),   LoadText(kProject, module), LoadText(kBus, module)};
}

QStringList LineCheckCells(const LineCheckRow& row, const QString& module) {
    return {row.address < 0 ? kNone : QString::asprintf("%02d", row.address),
            row.name,
            LoadText(kindText(row.kind), module),
            fieldText(row, module),
            valueText(row.field, row.colour, row.projectValue, module),
            valueText(row.field, row.colour, row.busValue, module)};
}

QString LineCheckSummary(const LineCheckResult& result, const QString& module) {
    if (!result.complete)
        return LoadText(kIncomplete, module);
    return result.rows.empty() ? LoadText(kNoDifference, module) : QString();
}

QByteArray LineCheckCsv(const LineCheckResult& result, const QString& module) {
    std::vector<QStringList> rows;
    rows.reserve(result.rows.size());
    for (const LineCheckRow& row : result.rows)
        rows.push_back(LineCheckCells(row, module));
    return CsvDocument(LineCheckHeader(module), rows, CsvSeparator(module));
}

void AddLineCheckToReport(InstallationReport& report, const LineCheckResult& result, bool outdated,
                          const QString& module) {
    constexpr StringId kCheckedOn = 716, kOutdated = 717;
    ReportSection section{LoadText(kTitle, module), {}, {QString(), LineCheckHeader(module), {}}};
    section.lines << LoadText(kCheckedOn, module).arg(result.checkedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    if (outdated)
        section.lines << LoadText(kOutdated, module);
    if (const QString summary = LineCheckSummary(result, module); !summary.isEmpty())
        section.lines << summary;
    section.table.rows.reserve(result.rows.size());
    for (const LineCheckRow& row : result.rows)
        section.table.rows.push_back(LineCheckCells(row, module));
    if (section.table.rows.empty())
        section.table.header.clear();
    report.sections.push_back(section);
}
