// Draws the road markings and signal lamps of the question bank into a folder given on the command
// line.

#include "signs.h"
#include "scenes.h"

using namespace painting;

namespace {

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
    signArrow(p, segment(tail, tail + QPointF(length, 0)), 4, 9, 12, kPaint);
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
    signArrow(p, shaft, 4, 7, 12, kPaint);
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

// Markings seen from above, drawn with one lane width of about 30 pixels.

// Car or lorry of the scenes at the size used in these pictures.
void car(QPainter &p, QPointF at, qreal angle, const QColor &body)
{
    carTop(p, at, angle, body, 27, 13);
}

// Solid or dashed line between two points, 2.5 wide; dashes of 14 with gaps of 9.
void stroke(QPainter &p, QPointF from, QPointF to, const QColor &colour, bool dashed,
            qreal width = 2.5)
{
    line(p, from, to, dashed ? dashPen(colour, width, 14, 9) : flatPen(colour, width));
}

// Two-way road across the picture with one lane each way, the centre line drawn by the caller.
constexpr qreal kTwoWayTop = 30;
constexpr qreal kTwoWayBottom = 100;
constexpr qreal kTwoWayMiddle = (kTwoWayTop + kTwoWayBottom) / 2;

void twoWayRoad(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    p.fillRect(QRectF(0, kTwoWayTop - 3, kWidth, kTwoWayBottom - kTwoWayTop + 6), kKerb);
    p.fillRect(QRectF(0, kTwoWayTop, kWidth, kTwoWayBottom - kTwoWayTop), kAsphalt);
    stroke(p, {0, kTwoWayTop + 4}, {kWidth, kTwoWayTop + 4}, kPaint, false, 2);
    stroke(p, {0, kTwoWayBottom - 4}, {kWidth, kTwoWayBottom - 4}, kPaint, false, 2);
}

QImage yellowDashedCentreMarking()
{
    return picture(kBackground, [](QPainter &p) {
        twoWayRoad(p);
        stroke(p, {-4, kTwoWayMiddle}, {kWidth, kTwoWayMiddle}, kYellowPaint, true, 3);
        car(p, {150, 48}, 180, kBlueCar);
        laneArrow(p, QPointF(70, 48), -26);
        car(p, {40, 82}, 0, kOwnCar);
        laneArrow(p, QPointF(120, 82), 26);
    });
}

// Slow lorry ahead of the own car on a two-way road with the given centre line.
QImage centreLineScene(const std::function<void(QPainter &)> &centreLine)
{
    return picture(kBackground, [=](QPainter &p) {
        twoWayRoad(p);
        centreLine(p);
        truckTop(p, {128, 82}, 0, QColor(0x3a, 0x8a, 0x5a), QColor(0xc8, 0xc0, 0xb0), 52, 16);
        car(p, {62, 82}, 0, kOwnCar);
        laneArrow(p, QPointF(120, 48), -26);
    });
}

QImage singleYellowSolidMarking()
{
    return centreLineScene([](QPainter &p) {
        stroke(p, {0, kTwoWayMiddle}, {kWidth, kTwoWayMiddle}, kYellowPaint, false, 3);
    });
}

// Yellow solid line on the upper side, dashed on the side of the own car.
QImage yellowSolidDashedMarking()
{
    return picture(kBackground, [](QPainter &p) {
        twoWayRoad(p);
        stroke(p, {0, kTwoWayMiddle - 3}, {kWidth, kTwoWayMiddle - 3}, kYellowPaint, false, 2.5);
        stroke(p, {-4, kTwoWayMiddle + 3}, {kWidth, kTwoWayMiddle + 3}, kYellowPaint, true, 2.5);
        car(p, {36, 83}, 0, kOwnCar);
        truckTop(p, {96, 83}, 0, QColor(0x3a, 0x8a, 0x5a), QColor(0xc8, 0xc0, 0xb0), 50, 16);
        car(p, {172, 47}, 180, kBlueCar);
        truckTop(p, {118, 47}, 180, QColor(0x9a, 0x5a, 0x2a), QColor(0xc8, 0xc0, 0xb0), 50, 16);
    });
}

// One-way carriageway of two lanes running right, with the line between them drawn by the caller.
constexpr qreal kPairTop = 34;
constexpr qreal kPairBottom = 100;
constexpr qreal kPairMiddle = (kPairTop + kPairBottom) / 2;

void lanePair(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    p.fillRect(QRectF(0, kPairTop - 3, kWidth, kPairBottom - kPairTop + 6), kKerb);
    p.fillRect(QRectF(0, kPairTop, kWidth, kPairBottom - kPairTop), kAsphalt);
    stroke(p, {0, kPairTop + 4}, {kWidth, kPairTop + 4}, kYellowPaint, false, 2);
    stroke(p, {0, kPairBottom - 4}, {kWidth, kPairBottom - 4}, kPaint, false, 2);
}

QImage whiteSolidLaneMarking()
{
    return picture(kBackground, [](QPainter &p) {
        lanePair(p);
        stroke(p, {0, kPairMiddle}, {kWidth, kPairMiddle}, kPaint, false, 2.8);
        car(p, {60, 51}, 0, kBlueCar);
        car(p, {110, 83}, 0, kOwnCar);
        laneArrow(p, QPointF(150, 51), 26);
        laneArrow(p, QPointF(150, 83), 26);
    });
}

// Solid on the side of the upper lane, dashed on the side of the lower one.
QImage whiteSolidDashedMarking()
{
    return picture(kBackground, [](QPainter &p) {
        lanePair(p);
        stroke(p, {0, kPairMiddle - 2.8}, {kWidth, kPairMiddle - 2.8}, kPaint, false, 2.2);
        stroke(p, {-4, kPairMiddle + 2.8}, {kWidth, kPairMiddle + 2.8}, kPaint, true, 2.2);
        car(p, {110, 50}, 0, kBlueCar);
        car(p, {60, 84}, 0, kOwnCar);
        laneArrow(p, QPointF(152, 50), 26);
        laneArrow(p, QPointF(152, 84), 26);
    });
}

// Edge line along the kerb, dashed where a driveway leaves the road.
QImage edgeLineMarking()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        const qreal top = 14, bottom = 92;
        p.fillRect(QRectF(0, top - 3, kWidth, bottom - top + 6), kKerb);
        p.fillRect(QRectF(118, bottom, 46, kHeight), kKerb);
        p.fillRect(QRectF(0, top, kWidth, bottom - top), kAsphalt);
        p.fillRect(QRectF(121, bottom - 1, 40, kHeight), QColor(0x8a, 0x8a, 0x86));
        stroke(p, {0, top + 4}, {kWidth, top + 4}, kPaint, false, 2);
        stroke(p, {0, (top + bottom) / 2 - 6}, {kWidth, (top + bottom) / 2 - 6}, kYellowPaint,
               false, 2.5);
        stroke(p, {0, bottom - 4}, {114, bottom - 4}, kPaint, false, 2.8);
        for (qreal x = 114; x < 166; x += 13)
            p.fillRect(QRectF(x, bottom - 5.4, 7, 2.8), kPaint);
        stroke(p, {166, bottom - 4}, {kWidth, bottom - 4}, kPaint, false, 2.8);
        car(p, {58, 71}, 0, kOwnCar);
        laneArrow(p, QPointF(160, 33), -24);
        QPainterPath out({84, 71});
        out.cubicTo({126, 71}, {140, 80}, {142, 118});
        dashedArrow(p, out, kWhite);
    });
}

