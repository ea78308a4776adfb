// The interface's cable pulled while connected, on the simulated backend and
// on the HID backend (its hidapi calls served by the same simulated
// controller): the next bus command fails and says so, connecting finds no
// interface until it is plugged in again, then everything works as before,
// and closing the program afterwards is harmless.

#include "kit/hid_backend.h"
#include "addressing/own_command.h"
#include "kit/sim_controller.h"
#include "tests/support/headless_view.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

constexpr uint16_t kVendor = 0x07C0;
const char* const kNoInterfaceText =
    "Es wurden keine Quorrel gefunden.\nBitte prüfen Sie die USB-Verbindung und versuchen Sie es erneut.";

// hidapi in front of a simulated controller: one HID interface per
// controller, gone from the listing and failing every transfer while the
// controller is unplugged, as hidraw does.
class SimulatedHidApi final : public kit::HidApi {
public:
    explicit SimulatedHidApi(std::shared_ptr<kit::SimController> controller) : controller_(std::move(controller)) {}

    std::vector<kit::HidInterfaceInfo> enumerate(uint16_t) override {
        if (!controller_->pluggedIn())
            return {};
        return {{"/dev/hidraw0", kVendor, controller_->productId(), controller_->serialNumber(), 1, "/sys/usb1/1-1"}};
    }
    std::unique_ptr<kit::HidConnection> open(const std::string&) override {
        return controller_->pluggedIn() ? std::make_unique<Connection>(controller_) : nullptr;
    }

private:
    class Connection final : public kit::HidConnection {
    public:
        explicit Connection(std::shared_ptr<kit::SimController> controller) : controller_(std::move(controller)) {}
        int write(const uint8_t* data, size_t length) override {
            const int written = controller_->write(1, data, int(length));
            return controller_->pluggedIn() ? written : -1;
        }
        int readTimeout(uint8_t* data, size_t length, int) override {
            const int read = controller_->read(1, data, int(length));
            return controller_->pluggedIn() ? read : -1;
        }

    private:
        std::shared_ptr<kit::SimController> controller_;
    };

    std::shared_ptr<kit::SimController> controller_;
};

enum class Backend { Simulated, Hid };

class Unplugged : public ::testing::TestWithParam<Backend> {
protected:
    Unplugged() : h(OneInterfaceScenario({R"({"shortAddress": 4})"})) {
        controller = h.backend().controllers()[0];
        if (GetParam() == Backend::Hid)
            kit::installBackend(std::make_shared<kit::HidBackend>(std::make_shared<SimulatedHidApi>(controller), kVendor));
        h.WriteConfig(0, 0, 1);
        h.Start();
    }
    // Connects without the offer to scan (on HID every idle wait sleeps for real).
    void Connect() {
        h.prompts.Answer(kDialogCancel);
        h.view().Connect();
    }
    QString LastMessage() const { return h.prompts.messages.empty() ? QString() : h.prompts.messages.back().text; }

    HeadlessView h;
    std::shared_ptr<kit::SimController> controller;
};

TEST_P(Unplugged, CommandsFailCleanlyUntilPluggedInAndConnectedAgain) {
    Connect();
    ASSERT_EQ(h.view().interfaceConnected(), 1);
    h.view().Execute(CommandAction::AllOff);
    EXPECT_EQ(LastMessage(), "Der Befehl wurde erfolgreich ausgefüht.");

    controller->unplug();
    h.view().Execute(CommandAction::AllOff);
    EXPECT_EQ(LastMessage(), "Es ist ein Fehler aufgetreten.");
    EXPECT_EQ(h.view().interfaceConnected(), 1);  // nothing tells the program before the user does

    h.view().Disconnect();
    EXPECT_EQ(h.view().offlineMode(), 1);
    h.view().Connect();
    EXPECT_EQ(LastMessage(), kNoInterfaceText);
    EXPECT_EQ(h.view().interfaceConnected(), 0);

    controller->plugIn();
    Connect();
    ASSERT_EQ(h.view().interfaceConnected(), 1);
    EXPECT_EQ(h.view().statusPanes()[kPaneRevision].text, "Rev: 0.1.2.3");
    h.view().Execute(CommandAction::AllOff);
    EXPECT_EQ(LastMessage(), "Der Befehl wurde erfolgreich ausgefüht.");
    h.bus().withGear(0, [](sim::ControlGear& g) { EXPECT_EQ(g.actualLevel(), 0); });

    // Pulled again and the window closed: the handle is closed, once.
    controller->unplug();
    const KitHandle handle = h.view().link().handle;
    h.view().OwnCommand(WM_OWN_COMMAND_CLOSE, 0);
    const uint8_t report[8] = {0x02};
    EXPECT_EQ(kit_write(handle, 1, report, 8), -1);
}

INSTANTIATE_TEST_SUITE_P(Backends, Unplugged, ::testing::Values(Backend::Simulated, Backend::Hid),
                         [](const ::testing::TestParamInfo<Backend>& info) {
                             return info.param == Backend::Hid ? "Hid" : "Simulated";
                         });

}  // namespace
