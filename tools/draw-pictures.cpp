// Draws the question pictures of the sample bank into a folder given on the command line.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 130;
constexpr qreal kSignScale = 1.1;

const QColor kBackground(0xf0, 0xf0, 0xf0);
const QColor kOutline(0xa0, 0xa0, 0xa0);
const QColor kWhite(0xff, 0xff, 0xff);
const QColor kBlack(0x14, 0x14, 0x14);
const QColor kRed(0xd4, 0x1c, 0x26);
const QColor kBlue(0x00, 0x56, 0xa6);
const QColor kYellow(0xfb, 0xc7, 0x00);

using Drawing = std::function<void(QPainter &)>;

QImage picture(const QColor &background, const Drawing &draw)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    draw(p);
    return image;
}

// Sign drawings use a 100 x 100 unit box centred on the origin.
QImage signPicture(const Drawing &draw)
{
    return picture(kBackground, [&](QPainter &p) {
        p.translate(kWidth / 2.0, kHeight / 2.0);
        p.scale(kSignScale, kSignScale);
        draw(p);
    });
}

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPen flatPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

void disc(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void strokePath(QPainter &p, const QPainterPath &path, const QPen &pen)
{
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void line(QPainter &p, QPointF from, QPointF to, const QPen &pen)
{
    p.save();
    p.setPen(pen);
    p.drawLine(from, to);
    p.restore();
}

void fillPolygon(QPainter &p, const QPolygonF &polygon, const QColor &colour)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    p.fillPath(path, colour);
}

QPolygonF regularPolygon(int sides, qreal apothem, qreal firstVertexDeg, QPointF centre)
{
    const qreal radius = apothem / std::cos(M_PI / sides);
    QPolygonF polygon;
    for (int i = 0; i < sides; ++i) {
        const qreal angle = qDegreesToRadians(firstVertexDeg + 360.0 * i / sides);
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

// Regular polygon of the given apothem whose corners are rounded with the given radius.
void roundedPolygon(QPainter &p, int sides, qreal apothem, qreal firstVertexDeg, QPointF centre,
                    qreal corner, const QColor &colour)
{
    p.save();
    p.setPen(roundPen(colour, 2 * corner));
    p.setBrush(colour);
    p.drawPolygon(regularPolygon(sides, apothem - corner, firstVertexDeg, centre));
    p.restore();
}

struct Band {
    qreal inset;
    qreal corner;
    QColor colour;
};

void layeredPolygon(QPainter &p, int sides, qreal apothem, qreal firstVertexDeg, QPointF centre,
                    const std::vector<Band> &bands)
{
    roundedPolygon(p, sides, apothem + 0.6, firstVertexDeg, centre, bands.front().corner + 0.6,
                   kOutline);
    for (const Band &band : bands)
        roundedPolygon(p, sides, apothem - band.inset, firstVertexDeg, centre, band.corner,
                       band.colour);
}

// Straight arrow head continuing the end of the shaft.
void arrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength, qreal headWidth,
           const QColor &colour)
{
    strokePath(p, shaft, flatPen(colour, width));
    const QPointF end = shaft.pointAtPercent(1.0);
    const qreal angle = qDegreesToRadians(shaft.angleAtPercent(1.0));
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = end - dir * 0.5;
    fillPolygon(p,
                QPolygonF{end + dir * headLength, base + normal * (headWidth / 2),
                          base - normal * (headWidth / 2)},
                colour);
}

// Fills the text's outline scaled to fit the box; heavier text gets an outline stroke.
void fitText(QPainter &p, const QString &text, const QRectF &box, const QColor &colour,
             qreal weight = 0, bool stretch = false)
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(200);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const QRectF target = box.adjusted(weight / 2, weight / 2, -weight / 2, -weight / 2);
    qreal sx = target.width() / bounds.width();
    qreal sy = target.height() / bounds.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    path = t.map(path);
    p.save();
    p.setPen(weight > 0 ? roundPen(colour, weight) : QPen(Qt::NoPen));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

QPainterPath teardrop(QPointF centre, qreal radius)
{
    const qreal tipDistance = 2.2 * radius;
    const qreal phi = std::acos(radius / tipDistance);
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    QPainterPath tip;
    tip.moveTo(centre + QPointF(0, -tipDistance));
    tip.lineTo(centre + QPointF(radius * std::sin(phi), -radius * std::cos(phi)));
    tip.lineTo(centre + QPointF(-radius * std::sin(phi), -radius * std::cos(phi)));
    tip.closeSubpath();
    return path.united(tip);
}

// Sign families

void prohibitionBase(QPainter &p, const QColor &inside = kWhite)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 48.5, kRed);
    disc(p, {}, 38.5, inside);
}

