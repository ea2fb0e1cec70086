#include "ui/main/main_win.h"

#include "core/collection_file.h"
#include "core/directories.h"
#include "core/old_puzzle.h"
#include "core/puzzle_transfer.h"
#include "core/safe_file.h"
#include "core/settings.h"
#include "layouts/page_layout_file.h"
#include "shapes/old_shapes.h"
#include "shapes/shape_file.h"
#include "ui/common/app_context.h"
#include "ui/common/artwork.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/common/ui_text.h"
#include "ui/export/the_jpeg_factor.h"
#include "ui/main/about_box.h"
#include "ui/main/export_puzzles.h"
#include "ui/main/help_window.h"
#include "ui/main/import_puzzles.h"
#include "ui/main/tip_of_day.h"
#include "ui/main/user_manual.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

namespace vorlane {

namespace {

const QString kCollectionFilter = QStringLiteral("VRLAN Files (*.VL3)|*.VL3");

// The client area paints the background tile behind the controls.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, std::function<void(QPainter&, const QRect&)> paint)
        : QWidget(parent), m_paint(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        m_paint(painter, rect());
    }

private:
    std::function<void(QPainter&, const QRect&)> m_paint;
};

QLabel* Heading(const QString& text, QWidget* parent, const char* name, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(DesignFont(true));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TMainWin::TMainWin(AppContext& context, MainWinOptions options, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_options(std::move(options)),
      m_working(std::make_unique<PuzzleRecord>()), m_shape(std::make_unique<ShapeRecord>()),
      m_candidates(std::make_unique<CandidateSlots>()) {
    setObjectName(QStringLiteral("mainWin"));
    // Its size comes from the Screen Size option, so it cannot be maximized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Vorlane 98"));
    setFont(DesignFont());
    BuildClientArea();
    BuildMenus();

    // Start-up, in its order: settings, spelling and thesaurus files, the menus that show
    // settings, the current collection, the scale, the layout store, the old files.
    const bool firstStart = !FileExists(m_context.SettingsPath());
    m_context.settings = LoadSettings(m_context.SettingsPath(), m_context.startDir);
    // A new user of an installed program starts in a folder without collections: the sample
    // collection of the program directory is shown then, instead of an empty list.
    const std::string shippedSample = m_context.ProgramFile("SAMPLE.VL3");
    if (firstStart && !FileExists(m_context.settings.LastGroup) && FileExists(shippedSample))
        m_context.settings.LastGroup = shippedSample;
    m_context.fonts = FontsFromSettings(m_context.settings);
    SetLanguageMenus();
    m_backgroundAction->setChecked(m_context.settings.BackgroundBitmap);
    SetMenuLastFiles();

    m_lists = PuzzleLists();
    Guard([this] { LoadInPuzzles(); });
    m_lists.SelectPuzzle(0);
    ShowPuzzleBox();

    const Settings& s = m_context.settings;
    m_context.factor =
        ScaleFactor(s.WindowSize, m_context.screen.width(), m_context.screen.height());
    CheckScreenItem(m_context.factor == 1.0 ? 640 : s.WindowSize);
    CheckChoice(m_colourActions, s.PixelFormat);

    if (!m_layout.Store(m_client, 101))
        m_context.prompter->Inform(QStringLiteral("Too many compenents to save dimensions."),
                                   QStringLiteral("Error"));
    Guard([this] { CheckForOldVersions(); });
}

TMainWin::~TMainWin() = default;

void TMainWin::BuildClientArea() {
    m_client = new ClientArea(this, [this](QPainter& p, const QRect& r) { PaintBackground(p, r); });
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setAutoFillBackground(true);
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    m_client->setPalette(palette);
    m_client->setFixedSize(kDesignWidth, kDesignHeight);
    setCentralWidget(m_client);

    struct Tool {
        ToolPicture picture;
        const char* tip;
        const char* name;
        void (TMainWin::*command)();
        int gapBefore;
    };
    const Tool tools[] = {
        {ToolPicture::NewCollection, "Create New Puzzle Collection File", "newCollectionButton",
         &TMainWin::NewGroup, 0},
        {ToolPicture::OpenCollection, "Open Puzzle Collection File", "openCollectionButton",
         &TMainWin::OpenGroup, 0},
        {ToolPicture::NewPuzzle, "Create New Puzzle", "newPuzzleButton", &TMainWin::MakeNewPuzzle,
         10},
        {ToolPicture::ModifyPuzzle, "Modify Puzzle", "modifyPuzzleButton", &TMainWin::ModifyPuzzle,
         0},
        {ToolPicture::CopyPuzzle, "Copy Puzzle", "copyPuzzleButton", &TMainWin::CopyPuzzle, 0},
        {ToolPicture::DeletePuzzle, "Delete Puzzle", "deletePuzzleButton", &TMainWin::DeletePuzzle,
         0},
        {ToolPicture::ImportPuzzles, "Import Puzzles", "importPuzzlesButton",
         &TMainWin::ImportPuzzle, 10},
        {ToolPicture::ExportPuzzles, "Export Puzzles", "exportPuzzlesButton",
         &TMainWin::ExportPuzzle, 0},
        {ToolPicture::PrintPuzzle, "Print Puzzle", "printPuzzleButton", &TMainWin::PrintPuzzle, 10},
        {ToolPicture::PuzzleShape, "Create Puzzle Shape", "puzzleShapeButton",
         &TMainWin::DoPuzzleShape, 10},
        {ToolPicture::PageLayout, "Page Layout Designer", "pageLayoutButton",
         &TMainWin::DoPageLayout, 0},
        {ToolPicture::Help, "Help", "helpButton", nullptr, 10},
        {ToolPicture::Exit, "Exit Program", "exitButton", nullptr, 0},
    };
    auto* bar = new QFrame(m_client);
    bar->setObjectName(QStringLiteral("toolBarPanel"));
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setGeometry(0, 0, kDesignWidth, 42);
    int x = 6;
    int puzzleButton = 0;
    for (const Tool& tool : tools) {
        x += tool.gapBefore;
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setToolTip(QString::fromLatin1(tool.tip));
        button->setIcon(ToolIcon(tool.picture));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        button->setGeometry(x, 4, 34, 34);
        x += 36;
        if (tool.command) {
            auto command = tool.command;
            connect(button, &QToolButton::clicked, this,
                    [this, command] { Guard([this, command] { (this->*command)(); }); });
        } else if (tool.picture == ToolPicture::Help) {
            connect(button, &QToolButton::clicked, this, [this] { ShowHelp(); });
        } else {
            connect(button, &QToolButton::clicked, this, &QWidget::close);
        }
        if (tool.picture == ToolPicture::ModifyPuzzle || tool.picture == ToolPicture::CopyPuzzle ||
            tool.picture == ToolPicture::DeletePuzzle || tool.picture == ToolPicture::PrintPuzzle)
            m_puzzleButtons[static_cast<std::size_t>(puzzleButton++)] = button;
    }

    Heading(QStringLiteral("Category"), m_client, "categoryLabel", QRect(8, 50, 200, 20));
    Heading(QStringLiteral("Puzzles"), m_client, "puzzlesLabel", QRect(216, 50, 408, 20));
    m_categoryBox = new QListWidget(m_client);
    m_categoryBox->setObjectName(QStringLiteral("categoryListBox"));
    m_categoryBox->setGeometry(8, 72, 200, 333);
    m_puzzleBox = new QListWidget(m_client);
    m_puzzleBox->setObjectName(QStringLiteral("puzzleListBox"));
    m_puzzleBox->setGeometry(216, 72, 408, 333);
    for (QListWidget* box : {m_categoryBox, m_puzzleBox}) {
        box->setSelectionMode(QAbstractItemView::SingleSelection);
        box->setUniformItemSizes(true);
    }
    connect(m_categoryBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0)
            return;
        if (m_lists.ClickCategory(row))
            ShowPuzzleBox();
        EnableDisable();
    });
    connect(m_puzzleBox, &QListWidget::currentRowChanged, this, [this](int row) {
        m_lists.SelectPuzzle(row);
        EnableDisable();
    });
    connect(m_puzzleBox, &QListWidget::itemDoubleClicked, this,
            [this] { Guard([this] { PrintPuzzle(); }); });
}

QAction* TMainWin::AddAction(QMenu* menu, const QString& text, const char* name,
                             const QKeySequence& shortcut, void (TMainWin::*command)()) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    if (command)
        connect(action, &QAction::triggered, this,
                [this, command] { Guard([this, command] { (this->*command)(); }); });
    return action;
}

