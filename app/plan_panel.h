#pragma once
// "Grundriss" beside the matrix: the plans of the project in a combo box,
// "Grundriss laden…", "Einpassen" and the plan itself (CPlanView).

#include <QGroupBox>
#include <QImage>
#include <QStringList>

#include <functional>
#include <vector>

class CPlanView;
class DeviceStore;
class MatrixModel;
class Prompts;
class QComboBox;
class QPushButton;

class CPlanPanel final : public QGroupBox {
    Q_OBJECT

public:
    CPlanPanel(DeviceStore& store, MatrixModel& matrix, Prompts& prompts, std::function<QString()> languageModule,
               QWidget* parent = nullptr);

    CPlanView& view() const { return *view_; }

    // Shows the store's plans: a new list of plans reads their pictures, and
    // those that cannot be read are named in one message (their markers stay).
    void Refresh();
    // "Grundriss laden…": a picture that cannot be read or is too large is
    // refused with a message, and the project stays as it was.
    void LoadPlan();
    void ApplyLanguage(const QString& languageModulePath);

private:
    void ShowCurrentPlan();

    DeviceStore& store_;
    Prompts& prompts_;
    std::function<QString()> languageModule_;
    QStringList shownFiles_;
    std::vector<QImage> images_;  // by plan; null for one that could not be read
    QComboBox* plans_;
    QPushButton* load_;
    QPushButton* fit_;
    CPlanView* view_;
};
