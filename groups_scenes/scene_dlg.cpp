#include "groups_scenes/scene_dlg.h"

#include "devices/wait_dlg.h"
#include "groups_scenes/manager_window.h"
#include "groups_scenes/combo_list_ctrl.h"
#include "storage/load_text.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr StringId kTitle = 174, kIntroduction = 173, kSceneLabel = 168, kRecall = 306, kApply = 154, kClose = 156,
                   kAddressHeader = 101, kLevelHeader = 171, kCurveHeader = 114, kNameHeader = 453,
                   kColourTemperatureHeader = 548;
constexpr int kLevelColumn = 1, kPercentColumn = 2, kCurveColumn = 3, kTcColumn = 4, kNameColumn = 5, kColumns = 6;
constexpr int kColumnWidths[] = {75, 50, 75, 95, 75, 120};

}  // namespace

CSceneDlg::CSceneDlg(const ManagerContext& context, QWidget* owner)
    : QDialog(owner), waitDialog_(std::make_unique<CWaitDlg>(this)),
      manager_(std::make_unique<SceneManager>(context, *waitDialog_)) {
    const auto text = [&context](StringId id) { return LoadText(id, context.languageModulePath); };
    setWindowTitle(text(kTitle));
    MakeManagerWindow(*this, *waitDialog_);

    scenes_ = new QComboBox(this);
    scenes_->setObjectName(QStringLiteral("scenes"));
    for (int s = 0; s < 16; ++s)
        scenes_->addItem(QString::number(s));
    scenes_->setCurrentIndex(-1);
    auto* recall = new QPushButton(text(kRecall), this);
    recall->setObjectName(QStringLiteral("recall"));

    levels_ = new CComboListCtrl(this);
    levels_->setObjectName(QStringLiteral("levels"));
    levels_->setColumnCount(kColumns);
    levels_->setHorizontalHeaderLabels(
        {text(kAddressHeader), text(kLevelHeader), text(kLevelHeader), text(kCurveHeader),
         text(kColourTemperatureHeader), text(kNameHeader)});
    levels_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < kColumns; ++column)
        levels_->setColumnWidth(column, kColumnWidths[column]);
    levels_->setSelectionMode(QAbstractItemView::SingleSelection);
    levels_->SetReadOnlyColumn(0);
    if (manager_->canEdit())
        levels_->SetComboColumn(kLevelColumn);
    else
        levels_->SetReadOnlyColumn(kLevelColumn);
    levels_->SetReadOnlyColumn(kPercentColumn);
    levels_->SetReadOnlyColumn(kCurveColumn);
    // Colour temperatures only where some gear is tunable white.
    levels_->setColumnHidden(kTcColumn, !manager_->anyTunableWhite());
    if (!manager_->canEdit())
        levels_->SetReadOnlyColumn(kTcColumn);
    levels_->RequestColumnChoices = [this](int column) {
        const bool focusHere = isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == nullptr;
        return column == kLevelColumn && focusHere ? SceneManager::LevelChoices() : QStringList();
    };
    // The name takes the rest of the row.
    levels_->horizontalHeader()->setStretchLastSection(true);
    levels_->setMinimumSize(460, 260);
    levels_->setEnabled(false);
    ShowRows();

    apply_ = new QPushButton(text(kApply), this);
    apply_->setObjectName(QStringLiteral("apply"));
    apply_->setEnabled(false);
    auto* close = new QPushButton(text(kClose), this);
    close->setObjectName(QStringLiteral("close"));
    for (QPushButton* button : {recall, apply_, close})
        button->setAutoDefault(false);

    auto* introduction = new QLabel(text(kIntroduction), this);
    introduction->setWordWrap(true);
    auto* layout = new QGridLayout(this);
    layout->addWidget(introduction, 0, 0, 1, 4);
    layout->addWidget(new QLabel(text(kSceneLabel), this), 1, 0);
    layout->addWidget(scenes_, 1, 1);
    layout->addWidget(recall, 1, 3);
    layout->addWidget(levels_, 2, 0, 1, 4);
    layout->addWidget(apply_, 3, 2);
    layout->addWidget(close, 3, 3);
    layout->setColumnStretch(2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(scenes_, &QComboBox::activated, this, &CSceneDlg::SceneChosen);
    connect(recall, &QPushButton::clicked, this, [this] { manager_->Recall(); });
    connect(apply_, &QPushButton::clicked, this, [this] { manager_->Apply(); });
    connect(close, &QPushButton::clicked, this, &CSceneDlg::CloseClicked);
    connect(levels_, &CComboListCtrl::CellEditEnded, this, [this](int row, int column, const QString& text) {
        if (column == kNameColumn) {
            manager_->NameEdited(row, text);
            levels_->SetCellText(row, kNameColumn, manager_->RowName(row));
        }
        if (column == kTcColumn) {
            manager_->ColourTemperatureEdited(row, text);
            levels_->SetCellText(row, kTcColumn, manager_->RowTexts(row)[kTcColumn]);
        }
        if (column != kLevelColumn)
            return;
        manager_->LevelEdited(row, text);
        levels_->SetCellText(row, kPercentColumn, manager_->RowTexts(row)[kPercentColumn]);
    });
}

CSceneDlg::~CSceneDlg() = default;

void CSceneDlg::ShowRows() {
    const auto& rows = manager_->rows();
    levels_->setRowCount(0);
    levels_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const QStringList texts = manager_->RowTexts(row);
        for (int column = 0; column <= kTcColumn; ++column)
            levels_->SetCellText(row, column, texts[column]);
        levels_->SetCellText(row, kNameColumn, manager_->RowName(row));
    }
}

void CSceneDlg::SceneChosen(int scene) {
    levels_->setEnabled(true);
    manager_->ChooseScene(scene);
    ShowRows();
    if (manager_->canEdit())
        apply_->setEnabled(true);
}

void CSceneDlg::reject() { CloseClicked(); }

void CSceneDlg::CloseClicked() {
    if (manager_->Close())
        done(kManagerClosed);
}
