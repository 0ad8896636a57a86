// Draws the layout pictures of the main menu, notice, browser and review windows, and the
// program's icon at the icon theme's sizes.
// Usage: draw-assets OUTPUT_DIR [ICON_THEME_DIR]

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kFamily = QStringLiteral("WenQuanYi Zen Hei");
const QString kTitle = QStringLiteral("驾驶员理论考试系统");
const QString kCompany = QStringLiteral("禾川信息科技");

const QColor kNavy(14, 58, 132);
const QColor kBlue(31, 95, 184);
const QColor kInk(13, 50, 110);
const QColor kWhite(255, 255, 255);

enum class Icon { Study, Exam, Errors, Bank, Tips, Signs, School, Exit };

QFont uiFont(int px, bool bold = false)
{
    QFont f(kFamily);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont fitFont(QFont f, const QString &text, qreal maxWidth)
{
    while (f.pixelSize() > 8 && QFontMetricsF(f).horizontalAdvance(text) > maxWidth)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

qreal textWidth(const QFont &f, const QString &text)
{
    return QFontMetricsF(f).horizontalAdvance(text);
}

void drawLabel(QPainter &p, const QRectF &r, const QString &text, const QFont &font,
               const QColor &color, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(fitFont(font, text, r.width()));
    p.setPen(color);
    p.drawText(r, flags | Qt::TextSingleLine, text);
}

void drawShadowLabel(QPainter &p, const QRectF &r, const QString &text, const QFont &font,
                     const QColor &color, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    drawLabel(p, r.translated(2, 2), text, font, QColor(0, 20, 60, 110), flags);
    drawLabel(p, r, text, font, color, flags);
}

void fillVertical(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

using PaintFn = std::function<void(QPainter &, const QSize &)>;

QImage render(const QSize &size, const PaintFn &paint, bool transparent = false)
{
    QImage img(size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(transparent ? QColor(Qt::transparent) : kWhite);
    QPainter p(&img);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    paint(p, size);
    p.end();
    return img;
}

// ---- shared banner pieces -------------------------------------------------

void drawRoadMotif(QPainter &p, const QRectF &area)
{
    p.save();
    const qreal cx = area.center().x();
    const qreal topHalf = area.width() * 0.04;
    QPolygonF road;
    road << QPointF(area.left(), area.bottom()) << QPointF(cx - topHalf, area.top())
         << QPointF(cx + topHalf, area.top()) << QPointF(area.right(), area.bottom());
    p.setPen(Qt::NoPen);
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    g.setColorAt(0, QColor(255, 255, 255, 10));
    g.setColorAt(1, QColor(255, 255, 255, 45));
    p.setBrush(g);
    p.drawPolygon(road);

    p.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
    p.drawLine(road[0], road[1]);
    p.drawLine(road[2], road[3]);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    const qreal h = area.height();
    for (qreal t = 0.08; t < 1.0; t += 0.24) {
        const qreal t2 = qMin(1.0, t + 0.12);
        const qreal w1 = 1.0 + 3.0 * t, w2 = 1.0 + 3.0 * t2;
        QPolygonF dash;
        dash << QPointF(cx - w1, area.top() + h * t) << QPointF(cx + w1, area.top() + h * t)
             << QPointF(cx + w2, area.top() + h * t2) << QPointF(cx - w2, area.top() + h * t2);
        p.drawPolygon(dash);
    }
    p.restore();
}

void paintBannerBackground(QPainter &p, const QSize &size)
{
    const qreal w = size.width(), h = size.height();
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(16, 70, 158));
    g.setColorAt(0.55, QColor(33, 106, 200));
    g.setColorAt(1, QColor(76, 154, 228));
    p.fillRect(QRectF(0, 0, w, h), g);
    fillVertical(p, QRectF(0, 0, w, h * 0.5), QColor(255, 255, 255, 38), QColor(255, 255, 255, 0));

    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QPainterPath swoosh;
        swoosh.moveTo(w * 0.30, h + 2);
        swoosh.cubicTo(w * 0.55, h * (0.85 - 0.12 * i), w * 0.75, h * (0.45 - 0.08 * i), w + 4,
                       h * (0.15 + 0.1 * i));
        p.setPen(QPen(QColor(255, 255, 255, 28 + 8 * i), 1.2 + 0.4 * i));
        p.drawPath(swoosh);
    }
    p.restore();

    fillVertical(p, QRectF(0, h - 4, w, 4), QColor(120, 190, 250), QColor(190, 228, 255));
}

// `minStroke` keeps the wheel's lines that wide at icon sizes where they would blur to grey.
void drawWheelEmblem(QPainter &p, const QPointF &c, qreal r, qreal minStroke = 0)
{
    p.save();
    QRadialGradient bg(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    bg.setColorAt(0, kWhite);
    bg.setColorAt(1, QColor(178, 214, 248));
    p.setPen(minStroke > 0 && r < 12 ? QPen(Qt::NoPen)
                                     : QPen(QColor(255, 255, 255, 220), qMax(1.0, r * 0.07)));
    p.setBrush(bg);
    p.drawEllipse(c, r, r);

    const qreal ring = qMax(r * 0.13, minStroke);
    const qreal wr = qMin(r * 0.66, r - ring * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kNavy, ring));
    p.drawEllipse(c, wr, wr);

    p.setPen(QPen(kNavy, qMax(r * 0.12, minStroke), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-wr, r * 0.04), c + QPointF(wr, r * 0.04));
    p.drawLine(c, c + QPointF(0, wr));

    p.setPen(Qt::NoPen);
    p.setBrush(kNavy);
    p.drawEllipse(c, qMax(r * 0.22, minStroke * 1.2), qMax(r * 0.22, minStroke * 1.2));
    // The yellow boss is a blur below a pixel and a half.
    if (r * 0.09 >= 0.75) {
        p.setBrush(QColor(255, 196, 40));
        p.drawEllipse(c, r * 0.09, r * 0.09);
    }
    p.restore();
}

void drawTitleBlock(QPainter &p, const QRectF &r, int titlePx, const QString &second, int secondPx)
{
    const qreal gap = titlePx * 0.18;
    const qreal titleH = titlePx * 1.25, secondH = secondPx * 1.35;
    const qreal top = r.top() + (r.height() - titleH - gap - secondH) / 2;
    drawShadowLabel(p, QRectF(r.left(), top, r.width(), titleH), kTitle, uiFont(titlePx, true),
                    kWhite);
    drawLabel(p, QRectF(r.left() + 2, top + titleH + gap, r.width(), secondH), second,
              uiFont(secondPx), QColor(210, 232, 255));
}

// ---- icons (drawn on a 32 x 32 grid) --------------------------------------

void iconStudy(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 90, 180));
    QPainterPath cover;
    cover.moveTo(1, 10);
    cover.lineTo(1, 29);
    cover.quadTo(9, 27, 16, 30);
    cover.quadTo(23, 27, 31, 29);
    cover.lineTo(31, 10);
    cover.closeSubpath();
    p.drawPath(cover);

    p.setPen(QPen(QColor(60, 110, 190), 1.0));
    p.setBrush(kWhite);
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(16, 8);
        page.cubicTo(16 + side * 4, 5, 16 + side * 10, 5, 16 + side * 14, 7);
        page.lineTo(16 + side * 14, 26);
        page.cubicTo(16 + side * 10, 24, 16 + side * 4, 24.5, 16, 27.5);
        page.closeSubpath();
        p.drawPath(page);
    }
    p.setPen(QPen(QColor(120, 165, 225), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11.5 + i * 3.8;
        p.drawLine(QPointF(4.5, y), QPointF(13, y + 0.2));
        p.drawLine(QPointF(19, y + 0.2), QPointF(27.5, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 70, 60));
    QPolygonF ribbon;
    ribbon << QPointF(22, 6.2) << QPointF(25.5, 6.1) << QPointF(25.5, 14) << QPointF(23.75, 12.2)
           << QPointF(22, 14);
    p.drawPolygon(ribbon);
}

void drawCheck(QPainter &p, const QPointF &at, const QColor &color)
{
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF tick;
    tick << at << at + QPointF(1.6, 1.8) << at + QPointF(4.4, -2.0);
    p.drawPolyline(tick);
}

void iconExam(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 205));
    p.drawRoundedRect(QRectF(4.5, 4, 23, 27), 3, 3);
    p.setBrush(kWhite);
    p.drawRect(QRectF(7.5, 8, 17, 20.5));
    p.setPen(QPen(QColor(70, 80, 95), 1.0));
    p.setBrush(QColor(205, 212, 222));
    p.drawRoundedRect(QRectF(11, 1.5, 10, 5.5), 1.5, 1.5);

    const QColor green(40, 165, 80);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 12.8 + i * 5.6;
        drawCheck(p, QPointF(9.3, y - 0.3), green);
        p.setPen(QPen(QColor(130, 160, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, y), QPointF(22.5, y));
    }
}

