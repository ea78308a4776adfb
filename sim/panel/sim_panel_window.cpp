#include "sim/panel/sim_panel_window.h"

#include "dali/dali_commands.h"
#include "kit/sim_backend.h"
#include "sim/dali_bus.h"
#include "sim/frame_monitor.h"
#include "sim/panel/gear_tile.h"
#include "sim/scenario.h"
#include "sim/sim_clock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>
#include <vector>

namespace {

constexpr int kTileColumns = 4;
constexpr int kRefreshMs = 50;

// Frames from the bus's threads wait here for the UI thread. Only a frame
// into an empty inbox posts a hand-over, so a bus on virtual time sending
// thousands of frames a second leaves one event in the UI's queue, not one
// per frame, and a key pressed meanwhile is handled at once. Frames the
// monitor would drop anyway are not kept.
class FrameInbox {
public:
    bool put(const sim::BusFrame& frame) {
        const std::lock_guard guard(lock_);
        if (frames_.size() >= 2 * sim::FrameMonitor::kKeptFrames)
            frames_.erase(frames_.begin(), frames_.begin() + std::ptrdiff_t(sim::FrameMonitor::kKeptFrames));
        frames_.push_back(frame);
        return frames_.size() == 1;
    }
    std::vector<sim::BusFrame> take() {
        const std::lock_guard guard(lock_);
        return std::exchange(frames_, {});
    }

private:
    std::mutex lock_;
    std::vector<sim::BusFrame> frames_;
};

}  // namespace

SimPanelWindow::SimPanelWindow(std::shared_ptr<kit::SimBackend> backend, QWidget* parent)
    : QWidget(parent), backend_(std::move(backend)), bus_(backend_->bus(0)) {
    setWindowTitle(QStringLiteral("Simulated DALI bus"));
    // Closing Kelvane's main window ends the program, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    monitor_ = new sim::FrameMonitor(this);

    tilesArea_ = new QWidget;
    new QGridLayout(tilesArea_);
    rebuildTiles();
    auto* scroll = new QScrollArea;
    scroll->setWidget(tilesArea_);
    scroll->setWidgetResizable(true);
    auto* top = new QWidget;
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(buildBusKeys());
    topLayout->addWidget(scroll);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(top);
    splitter->addWidget(buildMonitor());
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    resize(kTileColumns * 170 + 40, 760);

    listenToBus();
    refresh_ = new QTimer(this);
    connect(refresh_, &QTimer::timeout, this, &SimPanelWindow::refresh);
    refresh_->start(kRefreshMs);
    refresh();
}

SimPanelWindow::~SimPanelWindow() {
    if (bus_)
        bus_->setFrameListener({});
}

void SimPanelWindow::listenToBus() {
    if (!bus_)
        return;
    // Frames arrive on whichever thread sends them; the list lives here.
    QPointer<sim::FrameMonitor> monitor(monitor_);
    auto inbox = std::make_shared<FrameInbox>();
    bus_->setFrameListener([monitor, inbox](const sim::BusFrame& frame) {
        if (!inbox->put(frame))
            return;
        QMetaObject::invokeMethod(
            monitor.data(), [monitor, inbox] { if (monitor) monitor->append(inbox->take()); }, Qt::QueuedConnection);
    });
}

void SimPanelWindow::showInterface(size_t index) {
    std::shared_ptr<sim::DaliBus> bus = backend_->bus(index);
    if (!bus || index == shown_)
        return;
    if (bus_)
        bus_->setFrameListener({});
    // Frames of the old bus still queued for the monitor land before the clear.
    QCoreApplication::sendPostedEvents(monitor_);
    monitor_->clear();
    bus_ = std::move(bus);
    shown_ = index;
    listenToBus();
    rebuildTiles();
}

