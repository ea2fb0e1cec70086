#include "command.h"

#include "core/codepage.h"
#include "core/collection_file.h"
#include "core/directories.h"
#include "core/puzzle_record.h"
#include "core/random_source.h"
#include "core/safe_file.h"
#include "export/html_export.h"
#include "export/text_export.h"
#include "layouts/page_layout_file.h"
#include "qt/bmp_writer.h"
#include "qt/html_page_export.h"
#include "qt/jpeg_writer.h"
#include "qt/page_renderer.h"
#include "qt/png_writer.h"
#include "qt/qt_text_metrics.h"
#include "render/metafile_renderer.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlane::cli {

namespace {

constexpr const char* kNotGenerated =
    "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" "
    "from the menu and create the puzzle first";
constexpr const char* kNoPrinters = "No printers are defined, aborting print job.";
constexpr const char* kInvalidWidth = "Invalid width specified.  Please correct.";
constexpr const char* kInvalidQuality = "Invalid factor entered.  Factor must be between 1 and 100";

// Qt's notes about the session a headless run has no use for stay off stderr, which carries
// the program's own warnings.
QtMessageHandler g_qtMessages = nullptr;

void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg && text.startsWith(QStringLiteral("QStandardPaths: ")))
        return;
    if (g_qtMessages)
        g_qtMessages(type, context, text);
    else if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Fonts and painting need a Qt application; only the commands that draw make one, and it
// runs without a display unless a platform was asked for.
void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qtMessages = qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "vorlane";
    static char* argv[] = {name, nullptr};
    // Kept for the rest of the process: fonts and images stay valid until it ends.
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}

struct PageRequest {
    std::string collection;
    int record = 0;
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
};

const std::set<std::string> kValueOptions = {
    "--format", "--out",    "--settings", "--word-option", "--columns", "--first",
    "--last",   "--layout", "--width",    "--quality",     "--printer", "--copies"};
const std::set<std::string> kFlagOptions = {
    "--answer-key", "--use-grid", "--lower-case", "--clue-underscore", "--partial-underscore",
    "--no-title",   "--no-body",  "--no-words",   "--no-bonus"};

std::optional<PageRequest> ParseRequest(const std::string& command, const Args& args,
                                        const std::set<std::string>& allowedValues,
                                        std::ostream& err) {
    PageRequest request;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (kFlagOptions.count(a)) {
            request.flags.insert(a);
        } else if (allowedValues.count(a)) {
            if (i + 1 >= args.size()) {
                err << "vorlane " << command << ": " << a << " needs a value.\n";
                return std::nullopt;
            }
            request.values[a] = args[++i];
        } else if (a.starts_with("--")) {
            err << "vorlane " << command << ": unknown option " << a << ".\n";
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() != 2) {
        err << "vorlane " << command << ": give a collection and a record number.\n";
        return std::nullopt;
    }
    request.collection = positional[0];
    if (!ParseIndex(positional[1], request.record)) {
        err << "vorlane " << command << ": '" << positional[1] << "' is not a record number.\n";
        return std::nullopt;
    }
    return request;
}

bool Number(const PageRequest& request, const std::string& option, int& value) {
    auto found = request.values.find(option);
    return found == request.values.end() || ParseIndex(found->second, value);
}

std::optional<int> WordOption(const std::string& name) {
    static const std::map<std::string, int> options = {
        {"normal", 1}, {"clues", 2}, {"scrambled", 3}, {"partial", 4}};
    auto found = options.find(name);
    if (found == options.end())
        return std::nullopt;
    return found->second;
}

// The puzzle, the options and the settings a page is drawn with; nullopt after a message.
struct PageJob {
    PuzzleRecord printCopy;
    PrintOptions options;
    Settings settings;
};

