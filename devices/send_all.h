#pragma once
// "Senden": writes what the current tab shows into every selected gear and
// its record, under the wait dialog, asking first when several gear are
// selected.

#include "devices/tab_settings.h"
#include "link/dalikit.h"

#include <QString>

#include <functional>
#include <initializer_list>

class DeviceStore;
class Prompts;
class WaitDialog;

struct SendAllContext {
    BusLink link;
    DeviceStore& store;
    Prompts& prompts;
    WaitDialog& waitDialog;
    QString languageModulePath;
    DeviceTab currentTab;
    BasicSettings basic;   // what the basic tab shows
    SceneSettings scenes;  // what the scenes tab shows
    std::function<void()> processPendingEvents;
};

struct SendAllResult {
    bool selectionChecked = false;  // a gear was selected: the change flags are to be cleared
    bool sent = false;              // at least one gear was written: the project is dirty
};

// Without an interface nothing happens; with nothing selected a notice says so.
SendAllResult RunSendAll(SendAllContext& context);

// "%d" in a text, replaced by the numbers in turn (the progress lines come
// from language modules, so they are never used as a format string).
QString FormatNumbers(QString text, std::initializer_list<int> numbers);
