#pragma once
// The tab host of the device panel: three pages, basic parameters, scenes and
// information, created with the host and shown one at a time. It is how the
// main view reaches the tabs (DeviceTabs); a change of the page goes to the
// main view, and the new page gets the keyboard focus.

#include "app/device_tabs.h"

#include <QTabWidget>

#include <array>

class CBasicView;
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

    CBasicView& basicView() const { return *basic_; }
    CSceneView& sceneView() const { return *scenes_; }
    CInfoView& infoView() const { return *info_; }
    const BusLink& link() const { return link_; }

private:
    CBasicView* basic_;
    CSceneView* scenes_;
    CInfoView* info_;
    std::array<CWaitDlg*, 3> waitDialogs_{};  // by DeviceTab, each owned by its page
    BusLink link_;
};
