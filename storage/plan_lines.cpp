#include "storage/plan_lines.h"

#include <QDir>

#include <set>

namespace {

QString placeText(double fraction) { return QString::number(fraction, 'f', 4); }

// "0.2500": a fraction of the image, 0 and 1 included.
bool readFraction(QStringView word, double& fraction) {
    bool ok = false;
    fraction = word.toDouble(&ok);
    return ok && fraction >= 0.0 && fraction <= 1.0;
}

bool readPlanNumber(QStringView word, int& number) {
    bool ok = false;
    number = word.toInt(&ok);
    return ok && number > 0;
}

}  // namespace

QString FormatPlanLines(const FloorPlans& plans, const QString& projectDir) {
    QString lines;
    const QDir dir(projectDir);
    for (qsizetype i = 0; i < plans.files.size(); ++i)
        lines += kPlanTag + QString::number(i + 1) + QLatin1Char(' ') + dir.relativeFilePath(plans.files[i]) +
                 QLatin1Char('\n');
    for (int a = 0; a < kDeviceCount; ++a) {
        const std::optional<PlanPlace>& place = plans.places[size_t(a)];
        if (place && place->plan >= 0 && place->plan < plans.files.size())
            lines += kPlaceTag + QString::asprintf("%02X %d ", unsigned(a), place->plan + 1) + placeText(place->x) +
                     QLatin1Char(' ') + placeText(place->y) + QLatin1Char('\n');
    }
    return lines;
}

bool PlanLineReader::Read(QStringView line) {
    if (line.startsWith(kPlanTag)) {
        const QStringView rest = line.mid(kPlanTag.size());
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        int number = 0;
        const QString file = blank < 0 ? QString() : rest.mid(blank + 1).toString();
        if (blank < 0 || file.isEmpty() || !readPlanNumber(rest.left(blank), number) || plans_.count(number) != 0)
            ++skipped_;
        else
            plans_[number] = QDir::cleanPath(QDir(projectDir_).absoluteFilePath(file));
        return true;
    }
    if (!line.startsWith(kPlaceTag))
        return false;
    const QList<QStringView> words = line.mid(kPlaceTag.size()).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = words.size() == 4;
    Place place{};
    if (ok) {
        place.address = words[0].size() == 2 ? words[0].toInt(&ok, 16) : -1;
        ok = ok && place.address >= 0 && place.address < kDeviceCount && readPlanNumber(words[1], place.plan) &&
             readFraction(words[2], place.x) && readFraction(words[3], place.y);
    }
    if (ok)
        places_.push_back(place);
    else
        ++skipped_;
    return true;
}

FloorPlans PlanLineReader::Plans(int& skipped) const {
    skipped = skipped_;
    FloorPlans plans;
    std::map<int, int> index;  // the file's number to the plan's index
    for (const auto& [number, file] : plans_)
        index[number] = plans.AddPlan(file);
    std::set<int> placed;
    for (const Place& place : places_) {
        const auto plan = index.find(place.plan);
        if (plan == index.end() || !placed.insert(place.address).second) {
            ++skipped;
            continue;
        }
        plans.Place(place.address, plan->second, place.x, place.y);
    }
    return plans;
}
