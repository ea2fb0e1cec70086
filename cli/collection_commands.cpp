#include "command.h"

#include "core/codepage.h"
#include "core/collection_file.h"
#include "core/old_puzzle.h"
#include "core/puzzle_lists.h"
#include "core/safe_file.h"
#include "core/text.h"
#include "layouts/page_layout_file.h"

#include <filesystem>
#include <ostream>

namespace vorlane::cli {

namespace {

int List(const Args& args, std::ostream& out, std::ostream&) {
    CollectionFile file(args.empty() ? CurrentSettings().LastGroup : args[0]);
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

int Delete(const Args& args, std::ostream&, std::ostream& err) {
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

// The page layout converted puzzles get, as new puzzles do.
PageLayoutRecord DefaultLayoutForCli() {
    return PageLayoutFile::InProgramDirectory(ProgramFolder())
        .DefaultLayout(CurrentSettings().DefaultPage);
}

int ConvertOld(const Args& args, std::ostream& out, std::ostream& err) {
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
        AppendOldPuzzles(source, target, working, DefaultLayoutForCli().Span());
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

std::vector<Command> CollectionCommands() {
    return {
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
}

} // namespace vorlane::cli
