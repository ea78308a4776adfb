// Project and device file commands of the main view on a simulated bus:
// what is asked, what is written, what the bus receives.

#include "addressing/own_command.h"
#include "storage/device_lines.h"
#include "tests/support/file_bytes.h"
#include "tests/support/headless_view.h"

#include <gtest/gtest.h>

namespace {

using Frames = std::vector<std::string>;

const std::string kTwoGear = OneInterfaceScenario(
    {R"({"shortAddress": 5, "maxLevel": 200, "groups": [1], "scenes": {"0": 100}})",
     R"({"shortAddress": 17, "minLevel": 40, "fadeTime": 4, "dimmingCurve": 1})"});

class ProjectFlows : public ::testing::Test {
protected:
    void Connect(bool scan = true) {
        h.WriteConfig(0, 0, 1);
        h.Start();
        h.prompts.Answer(scan ? kDialogOk : kDialogCancel);
        h.view().Connect();
        h.TakeForwardFrames();
        h.prompts.confirmations.clear();
        h.prompts.messages.clear();
    }
    QString Path(const char* name) const { return h.folder.filePath(QString::fromLatin1(name)); }
    // "Projekt speichern", answered yes, into this file.
    void SaveTo(const QString& path) {
        h.prompts.Answer(kDialogOk);
        h.prompts.ChoosePath(path);
        h.view().SaveProject();
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageRequest& m : h.prompts.messages)
            texts << m.text;
        return texts;
    }
    void Select(int address) {
        h.view().matrix().cells[size_t(address)].selected = 1;
        h.view().OwnCommand(1, address);
        h.TakeForwardFrames();
    }

    HeadlessView h{kTwoGear};
};

TEST_F(ProjectFlows, SavedThenOpenedOfflineTheRecordsComeBack) {
    Connect();
    SaveTo(Path("site.prj"));
    EXPECT_EQ(h.prompts.confirmations[0].text, "Möchten Sie das aktuelle Projekt abspeichern?");
    EXPECT_EQ(h.waitDialog.progressTexts, (QStringList{"Devices 1 / 2", "Devices 2 / 2"}));
    EXPECT_EQ(h.prompts.fileChoosers[0].filter, "Project file (*.prj)|*.prj|All Files (*.*)|*.*||");
    EXPECT_EQ(ReadFileBytes(Path("site.prj")).size(), 220);
    const DeviceTable saved = h.view().store().workingTable;

    h.view().Disconnect();
    h.prompts.ChoosePath(Path("site.prj"));
    h.view().OpenProject();
    EXPECT_EQ(MessageTexts().last(), "Sie befinden sich im Offline Modus. Sie können die Daten nur betrachten.");
    for (int a : {5, 17}) {
        DeviceRecord expected = saved[size_t(a)];
        expected.readState = 6;
        expected.actualLevel = 255;
        expected.deviceType = 0;
        EXPECT_EQ(h.view().store().workingTable[size_t(a)], expected) << a;
        EXPECT_EQ(h.view().matrix().cells[size_t(a)].present, 1);
    }
    EXPECT_EQ(h.view().store().workingTable[5].maxLevel, 200);
    EXPECT_EQ(h.view().projectLoaded, 1);
    EXPECT_FALSE(h.surface.identifyEnabled);
    EXPECT_TRUE(h.view().commands().IsEnabled(CommandId::GroupsTool));
}

TEST_F(ProjectFlows, TransferWritesEveryGearsWholeRecordInAddressOrder) {
    Connect();
    SaveTo(Path("site.prj"));
    h.TakeForwardFrames();
    h.waitDialog.progressTexts.clear();
    h.prompts.ChoosePath(Path("site.prj"));
    h.prompts.Answer(kDialogOk);
    h.view().OpenProject();
    const Frames transfer = h.TakeForwardFrames();
    EXPECT_EQ(h.waitDialog.progressTexts, (QStringList{"Devices 0 / 2", "Devices 1 / 2"}));
    h.view().store().WriteAll(5);
    h.view().store().WriteAll(17);
    EXPECT_EQ(transfer, h.TakeForwardFrames());
    EXPECT_FALSE(transfer.empty());
}

