#pragma once
// The tab host of the device panel: pages for basic parameters, scenes,
// information and colour, created with the host and shown one at a time; the
// colour page only while the selection holds colour gear. It is how the
// main view reaches the tabs (DeviceTabs); a change of the page goes to the
// main view, and the new page gets the keyboard focus.

#include "app/device_tabs.h"

#include <QTabWidget>

#include <array>

class CBasicView;
class ColourView;
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
    void ShowName(const QString& name, bool editable) override;
    void ShowColourTab(bool visible) override;
    void ShowColour(const DeviceRecord& record, bool online) override;
    bool colourEdited() const override;
    BasicSettings basicSettings() const override;
    SceneSettings sceneSettings() const override;
    WaitDialog& WaitDialogOf(DeviceTab tab) override;

    CBasicView& basicView() const { return *basic_; }
    CSceneView& sceneView() const { return *scenes_; }
    CInfoView& infoView() const { return *info_; }
    ColourView& colourView() const { return *colour_; }
    const BusLink& link() const { return link_; }

private:
    CBasicView* basic_;
    CSceneView* scenes_;
    CInfoView* info_;
    ColourView* colour_;
    // The pages by DeviceTab: a page's index changes while others are hidden or added.
    std::array<QWidget*, 4> pages_{};
    std::array<CWaitDlg*, 4> waitDialogs_{};  // by DeviceTab, each owned by its page
    BusLink link_;
};