void TMainWin::BuildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("mainMenu"));
    const auto key = [](const char* k) { return QKeySequence(QString::fromLatin1(k)); };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    AddAction(file, QStringLiteral("&New Puzzle Collection File"), "newCollectionAction",
              key("Ctrl+N"), &TMainWin::NewGroup);
    AddAction(file, QStringLiteral("&Open Puzzle Collection File"), "openCollectionAction",
              key("Ctrl+O"), &TMainWin::OpenGroup);
    file->addSeparator();
    AddAction(file, QStringLiteral("Ne&w Puzzle"), "newPuzzleAction", key("Ctrl+W"),
              &TMainWin::MakeNewPuzzle);
    m_puzzleActions[0] = AddAction(file, QStringLiteral("&Modify Puzzle"), "modifyPuzzleAction",
                                   key("Ctrl+M"), &TMainWin::ModifyPuzzle);
    m_puzzleActions[1] = AddAction(file, QStringLiteral("&Copy Puzzle"), "copyPuzzleAction",
                                   key("Ctrl+C"), &TMainWin::CopyPuzzle);
    m_puzzleActions[2] = AddAction(file, QStringLiteral("&Delete Puzzle"), "deletePuzzleAction",
                                   key("Ctrl+D"), &TMainWin::DeletePuzzle);
    file->addSeparator();
    AddAction(file, QStringLiteral("&Import Puzzles"), "importPuzzlesAction", key("Ctrl+I"),
              &TMainWin::ImportPuzzle);
    AddAction(file, QStringLiteral("&Export Puzzles"), "exportPuzzlesAction", key("Ctrl+E"),
              &TMainWin::ExportPuzzle);
    file->addSeparator();
    m_puzzleActions[3] = AddAction(file, QStringLiteral("&Print Puzzle"), "printPuzzleAction",
                                   key("Ctrl+P"), &TMainWin::PrintPuzzle);
    QAction* setup = AddAction(file, QStringLiteral("Printer &Setup"), "printerSetupAction",
                               key("Ctrl+S"), nullptr);
    connect(setup, &QAction::triggered, this, [this] { m_context.prompter->PrinterSetup(); });
    file->addSeparator();
    QAction* exit = AddAction(file, QStringLiteral("E&xit"), "exitAction", key("Ctrl+X"), nullptr);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_lastFilesSeparator = file->addSeparator();
    for (int k = 1; k <= 5; ++k) {
        QAction* action = file->addAction(QString());
        action->setObjectName(QStringLiteral("lastFile%1Action").arg(k));
        connect(action, &QAction::triggered, this,
                [this, k] { Guard([this, k] { OpenSaveFile(k); }); });
        m_lastFileActions[static_cast<std::size_t>(k - 1)] = action;
    }

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    AddAction(edit, QStringLiteral("&Page Layout"), "pageLayoutAction", key("Ctrl+L"),
              &TMainWin::DoPageLayout);
    AddAction(edit, QStringLiteral("Puzzle &Shape"), "puzzleShapeAction", key("Ctrl+H"),
              &TMainWin::DoPuzzleShape);

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    QMenu* screen = options->addMenu(QStringLiteral("S&creen Size"));
    const int sizes[] = {640, 800, 1024, 1280};
    const char* sizeTexts[] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024"};
    for (int i = 0; i < 4; ++i) {
        QAction* action = screen->addAction(QString::fromLatin1(sizeTexts[i]));
        action->setObjectName(QStringLiteral("screenSize%1Action").arg(sizes[i]));
        action->setCheckable(true);
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_F1 + i)));
        const int size = sizes[i];
        connect(action, &QAction::triggered, this,
                [this, size] { Guard([this, size] { ScreenSize(size); }); });
        m_screenActions[static_cast<std::size_t>(i)] = action;
    }
    m_backgroundAction =
        AddAction(options, QStringLiteral("&Background Bitmap"), "backgroundBitmapAction",
                  key("Ctrl+G"), &TMainWin::ToggleBackground);
    m_backgroundAction->setCheckable(true);
    QAction* jpeg = AddAction(options, QStringLiteral("&JPEG Compression Factor"),
                              "jpegFactorAction", key("Ctrl+J"), nullptr);
    connect(jpeg, &QAction::triggered, this, [this] {
        TTheJPegFactor dialog(m_context, this);
        dialog.exec();
    });
    QMenu* colours = options->addMenu(QStringLiteral("C&olors For Saving Bitmaps && JPEGs"));
    AddChoice(colours, QStringLiteral("&256 Colors"), QStringLiteral("colors256Action"), 2,
              &Settings::PixelFormat, m_colourActions);
    AddChoice(colours, QStringLiteral("&16 Million Colors"), QStringLiteral("colors16MAction"), 1,
              &Settings::PixelFormat, m_colourActions);
    QAction* international = AddAction(options, QStringLiteral("&International Characters"),
                                       "internationalCharactersAction", key("Ctrl+Y"), nullptr);
    connect(international, &QAction::triggered, this,
            [this] { Guard([this] { m_options.Windows.InternationalCharacters(*this); }); });
    options->addSeparator();

    QMenu* dictionary = options->addMenu(QStringLiteral("&Dictionary Type"));
    dictionary->setObjectName(QStringLiteral("dictionaryMenu"));
    const char* languages[] = {"&American", "&British", "&Spanish", "&Italian",
                               "&French",   "&German",  "&Dutch",   "&Swedish"};
    AddChoice(dictionary, QStringLiteral("&Choose at Spell Check Time"),
              QStringLiteral("dictionary9Action"), 9, &Settings::Dictionary, m_dictionaryActions);
    dictionary->addSeparator();
    for (int i = 0; i < 8; ++i)
        AddChoice(dictionary, QString::fromLatin1(languages[i]),
                  QStringLiteral("dictionary%1Action").arg(i + 1), i + 1, &Settings::Dictionary,
                  m_dictionaryActions);
    QAction* include = AddAction(options, QStringLiteral("&Add to Dictionary"),
                                 "addToDictionaryAction", key("Ctrl+T"), nullptr);
    connect(include, &QAction::triggered, this,
            [this] { Guard([this] { m_options.Windows.UserDictionary(*this, true); }); });
    QAction* exclude = AddAction(options, QStringLiteral("&Exclude From Dictionary"),
                                 "excludeFromDictionaryAction", key("Ctrl+U"), nullptr);
    connect(exclude, &QAction::triggered, this,
            [this] { Guard([this] { m_options.Windows.UserDictionary(*this, false); }); });
    options->addSeparator();

    QMenu* thesaurus = options->addMenu(QStringLiteral("&Thesaurus"));
    thesaurus->setObjectName(QStringLiteral("thesaurusMenu"));
    AddChoice(thesaurus, QStringLiteral("&Choose at Thesaurus Use Time"),
              QStringLiteral("thesaurus3Action"), 3, &Settings::Thesaurus, m_thesaurusActions);
    thesaurus->addSeparator();
    AddChoice(thesaurus, QStringLiteral("&American"), QStringLiteral("thesaurus1Action"), 1,
              &Settings::Thesaurus, m_thesaurusActions);
    AddChoice(thesaurus, QStringLiteral("&British"), QStringLiteral("thesaurus2Action"), 2,
              &Settings::Thesaurus, m_thesaurusActions);
    options->addSeparator();

    const char* fontTexts[] = {"&Label Font", "E&dit Font", "B&utton Font"};
    const char* fontNames[] = {"labelFontAction", "editFontAction", "buttonFontAction"};
    const Qt::Key fontKeys[] = {Qt::Key_F8, Qt::Key_F9, Qt::Key_F10};
    for (int i = 0; i < 3; ++i) {
        QAction* action = options->addAction(QString::fromLatin1(fontTexts[i]));
        action->setObjectName(QString::fromLatin1(fontNames[i]));
        action->setShortcut(QKeySequence(Qt::SHIFT | fontKeys[i]));
        connect(action, &QAction::triggered, this, [this, i] { ChooseProgramFont(i); });
    }

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* contents =
        AddAction(help, QStringLiteral("&Contents"), "helpContentsAction", key("Ctrl+K"), nullptr);
    connect(contents, &QAction::triggered, this, [this] { ShowHelp(); });
    QAction* manual =
        AddAction(help, QStringLiteral("&User Manual"), "userManualAction", {}, nullptr);
    connect(manual, &QAction::triggered, this, [this] {
        TUserManual dialog(m_context, this);
        dialog.exec();
    });
    help->addSeparator();
    QAction* exchange = AddAction(help, QStringLiteral("&Data Exchange via Internet"),
                                  "dataExchangeAction", {}, nullptr);
    connect(exchange, &QAction::triggered, this,
            [this] { ShowHelp(QString::fromLatin1(kHelpDataExchange)); });
    QAction* tips =
        AddAction(help, QStringLiteral("&Review Tips of the Day"), "tipsAction", {}, nullptr);
    connect(tips, &QAction::triggered, this, [this] {
        TTipOfDay dialog(m_context, this);
        dialog.exec();
    });
    help->addSeparator();
    QAction* about =
        AddAction(help, QStringLiteral("&About"), "aboutAction", key("Ctrl+A"), nullptr);
    connect(about, &QAction::triggered, this, [this] {
        TAboutBox dialog(m_context, this);
        dialog.exec();
    });
    QAction* products =
        AddAction(help, QStringLiteral("Other &Products"), "otherProductsAction", {}, nullptr);
    connect(products, &QAction::triggered, this,
            [this] { m_options.Windows.OtherProducts(*this); });
}