std::optional<PageJob> PrepareJob(const std::string& command, const PageRequest& request,
                                  std::ostream& err, int& status) {
    status = kExitUsage;
    PageJob job;
    if (auto found = request.values.find("--settings"); found != request.values.end()) {
        const std::string start = StartDirectory(std::filesystem::current_path().string());
        job.settings = LoadSettings(found->second, start);
    } else {
        job.settings = CurrentSettings();
    }
    job.options = PrintOptions::FromSettings(job.settings);
    PrintOptions& o = job.options;
    o.AnswerKey = o.AnswerKey || request.flags.count("--answer-key");
    o.UseGrid = o.UseGrid || request.flags.count("--use-grid");
    o.LowerCase = o.LowerCase || request.flags.count("--lower-case");
    o.ClueUnderscore = o.ClueUnderscore || request.flags.count("--clue-underscore");
    o.PartialUnderscore = o.PartialUnderscore || request.flags.count("--partial-underscore");
    o.PrintTitle = o.PrintTitle && !request.flags.count("--no-title");
    o.PrintBody = o.PrintBody && !request.flags.count("--no-body");
    o.PrintWords = o.PrintWords && !request.flags.count("--no-words");
    o.PrintBonus = o.PrintBonus && !request.flags.count("--no-bonus");
    if (auto found = request.values.find("--word-option"); found != request.values.end()) {
        std::optional<int> option = WordOption(found->second);
        if (!option) {
            err << "vorlane " << command
                << ": --word-option is one of normal, clues, scrambled, partial.\n";
            return std::nullopt;
        }
        o.WordOption = *option;
    }
    int layout = -1;
    if (!Number(request, "--columns", o.NumColumns) ||
        !Number(request, "--first", o.FirstLetters) || !Number(request, "--last", o.LastLetters) ||
        !Number(request, "--layout", layout)) {
        err << "vorlane " << command
            << ": --columns, --first, --last and --layout take a whole number.\n";
        return std::nullopt;
    }
    if (o.NumColumns < 1) {
        err << "vorlane " << command << ": --columns must be at least 1.\n";
        return std::nullopt;
    }

    status = kExitFailed;
    CollectionFile file(request.collection);
    if (request.record >= file.Count() || !file.Read(request.record, job.printCopy)) {
        err << "vorlane " << command << ": " << request.collection << " has no record "
            << request.record << ".\n";
        return std::nullopt;
    }
    if (!job.printCopy.Generated()) {
        Fail(err, command, {kNotGenerated, "Warning"});
        return std::nullopt;
    }
    if (layout >= 0) {
        PageLayoutFile layouts = PageLayoutFile::InProgramDirectory(ProgramFolder());
        PageLayoutRecord record;
        if (layout >= layouts.Count() || !layouts.Read(layout, record)) {
            err << "vorlane " << command << ": the page layout file has no record " << layout
                << ".\n";
            return std::nullopt;
        }
        std::copy(record.Data(), record.Data() + PageLayoutRecord::kSize,
                  job.printCopy.PageLayout().data());
    }
    status = kExitOk;
    return job;
}

void PrintWarnings(const std::vector<Message>& warnings, std::ostream& err) {
    for (const Message& warning : warnings)
        err << Cp1252ToUtf8(warning.Caption) << ": " << Cp1252ToUtf8(warning.Text) << "\n";
}

// The files `vorlane export` writes.
enum class ExportFormat { Pdf, Png, Bmp, Jpg, Html, Txt, Wmf, Emf };

std::optional<ExportFormat> FormatOf(const PageRequest& request) {
    std::string name;
    if (auto found = request.values.find("--format"); found != request.values.end()) {
        name = found->second;
    } else {
        name = std::filesystem::path(request.values.at("--out")).extension().string();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (!name.empty())
            name.erase(0, 1);
        if (name == "jpeg")
            name = "jpg";
        else if (name == "htm")
            name = "html";
    }
    static const std::map<std::string, ExportFormat> formats = {
        {"pdf", ExportFormat::Pdf}, {"png", ExportFormat::Png},   {"bmp", ExportFormat::Bmp},
        {"jpg", ExportFormat::Jpg}, {"html", ExportFormat::Html}, {"txt", ExportFormat::Txt},
        {"wmf", ExportFormat::Wmf}, {"emf", ExportFormat::Emf}};
    auto found = formats.find(name);
    if (found == formats.end())
        return std::nullopt;
    return found->second;
}

// The options only `vorlane export` takes: the texts of the web page and the text file's
// spacing.
const std::map<std::string, std::size_t> kHtmlBlockOptions = {
    {"--header1", HtmlOptions::kFirstHeader},
    {"--header2", HtmlOptions::kSecondHeader},
    {"--footer1", HtmlOptions::kFirstFooter},
    {"--footer2", HtmlOptions::kSecondFooter}};
const std::set<std::string> kTextOptions = {"--letter-spacing", "--line-spacing"};

