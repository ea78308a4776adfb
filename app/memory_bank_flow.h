#pragma once
// "Speicherbänke…": the expert's view of the raw memory banks of the one
// selected gear, online only. Reads a bank (latched where it latches) and
// writes one location after a question, each result said in a message.

#include "app/view_core.h"

class MemoryBankFlow final {
public:
    explicit MemoryBankFlow(ViewCore& core) : core_(core) {}

    // The dialog over the window for the selected gear; nothing without one
    // selected present gear or offline.
    void ShowMemoryBanks();

private:
    ViewCore& core_;
};
