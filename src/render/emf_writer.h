#pragma once

#include "render/gdi_recorder.h"
#include "render/metafile_info.h"

#include <string>

// An enhanced metafile (EMF) built in memory. Its header carries the pixel and physical
// sizes and the creator and description; text is stored as UTF-16.
namespace vorlane {

class EmfWriter : public GdiRecorder {
public:
    explicit EmfWriter(const MetafileInfo& info);
    // The finished file; drawing after it is not recorded in it.
    std::string Bytes() const;

private:
    void Record(std::uint32_t type, std::initializer_list<std::int32_t> params);
    void RecordBytes(std::uint32_t type, const std::string& params);

    void EmitCreateFont(int slot, const FontSpec& font) override;
    void EmitCreatePen(int slot, const PenState& pen) override;
    void EmitCreateBrush(int slot, const BrushState& brush) override;
    void EmitSelect(int slot) override;
    void EmitDelete(int slot) override;
    void EmitBkMode(bool transparent) override;
    void EmitTextColor(std::uint32_t color) override;
    void EmitBkColor(std::uint32_t color) override;
    void EmitText(int x, int y, std::string_view text, std::span<const int> advances) override;
    void EmitMoveTo(PixelPoint point) override;
    void EmitLineTo(PixelPoint point) override;
    void EmitRectangle(const PixelRect& rect) override;
    void EmitEllipse(const PixelRect& rect) override;
    void EmitArc(const PixelRect& bounds, PixelPoint start, PixelPoint end) override;

    MetafileInfo m_info;
    std::string m_records;
    std::uint32_t m_recordCount = 0;
};

} // namespace vorlane