// A text typed on the command line, as the program's Windows-1252 text with its lines ended
// by carriage return and line feed, the way the window's memos give them.
std::string TypedText(const std::string& utf8) {
    const std::string bytes = Utf8ToCp1252(utf8);
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            text += '\r';
        text += bytes[i];
    }
    return text;
}

// The web page's options from the "HTML" section and the command line, taken the way the
// window takes them when the page is saved.
HtmlOptions HtmlOptionsOf(const PageRequest& request, const Settings& settings) {
    HtmlOptions options = HtmlOptions::FromSettings(settings);
    if (auto found = request.values.find("--web-title"); found != request.values.end())
        options.WebTitle = TypedText(found->second);
    options.WebTitle = TakeWebTitle(options.WebTitle);
    for (const auto& [option, block] : kHtmlBlockOptions)
        if (auto found = request.values.find(option); found != request.values.end())
            options.Blocks[block].Text = TypedText(found->second);
    for (HtmlBlock& block : options.Blocks)
        block.Text = TakeBlockText(block.Text);
    return options;
}

int ExportText(const PageRequest& request, const PageJob& job, std::ostream& out,
               std::ostream& err) {
    TextExportOptions options = TextExportOptions::FromSettings(job.settings);
    options.LowerCase = job.options.LowerCase;
    auto choice = [&](const char* option, int& value, int low, int high) {
        auto found = request.values.find(option);
        return found == request.values.end() ||
               (ParseIndex(found->second, value) && value >= low && value <= high);
    };
    if (!choice("--letter-spacing", options.LetterSpacing, 1, 4)) {
        err << "vorlane export: --letter-spacing is 1 (no space between letters) to 4.\n";
        return kExitUsage;
    }
    if (!choice("--line-spacing", options.LineSpacing, 1, 2)) {
        err << "vorlane export: --line-spacing is 1 (single) or 2 (double).\n";
        return kExitUsage;
    }
    const std::string& path = request.values.at("--out");
    if (!WriteTextExport(path, job.printCopy, options))
        return Fail(err, "export", TextExportFailedMessage());
    out << path << ": " << Cp1252ToUtf8(TextExportDoneMessage().Text) << "\n";
    return kExitOk;
}

int Export(const Args& args, std::ostream& out, std::ostream& err) {
    std::set<std::string> values = kValueOptions;
    values.erase("--printer");
    values.erase("--copies");
    values.insert("--web-title");
    for (const auto& [option, block] : kHtmlBlockOptions)
        values.insert(option);
    values.insert(kTextOptions.begin(), kTextOptions.end());
    std::optional<PageRequest> request = ParseRequest("export", args, values, err);
    if (!request)
        return kExitUsage;
    if (!request->values.count("--out")) {
        err << "vorlane export: give the file to write with --out FILE.\n";
        return kExitUsage;
    }
    const std::optional<ExportFormat> format = FormatOf(*request);
    if (!format) {
        err << "vorlane export: --format is one of pdf, png, bmp, jpg, html, txt, wmf, emf.\n";
        return kExitUsage;
    }
    int status = kExitOk;
    std::optional<PageJob> job = PrepareJob("export", *request, err, status);
    if (!job)
        return status;
    if (*format == ExportFormat::Txt)
        return ExportText(*request, *job, out, err);

    int width = job->settings.PixelWidth;
    int quality = job->settings.JPegCompressionQuality;
    if (auto found = request->values.find("--width"); found != request->values.end())
        if (!ParseIndex(found->second, width) || width < 1)
            return Fail(err, "export", {kInvalidWidth, "Error"});
    if (auto found = request->values.find("--quality"); found != request->values.end())
        if (!ParseIndex(found->second, quality) || quality < 1 || quality > 100)
            return Fail(err, "export", {kInvalidQuality, "Error"});
    width = std::max(width, 1);

    EnsureGuiApplication();
    RandomSource random = RandomSource::FromClock();
    PageRenderer renderer(job->printCopy, job->options, random);
    PrintWarnings(renderer.Warnings(), err);

    const std::string& path = request->values.at("--out");
    switch (*format) {
    case ExportFormat::Pdf:
        if (!renderer.WritePdf(path, job->printCopy.Title()))
            break;
        out << path << ": " << renderer.PageWidth() << " x " << renderer.PageHeight()
            << " inches\n";
        return kExitOk;
    case ExportFormat::Png:
    case ExportFormat::Bmp:
    case ExportFormat::Jpg: {
        // Pictures in the program's own formats follow the preview's zoom limits.
        const int pixels = *format == ExportFormat::Png ? width : renderer.PictureWidth(width);
        const QImage image = renderer.RenderImage(pixels);
        const double dpi = renderer.PageWidth() > 0 ? pixels / renderer.PageWidth() : 96.0;
        bool written = false;
        if (*format == ExportFormat::Png)
            written = PngWriter::Write(path, image);
        else if (*format == ExportFormat::Bmp)
            written = BmpWriter::Write(path, image, job->settings.PixelFormat == 2 ? 8 : 24, dpi);
        else
            written = JpegWriter::Write(path, image, quality, dpi);
        if (!written)
            break;
        out << path << ": " << image.width() << " x " << image.height() << " pixels\n";
        return kExitOk;
    }
    case ExportFormat::Html: {
        const HtmlPageExport::Result result = HtmlPageExport::Write(
            path, HtmlOptionsOf(*request, job->settings), renderer, width, quality);
        if (!result.HtmlWritten)
            return Fail(err, "export", HtmlExportFailedMessage());
        if (!result.PictureWritten)
            return Fail(err, "export", {"Unable to create " + result.PicturePath + ".", "Error"});
        out << path << "\n"
            << result.PicturePath << ": " << result.PictureWidth << " x " << result.PictureHeight
            << " pixels\n";
        return kExitOk;
    }
    case ExportFormat::Wmf:
    case ExportFormat::Emf: {
        // A second drawing of the page from the results of the one just made, at 96 pixels
        // per inch, so its lists break and shrink exactly as on the printed page.
        const QtTextMetrics metrics(96);
        const std::string bytes =
            WriteMetafile(job->printCopy, job->options, renderer.Results(), metrics, random,
                          *format == ExportFormat::Wmf ? MetafileKind::Wmf : MetafileKind::Emf);
        PrintWarnings(MetafileWarnings(job->printCopy), err);
        if (!AtomicWriteFile(path, bytes))
            break;
        out << path << ": " << bytes.size() << " bytes\n";
        return kExitOk;
    }
    case ExportFormat::Txt:
        break; // written above, without drawing the page
    }
    return Fail(err, "export", {"Unable to create " + path + ".", "Error"});
}