void SimPanelWindow::rebuildTiles() {
    for (GearTile* tile : tiles_)
        delete tile;
    tiles_.clear();
    auto* grid = static_cast<QGridLayout*>(tilesArea_->layout());
    const size_t count = bus_ ? bus_->gearCount() : 0;
    for (size_t i = 0; i < count; ++i) {
        auto* tile = new GearTile(tilesArea_);
        grid->addWidget(tile, int(i) / kTileColumns, int(i) % kTileColumns);
        connect(tile, &GearTile::physicalSelectPressed, this, [this, i] { bus_->pressPhysicalSelectionKey(i); });
        connect(tile, &GearTile::mainsToggled, this,
                [this, i](bool on) { bus_->withGear(i, [on](sim::ControlGear& g) { g.setMainsPowered(on); }); });
        connect(tile, &GearTile::missFramesPressed, this, [this, i](int count) {
            bus_->withGear(i, [count](sim::ControlGear& g) {
                sim::GearFaults faults = g.faults();
                faults.missFrames += uint32_t(count);
                g.setFaults(faults);
            });
        });
        connect(tile, &GearTile::faultsToggled, this, [this, i](bool late, bool garbled, bool noKey) {
            bus_->withGear(i, [=](sim::ControlGear& g) {
                sim::GearFaults faults = g.faults();
                faults.lateReplies = late;
                faults.garbledReplies = garbled;
                faults.noSelectionKey = noKey;
                g.setFaults(faults);
            });
        });
        connect(tile, &GearTile::emergencyFailuresToggled, this, [this, i](bool battery, bool lamp) {
            bus_->withGear(i, [=](sim::ControlGear& g) {
                if (sim::EmergencyUnit* unit = g.emergencyUnit()) {
                    unit->setBatteryFailure(battery);
                    unit->setLampFailure(lamp);
                }
            });
        });
        // Queued: the tile that sent it is deleted by the rebuild.
        connect(tile, &GearTile::removePressed, this, [this, i] { removeGear(i); }, Qt::QueuedConnection);
        tiles_.push_back(tile);
    }
    refresh();
}

void SimPanelWindow::addGear(bool withShortAddress) {
    if (!bus_)
        return;
    sim::GearConfig gear;
    gear.name = "New gear " + std::to_string(bus_->gearCount() + 1);
    if (withShortAddress) {
        std::array<bool, 64> used{};
        for (const sim::GearConfig& g : bus_->gearSnapshot())
            if (g.shortAddress)
                used[*g.shortAddress] = true;
        const auto free = std::find(used.begin(), used.end(), false);
        if (free != used.end())
            gear.shortAddress = uint8_t(free - used.begin());
    }
    bus_->addGear(std::move(gear));
    rebuildTiles();
}

void SimPanelWindow::removeGear(size_t index) {
    if (!bus_)
        return;
    bus_->removeGear(index);
    rebuildTiles();
}

bool SimPanelWindow::saveBus(const QString& path, QString& error) const {
    sim::Scenario scenario;
    scenario.timeScale = backend_->clock()->timeScale();
    scenario.interfaces.emplace_back();
    scenario.interfaces.back().bus.gear = bus_ ? bus_->gearSnapshot() : std::vector<sim::GearConfig>{};
    scenario.interfaces.back().bus.alignedReplies = bus_ && bus_->alignedReplies();
    if (bus_) {
        scenario.interfaces.back().bus.powered = bus_->powered();
        scenario.interfaces.back().bus.seed = bus_->seed();
    }
    QFile file(path);
    const QByteArray json = QByteArray::fromStdString(sim::scenarioJson(scenario));
    if (file.open(QIODevice::WriteOnly) && file.write(json) == json.size())
        return true;
    error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

bool SimPanelWindow::openBus(const QString& path, QString& error) {
    std::string problem;
    const std::optional<sim::Scenario> scenario = sim::loadScenarioFile(path.toStdString(), problem);
    if (!scenario || scenario->interfaces.empty() || !bus_) {
        error = scenario ? QStringLiteral("%1: no bus").arg(path) : QString::fromStdString(problem);
        return false;
    }
    const sim::BusConfig& opened = scenario->interfaces.front().bus;
    bus_->replaceGear(opened.gear, opened.seed.value_or(sim::deriveSeed(scenario->seed, 0)));
    bus_->setPowered(opened.powered);
    rebuildTiles();
    return true;
}

QWidget* SimPanelWindow::buildBusKeys() {
    auto* box = new QWidget;
    auto* add = new QPushButton(QStringLiteral("Add gear"), box);
    auto* addAddressed = new QPushButton(QStringLiteral("Add addressed gear"), box);
    auto* save = new QPushButton(QStringLiteral("Save bus…"), box);
    auto* open = new QPushButton(QStringLiteral("Open bus…"), box);
    auto* power = power_ = new QCheckBox(QStringLiteral("Bus power"), box);
    power->setObjectName(QStringLiteral("busPower"));
    power->setChecked(!bus_ || bus_->powered());
    connect(power, &QCheckBox::toggled, this, [this](bool on) {
        if (bus_)
            bus_->setPowered(on);
    });
    connect(add, &QPushButton::clicked, this, [this] { addGear(false); });
    connect(addAddressed, &QPushButton::clicked, this, [this] { addGear(true); });
    const QString filter = QStringLiteral("Scenario (*.json)");
    connect(save, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the bus"), QString(), filter);
        QString error;
        if (!path.isEmpty() && !saveBus(path, error))
            QMessageBox::warning(this, windowTitle(), error);
    });
    connect(open, &QPushButton::clicked, this, [this, filter] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open a bus"), QString(), filter);
        QString error;
        if (!path.isEmpty() && !openBus(path, error))
            QMessageBox::warning(this, windowTitle(), error);
    });
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    const std::vector<std::shared_ptr<kit::SimController>>& controllers = backend_->controllers();
    if (controllers.size() > 1) {
        auto* picker = new QComboBox(box);
        picker->setObjectName(QStringLiteral("interface"));
        for (const std::shared_ptr<kit::SimController>& controller : controllers)
            picker->addItem(QStringLiteral("Interface %1").arg(QString::fromStdWString(controller->serialNumber())));
        connect(picker, &QComboBox::currentIndexChanged, this, [this](int index) { showInterface(size_t(index)); });
        layout->addWidget(picker);
    }
    for (QPushButton* button : {add, addAddressed, save, open})
        layout->addWidget(button);
    layout->addStretch();
    layout->addWidget(power);
    return box;
}

