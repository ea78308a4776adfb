#pragma once
// The emergency logbook's window: one row per result, oldest first, with the
// count of damaged lines skipped, "Als CSV exportieren…" and "Als PDF drucken…".

#include <QDialog>

class EmergencyLogbookActions;
class QTableWidget;

class CEmergencyLogbookDlg final : public QDialog {
    Q_OBJECT

public:
    CEmergencyLogbookDlg(EmergencyLogbookActions& actions, QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }

private:
    QTableWidget* list_;
};
