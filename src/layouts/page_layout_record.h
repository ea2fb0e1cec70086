#pragma once

#include "layouts/page_object.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorlane {

// One page design: an 88-byte header and 20 page objects, 28868 bytes in all. The same
// bytes are a record of the page layout file, the PageLayout of every puzzle and the body
// of a layout exchange file. Values read from it are clamped before they address anything.
class PageLayoutRecord {
public:
    static constexpr std::size_t kSize = 28868;
    static constexpr int kMaxObjects = 20;
    static constexpr std::size_t kObjectsOffset = 88;
    static constexpr std::size_t kLayoutName = 0, kPaperName = 21, kPageWidth = 42,
                                 kPageHeight = 50, kDesignWidth = 58, kDesignHeight = 60,
                                 kInches = 62, kObjectCount = 63, kPortrait = 65, kDesignZoom = 66,
                                 kReserved = 68;
    static constexpr std::size_t kNameCapacity = 20;

    PageLayoutRecord() { m_bytes.fill(0); }
    explicit PageLayoutRecord(std::span<const unsigned char, kSize> bytes);

    unsigned char* Data() { return m_bytes.data(); }
    const unsigned char* Data() const { return m_bytes.data(); }
    std::span<const unsigned char, kSize> Span() const { return m_bytes; }
    std::string_view Bytes() const {
        return std::string_view(reinterpret_cast<const char*>(m_bytes.data()), kSize);
    }
    bool operator==(const PageLayoutRecord&) const = default;

    std::string LayoutName() const;
    void SetLayoutName(std::string_view name);
    std::string PaperName() const;
    void SetPaperName(std::string_view name);
    double PageWidth() const;
    void SetPageWidth(double width);
    double PageHeight() const;
    void SetPageHeight(double height);
    std::int16_t DesignWidth() const;
    void SetDesignWidth(std::int16_t width);
    std::int16_t DesignHeight() const;
    void SetDesignHeight(std::int16_t height);
    bool Inches() const;
    void SetInches(bool inches);
    std::int16_t ObjectCount() const;
    void SetObjectCount(std::int16_t count);
    // ObjectCount limited to 0..20.
    int UsedObjectCount() const;
    bool Portrait() const;
    void SetPortrait(bool portrait);
    std::int16_t DesignZoom() const;
    void SetDesignZoom(std::int16_t zoom);

    // Objects 1..20; other numbers read an empty object and write nothing.
    PageObject Object(int k) const;
    void SetObject(int k, const PageObject& object);
    // Appends after the objects in use; false when all 20 are in use.
    bool AddObject(const PageObject& object);
    // Number of objects of a kind among 1..UsedObjectCount().
    int CountOfKind(PageObjectKind kind) const;

    // True when ObjectCount lies in 0..20 and both design extents are positive.
    bool IsValid() const;

private:
    std::array<unsigned char, kSize> m_bytes;
};

} // namespace vorlane
