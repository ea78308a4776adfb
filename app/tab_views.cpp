#include "app/tab_views.h"

#include "app/info_view.h"
#include "devices/tab_actions.h"
#include "devices/basic_view.h"
#include "devices/emergency_view.h"
#include "devices/scene_view.h"
#include "devices/wait_dlg.h"
#include "storage/load_text.h"

#include <QPushButton>

namespace {
constexpr StringId kBasicCaption = 102, kScenesCaption = 103, kInfoCaption = 104, kEmergencyCaption = 560;
constexpr DeviceTab kTabs[] = {DeviceTab::Basic, DeviceTab::Scenes, DeviceTab::Info, DeviceTab::Emergency};

EmergencyViewServices emergencyServices(TabActions& actions) {
    return {[&actions](EmergencyState& state) { return actions.ReadEmergencyUnit(state); },
            [&actions](EmergencyAction action) { return actions.RunEmergencyCommand(action); },
            [&actions](LinkResult result) { actions.EmergencyFailed(result); },
            {}};
}
}

CTabViews::CTabViews(TabActions& actions, QWidget* parent)
    : QTabWidget(parent),
      basic_(new CBasicView(actions, this)),
      scenes_(new CSceneView(actions, this)),
      info_(new CInfoView(actions, this)),
      emergency_(new CEmergencyView(emergencyServices(actions), this)) {
    addTab(basic_, QStringLiteral("Basic"));
    addTab(scenes_, QStringLiteral("Scenes"));
    addTab(info_, QStringLiteral("Info"));
    addTab(emergency_, QStringLiteral("Emergency"));
    setTabVisible(indexOf(emergency_), false);
    for (DeviceTab tab : kTabs)
        waitDialogs_[size_t(tab)] = new CWaitDlg(pageOf(tab));
    // Connected once the pages are in: adding the first one makes it current.
    connect(this, &QTabWidget::currentChanged, this, [this, &actions](int index) {
        QWidget* page = widget(index);
        if (!page)
            return;
        page->setFocus();
        actions.TabChanged(tabAt(index));
    });
}

// Nothing the host or its pages signal while they go (a focus moving away
// from an edited field) may reach the actions.
CTabViews::~CTabViews() {
    blockSignals(true);
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

QWidget* CTabViews::pageOf(DeviceTab tab) const {
    switch (tab) {
        case DeviceTab::Basic:
            return basic_;
        case DeviceTab::Scenes:
            return scenes_;
        case DeviceTab::Info:
            return info_;
        case DeviceTab::Emergency:
            return emergency_;
        case DeviceTab::Colour:
            break;
    }
    return nullptr;
}

// Pages come and go with the selection: the position says nothing by itself.
DeviceTab CTabViews::tabAt(int index) const {
    for (DeviceTab tab : kTabs)
        if (pageOf(tab) == widget(index))
            return tab;
    return DeviceTab::Basic;
}

void CTabViews::Initialise() { setCurrentWidget(basic_); }

void CTabViews::ApplyLanguage(const QString& module) {
    // Relabelled in place: the page shown and its tab stay together.
    setTabText(0, LoadText(kBasicCaption, module));
    setTabText(1, LoadText(kScenesCaption, module));
    setTabText(2, LoadText(kInfoCaption, module));
    setTabText(indexOf(emergency_), LoadText(kEmergencyCaption, module));
    basic_->ApplyLanguage(module);
    scenes_->ApplyLanguage(module);
    info_->ApplyLanguage(module);
    emergency_->ApplyLanguage(module);
}

void CTabViews::EnableBasicControls(bool enabled) { basic_->EnableControls(enabled); }

void CTabViews::EnableSceneControls(bool enabled) { scenes_->EnableControls(enabled); }

void CTabViews::EnableSendButtons(bool enabled) {
    basic_->sendButton()->setEnabled(enabled);
    scenes_->sendButton()->setEnabled(enabled);
}

void CTabViews::DisableBusButtons() {
    basic_->DisableBusButtons();
    scenes_->sendButton()->setEnabled(false);
    emergency_->EnableControls(false);
}

void CTabViews::ShowEmergencyPage(bool shown, bool online) {
    setTabVisible(indexOf(emergency_), shown);
    emergency_->EnableControls(shown && online);
}

void CTabViews::ShowEmergency(const EmergencyState& state) { emergency_->ShowUnit(state); }

void CTabViews::ShowBasic(int, const DeviceRecord& record) { basic_->ShowDevice(record); }

void CTabViews::ShowScenes(int, const DeviceRecord& record) { scenes_->ShowDevice(record); }

void CTabViews::ShowInfo(const std::vector<InfoRow>& rows) { info_->ShowInfo(rows); }

void CTabViews::ShowName(const QString& name, bool editable) { info_->ShowName(name, editable); }

BasicSettings CTabViews::basicSettings() const { return basic_->Settings(); }

SceneSettings CTabViews::sceneSettings() const { return scenes_->Settings(); }

WaitDialog& CTabViews::WaitDialogOf(DeviceTab tab) { return *waitDialogs_[size_t(tab)]; }
