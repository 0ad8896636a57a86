// Draws the traffic situations of the question bank where signs, markings and lamps meet: what a
// vehicle may or must do when several signals apply at once. The folder is given on the command
// line.

#include "scenes.h"
#include "signs.h"

using namespace painting;

namespace {

const QColor kPost(0x5a, 0x5a, 0x60);
const QColor kIsland(0xc4, 0xc2, 0xbc);
const QColor kLorryCab(0x2e, 0x7c, 0x50);
const QColor kLorryBox(0xcc, 0xc4, 0xb4);

// Signal lamps drawn as small heads beside the scene

enum class Face { Round, Left, Straight, Right };
enum class Glow { Off, Red, Yellow, Green };

struct Lens {
    Face face;
    Glow glow;
    bool flashing = false;
};

QColor litColour(Glow glow)
{
    switch (glow) {
    case Glow::Red:
        return QColor(0xff, 0x32, 0x22);
    case Glow::Yellow:
        return QColor(0xff, 0xc2, 0x10);
    case Glow::Green:
        return QColor(0x22, 0xe2, 0x62);
    case Glow::Off:
        break;
    }
    return QColor(0x3a, 0x3a, 0x3e);
}

// Arrow lens: the arrow alone is lit, the rest of the lens stays dark, as on the lamps themselves.
void lensArrow(QPainter &p, QPointF c, qreal r, Face face, const QColor &colour)
{
    p.save();
    p.translate(c);
    p.scale(r / 10, r / 10);
    QPainterPath shaft;
    switch (face) {
    case Face::Straight:
        shaft.moveTo(0, 8);
        shaft.lineTo(0, -3);
        break;
    case Face::Left:
        shaft.moveTo(3, 8);
        shaft.lineTo(3, 1);
        shaft.quadTo(3, -2, 0, -2);
        shaft.lineTo(-3, -2);
        break;
    case Face::Right:
        shaft.moveTo(-3, 8);
        shaft.lineTo(-3, 1);
        shaft.quadTo(-3, -2, 0, -2);
        shaft.lineTo(3, -2);
        break;
    case Face::Round:
        break;
    }
    painting::arrow(p, shaft, 3.4, 5.5, 9, colour, 0.5);
    p.restore();
}

void lens(QPainter &p, QPointF c, qreal r, const Lens &l)
{
    const QColor lit = litColour(l.glow);
    if (l.glow != Glow::Off && l.flashing)
        for (int i = 0; i < 8; ++i) {
            const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
            const QPointF dir(std::cos(a), std::sin(a));
            line(p, c + dir * (r + 2.2), c + dir * (r + 4.6), roundPen(lit, 1.2));
        }
    disc(p, c, r, QColor(0x0c, 0x0c, 0x0e));
    if (l.face == Face::Round) {
        disc(p, c, r * 0.86, l.glow == Glow::Off ? QColor(0x30, 0x30, 0x34) : lit);
        return;
    }
    lensArrow(p, c, r, l.face, l.glow == Glow::Off ? QColor(0x3a, 0x3a, 0x40) : lit);
}

// A row of lenses on a dark housing, left to right.
void lampHead(QPainter &p, QPointF centre, const std::vector<Lens> &lenses, qreal r = 5)
{
    const qreal pitch = 2 * r + 3;
    const qreal width = pitch * lenses.size() + 3;
    outlined(p, roundedRect(QRectF(centre.x() - width / 2, centre.y() - r - 2.5, width, 2 * r + 5), 3),
             QColor(0x24, 0x24, 0x26), QColor(0x66, 0x66, 0x6c));
    for (size_t i = 0; i < lenses.size(); ++i)
        lens(p, centre + QPointF(-width / 2 + 1.5 + pitch * (i + 0.5), 0), r, lenses[i]);
}

// Round lamps red, yellow, green with one of them lit.
void roundLamps(QPainter &p, QPointF centre, Glow lit, bool flashing = false, qreal r = 5)
{
    lampHead(p, centre,
             {{Face::Round, lit == Glow::Red ? Glow::Red : Glow::Off},
              {Face::Round, lit == Glow::Yellow ? Glow::Yellow : Glow::Off, flashing},
              {Face::Round, lit == Glow::Green ? Glow::Green : Glow::Off}},
             r);
}

// Railway crossing lamps: two red lenses side by side, one of them lit and flashing.
void railwayLamps(QPainter &p, QPointF centre, bool on, qreal r = 5.5)
{
    const Lens lit{Face::Round, on ? Glow::Red : Glow::Off, true};
    lampHead(p, centre, {lit, {Face::Round, Glow::Off}}, r);
}

// Signs at a size that still reads in the exam window: diameter in pixels, sign units inside.
void signAt(QPainter &p, QPointF centre, qreal diameter, const std::function<void()> &face)
{
    placed(p, centre, diameter / 100, face);
}

void postUnder(QPainter &p, QPointF top, qreal length)
{
    line(p, top, top + QPointF(0, length), flatPen(kPost, 1.8));
}

void stopFace(QPainter &p)
{
    octagonBase(p);
    fitText(p, QStringLiteral("停"), QRectF(-30, -30, 60, 60), kWhite, 2.0);
}

void speedFace(QPainter &p, const QString &value)
{
    prohibitionBase(p);
    fitText(p, value, QRectF(-27, -22, 54, 44), kBlack, 1.2, value.size() > 2);
}

void minimumSpeedFace(QPainter &p, const QString &value)
{
    mandatoryBase(p);
    fitText(p, value, QRectF(-27, -22, 54, 44), kWhite, 1.2, value.size() > 2);
}

void uTurnFace(QPainter &p)
{
    indicationBase(p);
    p.save();
    p.scale(1.35, 1.35);
    p.translate(0, -1);
    uTurnArrow(p, kWhite);
    p.restore();
}

// The banned turn: the black arrow lies over the red bar.
void noRightTurnFace(QPainter &p)
{
    prohibitionBase(p);
    prohibitionBar(p);
    p.save();
    p.scale(-1, 1);
    QPainterPath shaft;
    shaft.moveTo(10, 31);
    shaft.lineTo(10, 0);
    shaft.cubicTo(10, -8, 5, -12, -2, -12);
    shaft.lineTo(-9, -12);
    signArrow(p, shaft, 9.5, 15, 25, kBlack);
    p.restore();
}

// White auxiliary plate with a black rim; lines of text fill it from top to bottom.
void plate(QPainter &p, const QRectF &box, const QStringList &lines)
{
    p.fillRect(box.adjusted(-0.6, -0.6, 0.6, 0.6), kOutline);
    p.fillRect(box, kWhite);
    p.save();
    p.setPen(QPen(kBlack, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(1.4, 1.4, -1.4, -1.4));
    p.restore();
    const qreal h = (box.height() - 5) / lines.size();
    for (int i = 0; i < lines.size(); ++i)
        fitText(p, lines[i], QRectF(box.left() + 4, box.top() + 2.5 + h * i + 0.8, box.width() - 8,
                                    h - 1.6),
                kBlack);
}

// Road paint seen from above

void whiteDashes(QPainter &p, QPointF from, QPointF to, qreal width = 1.6)
{
    dashedLine(p, from, to, kPaint, width, 8, 6);
}

// Lane arrow painted on the road, pointing along the given direction in degrees (0 = up).
void roadArrow(QPainter &p, QPointF tail, qreal length, qreal headingDeg, int turn = 0,
               const QColor &colour = kPaint)
{
    p.save();
    p.translate(tail);
    p.rotate(headingDeg);
    QPainterPath shaft;
    shaft.moveTo(0, 0);
    if (turn == 0) {
        shaft.lineTo(0, -length);
    } else {
        shaft.lineTo(0, -length * 0.6);
        shaft.quadTo(0, -length, turn * length * 0.35, -length);
    }
    painting::arrow(p, shaft, 2.6, 5, 7, colour, 1.3);
    p.restore();
}

// Straight arrow with a branch to the right, painted in a lane pointing up.
void straightRightArrow(QPainter &p, QPointF tail, qreal length)
{
    painting::arrow(p, segment(tail, tail - QPointF(0, length)), 2.6, 5, 7, kPaint, 1.3);
    QPainterPath branch;
    branch.moveTo(tail - QPointF(0, length * 0.35));
    branch.quadTo(tail - QPointF(0, length * 0.7), tail + QPointF(length * 0.3, -length * 0.7));
    painting::arrow(p, branch, 2.6, 5, 7, kPaint, 1.3);
}

// Path a vehicle is about to take.
void path(QPainter &p, const QPainterPath &route)
{
    dashedArrow(p, route, kSwing);
}

// Two lines across a lane with a triangle behind them: yield to the road ahead.
void yieldLine(QPainter &p, QPointF centre, qreal angleDeg, qreal laneWidth)
{
    p.save();
    p.translate(centre);
    p.rotate(angleDeg);
    for (const qreal y : {-2.2, 2.2})
        line(p, {-laneWidth / 2, y}, {laneWidth / 2, y}, dashPen(kPaint, 1.6, 3, 2));
    fillPolygon(p, QPolygonF{{-5, 7}, {5, 7}, {0, 18}}, kPaint);
    fillPolygon(p, QPolygonF{{-2.6, 8.6}, {2.6, 8.6}, {0, 14.2}}, kAsphalt);
    p.restore();
}

// Label in a dark box so that it reads over any background.
void tag(QPainter &p, const QRectF &box, const QString &text)
{
    outlined(p, roundedRect(box, 2), QColor(0xff, 0xff, 0xff, 235), QColor(0x80, 0x80, 0x80), 0.6);
    fitText(p, text, box.adjusted(2, 1.5, -2, -1.5), kBlack);
}

// Crossroads used by several situations: main road across, side road up and down.
const Crossing kCross{74, 126, 38, 90};

void junction(QPainter &p, bool zebras = true)
{
    crossroads(p, kCross, zebras);
}

// Approach lane of the own car: right half of the lower arm.
constexpr qreal kOwnLaneX = 113;

// Situations

// Right turn through a channelised slip lane whose mouth is a yield line.
QImage slipLaneYield()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 22, 72);
        verticalRoad(p, 62, 112);
        paintLine(p, {0, 47}, {52, 47}, kYellowPaint, 1.8);
        paintLine(p, {122, 47}, {kWidth, 47}, kYellowPaint, 1.8);
        paintLine(p, {87, 82}, {87, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {87, 0}, {87, 12}, kYellowPaint, 1.8);
        paintLine(p, {88, 82}, {112, 82}, kPaint, 2.2);

        QPainterPath slip;
        slip.moveTo(146, kHeight + 4);
        slip.lineTo(146, 116);
        slip.cubicTo(146, 88, 160, 72, 196, 62);
        slip.lineTo(210, 60);
        strokePath(p, slip, flatPen(kKerb, 25));
        strokePath(p, slip, flatPen(kAsphalt, 21));
        p.fillRect(QRectF(112, 50, kWidth - 112, 22), kAsphalt);
        // Raised island between the slip lane and the junction.
        QPainterPath island;
        island.moveTo(115, 75);
        island.lineTo(150, 75);
        island.quadTo(136, 86, 134, 104);
        island.lineTo(134, kHeight + 2);
        island.lineTo(115, kHeight + 2);
        island.closeSubpath();
        outlined(p, island, kIsland, kKerb, 1.6);
        yieldLine(p, {166, 75}, 62, 20);
        paintLine(p, {112, 72}, {112, kHeight}, kPaint, 1.2);

        carTop(p, {146, 112}, -90, kOwnCar, 26, 13);
        path(p, [] {
            QPainterPath r;
            r.moveTo(146, 96);
            r.cubicTo(148, 82, 160, 72, 186, 64);
            return r;
        }());
        carTop(p, {96, 62}, 0, kBlueCar, 26, 13);
        roundLamps(p, {30, 112}, Glow::Red);
        tag(p, QRectF(10, 94, 40, 10), QStringLiteral("本方向"));
    });
}