void TMainWin::AddChoice(QMenu* menu, const QString& text, const QString& name, int value,
                         std::int32_t Settings::*setting, std::span<QAction*> group) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, value, setting, group] {
        m_context.settings.*setting = value;
        CheckChoice(group, value);
    });
    group[static_cast<std::size_t>(value)] = action;
}

void TMainWin::CheckChoice(std::span<QAction*> group, int value) {
    for (std::size_t i = 0; i < group.size(); ++i)
        if (group[i])
            group[i]->setChecked(static_cast<int>(i) == value);
}

void TMainWin::Guard(const std::function<void()>& command) {
    RunCommand(*m_context.prompter, command);
}

std::string TMainWin::CurrentPath() const {
    return m_context.settings.LastGroup;
}

void TMainWin::SetCurrentPath(const std::string& path) {
    m_context.settings.LastGroup = path;
}

QString TMainWin::DisplayName() const {
    QString name = QFileInfo(FromPath(CurrentPath())).fileName();
    name.chop(4);
    return name;
}

std::vector<std::string> TMainWin::CategoryNames() const {
    std::vector<std::string> names;
    for (const auto& item : m_lists.CategoryBox().Items())
        names.push_back(item.Text);
    return names;
}

void TMainWin::SetPendingSelection(const std::string& category, const std::string& title) {
    m_lists.SetPendingSelection(category, title);
}

