// kelvane-ui-bench: how responsive the main window stays during a bus scan.
// Starts the main window on a simulated interface in real time (timeScale 1;
// the demo bus unless PELLIXKIT_SIMULATION names a scenario), answers the
// search question with OK and measures, while the scan's wait dialog is up,
// the largest gap between two turns of the event loop: the longest a click or
// a repaint would have waited. Target: under 100 ms.

#include "app/main_frame.h"
#include "app/main_view.h"
#include "devices/prompts.h"
#include "devices/wait_dlg.h"
#include "kit/kit_backend.h"
#include "kit/sim_backend.h"
#include "sim/scenario.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr qint64 kTargetGapMs = 100;

// Every question is answered with OK; nothing else is expected.
class OkPrompts final : public Prompts {
public:
    using Prompts::Prompts;
    void ShowStockMessage(const QString& text, const QString&) override {
        std::fprintf(stderr, "config.ini: %s\n", qPrintable(text));
    }
    ChooserResult ChooseInterface(KitHandle, const QString&) override { return {}; }
    QString ChooseFile(const FileChooserRequest&) override { return {}; }

protected:
    ConfirmationAnswer Confirm(const ConfirmationRequest&) override { return {kDialogOk, false}; }
    int Pick(const ListRequest&) override { return -1; }
    int Message(const MessageRequest& request) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(request.text));
        return kDialogOk;
    }
};

// Turns of the event loop, timed while a job's wait dialog is shown.
class GapMeter {
public:
    GapMeter() {
        QObject::connect(&tick_, &QTimer::timeout, [this] { Turn(); });
        tick_.start(0);  // fires on every turn of the event loop
    }
    void Begin() {
        measuring_ = true;
        clock_.start();
        last_ = 0;
    }
    void End() {
        Turn();
        measuring_ = false;
        durationMs_ = clock_.elapsed();
    }
    qint64 largestGapMs() const { return largestGapMs_; }
    qint64 durationMs() const { return durationMs_; }
    int turns() const { return turns_; }

private:
    void Turn() {
        if (!measuring_)
            return;
        const qint64 now = clock_.elapsed();
        largestGapMs_ = std::max(largestGapMs_, now - last_);
        last_ = now;
        ++turns_;
    }

    QTimer tick_;
    QElapsedTimer clock_;
    bool measuring_ = false;
    qint64 last_ = 0, largestGapMs_ = 0, durationMs_ = 0;
    int turns_ = 0;
};

// The program's wait dialog, reporting when a job starts and ends.
class MeteredWaitDialog final : public WaitDialog {
public:
    MeteredWaitDialog(QWidget* owner, GapMeter& meter) : dialog_(new CWaitDlg(owner)), meter_(meter) {}
    ~MeteredWaitDialog() override { delete dialog_; }
    void Show(const WaitDialogRequest& request) override {
        dialog_->Show(request);
        meter_.Begin();
    }
    void SetProgressText(const QString& text) override { dialog_->SetProgressText(text); }
    void Step() override { dialog_->Step(); }
    void Repaint() override { dialog_->Repaint(); }
    bool CancelRequested() const override { return dialog_->CancelRequested(); }
    void Hide() override {
        meter_.End();
        dialog_->Hide();
    }
    void ProcessPendingEvents() override { dialog_->ProcessPendingEvents(); }

private:
    CWaitDlg* dialog_;
    GapMeter& meter_;
};

bool InstallRealTimeScenario() {
    const char* name = std::getenv("PELLIXKIT_SIMULATION");
    std::string error;
    auto scenario = sim::loadScenario(name && *name ? name : "demo", error);
    if (!scenario) {
        std::fprintf(stderr, "PELLIXKIT_SIMULATION: %s\n", error.c_str());
        return false;
    }
    scenario->timeScale = 1.0;
    kit::installBackend(kit::buildSimulatedBackend(*scenario));
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (!InstallRealTimeScenario())
        return 2;
    QTemporaryDir configFolder;
    QFile config(configFolder.filePath(QStringLiteral("config.ini")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write("[config]\nlang=de-DE\nauto_connect=1\nauto_locate=0\nadr_switch_ask=1\n") <= 0)
        return 2;
    config.close();

    GapMeter meter;
    ViewDialogs dialogs;
    dialogs.makePrompts = [](Settings& settings, QWidget*) { return std::make_unique<OkPrompts>(settings); };
    dialogs.makeWaitDialog = [&meter](QWidget* owner) { return std::make_unique<MeteredWaitDialog>(owner, meter); };
    CMainFrame frame(ProgramPaths{QApplication::applicationDirPath(), configFolder.path()}, dialogs);
    frame.InitialUpdate();  // connects and scans

    const int found = frame.view().mainView().store().PresentCount();
    const bool met = meter.turns() > 0 && meter.largestGapMs() < kTargetGapMs;
    std::printf("scan: %d gear in %.3f s, %d event loop turns, largest gap %lld ms (target < %lld ms): %s\n", found,
                double(meter.durationMs()) / 1000.0, meter.turns(), static_cast<long long>(meter.largestGapMs()),
                static_cast<long long>(kTargetGapMs), met ? "met" : "MISSED");
    frame.close();
    return met ? 0 : 1;
}
