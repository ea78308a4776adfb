#pragma once
// The tab host of the device panel: basic parameters, scenes, information and
// the emergency page (only while one emergency luminaire is selected), created
// with the host and shown one at a time. It is how the
// main view reaches the tabs (DeviceTabs); a change of the page goes to the
// main view, and the new page gets the keyboard focus.

#include "app/device_tabs.h"

#include <QTabWidget>

#include <array>

class CBasicView;
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
    // Tab captions 102, 103, 104 and every page's own texts.
    void ApplyLanguage(const QString& languageModulePath) override;
    void EnableBasicControls(bool enabled) override;
    void EnableSceneControls(bool enabled) override;
    void EnableSendButtons(bool enabled) override;
    void DisableBusButtons() override;
    void ShowBasic(int address, const DeviceRecord& record) override;
    void ShowScenes(int address, const DeviceRecord& record) override;
    void ShowInfo(const std::vector<InfoRow>& rows) override;
    void ShowName(const QString& name, bool editable) override;
    BasicSettings basicSettings() const override;
    SceneSettings sceneSettings() const override;
    WaitDialog& WaitDialogOf(DeviceTab tab) override;
    void ShowEmergencyPage(bool shown, bool online) override;
    void ShowEmergency(const EmergencyState& state) override;

    CBasicView& basicView() const { return *basic_; }
    CSceneView& sceneView() const { return *scenes_; }
    CInfoView& infoView() const { return *info_; }
    CEmergencyView& emergencyView() const { return *emergency_; }
    const BusLink& link() const { return link_; }

private:
    QWidget* pageOf(DeviceTab tab) const;
    DeviceTab tabAt(int index) const;

    CBasicView* basic_;
    CSceneView* scenes_;
    CInfoView* info_;
    CEmergencyView* emergency_;
    std::array<CWaitDlg*, size_t(DeviceTab::Emergency) + 1> waitDialogs_{};  // by DeviceTab, each owned by its page
    BusLink link_;
};
