#include "render/emf_writer.h"

#include "core/codepage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace vorlane {
namespace {

// Record types.
constexpr std::uint32_t kHeader = 1;
constexpr std::uint32_t kEof = 14;
constexpr std::uint32_t kSetBkMode = 18;
constexpr std::uint32_t kSetTextAlign = 22;
constexpr std::uint32_t kSetTextColor = 24;
constexpr std::uint32_t kSetBkColor = 25;
constexpr std::uint32_t kMoveToEx = 27;
constexpr std::uint32_t kSelectObject = 37;
constexpr std::uint32_t kCreatePen = 38;
constexpr std::uint32_t kCreateBrushIndirect = 39;
constexpr std::uint32_t kDeleteObject = 40;
constexpr std::uint32_t kEllipse = 42;
constexpr std::uint32_t kRectangle = 43;
constexpr std::uint32_t kArc = 45;
constexpr std::uint32_t kLineTo = 54;
constexpr std::uint32_t kExtCreateFontIndirectW = 82;
constexpr std::uint32_t kExtTextOutW = 84;

constexpr std::uint32_t kSignature = 0x464D4520; // " EMF"
constexpr std::size_t kHeaderSize = 108;
constexpr std::size_t kMaxText = 100000;

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}
void PutI32(std::string& out, std::int32_t v) {
    Put32(out, static_cast<std::uint32_t>(v));
}
void Pad4(std::string& out) {
    while (out.size() % 4 != 0)
        out.push_back('\0');
}

// UTF-16 code units of Windows-1252 bytes.
std::u16string Utf16Of(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c = b;
        int extra = 0;
        if (b >= 0xF0) {
            c = b & 0x07;
            extra = 3;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            extra = 2;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            extra = 1;
        }
        ++i;
        for (int e = 0; e < extra && i < utf8.size(); ++e, ++i)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

void PutUtf16(std::string& out, std::u16string_view text) {
    for (const char16_t c : text)
        Put16(out, static_cast<std::uint16_t>(c));
}

} // namespace

EmfWriter::EmfWriter(const MetafileInfo& info) : GdiRecorder(1), m_info(info) {
    Record(kSetTextAlign, {0}); // reference point at the top-left of the text cell
}

void EmfWriter::RecordBytes(std::uint32_t type, const std::string& params) {
    std::string body = params;
    Pad4(body);
    Put32(m_records, type);
    Put32(m_records, static_cast<std::uint32_t>(8 + body.size()));
    m_records += body;
    ++m_recordCount;
}

void EmfWriter::Record(std::uint32_t type, std::initializer_list<std::int32_t> params) {
    std::string body;
    for (const std::int32_t p : params)
        PutI32(body, p);
    RecordBytes(type, body);
}

void EmfWriter::EmitCreateFont(int slot, const FontSpec& font) {
    std::string body;
    Put32(body, static_cast<std::uint32_t>(slot));
    const int height = static_cast<int>(std::lround(font.Size * 96.0 / 72.0));
    PutI32(body, -height); // character height
    PutI32(body, 0);       // width
    PutI32(body, 0);       // escapement
    PutI32(body, 0);       // orientation
    PutI32(body, font.Bold ? 700 : 400);
    body.push_back(static_cast<char>(font.Italic ? 1 : 0));
    body.push_back(static_cast<char>(font.Underline ? 1 : 0));
    body.push_back(static_cast<char>(font.StrikeOut ? 1 : 0));
    body.push_back(0); // ANSI_CHARSET
    body.push_back(0); // default output precision
    body.push_back(0); // default clipping precision
    body.push_back(0); // default quality
    body.push_back(0); // default pitch and family
    std::u16string face = Utf16Of(font.Name).substr(0, 31);
    face.resize(32, u'\0');
    PutUtf16(body, face);
    RecordBytes(kExtCreateFontIndirectW, body);
}

void EmfWriter::EmitCreatePen(int slot, const PenState& pen) {
    Record(kCreatePen,
           {slot, pen.Style == Pen::Null ? 5 : 0, 1, 0, static_cast<std::int32_t>(pen.Color)});
}

void EmfWriter::EmitCreateBrush(int slot, const BrushState& brush) {
    Record(kCreateBrushIndirect,
           {slot, brush.Solid ? 0 : 1, static_cast<std::int32_t>(brush.Color), 0});
}

void EmfWriter::EmitSelect(int slot) {
    Record(kSelectObject, {slot});
}
void EmfWriter::EmitDelete(int slot) {
    Record(kDeleteObject, {slot});
}
void EmfWriter::EmitBkMode(bool transparent) {
    Record(kSetBkMode, {transparent ? 1 : 2});
}
void EmfWriter::EmitTextColor(std::uint32_t color) {
    Record(kSetTextColor, {static_cast<std::int32_t>(color)});
}
void EmfWriter::EmitBkColor(std::uint32_t color) {
    Record(kSetBkColor, {static_cast<std::int32_t>(color)});
}