// Three lanes: left turn, a variable lane between zigzag lines, straight or right.
QImage variableLaneLeft()
{
    return picture(kPavement, [](QPainter &p) {
        verticalRoad(p, 34, 166);
        p.fillRect(QRectF(0, 0, kWidth, 20), kAsphalt);
        p.fillRect(QRectF(0, 20, 32, 2), kKerb);
        p.fillRect(QRectF(168, 20, 32, 2), kKerb);
        const qreal lanes[] = {82, 110, 138, 166};
        paintLine(p, {80, 26}, {80, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {83, 26}, {83, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {83, 26}, {166, 26}, kPaint, 2.4);
        // Zigzag lines on both sides of the middle lane, ordinary dashes further back.
        for (const qreal x : {lanes[1], lanes[2]}) {
            QPainterPath zig;
            zig.moveTo(x, 28);
            for (qreal y = 28; y < 92; y += 8) {
                zig.lineTo(x - 2.6, y + 4);
                zig.lineTo(x, y + 8);
            }
            strokePath(p, zig, flatPen(kPaint, 1.4));
            whiteDashes(p, {x, 100}, {x, kHeight});
        }
        roadArrow(p, {96, 82}, 22, 0, -1);
        straightRightArrow(p, {150, 84}, 24);
        carTop(p, {124, 114}, -90, kOwnCar, 26, 13);
        carTop(p, {60, 56}, 90, kBlueCar, 26, 13);

        // Lane sign above the lanes; its middle field is a black display showing the left turn.
        const QRectF board(8, 30, 62, 40);
        outlined(p, roundedRect(board, 3), kBlue, kWhite, 1.4);
        for (const qreal x : {board.left() + 20.7, board.left() + 41.3})
            line(p, {x, board.top() + 4}, {x, board.bottom() - 4}, dashPen(kWhite, 1, 3, 2));
        const qreal mid = board.center().y() + 2;
        placed(p, {board.left() + 10.3, mid}, 0.28, [&] { leftTurnArrow(p, kWhite); });
        p.fillRect(QRectF(board.left() + 23, board.top() + 4, 16, board.height() - 8),
                   QColor(0x10, 0x10, 0x12));
        placed(p, {board.left() + 31, mid}, 0.28, [&] { leftTurnArrow(p, QColor(0xff, 0xd0, 0x40)); });
        placed(p, {board.left() + 51.7, mid}, 0.26, [&] {
            p.save();
            p.scale(-1, 1);
            straightOrLeftArrow(p, kWhite);
            p.restore();
        });
        postUnder(p, {board.center().x(), board.bottom()}, 10);
    });
}

// Kerbside lane for buses with its hours on a plate beneath the lane sign.
QImage busLaneHours()
{
    return picture(kPavement, [](QPainter &p) {
        verticalRoad(p, 20, 124);
        paintLine(p, {46, 0}, {46, kHeight}, kYellowPaint, 1.8);
        whiteDashes(p, {72, 0}, {72, kHeight});
        // Bus lane line: long yellow dashes, the words in white inside the lane.
        dashedLine(p, {98, -4}, {98, kHeight}, kYellowPaint, 2.4, 14, 8);
        const QString words = QStringLiteral("公交专用");
        for (const qreal top : {6.0, 62.0})
            for (int i = 0; i < words.size(); ++i)
                fitText(p, words.mid(i, 1), QRectF(103, top + 11 * i, 16, 10), kPaint);
        busTop(p, {111, 120}, -90, QColor(0x2c, 0x9c, 0x5c), 46, 17);
        carTop(p, {85, 96}, -90, kOwnCar, 26, 13);
        carTop(p, {59, 40}, -90, kWhiteCar, 26, 13);
        carTop(p, {33, 60}, 90, kBlueCar, 26, 13);

        // Blue lane sign with a bus, and the plate with the hours.
        const QRectF sign(140, 6, 46, 46);
        outlined(p, roundedRect(sign, 3), kBlue, kWhite, 1.4);
        p.save();
        p.translate(sign.center() + QPointF(0, -3));
        outlined(p, roundedRect(QRectF(-12, -13, 24, 22), 3), kWhite, kWhite);
        p.fillRect(QRectF(-9.5, -10, 19, 8), kBlue);
        p.fillRect(QRectF(-10, 9, 5, 4), kWhite);
        p.fillRect(QRectF(5, 9, 5, 4), kWhite);
        p.restore();
        signArrow(p, segment(sign.center() + QPointF(0, 13), sign.center() + QPointF(0, 18)), 3, 4,
                  7, kWhite);
        plate(p, QRectF(132, 56, 62, 34), {QStringLiteral("7:00-9:00"), QStringLiteral("17:00-19:00")});
        postUnder(p, {163, 90}, 14);
    });
}

// Road with a median: the yellow no-U-turn mark before the junction, and beyond the junction an
// opening in the median with the sign that allows the turn.
QImage uTurnAhead()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 30, 112);
        verticalRoad(p, 78, 112);
        p.fillRect(QRectF(78, 30, 34, 82), kAsphalt);
        for (const auto &[from, to] : {std::pair{0.0, 68.0}, std::pair{122.0, 150.0},
                                      std::pair{176.0, 206.0}})
            outlined(p, roundedRect(QRectF(from, 68, to - from, 6), 2), kIsland, kKerb, 1);
        for (const auto &[from, to] : {std::pair{-4.0, 56.0}, std::pair{122.0, 204.0}}) {
            whiteDashes(p, {from, 93}, {to, 93});
            whiteDashes(p, {from, 49}, {to, 49});
        }
        paintLine(p, {68, 75}, {68, 112}, kPaint, 2.2);
        zebraAcross(p, QRectF(57, 76, 9, 35), false);

        // Yellow no-U-turn mark in the lane beside the median: a long U-turn arrow crossed out.
        QPainterPath hook;
        hook.moveTo(22, 88);
        hook.lineTo(50, 88);
        hook.cubicTo(58, 88, 58, 78.5, 50, 78.5);
        hook.lineTo(47, 78.5);
        painting::arrow(p, hook, 2.2, 5, 6.5, kYellowPaint, 1.1);
        line(p, {26, 76}, {54, 91}, flatPen(kYellowPaint, 2.4));
        line(p, {26, 91}, {54, 76}, flatPen(kYellowPaint, 2.4));

        carTop(p, {14, 84}, 0, kOwnCar, 24, 12);
        carTop(p, {96, 102}, 0, kWhiteCar, 24, 12);
        carTop(p, {138, 40}, 180, kBlueCar, 24, 12);
        path(p, [] {
            QPainterPath r;
            r.moveTo(60, 84);
            r.lineTo(150, 84);
            r.cubicTo(170, 84, 172, 60, 154, 59);
            return r;
        }());
        signAt(p, {163, 15}, 26, [&] { uTurnFace(p); });
        postUnder(p, {163, 28}, 8);
    });
}

