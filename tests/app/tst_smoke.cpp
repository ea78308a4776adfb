// End to end: the real kelvane program, copied into a folder of its own with
// its language modules and a config.ini with auto_connect=1, runs on a private
// X server on a simulated interface. It shows the search question once it
// has connected; Enter answers it, the scan runs (the capture shows its
// frames), and the close box ends the program with exit code 0.
//
// With KELVANE_INSTALLED_PROGRAM naming an installed kelvane (scripts/package
// and its check), the same run is made with that program as installed: its
// config.ini in the user's folder, the English module from its share folder.

#include "tests/app/xvfb_session.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <X11/keysym.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Guards against a hanging program only; every step normally takes milliseconds.
constexpr auto kDeadline = 30s;

const char* const kScenario = R"({
  "timeScale": 0,
  "interfaces": [ { "serial": "0000E001", "bus": { "gear": [ { "shortAddress": 2 }, { "shortAddress": 9 } ] } } ]
})";

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The program's folder as an installer would lay it out: the program and its
// language modules.
bool LayOutProgramFolder(const QString& folder) {
    if (!QFile::copy(QStringLiteral(KELVANE_BINARY), folder + QStringLiteral("/kelvane")))
        return false;
    const QDir modules(QStringLiteral(KELVANE_LANGUAGE_DIR));
    QDir(folder).mkdir(QStringLiteral("language"));
    const QStringList names = modules.entryList({QStringLiteral("*.qm")}, QDir::Files);
    for (const QString& name : names)
        if (!QFile::copy(modules.filePath(name), folder + QStringLiteral("/language/") + name))
            return false;
    return !names.isEmpty();
}

// The test's environment without what would steer the program elsewhere,
// plus the given variables.
std::vector<std::string> ProgramEnvironment(const std::vector<std::string>& extra) {
    static const char* const kReplaced[] = {"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM=", "PELLIXKIT_", "HOME=",
                                            "XDG_CONFIG_HOME="};
    std::vector<std::string> variables;
    for (char** entry = environ; *entry; ++entry) {
        const std::string variable = *entry;
        bool replaced = false;
        for (const char* prefix : kReplaced)
            replaced = replaced || variable.rfind(prefix, 0) == 0;
        if (!replaced)
            variables.push_back(variable);
    }
    variables.insert(variables.end(), extra.begin(), extra.end());
    return variables;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& environment, const std::string& output) {
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed ? -1 : pid;
}

// The child's wait status once it ended; kills it at the deadline (then the
// status says so).
int WaitForExit(pid_t pid) {
    const int pidFd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidFd >= 0) {
        pollfd ended{pidFd, POLLIN, 0};
        if (poll(&ended, 1, int(std::chrono::milliseconds(kDeadline).count())) == 0)
            kill(pid, SIGKILL);
        close(pidFd);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Short addresses whose QUERY STATUS (address byte 2a + 1, opcode 0x90) is in
// the capture.
std::set<int> QueriedAddresses(const QString& capturePath) {
    QFile capture(capturePath);
    std::set<int> addresses;
    if (!capture.open(QIODevice::ReadOnly))
        return addresses;
    for (const QByteArray& line : capture.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() >= 3 && fields[1] == "F" && fields[2].size() == 4 && fields[2].endsWith("90")) {
            const int address = fields[2].left(2).toInt(nullptr, 16);
            if (address & 1)
                addresses.insert(address >> 1);
        }
    }
    return addresses;
}

// Where the program is, where its config.ini goes, and the search question's
// title in the language the config names.
struct ProgramLayout {
    QString program;
    QString configFile;
    QByteArray language;
    const char* questionTitle;
};

// Starts the program with auto_connect=1, answers the search question, lets
// the scan run and closes the main window.
void RunAndClose(const QTemporaryDir& folder, const ProgramLayout& layout) {
    XvfbSession x;
    ASSERT_TRUE(x.ok()) << "Xvfb did not start";
    const QByteArray config = "[config]\nlang=" + layout.language + "\nauto_connect=1\nauto_locate=0\nadr_switch_ask=1\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(layout.configFile).path()));
    ASSERT_TRUE(WriteFile(layout.configFile, config));
    ASSERT_TRUE(WriteFile(folder.filePath(QStringLiteral("bus.json")), kScenario));

    const std::string capture = folder.filePath(QStringLiteral("capture.txt")).toStdString();
    const std::string output = folder.filePath(QStringLiteral("output.txt")).toStdString();
    const std::string home = folder.filePath(QStringLiteral("home")).toStdString();
    const pid_t program = Spawn(layout.program.toStdString(),
                                ProgramEnvironment({"DISPLAY=" + x.displayName(), "QT_QPA_PLATFORM=xcb",
                                                    "PELLIXKIT_SIMULATION=" + folder.filePath("bus.json").toStdString(),
                                                    "PELLIXKIT_CAPTURE=" + capture, "HOME=" + home}),
                                output);
    ASSERT_GT(program, 0);

    const XWindowId main = x.WaitForMappedWindow("Orvent Kelvane", kDeadline);
    // The search question comes only after the connection is made.
    const XWindowId question = main ? x.WaitForMappedWindow(layout.questionTitle, kDeadline) : 0;
    if (question) {
        x.PressKey(question, XK_Return);
        EXPECT_TRUE(x.WaitForUnmapped(question, kDeadline));
        // The scan shows its wait dialog (same title) and hides it at the end.
        const XWindowId waitDialog = x.WaitForMappedWindow(layout.questionTitle, kDeadline);
        EXPECT_NE(waitDialog, 0u);
        EXPECT_TRUE(waitDialog && x.WaitForUnmapped(waitDialog, kDeadline));
        x.RequestClose(main);
    }
    const int status = WaitForExit(program);
    QFile log(QString::fromStdString(output));
    log.open(QIODevice::ReadOnly);
    const std::string printed = log.readAll().toStdString();
    ASSERT_NE(main, 0u) << printed;
    ASSERT_NE(question, 0u) << printed;
    EXPECT_TRUE(WIFEXITED(status)) << "status " << status << "\n" << printed;
    EXPECT_EQ(WEXITSTATUS(status), 0) << printed;

    std::set<int> all;
    for (int a = 0; a < 64; ++a)
        all.insert(a);
    EXPECT_EQ(QueriedAddresses(QString::fromStdString(capture)), all);
    // The program changed nothing in its config.ini.
    QFile written(layout.configFile);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), config);
}

TEST(Smoke, StartsConnectsScansAndExitsCleanlyWhenClosed) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_TRUE(LayOutProgramFolder(folder.path()));
    RunAndClose(folder, {folder.filePath(QStringLiteral("kelvane")), folder.filePath(QStringLiteral("config.ini")),
                         "de-DE", "Suche nach Geräten"});
}

TEST(Smoke, TheInstalledProgramRunsTheSame) {
    const QString installed = qEnvironmentVariable("KELVANE_INSTALLED_PROGRAM");
    if (installed.isEmpty())
        GTEST_SKIP() << "KELVANE_INSTALLED_PROGRAM names no installed program";
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RunAndClose(folder, {installed, folder.filePath(QStringLiteral("home/.config/kelvane/config.ini")), "en-EN",
                         "Search for devices"});
    // The user's config.ini was the one read: none was made beside the program.
    const QDir bin = QFileInfo(installed).dir();
    EXPECT_FALSE(bin.exists(QStringLiteral("config.ini")));
    EXPECT_FALSE(bin.exists(QStringLiteral("../share/kelvane/config.ini")));
}

}  // namespace
