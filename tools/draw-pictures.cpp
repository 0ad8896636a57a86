// Draws the question pictures of the sample bank into a folder given on the command line.

#include "painting.h"

#include <QRadialGradient>

using namespace painting;

namespace {

constexpr qreal kSignScale = 1.1;

const QColor kOutline(0xa0, 0xa0, 0xa0);
const QColor kBlue(0x00, 0x56, 0xa6);
const QColor kYellow(0xfb, 0xc7, 0x00);

// Sign drawings use a 100 x 100 unit box centred on the origin.
QImage signPicture(const Drawing &draw)
{
    return picture(kBackground, [&](QPainter &p) {
        p.translate(kWidth / 2.0, kHeight / 2.0);
        p.scale(kSignScale, kSignScale);
        draw(p);
    });
}

// Draws a pictogram moved by the offset and scaled, leaving the painter as it was.
void placed(QPainter &p, QPointF offset, qreal scale, const std::function<void()> &draw)
{
    p.save();
    p.translate(offset);
    p.scale(scale, scale);
    draw();
    p.restore();
}

QPolygonF regularPolygon(int sides, qreal apothem, qreal firstVertexDeg, QPointF centre)
{
    return polygonAround(sides, apothem / std::cos(M_PI / sides), firstVertexDeg, centre);
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

// Sign arrows: the head overlaps the shaft by half a unit, whatever the width.
void arrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength, qreal headWidth,
           const QColor &colour)
{
    painting::arrow(p, shaft, width, headLength, headWidth, colour, 0.5);
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

// Round sign: grey outline, white rim and the coloured face.
void roundBase(QPainter &p, const QColor &face)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 48.5, face);
}

void prohibitionBase(QPainter &p, const QColor &inside = kWhite)
{
    roundBase(p, kRed);
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
    roundBase(p, kBlue);
}

// Warning triangle points up; its incentre sits a sixth of the height below the middle.
constexpr qreal kTriangleApothem = 100.0 / 3;
const QPointF kWarningCentre(0, 50 - kTriangleApothem);

void warningBase(QPainter &p)
{
    layeredPolygon(p, 3, kTriangleApothem, -90, kWarningCentre,
                   {{0, 5, kYellow}, {1.6, 4, kBlack}, {8.6, 1.5, kYellow}});
}

// Rectangular sign with a white rim: indication signs in blue, expressway guide signs in green.
void panelBase(QPainter &p, const QRectF &box, const QColor &colour = kBlue)
{
    p.save();
    p.setBrush(kOutline);
    p.drawRoundedRect(box.adjusted(-0.6, -0.6, 0.6, 0.6), 6.6, 6.6);
    p.setBrush(kWhite);
    p.drawRoundedRect(box, 6, 6);
    p.setBrush(colour);
    p.drawRoundedRect(box.adjusted(1.6, 1.6, -1.6, -1.6), 4.5, 4.5);
    p.restore();
}

void indicationBase(QPainter &p)
{
    panelBase(p, QRectF(-50, -50, 100, 100));
}

// End-of-restriction signs: white disc with a thin black ring.
void endOfRestrictionBase(QPainter &p)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 47, kBlack);
    disc(p, {}, 44, kWhite);
}

// The thin black slashes that cancel an earlier restriction.
void endOfRestrictionSlashes(QPainter &p)
{
    QPainterPath inner;
    inner.addEllipse(QPointF(), 44, 44);
    p.save();
    p.setClipPath(inner);
    p.rotate(-45);
    for (int i = -2; i <= 2; ++i)
        p.fillRect(QRectF(-45, 3.6 * i - 0.9, 90, 1.8), kBlack);
    p.restore();
}

// Clips later drawing to the yellow field of a warning triangle, keeping a margin from the rim.
void clipToWarningField(QPainter &p, qreal margin = 2.5)
{
    p.setClipPath(
        polygonPath(regularPolygon(3, kTriangleApothem - 8.6 - margin, -90, kWarningCentre)),
        Qt::IntersectClip);
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
        roundBase(p, kRed);
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

// Arrow turning left in a prohibition disc; mirror the painter for the right turn.
void leftTurnArrow(QPainter &p, const QColor &colour)
{
    QPainterPath shaft;
    shaft.moveTo(10, 31);
    shaft.lineTo(10, -2);
    shaft.cubicTo(10, -11, 5, -15, -4, -15);
    arrow(p, shaft, 9.5, 15, 25, colour);
}

void uTurnArrow(QPainter &p, const QColor &colour)
{
    QPainterPath shaft;
    shaft.moveTo(12, 31);
    shaft.lineTo(12, -6);
    shaft.arcTo(QRectF(-12, -18, 24, 24), 0, 180);
    shaft.lineTo(-12, 3);
    arrow(p, shaft, 8.5, 14, 23, colour);
}

void horn(QPainter &p, const QColor &colour)
{
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
    p.fillPath(horn.translated(3, 0), colour);
}

QImage noLeftTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        leftTurnArrow(p, kBlack);
        prohibitionBar(p);
    });
}

QImage noUTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        uTurnArrow(p, kBlack);
        prohibitionBar(p);
    });
}

QImage noHonkingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        horn(p, kBlack);
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

// Size limit: the value between two heads pointing at it from the rim.
void dimensionLimit(QPainter &p, const QString &text, const QRectF &textBox, bool vertical)
{
    fitText(p, text, textBox, kBlack, 0.8);
    const auto at = [vertical](qreal across, qreal along) {
        return vertical ? QPointF(across, along) : QPointF(along, across);
    };
    for (qreal side : {-1.0, 1.0})
        fillPolygon(p, QPolygonF{at(-9, 36.5 * side), at(9, 36.5 * side), at(0, 20 * side)},
                    kBlack);
}