void prohibitionBar(QPainter &p, qreal angleDeg = 45)
{
    QPainterPath inner;
    inner.addEllipse(QPointF(), 39, 39);
    p.save();
    p.setClipPath(inner);
    p.rotate(angleDeg);
    p.fillRect(QRectF(-40, -4.3, 80, 8.6), kRed);
    p.restore();
}

void mandatoryBase(QPainter &p)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 48.5, kBlue);
}

// Warning triangle points up; its incentre sits a sixth of the height below the middle.
constexpr qreal kTriangleApothem = 100.0 / 3;
const QPointF kWarningCentre(0, 50 - kTriangleApothem);

void warningBase(QPainter &p)
{
    layeredPolygon(p, 3, kTriangleApothem, -90, kWarningCentre,
                   {{0, 5, kYellow}, {1.6, 4, kBlack}, {8.6, 1.5, kYellow}});
}

void indicationBase(QPainter &p)
{
    const QRectF square(-50, -50, 100, 100);
    p.save();
    p.setBrush(kOutline);
    p.drawRoundedRect(square.adjusted(-0.6, -0.6, 0.6, 0.6), 6.6, 6.6);
    p.setBrush(kWhite);
    p.drawRoundedRect(square, 6, 6);
    p.setBrush(kBlue);
    p.drawRoundedRect(square.adjusted(1.6, 1.6, -1.6, -1.6), 4.5, 4.5);
    p.restore();
}

void octagonBase(QPainter &p)
{
    layeredPolygon(p, 8, 50, 22.5, {}, {{0, 3, kWhite}, {4, 2, kRed}});
}

// Signs

QImage stopSign()
{
    return signPicture([](QPainter &p) {
        octagonBase(p);
        fitText(p, QStringLiteral("停"), QRectF(-29, -29, 58, 58), kWhite, 2.0);
    });
}

QImage yieldSign()
{
    return signPicture([](QPainter &p) {
        const QPointF centre(0, -(50 - kTriangleApothem));
        layeredPolygon(p, 3, kTriangleApothem, 90, centre,
                       {{0, 5, kWhite}, {1.6, 4, kRed}, {11.5, 1.5, kWhite}});
        fitText(p, QStringLiteral("让"), QRectF(-16, -16, 32, 32).translated(centre), kBlack, 1.4);
    });
}

QImage noEntrySign()
{
    return signPicture([](QPainter &p) {
        disc(p, {}, 50.6, kOutline);
        disc(p, {}, 50, kWhite);
        disc(p, {}, 48.5, kRed);
        p.fillRect(QRectF(-36, -8, 72, 16), kWhite);
    });
}

QImage speedLimit40Sign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        fitText(p, QStringLiteral("40"), QRectF(-24, -21, 48, 42), kBlack, 1.0, true);
    });
}

QImage noParkingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p, kBlue);
        prohibitionBar(p, 45);
        prohibitionBar(p, -45);
    });
}

QImage noLeftTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        QPainterPath shaft;
        shaft.moveTo(10, 31);
        shaft.lineTo(10, -2);
        shaft.cubicTo(10, -11, 5, -15, -4, -15);
        arrow(p, shaft, 9.5, 15, 25, kBlack);
        prohibitionBar(p);
    });
}

QImage noUTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        QPainterPath shaft;
        shaft.moveTo(12, 31);
        shaft.lineTo(12, -6);
        shaft.arcTo(QRectF(-12, -18, 24, 24), 0, 180);
        shaft.lineTo(-12, 3);
        arrow(p, shaft, 8.5, 14, 23, kBlack);
        prohibitionBar(p);
    });
}

QImage noHonkingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        QPainterPath horn;
        horn.addRoundedRect(QRectF(-30, -6, 6, 12), 1.5, 1.5);
        horn.addRect(QRectF(-25, -3.2, 16, 6.4));
        horn.moveTo(-10, -3.2);
        horn.cubicTo(1, -4, 10, -10, 15, -19);
        horn.lineTo(15, 19);
        horn.cubicTo(10, 10, 1, 4, -10, 3.2);
        horn.closeSubpath();
        horn.addEllipse(QRectF(12, -19, 9, 38));
        horn.setFillRule(Qt::WindingFill);
        p.fillPath(horn.translated(3, 0), kBlack);
        prohibitionBar(p);
    });
}

