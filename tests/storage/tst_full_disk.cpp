// Every file the program writes, on a full disk: the old file stays byte for
// byte, nothing is left beside it, and the user is told.

#include "storage/config_file.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/headless_view.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr rlim_t kFullAfterBytes = 32;  // less than any file written here

struct FullDiskCase {
    const char* name;
    const char* fileName;
    std::function<void(HeadlessView& h, const QString& path)> write;
    QStringList messages;
    QStringList stockMessages;
};

void PrintTo(const FullDiskCase& c, std::ostream* os) { *os << c.name; }

const QStringList kNotSaved{"Die Datei konnte nicht gespeichert werden."};

const FullDiskCase kCases[] = {
    {"Project",
     "site.prj",
     [](HeadlessView& h, const QString& path) {
         h.prompts.Answer(kDialogOk);
         h.prompts.ChoosePath(path);
         h.view().SaveProject();
     },
     kNotSaved,
     {}},
    {"DeviceFile",
     "gear.dev",
     [](HeadlessView& h, const QString& path) {
         h.view().matrix().cells[5].selected = 1;
         h.view().OwnCommand(1, 5);
         h.prompts.ChoosePath(path);
         h.view().SaveDeviceFile();
     },
     kNotSaved,
     {}},
    {"GearTableCsv",
     "gear.csv",
     [](HeadlessView& h, const QString& path) {
         h.prompts.Answer(kDialogCancel);  // not read first
         h.prompts.ChoosePath(path);
         h.view().ExportGearTable();
     },
     kNotSaved,
     {}},
    {"ConfigIni",
     "config.ini",
     [](HeadlessView& h, const QString&) {
         ConfigFile config(h.folder.path(), h.prompts);
         ASSERT_TRUE(config.Open(QStringLiteral("config.ini")));
         config.WriteString(QStringLiteral("lang"), QStringLiteral("en-EN"));
     },
     {},
     {"Can not write into Ini-File"}},
};

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, TheOldFileStaysAndNothingIsLeftBeside) {
    const FullDiskCase& c = GetParam();
    HeadlessView h(OneInterfaceScenario({R"({"shortAddress": 5})", R"({"shortAddress": 17})"}));
    h.WriteConfig(0, 0, 1);
    h.Start();
    h.prompts.Answer(kDialogOk);
    h.view().Connect();
    h.prompts.messages.clear();

    const QString path = h.folder.filePath(QString::fromLatin1(c.fileName));
    if (!QFile::exists(path)) {
        ASSERT_TRUE(WriteFileBytes(path, Utf16LE(QStringLiteral("the old content, longer than the limit\n"))));
    }
    const QByteArray before = ReadFileBytes(path);
    const QStringList entries = QDir(h.folder.path()).entryList(QDir::Files | QDir::Hidden);
    {
        FileSizeLimit full(kFullAfterBytes);
        ASSERT_TRUE(full.active());
        c.write(h, path);
    }
    EXPECT_EQ(ReadFileBytes(path), before);
    EXPECT_EQ(QDir(h.folder.path()).entryList(QDir::Files | QDir::Hidden), entries);
    QStringList messages, stockMessages;
    for (const MessageRequest& m : h.prompts.messages)
        messages << m.text;
    for (const ScriptedPrompts::StockMessage& m : h.prompts.stockMessages)
        stockMessages << m.text;
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(stockMessages, c.stockMessages);
}

INSTANTIATE_TEST_SUITE_P(Writers, FullDisk, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