QImage heightLimitSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        dimensionLimit(p, QStringLiteral("3.5m"), QRectF(-27, -11, 54, 22), true);
    });
}

QImage goStraightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        arrow(p, segment({0, 36}, {0, -6}), 14, 26, 40, kWhite);
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
    strokePath(p, segment({1, -12}, {-2, 5}), roundPen(colour, 7.5));
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
        placed(p, {0, 1}, 1, [&] { walkingPerson(p, kBlack); });
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

// Pictograms shared by several signs

const QColor kGreen(0x00, 0x7a, 0x3d);

// Saloon car seen from the side, facing right, wheels standing on y = 0; 64 units long.
void sideCar(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-32, -4);
    shape.lineTo(-32, -11);
    shape.quadTo(-31, -14, -26, -15);
    shape.lineTo(-18, -16);
    shape.lineTo(-11, -25);
    shape.lineTo(7, -25);
    shape.lineTo(16, -16);
    shape.lineTo(28, -14);
    shape.quadTo(32, -13, 32, -9);
    shape.lineTo(32, -4);
    shape.closeSubpath();
    p.fillPath(shape, body);
    fillPolygon(p, QPolygonF{{-15, -16.5}, {-9.5, -22.5}, {-2, -22.5}, {-2, -16.5}}, gap);
    fillPolygon(p, QPolygonF{{1, -16.5}, {1, -22.5}, {6, -22.5}, {12, -16.5}}, gap);
    for (qreal x : {-19.0, 18.0}) {
        disc(p, {x, -6}, 7.4, gap);
        disc(p, {x, -6}, 6, body);
    }
}

// Car seen from the front or the back, wheels standing on y = 0; 26 units wide.
void frontCar(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-8, -24);
    shape.lineTo(8, -24);
    shape.lineTo(11, -15);
    shape.lineTo(13, -15);
    shape.lineTo(13, -3);
    shape.lineTo(-13, -3);
    shape.lineTo(-13, -15);
    shape.lineTo(-11, -15);
    shape.closeSubpath();
    p.fillPath(shape, body);
    p.fillRect(QRectF(-12.5, -3.5, 6, 3.5), body);
    p.fillRect(QRectF(6.5, -3.5, 6, 3.5), body);
    fillPolygon(p, QPolygonF{{-6.5, -21.5}, {6.5, -21.5}, {8.5, -15.5}, {-8.5, -15.5}}, gap);
    p.fillRect(QRectF(-11, -11.5, 5, 3), gap);
    p.fillRect(QRectF(6, -11.5, 5, 3), gap);
}

// Bicycle facing right, about 60 units long, wheel hubs on y = 0.
void bicycle(QPainter &p, const QColor &colour)
{
    const QPen tube = roundPen(colour, 3.6);
    for (qreal x : {-18.0, 18.0}) {
        p.save();
        p.setPen(roundPen(colour, 3.4));
        p.drawEllipse(QPointF(x, 0), 11.5, 11.5);
        p.restore();
    }
    QPainterPath frame;
    frame.moveTo(-18, 0);
    frame.lineTo(-2, 0);
    frame.lineTo(11, -15);
    frame.lineTo(-8, -15);
    frame.lineTo(-2, 0);
    frame.moveTo(-18, 0);
    frame.lineTo(-8, -15);
    frame.lineTo(-10, -19);
    frame.moveTo(18, 0);
    frame.lineTo(10, -20);
    frame.lineTo(15, -22);
    strokePath(p, frame, tube);
    line(p, {-14, -20}, {-6, -20}, roundPen(colour, 3.6));
    disc(p, {-2, 0}, 3.2, colour);
}

// Arrow from the bottom that turns left and goes on straight ahead.
void straightOrLeftArrow(QPainter &p, const QColor &colour)
{
    arrow(p, segment({10, 36}, {10, -14}), 10, 17, 27, colour);
    QPainterPath left;
    left.moveTo(10, 14);
    left.cubicTo(10, 4, 4, 0, -10, 0);
    arrow(p, left, 10, 17, 27, colour);
}

// Two arrows for the oncoming traffic rules on narrow roads: up on the right, down on the left.
void oncomingArrows(QPainter &p, const QColor &own, qreal ownWidth, const QColor &other,
                    qreal otherWidth)
{
    arrow(p, segment({11, 32}, {11, -12}), ownWidth, 14, ownWidth * 2.3, own);
    arrow(p, segment({-11, -32}, {-11, 12}), otherWidth, 14, otherWidth * 2.3, other);
}

// Prohibition signs

QImage noThroughTrafficSign()
{
    return signPicture([](QPainter &p) { prohibitionBase(p); });
}

QImage noMotorVehiclesSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        placed(p, {0, 13}, 0.95, [&] { sideCar(p, kBlack, kWhite); });
        prohibitionBar(p);
    });
}

QImage noRightTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        p.save();
        p.scale(-1, 1);
        leftTurnArrow(p, kBlack);
        p.restore();
        prohibitionBar(p);
    });
}

QImage noStraightSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        arrow(p, segment({0, 33}, {0, -10}), 10, 18, 27, kBlack);
        prohibitionBar(p);
    });
}

