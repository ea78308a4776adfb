#include "storage/plan_report.h"

#include "devices/device_store.h"
#include "storage/load_text.h"

#include <QFileInfo>

namespace {

constexpr StringId kAddressHeader = 470, kNameHeader = 617, kPlanHeading = 858;

}  // namespace

std::vector<ReportPlan> PlanReport(const DeviceStore& store, const QString& languageModulePath) {
    const FloorPlans& plans = store.floorPlans;
    std::vector<ReportPlan> pages(size_t(plans.files.size()));
    for (size_t p = 0; p < pages.size(); ++p) {
        pages[p].file = plans.files[qsizetype(p)];
        pages[p].heading = LoadText(kPlanHeading, languageModulePath).arg(QFileInfo(pages[p].file).fileName());
        pages[p].tableHeader = {LoadText(kAddressHeader, languageModulePath), LoadText(kNameHeader, languageModulePath)};
    }
    for (int a = 0; a < kDeviceCount; ++a) {
        const std::optional<PlanPlace>& place = plans.places[size_t(a)];
        if (!place || place->plan < 0 || size_t(place->plan) >= pages.size())
            continue;
        ReportPlan& page = pages[size_t(place->plan)];
        const DeviceRecord& record = store.workingTable[size_t(a)];
        page.markers.push_back({a, place->x, place->y, record.present == 1});
        page.rows.push_back({QString::number(a), record.name});
    }
    return pages;
}

QString ReportPlanImage(int plan) { return QStringLiteral("plan%1.png").arg(plan); }
