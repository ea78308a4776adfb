#pragma once
// The line check's list: one row per finding, sortable by any column, with
// the actions the main view offers for the selected row.

#include <QDialog>

struct LineCheckActions;
struct LineCheckRow;
class QLabel;
class QPushButton;
class QTreeWidget;

class CLineCheckDlg final : public QDialog {
    Q_OBJECT

public:
    CLineCheckDlg(LineCheckActions& actions, QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }

private:
    // The list afresh from the result, in the sort order chosen.
    void Fill();
    // The row of the list's current item, or nullptr.
    const LineCheckRow* CurrentRow() const;
    void EnableActions();

    LineCheckActions& actions_;
    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* select_;
    QPushButton* send_;
    QPushButton* replace_;
};