QImage noLeftOrRightTurnSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath shaft;
            shaft.moveTo(0, 33);
            shaft.lineTo(0, 2);
            shaft.cubicTo(0, -7, 4 * side, -10, 12 * side, -10);
            arrow(p, shaft, 8.5, 13, 21, kBlack);
        }
        prohibitionBar(p);
    });
}

void overtakingCars(QPainter &p, const QColor &left, const QColor &right, const QColor &gap)
{
    p.save();
    p.translate(-14.5, 12);
    frontCar(p, left, gap);
    p.translate(29, 0);
    frontCar(p, right, gap);
    p.restore();
}

QImage noOvertakingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        overtakingCars(p, kRed, kBlack, kWhite);
    });
}

QImage endNoOvertakingSign()
{
    return signPicture([](QPainter &p) {
        endOfRestrictionBase(p);
        const QColor grey(0x80, 0x80, 0x80);
        overtakingCars(p, grey, grey, kWhite);
        endOfRestrictionSlashes(p);
    });
}

QImage endSpeedLimitSign()
{
    return signPicture([](QPainter &p) {
        endOfRestrictionBase(p);
        fitText(p, QStringLiteral("40"), QRectF(-24, -21, 48, 42), QColor(0x70, 0x70, 0x70), 1.0,
                true);
        endOfRestrictionSlashes(p);
    });
}

QImage noLongParkingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p, kBlue);
        prohibitionBar(p, 45);
    });
}

QImage widthLimitSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        dimensionLimit(p, QStringLiteral("3m"), QRectF(-17, -13, 34, 26), false);
    });
}

QImage weightLimitSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        fitText(p, QStringLiteral("10t"), QRectF(-26, -16, 52, 32), kBlack, 1.0);
    });
}

QImage checkpointSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        fitText(p, QStringLiteral("停车"), QRectF(-22, -21, 44, 19), kBlack, 0.6);
        fitText(p, QStringLiteral("检查"), QRectF(-22, 3, 44, 19), kBlack, 0.6);
    });
}

QImage yieldToOncomingSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        oncomingArrows(p, kRed, 7, kBlack, 9);
    });
}

// Mandatory signs

QImage turnLeftSign(bool right)
{
    return signPicture([=](QPainter &p) {
        mandatoryBase(p);
        p.scale(right ? -1.25 : 1.25, 1.25);
        p.translate(2, -1);
        leftTurnArrow(p, kWhite);
    });
}

QImage straightOrLeftSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        straightOrLeftArrow(p, kWhite);
    });
}

QImage keepRightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        arrow(p, segment({-22, -22}, {6, 6}), 12, 20, 34, kWhite);
    });
}

// Interchange route: straight on, and left by the loop to the right of the crossing.
QImage interchangeLeftSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        arrow(p, segment({-16, 40}, {-16, -22}), 7.5, 12, 20, kWhite);
        QPainterPath loop;
        loop.moveTo(0, 40);
        loop.lineTo(0, -8);
        loop.arcTo(QRectF(0, -23, 30, 30), 180, -270);
        loop.lineTo(-26, 7);
        arrow(p, loop, 7.5, 11, 19, kWhite);
    });
}

QImage honkSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        horn(p, kWhite);
    });
}

QImage minimumSpeedSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        fitText(p, QStringLiteral("50"), QRectF(-26, -22, 52, 44), kWhite, 1.0, true);
    });
}

QImage bicyclesOnlySign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        placed(p, {0, 7}, 1.15, [&] { bicycle(p, kWhite); });
    });
}

QImage pedestriansOnlySign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        placed(p, {0, 1}, 1.45, [&] { walkingPerson(p, kWhite); });
    });
}

QImage oneWaySign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-72, -32, 144, 64));
        arrow(p, segment({-56, 0}, {26, 0}), 14, 28, 40, kWhite);
    });
}

QImage motorVehicleLaneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-40, -52, 80, 104));
        placed(p, {0, -8}, 1.5, [&] { frontCar(p, kWhite, kBlue); });
        arrow(p, segment({0, 2}, {0, 24}), 8, 14, 22, kWhite);
    });
}

// Indication and guide signs

QImage parkingSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        fitText(p, QStringLiteral("P"), QRectF(-30, -34, 60, 68), kWhite, 2.0);
    });
}

QImage priorityOverOncomingSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        oncomingArrows(p, kWhite, 10, kRed, 6.5);
    });
}

QImage uTurnSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        p.scale(1.35, 1.35);
        p.translate(0, -1);
        uTurnArrow(p, kWhite);
    });
}

QImage laneReductionSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        const QPen edge = flatPen(kWhite, 3);
        line(p, {-34, 44}, {-34, -44}, edge);
        QPainterPath right;
        right.moveTo(34, 44);
        right.lineTo(34, 14);
        right.lineTo(12, -8);
        right.lineTo(12, -44);
        strokePath(p, right, edge);
        const QPen dashes = dashPen(kWhite, 2.5, 7.5, 6);
        line(p, {-11, 44}, {-11, -44}, dashes);
        line(p, {12, 44}, {12, 16}, dashes);
        arrow(p, segment({-22.5, 38}, {-22.5, -26}), 4.5, 9, 12, kWhite);
        arrow(p, segment({0.5, -12}, {0.5, -30}), 4.5, 9, 12, kWhite);
        QPainterPath merge;
        merge.moveTo(23, 40);
        merge.lineTo(23, 24);
        merge.cubicTo(23, 14, 10, 10, 6, 2);
        arrow(p, merge, 4.5, 9, 12, kWhite);
    });
}