QImage noTrucksSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        p.save();
        p.translate(2, 0);
        QPainterPath truck;
        truck.moveTo(-34, 12);
        truck.lineTo(-34, 0);
        truck.lineTo(-27, -13);
        truck.lineTo(-16, -13);
        truck.lineTo(-16, 12);
        truck.closeSubpath();
        truck.addRect(QRectF(-14, -21, 45, 30));
        truck.addRect(QRectF(-34, 9, 65, 5));
        truck.setFillRule(Qt::WindingFill);
        p.fillPath(truck, kBlack);
        fillPolygon(p, QPolygonF{{-31, -1}, {-26, -10}, {-19, -10}, {-19, -1}}, kWhite);
        for (qreal x : {-24.0, 12.0, 23.5}) {
            disc(p, {x, 16}, 7.6, kWhite);
            disc(p, {x, 16}, 6.2, kBlack);
        }
        p.restore();
        prohibitionBar(p);
    });
}

QImage heightLimitSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        fitText(p, QStringLiteral("3.5m"), QRectF(-27, -11, 54, 22), kBlack, 0.8);
        fillPolygon(p, QPolygonF{{-9, -36.5}, {9, -36.5}, {0, -20}}, kBlack);
        fillPolygon(p, QPolygonF{{-9, 36.5}, {9, 36.5}, {0, 20}}, kBlack);
    });
}

QImage goStraightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        QPainterPath shaft;
        shaft.moveTo(0, 36);
        shaft.lineTo(0, -6);
        arrow(p, shaft, 14, 26, 40, kWhite);
    });
}

QImage roundaboutSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        const qreal radius = 24;
        const QRectF orbit(-radius, -radius, 2 * radius, 2 * radius);
        for (int i = 0; i < 3; ++i) {
            QPainterPath shaft;
            const qreal start = 100 + 120 * i;
            shaft.arcMoveTo(orbit, start);
            shaft.arcTo(orbit, start, 68);
            arrow(p, shaft, 9.5, 14, 22, kWhite);
        }
    });
}

void walkingPerson(QPainter &p, const QColor &colour)
{
    disc(p, {3, -20}, 5.2, colour);
    QPainterPath body;
    body.moveTo(1, -12);
    body.lineTo(-2, 5);
    strokePath(p, body, roundPen(colour, 7.5));
    QPainterPath limbs;
    limbs.moveTo(-9, 2);
    limbs.lineTo(-5, -6);
    limbs.lineTo(1, -10);
    limbs.lineTo(6, -3);
    limbs.lineTo(11, 1);
    limbs.moveTo(-2, 5);
    limbs.lineTo(-9, 14);
    limbs.lineTo(-15, 22);
    limbs.moveTo(-2, 5);
    limbs.lineTo(6, 13);
    limbs.lineTo(7, 23);
    strokePath(p, limbs, roundPen(colour, 4.2));
}

QImage pedestrianCrossingSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        roundedPolygon(p, 3, 28.5, -90, QPointF(0, 11), 2.5, kWhite);
        for (int i = 0; i < 5; ++i) {
            const qreal x = -24 + 10.5 * i;
            fillPolygon(p, QPolygonF{{x + 2, 27}, {x + 8, 27}, {x + 5, 34}, {x - 1, 34}}, kBlack);
        }
        p.save();
        p.translate(0, 1);
        walkingPerson(p, kBlack);
        p.restore();
    });
}

// Child in a dress holding hand (sign units) with one arm and swinging the other.
void child(QPainter &p, QPointF at, qreal scale, QPointF hand)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    disc(p, {0, -24}, 5.6, kBlack);
    p.save();
    p.setPen(roundPen(kBlack, 2.5));
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{{-3, -17}, {3, -17}, {7, 0}, {-7, 0}});
    p.restore();
    QPainterPath limbs;
    limbs.moveTo(-2, 0);
    limbs.lineTo(-7, 12);
    limbs.moveTo(2, 0);
    limbs.lineTo(6, 12);
    strokePath(p, limbs, roundPen(kBlack, 3.6));
    const qreal side = hand.x() < at.x() ? 1 : -1;
    QPainterPath arms;
    arms.moveTo(side, -15);
    arms.lineTo(10 * side, -4);
    arms.moveTo(-side, -15);
    arms.lineTo((hand - at) / scale);
    strokePath(p, arms, roundPen(kBlack, 3.2));
    p.restore();
}