// Junction approach seen from above with traffic running up the picture: one lane coming down on
// the left, three going up to the stop line at kStopY, and the cross road along the top.
constexpr qreal kStopY = 62;
const qreal kLaneEdges[] = {104, 131.3, 158.7, 186};

qreal laneCentre(int lane) { return (kLaneEdges[lane] + kLaneEdges[lane + 1]) / 2; }

void upwardApproach(QPainter &p)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    const qreal crossTop = -4, crossBottom = 44, left = 64, right = 186;
    p.fillRect(QRectF(0, crossTop - 3, kWidth, crossBottom - crossTop + 6), kKerb);
    p.fillRect(QRectF(left - 3, crossTop, right - left + 6, kHeight), kKerb);
    p.fillRect(QRectF(0, crossTop, kWidth, crossBottom - crossTop), kAsphalt);
    p.fillRect(QRectF(left, crossTop, right - left, kHeight), kAsphalt);
    doubleLaneLine(p, (crossTop + crossBottom) / 2, kYellowPaint, false, 0, left - 5);
    doubleLaneLine(p, (crossTop + crossBottom) / 2, kYellowPaint, false, right + 5, kWidth);
    p.fillRect(QRectF(97, kStopY, 2.4, kHeight), kYellowPaint);
    p.fillRect(QRectF(101.6, kStopY, 2.4, kHeight), kYellowPaint);
    p.fillRect(QRectF(kLaneEdges[0], kStopY, kLaneEdges[3] - kLaneEdges[0], 3.2), kPaint);
    for (int i = 1; i < 3; ++i)
        p.fillRect(QRectF(kLaneEdges[i] - 1.2, kStopY + 3, 2.4, kHeight), kPaint);
    signArrow(p, segment({80, 66}, {80, 112}), 3.4, 8, 10, kPaint);
}

// Guide arrow painted in a lane for traffic running up the picture.
enum class Guide { Straight, Left, Right, StraightRight, LeftUturn, LeftRight, Uturn, MergeLeft };

void guideArrow(QPainter &p, qreal x, qreal bottom, qreal length, Guide kind,
                const QColor &colour = kPaint)
{
    const qreal w = 3.6, head = 10, headWidth = 11;
    const qreal top = bottom - length;
    const auto turn = [&](qreal side, qreal from) {
        QPainterPath path({x, from});
        path.lineTo(x, top + 16);
        path.quadTo(x, top + 6, x + side * 10, top + 4);
        signArrow(p, path, w, head, headWidth, colour);
    };
    const auto stem = [&](qreal to) {
        p.fillRect(QRectF(x - w / 2, to, w, bottom - to), colour);
    };
    switch (kind) {
    case Guide::Straight:
        signArrow(p, segment({x, bottom}, {x, top + head}), w, head, headWidth, colour);
        break;
    case Guide::Left:
        turn(-1, bottom);
        break;
    case Guide::Right:
        turn(1, bottom);
        break;
    case Guide::StraightRight: {
        signArrow(p, segment({x, bottom}, {x, top + head}), w, head, headWidth, colour);
        QPainterPath path({x, bottom - length * 0.45});
        path.quadTo(x, bottom - length * 0.6, x + 12, bottom - length * 0.64);
        signArrow(p, path, w, head, headWidth, colour);
        break;
    }
    case Guide::LeftRight:
        stem(top + 16);
        turn(-1, top + 18);
        turn(1, top + 18);
        break;
    case Guide::Uturn:
    case Guide::LeftUturn: {
        if (kind == Guide::LeftUturn)
            turn(-1, bottom);
        else
            stem(top + 12);
        const qreal from = kind == Guide::LeftUturn ? bottom - length * 0.55 : top + 12;
        QPainterPath path({x, from});
        if (kind == Guide::Uturn)
            path.lineTo(x, top + 12);
        path.cubicTo(x, from - 14, x - 12, from - 14, x - 12, from - 4);
        path.lineTo(x - 12, from + 4);
        signArrow(p, path, w, head, headWidth, colour);
        break;
    }
    case Guide::MergeLeft: {
        QPainterPath path({x, bottom});
        path.lineTo(x, bottom - length * 0.5);
        path.lineTo(x - 11, top + head + 2);
        signArrow(p, path, w, head, headWidth, colour);
        break;
    }
    }
}

