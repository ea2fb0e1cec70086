// Page layout exchange files and layout files from outside: reading, listing, rescaling.
#include "fuzz_input.h"
#include "layouts/layout_geometry.h"
#include "layouts/page_layout_file.h"

#include "core/io_error.h"

#include <string>
#include <vector>

namespace {

void Use(vorlane::PageLayoutRecord layout) {
    using namespace vorlane;
    (void)LayoutEntryText(layout, 0, 0);
    for (int k = 1; k <= layout.UsedObjectCount(); ++k) {
        PageObject object = layout.Object(k);
        (void)object.Text();
        (void)object.BitmapFile();
        (void)object.Bounds().Width();
    }
    RescaleZoom(layout, layout.DesignZoom(), 3);
    ChangeUnit(layout, !layout.Inches());
    ChangeOrientation(layout, !layout.Portrait());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorlane;
    const std::string& path = fuzz::InputFile(data, size);
    LayoutImport read = ReadLayoutExchange(path);
    if (read.Outcome == LayoutImportOutcome::Imported)
        Use(read.Layout);
    try {
        for (const PageLayoutRecord& layout : PageLayoutFile(path).ReadAll())
            Use(layout);
        Use(PageLayoutFile(path).DefaultLayout(static_cast<int>(size % 7)));
    } catch (const IoError&) {
    }
    return 0;
}

std::vector<std::string> FuzzSeeds() {
    vorlane::PageLayoutRecord layout = vorlane::BuiltInDefaultLayout();
    return {"PAG1.0" + std::string(layout.Bytes())};
}
