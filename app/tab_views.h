#pragma once
// The tab host of the device panel: pages for basic parameters, scenes,
// information, colour and emergency, created with the host and shown one at a
// time; the colour page only while the selection holds colour gear, the
// emergency page only while one emergency luminaire is selected. It is how the
// main view reaches the tabs (DeviceTabs); a change of the page goes to the
// main view, and the new page gets the keyboard focus.

#include "app/device_tabs.h"

#include <QTabWidget>

#include <array>

class CBasicView;
class ColourView;
class CEmergencyView;
class CWaitDlg;
class CInfoView;
class CSceneView;
class TabActions;

class CTabViews final : public QTabWidget, public DeviceTabs {
    Q_OBJECT

public:
    // The pages' buttons and edits go to `actions`, which must outlive the host.
    explicit CTabViews(TabActions& actions, QWidget* parent = nullptr);
    ~CTabViews() override;

    void SetLink(const BusLink& link) override { link_ = link; }
    // Shows the first page.
    void Initialise() override;
    // Tab captions 102, 103, 104, 543 and every page's own texts.
    void ApplyLanguage(const QString& languageModulePath) override;
    void EnableBasicControls(bool enabled) override;
    void EnableSceneControls(bool enabled) override;
    void EnableSendButtons(bool enabled) override;
    void DisableBusButtons() override;
    void ShowBasic(int address, const DeviceRecord& record) override;
    void ShowScenes(int address, const DeviceRecord& record) override;
    void ShowInfo(const std::vector<InfoRow>& rows) override;
    void ShowName(int address, const QString& name, bool editable) override;
    void ShowColourTab(bool visible) override;
    void ShowColour(const DeviceRecord& record, bool online) override;
    bool colourEdited() const override;
    BasicSettings basicSettings() const override;
    SceneSettings sceneSettings() const override;
    WaitDialog& WaitDialogOf(DeviceTab tab) override;
    void ShowEmergencyPage(bool shown, bool online) override;
    void ShowEmergency(const EmergencyState& state) override;

    CBasicView& basicView() const { return *basic_; }
    CSceneView& sceneView() const { return *scenes_; }
    CInfoView& infoView() const { return *info_; }
    ColourView& colourView() const { return *colour_; }
    CEmergencyView& emergencyView() const { return *emergency_; }
    const BusLink& link() const { return link_; }

private:
    // Hiding the page in front brings the basic tab to the front first, so
    // Qt does not pick a neighbour (and read it) on its own.
    void setPageVisible(QWidget* page, bool visible);

    CBasicView* basic_;
    CSceneView* scenes_;
    CInfoView* info_;
    ColourView* colour_;
    CEmergencyView* emergency_;
    // The pages by DeviceTab: a page's index changes while others are hidden or added.
    std::array<QWidget*, size_t(DeviceTab::Emergency) + 1> pages_{};
    std::array<CWaitDlg*, size_t(DeviceTab::Emergency) + 1> waitDialogs_{};  // by DeviceTab, each owned by its page
    BusLink link_;
};