// Three lanes running up the picture, the middle one (or for a merge the right one, which ends
// ahead) carrying a large guide arrow.
QImage guideArrowMarking(Guide kind)
{
    return picture(kBackground, [=](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        p.fillRect(QRectF(37, 0, 126, kHeight), kKerb);
        p.fillRect(QRectF(40, 0, 120, kHeight), kAsphalt);
        stroke(p, {44, 0}, {44, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {48, 0}, {48, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {155, 0}, {155, kHeight}, kPaint, false, 2.2);
        for (const qreal x : {84.0, 120.0})
            stroke(p, {x, -6}, {x, kHeight}, kPaint, true, 2.4);
        const bool merge = kind == Guide::MergeLeft;
        if (merge) {
            fillPolygon(p, QPolygonF{{122, -1}, {161, -1}, {161, 46}}, kKerb);
            fillPolygon(p, QPolygonF{{125, -1}, {164, -1}, {164, 46}}, kPavement);
            line(p, {121, 0}, {155, 42}, flatPen(kPaint, 2.2));
        }
        p.save();
        p.translate(merge ? 140 : 102, 0);
        p.scale(1.6, 1);
        guideArrow(p, 0, 124, merge ? 82 : 112, kind);
        p.restore();
    });
}

// Approach of three lanes running up to the stop line near the top.
QImage guideArrowsJunction()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        p.fillRect(QRectF(0, 0, kWidth, 16), kAsphalt);
        p.fillRect(QRectF(0, 16, 21, 3), kKerb);
        p.fillRect(QRectF(179, 16, 21, 3), kKerb);
        p.fillRect(QRectF(21, 16, 3, kHeight), kKerb);
        p.fillRect(QRectF(176, 16, 3, kHeight), kKerb);
        p.fillRect(QRectF(24, 16, 152, kHeight), kAsphalt);
        const qreal edges[] = {62, 100, 138, 176};
        stroke(p, {56.5, 20}, {56.5, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {61, 20}, {61, kHeight}, kYellowPaint, false, 2.2);
        p.fillRect(QRectF(62, 20, 114, 3.2), kPaint);
        for (const qreal x : {edges[1], edges[2]})
            stroke(p, {x, 23}, {x, kHeight}, kPaint, false, 2.2);
        signArrow(p, segment({40, 40}, {40, 110}), 3.4, 9, 10, kPaint);
        const Guide kinds[] = {Guide::LeftUturn, Guide::Straight, Guide::StraightRight};
        for (int lane = 0; lane < 3; ++lane) {
            p.save();
            p.translate((edges[lane] + edges[lane + 1]) / 2, 0);
            p.scale(1.35, 1);
            guideArrow(p, 0, 124, 90, kinds[lane]);
            p.restore();
        }
    });
}

// Signal heads of arrow lamps drawn small in a corner of a scene: left and straight.
struct MiniHead {
    QPointF topLeft;
    int litRow;   // 0 red, 1 yellow, 2 green
    Guide arrow;  // Left, Straight or Right
};

void miniArrowHead(QPainter &p, const MiniHead &head)
{
    const QRectF box(head.topLeft, QSizeF(17, 46));
    p.save();
    p.setBrush(QColor(0x18, 0x18, 0x1a));
    p.setPen(QPen(QColor(0x60, 0x60, 0x64), 0.8));
    p.drawRoundedRect(box, 3, 3);
    p.restore();
    const QColor lit[] = {QColor(0xff, 0x30, 0x20), QColor(0xff, 0xc0, 0x10),
                          QColor(0x30, 0xf0, 0x70)};
    const QColor dark[] = {QColor(0x5a, 0x1c, 0x16), QColor(0x5a, 0x46, 0x12),
                           QColor(0x14, 0x48, 0x28)};
    for (int row = 0; row < 3; ++row) {
        const QPointF c = box.topLeft() + QPointF(8.5, 8 + 15 * row);
        disc(p, c, 6.6, QColor(0x08, 0x08, 0x08));
        const QColor colour = row == head.litRow ? lit[row] : dark[row];
        if (row == head.litRow) {
            QColor halo = colour;
            halo.setAlpha(90);
            disc(p, c, 7.6, halo);
            disc(p, c, 6.4, QColor(0x08, 0x08, 0x08));
        }
        const qreal r = 4.6;
        if (head.arrow == Guide::Straight)
            signArrow(p, segment(c + QPointF(0, r), c + QPointF(0, -r + 3.2)), 2, 3.2, 5.4, colour);
        else {
            const qreal s = head.arrow == Guide::Left ? -1 : 1;
            signArrow(p, segment(c + QPointF(-s * r, 0), c + QPointF(s * (r - 3.2), 0)), 2, 3.2,
                      5.4, colour);
        }
    }
}

QImage leftTurnWaitingArea(bool straightGreen)
{
    return picture(kBackground, [=](QPainter &p) {
        upwardApproach(p);
        // Waiting area: the left-turn lane carried on past the stop line into the junction.
        const qreal l = kLaneEdges[0] + 1.5, r = kLaneEdges[1] - 0.5, front = 10;
        for (const qreal x : {l, r})
            line(p, {x, kStopY}, {x, front}, dashPen(kPaint, 2.2, 6, 4));
        line(p, {l, front}, {r, front}, dashPen(kPaint, 2.2, 6, 4));
        fitText(p, QStringLiteral("左弯"), QRectF(l + 4, 17, r - l - 8, 13), kPaint, 0, true);
        fitText(p, QStringLiteral("待转区"), QRectF(l + 2, 36, r - l - 4, 13), kPaint, 0, true);
        guideArrow(p, laneCentre(0), 98, 30, Guide::Left);
        guideArrow(p, laneCentre(1), 98, 30, Guide::Straight);
        guideArrow(p, laneCentre(2), 98, 30, Guide::Straight);
        car(p, {laneCentre(0), 115}, -90, kOwnCar);
        miniArrowHead(p, {{12, 66}, 0, Guide::Left});
        miniArrowHead(p, {{34, 66}, straightGreen ? 2 : 0, Guide::Straight});
    });
}

QImage leftTurnGuideMarking()
{
    return picture(kBackground, [](QPainter &p) {
        const Crossing c{66, 134, 34, 96};
        crossroads(p, c, false);
        paintLine(p, {100, c.bottom + 3}, {c.right, c.bottom + 3}, kPaint, 2.2);
        paintLine(p, {c.left, c.top - 3}, {100, c.top - 3}, kPaint, 2.2);
        paintLine(p, {c.left - 3, 65}, {c.left - 3, c.bottom}, kPaint, 2.2);
        paintLine(p, {c.right + 3, c.top}, {c.right + 3, 65}, kPaint, 2.2);
        // Guide lines of the left turn from the bottom approach into the left arm.
        for (const qreal off : {0.0, 16.0}) {
            QPainterPath arc({101.5 + off, c.bottom});
            arc.cubicTo(101.5 + off, 74 - off * 0.3, 90 - off * 0.2, 62.5 - off * 0.5 + 0.5,
                        c.left, 62.5 - off * 0.9 + 0.5);
            strokePath(p, arc, dashPen(kPaint, 1.8, 5, 4));
        }
        car(p, {109, 114}, -90, kOwnCar);
        car(p, {160, 50}, 180, kBlueCar);
    });
}