QImage railwayAhead(const std::function<void(QPainter &, const View &)> &extra)
{
    return driverView(kClearSky, kClearHorizon, QColor(0x8c, 0xa8, 0x64),
                      [=](QPainter &p, const View &v) {
                          straightRoad(p, v, 3.6);
                          roadMarkings(p, v, 3.6, 1.5, 9);
                          // Rails and sleepers across the road.
                          for (const qreal d : {13.0, 17.0}) {
                              fillPolygon(p, groundQuad(v, -60, 60, d - 1.4, d + 1.4),
                                          QColor(0x7a, 0x6a, 0x56));
                              for (const qreal side : {-0.75, 0.75})
                                  line(p, v.at(-60, d + side), v.at(60, d + side),
                                       flatPen(QColor(0xe0, 0xe4, 0xe8), 1.3));
                          }
                          roadMarkings(p, v, 3.6, 20, 400);
                          groundStripe(p, v, 1.8, 3.6, 10, 10.4, kPaint);
                          extra(p, v);
                      });
}

// Crossing without lamps or keeper, with a stop sign at its stop line.
QImage railwayStopSign()
{
    return railwayAhead([](QPainter &p, const View &v) {
        const QPointF base = v.at(4.4, 10.5);
        postUnder(p, {base.x(), 36}, base.y() - 36);
        signAt(p, {base.x(), 22}, 32, [&] { stopFace(p); });
        // Cross-shaped railway sign on the far side.
        const QPointF far = v.at(-4.6, 20);
        postUnder(p, far - QPointF(0, 18), 18);
        p.save();
        p.translate(far - QPointF(0, 22));
        for (const qreal a : {30.0, -30.0}) {
            p.save();
            p.rotate(a);
            outlined(p, QPainterPath([] {
                         QPainterPath r;
                         r.addRect(QRectF(-11, -1.8, 22, 3.6));
                         return r;
                     }()),
                     kWhite, kRed, 0.9);
            p.restore();
        }
        p.restore();
    });
}

