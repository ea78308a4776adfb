#pragma once
// What a project tells about its installation besides its gear: kept in the
// project file's comment lines, shown in the report.

#include <QString>

// A name or header text keeps at most this many characters.
inline constexpr qsizetype kMaxProjectTextLength = 256;

// The longest start of `text` of at most `length` UTF-16 code units that
// ends on a character boundary: a cut never splits a surrogate pair or
// parts a letter from its accents.
QString CutText(const QString& text, qsizetype length);

// A name or header field as the project keeps it: no blanks around it, at
// most kMaxProjectTextLength characters.
inline QString ProjectText(const QString& text) { return CutText(text.trimmed(), kMaxProjectTextLength); }

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
