#pragma once
// "Projektangaben": the project's header fields (project, site, installer,
// and notes over several lines), each kept to what a project file holds.
// The dialog only edits a copy; the main view decides what becomes of it.

#include "devices/project_header.h"

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

class CProjectHeaderDlg final : public QDialog {
    Q_OBJECT

public:
    CProjectHeaderDlg(const ProjectHeader& header, const QString& languageModulePath, QWidget* parent = nullptr);

    // The fields as typed.
    ProjectHeader header() const;

private:
    // A paste may bring more than a file keeps: the end is cut off.
    void LimitNotes();

    QLineEdit* project_;
    QLineEdit* site_;
    QLineEdit* installer_;
    QPlainTextEdit* notes_;
};