// Flashing yellow at crossroads; the own car comes up from the bottom.
QImage flashingJunction(bool stopSign)
{
    return picture(kPavement, [=](QPainter &p) {
        if (!stopSign) {
            junction(p, false);
            carTop(p, {113, 106}, -90, kOwnCar, 24, 12);
            path(p, segment({113, 92}, {113, 78}));
            carTop(p, {162, 51}, 180, kWhiteCar, 26, 13);
            path(p, segment({146, 51}, {132, 51}));
            roundLamps(p, {34, 16}, Glow::Yellow, true);
            return;
        }
        // Junction drawn higher so that the stop line, its word and the sign fit below it.
        const Crossing c{74, 126, 26, 76};
        crossroads(p, c, false);
        const qreal stopY = c.bottom + 4;
        for (const qreal y : {stopY, stopY + 4})
            paintLine(p, {101, y}, {c.right, y}, kPaint, 2);
        fitText(p, QStringLiteral("停"), QRectF(105, stopY + 8, 16, 13), kPaint, 0, true);
        signAt(p, {148, stopY + 12}, 26, [&] { stopFace(p); });
        postUnder(p, {148, stopY + 25}, 10);
        carTop(p, {113, 116}, -90, kOwnCar, 24, 12);
        carTop(p, {36, 64}, 0, kBlueCar, 26, 13);
        path(p, segment({52, 64}, {68, 64}));
        roundLamps(p, {34, 104}, Glow::Yellow, true);
    });
}

// Green at crossroads: the own car turns right, the oncoming car left, both into the same road.
QImage greenRightLeft()
{
    return picture(kPavement, [](QPainter &p) {
        junction(p, false);
        carTop(p, {113, 104}, -90, kOwnCar, 24, 12);
        path(p, [] {
            QPainterPath r;
            r.moveTo(113, 90);
            r.quadTo(113, 78, 128, 77);
            r.lineTo(140, 77);
            return r;
        }());
        carTop(p, {87, 26}, 90, kBlueCar, 24, 12);
        path(p, [] {
            QPainterPath r;
            r.moveTo(87, 40);
            r.cubicTo(87, 62, 104, 74, 140, 74);
            return r;
        }());
        roundLamps(p, {34, 16}, Glow::Green);
    });
}

// Two limits side by side, the lower one for goods vehicles, seen from the driver's seat.
QImage lorrySpeedPlate()
{
    return driverView(kClearSky, kClearHorizon, QColor(0x8c, 0xa8, 0x64),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 3.6);
                          roadMarkings(p, v, 3.6);
                          truckRear(p, v, 1.8, 40, QColor(0xd0, 0xd0, 0xc8));
                          const QPointF foot = v.at(4.6, 18);
                          for (const qreal dx : {-18.0, 18.0})
                              postUnder(p, QPointF(foot.x() + dx, 20), foot.y() - 20);
                          signAt(p, QPointF(foot.x() - 18, 20), 32, [&] { speedFace(p, QStringLiteral("80")); });
                          signAt(p, QPointF(foot.x() + 18, 20), 32, [&] { speedFace(p, QStringLiteral("60")); });
                          plate(p, QRectF(foot.x() + 3, 38, 30, 15), {QStringLiteral("货车")});
                      });
}

// Driver's view helpers

const QColor kVerge(0x8c, 0xa8, 0x64);
const QColor kTownGround(0xc8, 0xc6, 0xc0);

// Lane lines of a multi-lane carriageway between the given edges, seen from the seat.
void laneLines(QPainter &p, const View &v, const std::vector<qreal> &lines, qreal from = 1.5,
               qreal to = 400)
{
    for (const qreal x : lines)
        for (qreal d = from; d < to; d += 9)
            groundStripe(p, v, x, 0.15, d, std::min(d + 4, to), kPaint);
}

// Blocks of houses along both sides of a town street.
void townFronts(QPainter &p, const View &v, qreal kerb)
{
    const QColor fronts[] = {QColor(0xc8, 0xb8, 0xa0), QColor(0xb0, 0xa8, 0x9c),
                             QColor(0xd4, 0xc8, 0xb4)};
    int i = 0;
    for (qreal d = 60; d > 9; d -= 14, ++i)
        for (const qreal side : {-1.0, 1.0}) {
            const qreal x = side < 0 ? -kerb - 6 : kerb + 6;
            const QRectF r = v.upright(x, d, 8, 9);
            p.fillRect(r, fronts[(i + (side > 0)) % 3]);
            p.fillRect(r.adjusted(r.width() * 0.2, r.height() * 0.2, -r.width() * 0.2,
                                  -r.height() * 0.55),
                       QColor(0x70, 0x80, 0x90));
        }
}

// Vertical signal head on a pole at the kerb: red, yellow, green from the top.
void poleLamps(QPainter &p, QPointF foot, qreal top, Glow lit, qreal r = 5)
{
    line(p, foot, {foot.x(), top + 3 * (2 * r + 3)}, flatPen(kPost, 2.2));
    const qreal pitch = 2 * r + 3;
    outlined(p, roundedRect(QRectF(foot.x() - r - 2.5, top - 1.5, 2 * r + 5, 3 * pitch + 1.5), 3),
             QColor(0x24, 0x24, 0x26), QColor(0x66, 0x66, 0x6c));
    const Glow order[] = {Glow::Red, Glow::Yellow, Glow::Green};
    for (int i = 0; i < 3; ++i)
        lens(p, {foot.x(), top + pitch * (i + 0.5)}, r,
             {Face::Round, order[i] == lit ? lit : Glow::Off});
}

