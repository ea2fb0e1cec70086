#include "layouts/layout_geometry.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(LayoutGeometryTest, PixelsPerUnitAndConversions) {
    EXPECT_EQ(DesignPixelsPerUnit(1, true), 48);
    EXPECT_EQ(DesignPixelsPerUnit(2, true), 72);
    EXPECT_EQ(DesignPixelsPerUnit(3, true), 96);
    EXPECT_EQ(DesignPixelsPerUnit(1, false), 20);
    EXPECT_EQ(DesignPixelsPerUnit(2, false), 30);
    EXPECT_EQ(DesignPixelsPerUnit(3, false), 40);
    EXPECT_EQ(TypedUnitsToPixels(1.99, 72), 143);
    EXPECT_EQ(ExtentToPixels(1.99, 72), 143);
    EXPECT_EQ(TypedUnitsToPixels(0.256, 72), 18);
    EXPECT_EQ(ExtentToPixels(0.256, 72), 18);
    EXPECT_EQ(TypedUnitsToPixels(0.26, 72), 19);
    EXPECT_EQ(ExtentToPixels(0.26, 72), 18);
    EXPECT_EQ(ExtentToPixels(29.7, 20), 594);
    EXPECT_EQ(ExtentToPixels(1e300, 96), INT32_MAX); // no overflow from a typed value
    EXPECT_DOUBLE_EQ(PixelsToUnits(144, 72), 2.0);
    EXPECT_EQ(StandardPaper("A4")->Height, 29.7);
    EXPECT_FALSE(StandardPaper("A4")->Inches);
    EXPECT_FALSE(StandardPaper("Custom").has_value());
}

TEST(LayoutGeometryTest, NewObjectsGetTheirDefaults) {
    const int p = DesignPixelsPerUnit(2, true);
    PageObject title = NewObject(PageObjectKind::Title, 10, 20, p, 0);
    EXPECT_EQ(title.ObjectName(), "Title");
    EXPECT_EQ(title.Bounds(), (DesignRect{10, 20, 154, 38})); // 144 x 18
    EXPECT_EQ(title.Alignment(), 2);
    EXPECT_TRUE(title.Transparent());
    EXPECT_TRUE(title.Border());
    EXPECT_EQ(title.FontName(), "Arial");
    EXPECT_EQ(title.FontSize(), 10);
    EXPECT_EQ(title.SecondFontSize(), 5);
    EXPECT_EQ(title.Columns(), 3);
    EXPECT_TRUE(title.MakeFit());
    EXPECT_EQ(title.FillColor(), 0xFFFFFFu);
    EXPECT_EQ(title.GridBackColor(), 0xFFFFFFu);
    EXPECT_EQ(title.GridLineWidth(), 1);

    PageObject grid = NewObject(PageObjectKind::PuzzleGrid, 0, 0, p, 0);
    EXPECT_EQ(grid.Bounds(), (DesignRect{0, 0, 216, 216}));
    EXPECT_FALSE(grid.Transparent());
    EXPECT_EQ(grid.FillColor(), 0u);
    EXPECT_EQ(grid.Alignment(), 1);

    PageObject bitmap = NewObject(PageObjectKind::Bitmap, 0, 0, 40, 1);
    EXPECT_EQ(bitmap.ObjectName(), "Bitmap 2");
    EXPECT_FALSE(bitmap.Border());
    EXPECT_FALSE(bitmap.Transparent());
    EXPECT_EQ(bitmap.Bounds(), (DesignRect{0, 0, 80, 80}));

    struct Named {
        PageObjectKind kind;
        int existing;
        const char* name;
        int w, h; // at 48 per inch
    };
    const Named kinds[] = {{PageObjectKind::WordsClues, 0, "Words / Clues", 96, 144},
                           {PageObjectKind::BonusQuestion, 0, "Bonus Question", 192, 12},
                           {PageObjectKind::Text, 2, "Text 3", 96, 96},
                           {PageObjectKind::Rectangle, 0, "Rectangle 1", 96, 96},
                           {PageObjectKind::Circle, 9, "Circle 10", 96, 96}};
    for (const Named& n : kinds) {
        PageObject o = NewObject(n.kind, 5, 5, 48, n.existing);
        EXPECT_EQ(o.ObjectName(), n.name);
        EXPECT_EQ(o.Kind(), static_cast<std::int16_t>(n.kind));
        EXPECT_EQ(o.Bounds().Width(), n.w) << n.name;
        EXPECT_EQ(o.Bounds().Height(), n.h) << n.name;
    }
}

