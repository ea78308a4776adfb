#include "groups_scenes/scene_manager.h"

#include "dali/dali_commands.h"
#include "devices/colour_writing.h"
#include "devices/device_store.h"
#include "devices/gear_transactions.h"
#include "devices/level_text.h"
#include "devices/wait_dialog.h"
#include "storage/load_text.h"

#include <algorithm>

using dali::code;
using dali::Op;

namespace {

constexpr StringId kLinear = 147, kLogarithmic = 122, kReadTitle = 177, kReadText = 188, kWriteTitle = 182,
                   kWriteText = 206;
const QString kMaskText = QStringLiteral("MASK");

}  // namespace

SceneManager::SceneManager(ManagerContext context, WaitDialog& waitDialog)
    : context_(std::move(context)), waitDialog_(waitDialog) {
    for (int a = 0; a < kDeviceCount; ++a)
        if (context_.store.workingTable[size_t(a)].present == 1)
            rows_.push_back({a, dali::kMask});
    presentCount_ = int(rows_.size());
}

bool SceneManager::canEdit() const { return !offline() && context_.link.handle != nullptr; }

QStringList SceneManager::RowTexts(int row) const {
    const Row& r = rows_[size_t(row)];
    const uint8_t curve = context_.store.workingTable[size_t(r.address)].dimmingCurve;
    const QString& module = context_.languageModulePath;
    const QString curveText = LoadText(curve != 0 ? kLinear : kLogarithmic, module);
    const int kelvin = KelvinFromMirek(r.mirek);
    const QString kelvinText = kelvin > 0 ? QStringLiteral("%1 K").arg(kelvin) : QString();
    if (!r.known)
        return {QString::number(r.address), QString(), QString(), curveText, kelvinText};
    const bool mask = r.level == dali::kMask;
    return {QString::number(r.address), mask ? kMaskText : QString::number(r.level),
            mask ? kMaskText : LevelText(r.level, curve), curveText, kelvinText};
}

bool SceneManager::anyTunableWhite() const {
    const DeviceTable& table = context_.store.workingTable;
    return std::any_of(table.begin(), table.end(),
                       [](const DeviceRecord& r) { return r.present == 1 && r.colour.tunableWhite(); });
}

void SceneManager::ChooseScene(int scene) {
    scene_ = scene & 0x0F;
    rows_.clear();
    const DeviceTable& table = context_.store.workingTable;
    if (offline()) {
        for (int a = 0; a < kDeviceCount; ++a)
            if (table[size_t(a)].present == 1)
                rows_.push_back({a, table[size_t(a)].sceneLevel[size_t(scene_)], true,
                                 table[size_t(a)].colour.sceneMirek[size_t(scene_)]});
        return;
    }
    if (!context_.link.handle)
        return;
    const QString& module = context_.languageModulePath;
    waitDialog_.Show({LoadText(kReadTitle, module), LoadText(kReadText, module), 1, 0, QString(),
                              presentCount_});
    for (int a = 0; a < kDeviceCount; ++a) {
        if (table[size_t(a)].present != 1)
            continue;
        LinkResult ignored = 0;
        const std::optional<uint8_t> level =
            QueryGear(context_.link, dali::commandAddress(a), uint8_t(code(Op::QuerySceneLevel) + scene_), ignored);
        rows_.push_back({a, level.value_or(dali::kMask), level.has_value(),
                         table[size_t(a)].colour.sceneMirek[size_t(scene_)]});
        waitDialog_.Step();
        context_.processPendingEvents();
    }
    waitDialog_.Hide();
}

QString SceneManager::RowName(int row) const {
    return context_.store.workingTable[size_t(rows_[size_t(row)].address)].name;
}

void SceneManager::NameEdited(int row, const QString& name) {
    if (row >= 0 && row < int(rows_.size()))
        ManagerNameEdited(context_, rows_[size_t(row)].address, name);
}

QStringList SceneManager::LevelChoices() {
    QStringList choices;
    for (int level = 0; level <= 254; ++level)
        choices << QString::number(level);
    choices << kMaskText;
    return choices;
}

void SceneManager::LevelEdited(int row, const QString& text) {
    ++changeCount_;
    if (row < 0 || row >= int(rows_.size()) || text.isEmpty())
        return;
    Row& r = rows_[size_t(row)];
    r.level = text == kMaskText ? dali::kMask : uint8_t(text.toInt());
    r.known = true;
}

void SceneManager::ColourTemperatureEdited(int row, const QString& text) {
    if (row < 0 || row >= int(rows_.size()))
        return;
    Row& r = rows_[size_t(row)];
    if (!context_.store.workingTable[size_t(r.address)].colour.tunableWhite())
        return;
    bool number = false;
    const int kelvin = QString(text).remove(QLatin1Char('K')).trimmed().toInt(&number);
    if (!text.trimmed().isEmpty() && !number)
        return;  // not a number: the row keeps its colour temperature
    ++changeCount_;
    r.mirek = kelvin > 0 ? MirekFromKelvin(kelvin) : kColourMask;
}

void SceneManager::Apply() {
    if (!canEdit() || scene_ < 0)
        return;
    const QString& module = context_.languageModulePath;
    waitDialog_.Show({LoadText(kWriteTitle, module), LoadText(kWriteText, module), 1, 0, QString(),
                              presentCount_});
    // Compared with the record, not with what was read: a gear whose scenes
    // were never read gets every shown level.
    for (const Row& row : rows_) {
        DeviceRecord& record = context_.store.workingTable[size_t(row.address)];
        uint8_t& stored = record.sceneLevel[size_t(scene_)];
        uint16_t& storedMirek = record.colour.sceneMirek[size_t(scene_)];
        // A tunable-white gear stores its temporary colour with the level:
        // the level goes with the row's colour temperature.
        const bool tc = record.colour.tunableWhite() && row.level != dali::kMask;
        if (row.known && (row.level != stored || (tc && row.mirek != storedMirek))) {
            if (tc && row.mirek != kColourMask) {
                StoreSceneWithTc(context_.link, row.address, scene_, row.level, row.mirek);
            } else {
                dalikit_StoreScene(context_.link, dali::commandAddress(row.address), scene_, row.level);
                dalikit_WaitIdle(context_.link);
            }
            stored = row.level;
            if (record.colour.tunableWhite())
                storedMirek = tc ? row.mirek : kColourMask;
        }
        waitDialog_.Step();
        context_.processPendingEvents();
    }
    waitDialog_.Hide();
    changeCount_ = 0;
}

void SceneManager::Recall() {
    if (!context_.link.handle || scene_ < 0)
        return;
    dalikit_Send(context_.link, dali::kBroadcast, uint8_t(code(Op::GoToScene) + scene_));
    dalikit_WaitIdle(context_.link);
}

bool SceneManager::Close() { return ManagerMayClose(context_, changeCount_); }