// Expressway emblem: a divided road running into the distance under an overpass.
void expresswayEmblem(QPainter &p, const QColor &colour)
{
    fillPolygon(p, QPolygonF{{-30, 16}, {-4, 16}, {-1.2, -30}, {-6, -30}}, colour);
    fillPolygon(p, QPolygonF{{30, 16}, {4, 16}, {1.2, -30}, {6, -30}}, colour);
    p.fillRect(QRectF(-30, -17, 60, 6), colour);
    p.fillRect(QRectF(-26, -11, 5, 6), colour);
    p.fillRect(QRectF(21, -11, 5, 6), colour);
}

QImage expresswayStartSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-56, -52, 112, 104), kGreen);
        placed(p, {0, -6}, 1.05, [&] { expresswayEmblem(p, kWhite); });
        fitText(p, QStringLiteral("起点"), QRectF(-26, 22, 52, 22), kWhite, 0.8);
    });
}

QImage emergencyStopSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -52, 160, 104), kGreen);
        const QPen edge = flatPen(kWhite, 3);
        QPainterPath road;
        road.moveTo(-66, -36);
        road.lineTo(66, -36);
        road.moveTo(-66, 0);
        road.lineTo(-30, 0);
        road.lineTo(-20, 14);
        road.lineTo(20, 14);
        road.lineTo(30, 0);
        road.lineTo(66, 0);
        strokePath(p, road, edge);
        const QPen dashes = dashPen(kWhite, 2.5, 10, 7.5);
        line(p, {-66, -18}, {66, -18}, dashes);
        placed(p, {0, 10}, 0.55, [&] { sideCar(p, kWhite, kGreen); });
        fitText(p, QStringLiteral("紧急停车带"), QRectF(-60, 22, 120, 22), kWhite, 0.6);
    });
}

// Guide sign ahead of a crossroads: names of the roads and places each way.
QImage directionSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -54, 168, 108));
        arrow(p, segment({0, 46}, {0, -14}), 9, 14, 22, kWhite);
        for (qreal side : {-1.0, 1.0})
            arrow(p, segment({0, 14}, {26 * side, 14}), 9, 14, 22, kWhite);
        fitText(p, QStringLiteral("人民路"), QRectF(-26, -48, 52, 16), kWhite, 0.4);
        fitText(p, QStringLiteral("西站"), QRectF(-80, 5, 38, 18), kWhite, 0.4);
        fitText(p, QStringLiteral("东湖"), QRectF(42, 5, 38, 18), kWhite, 0.4);
    });
}

// Warning signs

QImage crossroadsSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-4.5, -18, 9, 56), kBlack);
        p.fillRect(QRectF(-22, 7, 44, 9), kBlack);
    });
}

QImage tJunctionSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-23, 4, 46, 9), kBlack);
        p.fillRect(QRectF(-4.5, 4, 9, 34), kBlack);
    });
}

QImage pedestriansSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        for (int i = 0; i < 5; ++i)
            p.fillRect(QRectF(-24 + 10 * i, 33, 7, 3.5), kBlack);
        placed(p, {0, 8}, 1.05, [&] { walkingPerson(p, kBlack); });
    });
}

QImage fallingRocksSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        clipToWarningField(p);
        fillPolygon(
            p,
            QPolygonF{{-50, 40}, {-50, -40}, {-14, -8}, {-18, 0}, {-11, 10}, {-16, 20}, {-8, 40}},
            kBlack);
        fillPolygon(p, QPolygonF{{-4, -6}, {3, -8}, {5, -1}, {-1, 2}, {-5, 0}}, kBlack);
        fillPolygon(p, QPolygonF{{5, 10}, {12, 7}, {15, 13}, {11, 19}, {5, 17}}, kBlack);
        fillPolygon(p, QPolygonF{{8, 28}, {16, 26}, {21, 32}, {17, 38}, {9, 37}}, kBlack);
        p.fillRect(QRectF(-10, 38, 60, 4), kBlack);
    });
}

QImage mountainRoadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        clipToWarningField(p);
        QPainterPath ground;
        ground.moveTo(-50, 45);
        ground.lineTo(-50, -40);
        ground.lineTo(-9, -18);
        ground.lineTo(-6, -7);
        ground.lineTo(-8, 0);
        ground.lineTo(-4, 14);
        ground.lineTo(12, 14);
        ground.lineTo(16, 45);
        ground.closeSubpath();
        p.fillPath(ground, kBlack);
    });
}

QImage windingRoadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPainterPath shaft;
        shaft.moveTo(-2, 37);
        shaft.cubicTo(-2, 31, 9, 31, 9, 24);
        shaft.cubicTo(9, 17, -9, 17, -9, 10);
        shaft.cubicTo(-9, 3, 0, 3, 0, -3);
        shaft.lineTo(0, -4);
        arrow(p, shaft, 6.5, 11, 18, kBlack);
    });
}

// Slope as a black wedge with a car on it facing right; uphill or downhill.
QImage steepSlopeSign(bool uphill)
{
    return signPicture([=](QPainter &p) {
        warningBase(p);
        clipToWarningField(p);
        const qreal rise = uphill ? -1 : 1;
        const QPointF left(-50, 22 - 22 * rise);
        const QPointF right(50, 22 + 22 * rise);
        fillPolygon(p, QPolygonF{left, right, {50, 50}, {-50, 50}}, kBlack);
        const qreal angle = qRadiansToDegrees(std::atan2(right.y() - left.y(), 100));
        p.translate(0, 22 - 1.5);
        p.rotate(angle);
        p.scale(0.62, 0.62);
        sideCar(p, kBlack, kYellow);
    });
}

