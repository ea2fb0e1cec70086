#include "layouts/page_layout_record.h"

#include <gtest/gtest.h>

#include <cstring>

namespace vorlane {
namespace {

std::int32_t I32At(const unsigned char* p) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (p[1] << 8) | (p[2] << 16) |
                                     (static_cast<std::uint32_t>(p[3]) << 24));
}

TEST(PageLayoutRecordTest, HeaderFieldsSitAtTheirOffsets) {
    PageLayoutRecord r;
    r.SetLayoutName("Classroom");
    r.SetPaperName("A4");
    r.SetPageWidth(21.0);
    r.SetPageHeight(29.7);
    r.SetDesignWidth(420);
    r.SetDesignHeight(-594);
    r.SetInches(false);
    r.SetObjectCount(3);
    r.SetPortrait(true);
    r.SetDesignZoom(2);
    const unsigned char* p = r.Data();
    EXPECT_EQ(p[0], 9);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 1), 9), "Classroom");
    EXPECT_EQ(p[21], 2);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 22), 2), "A4");
    double width = 0;
    std::memcpy(&width, p + 42, 8); // little-endian IEEE double on this machine
    EXPECT_EQ(width, 21.0);
    const unsigned char height297[8] = {0x33, 0x33, 0x33, 0x33, 0x33, 0xB3, 0x3D, 0x40};
    EXPECT_EQ(std::memcmp(p + 50, height297, 8), 0);
    EXPECT_EQ(p[58] | (p[59] << 8), 420);
    EXPECT_EQ(static_cast<std::int16_t>(p[60] | (p[61] << 8)), -594);
    EXPECT_EQ(p[62], 0);
    EXPECT_EQ(p[63], 3);
    EXPECT_EQ(p[65], 1);
    EXPECT_EQ(p[66], 2);
    EXPECT_FALSE(r.IsValid()); // negative design height
}

TEST(PageLayoutRecordTest, ObjectFieldsSitAtTheirOffsets) {
    PageObject o;
    o.SetKind(PageObjectKind::WordsClues);
    o.SetObjectName("Words / Clues and more"); // cut to 15
    o.SetBounds({10, 20, -30, 400000});
    o.SetFontName("Liberation Sans");
    o.SetFontSize(14);
    o.SetFontColor(0x00112233);
    o.SetFontBold(true);
    o.SetFontStrikeOut(true);
    o.SetSecondFontSize(5);
    o.SetSecondFontStyle(false, true, false, true);
    o.SetGridBackColor(0xFFFFFF);
    o.SetGridLineWidth(3);
    o.SetAlignment(3);
    o.SetText("Line one\r\nLine two");
    o.SetTransparent(true);
    o.SetColumns(2);
    o.SetMakeFit(true);
    o.SetFilled(true);
    o.SetFillColor(0x0000FF);
    o.SetBorderColor(0x00FF00);
    o.SetBorder(true);
    o.SetBorderWidth(4);
    o.SetBitmapFile("/home/t/pic.bmp");
    o.SetFittedFontSize(9);
    const unsigned char* p = o.Data();
    EXPECT_EQ(p[0], 7);
    EXPECT_EQ(p[2], 15);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 3), 15), "Words / Clues a");
    EXPECT_EQ(I32At(p + 18), 10);
    EXPECT_EQ(I32At(p + 22), 20);
    EXPECT_EQ(I32At(p + 26), -30);
    EXPECT_EQ(I32At(p + 30), 400000);
    EXPECT_EQ(p[34], 15);
    EXPECT_EQ(p[65], 14);
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(p + 67)), 0x00112233u);
    EXPECT_EQ(p[71], 1);
    EXPECT_EQ(p[72], 0);
    EXPECT_EQ(p[74], 1);
    EXPECT_EQ(p[106], 5);
    EXPECT_EQ(p[112] + 2 * p[113] + 4 * p[114] + 8 * p[115], 10);
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(p + 116)), 0xFFFFFFu);
    EXPECT_EQ(I32At(p + 125), 3);
    EXPECT_EQ(p[129], 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(p + 131)), "Line one\r\nLine two");
    EXPECT_EQ(p[1132], 1);
    EXPECT_EQ(p[1133], 2);
    EXPECT_EQ(p[1136], 1);
    EXPECT_EQ(p[1137], 1);
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(p + 1138)), 0x0000FFu);
    EXPECT_EQ(static_cast<std::uint32_t>(I32At(p + 1142)), 0x00FF00u);
    EXPECT_EQ(p[1146], 1);
    EXPECT_EQ(p[1147], 4);
    EXPECT_EQ(p[1149], 15);
    EXPECT_EQ(p[1409], 9);

    PageLayoutRecord r;
    ASSERT_TRUE(r.AddObject(o));
    EXPECT_EQ(std::memcmp(r.Data() + 88, o.Data(), 1439), 0);
    o.SetKind(PageObjectKind::Text);
    r.SetObject(20, o);
    EXPECT_EQ(std::memcmp(r.Data() + 88 + 1439 * 19, o.Data(), 1439), 0);
    EXPECT_EQ(88u + 1439u * 20u, PageLayoutRecord::kSize);
    r.SetObject(21, o); // out of range: nothing written
    EXPECT_EQ(r.Object(21), PageObject());
}

TEST(PageLayoutRecordTest, TextIsBoundedWhateverTheBytesHold) {
    PageObject o;
    o.SetText(std::string(1200, 'x'));
    EXPECT_EQ(o.Text(), std::string(1000, 'x'));
    EXPECT_EQ(o.Data()[131 + 1000], 0);
    std::memset(o.Data() + 131, 'y', 1001); // no terminating zero anywhere
    EXPECT_EQ(o.Text(), std::string(1000, 'y'));
    o.SetText("short");
    EXPECT_EQ(o.Text(), "short");
    EXPECT_EQ(o.Data()[131 + 6], 0); // the old text is cleared
}

TEST(PageLayoutRecordTest, ObjectCountIsClampedAndAddingStopsAtTwenty) {
    PageLayoutRecord r;
    r.SetObjectCount(-4);
    EXPECT_EQ(r.UsedObjectCount(), 0);
    r.SetObjectCount(300);
    EXPECT_EQ(r.UsedObjectCount(), 20);
    EXPECT_FALSE(r.AddObject(PageObject()));
    r.SetObjectCount(0);
    PageObject title;
    title.SetKind(PageObjectKind::Title);
    PageObject text;
    text.SetKind(PageObjectKind::Text);
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(r.AddObject(i == 0 ? title : text));
    EXPECT_FALSE(r.AddObject(text));
    EXPECT_EQ(r.ObjectCount(), 20);
    EXPECT_EQ(r.CountOfKind(PageObjectKind::Text), 19);
    EXPECT_EQ(r.CountOfKind(PageObjectKind::Title), 1);
    EXPECT_TRUE(IsKnownKind(13));
    EXPECT_FALSE(IsKnownKind(9));
    EXPECT_FALSE(IsKnownKind(3));
}

} // namespace
} // namespace vorlane
