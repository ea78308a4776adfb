#pragma once
// What the colour tab asks of the program (core side: no widgets). The main
// view implements it for the selected gear, with SendColourToSelection.

#include "devices/colour_changes.h"

class ColourTabServices {
public:
    virtual ~ColourTabServices() = default;
    // The colour temperature slider or field was set: every selected colour
    // gear shows it at once.
    virtual void SetLiveColourTemperature(uint16_t mirek) = 0;
    // "Senden": the edited items to every selected colour gear.
    virtual void SendColourChanges(const ColourChanges& changes) = 0;
};
