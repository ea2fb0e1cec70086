#include "ui/common/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace vorlane {

namespace {

// The tool pictures are drawn on a 24 x 24 grid; outlines sit on half units so that they
// fall on whole pixels at 24 and 48 pixels.
constexpr double kGrid = 24.0;
constexpr double kPi = std::numbers::pi;

const QColor kOutline(64, 64, 72);
const QColor kPaper(255, 255, 255);
const QColor kPaperShade(222, 226, 234);
const QColor kInk(110, 118, 135);

QPen OutlinePen(const QColor& colour = kOutline, double width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A sheet of paper with a folded top right corner.
void Page(QPainter& p, QRectF r) {
    const double fold = 4.0;
    QPolygonF sheet;
    sheet << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
          << r.bottomRight() << r.bottomLeft();
    QLinearGradient fill(r.topLeft(), r.bottomRight());
    fill.setColorAt(0, kPaper);
    fill.setColorAt(1, QColor(236, 240, 247));
    p.setPen(OutlinePen());
    p.setBrush(fill);
    p.drawPolygon(sheet);
    QPolygonF corner;
    corner << QPointF(r.right() - fold, r.top()) << QPointF(r.right() - fold, r.top() + fold)
           << QPointF(r.right(), r.top() + fold);
    p.setBrush(kPaperShade);
    p.drawPolygon(corner);
}

// Lines of text on a page.
void TextLines(QPainter& p, double left, double right, double top, int count, double step = 2.5) {
    p.setPen(OutlinePen(kInk, 1.0));
    for (int i = 0; i < count; ++i) {
        const double y = top + i * step;
        const double end = (i % 3 == 2) ? left + (right - left) * 0.6 : right;
        p.drawLine(QPointF(left, y), QPointF(end, y));
    }
}

QPolygonF Star(QPointF centre, double outer, double inner, int points) {
    QPolygonF star;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = -kPi / 2 + i * kPi / points;
        const double radius = (i % 2 == 0) ? outer : inner;
        star << QPointF(centre.x() + radius * std::cos(angle),
                        centre.y() + radius * std::sin(angle));
    }
    return star;
}

// A thick arrow along a line, its head at to.
void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double shaft = 3.0,
           double head = 8.0) {
    const double dx = to.x() - from.x(), dy = to.y() - from.y();
    const double length = std::hypot(dx, dy);
    p.save();
    p.translate(from);
    p.rotate(std::atan2(dy, dx) * 180.0 / kPi);
    QPolygonF shape;
    const double neck = length - head * 0.8;
    shape << QPointF(0, -shaft / 2) << QPointF(neck, -shaft / 2) << QPointF(neck, -head / 2)
          << QPointF(length, 0) << QPointF(neck, head / 2) << QPointF(neck, shaft / 2)
          << QPointF(0, shaft / 2);
    p.setPen(OutlinePen(colour.darker(160), 1.0));
    QLinearGradient fill(0, -head / 2, 0, head / 2);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour);
    p.setBrush(fill);
    p.drawPolygon(shape);
    p.restore();
}

// A cardboard box, open at the top.
void Box(QPainter& p) {
    QPolygonF front;
    front << QPointF(3.5, 13.5) << QPointF(20.5, 13.5) << QPointF(20.5, 21.5) << QPointF(3.5, 21.5);
    QPolygonF back;
    back << QPointF(3.5, 13.5) << QPointF(6.5, 10.5) << QPointF(17.5, 10.5) << QPointF(20.5, 13.5);
    p.setPen(OutlinePen(QColor(110, 72, 30)));
    p.setBrush(QColor(150, 104, 52));
    p.drawPolygon(back);
    QLinearGradient fill(0, 13.5, 0, 21.5);
    fill.setColorAt(0, QColor(226, 176, 110));
    fill.setColorAt(1, QColor(200, 146, 80));
    p.setBrush(fill);
    p.drawPolygon(front);
    p.setPen(OutlinePen(QColor(170, 120, 64)));
    p.drawLine(QPointF(8.5, 16.5), QPointF(15.5, 16.5));
}

