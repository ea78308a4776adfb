#include "cli/console_prompts.h"

#include <QTextStream>

#include <pthread.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <utility>

namespace {

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int /*signal*/) {
    if (interrupted.exchange(true))
        _exit(130);
}

// A question's text and title on one line: the console has no window title.
QString oneLine(const QString& title, const QString& text) {
    QString line = title.isEmpty() ? text : title + QStringLiteral(": ") + text;
    return line.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

}  // namespace

void InstallInterruptHandler() {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    // A parent may hand its blocked signals down through exec.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    pthread_sigmask(SIG_UNBLOCK, &interrupt, nullptr);
}

bool InterruptRequested() { return interrupted.load(); }

void PrintError(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void ConsolePrompts::ShowStockMessage(const QString& text, const QString& caption) {
    PrintError(oneLine(caption, text));
}

Prompts::ChooserResult ConsolePrompts::ChooseInterface(KitHandle /*currentHandle*/,
                                                       const QString& /*languageModulePath*/) {
    // The command line picks the interface before any job runs.
    return {};
}

QString ConsolePrompts::ChooseFile(const FileChooserRequest& /*request*/) {
    // Ctrl-C during the reading before a save leaves the file as it was.
    return InterruptRequested() ? QString() : projectPath_;
}

ConfirmationAnswer ConsolePrompts::Confirm(const ConfirmationRequest& request) {
    if (yes_ || std::exchange(answerNextWithOk_, false))
        return {kDialogOk, false};
    refusedQuestion_ = true;
    PrintError(oneLine(request.title, request.text));
    return {kDialogCancel, false};
}

int ConsolePrompts::Message(const MessageRequest& request) {
    lastMessage_ = request.textId;
    PrintError(oneLine(request.title, request.text));
    return kDialogOk;
}

int ConsolePrompts::Pick(const ListRequest& request) {
    PrintError(oneLine(request.title, request.text));
    for (const QString& entry : request.entries)
        PrintError(QStringLiteral("  ") + entry);
    return -1;
}

void ConsoleWaitDialog::Show(const WaitDialogRequest& request) {
    title_ = request.title;
    progressText_.clear();
    steps_ = request.steps;
    done_ = 0;
}

void ConsoleWaitDialog::SetProgressText(const QString& text) { progressText_ = text; }

void ConsoleWaitDialog::Step() {
    ++done_;
    if (quiet_)
        return;
    const QString count = steps_ > 0 ? QStringLiteral("%1/%2").arg(done_).arg(steps_) : QString::number(done_);
    const QString line = progressText_.isEmpty() ? QStringLiteral("%1: %2").arg(title_, count)
                                                 : QStringLiteral("%1: %2 (%3)").arg(title_, progressText_, count);
    if (!isatty(STDERR_FILENO)) {
        PrintError(line);
        return;
    }
    // On a terminal one line that is rewritten: a bar, then the count.
    constexpr int kBarWidth = 30;
    const int filled = steps_ > 0 ? std::min(kBarWidth, done_ * kBarWidth / steps_) : 0;
    const QByteArray bar =
        "\r[" + QByteArray(filled, '#') + QByteArray(kBarWidth - filled, ' ') + "] " + line.toUtf8() + "\x1b[K";
    std::fwrite(bar.constData(), 1, size_t(bar.size()), stderr);
    std::fflush(stderr);
    barShown_ = true;
}

void ConsoleWaitDialog::Hide() {
    if (std::exchange(barShown_, false))
        PrintError(QString());
}