// Two diamonds ahead of a zebra crossing, the road running right.
QImage zebraDiamondMarking()
{
    return picture(kBackground, [](QPainter &p) {
        twoWayRoad(p);
        stroke(p, {0, kTwoWayMiddle}, {150, kTwoWayMiddle}, kYellowPaint, false, 2.8);
        for (qreal y = kTwoWayTop + 3; y + 5 <= kTwoWayBottom - 2; y += 10)
            p.fillRect(QRectF(166, y, 28, 5), kPaint);
        p.fillRect(QRectF(157, kTwoWayMiddle + 2, 3, kTwoWayBottom - kTwoWayMiddle - 6), kPaint);
        const qreal lane = (kTwoWayMiddle + kTwoWayBottom) / 2;
        for (const qreal x : {62.0, 118.0}) {
            const QPolygonF outer{{x - 19, lane}, {x, lane - 10}, {x + 19, lane}, {x, lane + 10}};
            const QPolygonF inner{{x - 12, lane}, {x, lane - 6.3}, {x + 12, lane}, {x, lane + 6.3}};
            fillPolygon(p, outer, kPaint);
            fillPolygon(p, inner, kAsphalt);
        }
        car(p, {18, lane}, 0, kOwnCar);
        laneArrow(p, QPointF(120, (kTwoWayTop + kTwoWayMiddle) / 2), -26);
    });
}

// Parking bays along the kerb at the bottom of a road running right.
void kerbsideBays(QPainter &p, const QColor &colour, const QString &upper, const QString &lower)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    p.fillRect(QRectF(0, 10, kWidth, 108), kKerb);
    p.fillRect(QRectF(0, 13, kWidth, 102), kAsphalt);
    stroke(p, {-4, 40}, {kWidth, 40}, kPaint, true, 2.2);
    const QRectF bays(-4, 62, 208, 50);
    p.save();
    p.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bays);
    for (const qreal x : {84.0})
        p.drawLine(QPointF(x, bays.top()), QPointF(x, bays.bottom()));
    p.restore();
    car(p, {40, 87}, 0, kGreyCar);
    fitText(p, upper, QRectF(96, 67, 92, 18), colour);
    fitText(p, lower, QRectF(96, 88, 92, 18), colour);
    car(p, {60, 26}, 0, kOwnCar);
}

QImage timeLimitedParkingMarking()
{
    return picture(kBackground, [](QPainter &p) {
        kerbsideBays(p, kPaint, QStringLiteral("8:00-18:00"), QStringLiteral("限时15分钟"));
    });
}

QImage taxiParkingMarking()
{
    return picture(kBackground, [](QPainter &p) {
        kerbsideBays(p, kYellowPaint, QStringLiteral("出租车"), QStringLiteral("专用"));
    });
}

// Bus bay set into the kerb with its marking.
QImage busBayMarking()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        const qreal top = 12, bottom = 82;
        QPainterPath bay;
        bay.moveTo(0, bottom);
        bay.lineTo(40, bottom);
        bay.lineTo(66, bottom + 26);
        bay.lineTo(146, bottom + 26);
        bay.lineTo(172, bottom);
        bay.lineTo(kWidth, bottom);
        bay.lineTo(kWidth, top);
        bay.lineTo(0, top);
        bay.closeSubpath();
        strokePath(p, bay, QPen(kKerb, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.fillPath(bay, kAsphalt);
        stroke(p, {0, top + 4}, {kWidth, top + 4}, kPaint, false, 2);
        stroke(p, {-4, (top + bottom) / 2 - 4}, {kWidth, (top + bottom) / 2 - 4}, kPaint, true,
               2.2);
        stroke(p, {0, bottom - 3}, {40, bottom - 3}, kPaint, false, 2.2);
        stroke(p, {172, bottom - 3}, {kWidth, bottom - 3}, kPaint, false, 2.2);
        stroke(p, {40, bottom - 3}, {172, bottom - 3}, kYellowPaint, true, 2.2);
        fitText(p, QStringLiteral("公交车站"), QRectF(84, bottom + 4, 56, 17), kYellowPaint, 0.3);
        car(p, {26, 64}, 0, kOwnCar);
        QPainterPath in({42, 66});
        in.cubicTo({54, 68}, {58, 86}, {70, 94});
        dashedArrow(p, in, kWhite);
    });
}

// Yellow line along the kerb at the bottom of a road running right.
QImage kerbLineMarking(bool dashed)
{
    return picture(kBackground, [=](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        const qreal top = 12, bottom = 98;
        p.fillRect(QRectF(0, top - 3, kWidth, bottom - top + 9), kKerb);
        p.fillRect(QRectF(0, top, kWidth, bottom - top), kAsphalt);
        stroke(p, {0, top + 4}, {kWidth, top + 4}, kPaint, false, 2);
        stroke(p, {-4, (top + bottom) / 2}, {kWidth, (top + bottom) / 2}, kYellowPaint, true, 2.5);
        if (dashed)
            for (qreal x = -4; x < kWidth; x += 22)
                p.fillRect(QRectF(x, bottom - 5, 13, 3.6), kYellowPaint);
        else
            p.fillRect(QRectF(0, bottom - 5, kWidth, 3.6), kYellowPaint);
        car(p, {70, 78}, 0, kOwnCar);
        laneArrow(p, QPointF(150, 33), -24);
        QPainterPath in({86, 78});
        in.cubicTo({106, 78}, {112, 88}, {134, 88});
        dashedArrow(p, in, kWhite);
    });
}

QImage centreCircleMarking()
{
    return picture(kBackground, [](QPainter &p) {
        const Crossing c{62, 138, 28, 102};
        crossroads(p, c, false);
        paintLine(p, {100, c.bottom + 3}, {c.right, c.bottom + 3}, kPaint, 2.2);
        paintLine(p, {c.left, c.top - 3}, {100, c.top - 3}, kPaint, 2.2);
        paintLine(p, {c.left - 3, 65}, {c.left - 3, c.bottom}, kPaint, 2.2);
        paintLine(p, {c.right + 3, c.top}, {c.right + 3, 65}, kPaint, 2.2);
        p.save();
        p.setPen(QPen(kPaint, 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(100, 65), 10, 10);
        p.restore();
        car(p, {110, 118}, -90, kOwnCar);
        car(p, {84, 14}, 90, kBlueCar);
    });
}

QImage noUturnMarking()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        p.fillRect(QRectF(37, 0, 126, kHeight), kKerb);
        p.fillRect(QRectF(40, 0, 120, kHeight), kAsphalt);
        stroke(p, {98, 0}, {98, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {102, 0}, {102, kHeight}, kYellowPaint, false, 2.2);
        for (const qreal x : {45.0, 155.0})
            stroke(p, {x, 0}, {x, kHeight}, kPaint, false, 2);
        p.save();
        p.translate(128, 0);
        p.scale(1.5, 1);
        guideArrow(p, 6, 118, 100, Guide::Uturn, kYellowPaint);
        p.restore();
        line(p, {112, 44}, {146, 84}, flatPen(kYellowPaint, 4));
        line(p, {146, 44}, {112, 84}, flatPen(kYellowPaint, 4));
        signArrow(p, segment({70, 30}, {70, 80}), 4, 9, 12, kPaint);
    });
}

