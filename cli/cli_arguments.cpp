#include "cli/cli_arguments.h"

#include <algorithm>
#include <array>

namespace {

constexpr StringId kUnknownCommand = 771, kUnknownOption = 772, kBadAddress = 773, kMissingArgument = 785,
                   kNoCommand = 786, kBadValue = 774, kTooManyArguments = 788;

// What each command takes: its options and how many plain words.
struct CommandShape {
    const char* name;
    const char* options;  // space separated, each with a space on both sides
    int minWords;
    int maxWords;  // -1: any number
};

constexpr std::array kCommands{
    CommandShape{"interfaces", " --json ", 0, 0},
    CommandShape{"scan", " --json ", 0, 0},
    CommandShape{"read", " --json ", 0, -1},
    CommandShape{"address", " --new --add --yes --json ", 0, 0},
    CommandShape{"send", " --yes ", 2, -1},
    CommandShape{"command", " --yes ", 2, 2},
    CommandShape{"apply", " --yes ", 1, 1},
    CommandShape{"save", " ", 1, 1},
    CommandShape{"check", " --json --csv ", 1, 1},
    CommandShape{"report", " --pdf --csv --offline ", 1, 1},
    CommandShape{"emergency-test", " --function --duration --group --json ", 1, 1},
};

// Options every command takes.
const QString kGlobalOptions = QStringLiteral(" --interface --lang --quiet --help ");
// Options followed by a value.
const QString kValueOptions = QStringLiteral(" --interface --lang --group ");

const CommandShape* findCommand(const QString& name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [&name](const CommandShape& shape) { return name == QLatin1String(shape.name); });
    return it == kCommands.end() ? nullptr : &*it;
}

bool takes(const QString& options, const QString& option) {
    return options.contains(QLatin1Char(' ') + option + QLatin1Char(' '));
}

// Sets the option; false when it does not exist.
bool apply(CliArguments& a, const QString& name, const QString& value) {
    static const std::array<std::pair<const char*, bool CliArguments::*>, 8> flags{{
        {"--quiet", &CliArguments::quiet},
        {"--json", &CliArguments::json},
        {"--yes", &CliArguments::yes},
        {"--help", &CliArguments::help},
        {"--new", &CliArguments::newAddresses},
        {"--add", &CliArguments::addAddresses},
        {"--function", &CliArguments::functionTest},
        {"--duration", &CliArguments::durationTest},
    }};
    for (const auto& [flagName, member] : flags)
        if (name == QLatin1String(flagName)) {
            a.*member = true;
            return true;
        }
    if (name == QLatin1String("--interface"))
        a.interfaceSerial = value;
    else if (name == QLatin1String("--lang"))
        a.language = value;
    else if (name == QLatin1String("--group"))
        a.group = value.toInt();  // checked by the caller
    else if (name == QLatin1String("--csv"))
        a.csv = true;
    else if (name == QLatin1String("--offline"))
        a.offline = true;
    else
        return false;
    return true;
}

}  // namespace

std::optional<int> ParseShortAddress(const QString& word) {
    bool ok = false;
    const int address = word.toInt(&ok, 10);
    if (!ok || address < 0 || address > 63 || word.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return address;
}

ParsedArguments ParseArguments(const QStringList& words) {
    ParsedArguments parsed;
    CliArguments& a = parsed.arguments;
    // The command first: which options there are depends on it.
    const auto commandAt = std::find_if(words.begin(), words.end(), [](const QString& w) {
        return !w.startsWith(QLatin1String("--")) && findCommand(w);
    });
    const CommandShape* shape = nullptr;
    if (commandAt != words.end()) {
        shape = findCommand(*commandAt);
        a.command = *commandAt;
    }
    auto fail = [&parsed](StringId id, const QString& word) {
        parsed.error = UsageError{id, word};
        return parsed;
    };
    QStringList plain;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (shape && i == commandAt - words.begin())
            continue;
        if (!word.startsWith(QLatin1String("--")) || word == QLatin1String("--")) {
            plain << word;
            continue;
        }
        QString name = word.section(QLatin1Char('='), 0, 0);
        QString value;
        // The report's --csv names its file; the check's only says how.
        const bool reportFile = a.command == QLatin1String("report") &&
                                (name == QLatin1String("--pdf") || name == QLatin1String("--csv"));
        const bool withValue = takes(kValueOptions, name) || reportFile;
        if (word.contains(QLatin1Char('=')))
            value = word.section(QLatin1Char('='), 1);
        else if (withValue) {
            if (i + 1 >= words.size())
                return fail(kMissingArgument, name);
            value = words[++i];
        }
        const bool known = takes(kGlobalOptions, name) || (shape && takes(QLatin1String(shape->options), name));
        if (!known || (withValue && value.isEmpty()) || (!withValue && word.contains(QLatin1Char('='))))
            return fail(kUnknownOption, word);
        if (reportFile) {
            (name == QLatin1String("--pdf") ? a.pdfPath : a.csvPath) = value;
            continue;
        }
        if (!apply(a, name, value))
            return fail(kUnknownOption, word);
        if (name == QLatin1String("--group")) {
            bool ok = false;
            const int group = value.toInt(&ok);
            if (!ok || group < 0 || group > 15)
                return fail(kBadValue, word);
            a.group = group;
        }
    }
    if (a.help)
        return parsed;
    if (!shape)
        return fail(plain.isEmpty() ? kNoCommand : kUnknownCommand, plain.value(0));
    a.arguments = plain;
    if (plain.size() < shape->minWords)
        return fail(kMissingArgument, a.command);
    if (shape->maxWords >= 0 && plain.size() > shape->maxWords)
        return fail(kTooManyArguments, plain.value(shape->maxWords));
    if (a.language.size() && a.language != QLatin1String("de-DE") && a.language != QLatin1String("en-EN"))
        return fail(kBadValue, QStringLiteral("--lang=") + a.language);
    const bool addressFirst = a.command == QLatin1String("send") || a.command == QLatin1String("command");
    const QStringList addresses = a.command == QLatin1String("read") ? plain
                                  : addressFirst                     ? plain.mid(0, 1)
                                                                     : QStringList();
    for (const QString& word : addresses)
        if (!ParseShortAddress(word))
            return fail(kBadAddress, word);
    if (a.command == QLatin1String("address") && a.newAddresses == a.addAddresses)
        return fail(kMissingArgument, QStringLiteral("--new | --add"));
    if (a.command == QLatin1String("report") && a.pdfPath.isEmpty())
        return fail(kMissingArgument, QStringLiteral("--pdf"));
    if (a.command == QLatin1String("emergency-test") && a.functionTest == a.durationTest)
        return fail(kMissingArgument, QStringLiteral("--function | --duration"));
    if (a.command == QLatin1String("check") && a.json && a.csv)
        return fail(kUnknownOption, QStringLiteral("--csv"));
    return parsed;
}