void iconErrors(QPainter &p)
{
    QPainterPath sheet;
    sheet.moveTo(4, 3);
    sheet.lineTo(17, 3);
    sheet.lineTo(22, 8);
    sheet.lineTo(22, 29);
    sheet.lineTo(4, 29);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(80, 120, 180), 1.0));
    p.setBrush(kWhite);
    p.drawPath(sheet);
    p.setBrush(QColor(200, 220, 245));
    QPolygonF fold;
    fold << QPointF(17, 3) << QPointF(17, 8) << QPointF(22, 8);
    p.drawPolygon(fold);
    p.setPen(QPen(QColor(130, 160, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const qreal y = 11 + i * 4;
        p.drawLine(QPointF(7, y), QPointF(i == 0 ? 14 : 19, y));
    }

    QRadialGradient red(QPointF(21.5, 19.5), 10);
    red.setColorAt(0, QColor(255, 110, 95));
    red.setColorAt(1, QColor(205, 35, 30));
    p.setPen(QPen(kWhite, 1.3));
    p.setBrush(red);
    p.drawEllipse(QPointF(23, 22.5), 8, 8);
    p.setPen(QPen(kWhite, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 19.5), QPointF(26, 25.5));
    p.drawLine(QPointF(26, 19.5), QPointF(20, 25.5));
}

void drawBook(QPainter &p, const QRectF &r, const QColor &color)
{
    p.setPen(QPen(color.darker(140), 0.9));
    p.setBrush(color);
    p.drawRoundedRect(r, 1.2, 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 240));
    p.drawRect(QRectF(r.right() - 4, r.top() + 1.2, 3.2, r.height() - 2.4));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(r.left() + 4, r.top() + 1.8, 1.4, r.height() - 3.6));
    p.drawRect(QRectF(r.left() + 7, r.top() + 1.8, 1.4, r.height() - 3.6));
}

