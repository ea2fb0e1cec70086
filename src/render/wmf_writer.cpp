#include "render/wmf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vorlane {
namespace {

// Record function numbers.
constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkColor = 0x0201;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSetMapMode = 0x0103;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kLineTo = 0x0213;
constexpr std::uint16_t kMoveTo = 0x0214;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kEllipse = 0x0418;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kArc = 0x0817;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kMaxText = 32767;

void Put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<std::uint16_t>(v >> 16));
}

// Coordinates are 16-bit.
std::int16_t C(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

} // namespace

WmfWriter::WmfWriter(const MetafileInfo& info) : GdiRecorder(0), m_info(info) {
    Record(kSetMapMode, {8}); // anisotropic: the window maps onto the placeable bounds
    Record(kSetWindowOrg, {0, 0});
    Record(kSetWindowExt, {C(info.PixelHeight), C(info.PixelWidth)});
    Record(kSetTextAlign, {0}); // reference point at the top-left of the text cell
}

void WmfWriter::RecordBytes(std::uint16_t function, const std::string& params) {
    std::string body = params;
    if (body.size() % 2 != 0)
        body.push_back('\0');
    const auto words = static_cast<std::uint32_t>(3 + body.size() / 2);
    Put32(m_records, words);
    Put16(m_records, function);
    m_records += body;
    m_maxRecordWords = std::max(m_maxRecordWords, words);
}

void WmfWriter::Record(std::uint16_t function, std::initializer_list<std::int16_t> params) {
    std::string body;
    for (const std::int16_t p : params)
        Put16(body, static_cast<std::uint16_t>(p));
    RecordBytes(function, body);
}

void WmfWriter::EmitCreateFont(int, const FontSpec& font) {
    std::string body;
    const int height = static_cast<int>(std::lround(font.Size * 96.0 / 72.0));
    Put16(body, static_cast<std::uint16_t>(C(-height))); // character height
    Put16(body, 0);                                      // width
    Put16(body, 0);                                      // escapement
    Put16(body, 0);                                      // orientation
    Put16(body, font.Bold ? 700 : 400);                  // weight
    body.push_back(static_cast<char>(font.Italic ? 1 : 0));
    body.push_back(static_cast<char>(font.Underline ? 1 : 0));
    body.push_back(static_cast<char>(font.StrikeOut ? 1 : 0));
    body.push_back(0); // ANSI_CHARSET: Windows-1252
    body.push_back(0); // default output precision
    body.push_back(0); // default clipping precision
    body.push_back(0); // default quality
    body.push_back(0); // default pitch and family
    std::string face = font.Name.substr(0, 31);
    face.resize(32, '\0');
    body += face;
    RecordBytes(kCreateFontIndirect, body);
}

void WmfWriter::EmitCreatePen(int, const PenState& pen) {
    std::string body;
    Put16(body, pen.Style == Pen::Null ? 5 : 0); // PS_NULL, PS_SOLID
    Put16(body, 1);                              // width
    Put16(body, 0);
    Put32(body, pen.Color);
    RecordBytes(kCreatePenIndirect, body);
}

void WmfWriter::EmitCreateBrush(int, const BrushState& brush) {
    std::string body;
    Put16(body, brush.Solid ? 0 : 1); // BS_SOLID, BS_NULL
    Put32(body, brush.Color);
    Put16(body, 0); // hatch
    RecordBytes(kCreateBrushIndirect, body);
}

void WmfWriter::EmitSelect(int slot) {
    Record(kSelectObject, {static_cast<std::int16_t>(slot)});
}
void WmfWriter::EmitDelete(int slot) {
    Record(kDeleteObject, {static_cast<std::int16_t>(slot)});
}
void WmfWriter::EmitBkMode(bool transparent) {
    Record(kSetBkMode, {static_cast<std::int16_t>(transparent ? 1 : 2)});
}

void WmfWriter::EmitTextColor(std::uint32_t color) {
    std::string body;
    Put32(body, color);
    RecordBytes(kSetTextColor, body);
}

void WmfWriter::EmitBkColor(std::uint32_t color) {
    std::string body;
    Put32(body, color);
    RecordBytes(kSetBkColor, body);
}

void WmfWriter::EmitText(int x, int y, std::string_view text, std::span<const int>) {
    if (text.empty())
        return;
    const std::string_view cut = text.substr(0, kMaxText);
    std::string body;
    Put16(body, static_cast<std::uint16_t>(cut.size()));
    body += cut;
    if (body.size() % 2 != 0)
        body.push_back('\0');
    Put16(body, static_cast<std::uint16_t>(C(y)));
    Put16(body, static_cast<std::uint16_t>(C(x)));
    RecordBytes(kTextOut, body);
}

void WmfWriter::EmitMoveTo(PixelPoint p) {
    Record(kMoveTo, {C(p.Y), C(p.X)});
}
void WmfWriter::EmitLineTo(PixelPoint p) {
    Record(kLineTo, {C(p.Y), C(p.X)});
}

void WmfWriter::EmitRectangle(const PixelRect& r) {
    Record(kRectangle, {C(r.Bottom), C(r.Right), C(r.Top), C(r.Left)});
}

void WmfWriter::EmitEllipse(const PixelRect& r) {
    Record(kEllipse, {C(r.Bottom), C(r.Right), C(r.Top), C(r.Left)});
}

void WmfWriter::EmitArc(const PixelRect& r, PixelPoint start, PixelPoint end) {
    Record(kArc, {C(end.Y), C(end.X), C(start.Y), C(start.X), C(r.Bottom), C(r.Right), C(r.Top),
                  C(r.Left)});
}

std::string WmfWriter::Bytes() const {
    std::string out;
    // Placeable header: the bounds in drawing units and how many of them make an inch.
    std::string placeable;
    Put32(placeable, kPlaceableKey);
    Put16(placeable, 0); // handle
    Put16(placeable, 0);
    Put16(placeable, 0);
    Put16(placeable, static_cast<std::uint16_t>(C(m_info.PixelWidth)));
    Put16(placeable, static_cast<std::uint16_t>(C(m_info.PixelHeight)));
    long long inch = 96;
    if (m_info.PhysicalWidth > 0)
        inch = std::llround(m_info.PixelWidth * 2540.0 / m_info.PhysicalWidth);
    Put16(placeable, static_cast<std::uint16_t>(std::clamp<long long>(inch, 1, 65535)));
    Put32(placeable, 0); // reserved
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < placeable.size(); i += 2)
        checksum ^= static_cast<std::uint16_t>(static_cast<unsigned char>(placeable[i]) |
                                               (static_cast<unsigned char>(placeable[i + 1]) << 8));
    Put16(placeable, checksum);
    out += placeable;

    const std::uint32_t eofWords = 3;
    const std::uint32_t totalWords =
        9 + static_cast<std::uint32_t>(m_records.size() / 2) + eofWords;
    Put16(out, 1);      // in memory
    Put16(out, 9);      // header words
    Put16(out, 0x0300); // version
    Put32(out, totalWords);
    Put16(out, static_cast<std::uint16_t>(SlotsUsed()));
    Put32(out, std::max(m_maxRecordWords, eofWords));
    Put16(out, 0); // unused
    out += m_records;
    Put32(out, eofWords);
    Put16(out, kEof);
    return out;
}

} // namespace vorlane
