#pragma once

#include "render/pixel_canvas.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the two metafile writers share: the graphics objects a drawing needs are created
// lazily, selected before the drawing that uses them and deleted when replaced, in a table
// of object slots that reuses freed slots.
namespace vorlane {

class GdiRecorder : public PixelCanvas {
public:
    void SetFont(const FontSpec& font) override { m_font = font; }
    void SetPenColor(std::uint32_t color) override { m_pen = color & 0xFFFFFF; }
    void SetBrushColor(std::uint32_t color) override {
        m_brush = color & 0xFFFFFF;
        m_brushSolid = true;
    }
    void SetBrushSolid(bool solid) override { m_brushSolid = solid; }

    void TextOut(int x, int y, std::string_view text, std::span<const int> advances) override;
    void FillRect(const PixelRect& rect) override;
    void MoveTo(PixelPoint point) override;
    void LineTo(PixelPoint point) override;
    void Ellipse(const PixelRect& bounds) override;
    void Arc(const PixelRect& bounds, PixelPoint start, PixelPoint end) override;

protected:
    enum class Pen { Solid, Null };
    struct PenState {
        Pen Style = Pen::Solid;
        std::uint32_t Color = 0;
        bool operator==(const PenState&) const = default;
    };
    struct BrushState {
        bool Solid = true;
        std::uint32_t Color = 0;
        bool operator==(const BrushState&) const = default;
    };

    // Records of the concrete format.
    virtual void EmitCreateFont(int slot, const FontSpec& font) = 0;
    virtual void EmitCreatePen(int slot, const PenState& pen) = 0;
    virtual void EmitCreateBrush(int slot, const BrushState& brush) = 0;
    virtual void EmitSelect(int slot) = 0;
    virtual void EmitDelete(int slot) = 0;
    virtual void EmitBkMode(bool transparent) = 0;
    virtual void EmitTextColor(std::uint32_t color) = 0;
    virtual void EmitBkColor(std::uint32_t color) = 0;
    virtual void EmitText(int x, int y, std::string_view text, std::span<const int> advances) = 0;
    virtual void EmitMoveTo(PixelPoint point) = 0;
    virtual void EmitLineTo(PixelPoint point) = 0;
    virtual void EmitRectangle(const PixelRect& rect) = 0;
    virtual void EmitEllipse(const PixelRect& rect) = 0;
    virtual void EmitArc(const PixelRect& bounds, PixelPoint start, PixelPoint end) = 0;

    // The most slots in use at once.
    int SlotsUsed() const { return static_cast<int>(m_slots.size()); }
    // The first slot number of the format (WMF 0, EMF 1; EMF keeps 0 for the file itself).
    explicit GdiRecorder(int firstSlot) : m_firstSlot(firstSlot) {}

private:
    int Allocate();
    void Release(int slot);
    void UsePen(const PenState& pen);
    void UseBrush(const BrushState& brush);
    void UseFont();

    int m_firstSlot;
    std::vector<bool> m_slots; // in use, by slot - first slot
    FontSpec m_font;
    std::uint32_t m_pen = 0;
    std::uint32_t m_brush = 0xFFFFFF;
    bool m_brushSolid = true;

    std::optional<FontSpec> m_selectedFont;
    std::optional<PenState> m_selectedPen;
    std::optional<BrushState> m_selectedBrush;
    int m_fontSlot = -1, m_penSlot = -1, m_brushSlot = -1;
    std::optional<std::uint32_t> m_textColor, m_bkColor;
    std::optional<bool> m_bkTransparent;
};

} // namespace vorlane
