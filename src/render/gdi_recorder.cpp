#include "render/gdi_recorder.h"

namespace vorlane {

int GdiRecorder::Allocate() {
    for (std::size_t i = 0; i < m_slots.size(); ++i)
        if (!m_slots[i]) {
            m_slots[i] = true;
            return static_cast<int>(i) + m_firstSlot;
        }
    m_slots.push_back(true);
    return static_cast<int>(m_slots.size()) - 1 + m_firstSlot;
}

void GdiRecorder::Release(int slot) {
    if (slot < 0)
        return;
    EmitDelete(slot);
    m_slots[static_cast<std::size_t>(slot - m_firstSlot)] = false;
}

void GdiRecorder::UsePen(const PenState& pen) {
    if (m_selectedPen == pen)
        return;
    const int slot = Allocate();
    EmitCreatePen(slot, pen);
    EmitSelect(slot);
    Release(m_penSlot);
    m_penSlot = slot;
    m_selectedPen = pen;
}

void GdiRecorder::UseBrush(const BrushState& brush) {
    // A clear brush of any colour is the same object.
    BrushState wanted = brush;
    if (!wanted.Solid)
        wanted.Color = 0;
    if (m_selectedBrush == wanted)
        return;
    const int slot = Allocate();
    EmitCreateBrush(slot, wanted);
    EmitSelect(slot);
    Release(m_brushSlot);
    m_brushSlot = slot;
    m_selectedBrush = wanted;
}

void GdiRecorder::UseFont() {
    if (m_selectedFont != m_font) {
        const int slot = Allocate();
        EmitCreateFont(slot, m_font);
        EmitSelect(slot);
        Release(m_fontSlot);
        m_fontSlot = slot;
        m_selectedFont = m_font;
    }
    const std::uint32_t color = m_font.Color & 0xFFFFFF;
    if (m_textColor != color) {
        EmitTextColor(color);
        m_textColor = color;
    }
}

void GdiRecorder::TextOut(int x, int y, std::string_view text, std::span<const int> advances) {
    UseFont();
    const bool transparent = !m_brushSolid;
    if (m_bkTransparent != transparent) {
        EmitBkMode(transparent);
        m_bkTransparent = transparent;
    }
    if (!transparent && m_bkColor != m_brush) {
        EmitBkColor(m_brush);
        m_bkColor = m_brush;
    }
    EmitText(x, y, text, advances);
}

void GdiRecorder::FillRect(const PixelRect& rect) {
    if (!m_brushSolid)
        return;
    UsePen({Pen::Null, 0});
    UseBrush({true, m_brush});
    // Without an outline a rectangle leaves out its last row and column.
    EmitRectangle({rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1});
}

void GdiRecorder::MoveTo(PixelPoint point) {
    EmitMoveTo(point);
}

void GdiRecorder::LineTo(PixelPoint point) {
    UsePen({Pen::Solid, m_pen});
    EmitLineTo(point);
}

void GdiRecorder::Ellipse(const PixelRect& bounds) {
    UsePen({Pen::Solid, m_pen});
    UseBrush({m_brushSolid, m_brush});
    EmitEllipse(bounds);
}

void GdiRecorder::Arc(const PixelRect& bounds, PixelPoint start, PixelPoint end) {
    UsePen({Pen::Solid, m_pen});
    EmitArc(bounds, start, end);
}

} // namespace vorlane