// The letters of a puzzle grid; at small sizes they become marks, as letters would blur.
void GridLetters(QPainter& p, QRectF area, int cells, const char* letters, bool asLetters,
                 const QColor& colour) {
    const double cell = area.width() / cells;
    if (asLetters) {
        // Drawn in device pixels: hinted text at a whole pixel size stays crisp.
        const QTransform toDevice = p.worldTransform();
        QFont font(QStringLiteral("Liberation Sans"));
        font.setBold(true);
        font.setPixelSize(std::max(1, static_cast<int>(cell * 0.8 * toDevice.m11())));
        p.save();
        p.resetTransform();
        p.setFont(font);
        p.setPen(colour);
        for (int i = 0; i < cells * cells; ++i) {
            const QRectF r(area.left() + (i % cells) * cell, area.top() + (i / cells) * cell, cell,
                           cell);
            const QRectF onDevice = toDevice.mapRect(r);
            p.drawText(onDevice, Qt::AlignCenter, QString(QLatin1Char(letters[i])));
        }
        p.restore();
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < cells * cells; ++i) {
        const QPointF c(area.left() + (i % cells + 0.5) * cell,
                        area.top() + (i / cells + 0.5) * cell);
        p.drawRect(QRectF(c.x() - cell * 0.25, c.y() - cell * 0.25, cell * 0.5, cell * 0.5));
    }
}

void DrawNewCollection(QPainter& p) {
    Page(p, QRectF(4.5, 2.5, 14, 19));
    TextLines(p, 7, 13, 8, 3);
    p.setPen(OutlinePen(QColor(170, 110, 0)));
    QRadialGradient glow(QPointF(16, 15.5), 7);
    glow.setColorAt(0, QColor(255, 246, 160));
    glow.setColorAt(1, QColor(245, 180, 20));
    p.setBrush(glow);
    p.drawPolygon(Star(QPointF(16.5, 16.5), 6.5, 2.9, 5));
}

void DrawOpenCollection(QPainter& p) {
    QPolygonF back;
    back << QPointF(2.5, 5.5) << QPointF(8.5, 5.5) << QPointF(10.5, 7.5) << QPointF(19.5, 7.5)
         << QPointF(19.5, 19.5) << QPointF(2.5, 19.5);
    p.setPen(OutlinePen(QColor(140, 96, 16)));
    p.setBrush(QColor(222, 166, 48));
    p.drawPolygon(back);
    // A sheet sticking out of the folder.
    p.setPen(OutlinePen(QColor(150, 150, 150)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 8.5, 12, 6));
    QPolygonF front;
    front << QPointF(2.5, 19.5) << QPointF(5.5, 11.5) << QPointF(22.5, 11.5) << QPointF(19.5, 19.5);
    QLinearGradient fill(0, 11.5, 0, 19.5);
    fill.setColorAt(0, QColor(255, 226, 120));
    fill.setColorAt(1, QColor(240, 190, 60));
    p.setPen(OutlinePen(QColor(140, 96, 16)));
    p.setBrush(fill);
    p.drawPolygon(front);
}

void DrawNewPuzzle(QPainter& p, bool large) {
    Page(p, QRectF(3.5, 1.5, 17, 21));
    const QRectF grid(6, 6, 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 110));
    // A found word along the second row.
    p.drawRoundedRect(QRectF(6.2, 10.2, 11.6, 3.6), 1.8, 1.8);
    p.setPen(OutlinePen(QColor(170, 180, 200), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(grid);
    GridLetters(p, grid, 3, "QZEWORKTB", large, QColor(30, 60, 130));
}

void DrawModifyPuzzle(QPainter& p) {
    Page(p, QRectF(3.5, 2.5, 14, 19));
    TextLines(p, 6, 14, 8, 5);
    // A pencil lying across the page, point at the bottom left.
    p.save();
    p.translate(8.5, 19.5);
    p.rotate(-45);
    p.setPen(OutlinePen(QColor(120, 80, 10), 0.8));
    QPolygonF tip;
    tip << QPointF(0, 0) << QPointF(4, -2) << QPointF(4, 2);
    p.setBrush(QColor(245, 215, 170));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 50, 50));
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(1.4, -0.7) << QPointF(1.4, 0.7);
    p.drawPolygon(lead);
    p.setPen(OutlinePen(QColor(120, 80, 10), 0.8));
    QLinearGradient body(0, -2, 0, 2);
    body.setColorAt(0, QColor(255, 222, 80));
    body.setColorAt(1, QColor(230, 160, 20));
    p.setBrush(body);
    p.drawRect(QRectF(4, -2, 11, 4));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(15, -2, 1.6, 4));
    p.setBrush(QColor(240, 120, 140));
    p.drawRoundedRect(QRectF(16.6, -2, 2.4, 4), 0.8, 0.8);
    p.restore();
}

