#pragma once
// The group manager without its window: the membership grid of every present
// gear (one row per gear, one column per group 0..15), switched by clicks,
// cleared or reset, and applied to the gear with ADD TO GROUP and REMOVE FROM
// GROUP for the changed memberships only.

#include "groups_scenes/manager_context.h"

class WaitDialog;

#include <array>
#include <vector>

class GroupManager {
public:
    // Fills the grid from the working table.
    GroupManager(ManagerContext context, WaitDialog& waitDialog);

    int rowCount() const { return int(rows_.size()); }
    int rowAddress(int row) const { return rows_[size_t(row)]; }
    QString rowLabel(int row) const;  // text 261 "Gerät %d"
    QString rowName(int row) const;   // the gear's name, empty when it has none
    void NameEdited(int row, const QString& name);  // ManagerNameEdited; not a change to apply
    bool isMember(int row, int group) const;
    int changeCount() const { return changeCount_; }
    // Applying needs an interface, and an installation that is not offline.
    bool canApply() const;
    bool offline() const { return context_.offlineMode == 1; }

    // A click on the grid counts as a change wherever it lands; on a group
    // column (1..16) of a row it switches that membership.
    void Click(int row, int column);
    // "Clear": no gear in any group.
    void Clear();
    // "Zurücksetzten": the memberships of the records again.
    void Reset();
    // "Übernehmen": for each row, each group whose membership differs from
    // the record goes out (twice, as configuration commands require), then
    // the record takes the new membership. Nothing without an interface.
    void Apply();
    // "Schließen": true when the dialog may close (asks about changes not applied).
    bool Close();

private:
    void Fill();

    ManagerContext context_;
    WaitDialog& waitDialog_;  // the manager window's own
    std::vector<int> rows_;  // short address of each row
    std::array<uint16_t, 64> membership_{};  // per short address, bit g = group g
    int changeCount_ = 0;
};
