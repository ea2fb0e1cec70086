#include "layouts/page_object.h"

#include "core/bytes.h"

#include <cstring>

namespace vorlane {

namespace {

constexpr std::size_t kNameCapacity = 15;
constexpr std::size_t kFontNameCapacity = 30;
constexpr std::size_t kBitmapCapacity = 255;

} // namespace

bool IsKnownKind(std::int16_t kind) {
    switch (kind) {
    case 1:
    case 2:
    case 7:
    case 8:
    case 10:
    case 11:
    case 12:
    case 13:
        return true;
    default:
        return false;
    }
}

bool IsSingleKind(PageObjectKind kind) {
    return kind == PageObjectKind::Title || kind == PageObjectKind::PuzzleGrid ||
           kind == PageObjectKind::WordsClues || kind == PageObjectKind::BonusQuestion;
}

PageObject::PageObject(const unsigned char* bytes) {
    std::memcpy(m_bytes.data(), bytes, kSize);
}

#define VORLANE_I16(Name, offset)                                                                  \
    std::int16_t PageObject::Name() const {                                                        \
        return bytes::GetI16(Data() + offset);                                                     \
    }                                                                                              \
    void PageObject::Set##Name(std::int16_t value) {                                               \
        bytes::SetI16(Data() + offset, value);                                                     \
    }
#define VORLANE_COLOR(Name, offset)                                                                \
    std::uint32_t PageObject::Name() const {                                                       \
        return static_cast<std::uint32_t>(bytes::GetI32(Data() + offset));                         \
    }                                                                                              \
    void PageObject::Set##Name(std::uint32_t value) {                                              \
        bytes::SetI32(Data() + offset, static_cast<std::int32_t>(value));                          \
    }
#define VORLANE_FLAG(Name, offset)                                                                 \
    bool PageObject::Name() const {                                                                \
        return m_bytes[offset] == 1;                                                               \
    }                                                                                              \
    void PageObject::Set##Name(bool on) {                                                          \
        m_bytes[offset] = on ? 1 : 0;                                                              \
    }
#define VORLANE_SHORT(Name, offset, capacity)                                                      \
    std::string PageObject::Name() const {                                                         \
        return bytes::GetShortString(Data() + offset, capacity);                                   \
    }                                                                                              \
    void PageObject::Set##Name(std::string_view text) {                                            \
        bytes::SetShortString(Data() + offset, capacity, text);                                    \
    }

VORLANE_I16(Kind, kKind)
VORLANE_SHORT(ObjectName, kObjectName, kNameCapacity)
VORLANE_SHORT(FontName, kFontName, kFontNameCapacity)
VORLANE_I16(FontSize, kFontSize)
VORLANE_COLOR(FontColor, kFontColor)
VORLANE_FLAG(FontBold, kFontBold)
VORLANE_FLAG(FontItalic, kFontItalic)
VORLANE_FLAG(FontUnderline, kFontUnderline)
VORLANE_FLAG(FontStrikeOut, kFontStrikeOut)
VORLANE_SHORT(SecondFontName, kSecondFontName, kFontNameCapacity)
VORLANE_I16(SecondFontSize, kSecondFontSize)
VORLANE_COLOR(SecondFontColor, kSecondFontColor)
VORLANE_COLOR(GridBackColor, kGridBackColor)
VORLANE_COLOR(GridLineColor, kGridLineColor)
VORLANE_FLAG(LowerCase, kLowerCase)
VORLANE_I16(Alignment, kAlignment)
VORLANE_FLAG(Transparent, kTransparent)
VORLANE_I16(Columns, kColumns)
VORLANE_FLAG(MakeFit, kMakeFit)
VORLANE_FLAG(Filled, kFilled)
VORLANE_COLOR(FillColor, kFillColor)
VORLANE_COLOR(BorderColor, kBorderColor)
VORLANE_FLAG(Border, kBorder)
VORLANE_I16(BorderWidth, kBorderWidth)
VORLANE_SHORT(BitmapFile, kBitmapFile, kBitmapCapacity)
VORLANE_I16(FittedFontSize, kFittedFontSize)

#undef VORLANE_I16
#undef VORLANE_COLOR
#undef VORLANE_FLAG
#undef VORLANE_SHORT

DesignRect PageObject::Bounds() const {
    const unsigned char* p = Data() + kBounds;
    return {bytes::GetI32(p), bytes::GetI32(p + 4), bytes::GetI32(p + 8), bytes::GetI32(p + 12)};
}

void PageObject::SetBounds(const DesignRect& bounds) {
    unsigned char* p = Data() + kBounds;
    bytes::SetI32(p, bounds.Left);
    bytes::SetI32(p + 4, bounds.Top);
    bytes::SetI32(p + 8, bounds.Right);
    bytes::SetI32(p + 12, bounds.Bottom);
}

void PageObject::SetSecondFontStyle(bool bold, bool italic, bool underline, bool strikeOut) {
    m_bytes[kSecondFontStyle] = bold ? 1 : 0;
    m_bytes[kSecondFontStyle + 1] = italic ? 1 : 0;
    m_bytes[kSecondFontStyle + 2] = underline ? 1 : 0;
    m_bytes[kSecondFontStyle + 3] = strikeOut ? 1 : 0;
}

std::int32_t PageObject::GridLineWidth() const {
    return bytes::GetI32(Data() + kGridLineWidth);
}
void PageObject::SetGridLineWidth(std::int32_t width) {
    bytes::SetI32(Data() + kGridLineWidth, width);
}

std::string PageObject::Text() const {
    const char* text = reinterpret_cast<const char*>(Data() + kText);
    // A stored text without its terminating zero ends at the field's last character.
    return std::string(text, strnlen(text, kTextCapacity));
}

void PageObject::SetText(std::string_view text) {
    std::memset(Data() + kText, 0, kTextCapacity + 1);
    std::size_t length = text.size() < kTextCapacity ? text.size() : kTextCapacity;
    std::memcpy(Data() + kText, text.data(), length);
}

} // namespace vorlane
