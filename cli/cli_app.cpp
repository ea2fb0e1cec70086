#include "cli_app.h"

#include "command.h"
#include "core/codepage.h"
#include "core/directories.h"
#include "core/io_error.h"

#include <filesystem>
#include <ostream>
#include <sstream>

namespace vorlane::cli {

namespace {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> all;
        for (auto group :
             {CollectionCommands, GenerateCommands, ShapeCommands, LayoutCommands, ExportCommands})
            for (Command& c : group())
                all.push_back(std::move(c));
        return all;
    }();
    return commands;
}

void PrintUsage(std::ostream& s) {
    s << "Usage: vorlane COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command& c : Commands())
        s << "  " << c.usage << "\n";
    s << "\nRun 'vorlane COMMAND --help' for more about a command.\n";
}

void PrintCommandHelp(const Command& c, std::ostream& s) {
    s << "Usage: " << c.usage << "\n\n" << c.summary << "\n";
}

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

// How many leading arguments spell the command's name, or 0 when they do not.
std::size_t Matches(const Command& c, const Args& args) {
    std::istringstream words(c.name);
    std::string word;
    std::size_t n = 0;
    while (words >> word) {
        if (n >= args.size() || args[n] != word)
            return 0;
        ++n;
    }
    return n;
}

} // namespace

int Fail(std::ostream& err, const std::string& command, const Message& message) {
    err << "vorlane " << command << ": " << Cp1252ToUtf8(message.Text) << "\n";
    return kExitFailed;
}

void PrintSorted(std::vector<SortedList::Item> items, std::ostream& out) {
    SortedList list;
    list.Assign(std::move(items));
    for (const SortedList::Item& item : list.Items())
        out << Cp1252ToUtf8(item.Text) << " [" << item.Value << "]\n";
}

bool ParseIndex(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    value = std::stoi(text);
    return true;
}

Settings CurrentSettings() {
    std::string start = StartDirectory(std::filesystem::current_path().string());
    return LoadSettings(SettingsFilePath(start), start);
}

std::string ProgramFolder() {
    return ProgramDirectory();
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintUsage(err);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(out);
        return kExitOk;
    }
    for (const Command& c : Commands()) {
        const std::size_t words = Matches(c, args);
        if (words == 0)
            continue;
        Args rest(args.begin() + static_cast<std::ptrdiff_t>(words), args.end());
        if (WantsHelp(rest)) {
            PrintCommandHelp(c, out);
            return kExitOk;
        }
        if (rest.size() < c.minArgs || rest.size() > c.maxArgs) {
            err << "vorlane " << c.name << ": wrong number of arguments.\n";
            PrintCommandHelp(c, err);
            return kExitUsage;
        }
        try {
            return c.run(rest, out, err);
        } catch (const IoError& e) {
            err << "vorlane " << c.name << ": " << e.what() << "\n";
            return kExitFailed;
        }
    }
    err << "vorlane: unknown command '" << args[0] << "'.\n";
    PrintUsage(err);
    return kExitUsage;
}

} // namespace vorlane::cli