void DrawCopyPuzzle(QPainter& p) {
    Page(p, QRectF(2.5, 1.5, 12, 15));
    TextLines(p, 4.5, 10.5, 6, 3);
    Page(p, QRectF(8.5, 7.5, 12, 15));
    TextLines(p, 10.5, 16.5, 12, 4);
}

void DrawDeletePuzzle(QPainter& p) {
    QPainterPath cross;
    cross.moveTo(5, 5);
    cross.lineTo(19, 19);
    cross.moveTo(19, 5);
    cross.lineTo(5, 19);
    QPen border(QColor(130, 10, 10), 5.6, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(cross, border);
    QPen fill(QColor(225, 40, 40), 3.8, Qt::SolidLine, Qt::RoundCap);
    p.strokePath(cross, fill);
    QPen shine(QColor(255, 140, 130), 1.0, Qt::SolidLine, Qt::RoundCap);
    QPainterPath gloss;
    gloss.moveTo(5.6, 4.8);
    gloss.lineTo(10, 9.2);
    gloss.moveTo(18.4, 4.8);
    gloss.lineTo(14, 9.2);
    p.strokePath(gloss, shine);
}

void DrawImportPuzzles(QPainter& p) {
    Box(p);
    Arrow(p, QPointF(12, 1.5), QPointF(12, 16.5), QColor(40, 160, 60), 4.0, 9.0);
}

void DrawExportPuzzles(QPainter& p) {
    Box(p);
    Arrow(p, QPointF(9, 15), QPointF(21.5, 2.5), QColor(40, 110, 210), 4.0, 9.0);
}

void DrawPrintPuzzle(QPainter& p) {
    // Paper going in at the back.
    p.setPen(OutlinePen(QColor(120, 120, 120)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 2.5, 11, 8));
    // The body.
    QLinearGradient body(0, 9, 0, 18);
    body.setColorAt(0, QColor(215, 218, 225));
    body.setColorAt(1, QColor(150, 155, 165));
    p.setPen(OutlinePen());
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 1.5, 1.5);
    p.setBrush(QColor(80, 84, 92));
    p.drawRect(QRectF(5.5, 15.5, 13, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(18.5, 12), 1.1, 1.1);
    // The printed sheet.
    p.setPen(OutlinePen(QColor(120, 120, 120)));
    p.setBrush(kPaper);
    p.drawRect(QRectF(6.5, 16, 11, 5.5));
    TextLines(p, 8.5, 15.5, 18, 2, 2.0);
}

void DrawPuzzleShape(QPainter& p) {
    // A heart cut out of a 5 x 5 grid.
    static constexpr std::array<int, 25> dark = {0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1,
                                                 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, 0, 0};
    const double cell = 4.0;
    for (int i = 0; i < 25; ++i) {
        const QRectF r(2 + (i % 5) * cell, 2 + (i / 5) * cell, cell, cell);
        p.setPen(Qt::NoPen);
        p.setBrush(dark[static_cast<std::size_t>(i)] ? QColor(36, 70, 150) : QColor(250, 250, 252));
        p.drawRect(r);
    }
    p.setPen(OutlinePen(QColor(120, 130, 150), 0.6));
    for (int k = 0; k <= 5; ++k) {
        p.drawLine(QPointF(2 + k * cell, 2), QPointF(2 + k * cell, 22));
        p.drawLine(QPointF(2, 2 + k * cell), QPointF(22, 2 + k * cell));
    }
    p.setPen(OutlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, 20, 20));
}

void DrawPageLayout(QPainter& p) {
    Page(p, QRectF(3.5, 1.5, 17, 21));
    p.setPen(OutlinePen(QColor(40, 90, 170), 0.8));
    p.setBrush(QColor(120, 170, 235));
    p.drawRect(QRectF(6, 4.5, 9.5, 3));
    p.setPen(OutlinePen(QColor(30, 130, 70), 0.8));
    p.setBrush(QColor(140, 215, 150));
    p.drawRect(QRectF(6, 9.5, 12, 7));
    p.setPen(OutlinePen(QColor(190, 110, 20), 0.8));
    p.setBrush(QColor(250, 200, 120));
    p.drawRect(QRectF(6, 18, 5, 2.5));
    p.drawRect(QRectF(13, 18, 5, 2.5));
}

