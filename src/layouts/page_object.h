#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlane {

// The kinds of page object; other values are skipped by every reader.
enum class PageObjectKind : std::int16_t {
    Title = 1,
    PuzzleGrid = 2,
    WordsClues = 7,
    BonusQuestion = 8,
    Text = 10,
    Bitmap = 11,
    Rectangle = 12,
    Circle = 13,
};

// True for the kinds a layout may hold.
bool IsKnownKind(std::int16_t kind);
// True for the kinds a layout holds at most one of.
bool IsSingleKind(PageObjectKind kind);

// A rectangle in design pixels from the page's top-left corner.
struct DesignRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    bool operator==(const DesignRect&) const = default;
};

// One object of a page layout, kept as its 1439 bytes.
class PageObject {
public:
    static constexpr std::size_t kSize = 1439;
    static constexpr std::size_t kTextCapacity = 1000;

    PageObject() { m_bytes.fill(0); }
    explicit PageObject(const unsigned char* bytes);
    unsigned char* Data() { return m_bytes.data(); }
    const unsigned char* Data() const { return m_bytes.data(); }
    bool operator==(const PageObject&) const = default;

    std::int16_t Kind() const;
    void SetKind(std::int16_t kind);
    void SetKind(PageObjectKind kind) { SetKind(static_cast<std::int16_t>(kind)); }
    std::string ObjectName() const;
    void SetObjectName(std::string_view name);
    DesignRect Bounds() const;
    void SetBounds(const DesignRect& bounds);

    std::string FontName() const;
    void SetFontName(std::string_view name);
    std::int16_t FontSize() const;
    void SetFontSize(std::int16_t size);
    std::uint32_t FontColor() const;
    void SetFontColor(std::uint32_t color);
    bool FontBold() const;
    void SetFontBold(bool on);
    bool FontItalic() const;
    void SetFontItalic(bool on);
    bool FontUnderline() const;
    void SetFontUnderline(bool on);
    bool FontStrikeOut() const;
    void SetFontStrikeOut(bool on);

    std::string SecondFontName() const;
    void SetSecondFontName(std::string_view name);
    std::int16_t SecondFontSize() const;
    void SetSecondFontSize(std::int16_t size);
    std::uint32_t SecondFontColor() const;
    void SetSecondFontColor(std::uint32_t color);
    // Bold, italic, underline, strike-out of the second font block.
    void SetSecondFontStyle(bool bold, bool italic, bool underline, bool strikeOut);

    std::uint32_t GridBackColor() const;
    void SetGridBackColor(std::uint32_t color);
    std::uint32_t GridLineColor() const;
    void SetGridLineColor(std::uint32_t color);
    bool LowerCase() const;
    void SetLowerCase(bool on);
    std::int32_t GridLineWidth() const;
    void SetGridLineWidth(std::int32_t width);
    std::int16_t Alignment() const;
    void SetAlignment(std::int16_t alignment);
    // The text up to its terminating zero, at most 1000 characters.
    std::string Text() const;
    // Stores at most 1000 characters and a terminating zero; the rest of the field is cleared.
    void SetText(std::string_view text);
    bool Transparent() const;
    void SetTransparent(bool on);
    std::int16_t Columns() const;
    void SetColumns(std::int16_t columns);
    bool MakeFit() const;
    void SetMakeFit(bool on);
    bool Filled() const;
    void SetFilled(bool on);
    std::uint32_t FillColor() const;
    void SetFillColor(std::uint32_t color);
    std::uint32_t BorderColor() const;
    void SetBorderColor(std::uint32_t color);
    bool Border() const;
    void SetBorder(bool on);
    std::int16_t BorderWidth() const;
    void SetBorderWidth(std::int16_t width);
    std::string BitmapFile() const;
    void SetBitmapFile(std::string_view path);
    std::int16_t FittedFontSize() const;
    void SetFittedFontSize(std::int16_t size);

    // Byte offsets within the object.
    static constexpr std::size_t kKind = 0, kObjectName = 2, kBounds = 18, kFontName = 34,
                                 kFontSize = 65, kFontColor = 67, kFontBold = 71, kFontItalic = 72,
                                 kFontUnderline = 73, kFontStrikeOut = 74, kSecondFontName = 75,
                                 kSecondFontSize = 106, kSecondFontColor = 108,
                                 kSecondFontStyle = 112, kGridBackColor = 116, kGridLineColor = 120,
                                 kLowerCase = 124, kGridLineWidth = 125, kAlignment = 129,
                                 kText = 131, kTransparent = 1132, kColumns = 1133, kSpare = 1135,
                                 kMakeFit = 1136, kFilled = 1137, kFillColor = 1138,
                                 kBorderColor = 1142, kBorder = 1146, kBorderWidth = 1147,
                                 kBitmapFile = 1149, kPictureHandle = 1405, kFittedFontSize = 1409,
                                 kSpare2 = 1411;

private:
    std::array<unsigned char, kSize> m_bytes;
};

} // namespace vorlane
