#pragma once
// The tab host of the device panel: three pages, basic parameters, scenes and
// information, created with the host and shown one at a time. It is how the
// main view reaches the tabs (DeviceTabs).

#include "app/device_tabs.h"

#include <QTabWidget>

#include <array>
#include <functional>

class TabPageView;

class CTabViews final : public QTabWidget, public DeviceTabs {
    Q_OBJECT

public:
    enum Page { kBasicPage = 0, kScenesPage = 1, kInfoPage = 2 };

    // onSend runs when the "Send" button of the basic or scenes tab is pressed.
    explicit CTabViews(std::function<void()> onSend, QWidget* parent = nullptr);

    void SetLink(const BusLink& link) override { link_ = link; }
    // Shows the first page.
    void Initialise() override;
    // Tab captions 102, 103, 104 and the "Send" buttons' caption 285.
    void ApplyLanguage(const QString& languageModulePath) override;
    void EnableBasicControls(bool enabled) override;
    void EnableSceneControls(bool enabled) override;
    void EnableSendButtons(bool enabled) override;
    void DisableBusButtons() override;
    void RefreshTabs(int address) override { refreshedAddress_ = address; }

    TabPageView* page(Page page) const { return pages_[size_t(page)]; }
    const BusLink& link() const { return link_; }
    // The address of the last RefreshTabs, -1 before the first.
    int refreshedAddress() const { return refreshedAddress_; }

private:
    std::array<TabPageView*, 3> pages_;
    BusLink link_;
    int refreshedAddress_ = -1;
};
