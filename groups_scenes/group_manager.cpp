#include "groups_scenes/group_manager.h"

#include "dali/dali_commands.h"
#include "devices/device_store.h"
#include "devices/send_all.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

using dali::code;
using dali::Op;

namespace {

constexpr StringId kRowLabel = 261, kWriteTitle = 182, kWriteText = 206;
constexpr int kGroupCount = 16;

}  // namespace

GroupManager::GroupManager(ManagerContext context, WaitDialog& waitDialog)
    : context_(std::move(context)), waitDialog_(waitDialog) { Fill(); }

void GroupManager::Fill() {
    rows_.clear();
    for (int a = 0; a < kDeviceCount; ++a) {
        const DeviceRecord& record = context_.store.workingTable[size_t(a)];
        if (record.present != 1)
            continue;
        rows_.push_back(a);
        membership_[size_t(a)] = uint16_t(record.groupsHigh << 8 | record.groupsLow);
    }
}

QString GroupManager::rowLabel(int row) const {
    return FormatNumbers(LoadText(kRowLabel, context_.languageModulePath), {rowAddress(row)});
}

QString GroupManager::rowName(int row) const { return context_.store.workingTable[size_t(rowAddress(row))].name; }

void GroupManager::NameEdited(int row, const QString& name) {
    if (row >= 0 && row < rowCount())
        ManagerNameEdited(context_, rowAddress(row), name);
}

bool GroupManager::isMember(int row, int group) const {
    return (membership_[size_t(rowAddress(row))] >> group) & 1;
}

bool GroupManager::canApply() const { return context_.link.handle != nullptr && !offline(); }

void GroupManager::Click(int row, int column) {
    ++changeCount_;
    if (row < 0 || row >= rowCount() || column < 1 || column > kGroupCount)
        return;
    membership_[size_t(rowAddress(row))] ^= uint16_t(1u << (column - 1));
}

void GroupManager::Clear() {
    for (int a : rows_)
        membership_[size_t(a)] = 0;
    ++changeCount_;
}

void GroupManager::Reset() {
    Fill();
    changeCount_ = 0;
}

void GroupManager::Apply() {
    if (!canApply())
        return;
    const QString& module = context_.languageModulePath;
    waitDialog_.Show({LoadText(kWriteTitle, module), LoadText(kWriteText, module), 1, 0, QString(),
                              rowCount()});
    // The row's address comes from the row map, not from its label: a
    // language module may word "Gerät %d" any way it likes.
    for (int a : rows_) {
        DeviceRecord& record = context_.store.workingTable[size_t(a)];
        const uint16_t before = uint16_t(record.groupsHigh << 8 | record.groupsLow);
        const uint16_t after = membership_[size_t(a)];
        for (int g = 0; g < kGroupCount; ++g) {
            if (((before ^ after) >> g & 1) == 0)
                continue;
            const uint8_t opcode = uint8_t(((after >> g) & 1 ? code(Op::AddToGroup) : code(Op::RemoveFromGroup)) + g);
            dalikit_SendTwice(context_.link, dali::commandAddress(a), opcode);
        }
        waitDialog_.Step();
        context_.processPendingEvents();
        record.SetGroupMask(after);
    }
    waitDialog_.Hide();
    changeCount_ = 0;
}

bool GroupManager::Close() { return ManagerMayClose(context_, changeCount_); }
