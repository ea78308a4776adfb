#pragma once
// What a project tells about its installation besides its gear: kept in the
// project file's comment lines, shown in the report.

#include <QString>

// A name or header text keeps at most this many characters.
inline constexpr qsizetype kMaxProjectTextLength = 256;

// A name or header field as the project keeps it: no blanks around it, at
// most kMaxProjectTextLength characters.
inline QString ProjectText(const QString& text) { return text.trimmed().left(kMaxProjectTextLength); }

struct ProjectHeader {
    QString project;
    QString site;
    QString installer;
    QString notes;

    bool isEmpty() const { return project.isEmpty() && site.isEmpty() && installer.isEmpty() && notes.isEmpty(); }
    bool operator==(const ProjectHeader&) const = default;
    // Every field as the project keeps it.
    ProjectHeader Kept() const {
        return {ProjectText(project), ProjectText(site), ProjectText(installer), ProjectText(notes)};
    }
};
