#pragma once
// The colour tab of the selected gear (device type 8): offered while the
// selection holds colour gear, read when it comes to the front, and its live
// colour and "Senden" going to every selected colour gear.

#include "app/view_core.h"
#include "devices/colour_tab_services.h"

#include <vector>

class ColourTabFlow final : public ColourTabServices {
public:
    explicit ColourTabFlow(ViewCore& core) : core_(core) {}

    // The selection changed: the tab is offered while it holds colour gear;
    // in front it is refreshed, behind it shows the first one's record as it stands.
    void SelectionChanged(bool inFront, WaitDialog& wait);
    // Online, reads the colour of every selected colour gear not read yet
    // (only queries), then shows the first one's record.
    void Refresh(WaitDialog& wait);

    void SetLiveColourTemperature(uint16_t mirek) override;
    void SendColourChanges(const ColourChanges& changes) override;

private:
    std::vector<int32_t> SelectedColourGear() const;
    ColourWriteResult Send(const std::vector<int32_t>& gear, const ColourChanges& changes);

    ViewCore& core_;
};

// Colour gear by its device types, or offline by the colour a file gave it.
bool IsColourGear(const DeviceRecord& record);