QWidget* SimPanelWindow::buildMonitor() {
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
            [this, address] { monitor_->setAddressFilter(address->currentData().toInt()); });
    connect(command, &QLineEdit::textChanged, monitor_, &sim::FrameMonitor::setCommandFilter);
    connect(pause, &QCheckBox::toggled, monitor_, &sim::FrameMonitor::setPaused);
    connect(clear, &QPushButton::clicked, monitor_, &sim::FrameMonitor::clear);
    connect(exportButton, &QPushButton::clicked, this, &SimPanelWindow::exportShown);
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

void SimPanelWindow::exportShown() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export the shown frames"), QString(),
                                                      QStringLiteral("Capture (*.txt);;CSV (*.csv)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    const QString text = path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? monitor_->exportCsv()
                                                                                     : monitor_->exportCapture();
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
        QMessageBox::warning(this, windowTitle(), QStringLiteral("The file could not be written: %1").arg(path));
}

void SimPanelWindow::refresh() {
    if (!bus_)
        return;
    if (power_ && power_->isChecked() != bus_->powered()) {
        const QSignalBlocker quiet(power_);
        power_->setChecked(bus_->powered());
    }
    const uint64_t nowUs = backend_->clock()->nowUs();
    for (size_t i = 0; i < tiles_.size(); ++i) {
        GearTileState state;
        bus_->withGear(i, [&](sim::ControlGear& g) {
            state = {QString::fromStdString(g.name()),
                     g.shortAddress(),
                     g.randomAddress(),
                     g.deviceType(),
                     g.groups(),
                     g.actualLevel(nowUs),
                     g.dimmingCurve(),
                     g.mainsPowered(),
                     g.isInitialising(nowUs),
                     // Withdrawn and selected count only while the gear initialises.
                     g.isInitialising(nowUs) && g.isWithdrawn(),
                     g.isInitialising(nowUs) && g.isPhysicallySelected(),
                     g.faults(),
                     std::nullopt,
                     0,
                     false,
                     false,
                     false,
                     std::nullopt};
            if (const sim::EmergencyUnit* unit = g.emergencyUnit()) {
                state.emergency = true;
                state.batteryFailure = unit->batteryFailure();
                state.emergencyLampFailure = unit->lampFailure();
            }
            if (g.luminaireBanks().has(1))
                state.activeEnergyWh = g.luminaireBanks().activeEnergyWh(nowUs);
            if (g.hasDeviceType(dali::kDeviceTypeColour)) {
                state.colour = g.colour().actual;
                state.colourChannels = g.colour().channels;
            }
        });
        tiles_[i]->showState(state);
    }
}