// Lane limits on a gantry panel: for each lane the highest and the lowest speed.
QImage laneSpeedGantry()
{
    return driverView(kClearSky, kClearHorizon, kVerge, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -7.9, 4.3, 1.5, 400), kAsphalt);
        fillPolygon(p, groundQuad(v, -8.6, -7.9, 1.5, 400), QColor(0xb0, 0xb0, 0xaa));
        groundStripe(p, v, -7.4, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.95, 0.15, 1.5, 400, kPaint);
        laneLines(p, v, {-3.75, 0});
        carRear(p, v, -5.6, 34, kBlueCar);
        carRear(p, v, 1.9, 46, kWhiteCar);

        const QRectF panel(8, 3, 184, 36);
        for (const qreal x : {40.0, 160.0})
            line(p, {x, panel.bottom()}, {x, 52}, flatPen(kPost, 2.4));
        outlined(p, roundedRect(panel, 2), kWhite, kOutline, 1);
        const QString limits[3][2] = {{QStringLiteral("120"), QStringLiteral("110")},
                                      {QStringLiteral("120"), QStringLiteral("90")},
                                      {QStringLiteral("100"), QStringLiteral("60")}};
        const qreal column = panel.width() / 3;
        for (int lane = 0; lane < 3; ++lane) {
            const qreal cx = panel.left() + column * (lane + 0.5);
            if (lane > 0)
                line(p, {panel.left() + column * lane, panel.top() + 3},
                     {panel.left() + column * lane, panel.bottom() - 3}, flatPen(kBlack, 1.2));
            signAt(p, {cx - 15, panel.center().y()}, 29, [&] { speedFace(p, limits[lane][0]); });
            signAt(p, {cx + 15, panel.center().y()}, 29,
                   [&] { minimumSpeedFace(p, limits[lane][1]); });
        }
    });
}

// One lane each way through a town, a limit sign at the kerb.
QImage citySpeedSign()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 3.4);
        straightRoad(p, v, 3.4);
        roadMarkings(p, v, 3.4);
        carRear(p, v, 1.7, 38, kGreyCar);
        carRear(p, v, -1.8, 60, kWhiteCar);
        const QPointF foot = v.at(4.4, 12);
        postUnder(p, {foot.x(), 30}, foot.y() - 30);
        signAt(p, {foot.x(), 26}, 34, [&] { speedFace(p, QStringLiteral("60")); });
    });
}

// Crossing in the middle of a block with its own lamps, showing red; nobody on the stripes.
QImage midblockCrossingRed()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 3.4);
        straightRoad(p, v, 3.4);
        roadMarkings(p, v, 3.4, 1.5, 9.5);
        roadMarkings(p, v, 3.4, 15.5, 400);
        for (qreal u = -3.0; u < 3.2; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 11, 14.5, kPaint);
        groundStripe(p, v, 1.7, 3.4, 9.6, 9.9, kPaint);
        poleLamps(p, v.at(4.2, 11), 6, Glow::Red, 5.5);
        // Pedestrian lamp on the far kerb, its walking figure lit for the people.
        const QPointF far = v.at(-4.0, 15);
        line(p, far, far - QPointF(0, 22), flatPen(kPost, 1.6));
        outlined(p, roundedRect(QRectF(far.x() - 5, far.y() - 34, 10, 13), 1.5),
                 QColor(0x24, 0x24, 0x26), QColor(0x66, 0x66, 0x6c));
        walker(p, far - QPointF(0, 22.5), 9, QColor(0x22, 0xe2, 0x62));
    });
}

// Top-view helpers of straight roads

// Person seen from above: shoulders and head.
void personTop(QPainter &p, QPointF at, const QColor &coat)
{
    p.save();
    p.translate(at);
    outlined(p, [] {
        QPainterPath r;
        r.addEllipse(QPointF(), 5, 3);
        return r;
    }(), coat, coat.darker(150), 0.6);
    disc(p, {0, 0}, 2.2, QColor(0x3a, 0x2a, 0x20));
    p.restore();
}

// Queue in front of a red lamp, the centre line dashed and the oncoming lane empty.
QImage queueBorrowLane()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 34, 96);
        verticalRoad(p, 170, 200);
        p.fillRect(QRectF(168, 34, 32, 62), kAsphalt);
        dashedLine(p, {0, 65}, {160, 65}, kYellowPaint, 1.8, 8, 6);
        paintLine(p, {160, 66}, {160, 96}, kPaint, 2.2);
        for (const qreal x : {146.0, 118.0, 90.0})
            carTop(p, {x, 81}, 0, x == 118 ? kWhiteCar : kGreyCar, 24, 12);
        carTop(p, {36, 81}, 0, kOwnCar, 24, 12);
        path(p, [] {
            QPainterPath r;
            r.moveTo(50, 79);
            r.cubicTo(62, 76, 62, 50, 80, 50);
            r.lineTo(150, 50);
            return r;
        }());
        roundLamps(p, {178, 14}, Glow::Red);
    });
}

// Left-turn lane with only its turn arrow; the left-turn arrow lamp is green.
QImage leftLaneUTurn()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{40, 160, 14, 58};
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
        horizontalRoad(p, c.top, c.bottom);
        verticalRoad(p, c.left, c.right);
        paintLine(p, {0, 36}, {c.left - 3, 36}, kYellowPaint, 1.8);
        paintLine(p, {c.right + 3, 36}, {kWidth, 36}, kYellowPaint, 1.8);
        paintLine(p, {98, 62}, {98, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {101, 62}, {101, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {101, 62}, {c.right, 62}, kPaint, 2.2);
        for (const qreal x : {121.0, 141.0}) {
            paintLine(p, {x, 64}, {x, 98}, kPaint, 1.4);
            whiteDashes(p, {x, 104}, {x, kHeight}, 1.4);
        }
        roadArrow(p, {110, 92}, 20, 0, -1);
        roadArrow(p, {131, 92}, 20, 0, 0);
        roadArrow(p, {151, 92}, 20, 0, 1);
        carTop(p, {111, 112}, -90, kOwnCar, 22, 11);
        carTop(p, {131, 116}, -90, kWhiteCar, 22, 11);
        path(p, [] {
            QPainterPath r;
            r.moveTo(111, 100);
            r.lineTo(111, 52);
            r.cubicTo(111, 32, 82, 32, 82, 52);
            r.lineTo(82, 70);
            return r;
        }());
        lampHead(p, {44, 96}, {{Face::Left, Glow::Green}, {Face::Straight, Glow::Red},
                               {Face::Right, Glow::Red}},
                 7);
    });
}