void iconBank(QPainter &p)
{
    drawBook(p, QRectF(2.5, 23, 26, 7), QColor(240, 150, 40));
    drawBook(p, QRectF(5, 15.5, 24, 7), QColor(40, 160, 150));
    drawBook(p, QRectF(3, 8, 25, 7), QColor(40, 105, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 60, 60));
    QPolygonF tab;
    tab << QPointF(20, 2) << QPointF(23.5, 2) << QPointF(23.5, 9) << QPointF(21.75, 7.5)
        << QPointF(20, 9);
    p.drawPolygon(tab);
}

void iconTips(QPainter &p)
{
    p.setPen(QPen(QColor(245, 150, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(16, 12.5);
    const QPointF rays[][2] = {{{16, 0.8}, {16, 2.6}},
                               {{4, 12.5}, {5.8, 12.5}},
                               {{28, 12.5}, {26.2, 12.5}},
                               {{7.5, 4}, {8.8, 5.3}},
                               {{24.5, 4}, {23.2, 5.3}}};
    for (const auto &ray : rays)
        p.drawLine(ray[0], ray[1]);

    QRadialGradient glow(c - QPointF(2.5, 3), 10);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(255, 200, 30));
    QPainterPath bulb;
    bulb.addEllipse(c, 8, 8);
    QPainterPath neck;
    neck.moveTo(11.5, 17);
    neck.lineTo(20.5, 17);
    neck.lineTo(19.5, 22);
    neck.lineTo(12.5, 22);
    neck.closeSubpath();
    p.setPen(QPen(QColor(200, 140, 10), 1.0));
    p.setBrush(glow);
    p.drawPath(bulb.united(neck));

    p.setPen(QPen(QColor(210, 120, 10), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF filament;
    filament << QPointF(13.5, 21) << QPointF(13.5, 14) << QPointF(15, 12.5) << QPointF(16, 14)
             << QPointF(17, 12.5) << QPointF(18.5, 14) << QPointF(18.5, 21);
    p.drawPolyline(filament);

    p.setPen(QPen(QColor(90, 100, 115), 0.8));
    p.setBrush(QColor(170, 180, 195));
    p.drawRoundedRect(QRectF(12, 22.2, 8, 3), 1, 1);
    p.drawRoundedRect(QRectF(12.5, 25.4, 7, 2.8), 1, 1);
    p.setBrush(QColor(90, 100, 115));
    p.drawRoundedRect(QRectF(14, 28.3, 4, 2), 1, 1);
}

void iconSigns(QPainter &p)
{
    p.setPen(QPen(QColor(110, 120, 135), 2.2));
    p.drawLine(QPointF(16, 24), QPointF(16, 31.5));

    QPainterPath tri;
    tri.moveTo(16, 2.5);
    tri.lineTo(30, 26);
    tri.lineTo(2, 26);
    tri.closeSubpath();
    p.setPen(QPen(QColor(20, 20, 20), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 205, 20));
    p.drawPath(tri);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    QPolygonF bar;
    bar << QPointF(14.6, 10) << QPointF(17.4, 10) << QPointF(16.7, 18.5) << QPointF(15.3, 18.5);
    p.drawPolygon(bar);
    p.drawEllipse(QPointF(16, 21.6), 1.5, 1.5);
}

void iconSchool(QPainter &p)
{
    p.setPen(QPen(QColor(80, 90, 105), 1.0));
    p.drawLine(QPointF(16, 8), QPointF(16, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 40));
    QPolygonF flag;
    flag << QPointF(16.4, 1) << QPointF(23, 2.8) << QPointF(16.4, 4.8);
    p.drawPolygon(flag);

    p.setBrush(QColor(236, 244, 252));
    p.setPen(QPen(QColor(60, 100, 165), 1.0));
    p.drawRect(QRectF(4.5, 14, 23, 13));
    p.setBrush(QColor(32, 96, 190));
    QPolygonF roof;
    roof << QPointF(2, 14.5) << QPointF(16, 6.5) << QPointF(30, 14.5);
    p.drawPolygon(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 60));
    p.drawEllipse(QPointF(16, 11.5), 1.6, 1.6);

    p.setBrush(QColor(120, 160, 215));
    for (qreal x : {7.0, 12.0, 18.0, 23.0})
        p.drawRect(QRectF(x, 16.5, 2, 9));
    p.setBrush(QColor(60, 100, 165));
    p.drawRect(QRectF(14.5, 19.5, 3, 7.5));
    p.setBrush(QColor(140, 150, 165));
    p.drawRect(QRectF(3, 27, 26, 2));
    p.drawRect(QRectF(1.5, 29, 29, 2));
}

void iconExit(QPainter &p)
{
    QRadialGradient red(QPointF(12, 10), 18);
    red.setColorAt(0, QColor(255, 120, 100));
    red.setColorAt(1, QColor(200, 30, 30));
    p.setPen(QPen(QColor(150, 20, 20), 1.0));
    p.setBrush(red);
    p.drawEllipse(QPointF(16, 16), 14, 14);

    p.setPen(QPen(kWhite, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8.5, 9, 15, 15), 125 * 16, 290 * 16);
    p.drawLine(QPointF(16, 6.5), QPointF(16, 15.5));
}

void drawIcon(QPainter &p, const QRectF &box, Icon icon)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 32.0, box.height() / 32.0);
    switch (icon) {
    case Icon::Study:
        iconStudy(p);
        break;
    case Icon::Exam:
        iconExam(p);
        break;
    case Icon::Errors:
        iconErrors(p);
        break;
    case Icon::Bank:
        iconBank(p);
        break;
    case Icon::Tips:
        iconTips(p);
        break;
    case Icon::Signs:
        iconSigns(p);
        break;
    case Icon::School:
        iconSchool(p);
        break;
    case Icon::Exit:
        iconExit(p);
        break;
    }
    p.restore();
}

// ---- portrait (drawn on a 105 x 121 grid) ---------------------------------

// The candidate of the panels: a young woman ("姓别：女") in a dark jacket over a white
// blouse, her hair to the shoulders.
void paintPortrait(QPainter &p, const QRectF &box)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 105.0, box.height() / 121.0);
    p.setClipRect(QRectF(0, 0, 105, 121));
    fillVertical(p, QRectF(0, 0, 105, 121), QColor(208, 232, 252), QColor(160, 204, 240));

    const QColor skin(245, 210, 182), skinShade(226, 184, 152);
    const QColor hair(46, 34, 30), jacket(58, 52, 86);
    p.setPen(Qt::NoPen);

    // The hair behind the head and the shoulders.
    QPainterPath back;
    back.moveTo(28, 46);
    back.cubicTo(24, 22, 40, 12, 52.5, 12);
    back.cubicTo(65, 12, 81, 22, 77, 46);
    back.cubicTo(79, 64, 80, 80, 84, 92);
    back.lineTo(21, 92);
    back.cubicTo(25, 80, 26, 64, 28, 46);
    p.setBrush(hair);
    p.drawPath(back);

    QPainterPath body;
    body.moveTo(-2, 122);
    body.lineTo(3, 106);
    body.cubicTo(8, 96, 24, 90, 39, 87);
    body.lineTo(66, 87);
    body.cubicTo(81, 90, 97, 96, 102, 106);
    body.lineTo(107, 122);
    body.closeSubpath();
    p.setBrush(jacket);
    p.drawPath(body);

    QPolygonF blouse;
    blouse << QPointF(39, 87) << QPointF(66, 87) << QPointF(52.5, 114);
    p.setBrush(kWhite);
    p.drawPolygon(blouse);
    p.setBrush(skinShade);
    p.drawRect(QRectF(45, 66, 15, 22));
    p.setBrush(skin);
    QPolygonF neckline;
    neckline << QPointF(45, 87) << QPointF(60, 87) << QPointF(52.5, 98);
    p.drawPolygon(neckline);
    p.setBrush(QColor(72, 66, 104));
    QPolygonF lapelL, lapelR;
    lapelL << QPointF(39, 87) << QPointF(45, 86) << QPointF(52.5, 114) << QPointF(35, 97);
    lapelR << QPointF(66, 87) << QPointF(60, 86) << QPointF(52.5, 114) << QPointF(70, 97);
    p.drawPolygon(lapelL);
    p.drawPolygon(lapelR);

    QPainterPath face;
    face.moveTo(35, 43);
    face.cubicTo(35, 62, 41, 75, 52.5, 75);
    face.cubicTo(64, 75, 70, 62, 70, 43);
    face.cubicTo(70, 29, 62, 23, 52.5, 23);
    face.cubicTo(43, 23, 35, 29, 35, 43);
    p.setBrush(skin);
    p.drawPath(face);

    // A fringe swept to one side, the hair falling past the cheeks.
    QPainterPath fringe;
    fringe.moveTo(33, 52);
    fringe.cubicTo(30, 28, 40, 17, 53, 17);
    fringe.cubicTo(67, 17, 76, 28, 72, 52);
    fringe.cubicTo(71, 42, 68, 34, 63, 30);
    fringe.cubicTo(55, 36, 44, 37, 37, 33);
    fringe.cubicTo(35, 39, 34, 45, 33, 52);
    p.setBrush(hair);
    p.drawPath(fringe);

    p.setBrush(QColor(50, 38, 34));
    p.drawEllipse(QPointF(45.5, 48.5), 2.0, 2.4);
    p.drawEllipse(QPointF(59.5, 48.5), 2.0, 2.4);
    p.setPen(QPen(QColor(60, 44, 38), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42, 43.8), QPointF(48.5, 43.2));
    p.drawLine(QPointF(56.5, 43.2), QPointF(63, 43.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 96, 104));
    p.drawEllipse(QPointF(52.5, 63.5), 4.2, 1.8);
    p.restore();
}

