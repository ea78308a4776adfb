#pragma once
// Connecting to an interface, the device search and bus scan, disconnecting
// and the close notification. It owns the serial number the status bar shows.

#include "app/view_core.h"

class ConnectionFlow {
public:
    explicit ConnectionFlow(ViewCore& core) : core_(core) {}

    // Connecting closes a project shown offline (after the user agreed): its
    // records go, and so does the project itself, so nothing compares the bus
    // with a project that is no longer there; projectClosed lets the view
    // forget what it kept of it.
    void Connect();
    void Disconnect();
    void SearchDevices();
    // Asks each short address for its status and fills the working table and
    // the matrix; returns the number of gear present afterwards.
    int ScanBus();
    // What a scan that found gear enables: the commands for present gear and
    // the device panel; the tabs wait for a selection.
    void EnableScannedBus();
    // The close notification: a dirty project is saved, the interface closed.
    void Close();
    // The state pane says "offline".
    void ShowOffline();
    // Start-up: no interface yet.
    void resetSerial();
    const QString& serialText() const { return serialText_; }

    std::function<void()> projectClosed;

private:
    void ConnectChosenInterface(KitHandle handle);
    void OfferBusScan();

    ViewCore& core_;
    QString serialText_ = QStringLiteral("00000000");
};
