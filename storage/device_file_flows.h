#pragma once
// "Gerätedaten speichern" and "Gerätedaten laden": one gear's settings into a
// device file, and a device file's settings onto the one selected gear.

#include "devices/tab_settings.h"
#include "storage/file_flow_context.h"

struct DeviceFileContext : FileFlowContext {
    std::function<void(int address)> showRecord;   // the basic and scenes tabs show the record
    std::function<BasicSettings()> basicSettings;  // what the basic tab has ticked, for sending
};

// Reads the selected gear again and writes its record; tells whether the
// file was written.
void SaveDeviceFile(DeviceFileContext& c);

// The file's values go into the selected record (present, device type and
// read state stay; parameters and scenes count as read); after a question
// the basic tab's ticked settings and the 16 scene levels are sent to the
// gear. A file that cannot be read is reported and changes nothing; offline
// nothing is asked or sent.
void LoadDeviceFile(DeviceFileContext& c);