// Two lanes running right become one: the lane line stops and the kerb comes in.
QImage laneWidthTransitionMarking()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        const QPolygonF road{{0, 22}, {kWidth, 22}, {kWidth, 76}, {150, 76}, {70, 106}, {0, 106}};
        strokePath(p, polygonPath(road), QPen(kKerb, 6, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        fillPolygon(p, road, kAsphalt);
        stroke(p, {0, 26}, {kWidth, 26}, kYellowPaint, false, 2.2);
        stroke(p, {0, 102}, {70, 102}, kPaint, false, 2.2);
        stroke(p, {70, 102}, {150, 72}, kPaint, false, 2.2);
        stroke(p, {150, 72}, {kWidth, 72}, kPaint, false, 2.2);
        stroke(p, {-4, 64}, {66, 64}, kPaint, true, 2.2);
        car(p, {30, 84}, 0, kOwnCar);
        car(p, {70, 45}, 0, kBlueCar);
        laneArrow(p, QPointF(150, 48), 26);
    });
}

// Fixed obstacle in the middle of a two-way road, the centre line opening round it.
QImage obstructionMarking()
{
    return picture(kBackground, [](QPainter &p) {
        twoWayRoad(p);
        const qreal m = kTwoWayMiddle;
        const QPolygonF wedge{{40, m}, {150, m - 13}, {150, m + 13}};
        p.save();
        p.setClipPath(polygonPath(wedge));
        for (qreal x = 0; x < 200; x += 8)
            line(p, {x, m + 16}, {x + 20, m - 16}, flatPen(kYellowPaint, 2.4));
        p.restore();
        stroke(p, {0, m}, {40, m}, kYellowPaint, false, 2.8);
        stroke(p, {40, m}, {150, m - 13}, kYellowPaint, false, 2.8);
        stroke(p, {40, m}, {150, m + 13}, kYellowPaint, false, 2.8);
        // bridge pier with its object marking
        const QRectF pier(150, m - 12, 34, 24);
        p.fillRect(pier, QColor(0x9a, 0x98, 0x94));
        p.save();
        p.setClipRect(QRectF(pier.left(), pier.top(), 6, pier.height()));
        for (qreal y = pier.top() - 12; y < pier.bottom(); y += 8)
            line(p, {pier.left(), y}, {pier.left() + 8, y + 8}, flatPen(kYellow, 4));
        p.restore();
        stroke(p, {184, m}, {kWidth, m}, kYellowPaint, false, 2.8);
        car(p, {40, 84}, 0, kOwnCar);
        car(p, {120, 46}, 180, kBlueCar);
    });
}

// Lane running up the picture with the deceleration marking of the given kind.
QImage decelerationMarking(int kind)
{
    return picture(kBackground, [=](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        p.fillRect(QRectF(47, 0, 106, kHeight), kKerb);
        p.fillRect(QRectF(50, 0, 100, kHeight), kAsphalt);
        stroke(p, {54, 0}, {54, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {58, 0}, {58, kHeight}, kYellowPaint, false, 2.2);
        stroke(p, {146, 0}, {146, kHeight}, kPaint, false, 2.2);
        const qreal l = 60, r = 144;
        if (kind == 0) {
            // transverse: dashed bars across the lane, closer together further on
            qreal y = 118;
            for (int group = 0; group < 4; ++group) {
                for (int k = 0; k < 3; ++k) {
                    for (qreal x = l + 2; x < r - 4; x += 12)
                        p.fillRect(QRectF(x, y, 8, 2.6), kPaint);
                    y -= 5;
                }
                y -= 24 - 5 * group;
            }
        } else if (kind == 1) {
            // longitudinal: rows of diamonds inside both lane edges
            for (qreal y = 124; y > 0; y -= 13)
                for (const qreal x : {l + 7, r - 7}) {
                    const qreal w = 5 + (124 - y) * 0.03;
                    fillPolygon(p, QPolygonF{{x, y - 5}, {x + w / 2, y}, {x, y + 5}, {x - w / 2, y}},
                                kPaint);
                }
        } else {
            // bands of raised bumps across the lane, each casting a shadow
            for (const qreal band : {14.0, 44.0, 74.0})
                for (int row = 0; row < 3; ++row)
                    for (qreal x = l + 6 + (row % 2) * 4; x < r - 4; x += 8) {
                        const QPointF c(x, band + row * 6);
                        disc(p, c + QPointF(1, 1.4), 2.6, QColor(0x26, 0x26, 0x28));
                        disc(p, c, 2.6, kPaint);
                        disc(p, c - QPointF(0.8, 0.8), 1, kWhite);
                    }
        }
        car(p, {102, 116}, -90, kOwnCar);
    });
}

// Bridge pier beside the lane seen from the driver's seat, its face in black and yellow.
QImage objectMarking()
{
    return driverView(kClearSky, kClearHorizon, QColor(0x8c, 0xa0, 0x70),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 3.8);
                          roadMarkings(p, v, 3.8);
                          const QRectF deck(0, 4, kWidth, 16);
                          p.fillRect(deck, QColor(0xa8, 0xa4, 0x9c));
                          p.fillRect(QRectF(0, 19, kWidth, 3), QColor(0x70, 0x6c, 0x66));
                          const QRectF pier = v.upright(5.2, 15, 1.6, 8);
                          const QRectF face(pier.left(), 22, pier.width(), pier.bottom() - 22);
                          p.save();
                          p.setOpacity(0.35);
                          p.setBrush(kBlack);
                          p.drawEllipse(QPointF(face.center().x(), face.bottom()),
                                        face.width() * 0.75, 2.5);
                          p.restore();
                          p.fillRect(face, kYellow);
                          p.save();
                          p.setClipRect(face);
                          for (qreal y = face.top() - 40; y < face.bottom(); y += 16)
                              line(p, {face.right(), y}, {face.left(), y + face.width()},
                                   flatPen(kBlack, 8));
                          p.restore();
                          const QRectF far = v.upright(-4.6, 15, 1.6, 8);
                          p.fillRect(QRectF(far.left(), 22, far.width(), far.bottom() - 22),
                                     QColor(0x9c, 0x98, 0x90));
                      });
}