QImage childrenSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        const QPointF hands(-1, 12);
        child(p, QPointF(-11, 24), 0.95, hands);
        child(p, QPointF(11, 23), 1.2, hands);
    });
}

QImage sharpLeftSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPainterPath shaft;
        shaft.moveTo(9, 38);
        shaft.lineTo(9, 4);
        shaft.quadTo(9, -2, 3, -2);
        shaft.lineTo(-6, -2);
        arrow(p, shaft, 8.5, 14, 23, kBlack);
    });
}

// Traffic lights

struct Lamp {
    QColor lit;
    QColor dark;
};

const Lamp kRedLamp{QColor(0xff, 0x2a, 0x1a), QColor(0x4a, 0x14, 0x12)};
const Lamp kYellowLamp{QColor(0xff, 0xc0, 0x10), QColor(0x4a, 0x3a, 0x0c)};
const Lamp kGreenLamp{QColor(0x20, 0xe0, 0x60), QColor(0x0e, 0x3a, 0x20)};
const qreal kLampY[] = {25, 65, 105};
constexpr qreal kLampRadius = 15;

void lamp(QPainter &p, QPointF centre, const Lamp &colours, bool on)
{
    disc(p, centre, kLampRadius + 2.5, QColor(0x08, 0x08, 0x08));
    if (!on) {
        QRadialGradient shade(centre - QPointF(4, 4), kLampRadius * 1.4);
        shade.setColorAt(0, colours.dark.lighter(150));
        shade.setColorAt(1, colours.dark);
        p.setBrush(shade);
        p.drawEllipse(centre, kLampRadius, kLampRadius);
        return;
    }
    QRadialGradient lens(centre - QPointF(4, 4), kLampRadius * 1.5);
    lens.setColorAt(0, QColor(0xff, 0xff, 0xf0));
    lens.setColorAt(0.25, colours.lit.lighter(130));
    lens.setColorAt(1, colours.lit);
    p.setBrush(lens);
    p.drawEllipse(centre, kLampRadius, kLampRadius);
}

void glow(QPainter &p, QPointF centre, const QColor &colour)
{
    QRadialGradient halo(centre, kLampRadius * 2.2);
    QColor inner = colour;
    inner.setAlpha(150);
    QColor outer = colour;
    outer.setAlpha(0);
    halo.setColorAt(0.55, inner);
    halo.setColorAt(1, outer);
    p.setBrush(halo);
    p.drawEllipse(centre, kLampRadius * 2.2, kLampRadius * 2.2);
}

QImage trafficLight(int litIndex, bool flashing)
{
    return picture(kBackground, [=](QPainter &p) {
        const Lamp lamps[] = {kRedLamp, kYellowLamp, kGreenLamp};
        const QPointF lit(100, kLampY[litIndex]);
        if (flashing) {
            for (int i = 0; i < 12; ++i) {
                const qreal a = qDegreesToRadians(15 + 30.0 * i);
                const QPointF dir(std::cos(a), std::sin(a));
                line(p, lit + dir * 28, lit + dir * 40, roundPen(lamps[litIndex].lit, 3.2));
            }
        }
        glow(p, lit, lamps[litIndex].lit);
        p.setBrush(QColor(0x3c, 0x3c, 0x3c));
        p.drawRoundedRect(QRectF(76, 3, 48, 124), 9, 9);
        p.setBrush(QColor(0x1c, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(77.5, 4.5, 45, 121), 8, 8);
        for (int i = 0; i < 3; ++i)
            lamp(p, QPointF(100, kLampY[i]), lamps[i], i == litIndex);
    });
}

// Road markings (top view, road running left to right)

const QColor kAsphalt(0x4b, 0x4d, 0x50);
const QColor kPavement(0xd8, 0xd6, 0xd0);
const QColor kKerb(0xb0, 0xae, 0xa8);
const QColor kPaint(0xf4, 0xf4, 0xf0);
const QColor kYellowPaint(0xf5, 0xbe, 0x10);
constexpr qreal kRoadTop = 14;
constexpr qreal kRoadBottom = 116;
constexpr qreal kRoadMiddle = (kRoadTop + kRoadBottom) / 2;

void road(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    p.fillRect(QRectF(0, kRoadTop - 3, kWidth, kRoadBottom - kRoadTop + 6), kKerb);
    p.fillRect(QRectF(0, kRoadTop, kWidth, kRoadBottom - kRoadTop), kAsphalt);
    p.fillRect(QRectF(0, kRoadTop + 4, kWidth, 2.5), kPaint);
    p.fillRect(QRectF(0, kRoadBottom - 6.5, kWidth, 2.5), kPaint);
}

void laneArrow(QPainter &p, QPointF tail, qreal length)
{
    QPainterPath shaft;
    shaft.moveTo(tail);
    shaft.lineTo(tail + QPointF(length, 0));
    arrow(p, shaft, 4, 9, 12, kPaint);
}

QImage doubleYellowMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        p.fillRect(QRectF(0, kRoadMiddle - 6, kWidth, 3.5), kYellowPaint);
        p.fillRect(QRectF(0, kRoadMiddle + 2.5, kWidth, 3.5), kYellowPaint);
        laneArrow(p, QPointF(125, (kRoadMiddle + kRoadBottom) / 2), 30);
        laneArrow(p, QPointF(75, (kRoadTop + kRoadMiddle) / 2), -30);
    });
}

