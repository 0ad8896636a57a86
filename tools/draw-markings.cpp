// Draws the road markings and signal lamps of the question bank into a folder given on the command
// line.

#include "signs.h"

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

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-markings",
                   {
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
                   });
}