QImage narrowBridgeSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath rail;
            rail.moveTo(20 * side, 40);
            rail.lineTo(20 * side, 30);
            rail.lineTo(9 * side, 22);
            rail.lineTo(9 * side, 0);
            rail.lineTo(15 * side, -8);
            strokePath(p, rail, flatPen(kBlack, 5));
        }
    });
}

QImage signalLightsSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        p.setBrush(kBlack);
        p.drawRoundedRect(QRectF(-8.5, -14, 17, 51), 3.5, 3.5);
        p.restore();
        disc(p, {0, -5}, 5.6, kRed);
        disc(p, {0, 11.5}, 5.6, kYellow);
        disc(p, {0, 28}, 5.6, QColor(0x10, 0xa0, 0x40));
    });
}

QImage slipperySign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 6}, 0.95, [&] { frontCar(p, kBlack, kYellow); });
        for (qreal x : {-9.0, 9.0}) {
            QPainterPath track;
            track.moveTo(x, 9);
            track.cubicTo(x + 14, 16, x - 14, 26, x + 4, 38);
            strokePath(p, track, roundPen(kBlack, 3.2));
        }
    });
}

QImage accidentSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPolygonF star;
        for (int i = 0; i < 16; ++i) {
            const qreal a = qDegreesToRadians(22.5 * i - 90);
            const qreal r = i % 2 == 0 ? 14 : 6;
            star << QPointF(r * std::cos(a), 12 + r * std::sin(a));
        }
        fillPolygon(p, star, kBlack);
        for (qreal side : {-1.0, 1.0}) {
            p.save();
            p.translate(-16.5 * side, 37);
            p.rotate(14 * side);
            p.scale(0.52 * side, 0.52);
            sideCar(p, kBlack, kYellow);
            p.restore();
        }
    });
}

QImage bicyclesSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 24}, 0.8, [&] { bicycle(p, kBlack); });
    });
}

QImage gatedRailwaySign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        for (int i = -2; i <= 2; ++i) {
            const qreal x = 9 * i;
            fillPolygon(p,
                        QPolygonF{{x - 2.5, 36}, {x - 2.5, 6}, {x, 2}, {x + 2.5, 6}, {x + 2.5, 36}},
                        kBlack);
        }
        p.fillRect(QRectF(-25, 12, 50, 4.5), kBlack);
        p.fillRect(QRectF(-29, 26, 58, 4.5), kBlack);
    });
}

QImage ungatedRailwaySign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(1, 4);
        QPainterPath engine;
        engine.addRoundedRect(QRectF(-24, 10, 30, 14), 4, 4);
        engine.addRect(QRectF(4, -2, 20, 26));
        engine.addRect(QRectF(1, -5, 26, 4));
        engine.addRect(QRectF(-18, 0, 6, 11));
        engine.addRect(QRectF(-21, -2, 12, 4));
        engine.addRect(QRectF(-27, 22, 54, 4));
        engine.setFillRule(Qt::WindingFill);
        p.fillPath(engine, kBlack);
        p.fillRect(QRectF(9, 2, 10, 8), kYellow);
        for (qreal x : {-17.0, -5.0, 15.0}) {
            disc(p, {x, 29}, 6.2, kYellow);
            disc(p, {x, 29}, 5, kBlack);
        }
        fillPolygon(p, QPolygonF{{-24, 24}, {-31, 33}, {-24, 33}}, kBlack);
    });
}

QImage tunnelSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        clipToWarningField(p);
        QPainterPath portal;
        portal.addRect(QRectF(-50, -4, 100, 50));
        QPainterPath opening;
        opening.moveTo(-14, 46);
        opening.lineTo(-14, 18);
        opening.arcTo(QRectF(-14, 4, 28, 28), 180, -180);
        opening.lineTo(14, 46);
        opening.closeSubpath();
        p.fillPath(portal.subtracted(opening), kBlack);
        p.fillRect(QRectF(-1.2, 24, 2.4, 5), kBlack);
        p.fillRect(QRectF(-1.2, 33, 2.4, 6), kBlack);
    });
}

QImage roadWorksSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPainterPath pile;
        pile.moveTo(2, 38);
        pile.quadTo(14, 20, 30, 38);
        pile.closeSubpath();
        p.fillPath(pile, kBlack);
        disc(p, {-12, -6}, 5, kBlack);
        line(p, {-10, 2}, {-3, 18}, roundPen(kBlack, 7.5));
        QPainterPath limbs;
        limbs.moveTo(-3, 18);
        limbs.lineTo(-12, 26);
        limbs.lineTo(-14, 37);
        limbs.moveTo(-3, 18);
        limbs.lineTo(4, 27);
        limbs.lineTo(6, 37);
        limbs.moveTo(-9, 4);
        limbs.lineTo(-2, 12);
        limbs.lineTo(7, 14);
        limbs.moveTo(-9, 4);
        limbs.lineTo(-4, 9);
        limbs.lineTo(4, 4);
        strokePath(p, limbs, roundPen(kBlack, 4));
        line(p, {-2, -2}, {16, 24}, roundPen(kBlack, 2.4));
        fillPolygon(p, QPolygonF{{13, 22}, {20, 19}, {23, 28}, {18, 30}}, kBlack);
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
    arrow(p, segment(tail, tail + QPointF(length, 0)), 4, 9, 12, kPaint);
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

