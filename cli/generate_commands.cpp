#include "command.h"

#include "core/codepage.h"
#include "core/collection_file.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"
#include "core/safe_file.h"
#include "core/text.h"
#include "editor/puzzle_input.h"
#include "generate/grid_builder.h"
#include "generate/result_save.h"
#include "layouts/page_layout_file.h"
#include "shapes/shape_file.h"

#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace vorlane::cli {

namespace {

// One row of the grid as text: letters separated by one blank, a blank for a hole; with
// answersOnly, free cells show as '.'.
std::string GridRow(const PuzzleRecord& puzzle, int row, bool answersOnly) {
    std::string line;
    for (int column = 1; column <= puzzle.UsedWidth(); ++column) {
        const int cell = PuzzleRecord::CellIndex(row, column);
        unsigned char letter = puzzle.WordGridCell(cell);
        if (letter == ' ')
            letter = answersOnly ? '.' : puzzle.FillGridCell(cell);
        if (letter == 0)
            letter = ' ';
        if (column > 1)
            line.push_back(' ');
        line.push_back(static_cast<char>(letter));
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return Cp1252ToUtf8(line);
}

int Show(const Args& args, std::ostream& out, std::ostream& err) {
    bool answersOnly = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--answers")
            answersOnly = true;
        else
            rest.push_back(a);
    }
    int n = 0;
    if (rest.size() != 2 || !ParseIndex(rest[1], n)) {
        err << "vorlane show: give a collection and a record number (and --answers).\n";
        return kExitUsage;
    }
    CollectionFile file(rest[0]);
    if (n >= file.Count()) {
        err << "vorlane show: " << rest[0] << " has no record " << n << ".\n";
        return kExitFailed;
    }
    PuzzleRecord puzzle;
    file.Read(n, puzzle);
    for (int row = 1; row <= puzzle.UsedHeight(); ++row)
        out << GridRow(puzzle, row, answersOnly) << "\n";
    out << "\n";
    for (int entry = 1; entry <= puzzle.PrintedWordCount(); ++entry) {
        out << Cp1252ToUtf8(puzzle.Word(entry));
        const std::string clue = puzzle.Clue(entry);
        if (!clue.empty())
            out << ": " << Cp1252ToUtf8(clue);
        out << "\n";
    }
    return kExitOk;
}

// Reads a word list: one word a line, or "word: clue". UTF-8 when the file is valid UTF-8,
// else Windows-1252. Returns an error text instead when the file cannot be used.
std::optional<std::string> ReadWordList(const std::string& path,
                                        std::vector<PuzzleInput::Row>& rows) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "Unable to open word list " + path + ".";
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const bool utf8 = IsValidUtf8(bytes);
    std::istringstream lines(bytes);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1 && line.starts_with("\xEF\xBB\xBF"))
            line.erase(0, 3);
        std::string text = line;
        if (utf8) {
            std::optional<std::string> converted = Utf8ToCp1252Exact(line);
            if (!converted)
                return "Line " + std::to_string(number) + " of " + path +
                       " holds a character that a puzzle cannot store.";
            text = *converted;
        }
        if (Trim(text).empty())
            continue;
        const std::size_t sep = text.find(':');
        if (sep == std::string::npos)
            rows.push_back({Trim(text), ""});
        else
            rows.push_back({Trim(text.substr(0, sep)), Trim(text.substr(sep + 1))});
    }
    if (rows.size() > static_cast<std::size_t>(PuzzleRecord::kMaxWords))
        return "The word list " + path + " holds " + std::to_string(rows.size()) +
               " words; a puzzle takes at most 330.";
    return std::nullopt;
}

// A text given on the command line, in the puzzle's Windows-1252.
std::optional<std::string> PuzzleText(const std::string& utf8) {
    return Utf8ToCp1252Exact(utf8);
}

bool ParseDirections(const std::string& list, DirectionSet& directions) {
    static const std::map<std::string, bool DirectionSet::*> names = {
        {"up", &DirectionSet::Up},       {"up-right", &DirectionSet::UpRight},
        {"right", &DirectionSet::Right}, {"down-right", &DirectionSet::DownRight},
        {"down", &DirectionSet::Down},   {"down-left", &DirectionSet::DownLeft},
        {"left", &DirectionSet::Left},   {"up-left", &DirectionSet::UpLeft}};
    directions = DirectionSet{};
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) {
        auto found = names.find(item);
        if (found == names.end())
            return false;
        directions.*(found->second) = true;
    }
    return true;
}

struct CreateArgs {
    std::string collection;
    std::map<std::string, std::string> values; // --title T and the like
    bool shrink = false;
    bool saveAnyway = false;
};