TEST(LayoutGeometryTest, BuiltInDefaultLayout) {
    PageLayoutRecord d = BuiltInDefaultLayout();
    EXPECT_EQ(d.LayoutName(), "New Page");
    EXPECT_EQ(d.PaperName(), "Letter");
    EXPECT_EQ(d.PageWidth(), 8.5);
    EXPECT_EQ(d.PageHeight(), 11.0);
    EXPECT_EQ(d.DesignWidth(), 408);
    EXPECT_EQ(d.DesignHeight(), 528);
    EXPECT_TRUE(d.Inches());
    EXPECT_TRUE(d.Portrait());
    ASSERT_EQ(d.ObjectCount(), 3);
    PageObject title = d.Object(1);
    EXPECT_EQ(title.Kind(), 1);
    EXPECT_EQ(title.ObjectName(), "Title");
    EXPECT_EQ(title.Bounds(), (DesignRect{48, 48, 360, 72}));
    EXPECT_EQ(title.FontSize(), 12);
    EXPECT_TRUE(title.Transparent());
    EXPECT_FALSE(title.Border());
    EXPECT_EQ(title.Alignment(), 2);
    PageObject grid = d.Object(2);
    EXPECT_EQ(grid.Kind(), 2);
    EXPECT_EQ(grid.ObjectName(), "Puzzle");
    EXPECT_EQ(grid.Bounds(), (DesignRect{96, 76, 312, 292}));
    EXPECT_FALSE(grid.Transparent());
    EXPECT_EQ(grid.FillColor(), 0u);
    EXPECT_EQ(grid.GridBackColor(), 0xFFFFFFu);
    EXPECT_EQ(grid.SecondFontSize(), 5);
    PageObject words = d.Object(3);
    EXPECT_EQ(words.Kind(), 7);
    EXPECT_EQ(words.ObjectName(), "Word List");
    EXPECT_EQ(words.Bounds(), (DesignRect{48, 316, 192, 484}));
    EXPECT_EQ(words.Columns(), 1);
    EXPECT_TRUE(words.Transparent());
    EXPECT_TRUE(d.IsValid());
}

TEST(LayoutGeometryTest, ZoomRescalingTruncates) {
    PageLayoutRecord r = NewPage();
    PageObject o = NewObject(PageObjectKind::Text, 100, 7, 48, 0);
    o.SetBounds({100, 7, -7, 0});
    r.AddObject(o);
    RescaleZoom(r, 1, 2);
    EXPECT_EQ(r.Object(1).Bounds(), (DesignRect{150, 10, -10, 0}));
    RescaleZoom(r, 2, 1);
    EXPECT_EQ(r.Object(1).Bounds(), (DesignRect{100, 6, -6, 0}));
    struct Step {
        int from, to, expected; // from a coordinate of 1000
    };
    const Step steps[] = {{1, 3, 2000}, {2, 3, 1334}, {3, 1, 500}, {3, 2, 750}, {2, 2, 1000}};
    for (const Step& s : steps) {
        PageLayoutRecord one = NewPage();
        PageObject big;
        big.SetBounds({1000, 1000, 1000, 1000});
        one.AddObject(big);
        RescaleZoom(one, s.from, s.to);
        EXPECT_EQ(one.Object(1).Bounds().Left, s.expected) << s.from << "->" << s.to;
    }
}

TEST(LayoutGeometryTest, UnitAndOrientationChanges) {
    PageLayoutRecord a4 = NewPage();
    a4.SetPaperName("A4");
    a4.SetInches(false);
    a4.SetPageWidth(21.0);
    a4.SetPageHeight(29.7);
    PageObject o;
    o.SetBounds({100, 200, 300, 1000});
    a4.AddObject(o);
    ChangeUnit(a4, true);
    EXPECT_TRUE(a4.Inches());
    EXPECT_DOUBLE_EQ(a4.PageWidth(), 8.26);
    EXPECT_DOUBLE_EQ(a4.PageHeight(), 11.69);
    EXPECT_EQ(a4.Object(1).Bounds(), (DesignRect{94, 188, 283, 944}));
    ChangeUnit(a4, true); // already inches
    EXPECT_DOUBLE_EQ(a4.PageWidth(), 8.26);
    ChangeUnit(a4, false);
    EXPECT_DOUBLE_EQ(a4.PageWidth(), 20.98);
    EXPECT_DOUBLE_EQ(a4.PageHeight(), 29.69);
    EXPECT_EQ(a4.Object(1).Bounds(), (DesignRect{99, 198, 299, 999}));

    PageLayoutRecord letter = NewPage();
    ChangeOrientation(letter, false);
    EXPECT_EQ(letter.PageWidth(), 11.0);
    EXPECT_EQ(letter.PageHeight(), 8.5);
    EXPECT_FALSE(letter.Portrait());
    ChangeOrientation(letter, false);
    EXPECT_EQ(letter.PageWidth(), 11.0);
}

} // namespace
} // namespace vorlane
