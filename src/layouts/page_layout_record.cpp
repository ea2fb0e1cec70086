#include "layouts/page_layout_record.h"

#include "core/bytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vorlane {

namespace {

double GetF64(const unsigned char* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    return std::bit_cast<double>(bits);
}

void SetF64(unsigned char* p, double value) {
    auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFF);
}

std::size_t ObjectOffset(int k) {
    return PageLayoutRecord::kObjectsOffset + PageObject::kSize * static_cast<std::size_t>(k - 1);
}

} // namespace

PageLayoutRecord::PageLayoutRecord(std::span<const unsigned char, kSize> bytes) {
    std::memcpy(m_bytes.data(), bytes.data(), kSize);
}

std::string PageLayoutRecord::LayoutName() const {
    return bytes::GetShortString(Data() + kLayoutName, kNameCapacity);
}
void PageLayoutRecord::SetLayoutName(std::string_view name) {
    bytes::SetShortString(Data() + kLayoutName, kNameCapacity, name);
}
std::string PageLayoutRecord::PaperName() const {
    return bytes::GetShortString(Data() + kPaperName, kNameCapacity);
}
void PageLayoutRecord::SetPaperName(std::string_view name) {
    bytes::SetShortString(Data() + kPaperName, kNameCapacity, name);
}
double PageLayoutRecord::PageWidth() const {
    return GetF64(Data() + kPageWidth);
}
void PageLayoutRecord::SetPageWidth(double width) {
    SetF64(Data() + kPageWidth, width);
}
double PageLayoutRecord::PageHeight() const {
    return GetF64(Data() + kPageHeight);
}
void PageLayoutRecord::SetPageHeight(double height) {
    SetF64(Data() + kPageHeight, height);
}
std::int16_t PageLayoutRecord::DesignWidth() const {
    return bytes::GetI16(Data() + kDesignWidth);
}
void PageLayoutRecord::SetDesignWidth(std::int16_t width) {
    bytes::SetI16(Data() + kDesignWidth, width);
}
std::int16_t PageLayoutRecord::DesignHeight() const {
    return bytes::GetI16(Data() + kDesignHeight);
}
void PageLayoutRecord::SetDesignHeight(std::int16_t height) {
    bytes::SetI16(Data() + kDesignHeight, height);
}
bool PageLayoutRecord::Inches() const {
    return m_bytes[kInches] == 1;
}
void PageLayoutRecord::SetInches(bool inches) {
    m_bytes[kInches] = inches ? 1 : 0;
}
std::int16_t PageLayoutRecord::ObjectCount() const {
    return bytes::GetI16(Data() + kObjectCount);
}
void PageLayoutRecord::SetObjectCount(std::int16_t count) {
    bytes::SetI16(Data() + kObjectCount, count);
}
int PageLayoutRecord::UsedObjectCount() const {
    return std::clamp<int>(ObjectCount(), 0, kMaxObjects);
}
bool PageLayoutRecord::Portrait() const {
    return m_bytes[kPortrait] == 1;
}
void PageLayoutRecord::SetPortrait(bool portrait) {
    m_bytes[kPortrait] = portrait ? 1 : 0;
}
std::int16_t PageLayoutRecord::DesignZoom() const {
    return bytes::GetI16(Data() + kDesignZoom);
}
void PageLayoutRecord::SetDesignZoom(std::int16_t zoom) {
    bytes::SetI16(Data() + kDesignZoom, zoom);
}

PageObject PageLayoutRecord::Object(int k) const {
    if (k < 1 || k > kMaxObjects)
        return PageObject();
    return PageObject(Data() + ObjectOffset(k));
}

void PageLayoutRecord::SetObject(int k, const PageObject& object) {
    if (k >= 1 && k <= kMaxObjects)
        std::memcpy(Data() + ObjectOffset(k), object.Data(), PageObject::kSize);
}

bool PageLayoutRecord::AddObject(const PageObject& object) {
    int count = UsedObjectCount();
    if (count >= kMaxObjects)
        return false;
    SetObject(count + 1, object);
    SetObjectCount(static_cast<std::int16_t>(count + 1));
    return true;
}

int PageLayoutRecord::CountOfKind(PageObjectKind kind) const {
    int count = 0;
    for (int k = 1; k <= UsedObjectCount(); ++k)
        count += bytes::GetI16(Data() + ObjectOffset(k)) == static_cast<std::int16_t>(kind);
    return count;
}

bool PageLayoutRecord::IsValid() const {
    return ObjectCount() >= 0 && ObjectCount() <= kMaxObjects && DesignWidth() > 0 &&
           DesignHeight() > 0;
}

} // namespace vorlane