QImage zebraMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        const qreal left = 78;
        const qreal right = 122;
        const qreal laneLine = 8;
        for (qreal y = kRoadTop + 3; y + 5 <= kRoadBottom - 2; y += 10)
            p.fillRect(QRectF(left, y, right - left, 5), kPaint);
        p.fillRect(QRectF(left - laneLine - 4, kRoadMiddle, 4, kRoadBottom - kRoadMiddle - 6.5),
                   kPaint);
        p.fillRect(QRectF(right + laneLine, kRoadTop + 6.5, 4, kRoadMiddle - kRoadTop - 6.5),
                   kPaint);
        p.fillRect(QRectF(0, kRoadMiddle - 1.5, left - laneLine - 4, 3), kYellowPaint);
        p.fillRect(QRectF(right + laneLine + 4, kRoadMiddle - 1.5, kWidth, 3), kYellowPaint);
        laneArrow(p, QPointF(20, (kRoadMiddle + kRoadBottom) / 2), 30);
        laneArrow(p, QPointF(180, (kRoadTop + kRoadMiddle) / 2), -30);
    });
}

// Traffic police stop signal: left arm raised forward-up, palm to the front.

const QColor kSkin(0xf1, 0xc6, 0x9e);
const QColor kShirt(0x9c, 0xcb, 0xf0);
const QColor kNavy(0x1d, 0x2b, 0x4c);
const QColor kInk(0x2a, 0x2a, 0x34);

void glove(QPainter &p, QPointF centre, qreal angleDeg)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(-4.5, -5, 9, 10), 3, 3);
    for (int i = 0; i < 4; ++i)
        hand.addRoundedRect(QRectF(-4.5 + 2.3 * i, -10, 2.2, 7), 1.1, 1.1);
    hand.addRoundedRect(QRectF(-8.5, -3, 6, 2.4), 1.2, 1.2);
    hand.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 0.8));
    p.setBrush(kWhite);
    p.drawPath(hand.simplified());
    p.restore();
}