TEST_F(ProjectFlows, AProjectOfOtherAddressesChangesNothing) {
    Connect();
    SaveTo(Path("site.prj"));
    ASSERT_TRUE(WriteFileBytes(Path("other.prj"), Utf16LE("05FE\n12FE\n")));  // 17 → 18
    const DeviceTable before = h.view().store().workingTable;
    h.TakeForwardFrames();
    h.prompts.ChoosePath(Path("other.prj"));
    h.view().OpenProject();
    EXPECT_EQ(MessageTexts().last(),
              "Die gefundenen DALI Adressen entsprechen nicht denen in der Projektdatei. Der Vorgang wird abgebrochen.");
    EXPECT_EQ(h.view().store().workingTable, before);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST_F(ProjectFlows, DecliningTheTransferKeepsTheProjectsValuesOnShow) {
    Connect();
    ASSERT_TRUE(WriteFileBytes(Path("p.prj"), Utf16LE("05C8\n1164\n")));
    h.prompts.ChoosePath(Path("p.prj"));
    h.prompts.Answer(kDialogCancel);
    h.view().OpenProject();
    EXPECT_EQ(MessageTexts().last(), "Die angezeigten Werte entspechen denen der Projektdaten, nicht denen, die "
                                     "wirklich im Geräte vorhanden sind.");
    EXPECT_EQ(h.view().store().workingTable[17].maxLevel, 0x64);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

TEST_F(ProjectFlows, OpeningOnAnUnscannedBusAsksToSearch) {
    ASSERT_TRUE(WriteFileBytes(Path("p.prj"), Utf16LE("05C8\n11FE\n")));
    Connect(false);
    h.prompts.ChoosePath(Path("p.prj"));
    h.prompts.Answer(kDialogOk);  // search
    h.prompts.Answer(kDialogOk);  // transfer
    h.view().OpenProject();
    ASSERT_EQ(h.prompts.confirmations.size(), 2u);
    EXPECT_EQ(h.prompts.confirmations[0].text, "Wollen Sie nach vorhandenen / adressierten DALI-Geräten suchen?");
    EXPECT_EQ(h.prompts.confirmations[1].text, "Sollen die geladenen Einstellungen übertragen werden?");
    h.bus().withGear(0, [](sim::ControlGear& g) { EXPECT_EQ(g.maxLevel(), 0xC8); });
    // What a scan that finds gear enables.
    for (CommandId id : {CommandId::SaveProjectTool, CommandId::ReadAll, CommandId::GroupsTool, CommandId::ScenesMenu})
        EXPECT_TRUE(h.view().commands().IsEnabled(id)) << int(id);
    EXPECT_TRUE(h.surface.devicePanelEnabled);
}

TEST_F(ProjectFlows, ATransferWritesTheScenesItShowsAndTheTabsShowThem) {
    Connect();
    Select(5);
    // Gear 5: scene 0 at 0x20 (it holds 100), the rest MASK; gear 17: scene 3 at 0x40.
    const QString gear5 = QStringLiteral("05FE01FEFE000007000000") + QStringLiteral("20") + QString(30, u'F');
    const QString gear17 = QStringLiteral("11FE01FEFE000007000000") + QStringLiteral("FFFFFF40") + QString(24, u'F');
    ASSERT_TRUE(WriteFileBytes(Path("p.prj"), Utf16LE(gear5 + u'\n' + gear17 + u'\n')));
    h.prompts.ChoosePath(Path("p.prj"));
    h.prompts.Answer(kDialogOk);
    h.tabs.basicShown.clear();
    h.view().OpenProject();
    h.bus().withGear(0, [](sim::ControlGear& g) {
        EXPECT_EQ(g.scenes()[0], 0x20);
        EXPECT_EQ(g.scenes()[3], 255);
    });
    h.bus().withGear(1, [](sim::ControlGear& g) {
        EXPECT_EQ(g.scenes()[0], 255);
        EXPECT_EQ(g.scenes()[3], 0x40);
    });
    EXPECT_EQ(h.tabs.basicShown, std::vector<int>{5});
    EXPECT_EQ(h.tabs.scenesShown, std::vector<int>{5});
    EXPECT_EQ(h.tabs.shownRecord, h.view().store().workingTable[5]);
    EXPECT_EQ(h.tabs.shownRecord.sceneLevel[0], 0x20);
}

TEST_F(ProjectFlows, ADirtyProjectIsSavedBeforeDisconnecting) {
    Connect();
    h.view().projectDirty = 1;
    h.prompts.Answer(kDialogOk);
    h.prompts.ChoosePath(Path("on-disconnect.prj"));
    h.view().Disconnect();
    EXPECT_EQ(ReadFileBytes(Path("on-disconnect.prj")).size(), 220);
    EXPECT_EQ(h.view().projectDirty, 0);
}

TEST_F(ProjectFlows, FilesThatCannotBeWrittenAreReported) {
    Connect();
    SaveTo(Path("missing/folder/site.prj"));
    EXPECT_EQ(MessageTexts(), (QStringList{"Die Datei konnte nicht gespeichert werden."}));

    h.prompts.messages.clear();
    Select(5);
    h.prompts.ChoosePath(Path("missing/folder/gear.dev"));
    h.view().SaveDeviceFile();
    EXPECT_EQ(MessageTexts(), (QStringList{"Die Datei konnte nicht gespeichert werden."}));
}

TEST_F(ProjectFlows, ADeviceFileCopiesOneGearsSettingsOntoAnother) {
    Connect();
    h.prompts.messages.clear();
    h.view().SaveDeviceFile();  // nothing selected
    EXPECT_EQ(MessageTexts(), (QStringList{"Bitte wählen Sie nur ein einzelnes DALI-Gerät aus."}));

    Select(5);
    h.prompts.ChoosePath(Path("gear"));  // the extension is added
    h.view().SaveDeviceFile();
    EXPECT_EQ(MessageTexts().last(), "Die Gerätedaten wurden erfolgreiche gespeichert.");
    ASSERT_EQ(ReadFileBytes(Path("gear.dev")).size(), 110);

    h.view().matrix().cells[5].selected = 0;
    Select(17);
    const DeviceRecord before = h.view().store().workingTable[17];
    h.tabs.basic = BasicSettings{};
    h.tabs.basic.ticked.fill(false);
    h.tabs.basic.Tick(BasicItem::MaxLevel, true);
    h.tabs.basic.maxLevel = 200;
    h.prompts.ChoosePath(Path("gear.dev"));
    h.prompts.Answer(kDialogOk);
    h.view().LoadDeviceFile();
    const DeviceRecord& loaded = h.view().store().workingTable[17];
    EXPECT_EQ(loaded.maxLevel, 200);
    EXPECT_EQ(loaded.groupMask, 0x0002);
    EXPECT_EQ(loaded.sceneLevel[0], 100);
    EXPECT_EQ(loaded.present, before.present);
    EXPECT_EQ(loaded.deviceType, before.deviceType);
    EXPECT_EQ(loaded.readState, before.readState | 6);
    EXPECT_EQ(h.tabs.basicShown.back(), 17);
    ASSERT_FALSE(h.tabs.scenesShown.empty());
    EXPECT_EQ(h.tabs.scenesShown.back(), 17);
    h.bus().withGear(1, [](sim::ControlGear& g) {
        EXPECT_EQ(g.maxLevel(), 200);
        EXPECT_EQ(g.scenes()[0], 100);  // gear 5's scenes go along
    });

    // A file that cannot be read: said so, nothing asked, the record stays.
    h.prompts.messages.clear();
    const size_t questions = h.prompts.confirmations.size();
    const DeviceRecord kept = h.view().store().workingTable[17];
    h.prompts.ChoosePath(Path("missing.dev"));
    h.view().LoadDeviceFile();
    EXPECT_EQ(MessageTexts(), (QStringList{"Die Gerätedatei konnte nicht gelesen werden."}));
    EXPECT_EQ(h.prompts.confirmations.size(), questions);
    EXPECT_EQ(h.view().store().workingTable[17], kept);
}

TEST_F(ProjectFlows, ANewProjectClearsTheStoreAndTheFlags) {
    Connect();
    h.view().projectLoaded = 1;
    h.view().basicChanged = 1;
    h.prompts.Answer(kDialogCancel);  // not saved
    h.view().NewProject();
    EXPECT_EQ(h.view().store().PresentCount(), 0);
    EXPECT_EQ(h.view().projectLoaded, 0);
    EXPECT_EQ(h.view().basicChanged, 0);
    EXPECT_EQ(h.view().matrix().cells[5].present, 0);
}

// Names live in the project: named where the installer sees the gear,
// carried onto the bus's records by a transfer, kept by an address move,
// written with the project and shown for the selected gear.
TEST_F(ProjectFlows, GearNamesTravelWithTheProjectAndTheGear) {
    Connect();
    const QString gear5 = QStringLiteral("05C8010000020007000000") + QString(32, u'F');
    const QString gear17 = QStringLiteral("11FE28000000000004010") + QString(33, u'F');
    ASSERT_TRUE(WriteFileBytes(Path("named.prj"), Utf16LE(gear5 + "\n" + gear17 + "\n" +
                                                         "#kelvane-name 05 Empfang\n#kelvane-site Halle 3\n")));
    h.prompts.ChoosePath(Path("named.prj"));
    h.prompts.Answer(kDialogOk);  // the transfer
    h.view().OpenProject();
    DeviceStore& store = h.view().store();
    EXPECT_EQ(store.workingTable[5].name, "Empfang");
    EXPECT_EQ(store.projectHeader.site, "Halle 3");

    Select(5);
    EXPECT_EQ(h.view().statusPanes()[kPaneName].text, "Empfang");
    EXPECT_EQ(h.tabs.shownName, "Empfang");
    EXPECT_TRUE(h.tabs.nameEditable);
    h.view().tabActions().NameEdited(5, "  Empfang Downlight 1 ");
    EXPECT_EQ(store.workingTable[5].name, "Empfang Downlight 1");
    EXPECT_EQ(h.view().statusPanes()[kPaneName].text, "Empfang Downlight 1");
    EXPECT_EQ(h.view().projectDirty, 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());  // a name is not sent
    EXPECT_EQ(h.view().matrix().describeCell(5), "Empfang Downlight 1");

    h.prompts.Answer(kDialogOk);  // the move question
    h.view().matrix().pressedCell = 5;
    h.view().matrix().targetCell = 9;
    h.view().OwnCommand(4, 9);
    EXPECT_EQ(store.workingTable[9].name, "Empfang Downlight 1");
    EXPECT_TRUE(store.workingTable[5].name.isEmpty());
    EXPECT_EQ(h.view().statusPanes()[kPaneName].text, "Empfang Downlight 1");

    SaveTo(Path("saved.prj"));
    const QByteArray saved = ReadFileBytes(Path("saved.prj"));
    EXPECT_TRUE(saved.endsWith(Utf16LE("#kelvane-name 09 Empfang Downlight 1\n"
                                       "#kelvane-unit 09 placed=2026-03-01T08:00:00Z\n#kelvane-site Halle 3\n")));
}

// Names are the project's: a rescan keeps them by address and lists the
// named gear that no longer answer; the save writes them, and a project just
// saved closes without a question.
TEST_F(ProjectFlows, ARescanKeepsTheNamesAndASavedProjectClosesWithoutAQuestion) {
    Connect();
    h.view().tabActions().NameEdited(5, QStringLiteral("Empfang"));
    h.view().tabActions().NameEdited(17, QStringLiteral("Flur"));
    const auto mains = [this](bool on) { h.bus().withGear(1, [on](sim::ControlGear& g) { g.setMainsPowered(on); }); };
    mains(false);
    h.view().SearchDevices();
    ASSERT_EQ(h.prompts.lists.size(), 1u);
    EXPECT_EQ(h.prompts.lists[0].text, "Diese benannten Geräte antworten nicht mehr. Ihre Namen bleiben bei ihren "
                                       "Adressen, solange das Projekt offen ist; eine Projektdatei enthält nur "
                                       "antwortende Geräte.");
    EXPECT_EQ(h.prompts.lists[0].entries, QStringList{"17 (Flur)"});
    EXPECT_EQ(h.view().statusPanes()[kPaneCount].text, "1/64");
    mains(true);
    h.view().SearchDevices();
    EXPECT_EQ(h.prompts.lists.size(), 1u);

    SaveTo(Path("named.prj"));
    EXPECT_TRUE(ReadFileBytes(Path("named.prj")).endsWith(Utf16LE("\n#kelvane-name 05 Empfang\n#kelvane-name 11 Flur\n")));
    const size_t asked = h.prompts.confirmations.size();
    h.view().OwnCommand(WM_OWN_COMMAND_CLOSE, 0);
    EXPECT_EQ(h.prompts.confirmations.size(), asked);
}

// Opening B while an edited A is shown offline, never connected: A is asked
// about first and saved with its own header; then B is shown.
TEST_F(ProjectFlows, OpeningAnotherProjectFirstSavesTheEditedOneWithItsOwnHeader) {
    const QString gear5 = "05FE01FEFE000007000000" + QString(32, u'F'), gear17 = "11" + gear5.mid(2);
    ASSERT_TRUE(WriteFileBytes(Path("a.prj"), Utf16LE(gear5 + "\n#kelvane-site Halle A\n")));
    ASSERT_TRUE(WriteFileBytes(Path("b.prj"), Utf16LE(gear17 + "\n#kelvane-site Halle B\n")));
    h.WriteConfig(0, 0, 1);
    h.Start();
    h.prompts.ChoosePath(Path("a.prj"));
    h.view().OpenProject();
    h.view().tabActions().NameEdited(5, QStringLiteral("Empfang"));

    h.prompts.ChoosePath(Path("b.prj"));
    h.prompts.Answer(kDialogOk);
    h.prompts.ChoosePath(Path("a-saved.prj"));
    h.view().OpenProject();
    EXPECT_EQ(ReadFileBytes(Path("a-saved.prj")), Utf16LE(gear5 + "\n#kelvane-name 05 Empfang\n#kelvane-site Halle A\n"));
    EXPECT_EQ(h.view().store().projectHeader.site, "Halle B");
    EXPECT_EQ(h.view().store().workingTable[17].present, 1);
    EXPECT_EQ(h.prompts.pendingAnswers(), 0u);
}

// A gear that does not answer while the report reads every gear first shows
// "?" in the report, and the project file marks its values unread.
TEST_F(ProjectFlows, AGearThatDoesNotAnswerStaysUnreadInTheReportAndTheFile) {
    Connect();
    h.bus().withGear(1, [](sim::ControlGear& g) { g.setFaults({.lateReplies = true}); });
    h.prompts.Answer(kDialogOk);  // read every gear first
    h.prompts.ChoosePath(Path("report.pdf"));
    h.view().CreateReport();
    ASSERT_EQ(h.surface.reports.size(), 1u);
    const InstallationReport& report = h.surface.reports[0];
    EXPECT_EQ(report.gear.rows[0][5], "200 (22.892%)");
    EXPECT_EQ(report.gear.rows[1].mid(3), QStringList(report.gear.rows[1].size() - 3, "?"));
    EXPECT_EQ(report.groups.rows[1].mid(1), QStringList(16, "?"));
    EXPECT_EQ(report.scenes.rows[1].mid(1), QStringList(16, "?"));

    SaveTo(Path("unread.prj"));
    EXPECT_TRUE(ReadFileBytes(Path("unread.prj")).endsWith(Utf16LE("\n#kelvane-unread 11 parameters scenes\n")));
    EXPECT_EQ(h.prompts.lists.back().entries, QStringList{"17"});
    DeviceTable reread;
    ReadProjectFile(Path("unread.prj"), reread);
    EXPECT_EQ(reread[5].readState, 7u);
    EXPECT_EQ(reread[17].readState, 1u);
}

// The header is edited through its dialog: Cancel changes nothing, OK keeps
// the fields as the file will, and the next save writes them after the
// device lines.
TEST_F(ProjectFlows, TheEditedHeaderIsAChangeToSaveAndIsSaved) {
    Connect();
    h.surface.onProjectHeaderDialog = [](ProjectHeader& header) {
        header.project = QStringLiteral("verworfen");
        return false;
    };
    h.view().EditProjectHeader();
    EXPECT_TRUE(h.view().store().projectHeader.isEmpty());
    EXPECT_EQ(h.view().projectDirty, 0);

    h.surface.onProjectHeaderDialog = [](ProjectHeader& header) {
        header = {QStringLiteral("  Umbau Nord "), QStringLiteral("Halle 3"), QString(),
                  QStringLiteral("Zeile 1\nC:\\Licht\n") + QString(300, u'x')};
        return true;
    };
    h.view().EditProjectHeader();
    const QString notes = QStringLiteral("Zeile 1\nC:\\Licht\n") + QString(239, u'x');
    EXPECT_EQ(h.view().store().projectHeader, (ProjectHeader{"Umbau Nord", "Halle 3", QString(), notes}));
    EXPECT_EQ(h.view().projectDirty, 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());

    SaveTo(Path("header.prj"));
    const QByteArray saved = ReadFileBytes(Path("header.prj"));
    ASSERT_GT(saved.size(), 220);
    EXPECT_EQ(saved.mid(220), Utf16LE("#kelvane-project Umbau Nord\n#kelvane-site Halle 3\n#kelvane-notes Zeile 1\\nC:\\\\Licht\\n" +
                                      QString(239, u'x') + "\n"));
}

// A name typed in a manager's list is kept at once and is a change to save.
TEST_F(ProjectFlows, ANameTypedInTheGroupManagerIsAChangeToSave) {
    Connect();
    h.surface.onGroupDialog = [](GroupManager& manager) {
        manager.NameEdited(1, QStringLiteral(" Flur "));
        return kManagerClosed;
    };
    h.view().OpenGroupManager();
    EXPECT_EQ(h.view().store().workingTable[17].name, "Flur");
    EXPECT_EQ(h.view().projectDirty, 1);
    EXPECT_TRUE(h.TakeForwardFrames().empty());
}

}  // namespace

namespace {

TEST_F(ProjectFlows, PlansAreSavedWithTheProjectAndBadPlanLinesAreSaidOnce) {
    Connect();
    FloorPlans& plans = h.view().store().floorPlans;
    plans.AddPlan(Path("eg.png"));
    plans.Place(17, 0, 0.5, 0.25);
    SaveTo(Path("site.prj"));
    const QString saved = QString::fromUtf16(reinterpret_cast<const char16_t*>(ReadFileBytes(Path("site.prj")).constData()),
                                             ReadFileBytes(Path("site.prj")).size() / 2);
    EXPECT_TRUE(saved.endsWith("\n#kelvane-plan 1 eg.png\n#kelvane-place 11 1 0.5000 0.2500\n")) << saved.toStdString();

    ASSERT_TRUE(WriteFileBytes(Path("bad.prj"), ReadFileBytes(Path("site.prj")) +
                                                    Utf16LE("#kelvane-place 11 1 0.1 0.1\n#kelvane-place 41 1 0.1 0.1\n"
                                                            "#kelvane-place 05 1 2 0.1\n")));
    plans = {};
    h.view().Disconnect();
    h.prompts.messages.clear();
    h.prompts.ChoosePath(Path("bad.prj"));
    h.view().OpenProject();
    ASSERT_GE(h.prompts.messages.size(), 1u);
    EXPECT_EQ(h.prompts.messages[0].text, "3 Zeilen des Grundrisses wurden übersprungen (außerhalb des Bildes, doppelt, "
                                          "Adresse über 63 oder ohne Grundriss).");
    EXPECT_EQ(MessageTexts().count(h.prompts.messages[0].text), 1);
    EXPECT_EQ(plans.files, QStringList{Path("eg.png")});
    EXPECT_EQ(plans.places[17], (PlanPlace{0, 0.5, 0.25}));
    EXPECT_FALSE(plans.places[5]);
}

}  // namespace