void DrawHelp(QPainter& p) {
    QRadialGradient fill(QPointF(9, 8), 13);
    fill.setColorAt(0, QColor(120, 180, 255));
    fill.setColorAt(1, QColor(20, 80, 190));
    p.setPen(OutlinePen(QColor(15, 50, 120)));
    p.setBrush(fill);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    // The question mark as strokes, so that it needs no font.
    QPainterPath hook;
    hook.moveTo(8.6, 9.4);
    hook.cubicTo(8.6, 5.6, 15.4, 5.6, 15.4, 9.2);
    hook.cubicTo(15.4, 11.6, 12, 11.6, 12, 14.2);
    p.strokePath(hook, QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 17.6), 1.6, 1.6);
}

void DrawExit(QPainter& p) {
    // The door frame and the dark doorway.
    p.setPen(OutlinePen(QColor(90, 56, 24)));
    p.setBrush(QColor(60, 48, 40));
    p.drawRect(QRectF(3.5, 2.5, 10, 19));
    // The door, swung open towards the viewer.
    QPolygonF door;
    door << QPointF(3.5, 2.5) << QPointF(9.5, 4.5) << QPointF(9.5, 23) << QPointF(3.5, 21.5);
    QLinearGradient wood(3.5, 0, 9.5, 0);
    wood.setColorAt(0, QColor(200, 130, 60));
    wood.setColorAt(1, QColor(160, 96, 40));
    p.setBrush(wood);
    p.drawPolygon(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QPointF(8.2, 13.2), 0.9, 0.9);
    Arrow(p, QPointF(11, 12), QPointF(23, 12), QColor(215, 50, 40), 3.6, 8.0);
}

void DrawTool(QPainter& p, ToolPicture picture, int side) {
    const bool large = side >= 40;
    switch (picture) {
    case ToolPicture::NewCollection:
        DrawNewCollection(p);
        break;
    case ToolPicture::OpenCollection:
        DrawOpenCollection(p);
        break;
    case ToolPicture::NewPuzzle:
        DrawNewPuzzle(p, large);
        break;
    case ToolPicture::ModifyPuzzle:
        DrawModifyPuzzle(p);
        break;
    case ToolPicture::CopyPuzzle:
        DrawCopyPuzzle(p);
        break;
    case ToolPicture::DeletePuzzle:
        DrawDeletePuzzle(p);
        break;
    case ToolPicture::ImportPuzzles:
        DrawImportPuzzles(p);
        break;
    case ToolPicture::ExportPuzzles:
        DrawExportPuzzles(p);
        break;
    case ToolPicture::PrintPuzzle:
        DrawPrintPuzzle(p);
        break;
    case ToolPicture::PuzzleShape:
        DrawPuzzleShape(p);
        break;
    case ToolPicture::PageLayout:
        DrawPageLayout(p);
        break;
    case ToolPicture::Help:
        DrawHelp(p);
        break;
    case ToolPicture::Exit:
        DrawExit(p);
        break;
    }
}

QPixmap Blank(int side) {
    QPixmap pixmap(std::max(side, 1), std::max(side, 1));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap ToolPixmap(ToolPicture picture, int side) {
    QPixmap pixmap = Blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixmap.width() / kGrid, pixmap.height() / kGrid);
    DrawTool(p, picture, pixmap.width());
    return pixmap;
}

QIcon ToolIcon(ToolPicture picture) {
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(ToolPixmap(picture, side));
    return icon;
}