bool ParseCreateArgs(const Args& args, CreateArgs& parsed, std::ostream& err) {
    static const char* const kValued[] = {
        "--title",       "--category",   "--words",  "--shape", "--shape-file", "--attempts",
        "--integration", "--directions", "--phrase", "--bonus", "--slot",       "--seed"};
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--shrink") {
            parsed.shrink = true;
            continue;
        }
        if (a == "--save-anyway") {
            parsed.saveAnyway = true;
            continue;
        }
        bool valued = false;
        for (const char* name : kValued)
            valued = valued || a == name;
        if (valued) {
            if (i + 1 >= args.size()) {
                err << "vorlane create: " << a << " needs a value.\n";
                return false;
            }
            parsed.values[a] = args[++i];
            continue;
        }
        if (a.starts_with("--") || !parsed.collection.empty()) {
            err << "vorlane create: unexpected argument '" << a << "'.\n";
            return false;
        }
        parsed.collection = a;
    }
    for (const char* required : {"--title", "--category", "--words"}) {
        if (!parsed.values.contains(required)) {
            err << "vorlane create: " << required << " is required.\n";
            return false;
        }
    }
    if (parsed.collection.empty()) {
        err << "vorlane create: give the collection to add the puzzle to.\n";
        return false;
    }
    return true;
}

// The shape the editor would start with: the given record index, else "Last Shape", else
// the first shape in list order.
std::optional<ShapeRecord> ChooseShape(const ShapeFile& file, std::optional<int> index,
                                       int lastShape, std::ostream& err) {
    std::vector<ShapeEntry> entries = file.Entries();
    if (entries.empty()) {
        Fail(err, "create", shape_messages::NoShapes());
        return std::nullopt;
    }
    int chosen = -1;
    const int wanted = index.value_or(lastShape);
    for (const ShapeEntry& entry : entries)
        if (entry.Index == wanted)
            chosen = wanted;
    if (chosen < 0 && index) {
        err << "vorlane create: " << file.Path() << " has no shape " << *index << ".\n";
        return std::nullopt;
    }
    if (chosen < 0) {
        std::vector<SortedList::Item> items;
        for (const ShapeEntry& entry : entries)
            items.push_back({entry.Text, entry.Index});
        SortedList list;
        list.Assign(std::move(items));
        chosen = static_cast<int>(list.Value(0));
    }
    ShapeRecord shape;
    file.Load(chosen, shape);
    return shape;
}

int FreeCells(const PuzzleRecord& puzzle) {
    int count = 0;
    for (int row = 1; row <= puzzle.UsedHeight(); ++row)
        for (int column = 1; column <= puzzle.UsedWidth(); ++column)
            count += puzzle.WordGridCell(PuzzleRecord::CellIndex(row, column)) == ' ' ? 1 : 0;
    return count;
}

// Saves candidate slot (1..4) as the result window's Save does. The command line answers
// the window's questions: words that did not fit are saved only with --save-anyway, and a
// hidden phrase that spells an offensive word is not saved (choose another phrase).
int SaveSlot(const std::string& collection, PuzzleRecord& working, const CandidateSlots& slots,
             int slot, const std::string& phrase, bool saveAnyway, const OffensiveWordList& filter,
             RandomSource& random, std::ostream& out, std::ostream& err) {
    CollectionFile file(collection);
    const int entered = working.UsedWordCount();
    const PhraseChoice choice{!phrase.empty(), phrase};
    SaveOutcome outcome = SaveChosenResult(
        working, slots[static_cast<std::size_t>(slot - 1)], entered, choice, filter, random, file,
        nullptr, [&](const Message& question) {
            return question == result_save_messages::WordsMissing() ? saveAnyway : true;
        });
    switch (outcome.Status) {
    case SaveStatus::Saved:
        out << "Saved \"" << Cp1252ToUtf8(working.Title()) << "\" as record " << file.Count() - 1
            << " of " << collection << ".\n";
        return kExitOk;
    case SaveStatus::NoCandidate:
        return Fail(err, "create", result_save_messages::NoCandidate());
    case SaveStatus::ChangePhrase:
        err << "vorlane create: The hidden phrase used has generated an \"offensive\" word in the "
               "puzzle; not saved.  Please choose another phrase.\n";
        return kExitFailed;
    case SaveStatus::NotSaved:
        err << "vorlane create: One or more words did not fit into the puzzle; not saved "
               "(--save-anyway saves it).\n";
        return kExitFailed;
    default:
        return Fail(err, "create", outcome.Shown.value_or(result_save_messages::CannotSave()));
    }
}