void TMainWin::LoadInPuzzles() {
    const CollectionFile file(CurrentPath());
    try {
        m_lists.LoadInPuzzles(file);
    } catch (...) {
        ShowLists();
        throw;
    }
    ShowLists();
}

void TMainWin::ShowLists() {
    const QSignalBlocker block(m_categoryBox);
    m_categoryBox->clear();
    const SortedList& categories = m_lists.CategoryBox();
    for (const auto& item : categories.Items())
        m_categoryBox->addItem(FromCp1252(item.Text));
    m_categoryBox->setCurrentRow(categories.Selected());
    ShowPuzzleBox();
}

void TMainWin::ShowPuzzleBox() {
    const QSignalBlocker block(m_puzzleBox);
    const SortedList& titles = m_lists.PuzzleBox();
    m_puzzleBox->clear();
    for (const auto& item : titles.Items())
        m_puzzleBox->addItem(FromCp1252(item.Text));
    if (titles.Selected() >= 0) {
        m_puzzleBox->setCurrentRow(titles.Selected());
    } else {
        m_puzzleBox->setCurrentRow(-1);
        m_puzzleBox->clearSelection();
    }
}

void TMainWin::EnableDisable() {
    const bool selected = m_lists.SelectedRecord() >= 0;
    for (QToolButton* b : m_puzzleButtons)
        b->setEnabled(selected);
    for (QAction* a : m_puzzleActions)
        a->setEnabled(selected);
}

