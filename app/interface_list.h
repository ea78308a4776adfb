#pragma once
// The Quorrel interfaces attached now, as the interface chooser lists them.

#include "kit/pellixkit.h"

#include <QString>

#include <vector>

inline constexpr uint16_t kQuorrelProductId = 0x1501;

struct InterfaceEntry {
    KitHandle handle;
    QString text;  // "Serial (Pellix): <serial number>"
};

// Enumerates the kit afresh (kit_open) and lists every interface of product
// id 0x1501 in the kit's order; empty when the kit finds none.
std::vector<InterfaceEntry> ListQuorrelInterfaces();

// The serial number of an interface as text (at most 8 characters).
QString InterfaceSerial(KitHandle handle);
