// The plans in a project file: exact bytes, what comes back, and the lines a
// reader skips and counts.

#include "storage/device_lines.h"
#include "tests/support/file_bytes.h"
#include "tests/support/qt_printers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kGear5 = "05FE55FEFE030007000000FE80FFFFFFFFFFFFFFFFFFFFFFFFFFFF";

class PlanLines : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    DeviceTable OneGear() const {
        DeviceTable table{};
        table[5] = {.present = 1, .fadeRate = 7, .maxLevel = 254, .minLevel = 85, .powerOnLevel = 254,
                    .systemFailureLevel = 254};
        table[5].SetGroupMask(0x0003);
        table[5].sceneLevel[0] = 254;
        table[5].sceneLevel[1] = 128;
        table[5].readState = kReadStateParameters | kReadStateScenes;
        return table;
    }
    // Reads this text as a project file; the plans and the count of skipped plan lines.
    FloorPlans Read(const QString& text, int& skipped) {
        EXPECT_TRUE(WriteFileBytes(Path("in.prj"), Utf16LE(text)));
        DeviceTable table{};
        FloorPlans plans;
        skipped = -1;
        ReadProjectFile(Path("in.prj"), table, nullptr, &plans, &skipped);
        return plans;
    }
    QTemporaryDir dir;
};

TEST_F(PlanLines, PlansAndPlacesFollowEveryOtherLineAndComeBack) {
    FloorPlans plans;
    plans.AddPlan(Path("plans/eg.png"));
    plans.AddPlan(dir.path() + "/../elsewhere/og 1.svg");
    plans.Place(0x3F, 1, 0.5, 1.0);
    plans.Place(5, 0, 0.25, 0.123456);
    ASSERT_TRUE(WriteProjectFile(Path("p.prj"), OneGear(), ProjectHeader{"Lager", {}, {}, {}}, plans));
    const QString otherPlan = QDir(dir.path()).relativeFilePath(QDir::cleanPath(dir.path() + "/../elsewhere/og 1.svg"));
    EXPECT_EQ(ReadFileBytes(Path("p.prj")),
              Utf16LE(kGear5 + "\n#kelvane-project Lager\n#kelvane-plan 1 plans/eg.png\n#kelvane-plan 2 " + otherPlan +
                      "\n#kelvane-place 05 1 0.2500 0.1235\n#kelvane-place 3F 2 0.5000 1.0000\n"));
    EXPECT_EQ(otherPlan, "../elsewhere/og 1.svg");

    // Another folder: the images are found relative to the file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("copy"));
    ASSERT_TRUE(WriteFileBytes(Path("copy/p.prj"), ReadFileBytes(Path("p.prj"))));
    DeviceTable table{};
    FloorPlans read;
    int skipped = -1;
    ASSERT_EQ(ReadProjectFile(Path("copy/p.prj"), table, nullptr, &read, &skipped), 1);
    EXPECT_EQ(skipped, 0);
    EXPECT_EQ(read.files, (QStringList{Path("copy/plans/eg.png"), Path("elsewhere/og 1.svg")}));
    EXPECT_EQ(read.places[5], (PlanPlace{0, 0.25, 0.1235}));
    EXPECT_EQ(read.places[0x3F], (PlanPlace{1, 0.5, 1.0}));
    EXPECT_EQ(std::count_if(read.places.begin(), read.places.end(), [](const auto& p) { return p.has_value(); }), 2);
}

TEST_F(PlanLines, AProjectWithoutPlansIsByteForByteAsBefore) {
    ASSERT_TRUE(WriteProjectFile(Path("a.prj"), OneGear(), {}, FloorPlans{}));
    EXPECT_EQ(ReadFileBytes(Path("a.prj")), Utf16LE(kGear5 + "\n"));
}

TEST_F(PlanLines, AMarkerOfAGearNotInTheFileIsKept) {
    int skipped = -1;
    const FloorPlans plans = Read(kGear5 + "\n#kelvane-place 20 1 0.1000 0.2000\n#kelvane-plan 1 eg.png\n", skipped);
    EXPECT_EQ(skipped, 0);
    EXPECT_EQ(plans.files, QStringList{Path("eg.png")});
    EXPECT_EQ(plans.places[0x20], (PlanPlace{0, 0.1, 0.2}));
}

TEST_F(PlanLines, LinesThatCannotStandAreSkippedAndCounted) {
    struct Case {
        const char* what;
        QString lines;
        int skipped;
        bool placed5;  // a good line for 05 remains
    };
    const QString plan = "#kelvane-plan 1 eg.png\n";
    const Case cases[] = {
        {"outside the image", plan + "#kelvane-place 05 1 1.0001 0.5\n#kelvane-place 06 1 0.5 -0.1\n", 2, false},
        {"address above 63", plan + "#kelvane-place 40 1 0.5 0.5\n#kelvane-place FF 1 0.5 0.5\n", 2, false},
        {"a second place of one address", plan + "#kelvane-place 05 1 0.5 0.5\n#kelvane-place 05 1 0.1 0.1\n", 1, true},
        {"a plan number twice", plan + "#kelvane-plan 1 og.png\n#kelvane-place 05 1 0.5 0.5\n", 1, true},
        {"a plan never declared", plan + "#kelvane-place 05 2 0.5 0.5\n", 1, false},
        {"words missing or not numbers", plan + "#kelvane-place 05 1 0.5\n#kelvane-place 5 1 0.5 0.5\n"
                                                "#kelvane-place 05 x 0.5 0.5\n#kelvane-plan 0 a.png\n#kelvane-plan 2\n",
         5, false},
    };
    for (const Case& c : cases) {
        int skipped = -1;
        const FloorPlans plans = Read(kGear5 + "\n" + c.lines, skipped);
        EXPECT_EQ(skipped, c.skipped) << c.what;
        EXPECT_EQ(plans.files, QStringList{Path("eg.png")}) << c.what;
        EXPECT_EQ(plans.places[5], c.placed5 ? std::optional(PlanPlace{0, 0.5, 0.5}) : std::nullopt) << c.what;
    }
}

TEST(FloorPlans, MarkersFollowTheirGearAndStayWithAnAbsentOne) {
    FloorPlans plans;
    EXPECT_EQ(plans.AddPlan("/a.png"), 0);
    EXPECT_EQ(plans.AddPlan("/b.png"), 1);
    EXPECT_EQ(plans.AddPlan("/a.png"), 0);
    plans.Place(3, 1, 1.5, -0.5);  // clamped onto the image
    EXPECT_EQ(plans.places[3], (PlanPlace{1, 1.0, 0.0}));
    plans.Place(4, 2, 0.5, 0.5);  // no such plan
    EXPECT_FALSE(plans.places[4]);
    plans.Place(9, 0, 0.2, 0.3);

    // An exchange through a free address, step by step as the bus does it.
    plans.Follow(9, 63);
    plans.Follow(3, 9);
    plans.Follow(63, 3);
    EXPECT_EQ(plans.places[9], (PlanPlace{1, 1.0, 0.0}));
    EXPECT_EQ(plans.places[3], (PlanPlace{0, 0.2, 0.3}));
    EXPECT_FALSE(plans.places[63]);
    EXPECT_EQ(plans.Take(9), (PlanPlace{1, 1.0, 0.0}));
    EXPECT_FALSE(plans.places[9]);
    plans.Remove(3);
    EXPECT_FALSE(plans.places[3]);
}

}  // namespace