void TMainWin::DoCaption() {
    setWindowTitle(QStringLiteral("Vorlane 98 (") + DisplayName() + QLatin1Char(')'));
}

int TMainWin::SelectionCheck() {
    const int record = m_lists.SelectedRecord();
    if (record < 0)
        m_context.prompter->Inform(
            QStringLiteral("No puzzle selected.  Please select a puzzle first."),
            QStringLiteral("Error"));
    return record;
}

PageLayoutRecord TMainWin::DefaultPageLayout() const {
    return PageLayoutFile::InProgramDirectory(m_context.programDir)
        .DefaultLayout(m_context.settings.DefaultPage);
}

void TMainWin::MakeNewPuzzle() {
    ResetForNewPuzzle(*m_working, m_context.programDir, m_context.settings.DefaultPage);
    m_newPuzzleMode = true;
    m_options.Windows.PuzzleEditor(*this, QStringLiteral("Create New Puzzle"));
}

bool TMainWin::ReadSelectedForEditing(bool newPuzzleMode) {
    const int record = SelectionCheck();
    if (record < 0)
        return false;
    m_newPuzzleMode = newPuzzleMode;
    m_recordNumber = record;
    if (!CollectionFile(CurrentPath()).Read(record, *m_working)) {
        m_context.prompter->Inform(QStringLiteral("Unable to access Word List file."),
                                   QStringLiteral("Error"));
        return false;
    }
    return true;
}

void TMainWin::ModifyPuzzle() {
    if (!ReadSelectedForEditing(false))
        return;
    m_options.Windows.PuzzleEditor(*this, QStringLiteral("Modify Existing Puzzle"));
}

void TMainWin::CopyPuzzle() {
    if (!ReadSelectedForEditing(true))
        return;
    m_working->PrepareCopy();
    m_options.Windows.PuzzleEditor(*this,
                                   QStringLiteral("Create New Puzzle (copy of existing puzzle)"));
}

