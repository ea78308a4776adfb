#pragma once
// The information tab: a two-column list of the selected gear's
// identification and status rows, as read by ReadDeviceInfo. It keeps the
// last gear's rows until the next one is shown.

#include "app/device_info.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;
class TabActions;

class CInfoView final : public QWidget {
    Q_OBJECT

public:
    CInfoView(TabActions& actions, QWidget* parent = nullptr);

    void ShowInfo(const std::vector<InfoRow>& rows);
    // The name field above the list, showing the name of the gear at
    // `address`. An edit goes to the main view on every way out of the
    // field: Enter, the focus leaving it, or another name shown (another
    // selection, which the matrix makes without taking the focus).
    void ShowName(int address, const QString& name, bool editable);
    // Hands an edit the field still holds to the main view: before a command
    // runs (a toolbar button takes no focus, a menu's popup ends no edit) and
    // before the window closes.
    void KeepEditedName();
    // The column headers, 269 and 270, and the name's label.
    void ApplyLanguage(const QString& languageModulePath);

    QTableWidget* list() const { return list_; }
    QLineEdit* nameField() const { return name_; }

private:
    TabActions& actions_;
    int address_ = -1;  // whose name the field shows
    QLabel* nameLabel_;
    QLineEdit* name_;
    QTableWidget* list_;
};
