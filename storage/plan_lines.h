#pragma once
// The plans of a project, in comment lines after every other line:
//   #kelvane-plan 1 plans/erdgeschoss.png    plan 1's image, relative to the project file
//   #kelvane-place 05 1 0.2500 0.7500         the gear at 05 (hex) on plan 1, as fractions of the image
// Plans are numbered from 1 in the order they are written. A project without
// plans has no such lines.

#include "devices/floor_plans.h"

#include <QString>
#include <QStringView>

#include <map>
#include <vector>

inline const QString kPlanTag = QStringLiteral("#kelvane-plan ");
inline const QString kPlaceTag = QStringLiteral("#kelvane-place ");

// Every plan line, then every place line by address, each ended by a line
// feed; empty without plans. Paths relative to `projectDir`.
QString FormatPlanLines(const FloorPlans& plans, const QString& projectDir);

// Collects the plan lines of a file as it is read; the plans come out once
// every line is in, since a place line may name a plan written after it.
class PlanLineReader {
public:
    explicit PlanLineReader(QString projectDir) : projectDir_(std::move(projectDir)) {}

    // False when the line is no plan line.
    bool Read(QStringView line);
    // The plans read. Lines that cannot stand are skipped and counted: a
    // plan number given twice or not above 0, a place outside the image, a
    // second place of one address, an address above 63, a plan not declared.
    FloorPlans Plans(int& skipped) const;

private:
    struct Place {
        int address;
        int plan;
        double x;
        double y;
    };
    QString projectDir_;
    std::map<int, QString> plans_;  // by the file's plan number
    std::vector<Place> places_;
    int skipped_ = 0;
};
