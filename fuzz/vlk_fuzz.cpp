// 16-bit single-puzzle files and previous-version puzzle files from outside: reading and
// converting them.
#include "fuzz_input.h"

#include "core/io_error.h"
#include "core/old_puzzle.h"
#include "layouts/layout_geometry.h"

#include <filesystem>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlane;
    static const PageLayoutRecord layout = BuiltInDefaultLayout();
    const std::string& path = fuzz::InputFile(data, size, ".VLK");
    VlkRead read = ReadVlkFile(path);
    PuzzleRecord working;
    if (read.Outcome == VlkOutcome::Read) {
        ConvertOldPuzzle(read.Record, working, layout.Span());
        (void)working.PrintedWordCount();
        for (int n = 1; n <= working.UsedWordCount(); ++n)
            (void)working.Word(n);
    }
    // The same bytes as a previous-version puzzle file, converted into a fresh collection.
    const std::string& target = fuzz::InputFile(nullptr, 0, ".VL3");
    std::filesystem::remove(target);
    try {
        AppendOldPuzzles(path, target, working, layout.Span());
    } catch (const IoError&) {
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    std::string record(vorlane::OldPuzzleRecord::kSize, '\0');
    record[0] = 5;
    record.replace(1, 5, "Birds");
    record[51] = 15;
    record[2555] = 3;
    return {"VLK\3abc" + record, record + record};
}