// Signal lamps with symbols: arrows, crosses, bicycles and people on a black lens.

enum class Face { Disc, Left, Up, Right, Down, Cross, Bicycle, Standing, Walking };

struct Lens {
    Lamp colours;
    Face face;
    bool on;
};

// Stick figure of the pedestrian lamps, standing still or walking, about 24 units tall.
void lampFigure(QPainter &p, QPointF c, bool walking, const QColor &colour)
{
    p.save();
    p.translate(c);
    disc(p, {0, -10}, 2.8, colour);
    const QPen limb = roundPen(colour, 2.6);
    if (!walking) {
        p.fillPath(roundedRect(QRectF(-3.4, -6.5, 6.8, 9), 1.5), colour);
        line(p, {-3.6, -5.5}, {-4.6, 2.5}, limb);
        line(p, {3.6, -5.5}, {4.6, 2.5}, limb);
        line(p, {-1.6, 2}, {-1.8, 11}, limb);
        line(p, {1.6, 2}, {1.8, 11}, limb);
    } else {
        line(p, {0.5, -6}, {-0.8, 2}, roundPen(colour, 4));
        line(p, {0.2, -5}, {-4.5, 0}, limb);
        line(p, {0.2, -5}, {4.5, -1}, limb);
        line(p, {-0.8, 2}, {-5.5, 11}, limb);
        line(p, {-0.8, 2}, {2.5, 6}, limb);
        line(p, {2.5, 6}, {4, 11}, limb);
    }
    p.restore();
}

void lens(QPainter &p, QPointF centre, qreal radius, const Lens &l, bool flashing = false)
{
    const QColor colour = l.on ? l.colours.lit.lighter(115) : l.colours.dark.lighter(108);
    if (l.on) {
        QRadialGradient halo(centre, radius * 1.9);
        QColor inner = l.colours.lit;
        inner.setAlpha(l.face == Face::Disc ? 150 : 110);
        QColor outer = inner;
        outer.setAlpha(0);
        halo.setColorAt(0.5, inner);
        halo.setColorAt(1, outer);
        p.setBrush(halo);
        p.drawEllipse(centre, radius * 1.9, radius * 1.9);
    }
    disc(p, centre, radius + 2.5, QColor(0x08, 0x08, 0x08));
    if (l.on) {
        if (flashing)
            for (int i = 0; i < 12; ++i) {
                const qreal a = qDegreesToRadians(15 + 30.0 * i);
                const QPointF dir(std::cos(a), std::sin(a));
                line(p, centre + dir * (radius + 7), centre + dir * (radius + 14),
                     roundPen(l.colours.lit, 2.6));
            }
    }
    const qreal r = radius * 0.72;
    switch (l.face) {
    case Face::Disc:
        lamp(p, centre, l.colours, l.on);
        break;
    case Face::Left:
    case Face::Right:
    case Face::Up:
    case Face::Down: {
        const QPointF dir = l.face == Face::Left    ? QPointF(-1, 0)
                            : l.face == Face::Right ? QPointF(1, 0)
                            : l.face == Face::Up    ? QPointF(0, -1)
                                                    : QPointF(0, 1);
        signArrow(p, segment(centre - dir * r, centre + dir * (r - r * 0.7)), r * 0.42, r * 0.7,
                  r * 1.15, colour);
        break;
    }
    case Face::Cross:
        for (const qreal s : {-1.0, 1.0})
            line(p, centre + QPointF(-r, -r * s) * 0.8, centre + QPointF(r, r * s) * 0.8,
                 flatPen(colour, r * 0.38));
        break;
    case Face::Bicycle:
        placed(p, centre + QPointF(0, r * 0.3), r / 27, [&] { bicycle(p, colour); });
        break;
    case Face::Standing:
    case Face::Walking:
        p.save();
        p.translate(centre);
        p.scale(r / 12, r / 12);
        lampFigure(p, {}, l.face == Face::Walking, colour);
        p.restore();
        break;
    }
}

// Upright signal head of three lenses, red at the top, centred on x.
void head(QPainter &p, qreal x, Face face, int litIndex, qreal radius = 13.5)
{
    const qreal gap = radius * 2 + 9;
    const qreal top = kHeight / 2.0 - gap * 1.5;
    p.setBrush(QColor(0x3c, 0x3c, 0x3c));
    p.drawRoundedRect(QRectF(x - radius - 8, top, 2 * radius + 16, gap * 3), 7, 7);
    p.setBrush(QColor(0x1c, 0x1c, 0x1c));
    p.drawRoundedRect(QRectF(x - radius - 6.5, top + 1.5, 2 * radius + 13, gap * 3 - 3), 6, 6);
    const Lamp lamps[] = {kRedLamp, kYellowLamp, kGreenLamp};
    for (int i = 0; i < 3; ++i)
        lens(p, {x, top + gap * (i + 0.5)}, radius, {lamps[i], face, i == litIndex});
}

// Direction-arrow heads for left, straight on and right, each with its lit colour (0 red,
// 2 green).
QImage arrowLamps(int left, int straight, int right)
{
    return picture(kBackground, [=](QPainter &p) {
        head(p, 48, Face::Left, left);
        head(p, 100, Face::Up, straight);
        head(p, 152, Face::Right, right);
    });
}

// Ordinary round head beside a head of left arrows.
QImage roundAndLeftArrowLamps(int round, int left)
{
    return picture(kBackground, [=](QPainter &p) {
        head(p, 70, Face::Left, left);
        head(p, 130, Face::Disc, round);
    });
}

QImage bicycleLamps()
{
    return picture(kBackground, [](QPainter &p) { head(p, 100, Face::Bicycle, 2); });
}

