#include "layouts/page_layout_file.h"

#include "core/safe_file.h"
#include "layouts/layout_geometry.h"

#include <cmath>
#include <cstring>

namespace vorlane {

namespace {

constexpr std::size_t kExchangeHeader = 6;

std::string WholeNumber(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return "0";
    return std::to_string(std::lround(value));
}

} // namespace

PageLayoutFile PageLayoutFile::InProgramDirectory(const std::string& programDir) {
    return PageLayoutFile(programDir + "/" + kFileName);
}

std::vector<PageLayoutRecord> PageLayoutFile::ReadAll() const {
    std::vector<PageLayoutRecord> layouts;
    File file = m_file.OpenForReading();
    if (!file.IsOpen())
        return layouts;
    const std::uint64_t count = file.Size() / PageLayoutRecord::kSize;
    layouts.resize(static_cast<std::size_t>(count));
    for (std::uint64_t i = 0; i < count; ++i)
        file.ReadAt(i * PageLayoutRecord::kSize, layouts[static_cast<std::size_t>(i)].Data(),
                    PageLayoutRecord::kSize);
    return layouts;
}

int PageLayoutFile::Count() const {
    return static_cast<int>(m_file.Count());
}

bool PageLayoutFile::Read(int n, PageLayoutRecord& layout) const {
    PageLayoutRecord read;
    if (!m_file.Read(n, read.Data()))
        return false;
    layout = read;
    return true;
}

SaveResult PageLayoutFile::Append(const PageLayoutRecord& layout) {
    return m_file.Append(layout.Bytes());
}

SaveResult PageLayoutFile::Replace(int n, const PageLayoutRecord& layout) {
    return m_file.Replace(n, layout.Bytes());
}

bool PageLayoutFile::Delete(int n) {
    return m_file.Delete(n);
}

PageLayoutRecord PageLayoutFile::DefaultLayout(int d) const {
    File file = m_file.OpenForReading();
    const std::uint64_t count = file.IsOpen() ? file.Size() / PageLayoutRecord::kSize : 0;
    if (count == 0)
        return BuiltInDefaultLayout();
    const std::uint64_t n =
        d >= 0 && static_cast<std::uint64_t>(d) < count ? static_cast<std::uint64_t>(d) : 0;
    PageLayoutRecord layout;
    file.ReadAt(n * PageLayoutRecord::kSize, layout.Data(), PageLayoutRecord::kSize);
    return layout;
}

void ResetForNewPuzzle(PuzzleRecord& working, const std::string& programDir, int defaultPage) {
    PageLayoutRecord layout =
        PageLayoutFile::InProgramDirectory(programDir).DefaultLayout(defaultPage);
    working.ResetForNewPuzzle(layout.Span());
}

std::string LayoutEntryText(const PageLayoutRecord& layout, int recordNumber, int defaultPage) {
    std::string text = layout.LayoutName() + " (";
    const std::string paper = layout.PaperName();
    if (paper == "Custom")
        text += "Custom " + WholeNumber(layout.PageWidth()) + "\" x " +
                WholeNumber(layout.PageHeight()) + "\")";
    else
        text += paper + ")";
    if (recordNumber == defaultPage)
        text += "  <<DEFAULT>>";
    return text;
}

bool ExportLayout(const PageLayoutRecord& layout, const std::string& path) {
    std::string bytes = "PAG1.0";
    bytes += layout.Bytes();
    return AtomicWriteFile(path, bytes);
}

LayoutImport ReadLayoutExchange(const std::string& path) {
    LayoutImport result;
    File file = File::Open(path, File::Mode::ReadOnly);
    if (!file.IsOpen())
        return result;
    result.Outcome = LayoutImportOutcome::Corrupt;
    char header[kExchangeHeader];
    if (file.ReadSomeAt(0, header, sizeof header) != sizeof header ||
        std::memcmp(header, "PAG", 3) != 0)
        return result;
    PageLayoutRecord layout;
    if (file.ReadSomeAt(kExchangeHeader, layout.Data(), PageLayoutRecord::kSize) !=
        PageLayoutRecord::kSize)
        return result;
    // No designer writes such a record; taking it would give pages nothing can draw.
    if (!layout.IsValid())
        return result;
    result.Outcome = LayoutImportOutcome::Imported;
    result.Layout = layout;
    return result;
}

namespace layout_messages {
Message NoLayouts() {
    return {"No saved page layouts could be found.", "Warning"};
}
Message NoLayoutSelected() {
    return {"No page layout selected.", "Error"};
}
Message DeleteQuestion(const std::string& entryText) {
    std::string text = "Are you sure you want to delete \"" + entryText + "\"?";
    if (text.size() > 255)
        text.resize(255);
    return {text, "Delete?"};
}
Message CannotDelete() {
    return {"Unable to delete page layout.", "Disk Error"};
}
Message CannotAdd() {
    return {"Unable to add page layout.", "Disk Error"};
}
Message CannotExport() {
    return {"Page layout could not be exported.", "Error"};
}
Message Exported() {
    return {"Page Layout Exported!", "OK"};
}
Message CannotImport() {
    return {"Page layout could not be imported.", "Error"};
}
Message CorruptImport() {
    return {"Page layout file is corrupt or incompatible.  Import aborted.", "Error"};
}
} // namespace layout_messages

} // namespace vorlane