// Lengthwise line across the road; dashed lines have 15-unit dashes and 10-unit gaps.
void laneLine(QPainter &p, qreal y, const QColor &colour, bool dashed, qreal from = 0,
              qreal to = kWidth)
{
    const qreal width = 2.5;
    if (!dashed) {
        p.fillRect(QRectF(from, y - width / 2, to - from, width), colour);
        return;
    }
    for (qreal x = from; x < to; x += 25)
        p.fillRect(QRectF(x, y - width / 2, std::min<qreal>(15, to - x), width), colour);
}

void doubleLaneLine(QPainter &p, qreal y, const QColor &colour, bool dashed, qreal from = 0,
                    qreal to = kWidth)
{
    laneLine(p, y - 2.5, colour, dashed, from, to);
    laneLine(p, y + 2.5, colour, dashed, from, to);
}

// Turn arrow painted in a lane for traffic running right: -1 turns left (up), 1 right (down).
void turnLaneArrow(QPainter &p, QPointF tail, int turn)
{
    QPainterPath shaft;
    shaft.moveTo(tail);
    shaft.lineTo(tail + QPointF(17, 0));
    shaft.quadTo(tail + QPointF(25, 0), tail + QPointF(25, 6.0 * turn));
    arrow(p, shaft, 4, 7, 12, kPaint);
}

// Three lanes approaching a junction on the right, below one lane of oncoming traffic.
constexpr qreal kApproachTop = 38.5;
constexpr qreal kStopLineX = 166;
const qreal kApproachLanes[] = {52.3, 75, 97.7};

void junctionApproach(QPainter &p)
{
    road(p);
    p.fillRect(QRectF(kStopLineX + 4, kRoadTop, kWidth, kRoadBottom - kRoadTop), kAsphalt);
    doubleLaneLine(p, kApproachTop, kYellowPaint, false, 0, kStopLineX);
    p.fillRect(QRectF(kStopLineX, kApproachTop + 3, 4, kRoadBottom - 6.5 - kApproachTop - 3),
               kPaint);
    laneArrow(p, QPointF(120, (kRoadTop + kApproachTop) / 2 + 1), -26);
}

QImage sameDirectionDashedMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        laneLine(p, kRoadMiddle, kPaint, true, -5);
        laneArrow(p, QPointF(40, (kRoadTop + kRoadMiddle) / 2 + 1), 30);
        laneArrow(p, QPointF(130, (kRoadMiddle + kRoadBottom) / 2 - 1), 30);
    });
}

QImage guideLanesMarking()
{
    return picture(kBackground, [](QPainter &p) {
        junctionApproach(p);
        for (int i = 0; i < 2; ++i) {
            const qreal y = (kApproachLanes[i] + kApproachLanes[i + 1]) / 2;
            laneLine(p, y, kPaint, true, -10, 70);
            laneLine(p, y, kPaint, false, 80, kStopLineX);
        }
        turnLaneArrow(p, QPointF(112, kApproachLanes[0] + 4), -1);
        laneArrow(p, QPointF(112, kApproachLanes[1]), 30);
        turnLaneArrow(p, QPointF(112, kApproachLanes[2] - 4), 1);
    });
}

// Zigzag lane line of a lane whose direction is set by signals.
void zigzagLine(QPainter &p, qreal y, qreal from, qreal to)
{
    QPainterPath zigzag;
    zigzag.moveTo(from, y);
    bool up = true;
    for (qreal x = from + 5; x <= to; x += 5, up = !up)
        zigzag.lineTo(x, y + (up ? -2.5 : 2.5));
    strokePath(p, zigzag, QPen(kPaint, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
}

QImage variableLaneMarking()
{
    return picture(kBackground, [](QPainter &p) {
        junctionApproach(p);
        for (int i = 0; i < 2; ++i) {
            const qreal y = (kApproachLanes[i] + kApproachLanes[i + 1]) / 2;
            laneLine(p, y, kPaint, true, -10, 40);
            zigzagLine(p, y, 50, kStopLineX);
        }
        turnLaneArrow(p, QPointF(118, kApproachLanes[0] + 4), -1);
        laneArrow(p, QPointF(118, kApproachLanes[2]), 30);
    });
}

QImage busLaneMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        doubleLaneLine(p, 41, kYellowPaint, false);
        laneLine(p, 77, kYellowPaint, true, -5);
        laneArrow(p, QPointF(120, 29.5), -26);
        laneArrow(p, QPointF(20, 60), 28);
        fitText(p, QStringLiteral("公交专用"), QRectF(92, 84, 76, 20), kPaint, 0.4);
    });
}

QImage tidalLaneMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        doubleLaneLine(p, 43, kYellowPaint, true, -5);
        doubleLaneLine(p, 65, kYellowPaint, true, -5);
        laneLine(p, 87.5, kPaint, true, -5);
        laneArrow(p, QPointF(150, 31.5), -26);
        laneArrow(p, QPointF(40, 76.5), 26);
        laneArrow(p, QPointF(130, 98.5), 26);
    });
}