// Pedestrian head of two lenses: red standing figure above, green walking one below.
QImage pedestrianLamps(bool red)
{
    return picture(kBackground, [=](QPainter &p) {
        const qreal radius = 20;
        p.setBrush(QColor(0x3c, 0x3c, 0x3c));
        p.drawRoundedRect(QRectF(72, 5, 56, 120), 8, 8);
        p.setBrush(QColor(0x1c, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(73.5, 6.5, 53, 117), 7, 7);
        lens(p, {100, 36}, radius, {kRedLamp, Face::Standing, red});
        lens(p, {100, 94}, radius, {kGreenLamp, Face::Walking, !red});
    });
}

// Railway crossing lamps: two red lenses side by side under the crossbuck, one lit; the
// alternating pair carries an arrow between them.
QImage railwayLamps(bool alternating)
{
    return picture(kBackground, [=](QPainter &p) {
        p.fillRect(QRectF(97, 40, 6, 90), QColor(0x70, 0x70, 0x74));
        p.save();
        p.translate(100, 26);
        for (const qreal a : {32.0, -32.0}) {
            p.save();
            p.rotate(a);
            p.setPen(QPen(kRed, 1.2));
            p.setBrush(kWhite);
            p.drawRect(QRectF(-40, -5.5, 80, 11));
            p.restore();
        }
        p.restore();
        p.setBrush(QColor(0x1c, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(44, 52, 112, 46), 23, 23);
        const qreal radius = 15;
        lens(p, {72, 75}, radius, {kRedLamp, Face::Disc, true}, alternating);
        lens(p, {128, 75}, radius, {kRedLamp, Face::Disc, false});
        if (alternating) {
            QPainterPath there({84, 110});
            there.quadTo(100, 122, 116, 110);
            sceneArrow(p, there, 2, 5, 6.5, kSwing);
            QPainterPath back({116, 110});
            back.quadTo(100, 122, 84, 110);
            arrowHead(p, back, 1, 5, 6.5, kSwing);
        }
    });
}

// Overhead lane lamps seen from the driver's seat: a red cross over the left lane, green arrows
// over the other two.
QImage laneControlLamps()
{
    return driverView(kClearSky, kClearHorizon, QColor(0x8c, 0xa0, 0x70),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 5.6);
                          groundStripe(p, v, -5.3, 0.15, 1.5, 400, kPaint);
                          groundStripe(p, v, 5.3, 0.15, 1.5, 400, kPaint);
                          for (const qreal x : {-1.9, 1.9})
                              for (qreal d = 1.5; d < 400; d += 10)
                                  groundStripe(p, v, x, 0.15, d, d + 5, kPaint);
                          p.fillRect(QRectF(10, 18, 180, 7), QColor(0x80, 0x84, 0x8a));
                          p.fillRect(QRectF(10, 18, 4, 60), QColor(0x80, 0x84, 0x8a));
                          p.fillRect(QRectF(186, 18, 4, 60), QColor(0x80, 0x84, 0x8a));
                          const qreal xs[] = {40, 100, 160};
                          for (int i = 0; i < 3; ++i) {
                              p.setBrush(QColor(0x16, 0x16, 0x18));
                              p.drawRoundedRect(QRectF(xs[i] - 16, 23, 32, 32), 3, 3);
                              lens(p, {xs[i], 39}, 11.5,
                                   i == 0 ? Lens{kRedLamp, Face::Cross, true}
                                          : Lens{kGreenLamp, Face::Down, true});
                          }
                      });
}

// Small round signal head, lying across, placed in a corner of a scene from above.
void miniRoundHead(QPainter &p, QPointF topLeft, int litRow)
{
    const QRectF box(topLeft, QSizeF(46, 17));
    p.save();
    p.setBrush(QColor(0x18, 0x18, 0x1a));
    p.setPen(QPen(QColor(0x60, 0x60, 0x64), 0.8));
    p.drawRoundedRect(box, 3, 3);
    p.restore();
    const Lamp lamps[] = {kRedLamp, kYellowLamp, kGreenLamp};
    for (int row = 0; row < 3; ++row) {
        const QPointF c = box.topLeft() + QPointF(8 + 15 * row, 8.5);
        if (row == litRow) {
            QColor halo = lamps[row].lit;
            halo.setAlpha(100);
            disc(p, c, 8, halo);
        }
        disc(p, c, 6, row == litRow ? lamps[row].lit : lamps[row].dark.lighter(120));
    }
}

// Right turn on red: pedestrians crossing the road the car turns into, on their own green.
QImage redRightTurnScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 36, 88};
        crossroads(p, c, true);
        paintLine(p, {100, c.bottom + 13}, {c.right, c.bottom + 13}, kPaint, 2.2);
        car(p, {113, 116}, -90, kOwnCar);
        QPainterPath turn({113, 103});
        turn.cubicTo({113, 86}, {126, 76}, {158, 76});
        dashedArrow(p, turn, kWhite);
        walker(p, {131, 86}, 17, QColor(0xc0, 0x30, 0x80), false);
        walker(p, {132, 64}, 17, QColor(0x30, 0x70, 0xb0), true);
        miniRoundHead(p, {14, 104}, 0);
        car(p, {176, 48}, 180, kBlueCar);
    });
}

// Junction without a stop line on the approach.
QImage redNoStopLineScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 30, 82};
        crossroads(p, c, false);
        car(p, {112, 116}, -90, kOwnCar);
        miniRoundHead(p, {14, 100}, 0);
        car(p, {40, 44}, 0, kBlueCar);
        car(p, {160, 68}, 180, kGreyCar);
    });
}

// Railway crossing ahead with its stop line and lamps, seen from above.
QImage railwayStopLineScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 22, kWidth, 34), QColor(0xa8, 0x98, 0x80));
        for (qreal x = 2; x < kWidth; x += 7)
            p.fillRect(QRectF(x, 25, 3.5, 28), QColor(0x7a, 0x5a, 0x3a));
        verticalRoad(p, 76, 124);
        for (const qreal y : {31.0, 47.0})
            line(p, {0, y}, {kWidth, y}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        paintLine(p, {100, 0}, {100, 18}, kYellowPaint, 1.8);
        paintLine(p, {100, 62}, {100, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {100, 76}, {124, 76}, kPaint, 2.6);
        car(p, {112, 104}, -90, kOwnCar);
        p.setBrush(QColor(0x1c, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(20, 72, 44, 22), 11, 11);
        disc(p, {31, 83}, 8, QColor(0xff, 0x2a, 0x1a, 120));
        disc(p, {31, 83}, 6.5, QColor(0xff, 0x2a, 0x1a));
        disc(p, {53, 83}, 6.5, QColor(0x6a, 0x24, 0x20));
        p.fillRect(QRectF(40, 94, 4, 30), QColor(0x70, 0x70, 0x74));
        flash(p, {31, 66}, QColor(0xff, 0x2a, 0x1a), 0.9);
        flash(p, {53, 66}, QColor(0xff, 0x2a, 0x1a), 0.9);
    });
}