// ---- car and scenery for the main picture ---------------------------------

void drawWheel(QPainter &p, const QPointF &c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 32, 36));
    p.drawEllipse(c, r, r);
    QRadialGradient rim(c - QPointF(r * 0.2, r * 0.25), r * 0.7);
    rim.setColorAt(0, QColor(245, 247, 250));
    rim.setColorAt(1, QColor(150, 160, 172));
    p.setBrush(rim);
    p.drawEllipse(c, r * 0.58, r * 0.58);
    p.setBrush(QColor(90, 98, 110));
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 72);
        p.drawRoundedRect(QRectF(-r * 0.07, -r * 0.48, r * 0.14, r * 0.3), 1, 1);
        p.restore();
    }
    p.setBrush(QColor(60, 66, 76));
    p.drawEllipse(c, r * 0.14, r * 0.14);
}

QPainterPath carBody()
{
    QPainterPath body;
    body.moveTo(14, 88);
    body.lineTo(7, 86);
    body.quadTo(2, 76, 2, 62);
    body.lineTo(5, 51);
    body.quadTo(9, 44, 24, 43);
    body.lineTo(70, 40);
    body.cubicTo(84, 30, 96, 11, 114, 10);
    body.lineTo(168, 9);
    body.cubicTo(184, 9, 200, 28, 216, 39);
    body.lineTo(250, 45);
    body.quadTo(266, 48, 268, 62);
    body.lineTo(268, 76);
    body.quadTo(267, 88, 256, 88);
    body.closeSubpath();
    return body;
}