QImage channelizingMarking()
{
    return picture(kBackground, [](QPainter &p) {
        road(p);
        const QPolygonF wedge{{18, 65}, {142, 45}, {142, 85}};
        p.save();
        p.setClipPath(polygonPath(wedge));
        for (qreal x = 0; x < 200; x += 9)
            line(p, {x, 90}, {x + 50, 40}, flatPen(kPaint, 3));
        p.restore();
        p.save();
        p.setPen(QPen(kPaint, 2.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(wedge);
        p.restore();
        p.fillRect(QRectF(146, 44, kWidth, 42), kKerb);
        p.fillRect(QRectF(149, 47, kWidth, 36), QColor(0x7c, 0xa0, 0x5a));
        laneArrow(p, QPointF(60, 33), 30);
        laneArrow(p, QPointF(60, 97), 30);
    });
}

// Yellow box junction seen from above.
QImage yellowGridMarking()
{
    return picture(kBackground, [](QPainter &p) {
        const QRectF box(64, 28, 72, 74);
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        p.fillRect(QRectF(0, box.top() - 3, kWidth, box.height() + 6), kKerb);
        p.fillRect(QRectF(box.left() - 3, 0, box.width() + 6, kHeight), kKerb);
        p.fillRect(QRectF(0, box.top(), kWidth, box.height()), kAsphalt);
        p.fillRect(QRectF(box.left(), 0, box.width(), kHeight), kAsphalt);
        const QPointF c = box.center();
        laneLine(p, c.y(), kYellowPaint, false, 0, box.left() - 6);
        laneLine(p, c.y(), kYellowPaint, false, box.right() + 6, kWidth);
        p.fillRect(QRectF(c.x() - 1.25, 0, 2.5, box.top() - 6), kYellowPaint);
        p.fillRect(QRectF(c.x() - 1.25, box.bottom() + 6, 2.5, kHeight), kYellowPaint);
        p.fillRect(QRectF(box.left() - 7, c.y() + 2, 3, box.height() / 2 - 4), kPaint);
        p.fillRect(QRectF(box.right() + 4, box.top() + 2, 3, box.height() / 2 - 4), kPaint);
        p.fillRect(QRectF(box.left() + 2, box.top() - 7, box.width() / 2 - 4, 3), kPaint);
        p.fillRect(QRectF(c.x() + 2, box.bottom() + 4, box.width() / 2 - 4, 3), kPaint);
        const QRectF grid = box.adjusted(1, 1, -1, -1);
        QPainterPath inside;
        inside.addRect(grid);
        p.save();
        p.setClipPath(inside);
        for (qreal d = -80; d < 160; d += 11) {
            line(p, {grid.left() + d, grid.top()}, {grid.left() + d + 80, grid.top() + 80},
                 flatPen(kYellowPaint, 1.8));
            line(p, {grid.left() + d, grid.top()}, {grid.left() + d - 80, grid.top() + 80},
                 flatPen(kYellowPaint, 1.8));
        }
        p.restore();
        p.save();
        p.setPen(QPen(kYellowPaint, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawRect(grid);
        p.restore();
    });
}

// Side road coming up from the bottom into a main road along the top; the right half of the
// side road carries traffic towards the junction.
constexpr qreal kMainRoadBottom = 40;
constexpr qreal kSideRoadLeft = 56;
constexpr qreal kSideRoadRight = 144;
constexpr qreal kSideRoadMiddle = (kSideRoadLeft + kSideRoadRight) / 2;
const QRectF kInboundLane(kSideRoadMiddle + 2, 48, kSideRoadRight - kSideRoadMiddle - 5, 82);

void sideRoadJunction(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    p.fillRect(QRectF(0, 0, kWidth, kMainRoadBottom + 3), kKerb);
    p.fillRect(QRectF(kSideRoadLeft - 3, 0, kSideRoadRight - kSideRoadLeft + 6, kHeight), kKerb);
    p.fillRect(QRectF(0, 0, kWidth, kMainRoadBottom), kAsphalt);
    p.fillRect(QRectF(kSideRoadLeft, 0, kSideRoadRight - kSideRoadLeft, kHeight), kAsphalt);
    laneLine(p, kMainRoadBottom / 2, kYellowPaint, false, 0, kSideRoadLeft - 4);
    laneLine(p, kMainRoadBottom / 2, kYellowPaint, false, kSideRoadRight + 4, kWidth);
    p.fillRect(QRectF(kSideRoadMiddle - 1.25, kMainRoadBottom + 8, 2.5, kHeight), kYellowPaint);
    p.fillRect(QRectF(kSideRoadLeft + 3, 48, 2.5, kHeight), kPaint);
    p.fillRect(QRectF(kSideRoadRight - 5.5, 48, 2.5, kHeight), kPaint);
}

QImage stopLineMarking()
{
    return picture(kBackground, [](QPainter &p) {
        sideRoadJunction(p);
        const QRectF &lane = kInboundLane;
        p.fillRect(QRectF(lane.left(), lane.top(), lane.width(), 3.5), kPaint);
        p.fillRect(QRectF(lane.left(), lane.top() + 6.5, lane.width(), 3.5), kPaint);
        fitText(p, QStringLiteral("停"), QRectF(lane.left() + 8, 74, lane.width() - 16, 48), kPaint,
                0.8, true);
    });
}

QImage yieldLineMarking()
{
    return picture(kBackground, [](QPainter &p) {
        sideRoadJunction(p);
        const QRectF &lane = kInboundLane;
        for (qreal x = lane.left(); x < lane.right(); x += 8) {
            const qreal w = std::min<qreal>(5, lane.right() - x);
            p.fillRect(QRectF(x, lane.top(), w, 3), kPaint);
            p.fillRect(QRectF(x, lane.top() + 6, w, 3), kPaint);
        }
        const qreal mid = lane.center().x();
        fillPolygon(p, QPolygonF{{mid - 15, 72}, {mid + 15, 72}, {mid, 122}}, kPaint);
        fillPolygon(p, QPolygonF{{mid - 9, 76.5}, {mid + 9, 76.5}, {mid, 106}}, kAsphalt);
    });
}

// Traffic police stop signal: left arm raised forward-up, palm to the front.

void policeman(QPainter &p)
{
    officerLegs(p);

    // lowered right arm (viewer's left)
    line(p, {87, 50}, {81, 80}, roundPen(kInk, 9.5));
    line(p, {87, 50}, {81, 80}, roundPen(kShirt, 7.5));
    glove(p, {80.5, 86}, 180, Hand::Palm, 1, Side::Left);

    // raised left arm (viewer's right)
    line(p, {113, 50}, {123, 19}, roundPen(kInk, 9.5));
    line(p, {113, 50}, {123, 19}, roundPen(kShirt, 7.5));
    glove(p, {124.5, 13}, 10, Hand::Palm, 1, Side::Left);

    officerTorso(p);
    officerHead(p);
}

QImage policeStopSignal()
{
    return picture(kBackground, policeman);
}

// Dashboard warning lamps

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

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-pictures",
                   {
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
                       {"sign_no_through_traffic.jpg", noThroughTrafficSign},
                       {"sign_no_motor_vehicles.jpg", noMotorVehiclesSign},
                       {"sign_no_right_turn.jpg", noRightTurnSign},
                       {"sign_no_straight.jpg", noStraightSign},
                       {"sign_no_left_right_turn.jpg", noLeftOrRightTurnSign},
                       {"sign_no_overtaking.jpg", noOvertakingSign},
                       {"sign_end_no_overtaking.jpg", endNoOvertakingSign},
                       {"sign_end_speed_limit_40.jpg", endSpeedLimitSign},
                       {"sign_no_long_parking.jpg", noLongParkingSign},
                       {"sign_width_limit.jpg", widthLimitSign},
                       {"sign_weight_limit.jpg", weightLimitSign},
                       {"sign_checkpoint.jpg", checkpointSign},
                       {"sign_yield_oncoming.jpg", yieldToOncomingSign},
                       {"sign_turn_left.jpg", [] { return turnLeftSign(false); }},
                       {"sign_turn_right.jpg", [] { return turnLeftSign(true); }},
                       {"sign_straight_or_left.jpg", straightOrLeftSign},
                       {"sign_keep_right.jpg", keepRightSign},
                       {"sign_interchange_left.jpg", interchangeLeftSign},
                       {"sign_honk.jpg", honkSign},
                       {"sign_minimum_speed_50.jpg", minimumSpeedSign},
                       {"sign_bicycles_only.jpg", bicyclesOnlySign},
                       {"sign_pedestrians_only.jpg", pedestriansOnlySign},
                       {"sign_one_way.jpg", oneWaySign},
                       {"sign_motor_vehicle_lane.jpg", motorVehicleLaneSign},
                       {"sign_parking.jpg", parkingSign},
                       {"sign_priority_oncoming.jpg", priorityOverOncomingSign},
                       {"sign_uturn.jpg", uTurnSign},
                       {"sign_lane_reduction.jpg", laneReductionSign},
                       {"sign_expressway_start.jpg", expresswayStartSign},
                       {"sign_emergency_stop.jpg", emergencyStopSign},
                       {"sign_direction.jpg", directionSign},
                       {"sign_crossroads.jpg", crossroadsSign},
                       {"sign_t_junction.jpg", tJunctionSign},
                       {"sign_pedestrians.jpg", pedestriansSign},
                       {"sign_falling_rocks.jpg", fallingRocksSign},
                       {"sign_mountain_road.jpg", mountainRoadSign},
                       {"sign_winding_road.jpg", windingRoadSign},
                       {"sign_steep_uphill.jpg", [] { return steepSlopeSign(true); }},
                       {"sign_steep_downhill.jpg", [] { return steepSlopeSign(false); }},
                       {"sign_narrow_bridge.jpg", narrowBridgeSign},
                       {"sign_signal_lights.jpg", signalLightsSign},
                       {"sign_slippery.jpg", slipperySign},
                       {"sign_accident_zone.jpg", accidentSign},
                       {"sign_bicycles.jpg", bicyclesSign},
                       {"sign_railway_gated.jpg", gatedRailwaySign},
                       {"sign_railway_ungated.jpg", ungatedRailwaySign},
                       {"sign_tunnel.jpg", tunnelSign},
                       {"sign_road_works.jpg", roadWorksSign},
                       {"light_red.jpg", [] { return trafficLight(0, false); }},
                       {"light_yellow_flash.jpg", [] { return trafficLight(1, true); }},
                       {"marking_double_yellow.jpg", doubleYellowMarking},
                       {"marking_zebra.jpg", zebraMarking},
                       {"marking_lane_dashed.jpg", sameDirectionDashedMarking},
                       {"marking_guide_lanes.jpg", guideLanesMarking},
                       {"marking_variable_lane.jpg", variableLaneMarking},
                       {"marking_bus_lane.jpg", busLaneMarking},
                       {"marking_tidal_lane.jpg", tidalLaneMarking},
                       {"marking_channelizing.jpg", channelizingMarking},
                       {"marking_yellow_grid.jpg", yellowGridMarking},
                       {"marking_stop_line.jpg", stopLineMarking},
                       {"marking_yield_line.jpg", yieldLineMarking},
                       {"police_stop.jpg", policeStopSignal},
                       {"dash_fuel.jpg", fuelLamp},
                       {"dash_seatbelt.jpg", seatbeltLamp},
                       {"dash_oil_pressure.bmp", oilPressureLamp},
                   });
}