// Expressway from the driver's seat with the distance-check lines across it and their sign.
QImage distanceCheckMarking()
{
    return driverView(kClearSky, kClearHorizon, QColor(0x8c, 0xa0, 0x70),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 4.2);
                          groundStripe(p, v, -4.0, 0.15, 1.5, 400, kYellowPaint);
                          groundStripe(p, v, 4.0, 0.15, 1.5, 400, kPaint);
                          for (qreal d = 1.5; d < 400; d += 12)
                              groundStripe(p, v, 0.2, 0.15, d, d + 6, kPaint);
                          for (const qreal d : {7.0, 17.0, 27.0, 37.0})
                              fillPolygon(p, groundQuad(v, -3.9, 3.9, d, d + 0.8), kPaint);
                          const QRectF sign(140, 6, 56, 30);
                          p.fillRect(QRectF(sign.center().x() - 1.5, sign.bottom(), 3, 40),
                                     QColor(0x80, 0x84, 0x8a));
                          panelBase(p, sign, kGreen);
                          fitText(p, QStringLiteral("车距确认"), sign.adjusted(5, 5, -5, -5),
                                  kWhite);
                      });
}

// Horizontal head: red on the left, green lit on the right.
QImage horizontalLamps()
{
    return picture(kBackground, [](QPainter &p) {
        p.setBrush(QColor(0x3c, 0x3c, 0x3c));
        p.drawRoundedRect(QRectF(28, 40, 144, 50), 9, 9);
        p.setBrush(QColor(0x1c, 0x1c, 0x1c));
        p.drawRoundedRect(QRectF(29.5, 41.5, 141, 47), 8, 8);
        const Lamp lamps[] = {kRedLamp, kYellowLamp, kGreenLamp};
        for (int i = 0; i < 3; ++i)
            lens(p, {55 + 45.0 * i, 65}, 15, {lamps[i], Face::Disc, i == 2});
    });
}


// Junction with only the motor-vehicle lamps: a cyclist waits beside the cars at the stop line.
QImage cyclistAtLampsScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{70, 130, 30, 82};
        crossroads(p, c, true);
        paintLine(p, {100, c.bottom + 13}, {c.right, c.bottom + 13}, kPaint, 2.2);
        paintLine(p, {118, c.bottom + 13}, {118, kHeight}, kPaint, 1.6);
        car(p, {109, 113}, -90, kOwnCar);
        // cyclist seen from above, heading up the picture
        const QPointF bike(124.5, 106);
        line(p, bike + QPointF(0, -9), bike + QPointF(0, 9), roundPen(kBlack, 2));
        line(p, bike + QPointF(-4, -5), bike + QPointF(4, -5), roundPen(kBlack, 1.4));
        p.save();
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(0x30, 0x70, 0xb0));
        p.drawEllipse(bike + QPointF(0, 1), 4.6, 3);
        p.restore();
        disc(p, bike + QPointF(0, 0.5), 2.2, QColor(0x3a, 0x2a, 0x20));
        miniRoundHead(p, {14, 100}, 0);
        car(p, {40, 44}, 0, kBlueCar);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-markings",
                   {
                       {"light_red.jpg", [] { return trafficLight(0, false); }},
                       {"light_yellow.jpg", [] { return trafficLight(1, false); }},
                       {"light_green.jpg", [] { return trafficLight(2, false); }},
                       {"light_arrows_left_red.jpg", [] { return arrowLamps(0, 2, 2); }},
                       {"light_arrows_right_red.jpg", [] { return arrowLamps(2, 2, 0); }},
                       {"light_round_red_left_green.jpg", [] { return roundAndLeftArrowLamps(0, 2); }},
                       {"light_lane_control.jpg", laneControlLamps},
                       {"light_bicycle.jpg", bicycleLamps},
                       {"light_pedestrian_red.jpg", [] { return pedestrianLamps(true); }},
                       {"light_railway_alternate.jpg", [] { return railwayLamps(true); }},
                       {"light_railway_steady.jpg", [] { return railwayLamps(false); }},
                       {"light_red_right_turn.jpg", redRightTurnScene},
                       {"light_red_no_stop_line.jpg", redNoStopLineScene},
                       {"light_railway_stop_line.jpg", railwayStopLineScene},
                       {"light_horizontal.jpg", horizontalLamps},
                       {"light_cyclist_scene.jpg", cyclistAtLampsScene},
                       {"marking_distance_check.jpg", distanceCheckMarking},
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
                       {"marking_yellow_dashed_centre.jpg", yellowDashedCentreMarking},
                       {"marking_single_yellow_solid.jpg", singleYellowSolidMarking},
                       {"marking_yellow_solid_dashed.jpg", yellowSolidDashedMarking},
                       {"marking_white_solid_lanes.jpg", whiteSolidLaneMarking},
                       {"marking_white_solid_dashed.jpg", whiteSolidDashedMarking},
                       {"marking_edge_lines.jpg", edgeLineMarking},
                       {"marking_left_turn_waiting.jpg", [] { return leftTurnWaitingArea(true); }},
                       {"marking_left_turn_waiting_red.jpg", [] { return leftTurnWaitingArea(false); }},
                       {"marking_left_turn_guide.jpg", leftTurnGuideMarking},
                       {"marking_arrow_left_uturn.jpg", [] { return guideArrowMarking(Guide::LeftUturn); }},
                       {"marking_arrow_left_right.jpg", [] { return guideArrowMarking(Guide::LeftRight); }},
                       {"marking_arrow_uturn.jpg", [] { return guideArrowMarking(Guide::Uturn); }},
                       {"marking_arrow_merge_left.jpg", [] { return guideArrowMarking(Guide::MergeLeft); }},
                       {"marking_guide_arrows.jpg", guideArrowsJunction},
                       {"marking_zebra_diamond.jpg", zebraDiamondMarking},
                       {"marking_parking_time_limit.jpg", timeLimitedParkingMarking},
                       {"marking_parking_taxi.jpg", taxiParkingMarking},
                       {"marking_bus_bay.jpg", busBayMarking},
                       {"marking_kerb_yellow_solid.jpg", [] { return kerbLineMarking(false); }},
                       {"marking_kerb_yellow_dashed.jpg", [] { return kerbLineMarking(true); }},
                       {"marking_centre_circle.jpg", centreCircleMarking},
                       {"marking_no_uturn.jpg", noUturnMarking},
                       {"marking_lane_width_transition.jpg", laneWidthTransitionMarking},
                       {"marking_obstruction.jpg", obstructionMarking},
                       {"marking_transverse_deceleration.jpg", [] { return decelerationMarking(0); }},
                       {"marking_longitudinal_deceleration.jpg", [] { return decelerationMarking(1); }},
                       {"marking_vibration.jpg", [] { return decelerationMarking(2); }},
                       {"marking_object.jpg", objectMarking},
                   });
}