void drawCar(QPainter &p, const QPointF &topLeft, qreal scale)
{
    p.save();
    p.translate(topLeft);
    p.scale(scale, scale);

    QRadialGradient shadow(QPointF(136, 104), 140);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(136, 104), 140, 9);

    const QPainterPath body = carBody();
    QLinearGradient paint(0, 10, 0, 90);
    paint.setColorAt(0, QColor(90, 165, 245));
    paint.setColorAt(0.45, QColor(30, 105, 210));
    paint.setColorAt(1, QColor(16, 62, 140));
    p.setPen(QPen(QColor(12, 45, 105), 1.4));
    p.setBrush(paint);
    p.drawPath(body);

    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 30, 60));
    p.drawEllipse(QPointF(62, 88), 26, 26);
    p.drawEllipse(QPointF(212, 88), 26, 26);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(QRectF(0, 52, 270, 3));
    p.restore();

    QLinearGradient glass(0, 12, 0, 40);
    glass.setColorAt(0, QColor(210, 236, 255));
    glass.setColorAt(1, QColor(120, 175, 225));
    p.setPen(QPen(QColor(20, 50, 100), 1.2));
    p.setBrush(glass);
    QPainterPath rear;
    rear.moveTo(82, 39);
    rear.cubicTo(92, 31, 101, 17, 116, 16);
    rear.lineTo(139, 15.5);
    rear.lineTo(139, 39);
    rear.closeSubpath();
    p.drawPath(rear);
    QPainterPath front;
    front.moveTo(146, 15.5);
    front.lineTo(166, 15);
    front.cubicTo(178, 15, 190, 28, 202, 39);
    front.lineTo(146, 39);
    front.closeSubpath();
    p.drawPath(front);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    QPolygonF glint;
    glint << QPointF(158, 16) << QPointF(166, 16) << QPointF(154, 38) << QPointF(147, 38);
    p.drawPolygon(glint);

    p.setPen(QPen(QColor(12, 45, 105), 1.2));
    p.drawLine(QPointF(142.5, 40), QPointF(142.5, 84));
    p.drawLine(QPointF(84, 41), QPointF(86, 82));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 230, 240));
    p.drawRoundedRect(QRectF(120, 50, 12, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(186, 50, 12, 3), 1.5, 1.5);

    p.setBrush(QColor(255, 236, 150));
    p.drawRoundedRect(QRectF(256, 51, 11, 7), 3, 3);
    p.setBrush(QColor(230, 50, 40));
    p.drawRoundedRect(QRectF(2.5, 52, 6, 9), 2, 2);
    p.setBrush(QColor(200, 208, 218));
    p.drawRoundedRect(QRectF(240, 76, 28, 5), 2, 2);
    p.drawRoundedRect(QRectF(3, 76, 20, 5), 2, 2);

    drawWheel(p, QPointF(62, 88), 21);
    drawWheel(p, QPointF(212, 88), 21);
    p.restore();
}

