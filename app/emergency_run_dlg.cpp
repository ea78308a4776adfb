#include "app/emergency_run_dlg.h"

#include "storage/load_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr StringId kTitle = 660, kTest = 670, kUnits = 671, kAllUnits = 672, kGroup = 673, kStart = 674,
                   kCancel = 181, kFunctionTest = 561, kDurationTest = 562;
constexpr int kGroupCount = 16;
}  // namespace

CEmergencyRunDlg::CEmergencyRunDlg(EmergencyRunChoice& choice, const QString& languageModulePath, QWidget* parent)
    : QDialog(parent),
      choice_(choice),
      function_(new QRadioButton(this)),
      duration_(new QRadioButton(this)),
      units_(new QComboBox(this)) {
    const auto text = [&languageModulePath](StringId id) { return LoadText(id, languageModulePath); };
    setWindowTitle(text(kTitle));
    function_->setObjectName(QStringLiteral("functionTest"));
    function_->setText(text(kFunctionTest));
    duration_->setObjectName(QStringLiteral("durationTest"));
    duration_->setText(text(kDurationTest));
    (choice.kind == EmergencyTestKind::Duration ? duration_ : function_)->setChecked(true);
    units_->setObjectName(QStringLiteral("units"));
    units_->addItem(text(kAllUnits));
    for (int g = 0; g < kGroupCount; ++g)
        units_->addItem(text(kGroup).arg(g));
    units_->setCurrentIndex(choice.group ? *choice.group + 1 : 0);

    auto* tests = new QVBoxLayout;
    tests->addWidget(function_);
    tests->addWidget(duration_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start = buttons->addButton(text(kStart), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("start"));
    start->setDefault(true);
    QPushButton* cancel = buttons->addButton(text(kCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        Take();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(text(kTest), tests);
    layout->addRow(text(kUnits), units_);
    layout->addRow(buttons);
    function_->setFocus();
}

void CEmergencyRunDlg::Take() {
    choice_.kind = duration_->isChecked() ? EmergencyTestKind::Duration : EmergencyTestKind::Function;
    choice_.group = units_->currentIndex() > 0 ? std::optional<int>(units_->currentIndex() - 1) : std::nullopt;
}
