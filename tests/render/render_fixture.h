#pragma once

#include "core/puzzle_record.h"
#include "layouts/page_layout_record.h"
#include "render/fake_canvas.h"
#include "render/picture_loader.h"
#include "render/report_renderer.h"

#include <set>
#include <string>
#include <vector>

namespace vorlane::test {

// Pictures that exist are those named in the set.
class FakePictures : public PictureLoader {
public:
    std::set<std::string> Existing;
    std::optional<PictureRef> Load(const std::string& path) const override {
        if (!Existing.contains(path))
            return std::nullopt;
        return PictureRef{
            static_cast<int>(std::distance(Existing.begin(), Existing.find(path))) + 1, path};
    }
};

// A Letter page designed at 100 design pixels per inch, so object bounds read as
// hundredths of an inch and the scale is 0.01.
inline PageLayoutRecord LetterLayout() {
    PageLayoutRecord layout;
    layout.SetPaperName("Letter");
    layout.SetPageWidth(8.5);
    layout.SetPageHeight(11.0);
    layout.SetInches(true);
    layout.SetPortrait(true);
    layout.SetDesignWidth(850);
    layout.SetDesignHeight(1100);
    return layout;
}

// An object of a kind with bounds in hundredths of an inch, font "Arial" of a size, no
// frame, transparent, strict fitting, left aligned.
inline PageObject MakeObject(PageObjectKind kind, DesignRect bounds, int fontSize = 10) {
    PageObject object;
    object.SetKind(kind);
    object.SetBounds(bounds);
    object.SetFontName("Arial");
    object.SetFontSize(static_cast<std::int16_t>(fontSize));
    object.SetTransparent(true);
    object.SetMakeFit(true);
    object.SetAlignment(1);
    object.SetBorderWidth(1);
    object.SetGridBackColor(0xFFFFFF);
    object.SetGridLineWidth(1);
    object.SetColumns(1);
    return object;
}

inline void SetLayout(PuzzleRecord& record, const PageLayoutRecord& layout) {
    std::copy(layout.Data(), layout.Data() + PageLayoutRecord::kSize, record.PageLayout().data());
}

// A generated puzzle of the given size whose cells all hold 'A', with the words placed
// (their cells are not meaningful unless set) and the layout's objects.
inline PuzzleRecord MakePuzzle(const std::vector<PageObject>& objects,
                               const std::vector<std::string>& words = {}, int width = 10,
                               int height = 10) {
    PuzzleRecord record;
    record.SetTitle("Animals");
    record.SetGridWidth(static_cast<std::int16_t>(width));
    record.SetGridHeight(static_cast<std::int16_t>(height));
    for (int row = 1; row <= height; ++row)
        for (int column = 1; column <= width; ++column)
            record.SetWordGridCell(PuzzleRecord::CellIndex(row, column), 'A');
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int entry = static_cast<int>(i) + 1;
        record.SetWord(entry, words[i]);
        record.SetPlaced(entry, true);
        record.SetStartCell(entry, 1);
        record.SetEndCell(entry, 1);
    }
    record.SetWordCount(static_cast<std::int16_t>(words.size()));
    record.SetGenerated(true);
    PageLayoutRecord layout = LetterLayout();
    for (const PageObject& object : objects)
        layout.AddObject(object);
    SetLayout(record, layout);
    return record;
}

// Only the named parts of the page are printed.
inline PrintOptions AllOptions() {
    PrintOptions options;
    options.NumColumns = 1;
    options.UseGrid = false;
    return options;
}

struct Rendered {
    FakeCanvas Canvas;
    RenderRun Run;
};

inline Rendered Render(const PuzzleRecord& record, const PrintOptions& options,
                       const PictureLoader& pictures = FakePictures(), std::uint64_t seed = 1) {
    Rendered out;
    RandomSource random(seed);
    out.Run = RenderPage(record, options, out.Canvas, random, pictures);
    return out;
}

} // namespace vorlane::test