void drawCloud(QPainter &p, const QPointF &c, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    QPainterPath cloud;
    cloud.addEllipse(c + QPointF(-22 * s, 2 * s), 16 * s, 11 * s);
    cloud.addEllipse(c + QPointF(0, -6 * s), 20 * s, 16 * s);
    cloud.addEllipse(c + QPointF(22 * s, 2 * s), 17 * s, 12 * s);
    cloud.addRoundedRect(QRectF(c.x() - 34 * s, c.y(), 70 * s, 13 * s), 6 * s, 6 * s);
    cloud.setFillRule(Qt::WindingFill);
    p.drawPath(cloud.simplified());
}

void drawSkyline(QPainter &p, qreal baseY)
{
    struct Block {
        qreal x, w, h;
    };
    const Block far[] = {{0, 40, 50},   {36, 30, 72},  {62, 46, 40},   {104, 28, 86},
                         {128, 50, 58}, {174, 34, 96}, {204, 44, 64},  {244, 30, 48},
                         {270, 52, 80}, {318, 36, 60}, {350, 46, 100}, {392, 34, 56},
                         {422, 48, 74}, {466, 32, 52}, {494, 44, 90},  {534, 50, 62}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 206, 235));
    for (const auto &b : far)
        p.drawRect(QRectF(b.x, baseY - b.h, b.w, b.h));

    p.setBrush(QColor(200, 224, 246));
    for (const auto &b : far) {
        for (qreal y = baseY - b.h + 8; y < baseY - 8; y += 12)
            for (qreal x = b.x + 6; x < b.x + b.w - 8; x += 10)
                p.drawRect(QRectF(x, y, 4, 5));
    }
}

void drawTree(QPainter &p, const QPointF &base, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 85, 55));
    p.drawRect(QRectF(base.x() - 2.5 * s, base.y() - 20 * s, 5 * s, 20 * s));
    QRadialGradient leaf(base + QPointF(-6 * s, -40 * s), 26 * s);
    leaf.setColorAt(0, QColor(130, 200, 110));
    leaf.setColorAt(1, QColor(50, 140, 70));
    p.setBrush(leaf);
    QPainterPath crown;
    crown.addEllipse(base + QPointF(0, -36 * s), 15 * s, 18 * s);
    crown.addEllipse(base + QPointF(-9 * s, -26 * s), 10 * s, 9 * s);
    crown.addEllipse(base + QPointF(9 * s, -26 * s), 10 * s, 9 * s);
    crown.setFillRule(Qt::WindingFill);
    p.drawPath(crown.simplified());
}

void drawSpeedSign(QPainter &p, const QPointF &base, qreal poleHeight)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 138, 150));
    p.drawRect(QRectF(base.x() - 2, base.y() - poleHeight, 4, poleHeight));
    const QPointF c(base.x(), base.y() - poleHeight);
    p.setBrush(kWhite);
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(QColor(215, 30, 35), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 18, 18);
    drawLabel(p, QRectF(c.x() - 16, c.y() - 12, 32, 24), QStringLiteral("60"), uiFont(18, true),
              QColor(20, 20, 20), Qt::AlignCenter);
}

void drawRoad(QPainter &p, const QRectF &r)
{
    fillVertical(p, r, QColor(92, 100, 112), QColor(70, 77, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(r.left(), r.top() + 4, r.width(), 3));
    p.drawRect(QRectF(r.left(), r.bottom() - 7, r.width(), 3));
    const qreal mid = r.center().y() - 2;
    for (qreal x = r.left() + 10; x < r.right(); x += 64)
        p.drawRect(QRectF(x, mid, 36, 4));
}

// ---- pictures ---------------------------------------------------------------

void mainBanner(QPainter &p, const QSize &size)
{
    paintBannerBackground(p, size);
    drawRoadMotif(p, QRectF(600, 8, 150, 78));
    drawWheelEmblem(p, QPointF(47, 44), 31);
    drawTitleBlock(p, QRectF(92, 6, 480, 78), 34,
                   QStringLiteral("机动车驾驶人科目一理论考试模拟训练"), 14);
}

void mainPicture(QPainter &p, const QSize &)
{
    fillVertical(p, QRectF(0, 0, 580, 300), QColor(120, 185, 240), QColor(232, 245, 255));

    QRadialGradient sun(QPointF(500, 60), 60);
    sun.setColorAt(0, QColor(255, 252, 220, 255));
    sun.setColorAt(0.35, QColor(255, 240, 170, 200));
    sun.setColorAt(1, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(500, 60), 60, 60);

    drawCloud(p, QPointF(90, 170), 1.0);
    drawCloud(p, QPointF(300, 150), 0.8);
    drawCloud(p, QPointF(470, 185), 1.1);
    drawSkyline(p, 292);

    fillVertical(p, QRectF(0, 286, 580, 28), QColor(140, 205, 120), QColor(95, 170, 90));
    drawTree(p, QPointF(40, 306), 1.0);
    drawTree(p, QPointF(100, 304), 0.8);
    drawTree(p, QPointF(420, 306), 0.9);
    drawSpeedSign(p, QPointF(520, 308), 78);

    drawRoad(p, QRectF(0, 312, 580, 118));
    drawCar(p, QPointF(150, 312), 1.0);

    fillVertical(p, QRectF(0, 430, 580, 30), QColor(33, 106, 200), QColor(16, 70, 158));
    drawLabel(p, QRectF(0, 430, 580, 30), QStringLiteral("礼让行人 · 一路畅通"), uiFont(17, true),
              kWhite, Qt::AlignCenter);

    const QFont big = uiFont(40, true);
    drawLabel(p, QRectF(2, 24, 580, 52), QStringLiteral("安全驾驶  文明出行"), big,
              QColor(255, 255, 255, 200), Qt::AlignHCenter | Qt::AlignVCenter);
    drawLabel(p, QRectF(0, 22, 580, 52), QStringLiteral("安全驾驶  文明出行"), big, kNavy,
              Qt::AlignHCenter | Qt::AlignVCenter);
    drawLabel(p, QRectF(0, 80, 580, 38), QStringLiteral("遵章守法  平安到家"), uiFont(28, true),
              kBlue, Qt::AlignHCenter | Qt::AlignVCenter);
}

void menuTile(QPainter &p, Icon icon, const QString &label, const QString &subtitle)
{
    const QRectF r(0, 0, 220, 46);
    fillVertical(p, r, QColor(248, 252, 255), QColor(190, 221, 250));
    fillVertical(p, QRectF(0, 0, 220, 20), QColor(255, 255, 255, 150), QColor(255, 255, 255, 0));
    p.setPen(QColor(118, 164, 222));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 219, 45));
    p.setPen(QColor(255, 255, 255, 200));
    p.drawLine(QPointF(1.5, 1.5), QPointF(218.5, 1.5));

    drawIcon(p, QRectF(9, 7, 32, 32), icon);
    p.setPen(QColor(150, 190, 235));
    p.drawLine(QPointF(48.5, 8), QPointF(48.5, 38));
    drawLabel(p, QRectF(56, 4, 158, 22), label, uiFont(17, true), kInk);
    drawLabel(p, QRectF(57, 26, 158, 14), subtitle, uiFont(10), QColor(55, 95, 155));
}

