#include "sim/panel/sim_panel_window.h"

#include "kit/sim_backend.h"
#include "sim/dali_bus.h"
#include "sim/frame_monitor.h"
#include "sim/panel/gear_tile.h"
#include "sim/sim_clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTileColumns = 4;
constexpr int kRefreshMs = 50;

}  // namespace

SimPanelWindow::SimPanelWindow(std::shared_ptr<kit::SimBackend> backend, QWidget* parent)
    : QWidget(parent), backend_(std::move(backend)), bus_(backend_->bus(0)) {
    setWindowTitle(QStringLiteral("Simulated DALI bus"));
    // Closing Kelvane's main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    monitor_ = new sim::FrameMonitor(this);

    auto* tilesArea = new QWidget;
    auto* grid = new QGridLayout(tilesArea);
    const size_t count = bus_ ? bus_->gearCount() : 0;
    for (size_t i = 0; i < count; ++i) {
        auto* tile = new GearTile(tilesArea);
        grid->addWidget(tile, int(i) / kTileColumns, int(i) % kTileColumns);
        connect(tile, &GearTile::physicalSelectPressed, this, [this, i] { bus_->pressPhysicalSelectionKey(i); });
        connect(tile, &GearTile::mainsToggled, this,
                [this, i](bool on) { bus_->withGear(i, [on](sim::ControlGear& g) { g.setMainsPowered(on); }); });
        tiles_.push_back(tile);
    }
    auto* scroll = new QScrollArea;
    scroll->setWidget(tilesArea);
    scroll->setWidgetResizable(true);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(scroll);
    splitter->addWidget(BuildMonitor());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(kTileColumns * 170 + 40, 760);

    if (bus_) {
        // Frames arrive on whichever thread sends them; the list lives here.
        QPointer<sim::FrameMonitor> monitor(monitor_);
        bus_->setFrameListener([monitor](const sim::BusFrame& frame) {
            QMetaObject::invokeMethod(
                monitor.data(), [monitor, frame] { if (monitor) monitor->Append(frame); }, Qt::QueuedConnection);
        });
    }
    refresh_ = new QTimer(this);
    connect(refresh_, &QTimer::timeout, this, &SimPanelWindow::Refresh);
    refresh_->start(kRefreshMs);
    Refresh();
}

SimPanelWindow::~SimPanelWindow() {
    if (bus_)
        bus_->setFrameListener({});
}

QWidget* SimPanelWindow::BuildMonitor() {
    auto* box = new QWidget;
    auto* address = new QComboBox(box);
    address->addItem(QStringLiteral("All addresses"), int(sim::FrameMonitor::AnyTarget));
    for (int a = 0; a < 64; ++a)
        address->addItem(QStringLiteral("Short %1").arg(a), a);
    for (int g = 0; g < 16; ++g)
        address->addItem(QStringLiteral("Group %1").arg(g), 100 + g);
    address->addItem(QStringLiteral("Broadcast"), int(sim::FrameMonitor::Broadcast));
    address->addItem(QStringLiteral("Special"), int(sim::FrameMonitor::Special));
    auto* command = new QLineEdit(box);
    command->setPlaceholderText(QStringLiteral("Filter by command"));
    auto* pause = new QCheckBox(QStringLiteral("Pause"), box);
    auto* clear = new QPushButton(QStringLiteral("Clear"), box);
    auto* exportButton = new QPushButton(QStringLiteral("Export…"), box);
    list_ = new QTableView(box);
    list_->setModel(monitor_);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setColumnWidth(sim::FrameMonitor::Time, 100);
    list_->setColumnWidth(sim::FrameMonitor::Direction, 80);
    list_->setColumnWidth(sim::FrameMonitor::Bytes, 60);

    connect(address, &QComboBox::currentIndexChanged, this,
            [this, address] { monitor_->SetAddressFilter(address->currentData().toInt()); });
    connect(command, &QLineEdit::textChanged, monitor_, &sim::FrameMonitor::SetCommandFilter);
    connect(pause, &QCheckBox::toggled, monitor_, &sim::FrameMonitor::SetPaused);
    connect(clear, &QPushButton::clicked, monitor_, &sim::FrameMonitor::Clear);
    connect(exportButton, &QPushButton::clicked, this, &SimPanelWindow::ExportShown);
    // New frames keep the list at its end unless the user scrolled up.
    connect(monitor_, &QAbstractItemModel::rowsInserted, list_, [this] {
        if (!monitor_->paused())
            list_->scrollToBottom();
    });

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Bus monitor"), box));
    filters->addWidget(address);
    filters->addWidget(command, 1);
    filters->addWidget(pause);
    filters->addWidget(clear);
    filters->addWidget(exportButton);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filters);
    layout->addWidget(list_);
    return box;
}

void SimPanelWindow::ExportShown() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the shown frames"), QString(),
                                                      QStringLiteral("Capture (*.txt);;CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QString text = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? monitor_->ExportCsv()
                                                                                     : monitor_->ExportCapture();
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The file could not be written: %1").arg(path));
}

void SimPanelWindow::Refresh() {
    if (!bus_)
        return;
    const uint64_t nowUs = backend_->clock()->nowUs();
    for (size_t i = 0; i < tiles_.size(); ++i) {
        GearTileState state;
        bus_->withGear(i, [&](sim::ControlGear& g) {
            state = {QString::fromStdString(g.name()), g.shortAddress(), g.randomAddress(), g.deviceType(),
                     g.groups(), g.actualLevel(nowUs), g.dimmingCurve(), g.mainsPowered()};
        });
        tiles_[i]->Show(state);
    }
}