void TMainWin::DeletePuzzle() {
    if (SelectionCheck() < 0)
        return;
    const SortedList& titles = m_lists.PuzzleBox();
    const QString title = FromCp1252(titles.Text(titles.Selected()));
    if (!m_context.prompter->AskYesNo(QStringLiteral("Are you sure you want to delete ") + title +
                                          QLatin1Char('?'),
                                      QStringLiteral("Delete")))
        return;
    CollectionFile file(CurrentPath());
    try {
        m_lists.DeleteSelected(file);
    } catch (...) {
        ShowLists();
        EnableDisable();
        throw;
    }
    ShowLists();
    EnableDisable();
}

void TMainWin::PrintPuzzle() {
    const int record = SelectionCheck();
    if (record < 0)
        return;
    if (!CollectionFile(CurrentPath()).Read(record, *m_working)) {
        m_context.prompter->Inform(QStringLiteral("Unable to load puzzle."),
                                   QStringLiteral("Error"));
        return;
    }
    if (!m_working->Generated()) {
        m_context.prompter->Inform(
            QStringLiteral(
                "A puzzle has never been generated for this word/clue list. Please select "
                "\"File|Modify\" from the menu and create the puzzle first"),
            QStringLiteral("Warning"));
        return;
    }
    const PuzzleRecord printCopy = *m_working;
    m_options.Windows.PrintOptions(*this, printCopy);
}

void TMainWin::NewGroup() {
    FileDialogRequest request{QStringLiteral("Create New Puzzle Group"), kCollectionFilter,
                              QStringLiteral("VL3"), FromPath(CurrentPath()), true};
    const auto chosen = m_context.prompter->SaveFile(request);
    if (!chosen)
        return;
    const std::string previous = CurrentPath();
    SetCurrentPath(ToPath(*chosen));
    if (!CollectionFile(CurrentPath()).CreateEmpty()) {
        m_context.prompter->Inform(QStringLiteral("Unable to create ") + *chosen + QLatin1Char('.'),
                                   QStringLiteral("Error"));
        return;
    }
    m_lists = PuzzleLists();
    ShowLists();
    DoLastFiles(previous, CurrentPath());
    DoCaption();
    EnableDisable();
    if (m_context.prompter->AskYesNo(
            QStringLiteral(
                "Would you like to create your first puzzle now for this new puzzle collection?"),
            QStringLiteral("New Puzzle")))
        MakeNewPuzzle();
}

void TMainWin::OpenGroup() {
    FileDialogRequest request{QStringLiteral("Open Puzzle Group"), kCollectionFilter,
                              QStringLiteral("VL3"), FromPath(CurrentPath()), false};
    const auto chosen = m_context.prompter->OpenFile(request);
    if (chosen)
        OpenChosen(ToPath(*chosen));
}

bool TMainWin::OpenChosen(const std::string& path) {
    // The extension is the only test; what the file holds is listed as it is.
    if (QFileInfo(FromPath(path)).suffix().compare(QStringLiteral("VL3"), Qt::CaseInsensitive) !=
        0) {
        m_context.prompter->Inform(
            QStringLiteral("The file selected is not a valid Word Search file."),
            QStringLiteral("Error"));
        return false;
    }
    const std::string previous = CurrentPath();
    SetCurrentPath(path);
    DoCaption();
    try {
        LoadInPuzzles();
    } catch (...) {
        DoLastFiles(previous, CurrentPath());
        throw;
    }
    DoLastFiles(previous, CurrentPath());
    return true;
}

void TMainWin::OpenCollection(const std::string& path) {
    if (path != CurrentPath() && !OpenChosen(path))
        return;
    m_lists.SelectPuzzle(0);
    ShowPuzzleBox();
    EnableDisable();
}

void TMainWin::DoLastFiles(const std::string& previous, const std::string& chosen) {
    auto& files = m_context.settings.LastFile;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (files[i] == chosen) {
            for (std::size_t j = i; j + 1 < files.size(); ++j)
                files[j] = files[j + 1];
            files.back().clear();
            break;
        }
    }
    for (std::size_t j = files.size() - 1; j > 0; --j)
        files[j] = files[j - 1];
    files[0] = previous;
    SetMenuLastFiles();
}

void TMainWin::SetMenuLastFiles() {
    const auto& files = m_context.settings.LastFile;
    bool any = false;
    for (std::size_t k = 0; k < files.size(); ++k) {
        QAction* action = m_lastFileActions[k];
        const bool shown = !files[k].empty();
        any = any || shown;
        action->setVisible(shown);
        QString path = FromPath(files[k]);
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));
        action->setText(QStringLiteral("&%1   ").arg(k + 1) + path);
    }
    m_lastFilesSeparator->setVisible(any);
}

void TMainWin::OpenSaveFile(int entry) {
    if (entry < 1 || entry > 5)
        return;
    const std::string path = m_context.settings.LastFile[static_cast<std::size_t>(entry - 1)];
    if (!FileExists(path))
        return;
    DoLastFiles(CurrentPath(), path);
    SetCurrentPath(path);
    DoCaption();
    LoadInPuzzles();
}