// Car left at a kerb painted with the yellow dashed line while its driver walks into a shop.
QImage kerbLeaveCar()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 86);
        dashedLine(p, {0, 50}, {kWidth, 50}, kYellowPaint, 1.8, 8, 6);
        dashedLine(p, {0, 84}, {kWidth, 84}, kYellowPaint, 2.2, 7, 5);
        carTop(p, {92, 74}, 0, kWhiteCar, 26, 13);
        carTop(p, {36, 62}, 0, kBlueCar, 26, 13);
        carTop(p, {160, 32}, 180, kGreyCar, 26, 13);
        const QRectF shop(112, 100, 62, 30);
        outlined(p, roundedRect(shop, 1), QColor(0xe8, 0xd8, 0xb8), QColor(0x90, 0x80, 0x60), 1);
        fitText(p, QStringLiteral("商店"), shop.adjusted(16, 6, -16, -8), QColor(0x60, 0x40, 0x20));
        personTop(p, {118, 92}, kPerson);
        path(p, segment({100, 84}, {112, 90}));
    });
}

// Red lamp: the own car wants to turn right while the released traffic comes from the left.
QImage redRightCrossTraffic()
{
    return picture(kPavement, [](QPainter &p) {
        junction(p, true);
        carTop(p, {113, 110}, -90, kOwnCar, 22, 11);
        path(p, [] {
            QPainterPath r;
            r.moveTo(113, 98);
            r.quadTo(113, 78, 134, 77);
            r.lineTo(150, 77);
            return r;
        }());
        carTop(p, {44, 77}, 0, kBlueCar, 24, 12);
        path(p, segment({58, 77}, {72, 77}));
        roundLamps(p, {34, 112}, Glow::Red);
        tag(p, QRectF(14, 94, 40, 10), QStringLiteral("本方向"));
    });
}

// Queue in the motor lanes; a cycle lane beside them behind a solid white line.
QImage bikeLaneBypass()
{
    return picture(kPavement, [](QPainter &p) {
        verticalRoad(p, 36, 168);
        paintLine(p, {84, 0}, {84, kHeight}, kYellowPaint, 1.8);
        whiteDashes(p, {112, 0}, {112, kHeight});
        paintLine(p, {140, 0}, {140, kHeight}, kPaint, 2);
        for (const qreal y : {24.0, 86.0})
            placed(p, {154, y}, 0.2, [&] { bicycle(p, kPaint); });
        for (const qreal y : {16.0, 46.0, 76.0})
            carTop(p, {98, y}, -90, kGreyCar, 24, 12);
        carTop(p, {126, 30}, -90, kWhiteCar, 24, 12);
        carTop(p, {126, 62}, -90, kBlueCar, 24, 12);
        carTop(p, {126, 108}, -90, kOwnCar, 24, 12);
        cyclist(p, {152, 58}, 13, QColor(0x30, 0x60, 0xa0));
        path(p, [] {
            QPainterPath r;
            r.moveTo(130, 96);
            r.cubicTo(134, 86, 152, 84, 154, 70);
            return r;
        }());
        carTop(p, {60, 40}, 90, kWhiteCar, 24, 12);
    });
}

// The own car already on the rails when the crossing lamps begin to flash.
QImage railwayOnTrack()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 34, kWidth, 54), QColor(0xa8, 0x98, 0x80));
        for (const qreal centre : {48.0, 74.0}) {
            for (qreal x = 2; x < kWidth; x += 7)
                p.fillRect(QRectF(x, centre - 9, 3.5, 18), QColor(0x7a, 0x5a, 0x3a));
            for (const qreal rail : {centre - 6, centre + 6})
                line(p, {0, rail}, {kWidth, rail}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        }
        verticalRoad(p, 76, 124);
        paintLine(p, {100, 0}, {100, 26}, kYellowPaint, 1.8);
        paintLine(p, {100, 96}, {100, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {100, 100}, {124, 100}, kPaint, 2.2);
        for (const qreal centre : {48.0, 74.0})
            for (const qreal rail : {centre - 6, centre + 6})
                line(p, {76, rail}, {124, rail}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        carTop(p, {112, 74}, -90, kOwnCar, 26, 13);
        railwayLamps(p, {158, 112}, true, 6.5);
        postUnder(p, {158, 119}, 8);
        carTop(p, {88, 120}, 90, kBlueCar, 24, 12);
    });
}

// Gantry display lowering the limit, and the fixed limit beside the carriageway.
QImage variableSpeedGantry()
{
    return driverView(kClearSky, kClearHorizon, kVerge, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -6.0, 4.2, 1.5, 400), kAsphalt);
        fillPolygon(p, groundQuad(v, -6.7, -6.0, 1.5, 400), QColor(0xb0, 0xb0, 0xaa));
        groundStripe(p, v, -5.6, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.85, 0.15, 1.5, 400, kPaint);
        laneLines(p, v, {-0.8});
        carRear(p, v, -3.0, 40, kWhiteCar);
        line(p, {8, 46}, {8, 8}, flatPen(kPost, 2.6));
        line(p, {122, 46}, {122, 8}, flatPen(kPost, 2.6));
        line(p, {8, 10}, {122, 10}, flatPen(kPost, 3));
        const QRectF board(50, 2, 40, 36);
        outlined(p, roundedRect(board, 2), QColor(0x10, 0x10, 0x12), QColor(0x50, 0x50, 0x56), 1);
        const QPointF c = board.center();
        p.save();
        p.setPen(QPen(QColor(0xff, 0x34, 0x24), 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 14, 14);
        p.restore();
        fitText(p, QStringLiteral("80"), QRectF(c.x() - 8, c.y() - 6, 16, 12), QColor(0xff, 0xd0, 0x50),
                0, true);
        const QPointF foot = v.at(5.6, 14);
        postUnder(p, {foot.x(), 34}, foot.y() - 34);
        signAt(p, {foot.x(), 30}, 32, [&] { speedFace(p, QStringLiteral("120")); });
    });
}

// Lane lamps over a tidal lane: red cross over it, green arrows over the other lanes.
void laneLamp(QPainter &p, QPointF centre, bool open, qreal size = 13)
{
    outlined(p, roundedRect(QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size), 2),
             QColor(0x14, 0x14, 0x16), QColor(0x60, 0x60, 0x66), 0.8);
    const qreal h = size * 0.32;
    if (open) {
        painting::arrow(p, segment(centre - QPointF(0, h), centre + QPointF(0, h * 0.2)), 2.2, 3.8,
                        6, QColor(0x22, 0xe2, 0x62), 1.1);
        return;
    }
    const QPen cross = roundPen(QColor(0xff, 0x32, 0x22), 2.2);
    line(p, centre + QPointF(-h, -h), centre + QPointF(h, h), cross);
    line(p, centre + QPointF(-h, h), centre + QPointF(h, -h), cross);
}

