#pragma once
// The information tab: a two-column list of the selected gear's
// identification and status rows, as read by ReadDeviceInfo. It keeps the
// last gear's rows until the next one is shown.

#include "app/device_info.h"

#include <QWidget>

class QTableWidget;

class CInfoView final : public QWidget {
    Q_OBJECT

public:
    explicit CInfoView(QWidget* parent = nullptr);

    void ShowInfo(const std::vector<InfoRow>& rows);
    // The column headers, 269 and 270.
    void ApplyLanguage(const QString& languageModulePath);

    QTableWidget* list() const { return list_; }

private:
    QTableWidget* list_;
};
