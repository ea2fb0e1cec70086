#include "render/fake_canvas.h"

#include <algorithm>
#include <cmath>

namespace vorlane::test {

std::vector<FakeOp> FakeCanvas::Ops(const std::string& name) const {
    std::vector<FakeOp> result;
    for (const FakeOp& op : Log)
        if (op.Name == name)
            result.push_back(op);
    return result;
}

std::vector<std::string> FakeCanvas::PrintedTexts() const {
    std::vector<std::string> result;
    for (const FakeOp& op : Log)
        if (op.Name == "PrintText")
            result.push_back(op.Text);
    return result;
}

void FakeCanvas::SetPaper(int code, bool portrait) {
    const InchPoint size = PaperCodeSize(code);
    m_width = portrait ? size.X : size.Y;
    m_height = portrait ? size.Y : size.X;
    Log.push_back({"SetPaper", {double(code), double(portrait)}, ""});
}

void FakeCanvas::SetCustomPaper(double width, double height) {
    m_width = width;
    m_height = height;
    Log.push_back({"SetCustomPaper", {width, height}, ""});
}

void FakeCanvas::SetFont(const FontSpec& font) {
    m_font = font;
    Log.push_back({"SetFont",
                   {double(font.Size), double(font.Color), double(font.Bold), double(font.Italic),
                    double(font.Underline), double(font.StrikeOut)},
                   font.Name});
}

void FakeCanvas::SetTextTransparent(bool transparent) {
    Log.push_back({"SetTextTransparent", {double(transparent)}, ""});
}

void FakeCanvas::PrintText(double x, double y, std::string_view text) {
    Log.push_back({"PrintText", {x, y}, std::string(text)});
}

int FakeCanvas::XInchToDevice(double x) const {
    return static_cast<int>(std::lround(std::clamp(x * 100.0, -1e9, 1e9)));
}

void FakeCanvas::SetPenColor(std::uint32_t color) {
    Log.push_back({"SetPenColor", {double(color)}, ""});
}
void FakeCanvas::SetBrushColor(std::uint32_t color) {
    Log.push_back({"SetBrushColor", {double(color)}, ""});
}
void FakeCanvas::SetBrushSolid(bool solid) {
    Log.push_back({"SetBrushSolid", {double(solid)}, ""});
}
void FakeCanvas::MoveTo(double x, double y) {
    Log.push_back({"MoveTo", {x, y}, ""});
}
void FakeCanvas::LineTo(double x, double y) {
    Log.push_back({"LineTo", {x, y}, ""});
}
void FakeCanvas::FillRect(const InchRect& r) {
    Log.push_back({"FillRect", {r.Left, r.Top, r.Right, r.Bottom}, ""});
}
void FakeCanvas::Ellipse(const InchRect& r) {
    Log.push_back({"Ellipse", {r.Left, r.Top, r.Right, r.Bottom}, ""});
}
void FakeCanvas::Arc(const InchRect& r, InchPoint start, InchPoint end) {
    Log.push_back({"Arc", {r.Left, r.Top, r.Right, r.Bottom, start.X, start.Y, end.X, end.Y}, ""});
}
void FakeCanvas::DrawPicture(const PictureRef& picture, const InchRect& r) {
    Log.push_back(
        {"DrawPicture", {double(picture.Id), r.Left, r.Top, r.Right, r.Bottom}, picture.Path});
}

} // namespace vorlane::test
