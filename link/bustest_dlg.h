#pragma once
// The bus test dialog: three buttons that broadcast OFF, RECALL MAX LEVEL and
// RECALL MIN LEVEL to every gear, on a copy of the main view's link.

#include "link/dalikit.h"

#include <QDialog>

class BustestDlg final : public QDialog {
    Q_OBJECT

public:
    // The caller hands over its link and language module path; the dialog's
    // texts are its own and need no string from the module.
    BustestDlg(const BusLink& link, const QString& languageModulePath, QWidget* owner = nullptr);

    const BusLink& link() const { return link_; }
    const QString& languageModulePath() const { return languageModulePath_; }

private:
    BusLink link_;
    QString languageModulePath_;
};
