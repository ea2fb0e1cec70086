#include "cli_app.h"

#include "core/codepage.h"
#include "core/collection_file.h"
#include "core/directories.h"
#include "core/io_error.h"
#include "core/old_puzzle.h"
#include "core/puzzle_lists.h"
#include "core/safe_file.h"
#include "core/settings.h"
#include "core/text.h"

#include <array>
#include <filesystem>
#include <functional>
#include <ostream>
#include <span>

namespace vorlane::cli {

namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)> run;
};

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream&);
int Delete(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int ConvertOld(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"list", "vorlane list [COLLECTION.VL3]",
         "Lists the categories of a collection, each followed by its puzzle titles\n"
         "with their record numbers in brackets, sorted as the program shows them.\n"
         "Without a file, lists the current collection of the settings file\n"
         "VRLAN3.INI in the working folder. A missing file lists nothing.",
         0, 1, List},
        {"delete", "vorlane delete COLLECTION.VL3 N",
         "Removes puzzle record N (counted from 0, as 'list' shows it) from a\n"
         "collection; the records after it move up by one.",
         2, 2, Delete},
        {"convert-old", "vorlane convert-old VLFUPUZZ.DAT OUT.VL3",
         "Converts the puzzles of a previous-version puzzle file into a collection,\n"
         "appending them to OUT.VL3 (created when missing) under the category\n"
         "\"Version 2.0 Puzzles\". Unlike the conversion the desktop program offers at\n"
         "start-up, the previous-version file is not deleted.",
         2, 2, ConvertOld},
    };
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

bool WantsHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

// A whole non-negative decimal number, nothing else.
bool ParseIndex(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    value = std::stoi(text);
    return true;
}

// The collection the desktop program would open in this working folder.
std::string CurrentCollection() {
    std::string start = StartDirectory(std::filesystem::current_path().string());
    return LoadSettings(SettingsFilePath(start), start).LastGroup;
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    CollectionFile file(args.empty() ? CurrentCollection() : args[0]);
    PuzzleLists lists;
    lists.LoadInPuzzles(file);
    for (int c = 0; c < lists.CategoryBox().Count(); ++c) {
        lists.ClickCategory(c);
        out << Cp1252ToUtf8(lists.CategoryBox().Text(c)) << "\n";
        for (const SortedList::Item& item : lists.PuzzleBox().Items())
            out << "  " << Cp1252ToUtf8(item.Text) << " [" << item.Value << "]\n";
    }
    return kExitOk;
}

int Delete(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    int n = 0;
    if (!ParseIndex(args.at(1), n)) {
        err << "vorlane delete: '" << args.at(1) << "' is not a record number.\n";
        return kExitUsage;
    }
    CollectionFile file(args.at(0));
    if (!FileExists(file.Path())) {
        err << "vorlane delete: " << file.Path() << " does not exist.\n";
        return kExitFailed;
    }
    int count = file.Count();
    if (n >= count) {
        err << "vorlane delete: " << file.Path() << " has no record " << n << " (it holds "
            << FormatThousands(count) << (count == 1 ? " puzzle).\n" : " puzzles).\n");
        return kExitFailed;
    }
    if (!file.Delete(n)) {
        err << "vorlane delete: unable to open " << file.Path() << ".\n";
        return kExitFailed;
    }
    return kExitOk;
}

// The page layout that converted puzzles are given; an all-zero block until the tool can
// build the default page layout.
std::span<const unsigned char, PuzzleRecord::kPageLayoutSize> DefaultLayoutBytesForCli() {
    static const std::array<unsigned char, PuzzleRecord::kPageLayoutSize> zeroed{};
    return zeroed;
}

int ConvertOld(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string& source = args.at(0);
    const std::string& target = args.at(1);
    std::error_code ignored;
    // Appending to the file being read would overwrite records not yet converted.
    if (std::filesystem::equivalent(source, target, ignored)) {
        err << "vorlane convert-old: " << source << " and " << target << " are the same file.\n";
        return kExitFailed;
    }
    PuzzleRecord working;
    OldConversionResult result =
        AppendOldPuzzles(source, target, working, DefaultLayoutBytesForCli());
    switch (result.Outcome) {
    case OldConversionOutcome::Converted:
        out << "Converted " << FormatThousands(result.Count)
            << (result.Count == 1 ? " puzzle into " : " puzzles into ") << target << ".\n";
        return kExitOk;
    case OldConversionOutcome::Full:
        err << "vorlane convert-old: " << old_version_messages::GroupFull(target).Text << "\n";
        return kExitFailed;
    default:
        err << "vorlane convert-old: " << old_version_messages::ForConversion(result.Outcome).Text
            << "\n";
        return kExitFailed;
    }
}

} // namespace

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
        if (args[0] != c.name)
            continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
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