void EmfWriter::EmitText(int x, int y, std::string_view text, std::span<const int> advances) {
    const std::u16string units = Utf16Of(text.substr(0, kMaxText));
    if (units.empty())
        return;
    const auto count = static_cast<std::uint32_t>(units.size());
    constexpr std::uint32_t kStringOffset = 76;
    std::string strings;
    PutUtf16(strings, units);
    Pad4(strings);
    const std::uint32_t dxOffset = kStringOffset + static_cast<std::uint32_t>(strings.size());

    std::string body;
    for (int i = 0; i < 4; ++i)
        PutI32(body, 0); // bounds: not used by readers
    Put32(body, 1);      // GM_COMPATIBLE
    const float scaleX =
        m_info.PixelWidth > 0 ? static_cast<float>(m_info.PhysicalWidth) / m_info.PixelWidth : 0;
    const float scaleY =
        m_info.PixelHeight > 0 ? static_cast<float>(m_info.PhysicalHeight) / m_info.PixelHeight : 0;
    Put32(body, std::bit_cast<std::uint32_t>(scaleX));
    Put32(body, std::bit_cast<std::uint32_t>(scaleY));
    PutI32(body, x); // reference point
    PutI32(body, y);
    Put32(body, count);
    Put32(body, kStringOffset);
    Put32(body, 0); // options
    for (int i = 0; i < 4; ++i)
        PutI32(body, 0); // no clipping rectangle
    Put32(body, dxOffset);
    body += strings;
    for (std::uint32_t i = 0; i < count; ++i)
        PutI32(body, i < advances.size() ? advances[i] : 0);
    RecordBytes(kExtTextOutW, body);
}

void EmfWriter::EmitMoveTo(PixelPoint p) {
    Record(kMoveToEx, {p.X, p.Y});
}
void EmfWriter::EmitLineTo(PixelPoint p) {
    Record(kLineTo, {p.X, p.Y});
}
void EmfWriter::EmitRectangle(const PixelRect& r) {
    Record(kRectangle, {r.Left, r.Top, r.Right, r.Bottom});
}
void EmfWriter::EmitEllipse(const PixelRect& r) {
    Record(kEllipse, {r.Left, r.Top, r.Right, r.Bottom});
}
void EmfWriter::EmitArc(const PixelRect& r, PixelPoint start, PixelPoint end) {
    Record(kArc, {r.Left, r.Top, r.Right, r.Bottom, start.X, start.Y, end.X, end.Y});
}

std::string EmfWriter::Bytes() const {
    std::u16string description = Utf16Of(m_info.Creator);
    description.push_back(u'\0');
    description += Utf16Of(m_info.Description);
    description.push_back(u'\0');
    description.push_back(u'\0');
    std::string descriptionBytes;
    PutUtf16(descriptionBytes, description);
    Pad4(descriptionBytes);
    const std::size_t headerRecord = kHeaderSize + descriptionBytes.size();
    constexpr std::size_t kEofSize = 20;
    const std::size_t total = headerRecord + m_records.size() + kEofSize;

    std::string out;
    Put32(out, kHeader);
    Put32(out, static_cast<std::uint32_t>(headerRecord));
    // Bounds of the picture in pixels, inclusive.
    PutI32(out, 0);
    PutI32(out, 0);
    PutI32(out, std::max(m_info.PixelWidth - 1, 0));
    PutI32(out, std::max(m_info.PixelHeight - 1, 0));
    // Frame in hundredths of a millimetre.
    PutI32(out, 0);
    PutI32(out, 0);
    PutI32(out, m_info.PhysicalWidth);
    PutI32(out, m_info.PhysicalHeight);
    Put32(out, kSignature);
    Put32(out, 0x10000); // version
    Put32(out, static_cast<std::uint32_t>(total));
    Put32(out, m_recordCount + 2);                           // with the header and the end record
    Put16(out, static_cast<std::uint16_t>(SlotsUsed() + 1)); // slot 0 is the file itself
    Put16(out, 0);
    Put32(out, static_cast<std::uint32_t>(description.size()));
    Put32(out, static_cast<std::uint32_t>(kHeaderSize));
    Put32(out, 0); // palette entries
    // The reference device: one of its pixels is one pixel of the picture.
    PutI32(out, m_info.PixelWidth);
    PutI32(out, m_info.PixelHeight);
    PutI32(out, static_cast<std::int32_t>(std::lround(m_info.PhysicalWidth / 100.0)));
    PutI32(out, static_cast<std::int32_t>(std::lround(m_info.PhysicalHeight / 100.0)));
    Put32(out, 0); // no pixel format
    Put32(out, 0);
    Put32(out, 0);                          // no OpenGL
    PutI32(out, m_info.PhysicalWidth * 10); // micrometres
    PutI32(out, m_info.PhysicalHeight * 10);
    out += descriptionBytes;
    out += m_records;
    Put32(out, kEof);
    Put32(out, kEofSize);
    Put32(out, 0);  // palette entries
    Put32(out, 16); // palette offset
    Put32(out, kEofSize);
    return out;
}

} // namespace vorlane