void candidatePhoto(QPainter &p, const QSize &size)
{
    paintPortrait(p, QRectF(QPointF(0, 0), size));
}

void drawNoticeBadge(QPainter &p, const QRectF &r)
{
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.2));
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawRoundedRect(r, 12, 12);
    const qreal icon = r.height() - 24;
    drawIcon(p, QRectF(r.left() + 14, r.top() + 12, icon, icon), Icon::Exam);
    const QRectF textArea(r.left() + icon + 26, r.top(), r.width() - icon - 36, r.height());
    drawShadowLabel(p, textArea.adjusted(0, 0, 0, -22), QStringLiteral("考试须知"),
                    uiFont(26, true), kWhite);
    drawLabel(p, textArea.adjusted(2, r.height() - 40, 0, -10), QStringLiteral("请认真阅读"),
              uiFont(14), QColor(215, 235, 255));
    p.restore();
}

void noticeBanner(QPainter &p, const QSize &size)
{
    paintBannerBackground(p, size);
    drawWheelEmblem(p, QPointF(78, 72), 48);
    drawTitleBlock(p, QRectF(146, 10, 380, 124), 40, QStringLiteral("理论考试模拟考场"), 22);
    drawNoticeBadge(p, QRectF(560, 30, 222, 86));
    drawLabel(p, QRectF(500, 128, 284, 18), kCompany, uiFont(12), QColor(220, 238, 255),
              Qt::AlignRight | Qt::AlignVCenter);
}

void browserBanner(QPainter &p, const QSize &size)
{
    paintBannerBackground(p, size);
    drawRoadMotif(p, QRectF(560, 6, 140, 74));
    // The band under the title stays plain: the windows put their headings there.
    drawWheelEmblem(p, QPointF(32, 29), 22);
    drawShadowLabel(p, QRectF(62, 8, 300, 40), kTitle, uiFont(28, true), kWhite);
    drawLabel(p, QRectF(366, 20, 180, 24), QStringLiteral("题库浏览与练习"), uiFont(16),
              QColor(210, 232, 255));
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(746, 42), 32, 32);
    drawIcon(p, QRectF(726, 22, 40, 40), Icon::Bank);
}