// Runs a program found on the PATH with its arguments; its output is captured when asked.
// Returns its exit status, or -1 when it could not be started.
int RunProgram(const std::vector<std::string>& argv, std::string* output) {
    int pipeEnds[2] = {-1, -1};
    if (output && pipe(pipeEnds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (output) {
            dup2(pipeEnds[1], STDOUT_FILENO);
            close(pipeEnds[0]);
            close(pipeEnds[1]);
        }
        std::vector<char*> raw;
        for (const std::string& a : argv)
            raw.push_back(const_cast<char*>(a.c_str()));
        raw.push_back(nullptr);
        execvp(raw[0], raw.data());
        _exit(127);
    }
    if (output) {
        close(pipeEnds[1]);
        char buffer[4096];
        ssize_t n = 0;
        while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
            output->append(buffer, static_cast<std::size_t>(n));
        close(pipeEnds[0]);
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 127 ? -1 : WEXITSTATUS(status);
}

// The printers CUPS knows ("printer NAME is ..." lines of lpstat -p).
std::vector<std::string> DefinedPrinters() {
    std::string listing;
    if (RunProgram({"lpstat", "-p"}, &listing) < 0)
        return {};
    std::vector<std::string> printers;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = listing.substr(start, end - start);
        if (line.starts_with("printer ")) {
            const std::size_t nameEnd = line.find(' ', 8);
            printers.push_back(
                line.substr(8, nameEnd == std::string::npos ? std::string::npos : nameEnd - 8));
        }
        start = end + 1;
    }
    return printers;
}

int Print(const Args& args, std::ostream& out, std::ostream& err) {
    std::set<std::string> values = kValueOptions;
    for (const char* picture : {"--format", "--out", "--width", "--quality"})
        values.erase(picture);
    std::optional<PageRequest> request = ParseRequest("print", args, values, err);
    if (!request)
        return kExitUsage;
    int copies = 1;
    if (!Number(*request, "--copies", copies) || copies < 1) {
        err << "vorlane print: Invalid number of copies entered.\n";
        return kExitUsage;
    }
    int status = kExitOk;
    std::optional<PageJob> job = PrepareJob("print", *request, err, status);
    if (!job)
        return status;
    const std::vector<std::string> printers = DefinedPrinters();
    if (printers.empty())
        return Fail(err, "print", {kNoPrinters, "Error"});
    std::string printer;
    if (auto found = request->values.find("--printer"); found != request->values.end()) {
        printer = found->second;
        if (std::find(printers.begin(), printers.end(), printer) == printers.end()) {
            err << "vorlane print: no printer is named " << printer << ".\n";
            return kExitFailed;
        }
    }

    EnsureGuiApplication();
    RandomSource random = RandomSource::FromClock();
    PageRenderer renderer(job->printCopy, job->options, random);
    PrintWarnings(renderer.Warnings(), err);

    std::string path =
        (std::filesystem::temp_directory_path() / "vorlane-print-XXXXXX.pdf").string();
    const int fd = mkstemps(path.data(), 4);
    if (fd < 0)
        return Fail(err, "print", {"Unable to create " + path + ".", "Error"});
    File file = File::Adopt(fd);
    const QByteArray pdf = renderer.RenderPdf(job->printCopy.Title());
    file.WriteAt(0, pdf.constData(), static_cast<std::size_t>(pdf.size()));
    file.Close();
    std::vector<std::string> lp = {
        "lp", "-s", "-n", std::to_string(copies), "-t", Cp1252ToUtf8(job->printCopy.Title())};
    if (!printer.empty()) {
        lp.push_back("-d");
        lp.push_back(printer);
    }
    lp.push_back(path);
    const int lpStatus = RunProgram(lp, nullptr);
    std::filesystem::remove(path);
    if (lpStatus != 0) {
        err << "vorlane print: the print job was not accepted (lp "
            << (lpStatus < 0 ? std::string("could not be run") : "exit " + std::to_string(lpStatus))
            << ").\n";
        return kExitFailed;
    }
    out << "Printed " << copies << (copies == 1 ? " copy" : " copies") << " of record "
        << request->record << (printer.empty() ? std::string() : " on " + printer) << ".\n";
    return kExitOk;
}

const char* kPageOptionsHelp =
    "Print options come from the settings file (VRLAN3.INI of the working folder, or\n"
    "--settings FILE) and are overridden by --answer-key, --use-grid, --lower-case,\n"
    "--word-option normal|clues|scrambled|partial, --columns N, --first N, --last N,\n"
    "--clue-underscore, --partial-underscore, --no-title, --no-body, --no-words and\n"
    "--no-bonus. --layout N draws with record N of the program folder's page layout\n"
    "file instead of the puzzle's own layout. Warnings go to stderr.";

} // namespace

