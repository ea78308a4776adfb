#pragma once
// The scene manager without its window: for one chosen scene, the level of
// every present gear (read from the gear online, from the records offline)
// and for tunable-white gear the colour temperature (from the records: the
// gear cannot be asked), edited per row, applied with DTR0 and STORE THE DTR
// AS SCENE where a row differs from the record, and recalled on the whole bus.

#include "groups_scenes/manager_context.h"

class WaitDialog;

#include <QStringList>

#include <vector>

class SceneManager {
public:
    // One row per present gear, every level MASK until a scene is chosen.
    SceneManager(ManagerContext context, WaitDialog& waitDialog);

    struct Row {
        int address = 0;
        uint8_t level = 255;  // as shown; 255 = MASK
        bool known = true;    // false: the gear did not answer, and nobody has set a level since
        uint16_t mirek = 0xFFFF;  // the scene's colour temperature; MASK: none, or no tunable-white gear
    };
    const std::vector<Row>& rows() const { return rows_; }
    // The five columns of a row: address, level, level in percent, curve,
    // colour temperature ("3000 K", empty for none or gear without one).
    QStringList RowTexts(int row) const;
    // Some present gear is tunable white: the colour temperature column is wanted.
    bool anyTunableWhite() const;
    // The name of a row's gear, and a new one (ManagerNameEdited).
    QString RowName(int row) const;
    void NameEdited(int row, const QString& name);

    int chosenScene() const { return scene_; }
    int changeCount() const { return changeCount_; }
    bool offline() const { return context_.offlineMode == 1; }
    // The level column can be edited and applied only online with an interface.
    bool canEdit() const;

    // Choosing scene s: offline the records' levels; online each gear is
    // asked (QUERY SCENE LEVEL) and the answers are shown, the records keep
    // theirs. A gear that does not answer shows no level and is not written
    // until a level is picked for it. Online without an interface the list
    // stays empty.
    void ChooseScene(int scene);

    // The level column's choices: "0" .. "254", then "MASK".
    static QStringList LevelChoices();
    // The level column of a row was edited to this text ("MASK" or a
    // number; empty, the unknown level kept, changes nothing but the count).
    void LevelEdited(int row, const QString& text);

    // The colour temperature column of a row was edited: kelvin, or empty or
    // 0 for none. Rows of gear without tunable white keep none.
    void ColourTemperatureEdited(int row, const QString& text);

    // "Übernehmen": every row with a known level that differs from the
    // record's scene level or colour temperature is stored in the gear and
    // the record, a colour temperature with its level. Nothing without an
    // interface or a chosen scene.
    void Apply();
    // "Aufrufen": GO TO SCENE to all gear, once. Nothing without an interface
    // or a chosen scene.
    void Recall();
    // "Schließen": true when the dialog may close.
    bool Close();

private:
    void Show(const std::vector<Row>& rows);

    ManagerContext context_;
    WaitDialog& waitDialog_;  // the manager window's own
    std::vector<Row> rows_;
    int presentCount_ = 0;
    int scene_ = -1;
    int changeCount_ = 0;
};
