// Collection files and their journals from outside: listing, reading every puzzle, and
// rolling back whatever a journal beside the collection claims.
#include "fuzz_input.h"

#include "core/collection_file.h"
#include "core/io_error.h"
#include "core/puzzle_lists.h"
#include "core/safe_file.h"
#include "shapes/shape_record.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlane;
    // Half the inputs are collections, half are journals beside a small collection.
    if (size > 0 && data[0] % 2 == 1) {
        const std::string& path = fuzz::InputFile(nullptr, 0, ".VL3");
        std::string record(PuzzleRecord::kSize, 'x');
        AtomicWriteFile(path, record + record);
        fuzz::InputFile(data + 1, size - 1, ".VL3-journal");
        try {
            CollectionFile file(path);
            (void)file.Count();
        } catch (const IoError&) {
        }
        return 0;
    }
    const std::string& path = fuzz::InputFile(data, size, ".VL3");
    CollectionFile file(path);
    PuzzleLists lists;
    try {
        lists.LoadInPuzzles(file);
        for (int c = 0; c < lists.CategoryBox().Count(); ++c) {
            lists.ClickCategory(c);
            for (const SortedList::Item& item : lists.PuzzleBox().Items()) {
                PuzzleRecord record;
                file.Read(static_cast<int>(item.Value), record);
                (void)record.PrintedWordCount();
                for (int n = 1; n <= record.UsedWordCount(); ++n)
                    (void)record.Word(n).size();
                (void)ShapeRecord::FromPuzzle(record).CellsInShape();
            }
        }
    } catch (const IoError&) {
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    vorlane::PuzzleRecord record;
    record.SetCategory("Animals");
    record.SetTitle("Zoo");
    record.SetWordCount(2);
    record.SetWord(1, "LION");
    record.SetPlaced(1, true);
    std::string bytes(reinterpret_cast<const char*>(record.Data()), vorlane::PuzzleRecord::kSize);
    return {std::string(1, '\0') + bytes.substr(1) + bytes,
            std::string("\1VLJRNL01") + std::string(40, '\0')};
}
