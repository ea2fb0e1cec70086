#include "layouts/page_layout_file.h"

#include "core/safe_file.h"
#include "layouts/layout_geometry.h"

#include <cmath>

namespace vorlane {

namespace {

std::string WholeNumber(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9)
        return "0";
    return std::to_string(std::lround(value));
}

} // namespace

PageLayoutFile PageLayoutFile::InProgramDirectory(const std::string& programDir) {
    return PageLayoutFile(programDir + "/" + kFileName);
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
    return WriteExchangeFile(path, "PAG", layout.Bytes());
}

LayoutImport ReadLayoutExchange(const std::string& path) {
    LayoutImport result;
    switch (ReadExchangeFile(path, "PAG", result.Layout.Data(), PageLayoutRecord::kSize)) {
    case ExchangeOutcome::CannotOpen:
        result.Outcome = LayoutImportOutcome::CannotOpen;
        break;
    case ExchangeOutcome::Corrupt:
        result.Outcome = LayoutImportOutcome::Corrupt;
        break;
    case ExchangeOutcome::Read:
        // No designer writes such a record; taking it would give pages nothing can draw.
        result.Outcome =
            result.Layout.IsValid() ? LayoutImportOutcome::Imported : LayoutImportOutcome::Corrupt;
        break;
    }
    if (result.Outcome != LayoutImportOutcome::Imported)
        result.Layout = PageLayoutRecord();
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