QPixmap ProgramLogo(int side) {
    QPixmap pixmap = Blank(side);
    const double s = pixmap.width();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF card(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient paper(card.topLeft(), card.bottomRight());
    paper.setColorAt(0, QColor(255, 253, 245));
    paper.setColorAt(1, QColor(232, 238, 250));
    p.setPen(QPen(QColor(60, 90, 150), std::max(1.0, s * 0.025)));
    p.setBrush(paper);
    p.drawRoundedRect(card, s * 0.12, s * 0.12);

    const int cells = 5;
    const QRectF grid(s * 0.11, s * 0.11, s * 0.78, s * 0.78);
    const double cell = grid.width() / cells;
    // "WORD" along the second row, behind its letters.
    const QRectF word(grid.left() + cell * 0.06, grid.top() + cell * 1.1, cell * 3.88, cell * 0.8);
    p.setPen(QPen(QColor(220, 120, 20), std::max(1.0, s * 0.03)));
    p.setBrush(QColor(255, 205, 90, 170));
    p.drawRoundedRect(word, word.height() / 2, word.height() / 2);

    static constexpr const char* kLetters = "VQLAX"
                                            "WORDS"
                                            "KEPUZ"
                                            "ZLHIN"
                                            "GRIDA";
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(cell * 0.62)));
    p.setFont(font);
    for (int i = 0; i < cells * cells; ++i) {
        const QRectF r(grid.left() + (i % cells) * cell, grid.top() + (i / cells) * cell, cell,
                       cell);
        const bool inWord = i >= 5 && i < 9;
        p.setPen(inWord ? QColor(130, 50, 0) : QColor(40, 60, 110));
        p.drawText(r, Qt::AlignCenter, QString(QLatin1Char(kLetters[i])));
    }
    return pixmap;
}

QPixmap TipPicture(int side) {
    QPixmap pixmap = Blank(side);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixmap.width() / 48.0, pixmap.height() / 48.0);

    // Rays around the bulb.
    QPen ray(QColor(245, 180, 20), 2.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(ray);
    for (int i = 0; i < 7; ++i) {
        const double angle = kPi + i * kPi / 6;
        p.drawLine(QPointF(24 + 17 * std::cos(angle), 19 + 17 * std::sin(angle)),
                   QPointF(24 + 21.5 * std::cos(angle), 19 + 21.5 * std::sin(angle)));
    }
    // The glass.
    QPainterPath glass;
    glass.moveTo(18.5, 31);
    glass.cubicTo(18.5, 26, 12, 24, 12, 18);
    glass.cubicTo(12, 11, 17.5, 6.5, 24, 6.5);
    glass.cubicTo(30.5, 6.5, 36, 11, 36, 18);
    glass.cubicTo(36, 24, 29.5, 26, 29.5, 31);
    glass.closeSubpath();
    QRadialGradient light(QPointF(21, 15), 16);
    light.setColorAt(0, QColor(255, 255, 230));
    light.setColorAt(0.5, QColor(255, 236, 120));
    light.setColorAt(1, QColor(250, 196, 40));
    p.setPen(QPen(QColor(190, 130, 10), 1.4));
    p.setBrush(light);
    p.drawPath(glass);
    // The filament.
    QPainterPath filament;
    filament.moveTo(21, 30);
    filament.lineTo(21, 23);
    filament.cubicTo(21, 19, 27, 19, 27, 23);
    filament.lineTo(27, 30);
    p.setPen(QPen(QColor(200, 110, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(filament);
    // The screw base.
    QLinearGradient metal(18, 0, 30, 0);
    metal.setColorAt(0, QColor(150, 155, 165));
    metal.setColorAt(0.4, QColor(235, 238, 242));
    metal.setColorAt(1, QColor(120, 125, 135));
    p.setPen(QPen(QColor(90, 95, 105), 1.0));
    p.setBrush(metal);
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(18.5, 31 + i * 3.5, 11, 3.5), 1.2, 1.2);
    p.setBrush(QColor(70, 72, 80));
    p.drawRoundedRect(QRectF(21, 41.5, 6, 3), 1.2, 1.2);
    return pixmap;
}

QPixmap BackgroundTile() {
    QPixmap pixmap(96, 96);
    pixmap.fill(QColor(192, 192, 192));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A faint sheet of puzzle letters: every letter stays inside its cell, so the tiles meet
    // without seams.
    static constexpr const char* kLetters = "WORDFINDSEEKGRIDLOOKHUNTPUZZLEABC";
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(15);
    p.setFont(font);
    int n = 0;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const QRectF cell(col * 24, row * 24, 24, 24);
            p.setPen(((row + col) % 2 == 0) ? QColor(182, 182, 186) : QColor(200, 200, 204));
            p.drawText(cell, Qt::AlignCenter, QString(QLatin1Char(kLetters[n++])));
        }
    }
    return pixmap;
}

} // namespace vorlane
