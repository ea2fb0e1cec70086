// Typesets the user manual from its HTML source into the PDF the program ships as VRLAN.pdf.
//   make_manual MANUAL.html OUTPUT.pdf [A4|Letter]
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char** argv) {
    // A build machine has no display; the manual needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "usage: make_manual MANUAL.html OUTPUT.pdf [A4|Letter]\n");
        return 2;
    }
    const QString paper = args.size() == 4 ? args[3] : QStringLiteral("A4");
    if (paper.compare(QStringLiteral("A4"), Qt::CaseInsensitive) != 0 &&
        paper.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "make_manual: the paper is A4 or Letter, not %s\n", qPrintable(paper));
        return 2;
    }

    QFile source(args[1]);
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_manual: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());

    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(args[1]).absolutePath() + QLatin1Char('/')));
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setHtml(html);

    QPdfWriter writer(args[2]);
    writer.setTitle(QStringLiteral("Vorlane 98 User Manual"));
    writer.setCreator(QStringLiteral("Vorlane 98"));
    writer.setResolution(300);
    const bool letter = paper.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                                     QPageLayout::Millimeter));
    // print() lays the document out on the writer's pages and numbers them.
    document.print(&writer);
    if (!QFileInfo(args[2]).isFile() || QFileInfo(args[2]).size() == 0) {
        std::fprintf(stderr, "make_manual: could not write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