void policeman(QPainter &p)
{
    const QPen outline(kInk, 1.0);
    p.setPen(outline);

    // legs and shoes
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(88, 80, 11.5, 39), 2, 2);
    p.drawRoundedRect(QRectF(100.5, 80, 11.5, 39), 2, 2);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(86, 117, 14, 7), 3, 3);
    p.drawRoundedRect(QRectF(100, 117, 14, 7), 3, 3);

    // lowered right arm (viewer's left)
    line(p, {87, 50}, {81, 80}, roundPen(kInk, 9.5));
    line(p, {87, 50}, {81, 80}, roundPen(kShirt, 7.5));
    glove(p, {80.5, 86}, 180);

    // raised left arm (viewer's right)
    line(p, {113, 50}, {123, 19}, roundPen(kInk, 9.5));
    line(p, {113, 50}, {123, 19}, roundPen(kShirt, 7.5));
    glove(p, {124.5, 13}, 10);

    // neck and torso
    p.setPen(outline);
    p.setBrush(kSkin);
    p.drawRect(QRectF(96, 37, 8, 8));
    QPainterPath torso;
    torso.moveTo(89, 45);
    torso.lineTo(111, 45);
    torso.quadTo(116, 46, 116, 52);
    torso.lineTo(112, 80);
    torso.lineTo(88, 80);
    torso.lineTo(84, 52);
    torso.quadTo(84, 46, 89, 45);
    p.setBrush(kShirt);
    p.drawPath(torso);
    fillPolygon(p, QPolygonF{{98.5, 46}, {101.5, 46}, {102.5, 64}, {100, 67}, {97.5, 64}}, kNavy);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kShirt.darker(112));
    p.drawPolygon(QPolygonF{{96, 44.5}, {100, 49}, {94, 50}});
    p.drawPolygon(QPolygonF{{104, 44.5}, {100, 49}, {106, 50}});
    p.drawRect(QRectF(89, 54, 7, 6));
    p.drawRect(QRectF(104, 54, 7, 6));
    p.setBrush(QColor(0xe0, 0xb0, 0x30));
    p.drawEllipse(QPointF(92.5, 51), 1.6, 1.6);

    // belt
    p.setPen(outline);
    p.setBrush(kWhite);
    p.drawRect(QRectF(88, 76.5, 24, 4));
    p.setBrush(QColor(0xc8, 0xc8, 0xc8));
    p.drawRect(QRectF(98, 76, 4, 5));

    // head
    p.setPen(outline);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(100, 29), 8, 9.5);
    p.drawEllipse(QPointF(91.8, 30), 1.6, 2.6);
    p.drawEllipse(QPointF(108.2, 30), 1.6, 2.6);
    disc(p, {97, 29}, 1.0, kInk);
    disc(p, {103, 29}, 1.0, kInk);
    line(p, {98, 34.5}, {102, 34.5}, roundPen(QColor(0xb0, 0x50, 0x40), 1.0));

    // cap
    QPainterPath crown;
    crown.moveTo(90, 23);
    crown.lineTo(86, 15);
    crown.quadTo(100, 9, 114, 15);
    crown.lineTo(110, 23);
    crown.closeSubpath();
    p.setPen(outline);
    p.setBrush(kNavy.lighter(115));
    p.drawPath(crown);
    p.setBrush(kBlack);
    p.drawRect(QRectF(90, 20, 20, 3.5));
    QPainterPath visor;
    visor.moveTo(90, 23.5);
    visor.quadTo(100, 27.5, 110, 23.5);
    visor.closeSubpath();
    p.drawPath(visor);
    p.setPen(QPen(QColor(0x90, 0x70, 0x10), 0.6));
    p.setBrush(QColor(0xf0, 0xc8, 0x40));
    p.drawEllipse(QPointF(100, 16.5), 2.6, 2.6);
}

QImage policeStopSignal()
{
    return picture(kBackground, policeman);
}

// Dashboard warning lamps

const QColor kAmber(0xff, 0xa8, 0x00);
const QColor kLampRed(0xff, 0x2c, 0x1c);
const QColor kPanel(0x0c, 0x0c, 0x0e);

QImage dashPicture(const Drawing &icon)
{
    return picture(kBackground, [&](QPainter &p) {
        p.setBrush(QColor(0x50, 0x50, 0x54));
        p.drawRoundedRect(QRectF(11, 3, 178, 124), 12, 12);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(13, 5, 174, 120), 10, 10);
        p.translate(kWidth / 2.0, kHeight / 2.0);
        icon(p);
    });
}

QImage fuelLamp()
{
    return dashPicture([](QPainter &p) {
        p.setBrush(kAmber);
        p.drawRoundedRect(QRectF(-30, -40, 34, 68), 4, 4);
        p.drawRoundedRect(QRectF(-36, 26, 46, 9), 2, 2);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(-24, -33, 22, 19), 2, 2);
        QPainterPath hose;
        hose.moveTo(4, -12);
        hose.lineTo(11, -12);
        hose.quadTo(16, -12, 16, -6);
        hose.lineTo(16, 14);
        hose.quadTo(16, 21, 22, 21);
        hose.quadTo(28, 21, 28, 14);
        hose.lineTo(28, -22);
        strokePath(p, hose, roundPen(kAmber, 5));
        QPainterPath nozzle;
        nozzle.moveTo(24, -22);
        nozzle.lineTo(32, -22);
        nozzle.lineTo(32, -30);
        nozzle.lineTo(20, -38);
        nozzle.lineTo(17, -34);
        nozzle.lineTo(24, -29);
        nozzle.closeSubpath();
        p.setPen(roundPen(kAmber, 2));
        p.setBrush(kAmber);
        p.drawPath(nozzle);
    });
}

