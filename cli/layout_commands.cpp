#include "command.h"

#include "core/codepage.h"
#include "core/sorted_list.h"
#include "layouts/page_layout_file.h"

#include <ostream>

namespace vorlane::cli {

namespace {

int ListLayouts(const Args& args, std::ostream& out, std::ostream& err) {
    PageLayoutFile file = args.empty() ? PageLayoutFile::InProgramDirectory(ProgramFolder())
                                       : PageLayoutFile(args[0]);
    const int defaultPage = CurrentSettings().DefaultPage;
    std::vector<SortedList::Item> items;
    std::vector<PageLayoutRecord> layouts = file.ReadAll();
    for (std::size_t n = 0; n < layouts.size(); ++n)
        items.push_back({LayoutEntryText(layouts[n], static_cast<int>(n), defaultPage),
                         static_cast<std::int64_t>(n)});
    if (items.empty()) {
        err << layout_messages::NoLayouts().Text << "\n";
        return kExitOk;
    }
    PrintSorted(std::move(items), out);
    return kExitOk;
}

int ExportLayoutCommand(const Args& args, std::ostream& out, std::ostream& err) {
    int n = 0;
    if (!ParseIndex(args[0], n)) {
        err << "vorlane layout export: '" << args[0] << "' is not a record number.\n";
        return kExitUsage;
    }
    PageLayoutFile file = PageLayoutFile::InProgramDirectory(ProgramFolder());
    PageLayoutRecord layout;
    if (n >= file.Count() || !file.Read(n, layout))
        return Fail(err, "layout export", layout_messages::NoLayoutSelected());
    if (!ExportLayout(layout, args[1]))
        return Fail(err, "layout export", layout_messages::CannotExport());
    out << layout_messages::Exported().Text << "\n";
    return kExitOk;
}

int ImportLayoutCommand(const Args& args, std::ostream& out, std::ostream& err) {
    LayoutImport read = ReadLayoutExchange(args[0]);
    if (read.Outcome == LayoutImportOutcome::CannotOpen)
        return Fail(err, "layout import", layout_messages::CannotImport());
    if (read.Outcome == LayoutImportOutcome::Corrupt)
        return Fail(err, "layout import", layout_messages::CorruptImport());
    PageLayoutFile file = PageLayoutFile::InProgramDirectory(ProgramFolder());
    const int n = file.Count();
    if (file.Append(read.Layout) != SaveResult::Saved)
        return Fail(err, "layout import", layout_messages::CannotAdd());
    out << Cp1252ToUtf8(LayoutEntryText(read.Layout, n, CurrentSettings().DefaultPage)) << " [" << n
        << "]\n";
    return kExitOk;
}

} // namespace

std::vector<Command> LayoutCommands() {
    return {
        {"layouts", "vorlane layouts [LAYOUTFILE]",
         "Lists the page layouts (name and paper; the default page marked), sorted as\n"
         "the layout list shows them, with the record number in brackets. Without a\n"
         "file, the layouts of the program folder (VLFPAGE.DAT).",
         0, 1, ListLayouts},
        {"layout export", "vorlane layout export N FILE.PAG",
         "Writes page layout record N of the program folder's layout file to a page\n"
         "layout exchange file.",
         2, 2, ExportLayoutCommand},
        {"layout import", "vorlane layout import FILE.PAG",
         "Adds the page layout of an exchange file to the program folder's layout file\n"
         "and prints its entry with its new record number.",
         1, 1, ImportLayoutCommand},
    };
}

} // namespace vorlane::cli