int Create(const Args& args, std::ostream& out, std::ostream& err) {
    CreateArgs parsed;
    if (!ParseCreateArgs(args, parsed, err))
        return kExitUsage;
    auto value = [&](const char* name) -> std::optional<std::string> {
        auto found = parsed.values.find(name);
        return found == parsed.values.end() ? std::nullopt : std::optional(found->second);
    };
    auto number = [&](const char* name, int& result) {
        std::optional<std::string> text = value(name);
        return !text || ParseIndex(*text, result);
    };

    Settings settings = CurrentSettings();
    const std::string programDir = ProgramFolder();
    PuzzleInput input;
    std::optional<std::string> title = PuzzleText(*value("--title"));
    std::optional<std::string> category = PuzzleText(*value("--category"));
    std::optional<std::string> bonus = PuzzleText(value("--bonus").value_or(""));
    std::optional<std::string> phrase = PuzzleText(value("--phrase").value_or(""));
    if (!title || !category || !bonus || !phrase) {
        err << "vorlane create: a text holds a character that a puzzle cannot store.\n";
        return kExitFailed;
    }
    input.Title = *title;
    input.Category = *category;
    input.BonusQuestion = *bonus;
    input.AttemptsText = value("--attempts").value_or(std::to_string(settings.Attempts));
    if (std::optional<std::string> error = ReadWordList(*value("--words"), input.Rows)) {
        err << "vorlane create: " << *error << "\n";
        return kExitFailed;
    }

    CreateOptions options = CreateOptions::FromSettings(settings);
    int shapeIndex = 0;
    int integration = options.Integration;
    int slot = 1;
    int seed = 0;
    if (!number("--shape", shapeIndex) || !number("--integration", integration) ||
        !number("--slot", slot) || !number("--seed", seed) || integration > 6 || slot < 1 ||
        slot > 4) {
        err << "vorlane create: --shape, --integration (0..6), --slot (1..4) and --seed take "
               "whole numbers.\n";
        return kExitUsage;
    }
    options.Integration = integration;
    options.Shrink = options.Shrink || parsed.shrink;
    if (std::optional<std::string> list = value("--directions");
        list && !ParseDirections(*list, options.Directions)) {
        err << "vorlane create: --directions takes a comma-separated list of up, up-right, right, "
               "down-right, down, down-left, left, up-left.\n";
        return kExitUsage;
    }

    ShapeFile shapes = value("--shape-file") ? ShapeFile(*value("--shape-file"))
                                             : ShapeFile::InProgramDirectory(programDir);
    std::optional<ShapeRecord> shape =
        ChooseShape(shapes, value("--shape") ? std::optional(shapeIndex) : std::nullopt,
                    settings.LastShape, err);
    if (!shape)
        return kExitFailed;

    PuzzleRecord working;
    ResetForNewPuzzle(working, programDir, settings.DefaultPage);
    if (std::optional<CreateRefusal> refusal = PrepareCreate(input, *shape, working, settings))
        return Fail(err, "create", refusal->Refusal);
    options.Attempts = settings.Attempts;

    RandomSource random = value("--seed") ? RandomSource(static_cast<std::uint64_t>(seed))
                                          : RandomSource::FromClock();
    const OffensiveWordList filter = OffensiveWordList::Load(programDir);
    auto slots = std::make_unique<CandidateSlots>();
    BuildThePuzzles(working, *shape, options, filter, random, *slots);

    const int n0 = working.UsedWordCount();
    for (int s = 0; s < 4; ++s) {
        const CandidateSlot& candidate = (*slots)[static_cast<std::size_t>(s)];
        out << "Slot " << s + 1 << ": ";
        if (candidate.Score == 0) {
            out << "no puzzle\n";
            continue;
        }
        out << candidate.Score << (candidate.Score == 1 ? " word placed, " : " words placed, ")
            << FreeCells(candidate.Puzzle) << " free cells";
        std::string excluded;
        for (int t = 1; t <= n0; ++t)
            if (!candidate.Placed[static_cast<std::size_t>(t - 1)])
                excluded += (excluded.empty() ? "" : ", ") + candidate.Puzzle.Word(t);
        if (!excluded.empty())
            out << "; excluded: " << Cp1252ToUtf8(excluded);
        out << "\n";
    }
    return SaveSlot(parsed.collection, working, *slots, slot, *phrase, parsed.saveAnyway, filter,
                    random, out, err);
}

} // namespace

std::vector<Command> GenerateCommands() {
    return {
        {"create",
         "vorlane create COLLECTION.VL3 --title T --category C --words WORDLIST.txt [OPTIONS]",
         "Makes a puzzle as the puzzle editor's Create and the result window's Save do,\n"
         "and adds it to the collection. The word list holds one word a line, or\n"
         "'word: clue' lines, in UTF-8 or Windows-1252. Prints every candidate's score,\n"
         "free cells and the words that did not fit, then saves one.\n"
         "Options:\n"
         "  --shape INDEX       shape record index (default: \"Last Shape\", else the first)\n"
         "  --shape-file FILE   another shape file than the program folder's VLFLAY.DAT\n"
         "  --attempts N        creation attempts, 1..999\n"
         "  --integration 0..6  how strongly words must cross\n"
         "  --directions LIST   any of up,up-right,right,down-right,down,down-left,left,up-left\n"
         "  --shrink            cut empty rows and columns at the bottom and right\n"
         "  --phrase TEXT       fill the free cells with a hidden phrase of that many letters\n"
         "  --bonus TEXT        the bonus question\n"
         "  --slot 1..4         which candidate to save (default 1, the best)\n"
         "  --seed N            repeatable random choices\n"
         "  --save-anyway       save even when words did not fit",
         4, 40, Create},
        {"show", "vorlane show COLLECTION.VL3 N [--answers]",
         "Prints puzzle record N as text: its grid, one row a line with the letters\n"
         "separated by a blank (a blank for a cell outside the shape), then its word\n"
         "list (with the clues). --answers shows only the letters of the placed words,\n"
         "with a dot in every other cell.",
         2, 3, Show},
    };
}

} // namespace vorlane::cli