QImage tidalRedCross()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 6.0);
        fillPolygon(p, groundQuad(v, -9.5, 6.0, 1.5, 400), kAsphalt);
        groundStripe(p, v, 5.7, 0.15, 1.5, 400, kPaint);
        // Tidal lane between two double yellow dashed lines.
        for (const qreal x : {-4.1, -3.85, -0.35, -0.1})
            for (qreal d = 1.5; d < 400; d += 9)
                groundStripe(p, v, x, 0.12, d, std::min(d + 4, 400.0), kYellowPaint);
        laneLines(p, v, {2.8});
        carRear(p, v, -6.5, 50, kGreyCar);
        carRear(p, v, 4.3, 30, kWhiteCar);
        line(p, {4, 34}, {196, 34}, flatPen(kPost, 3));
        for (const qreal x : {4.0, 196.0})
            line(p, {x, 34}, {x, 50}, flatPen(kPost, 2.4));
        const qreal lampX[] = {v.at(-2.1, 30).x(), v.at(1.2, 30).x(), v.at(4.3, 30).x()};
        laneLamp(p, {lampX[0], 26}, false, 15);
        laneLamp(p, {lampX[1], 26}, true, 15);
        laneLamp(p, {lampX[2], 26}, true, 15);
        // Junction lamps far ahead, green.
        roundLamps(p, {v.at(-0.4, 90).x() + 16, 8}, Glow::Green, false, 4.2);
    });
}

// Red at a junction where a sign bans the right turn; nobody about on the right.
QImage redNoRightTurn()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 3.4);
        straightRoad(p, v, 3.4);
        roadMarkings(p, v, 3.4, 1.5, 10);
        // Cross road.
        fillPolygon(p, groundQuad(v, -40, 40, 12, 22), kAsphalt);
        roadMarkings(p, v, 3.4, 22, 400);
        groundStripe(p, v, 1.7, 3.4, 10, 10.4, kPaint);
        for (qreal u = -3.0; u < 3.2; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 10.8, 11.8, kPaint);
        poleLamps(p, v.at(-4.4, 24), 6, Glow::Red, 5);
        const QPointF foot = v.at(4.4, 10.5);
        postUnder(p, {foot.x(), 34}, foot.y() - 34);
        signAt(p, {foot.x(), 22}, 32, [&] { noRightTurnFace(p); });
    });
}

// Flashing yellow beacon over a crossing in the middle of a block; a pedestrian steps on.
QImage flashingCrosswalk()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 3.4);
        straightRoad(p, v, 3.4);
        roadMarkings(p, v, 3.4, 1.5, 11);
        roadMarkings(p, v, 3.4, 15.5, 400);
        for (qreal u = -3.0; u < 3.2; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 12, 15, kPaint);
        const QPointF foot = v.at(4.3, 12);
        line(p, foot, {foot.x(), 20}, flatPen(kPost, 2.2));
        lampHead(p, {foot.x(), 16}, {{Face::Round, Glow::Yellow, true}}, 6);
        const qreal ahead = 13.5;
        walker(p, v.at(3.0, ahead), 1.7 * v.focal / ahead, QColor(0x90, 0x30, 0x40), false);
    });
}

// Works close one lane; a temporary lamp lets each direction through in turn.
QImage worksSignal()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 34, 96);
        paintLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8);
        // Works area in the lower lane, fenced with cones.
        const QRectF works(70, 68, 70, 26);
        p.fillRect(works, QColor(0xa0, 0x8c, 0x70));
        for (qreal x = 66; x <= 144; x += 13)
            fillPolygon(p, triangle({x, 66}, 4), QColor(0xff, 0x70, 0x10));
        for (const qreal x : {66.0, 144.0})
            for (qreal y = 72; y < 96; y += 9)
                fillPolygon(p, triangle({x, y}, 4), QColor(0xff, 0x70, 0x10));
        outlined(p, roundedRect(QRectF(84, 74, 16, 12), 2), QColor(0xf0, 0xa0, 0x20), kBlack, 0.6);
        carTop(p, {34, 81}, 0, kOwnCar, 24, 12);
        carTop(p, {184, 50}, 180, kBlueCar, 24, 12);
        // Portable lamps at both ends of the single lane.
        lampHead(p, {46, 108}, {{Face::Round, Glow::Red}, {Face::Round, Glow::Off},
                               {Face::Round, Glow::Off}});
        line(p, {56, 96}, {56, 103}, flatPen(kPost, 1.6));
        tag(p, QRectF(22, 114, 48, 11), QStringLiteral("临时信号灯"));
        fitText(p, QStringLiteral("施工"), QRectF(108, 74, 26, 14), kWhite);
    });
}

// Two junctions close together: the near lamp red, the far one green.
QImage twoJunctions()
{
    return driverView(kClearSky, kClearHorizon, kTownGround, [](QPainter &p, const View &v) {
        townFronts(p, v, 3.4);
        straightRoad(p, v, 3.4);
        roadMarkings(p, v, 3.4, 1.5, 10);
        for (const auto &[near, far] : {std::pair{12.0, 20.0}, std::pair{40.0, 48.0}})
            fillPolygon(p, groundQuad(v, -60, 60, near, far), kAsphalt);
        roadMarkings(p, v, 3.4, 20, 40);
        roadMarkings(p, v, 3.4, 48, 400);
        groundStripe(p, v, 1.7, 3.4, 10, 10.4, kPaint);
        groundStripe(p, v, 1.7, 3.4, 37.5, 38, kPaint);
        poleLamps(p, v.at(4.2, 11), 8, Glow::Red, 5.5);
        const QPointF far = v.at(3.8, 40);
        poleLamps(p, far, far.y() - 30, Glow::Green, 3.4);
        carRear(p, v, 1.6, 30, kBlueCar);
    });
}

// Roundabout entry with its own green lamp while a car comes round inside from the left.
QImage roundaboutGreen()
{
    return picture(kPavement, [](QPainter &p) {
        const QPointF centre(100, 52);
        verticalRoad(p, 78, 122);
        horizontalRoad(p, 30, 74);
        disc(p, centre, 46, kKerb);
        disc(p, centre, 44, kAsphalt);
        disc(p, centre, 19, kKerb);
        disc(p, centre, 17, kGrass);
        dashedLine(p, {100, 96}, {100, kHeight}, kYellowPaint, 1.8, 8, 6);
        paintLine(p, {100, 100}, {122, 100}, kPaint, 2.2);
        carTop(p, {111, 114}, -90, kOwnCar, 22, 11);
        // Circulating anticlockwise: at the bottom of the ring it runs from left to right.
        carTop(p, {70, 80}, 38, kBlueCar, 22, 11);
        path(p, [&] {
            QPainterPath r;
            r.moveTo(84, 88);
            r.quadTo(100, 95, 118, 88);
            return r;
        }());
        roundLamps(p, {160, 110}, Glow::Green);
    });
}