void TMainWin::ImportPuzzle() {
    FileDialogRequest request{
        QStringLiteral("Import Puzzles"),
        QStringLiteral("VRLAN Files (*.VL3)|*.VL3|16 bit VRLAN Files (*.VLK)|*.VLK"),
        QStringLiteral("VL3"), FromPath(m_context.settings.LastImportPuzzleFile), false};
    const auto chosen = m_context.prompter->OpenFile(request);
    if (!chosen)
        return;
    const std::string path = ToPath(*chosen);
    m_context.settings.LastImportPuzzleFile = path;
    const QString extension = chosen->right(4).toUpper();
    if (extension == QStringLiteral(".VLK")) {
        CollectionFile current(CurrentPath());
        const Import16BitResult result =
            Import16Bit(path, current, *m_working, DefaultPageLayout().Span());
        if (const auto message = old_version_messages::ForImport(result)) {
            // A collection that cannot take the puzzle ends only this command: the
            // program goes on with the puzzle still in the working record.
            ShowMessage(*m_context.prompter, *message);
            return;
        }
        SetPendingSelection(m_working->Category(), m_working->Title());
        LoadInPuzzles();
        return;
    }
    if (extension != QStringLiteral(".VL3")) {
        ShowMessage(*m_context.prompter, transfer_messages::NotValidVorlaneFile());
        return;
    }
    if (SameFile(path, CurrentPath())) {
        ShowMessage(*m_context.prompter, transfer_messages::SameAsCurrentFile());
        return;
    }
    TImportPuzzles dialog(m_context, path, CurrentPath(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SortedList& categories = m_lists.CategoryBox();
    const SortedList& titles = m_lists.PuzzleBox();
    const auto pick = [](const SortedList& list) {
        if (list.Empty())
            return std::string();
        return list.Text(list.Selected() >= 0 ? list.Selected() : 0);
    };
    SetPendingSelection(pick(categories), pick(titles));
    LoadInPuzzles();
    EnableDisable();
}

void TMainWin::ExportPuzzle() {
    TExportPuzzles dialog(m_context, CurrentPath(), this);
    dialog.exec();
}

void TMainWin::DoPuzzleShape() {
    m_options.Windows.ShapeList(*this);
}

void TMainWin::DoPageLayout() {
    m_options.Windows.LayoutList(*this);
}

void TMainWin::ShowHelp(const QString& keyword) {
    Guard([this, &keyword] { vorlane::ShowHelp(m_context, keyword, this); });
}

void TMainWin::CheckScreenItem(int size) {
    const int sizes[] = {640, 800, 1024, 1280};
    for (std::size_t i = 0; i < 4; ++i)
        m_screenActions[i]->setChecked(sizes[i] == size);
    m_checkedScreen = size;
}

void TMainWin::ScreenSize(int size) {
    if (m_context.settings.WindowSize == size) {
        CheckScreenItem(m_checkedScreen);
        return;
    }
    struct Size {
        int width, height;
        double factor;
    };
    const Size table[] = {{640, 480, 1.0}, {800, 600, 1.25}, {1024, 768, 1.6}, {1280, 1024, 2.0}};
    const Size* chosen = nullptr;
    for (const Size& s : table)
        if (s.width == size)
            chosen = &s;
    if (!chosen)
        return;
    if (size != 640 &&
        (m_context.screen.width() < chosen->width || m_context.screen.height() < chosen->height)) {
        m_context.prompter->Inform(
            QStringLiteral("Your current screen resolution does not support %1 x %2 pixels.")
                .arg(chosen->width)
                .arg(chosen->height),
            QStringLiteral("Error"));
        // The menu keeps showing the size in use.
        CheckScreenItem(m_checkedScreen);
        return;
    }
    CheckScreenItem(size);
    m_context.settings.WindowSize = size;
    m_context.factor = chosen->factor;
    ReLayout();
    update();
}

void TMainWin::ReLayout() {
    m_layout.Apply(ScaleRatio(m_context.factor));
    m_client->setFixedSize(m_client->size());
    const int menuHeight = menuBar()->sizeHint().height();
    setFixedSize(m_client->width(), m_client->height() + menuHeight);
    const int left = (m_context.screen.width() - width()) / 2;
    int top = (m_context.screen.height() - height()) / 2 - kTopOffset;
    if (top <= 0)
        top = 0;
    move(left, top);
}

void TMainWin::ToggleBackground() {
    m_context.settings.BackgroundBitmap = !m_context.settings.BackgroundBitmap;
    m_backgroundAction->setChecked(m_context.settings.BackgroundBitmap);
    m_client->update();
}

void TMainWin::PaintBackground(QPainter& painter, const QRect& area) {
    if (!m_context.settings.BackgroundBitmap)
        return;
    static const QPixmap tile = BackgroundTile();
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0)
        return;
    const int columns = (area.width() + w - 1) / w;
    const int rows = (area.height() + h - 1) / h;
    for (int i = 0; i < columns; ++i)
        for (int j = 0; j < rows; ++j)
            painter.drawPixmap(i * w, j * h, tile);
}

void TMainWin::ChooseProgramFont(int which) {
    ProgramFont* font = which == 0   ? &m_context.fonts.Label
                        : which == 1 ? &m_context.fonts.Edit
                                     : &m_context.fonts.Button;
    const QString titles[] = {QStringLiteral("Label Font"), QStringLiteral("Edit Font"),
                              QStringLiteral("Button Font")};
    const auto choice = m_context.prompter->ChooseFont(titles[which], {font->Font, font->Color});
    if (!choice)
        return;
    font->Font = choice->Font;
    font->Color = choice->Color;
    ApplyFonts(this, m_context.fonts);
}

void TMainWin::SetLanguageMenus() {
    const LanguageSearch search = m_options.Languages
                                      ? *m_options.Languages
                                      : LanguageSearch::ForProgram(m_context.programDir);
    Settings& s = m_context.settings;
    const auto present = PresentSpellingLanguages(search);
    for (int i = 0; i < kSpellingLanguageCount; ++i)
        m_dictionaryActions[static_cast<std::size_t>(i + 1)]->setEnabled(
            present[static_cast<std::size_t>(i)]);
    s.Dictionary = DictionaryAfterFallback(s.Dictionary, present);
    CheckChoice(m_dictionaryActions, s.Dictionary);
    m_userDictionaries = UserDictionaryNames(s.Dictionary);

    const ThesaurusPresence thesauri = PresentThesauri(search);
    m_thesaurusActions[1]->setEnabled(thesauri.American);
    m_thesaurusActions[2]->setEnabled(thesauri.British);
    s.Thesaurus = ThesaurusAfterFallback(s.Thesaurus, thesauri);
    CheckChoice(m_thesaurusActions, s.Thesaurus);
}

void TMainWin::CheckForOldVersions() {
    Prompter& prompter = *m_context.prompter;
    const std::string oldPuzzles = m_context.StartFile("VLFUPUZZ.DAT");
    if (FileExists(oldPuzzles) &&
        prompter.AskYesNo(FromCp1252(old_version_messages::ConvertPuzzlesQuestion().Text),
                          FromCp1252(old_version_messages::ConvertPuzzlesQuestion().Caption))) {
        const OldConversionResult result =
            ConvertOldPuzzleFile(oldPuzzles, m_context.ProgramFile("OLDPUZZ.VL3"), *m_working,
                                 DefaultPageLayout().Span());
        ShowMessage(prompter, old_version_messages::ForConversion(result.Outcome));
        if (result.Outcome == OldConversionOutcome::CannotOpenSource ||
            result.Outcome == OldConversionOutcome::CannotSave)
            return;
    }
    const std::string oldShapes = m_context.StartFile("VLFULAY.DAT");
    if (FileExists(oldShapes) &&
        prompter.AskYesNo(FromCp1252(old_version_messages::AddShapesQuestion().Text),
                          FromCp1252(old_version_messages::AddShapesQuestion().Caption))) {
        ShapeFile shapes = ShapeFile::InProgramDirectory(m_context.programDir);
        const OldShapesResult result = AddOldShapes(oldShapes, shapes);
        ShowMessage(prompter, old_version_messages::ForOldShapes(result.Outcome));
    }
}

void TMainWin::showEvent(QShowEvent* event) {
    ReLayout();
    ApplyFonts(this, m_context.fonts);
    DoCaption();
    EnableDisable();
    QMainWindow::showEvent(event);
}

void TMainWin::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_tipShown) {
        m_tipShown = true;
        if (m_context.settings.ShowTips)
            QTimer::singleShot(0, this, [this] { ShowTipOfTheDay(); });
    }
}

void TMainWin::ShowTipOfTheDay() {
    TTipOfDay dialog(m_context, this);
    dialog.exec();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    StoreFonts(m_context.fonts, m_context.settings);
    if (!SaveSettings(m_context.settings, m_context.SettingsPath()))
        m_context.prompter->Inform(QStringLiteral("The settings could not be saved in ") +
                                       FromPath(m_context.SettingsPath()) + QLatin1Char('.'),
                                   QStringLiteral("Error"));
    event->accept();
}

} // namespace vorlane
