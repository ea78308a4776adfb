#pragma once
// The report's page of each floor plan: its markers, and a table of the gear
// on it by address and name, so the plan's gear can be read as text.

#include <QString>
#include <QStringList>

#include <vector>

class DeviceStore;

struct ReportPlanMarker {
    int address = 0;
    double x = 0;  // fractions of the picture
    double y = 0;
    bool present = false;
};

struct ReportPlan {
    QString heading;  // "Grundriss: eg.png"
    QString file;     // the picture's path
    std::vector<ReportPlanMarker> markers;
    QStringList tableHeader;          // address, name
    std::vector<QStringList> rows;    // one per marker, by address
};

std::vector<ReportPlan> PlanReport(const DeviceStore& store, const QString& languageModulePath);

// The name of plan `plan`'s picture among the report's image resources.
QString ReportPlanImage(int plan);