// Entry to an expressway: the hatched nose first, then the dashed line where the lanes meet.
QImage expresswayMerge()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 10, kWidth, 74), QColor(0xb0, 0xb0, 0xaa));
        p.fillRect(QRectF(0, 12, kWidth, 70), kAsphalt);
        paintLine(p, {0, 16}, {kWidth, 16}, kPaint, 1.6);
        whiteDashes(p, {0, 40}, {kWidth, 40});
        // Acceleration lane from the ramp on the bottom left.
        QPainterPath ramp;
        ramp.moveTo(-10, 126);
        ramp.cubicTo(30, 118, 50, 96, 80, 94);
        ramp.lineTo(210, 94);
        strokePath(p, ramp, flatPen(QColor(0xb0, 0xb0, 0xaa), 26));
        strokePath(p, ramp, flatPen(kAsphalt, 22));
        p.fillRect(QRectF(60, 82, 150, 6), kAsphalt);
        paintLine(p, {0, 64}, {48, 64}, kPaint, 1.6);
        // Hatched nose between the main lane and the ramp.
        QPolygonF nose{{48, 64}, {110, 84}, {60, 92}};
        p.save();
        p.setClipPath(polygonPath(nose));
        for (qreal x = 20; x < 120; x += 6)
            line(p, {x, 60}, {x + 20, 96}, flatPen(kPaint, 1.4));
        p.restore();
        strokePath(p, polygonPath(nose), flatPen(kPaint, 1.6));
        dashedLine(p, {110, 84}, {kWidth, 84}, kPaint, 2.4, 8, 5);
        paintLine(p, {60, 105}, {kWidth, 105}, kPaint, 1.6);
        carTop(p, {32, 111}, -24, kOwnCar, 24, 12);
        carTop(p, {150, 62}, 0, kWhiteCar, 26, 13);
        carTop(p, {70, 28}, 0, kGreyCar, 26, 13);
        path(p, [] {
            QPainterPath r;
            r.moveTo(46, 103);
            r.lineTo(126, 95);
            r.cubicTo(140, 94, 146, 76, 166, 74);
            return r;
        }());
    });
}

// Two lanes each way under a no-overtaking sign; a slow lorry in the right lane ahead.
QImage noOvertakingTwoLanes()
{
    return driverView(kClearSky, kClearHorizon, kVerge, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -4.4, 3.4, 1.5, 400), kAsphalt);
        fillPolygon(p, groundQuad(v, -5.2, -4.4, 1.5, 400), QColor(0xb0, 0xb0, 0xaa));
        groundStripe(p, v, -4.1, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.1, 0.15, 1.5, 400, kPaint);
        laneLines(p, v, {-0.5});
        truckRear(p, v, 1.5, 24, QColor(0xd0, 0xd0, 0xc8));
        const QPointF foot = v.at(5.2, 14);
        postUnder(p, {foot.x(), 32}, foot.y() - 32);
        signAt(p, {foot.x(), 26}, 34, [&] {
            prohibitionBase(p);
            overtakingCars(p, kRed, kBlack, kWhite);
        });
        path(p, [&] {
            QPainterPath r;
            r.moveTo(v.at(1.4, 7));
            r.lineTo(v.at(-2.4, 14));
            r.lineTo(v.at(-2.4, 22));
            return r;
        }());
    });
}

// T-junction: the own car on the through road, with no road to its right, faces red while traffic
// from the side road turns across its path.
QImage tJunctionRedStraight()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 52, 108);
        verticalRoad(p, 84, 132);
        p.fillRect(QRectF(0, 108, kWidth, kHeight - 108), kPavement);
        p.fillRect(QRectF(0, 108, kWidth, 2), kKerb);
        p.fillRect(QRectF(84, 52, 48, 56), kAsphalt);
        paintLine(p, {0, 80}, {70, 80}, kYellowPaint, 1.8);
        paintLine(p, {146, 80}, {kWidth, 80}, kYellowPaint, 1.8);
        paintLine(p, {108, 0}, {108, 38}, kYellowPaint, 1.8);
        zebraAcross(p, QRectF(73, 82, 9, 25), false);
        paintLine(p, {70, 82}, {70, 108}, kPaint, 2.2);
        carTop(p, {50, 95}, 0, kOwnCar, 24, 12);
        path(p, segment({64, 95}, {100, 95}));
        carTop(p, {96, 26}, 90, kBlueCar, 24, 12);
        path(p, [] {
            QPainterPath r;
            r.moveTo(96, 40);
            r.cubicTo(96, 70, 120, 92, 160, 94);
            return r;
        }());
        tag(p, QRectF(14, 12, 40, 10), QStringLiteral("本方向"));
        roundLamps(p, {34, 32}, Glow::Red);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-situations",
                   {
                       {"situation_slip_lane_yield.jpg", slipLaneYield},
                       {"situation_variable_lane_left.jpg", variableLaneLeft},
                       {"situation_bus_lane_hours.jpg", busLaneHours},
                       {"situation_uturn_ahead.jpg", uTurnAhead},
                       {"situation_railway_stop_sign.jpg", railwayStopSign},
                       {"situation_flash_stop_sign.jpg", [] { return flashingJunction(true); }},
                       {"situation_flash_right_car.jpg", [] { return flashingJunction(false); }},
                       {"situation_green_right_left.jpg", greenRightLeft},
                       {"situation_lorry_speed.jpg", lorrySpeedPlate},
                       {"situation_lane_speeds.jpg", laneSpeedGantry},
                       {"situation_city_speed_60.jpg", citySpeedSign},
                       {"situation_midblock_red.jpg", midblockCrossingRed},
                       {"situation_queue_borrow.jpg", queueBorrowLane},
                       {"situation_left_lane_uturn.jpg", leftLaneUTurn},
                       {"situation_kerb_leave_car.jpg", kerbLeaveCar},
                       {"situation_red_right_cross.jpg", redRightCrossTraffic},
                       {"situation_bike_lane_bypass.jpg", bikeLaneBypass},
                       {"situation_railway_on_track.jpg", railwayOnTrack},
                       {"situation_variable_speed.jpg", variableSpeedGantry},
                       {"situation_tidal_red_cross.jpg", tidalRedCross},
                       {"situation_red_no_right.jpg", redNoRightTurn},
                       {"situation_flash_crosswalk.jpg", flashingCrosswalk},
                       {"situation_works_signal.jpg", worksSignal},
                       {"situation_two_junctions.jpg", twoJunctions},
                       {"situation_roundabout_green.jpg", roundaboutGreen},
                       {"situation_expressway_merge.jpg", expresswayMerge},
                       {"situation_no_overtaking_lanes.jpg", noOvertakingTwoLanes},
                       {"situation_t_junction_red.jpg", tJunctionRedStraight},
                   });
}
