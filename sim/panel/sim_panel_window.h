#pragma once
// "Simulated DALI bus": a window of the simulator beside Kelvane's main
// window, showing each simulated gear as a lamp with its keys, and the bus
// monitor below. The application does not know it exists: it opens itself
// when the kit runs on its simulated backend (sim_panel_startup.cpp).

#include <QWidget>

#include <memory>
#include <vector>

class GearTile;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableView;
class QTimer;

namespace kit {
class SimBackend;
}
namespace sim {
class DaliBus;
class FrameMonitor;
}

class SimPanelWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SimPanelWindow(std::shared_ptr<kit::SimBackend> backend, QWidget* parent = nullptr);
    ~SimPanelWindow() override;

    sim::FrameMonitor& monitor() { return *monitor_; }
    const std::vector<GearTile*>& tiles() const { return tiles_; }
    // Reads every gear and shows it (the window does so 20 times a second).
    void refresh();

    // Rehearsing an installation: a new gear joins the bus, without a short
    // address or with the lowest one no gear has; a gear leaves it.
    void addGear(bool withShortAddress);
    void removeGear(size_t index);
    // A scenario with several interfaces shows one bus at a time; the picker
    // above the lamps chooses which. The monitor starts empty on the new bus.
    void showInterface(size_t index);
    size_t shownInterface() const { return shown_; }
    // The shown bus as a scenario file, and a scenario file's first bus in
    // place of the shown bus's gear. False (with `error`) when the file cannot be written or read.
    bool saveBus(const QString& path, QString& error) const;
    bool openBus(const QString& path, QString& error);

private:
    QWidget* buildMonitor();
    QWidget* buildBusKeys();
    void rebuildTiles();
    void listenToBus();
    void exportShown();

    std::shared_ptr<kit::SimBackend> backend_;
    std::shared_ptr<sim::DaliBus> bus_;
    size_t shown_ = 0;
    std::vector<GearTile*> tiles_;
    QWidget* tilesArea_ = nullptr;
    sim::FrameMonitor* monitor_;
    QTableView* list_ = nullptr;
    QCheckBox* power_ = nullptr;
    QTimer* refresh_;
};