QImage seatbeltLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(2, 2);
        disc(p, {-2, -34}, 8.5, kLampRed);
        QPainterPath torso;
        torso.moveTo(-12, -18);
        torso.quadTo(-12, -23, -6, -23);
        torso.lineTo(4, -23);
        torso.quadTo(10, -23, 11, -17);
        torso.lineTo(14, 12);
        torso.lineTo(-10, 12);
        torso.closeSubpath();
        QPainterPath thigh;
        thigh.addRoundedRect(QRectF(-34, 2, 46, 12), 5, 5);
        QPainterPath shin;
        shin.addRoundedRect(QRectF(-36, 2, 11, 34), 5, 5);
        QPainterPath person = torso.united(thigh).united(shin);
        p.fillPath(person, kLampRed);
        line(p, {14, -28}, {20, 22}, roundPen(kLampRed, 5.5));
        line(p, {-22, 24}, {20, 24}, roundPen(kLampRed, 5.5));
        line(p, {7, -20}, {-8, 6}, roundPen(kPanel, 8));
        line(p, {7, -20}, {-8, 6}, roundPen(kLampRed, 3));
        p.setBrush(kLampRed);
        p.setPen(QPen(kPanel, 1.5));
        p.drawRoundedRect(QRectF(-13, 1, 8, 10), 1.5, 1.5);
    });
}

QImage oilPressureLamp()
{
    return dashPicture([](QPainter &p) {
        p.scale(1.3, 1.3);
        p.translate(-2, 2);
        QPainterPath can;
        can.moveTo(-24, -6);
        can.lineTo(6, -6);
        can.lineTo(30, -16);
        can.lineTo(32, -13);
        can.lineTo(12, 12);
        can.lineTo(-24, 12);
        can.closeSubpath();
        p.setPen(roundPen(kLampRed, 2));
        p.setBrush(kLampRed);
        p.drawPath(can);
        p.drawRect(QRectF(-14, -11, 8, 5));
        p.drawRect(QRectF(-17, -13, 14, 2));
        QPainterPath handle;
        handle.moveTo(-24, -3);
        handle.lineTo(-33, -9);
        handle.lineTo(-36, -4);
        handle.lineTo(-26, 8);
        strokePath(p, handle, roundPen(kLampRed, 3.2));
        p.setPen(Qt::NoPen);
        p.fillPath(teardrop(QPointF(31, 4), 3.4), kLampRed);
    });
}

bool save(const QImage &image, const QString &path)
{
    if (path.endsWith(QLatin1String(".bmp")))
        return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return image.save(path, "JPG", 92);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<std::pair<const char *, std::function<QImage()>>> pictures = {
        {"sign_stop.jpg", stopSign},
        {"sign_yield.jpg", yieldSign},
        {"sign_no_entry.jpg", noEntrySign},
        {"sign_speed_limit_40.jpg", speedLimit40Sign},
        {"sign_no_parking.jpg", noParkingSign},
        {"sign_no_left_turn.jpg", noLeftTurnSign},
        {"sign_no_uturn.jpg", noUTurnSign},
        {"sign_no_honking.jpg", noHonkingSign},
        {"sign_no_trucks.jpg", noTrucksSign},
        {"sign_height_limit.jpg", heightLimitSign},
        {"sign_go_straight.jpg", goStraightSign},
        {"sign_roundabout.jpg", roundaboutSign},
        {"sign_pedestrian_crossing.jpg", pedestrianCrossingSign},
        {"sign_children.jpg", childrenSign},
        {"sign_sharp_left.jpg", sharpLeftSign},
        {"light_red.jpg", [] { return trafficLight(0, false); }},
        {"light_yellow_flash.jpg", [] { return trafficLight(1, true); }},
        {"marking_double_yellow.jpg", doubleYellowMarking},
        {"marking_zebra.jpg", zebraMarking},
        {"police_stop.jpg", policeStopSignal},
        {"dash_fuel.jpg", fuelLamp},
        {"dash_seatbelt.jpg", seatbeltLamp},
        {"dash_oil_pressure.bmp", oilPressureLamp},
    };

    int failures = 0;
    for (const auto &[name, draw] : pictures) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (!save(draw(), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
