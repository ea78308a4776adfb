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
    // The name field above the list; an edit ends with Enter or the focus
    // leaving the field and goes to the main view.
    void ShowName(const QString& name, bool editable);
    // The column headers, 269 and 270, and the name's label.
    void ApplyLanguage(const QString& languageModulePath);

    QTableWidget* list() const { return list_; }
    QLineEdit* nameField() const { return name_; }

private:
    TabActions& actions_;
    QLabel* nameLabel_;
    QLineEdit* name_;
    QTableWidget* list_;
};
