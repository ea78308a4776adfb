#include "groups_scenes/group_dlg.h"

#include "devices/wait_dlg.h"
#include "groups_scenes/combo_list_ctrl.h"
#include "groups_scenes/manager_window.h"
#include "storage/load_text.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QPushButton>

namespace {

constexpr StringId kTitle = 176, kApply = 154, kReset = 155, kClose = 156, kClear = 262, kLabelHeader = 258,
                   kNameHeader = 453;
constexpr int kGroupCount = 16, kLabelWidth = 85, kGroupWidth = 30, kNameWidth = 120;
constexpr int kNameColumn = kGroupCount + 1;
const QColor kMemberColour(0, 200, 0);
const QColor kOddRowColour(255, 255, 255);
const QColor kEvenRowColour(250, 250, 250);
const QColor kHotRowTint(0, 120, 215, 50);

// Paints a selected cell as an unselected one (its background, its text),
// then lays a translucent tint over it.
class HotRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_Selected;
        QStyledItemDelegate::paint(painter, plain, index);
        if (option.state & QStyle::State_Selected)
            painter->fillRect(option.rect, kHotRowTint);
    }
};

}  // namespace

CGroupDlg::CGroupDlg(const ManagerContext& context, QWidget* owner)
    : QDialog(owner), waitDialog_(std::make_unique<CWaitDlg>(this)),
      manager_(std::make_unique<GroupManager>(context, *waitDialog_)) {
    const auto text = [&context](StringId id) { return LoadText(id, context.languageModulePath); };
    setWindowTitle(text(kTitle));
    MakeManagerWindow(*this, *waitDialog_);
    grid_ = new CComboListCtrl(this);
    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setColumnCount(kGroupCount + 2);
    QStringList headers{text(kLabelHeader)};
    for (int g = 0; g < kGroupCount; ++g)
        headers << QString::number(g);
    headers << text(kNameHeader);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setColumnWidth(0, kLabelWidth);
    for (int g = 1; g <= kGroupCount; ++g)
        grid_->setColumnWidth(g, kGroupWidth);
    // Only the name is typed in place; the other cells are clicked.
    for (int column = 0; column < kNameColumn; ++column)
        grid_->SetReadOnlyColumn(column);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setShowGrid(true);
    // The row under the mouse is selected (hot tracking) and drawn tinted
    // over its own colours, so the member cells stay green. (The view
    // reports no entered cell while a name is typed, so the edit stays.)
    grid_->setMouseTracking(true);
    connect(grid_, &QTableWidget::cellEntered, grid_, [this](int row, int) { grid_->selectRow(row); });
    auto* hotRow = new HotRowDelegate(grid_);
    for (int column = 0; column < kNameColumn; ++column)
        grid_->setItemDelegateForColumn(column, hotRow);
    grid_->viewport()->installEventFilter(this);
    grid_->setMinimumWidth(kLabelWidth + kGroupCount * kGroupWidth + kNameWidth + 4);

    auto* apply = new QPushButton(text(kApply), this);
    apply->setObjectName(QStringLiteral("apply"));
    auto* reset = new QPushButton(text(kReset), this);
    reset->setObjectName(QStringLiteral("reset"));
    auto* close = new QPushButton(text(kClose), this);
    close->setObjectName(QStringLiteral("close"));
    auto* clear = new QPushButton(text(kClear), this);
    clear->setObjectName(QStringLiteral("clear"));
    for (QPushButton* button : {apply, reset, close, clear})
        button->setAutoDefault(false);
    apply->setEnabled(manager_->canApply());
    clear->setEnabled(!manager_->offline());
    reset->setEnabled(!manager_->offline());

    auto* layout = new QGridLayout(this);
    layout->addWidget(grid_, 0, 0, 1, 5);
    layout->addWidget(clear, 1, 0);
    layout->setColumnStretch(1, 1);
    layout->addWidget(reset, 1, 2);
    layout->addWidget(apply, 1, 3);
    layout->addWidget(close, 1, 4);
    layout->setRowStretch(0, 1);

    connect(apply, &QPushButton::clicked, this, [this] {
        manager_->Apply();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        manager_->Reset();
        Fill();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        manager_->Clear();
        for (int row = 0; row < grid_->rowCount(); ++row)
            PaintRow(row);
    });
    connect(close, &QPushButton::clicked, this, &CGroupDlg::CloseClicked);
    connect(grid_, &CComboListCtrl::CellEditEnded, this, [this](int row, int column, const QString& name) {
        if (column != kNameColumn)
            return;
        manager_->NameEdited(row, name);
        grid_->SetCellText(row, kNameColumn, manager_->rowName(row));
    });
    Fill();
    resize(sizeHint().width(), 420);
}

CGroupDlg::~CGroupDlg() = default;

void CGroupDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setMinimumSize(size());  // never smaller than it opened
}

void CGroupDlg::Fill() {
    grid_->setRowCount(0);
    grid_->setRowCount(manager_->rowCount());
    for (int row = 0; row < manager_->rowCount(); ++row) {
        auto* label = new QTableWidgetItem(manager_->rowLabel(row));
        label->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row, 0, label);
        for (int g = 1; g <= kGroupCount; ++g)
            grid_->setItem(row, g, new QTableWidgetItem);
        grid_->setItem(row, kNameColumn, new QTableWidgetItem(manager_->rowName(row)));
        PaintRow(row);
    }
}

void CGroupDlg::PaintRow(int row) {
    const QColor rowColour = row % 2 ? kOddRowColour : kEvenRowColour;
    grid_->item(row, 0)->setBackground(rowColour);
    grid_->item(row, kNameColumn)->setBackground(rowColour);
    for (int g = 0; g < kGroupCount; ++g)
        grid_->item(row, g + 1)->setBackground(manager_->isMember(row, g) ? kMemberColour : rowColour);
}

// Every press on the grid counts as a change, on a cell or not.
bool CGroupDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const int row = grid_->rowAt(at.y()), column = grid_->columnAt(at.x());
        manager_->Click(row, column);
        if (row >= 0)
            PaintRow(row);
    }
    return QDialog::eventFilter(watched, event);
}

void CGroupDlg::reject() { CloseClicked(); }

void CGroupDlg::CloseClicked() {
    if (manager_->Close())
        done(kManagerClosed);
}