std::vector<Command> ExportCommands() {
    return {
        {"export",
         "vorlane export COLLECTION.VL3 N --format pdf|png|bmp|jpg|html|txt|wmf|emf --out FILE",
         std::string("Draws the page of puzzle record N into a PDF (one page at the layout's\n"
                     "paper size, text kept as text), a PNG, a Windows bitmap (24 bits, or 8\n"
                     "bits when \"Pixel Format\" is 2) or a JPEG. --width PIXELS sets the\n"
                     "picture width (default \"Pixel Width\"; bitmaps and JPEGs keep the\n"
                     "preview's zoom of 10..200 per cent), --quality 1..100 the JPEG quality\n"
                     "(default \"JPeg Compression Quality\").\n"
                     "html writes a web page with the page's JPEG beside it (FILE's extension\n"
                     "replaced by .JPG); its title, header and footer texts and switches come\n"
                     "from the settings' \"HTML\" section, the texts overridden by --web-title,\n"
                     "--header1, --header2, --footer1 and --footer2 (written unescaped).\n"
                     "txt writes the title, the grid and the word list as plain text with\n"
                     "--letter-spacing 1..4 and --line-spacing 1|2 (default the settings'\n"
                     "\"Letter Spacing\" and \"Line Spacing\"; --lower-case as for pages).\n"
                     "wmf and emf write the page as a Windows metafile or enhanced metafile\n"
                     "(96 pixels per inch, with the physical size of 1.2 times the page).\n") +
             kPageOptionsHelp,
         2, 64, Export},
        {"print", "vorlane print COLLECTION.VL3 N [--printer NAME] [--copies N]",
         std::string("Prints the page of puzzle record N through CUPS (lp), on the default\n"
                     "printer or the one named.\n") +
             kPageOptionsHelp,
         2, 64, Print},
    };
}

} // namespace vorlane::cli