// The candidate card of a banner: the photograph and the lines given, key and value each.
void drawCandidateStrip(QPainter &p, const QRectF &r,
                        const QList<std::pair<QString, QString>> &lines)
{
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(250, 253, 255));
    g.setColorAt(1, QColor(214, 234, 252));
    p.setPen(QPen(QColor(150, 196, 240), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);

    const QRectF photo(r.left() + 8, r.top() + 7, 50, r.height() - 14);
    paintPortrait(p, photo);
    p.setPen(QPen(QColor(120, 160, 210), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(photo);

    const QFont keyFont = uiFont(14, true), valueFont = uiFont(14);
    const qreal x = photo.right() + 12, rowH = (r.height() - 8) / 3;
    qreal keyW = 0;
    for (const auto &[key, value] : lines)
        keyW = std::max(keyW, textWidth(keyFont, key));
    qreal y = r.top() + 4 + (3 - lines.size()) * rowH / 2;
    for (const auto &[key, value] : lines) {
        drawLabel(p, QRectF(x, y, keyW + 2, rowH), key, keyFont, kNavy);
        drawLabel(p, QRectF(x + keyW + 2, y, r.right() - x - keyW - 10, rowH), value, valueFont,
                  QColor(30, 30, 30));
        y += rowH;
    }
    p.restore();
}

void reviewBanner(QPainter &p, const QSize &size)
{
    paintBannerBackground(p, size);
    drawWheelEmblem(p, QPointF(36, 32), 24);
    drawShadowLabel(p, QRectF(68, 4, 300, 40), kTitle, uiFont(28, true), kWhite);
    drawLabel(p, QRectF(70, 44, 240, 22), QStringLiteral("错题回顾 · 查漏补缺"), uiFont(14),
              QColor(210, 232, 255));
    // The name stands once, in the strip below, where the review window writes it; the
    // vehicle class is not printed, since the picture serves every class.
    drawCandidateStrip(p, QRectF(452, 7, 338, 73),
                       {{QStringLiteral("身份证号："), QStringLiteral("110101199001011234")},
                        {QStringLiteral("考试性质："), QStringLiteral("理论模拟考试")}});
    // The name strip: the review window writes the candidate's name after "考生姓名：".
    p.fillRect(QRectF(40, 70, 250, 18), QColor(244, 247, 252));
    drawLabel(p, QRectF(40, 70, 76, 18), QStringLiteral("考生姓名："), uiFont(11, true),
              QColor(30, 60, 110), Qt::AlignRight | Qt::AlignVCenter);
}

// The program's icon at `size` pixels: the emblem of exam.png, filling a little more of the
// square and with strokes of a pixel and a half at least, so that the wheel reads at 16.
void drawIcon(QPainter &p, int size)
{
    const qreal r = size <= 32 ? size * 0.48 : size * 58.0 / 128;
    drawWheelEmblem(p, QPointF(size / 2.0, size / 2.0), r, size <= 32 ? 1.5 : 0);
}

bool save(const QImage &img, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    const bool png = name.endsWith(QLatin1String(".png"));
    if (!(png ? img.save(path, "PNG") : img.save(path, "JPG", 92))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s  %dx%d\n", qPrintable(path), img.width(), img.height());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [ICON_THEME_DIR]\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    if (QFontInfo(uiFont(12)).family() != kFamily)
        std::fprintf(stderr, "warning: font \"%s\" not found, using a fallback\n",
                     qPrintable(kFamily));

    struct Asset {
        const char *name;
        QSize size;
        PaintFn paint;
    };
    const QSize tileSize(220, 46);
    const auto tile = [](Icon icon, const char *label, const char *subtitle) -> PaintFn {
        return [=](QPainter &p, const QSize &) {
            menuTile(p, icon, QString::fromUtf8(label), QString::fromUtf8(subtitle));
        };
    };
    const std::vector<Asset> assets = {
        {"main_banner.jpg", {800, 90}, mainBanner},
        {"main_picture.jpg", {580, 460}, mainPicture},
        {"menu_study.jpg", tileSize, tile(Icon::Study, "试题学习", "Study Questions")},
        {"menu_exam.jpg", tileSize, tile(Icon::Exam, "模拟考试", "Exams")},
        {"menu_errors.jpg", tileSize, tile(Icon::Errors, "易错试题", "Error-prone Questions")},
        {"menu_bank.jpg", tileSize, tile(Icon::Bank, "浏览题库", "View item bank")},
        {"menu_tips.jpg", tileSize, tile(Icon::Tips, "答题技巧", "AnswerTips")},
        {"menu_signs.jpg", tileSize, tile(Icon::Signs, "交通标志", "Traffic signs")},
        {"menu_school.jpg", tileSize, tile(Icon::School, "驾校介绍", "My alma mater")},
        {"menu_exit.jpg", tileSize, tile(Icon::Exit, "结束练习", "End of the exercise")},
        {"candidate_photo.jpg", {105, 121}, candidatePhoto},
        {"notice_banner.jpg", {800, 153}, noticeBanner},
        {"browser_banner.jpg", {794, 84}, browserBanner},
        {"review_banner.jpg", {800, 89}, reviewBanner},
    };

    bool ok = true;
    for (const Asset &a : assets)
        ok = save(render(a.size, a.paint), dir, QString::fromLatin1(a.name)) && ok;
    // The program's icon: the steering-wheel emblem on a transparent ground.
    const auto icon = [](QPainter &p, const QSize &) { drawWheelEmblem(p, QPointF(64, 64), 58); };
    ok = save(render({128, 128}, icon, true), dir, QStringLiteral("exam.png")) && ok;
    if (argc == 3) {
        // Drawn at each size rather than scaled, so that the small ones stay sharp.
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
            const QDir sized(
                QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size));
            sized.mkpath(QStringLiteral("."));
            const auto paint = [size](QPainter &p, const QSize &) { drawIcon(p, size); };
            ok = save(render({size, size}, paint, true), sized,
                      QStringLiteral("exam-trainer.png")) &&
                 ok;
        }
    }
    return ok ? 0 : 1;
}
