#include "ui/main/tip_of_day.h"

#include "ui/common/app_context.h"
#include "ui/common/artwork.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace vorlane {

namespace {

// As the window shows them: an ampersand stands for itself.
constexpr std::array<const char*, kTipCount> kTips = {
    "You can spell check your words and clues using an American, British, Spanish, Italian, "
    "French, German, Dutch or Swedish dictionary.",
    "You can add words or exclude words from each of the spell checking dictionaries.",
    "You can look up definitions of words using a 50,000 word American or British thesaurus.",
    "You can specify fonts to use for input fields, labels and buttons. User specified fonts "
    "for input fields greatly facilitates foreign language input.",
    "You can change the puzzle title and category after it has been created.",
    "You can change the clues to the puzzle after it has been created.",
    "You can change the puzzle layout or change the bonus question after the puzzle has been "
    "created.",
    "You can create your own puzzle shapes from scratch or from an existing shape.  You can "
    "also share them with others (import & export)",
    "You can export your created puzzles in a variety of graphic formats so that the puzzles "
    "can readily be used in Word Processors, Desktop Publishers, etc.",
    "You can choose and override any fonts for any section of puzzle print out.  This includes "
    "size, color and style.",
    "You can choose to have text printed in a \"transparent\" mode so that underlying graphics "
    "and bitmaps will show through.",
    "You can choose to have borders placed around clues, titles, text, shapes and specify the "
    "width and color.",
    "You can add bonus questions to the puzzles--good for extra credit.",
    "You can add squares, circles, bitmaps and text to the puzzle layouts.  Spice it up with "
    "fancy bitmaps or add your own informative text.",
    "You can design your own Puzzle Page layout. Place the puzzle, clues, title, etc where you "
    "want them, the size you want them, the color you want them and more!",
    "You can instruct the program to \"Auto Fit\" fonts into the designated areas you have "
    "specified for clues, titles, words, text, etc.",
    "You can choose the number of columns to use for printing the word lists.",
    "You can create your own puzzle page layouts from scratch or from an existing layout.  You "
    "can also share them with others (import & export)",
    "You can have the best 4 puzzle creation fits displayed and you can choose from them for "
    "your desired puzzle.  Double clicking on one one of them will zoom in for a closer look.",
    "You can export the word list, the clues or both to a text file for use by other programs.",
    "You can export a puzzle as a ready to use Web Page (in HTML format)",
    "You can assign over 60 foreign characters to the F1 - F12 keys to be used in the puzzle "
    "creation window.",
    "You can place hidden phrases in your word search puzzle utilizing the unused letters of "
    "the puzzle.",
    "You can substite clues in place of the word list and optionally display the number of "
    "letters in each of the words.",
    "You can have the word list scrambled for extra difficulty in solving the puzzle.",
    "You can have the word list only show the first xx characters and the last xx characters "
    "of a word for extra difficulty in solving the puzzle.",
    "There is a built in filter that screens for over 50 offensive words ensuring they do not "
    "show up in the puzzle (unless you specifically place them in your word list).",
    "You can create a text file \"badlist.txt\" that the program will use to screen for your "
    "own offensive words ensuring they do not show up in the puzzle.",
    "You can maintain multiple sets of word search files.  Import and export puzzles among the "
    "files.",
    "You can instruct the puzzle to tightly pack the words in the puzzle or to spread the "
    "words out around the puzzle.",
    "You can import a word list, clue list or combined word and clue list from a text file.",
    "You can import puzzle shapes and whole puzzles shared by other puzzle makers, free of "
    "charge.",
};

} // namespace

QString TipText(int number) {
    if (number < 1 || number > kTipCount)
        return {};
    return QString::fromLatin1(kTips[static_cast<std::size_t>(number - 1)]);
}

TTipOfDay::TTipOfDay(AppContext& context, QWidget* parent)
    : VorlaneDialog(context, 420, 250, parent) {
    setWindowTitle(QStringLiteral("Tip of the Day"));

    // The classic white card that holds the picture, the heading and the tip.
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("tipFrame"));
    card->setGeometry(10, 10, 400, 190);
    card->setFrameShape(QFrame::StyledPanel);
    card->setFrameShadow(QFrame::Sunken);
    card->setAutoFillBackground(true);
    QPalette cardPalette = card->palette();
    cardPalette.setColor(QPalette::Window, Qt::white);
    cardPalette.setColor(QPalette::WindowText, Qt::black);
    card->setPalette(cardPalette);

    m_picture = new QLabel(card);
    m_picture->setObjectName(QStringLiteral("pictureLabel"));
    m_picture->setGeometry(12, 14, 56, 56);

    auto* heading = new QLabel(QStringLiteral("Did you know?"), card);
    heading->setObjectName(QStringLiteral("headingLabel"));
    heading->setGeometry(80, 16, 300, 28);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.6);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    auto* rule = new QFrame(card);
    rule->setObjectName(QStringLiteral("headingRule"));
    rule->setGeometry(80, 48, 306, 2);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_tipLabel = new QLabel(card);
    m_tipLabel->setObjectName(QStringLiteral("tipLabel"));
    m_tipLabel->setGeometry(80, 60, 306, 118);
    m_tipLabel->setTextFormat(Qt::PlainText);
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_showTips = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_showTips->setObjectName(QStringLiteral("showTipsCheckBox"));
    m_showTips->setGeometry(12, 213, 180, 21);

    auto* next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("nextTipButton"));
    next->setGeometry(240, 211, 80, 25);
    connect(next, &QPushButton::clicked, this, &TTipOfDay::NextTipClick);

    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setGeometry(330, 211, 80, 25);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    ShowTip(1);
}

void TTipOfDay::ShowTip(int number) {
    m_number = std::clamp(number, 1, kTipCount);
    m_tipLabel->setText(TipText(m_number));
}

void TTipOfDay::NextTipClick() {
    ShowTip(m_number % kTipCount + 1);
}

void TTipOfDay::FormShow() {
    // Drawn at the scaled size so that it stays sharp at every screen factor.
    m_picture->setPixmap(TipPicture(m_picture->width()));
    m_showTips->setChecked(Context().settings.ShowTips);
    ShowTip(Context().random.Random(kTipCount) + 1);
}

void TTipOfDay::done(int result) {
    // Every way of closing (Close, Esc, the title bar) ends here.
    Context().settings.ShowTips = m_showTips->isChecked();
    VorlaneDialog::done(result);
}

} // namespace vorlane
