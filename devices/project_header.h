#pragma once
// What a project tells about its installation besides its gear: kept in the
// project file's comment lines, shown in the report.

#include <QString>

struct ProjectHeader {
    QString project;
    QString site;
    QString installer;
    QString notes;

    bool isEmpty() const { return project.isEmpty() && site.isEmpty() && installer.isEmpty() && notes.isEmpty(); }
    bool operator==(const ProjectHeader&) const = default;
};
