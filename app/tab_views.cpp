#include "app/tab_views.h"

#include "app/info_view.h"
#include "devices/colour_view.h"
#include "devices/tab_actions.h"
#include "devices/basic_view.h"
#include "devices/emergency_view.h"
#include "devices/scene_view.h"
#include "devices/wait_dlg.h"
#include "storage/load_text.h"

#include <QPushButton>

#include <algorithm>

namespace {
constexpr StringId kBasicCaption = 102, kScenesCaption = 103, kInfoCaption = 104, kColourCaption = 543,
                   kEmergencyCaption = 560;

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
      colour_(new ColourView(actions.colourServices(), this)),
      emergency_(new CEmergencyView(emergencyServices(actions), this)),
      pages_{basic_, scenes_, info_, colour_, emergency_} {
    addTab(basic_, QStringLiteral("Basic"));
    addTab(scenes_, QStringLiteral("Scenes"));
    addTab(info_, QStringLiteral("Info"));
    addTab(colour_, QStringLiteral("Colour"));
    addTab(emergency_, QStringLiteral("Emergency"));
    setTabVisible(indexOf(colour_), false);
    setTabVisible(indexOf(emergency_), false);
    for (size_t tab = 0; tab < pages_.size(); ++tab)
        waitDialogs_[tab] = new CWaitDlg(pages_[tab]);
    // Connected once the pages are in: adding the first one makes it current.
    connect(this, &QTabWidget::currentChanged, this, [this, &actions](int index) {
        QWidget* page = widget(index);
        const auto tab = std::find(pages_.begin(), pages_.end(), page);
        if (!page || tab == pages_.end())
            return;
        page->setFocus();
        actions.TabChanged(DeviceTab(tab - pages_.begin()));
    });
}

// Nothing the host or its pages signal while they go (a focus moving away
// from an edited field) may reach the actions.
CTabViews::~CTabViews() {
    blockSignals(true);
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

void CTabViews::Initialise() { setCurrentWidget(basic_); }

void CTabViews::ApplyLanguage(const QString& module) {
    // Relabelled in place: the page shown and its tab stay together.
    setTabText(indexOf(basic_), LoadText(kBasicCaption, module));
    setTabText(indexOf(scenes_), LoadText(kScenesCaption, module));
    setTabText(indexOf(info_), LoadText(kInfoCaption, module));
    setTabText(indexOf(colour_), LoadText(kColourCaption, module));
    setTabText(indexOf(emergency_), LoadText(kEmergencyCaption, module));
    basic_->ApplyLanguage(module);
    scenes_->ApplyLanguage(module);
    info_->ApplyLanguage(module);
    colour_->ApplyLanguage(module);
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
    colour_->SetOnline(false);
    emergency_->EnableControls(false);
}

void CTabViews::ShowEmergencyPage(bool shown, bool online) {
    setPageVisible(emergency_, shown);
    emergency_->EnableControls(shown && online);
}

void CTabViews::ShowEmergency(const EmergencyState& state) { emergency_->ShowUnit(state); }

void CTabViews::ShowBasic(int, const DeviceRecord& record) { basic_->ShowDevice(record); }

void CTabViews::ShowScenes(int, const DeviceRecord& record) { scenes_->ShowDevice(record); }

void CTabViews::ShowInfo(const std::vector<InfoRow>& rows) { info_->ShowInfo(rows); }

void CTabViews::ShowName(int address, const QString& name, bool editable) {
    info_->ShowName(address, name, editable);
}

void CTabViews::ShowColourTab(bool visible) { setPageVisible(colour_, visible); }

void CTabViews::setPageVisible(QWidget* page, bool visible) {
    const int index = indexOf(page);
    if (isTabVisible(index) == visible)
        return;
    if (!visible && currentIndex() == index)
        setCurrentWidget(basic_);
    setTabVisible(index, visible);
}

void CTabViews::ShowColour(const DeviceRecord& record, bool online) {
    colour_->ShowDevice(record);
    colour_->SetOnline(online);
}

bool CTabViews::colourEdited() const { return isTabVisible(indexOf(colour_)) && colour_->Changes().Any(); }

BasicSettings CTabViews::basicSettings() const { return basic_->Settings(); }

SceneSettings CTabViews::sceneSettings() const { return scenes_->Settings(); }

WaitDialog& CTabViews::WaitDialogOf(DeviceTab tab) { return *waitDialogs_[size_t(tab)]; }
