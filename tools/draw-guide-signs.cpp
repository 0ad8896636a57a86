// Draws the guide, tourist, road-works, auxiliary and notice signs of the question bank into a
// folder given on the command line.

#include "scenes.h"
#include "signs.h"

using namespace painting;

namespace {

const QColor kBrown(0x86, 0x4a, 0x1e);
const QColor kOrange(0xf2, 0x8c, 0x00);
const QColor kPurple(0x6c, 0x2e, 0x92);

// Sign lettering: slightly heavier than the bare outline so that it survives the JPEG at 200 px.
void label(QPainter &p, const QString &text, const QRectF &box, const QColor &colour,
           qreal weight = 0.4)
{
    fitText(p, text, box, colour, weight);
}

// Text fitted to the box but set against its left edge, for columns of names.
void leftLabel(QPainter &p, const QString &text, const QRectF &box, const QColor &colour)
{
    QPainterPath path = textPath(text, box.adjusted(0.2, 0.2, -0.2, -0.2));
    path.translate(box.left() + 0.2 - path.boundingRect().left(), 0);
    p.save();
    p.setPen(roundPen(colour, 0.4));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

void rightLabel(QPainter &p, const QString &text, const QRectF &box, const QColor &colour)
{
    QPainterPath path = textPath(text, box.adjusted(0.2, 0.2, -0.2, -0.2));
    path.translate(box.right() - 0.2 - path.boundingRect().right(), 0);
    p.save();
    p.setPen(roundPen(colour, 0.4));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

// Road-works signs: orange face with a black rim inside the white edge.
void worksPanel(QPainter &p, const QRectF &box)
{
    panelBase(p, box, kOrange);
    p.save();
    p.setPen(QPen(kBlack, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
    p.restore();
}

// White face with a black rim: auxiliary plates and notice signs.
void whitePanel(QPainter &p, const QRectF &box, qreal rim = 2)
{
    p.save();
    p.setBrush(kOutline);
    p.drawRoundedRect(box.adjusted(-0.6, -0.6, 0.6, 0.6), 4.6, 4.6);
    p.setBrush(kWhite);
    p.drawRoundedRect(box, 4, 4);
    p.setPen(QPen(kBlack, rim));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(box.adjusted(2.5, 2.5, -2.5, -2.5), 2.5, 2.5);
    p.restore();
}

// Arrow of a lane or a road on a guide sign: 0 goes straight on, -1 turns left, 1 turns right.
void turnArrow(QPainter &p, QPointF foot, int turn, const QColor &colour, qreal size = 1)
{
    QPainterPath shaft;
    shaft.moveTo(foot);
    if (turn == 0) {
        shaft.lineTo(foot + QPointF(0, -30 * size));
    } else {
        shaft.lineTo(foot + QPointF(0, -14 * size));
        shaft.cubicTo(foot + QPointF(0, -24 * size), foot + QPointF(4 * turn * size, -26 * size),
                      foot + QPointF(12 * turn * size, -26 * size));
    }
    signArrow(p, shaft, 6 * size, 11 * size, 17 * size, colour);
}

// National expressway route marker: red head band and green field with the route number.
void expresswayMarker(QPainter &p, const QRectF &box, const QString &number)
{
    p.save();
    p.setBrush(kWhite);
    p.drawRoundedRect(box, 3, 3);
    const QRectF inner = box.adjusted(1.6, 1.6, -1.6, -1.6);
    const qreal head = inner.height() * 0.32;
    p.setClipPath(roundedRect(inner, 2.4));
    p.fillRect(QRectF(inner.left(), inner.top(), inner.width(), head), kRed);
    p.fillRect(
        QRectF(inner.left(), inner.top() + head + 1.4, inner.width(), inner.height() - head - 1.4),
        kGreen);
    p.restore();
    // On a small marker the words would drop under legible size; the red band alone remains.
    if (inner.width() >= 56)
        label(p, QStringLiteral("国家高速"),
              QRectF(inner.left() + 2, inner.top() + 1.2, inner.width() - 4, head - 2.4), kWhite,
              0.2);
    label(p, number,
          QRectF(inner.left() + 3, inner.top() + head + 4, inner.width() - 6,
                 inner.height() - head - 8),
          kWhite, 0.6);
}

// Pictograms, drawn around the origin in sign units

// Lorry facing right, wheels standing on y = 0; 70 units long.
void lorry(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillRect(QRectF(-35, -32, 47, 25), body);
    QPainterPath cab;
    cab.moveTo(15, -7);
    cab.lineTo(15, -27);
    cab.lineTo(27, -27);
    cab.lineTo(35, -16);
    cab.lineTo(35, -7);
    cab.closeSubpath();
    p.fillPath(cab, body);
    p.fillRect(QRectF(-35, -9, 70, 4), body);
    fillPolygon(p, QPolygonF{{18, -24}, {26, -24}, {31.5, -16}, {18, -16}}, gap);
    for (qreal x : {-24.0, -9.0, 24.0}) {
        disc(p, {x, -5}, 7.2, gap);
        disc(p, {x, -5}, 5.8, body);
    }
}

// Pedestrian of the guide signs, feet on y = 0, about 46 units tall at scale 1.
void pedestrian(QPainter &p, QPointF feet, qreal scale, const QColor &colour)
{
    placed(p, feet + QPointF(0, -23 * scale), scale, [&] { walkingPerson(p, colour); });
}

void wheelchairUser(QPainter &p, const QColor &colour)
{
    disc(p, {-2, -30}, 6, colour);
    QPainterPath body;
    body.moveTo(-4, -20);
    body.lineTo(-6, 0);
    body.lineTo(12, 0);
    body.lineTo(18, 18);
    body.lineTo(24, 18);
    strokePath(p, body, roundPen(colour, 6));
    line(p, {-4, -12}, {10, -10}, roundPen(colour, 5));
    p.save();
    p.setPen(roundPen(colour, 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-26, -6, 36, 36), 40 * 16, 250 * 16);
    p.restore();
}

// Telephone handset lying on its back, mouthpiece left.
void handset(QPainter &p, const QColor &colour)
{
    QPainterPath grip;
    grip.moveTo(-22, 4);
    grip.cubicTo(-14, -12, 14, -12, 22, 4);
    strokePath(p, grip, roundPen(colour, 7));
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(19 * side, 8);
        p.rotate(-25 * side);
        p.fillPath(roundedRect(QRectF(-8, -3, 16, 9), 3), colour);
        p.restore();
    }
}

void fuelPump(QPainter &p, const QColor &colour, const QColor &gap)
{
    p.fillPath(roundedRect(QRectF(-12, -18, 18, 34), 2), colour);
    p.fillRect(QRectF(-8, -14, 10, 8), gap);
    p.fillRect(QRectF(-15, 14, 24, 4), colour);
    QPainterPath hose;
    hose.moveTo(6, -10);
    hose.lineTo(12, -10);
    hose.lineTo(12, 8);
    hose.quadTo(12, 12, 15, 10);
    hose.lineTo(15, -12);
    strokePath(p, hose, roundPen(colour, 2.6));
}

void knifeAndFork(QPainter &p, const QColor &colour)
{
    line(p, {-6, -4}, {-6, 18}, roundPen(colour, 3.4));
    for (qreal x : {-10.0, -6.0, -2.0})
        line(p, {x, -18}, {x, -8}, roundPen(colour, 2));
    line(p, {-10, -8}, {-2, -8}, roundPen(colour, 2.6));
    QPainterPath blade;
    blade.moveTo(6, 18);
    blade.lineTo(6, -18);
    blade.quadTo(13, -10, 12, 2);
    blade.lineTo(7.5, 2);
    p.fillPath(blade, colour);
    line(p, {7, 0}, {7, 18}, roundPen(colour, 3.4));
}

void spanner(QPainter &p, const QColor &colour, const QColor &gap)
{
    p.save();
    p.rotate(-45);
    p.fillPath(roundedRect(QRectF(-3.5, -8, 7, 26), 2.5), colour);
    disc(p, {0, -12}, 8, colour);
    p.fillRect(QRectF(-3, -22, 6, 10), gap);
    p.restore();
}

void tollBooth(QPainter &p, const QColor &colour, const QColor &gap)
{
    fillPolygon(p, QPolygonF{{-24, -20}, {-2, -20}, {2, -14}, {-28, -14}}, colour);
    p.fillRect(QRectF(-24, -14, 20, 32), colour);
    p.fillRect(QRectF(-20, -10, 12, 9), gap);
    p.fillRect(QRectF(-1, 3, 4, 15), colour);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(3 + 7 * i, 3, 7, 4), i % 2 == 0 ? colour : colour.darker(160));
    p.fillRect(QRectF(-30, 18, 64, 3), colour);
}

void tent(QPainter &p, const QColor &colour, const QColor &gap)
{
    fillPolygon(p, QPolygonF{{0, -26}, {30, 22}, {-30, 22}}, colour);
    fillPolygon(p, QPolygonF{{0, -4}, {10, 22}, {-10, 22}}, gap);
    line(p, {0, -26}, {0, -34}, roundPen(colour, 3));
    p.fillRect(QRectF(-38, 22, 76, 4), colour);
}

void cableCar(QPainter &p, const QColor &colour, const QColor &gap)
{
    line(p, {-40, -6}, {40, -30}, roundPen(colour, 3));
    line(p, {0, -18}, {0, -8}, roundPen(colour, 3));
    p.fillPath(roundedRect(QRectF(-16, -8, 32, 30), 4), colour);
    p.fillRect(QRectF(-12, -3, 10, 10), gap);
    p.fillRect(QRectF(2, -3, 10, 10), gap);
}

void rowingBoat(QPainter &p, const QColor &colour)
{
    QPainterPath hull;
    hull.moveTo(-34, 0);
    hull.lineTo(34, 0);
    hull.quadTo(28, 12, 18, 12);
    hull.lineTo(-22, 12);
    hull.quadTo(-30, 10, -34, 0);
    p.fillPath(hull, colour);
    disc(p, {-2, -22}, 5.5, colour);
    QPainterPath body;
    body.moveTo(-4, -14);
    body.lineTo(-8, -2);
    body.lineTo(6, -2);
    strokePath(p, body, roundPen(colour, 5));
    line(p, {-4, -12}, {10, -10}, roundPen(colour, 3.4));
    line(p, {16, -18}, {-2, 22}, roundPen(colour, 2.6));
    for (int i = 0; i < 2; ++i)
        strokePath(p, wave({-40, 20.0 + 7 * i}, {40, 20.0 + 7 * i}, 4, 1.2), roundPen(colour, 2));
}

// Angler on the bank, rod out over the water.
void angler(QPainter &p, const QColor &colour)
{
    disc(p, {-22, -26}, 5.5, colour);
    QPainterPath body;
    body.moveTo(-23, -18);
    body.lineTo(-25, 2);
    body.lineTo(-30, 16);
    body.moveTo(-25, 2);
    body.lineTo(-18, 16);
    strokePath(p, body, roundPen(colour, 5));
    line(p, {-22, -14}, {-12, -10}, roundPen(colour, 3.4));
    line(p, {-14, -8}, {26, -34}, roundPen(colour, 2.4));
    line(p, {26, -34}, {26, 8}, roundPen(colour, 1.2));
    p.fillRect(QRectF(-40, 16, 34, 5), colour);
    for (int i = 0; i < 2; ++i)
        strokePath(p, wave({0, 14.0 + 8 * i}, {40, 14.0 + 8 * i}, 2, 1.2), roundPen(colour, 2));
}

void skier(QPainter &p, const QColor &colour)
{
    line(p, {-38, 10}, {38, 34}, roundPen(colour, 2.5));
    disc(p, {-6, -30}, 5.5, colour);
    QPainterPath body;
    body.moveTo(-8, -22);
    body.lineTo(2, -4);
    body.lineTo(-6, 8);
    body.lineTo(4, 18);
    strokePath(p, body, roundPen(colour, 5));
    line(p, {-6, -16}, {-20, -8}, roundPen(colour, 3.2));
    line(p, {-20, -8}, {-26, 14}, roundPen(colour, 1.8));
    line(p, {-4, -14}, {12, -12}, roundPen(colour, 3.2));
    line(p, {12, -12}, {14, 14}, roundPen(colour, 1.8));
    line(p, {-16, 14}, {22, 26}, roundPen(colour, 3));
}

void swimmer(QPainter &p, const QColor &colour)
{
    disc(p, {-16, -4}, 6, colour);
    QPainterPath arm;
    arm.moveTo(-8, 2);
    arm.quadTo(6, -22, 22, -4);
    strokePath(p, arm, roundPen(colour, 5));
    line(p, {-8, 4}, {30, 6}, roundPen(colour, 5));
    for (int i = 0; i < 2; ++i)
        strokePath(p, wave({-38, 12.0 + 9 * i}, {38, 12.0 + 9 * i}, 4, 1.4), roundPen(colour, 2.4));
}

// Bottle thrown out of a car window.
void litterPictogram(QPainter &p, const QColor &colour)
{
    placed(p, {6, 20}, 0.78, [&] { sideCar(p, colour, kWhite); });
    p.save();
    p.translate(-22, -18);
    p.rotate(-35);
    p.fillPath(roundedRect(QRectF(-5, -8, 10, 18), 2.5), colour);
    p.fillRect(QRectF(-2, -13, 4, 5), colour);
    p.restore();
    for (int i = 0; i < 2; ++i)
        line(p, {-12.0 + 5 * i, -26.0 + 6 * i}, {-2.0 + 5 * i, -19.0 + 6 * i}, roundPen(colour, 2));
}

void hiker(QPainter &p, const QColor &colour)
{
    walkingPerson(p, colour);
    p.fillPath(roundedRect(QRectF(-12, -16, 9, 16), 2.5), colour);
    line(p, {11, 1}, {17, 24}, roundPen(colour, 2.4));
}

void horseRider(QPainter &p, const QColor &colour)
{
    p.fillPath(roundedRect(QRectF(-24, -6, 40, 16), 8), colour);
    QPainterPath neck;
    neck.moveTo(10, -2);
    neck.lineTo(20, -20);
    neck.lineTo(30, -14);
    neck.lineTo(26, -10);
    neck.lineTo(20, -12);
    neck.lineTo(16, 4);
    neck.closeSubpath();
    p.fillPath(neck, colour);
    const QPen leg = roundPen(colour, 3.6);
    line(p, {-18, 6}, {-26, 26}, leg);
    line(p, {-12, 8}, {-10, 28}, leg);
    line(p, {8, 8}, {14, 28}, leg);
    line(p, {12, 6}, {24, 22}, leg);
    strokePath(p, wave({-24, -2}, {-36, 12}, 1, 1.5), roundPen(colour, 3));
    disc(p, {-4, -30}, 5, colour);
    QPainterPath rider;
    rider.moveTo(-5, -24);
    rider.lineTo(-6, -8);
    rider.lineTo(2, 2);
    strokePath(p, rider, roundPen(colour, 5));
    line(p, {-4, -18}, {12, -14}, roundPen(colour, 3));
}

void campfire(QPainter &p, const QColor &colour)
{
    line(p, {-26, 26}, {22, 12}, roundPen(colour, 6));
    line(p, {-22, 12}, {26, 26}, roundPen(colour, 6));
    QPainterPath flame;
    flame.moveTo(0, -34);
    flame.cubicTo(10, -18, 20, -8, 14, 4);
    flame.quadTo(8, 12, 0, 12);
    flame.quadTo(-8, 12, -14, 4);
    flame.cubicTo(-18, -6, -8, -12, -6, -22);
    flame.quadTo(-2, -12, 0, -14);
    flame.closeSubpath();
    p.fillPath(flame, colour);
}

void skater(QPainter &p, const QColor &colour)
{
    disc(p, {6, -30}, 5.5, colour);
    QPainterPath body;
    body.moveTo(4, -22);
    body.lineTo(-4, -4);
    body.lineTo(0, 14);
    body.moveTo(-4, -4);
    body.lineTo(-22, 4);
    strokePath(p, body, roundPen(colour, 5));
    line(p, {2, -18}, {20, -12}, roundPen(colour, 3.2));
    line(p, {0, -16}, {-14, -22}, roundPen(colour, 3.2));
    line(p, {-8, 18}, {10, 18}, roundPen(colour, 2.4));
    line(p, {-28, 2}, {-20, 10}, roundPen(colour, 2.4));
    line(p, {-38, 28}, {38, 28}, roundPen(colour, 2));
}

void chevron(QPainter &p, QPointF centre, qreal size, int pointing, const QColor &colour)
{
    QPolygonF shape{{-10, -22}, {4, -22}, {18, 0}, {4, 22}, {-10, 22}, {4, 0}};
    for (QPointF &pt : shape)
        pt = centre + QPointF(pt.x() * pointing, pt.y()) * size;
    fillPolygon(p, shape, colour);
}

void rainCloud(QPainter &p, const QColor &colour)
{
    QPainterPath cloud;
    cloud.addEllipse(QPointF(-9, -6), 9, 9);
    cloud.addEllipse(QPointF(4, -11), 11, 11);
    cloud.addEllipse(QPointF(14, -4), 8, 8);
    cloud.addRoundedRect(QRectF(-18, -6, 40, 10), 5, 5);
    cloud.setFillRule(Qt::WindingFill);
    p.fillPath(cloud.simplified(), colour);
    for (qreal x : {-10.0, 2.0, 14.0})
        line(p, {x, 9}, {x - 4, 19}, roundPen(colour, 2.6));
}

void fogLines(QPainter &p, const QColor &colour)
{
    for (int i = 0; i < 4; ++i)
        strokePath(p, wave({-18, -14.0 + 9 * i}, {18, -14.0 + 9 * i}, 2, 1.4),
                   roundPen(colour, 2.6));
}

void snowflake(QPainter &p, const QColor &colour)
{
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.rotate(60 * i);
        line(p, {0, -17}, {0, 17}, roundPen(colour, 2.8));
        for (qreal end : {-1.0, 1.0}) {
            line(p, {0, 11 * end}, {5, 15 * end}, roundPen(colour, 2.2));
            line(p, {0, 11 * end}, {-5, 15 * end}, roundPen(colour, 2.2));
        }
        p.restore();
    }
}

// Seated person wearing a lap-and-shoulder belt, facing right.
void beltedPerson(QPainter &p, const QColor &colour, const QColor &gap)
{
    QPainterPath seat;
    seat.moveTo(-22, -34);
    seat.lineTo(-16, 6);
    seat.lineTo(18, 6);
    strokePath(p, seat, roundPen(colour, 4));
    disc(p, {-4, -30}, 7, colour);
    p.fillPath(roundedRect(QRectF(-14, -21, 16, 24), 5), colour);
    line(p, {0, -2}, {18, -2}, roundPen(colour, 8));
    line(p, {18, -2}, {20, 20}, roundPen(colour, 7));
    line(p, {-12, -20}, {1, 2}, roundPen(gap, 2.6));
    line(p, {-13, 0}, {3, 0}, roundPen(gap, 2.6));
    p.fillRect(QRectF(-1, -2, 5, 4), gap);
}

void wineGlass(QPainter &p, const QColor &colour)
{
    QPainterPath bowl;
    bowl.moveTo(-10, -20);
    bowl.lineTo(10, -20);
    bowl.quadTo(11, -2, 0, 0);
    bowl.quadTo(-11, -2, -10, -20);
    p.fillPath(bowl, colour);
    line(p, {0, 0}, {0, 16}, roundPen(colour, 2.6));
    line(p, {-8, 17}, {8, 17}, roundPen(colour, 3));
}

void schoolBusSide(QPainter &p)
{
    const QColor body(0xf6, 0xc4, 0x12);
    outlined(p, roundedRect(QRectF(-36, -30, 72, 26), 4), body, kBlack, 1.6);
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRectF(-31 + 12 * i, -26, 9, 9), kBlack);
    fillPolygon(p, QPolygonF{{19, -26}, {29, -26}, {32, -16}, {19, -16}}, kBlack);
    p.fillRect(QRectF(-34, -13, 68, 3), kBlack);
    for (qreal x : {-22.0, 22.0}) {
        disc(p, {x, -4}, 7, kWhite);
        disc(p, {x, -4}, 5.6, kBlack);
    }
}

// Main signs above an auxiliary plate, at the size used there

void smallSign(QPainter &p, QPointF centre, qreal radius, const std::function<void()> &draw)
{
    placed(p, centre, radius / 50.0, draw);
}

void noLeftTurnFace(QPainter &p)
{
    prohibitionBase(p);
    prohibitionBar(p);
    QPainterPath shaft;
    shaft.moveTo(10, 31);
    shaft.lineTo(10, 0);
    shaft.cubicTo(10, -8, 5, -12, -2, -12);
    shaft.lineTo(-9, -12);
    signArrow(p, shaft, 9.5, 15, 25, kBlack);
}

void speedLimitFace(QPainter &p, const QString &value)
{
    prohibitionBase(p);
    fitText(p, value, QRectF(-27, -20, 54, 40), kBlack, 1.0);
}

void noParkingFace(QPainter &p)
{
    roundBase(p, kRed);
    disc(p, {}, 38.5, kBlue);
    QPainterPath inner;
    inner.addEllipse(QPointF(), 39, 39);
    p.save();
    p.setClipPath(inner);
    for (qreal angle : {45.0, -45.0}) {
        p.save();
        p.rotate(angle);
        p.fillRect(QRectF(-40, -4.3, 80, 8.6), kRed);
        p.restore();
    }
    p.restore();
}

void noHornFace(QPainter &p)
{
    prohibitionBase(p);
    prohibitionBar(p);
    horn(p, kBlack);
}

void dangerFace(QPainter &p)
{
    warningBase(p);
    p.fillPath(roundedRect(QRectF(-4.5, -12, 9, 28), 3), kBlack);
    disc(p, {0, 26}, 5, kBlack);
}

// A main sign with a white plate under it, both drawn in picture pixels.
QImage signWithPlate(const std::function<void(QPainter &)> &face, bool warning,
                     const QString &plate)
{
    return picture(kBackground, [&](QPainter &p) {
        const QPointF centre(100, warning ? 44 : 42);
        smallSign(p, centre, warning ? 40 : 36, [&] { face(p); });
        const QRectF box(18, 86, 164, 38);
        whitePanel(p, box, 1.6);
        label(p, plate, box.adjusted(10, 8, -10, -8), kBlack, 0.5);
    });
}

// Ordinary-road guide signs (blue)

QImage directionSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -54, 168, 108));
        signArrow(p, segment({0, 46}, {0, -14}), 9, 14, 22, kWhite);
        for (qreal side : {-1.0, 1.0})
            signArrow(p, segment({0, 14}, {26 * side, 14}), 9, 14, 22, kWhite);
        fitText(p, QStringLiteral("人民路"), QRectF(-26, -48, 52, 16), kWhite, 0.4);
        fitText(p, QStringLiteral("西站"), QRectF(-80, 5, 38, 18), kWhite, 0.4);
        fitText(p, QStringLiteral("东湖"), QRectF(42, 5, 38, 18), kWhite, 0.4);
    });
}

// T-junction ahead: the cross road's name on the bar, the places at its two ends.
QImage tJunctionGuideSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -54, 168, 108));
        strokePath(p, segment({0, 46}, {0, -4}), flatPen(kWhite, 9));
        for (qreal side : {-1.0, 1.0})
            signArrow(p, segment({0, -4}, {34 * side, -4}), 9, 14, 22, kWhite);
        label(p, QStringLiteral("滨江路"), QRectF(-30, -44, 60, 20), kWhite);
        label(p, QStringLiteral("老城"), QRectF(-80, 10, 44, 20), kWhite);
        label(p, QStringLiteral("新港"), QRectF(36, 10, 44, 20), kWhite);
    });
}

// Lane guidance over a three-lane approach: turn arrow and destination for each lane.
QImage laneGuideSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108));
        for (qreal x : {-29.0, 29.0})
            line(p, {x, -48}, {x, 48}, flatPen(kWhite, 1.8));
        const int turns[] = {-1, 0, 1};
        const QString names[] = {QStringLiteral("东山路"), QStringLiteral("火车站"),
                                 QStringLiteral("南湖")};
        for (int i = 0; i < 3; ++i) {
            const qreal cx = -57.5 + 57.5 * i;
            turnArrow(p, {cx - 4 * turns[i], 8}, turns[i], kWhite, 1.2);
            label(p, names[i], QRectF(cx - 25, 18, 50, 20), kWhite);
            signArrow(p, segment({cx, 40}, {cx, 47}), 3, 5, 8, kWhite);
        }
    });
}

QImage placeDistanceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-76, -54, 152, 108));
        const QString names[] = {QStringLiteral("石桥"), QStringLiteral("柳镇"),
                                 QStringLiteral("江城")};
        const QString distances[] = {QStringLiteral("12 km"), QStringLiteral("36 km"),
                                     QStringLiteral("95 km")};
        for (int i = 0; i < 3; ++i) {
            const qreal top = -44 + 31 * i;
            leftLabel(p, names[i], QRectF(-64, top, 56, 22), kWhite);
            rightLabel(p, distances[i], QRectF(0, top + 2, 64, 20), kWhite);
        }
    });
}

QImage routeNumberSign(const QColor &face, const QColor &ink, const QString &number)
{
    return signPicture([=](QPainter &p) {
        panelBase(p, QRectF(-62, -36, 124, 72), face);
        label(p, number, QRectF(-48, -22, 96, 44), ink, 1.0);
    });
}

QImage deadEndSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        p.fillRect(QRectF(-9, -22, 18, 66), kWhite);
        p.fillRect(QRectF(-26, -34, 52, 13), kRed);
    });
}

// Detour around a crossing closed to through traffic.
QImage detourSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-66, -54, 132, 108));
        const QPen street = flatPen(kWhite, 3);
        line(p, {-16, 48}, {-16, -48}, street);
        line(p, {-56, -4}, {56, -4}, street);
        line(p, {-56, -36}, {56, -36}, street);
        line(p, {24, 8}, {24, -48}, street);
        p.fillRect(QRectF(-28, -24, 24, 8), kRed);
        QPainterPath route;
        route.moveTo(-16, 44);
        route.lineTo(-16, -4);
        route.lineTo(24, -4);
        route.lineTo(24, -36);
        route.lineTo(-16, -36);
        route.lineTo(-16, -42);
        strokePath(p, route, QPen(kWhite, 7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        arrowHead(p, route, 0.5, 9, 17, kWhite);
        label(p, QStringLiteral("绕行"), QRectF(30, 14, 30, 30), kWhite);
    });
}

QImage parkingLotSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -50, 160, 100));
        label(p, QStringLiteral("P"), QRectF(-70, -38, 44, 60), kWhite, 1.2);
        label(p, QStringLiteral("停车场"), QRectF(-14, -38, 84, 26), kWhite);
        signArrow(p, segment({-10, 8}, {40, 8}), 7, 12, 19, kWhite);
        label(p, QStringLiteral("150 m"), QRectF(-14, 22, 84, 20), kWhite);
    });
}

// Narrow road widened on one side so that two vehicles can pass.
QImage passingBaySign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        const QPen edge = flatPen(kWhite, 3.5);
        line(p, {-22, 44}, {-22, -44}, edge);
        QPainterPath right;
        right.moveTo(8, 44);
        right.lineTo(8, 22);
        right.lineTo(30, 12);
        right.lineTo(30, -12);
        right.lineTo(8, -22);
        right.lineTo(8, -44);
        strokePath(p, right, edge);
        const auto car = [&](QPointF centre, qreal angle) {
            topView(p, centre, angle, 24, 12, [&](qreal l, qreal w) {
                p.fillPath(roundedRect(QRectF(-l, -w, 2 * l, 2 * w), 3), kWhite);
                p.fillRect(QRectF(l * 0.2, -w * 0.7, l * 0.35, w * 1.4), kBlue);
            });
        };
        car({-7, 14}, -90);
        car({19, -2}, 90);
    });
}

QImage footbridgeSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        QPainterPath bridge;
        bridge.moveTo(-40, 30);
        for (int i = 0; i < 4; ++i) {
            bridge.lineTo(-40 + 4 * i, 30 - 6 * (i + 1));
            bridge.lineTo(-40 + 4 * (i + 1), 30 - 6 * (i + 1));
        }
        bridge.lineTo(24, 6);
        for (int i = 0; i < 4; ++i) {
            bridge.lineTo(24 + 4 * i, 6 + 6 * (i + 1));
            bridge.lineTo(24 + 4 * (i + 1), 6 + 6 * (i + 1));
        }
        strokePath(p, bridge, QPen(kWhite, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (qreal x : {-16.0, 0.0, 16.0})
            line(p, {x, 8}, {x, 30}, flatPen(kWhite, 3));
        line(p, {-44, 36}, {44, 36}, flatPen(kWhite, 2.5));
        pedestrian(p, {2, 2}, 0.75, kWhite);
    });
}

QImage underpassSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        line(p, {-44, -20}, {-30, -20}, flatPen(kWhite, 3.5));
        line(p, {-12, -20}, {44, -20}, flatPen(kWhite, 3.5));
        placed(p, {20, -23}, 0.5, [&] { sideCar(p, kWhite, kBlue); });
        QPainterPath stairs;
        stairs.moveTo(-30, -20);
        for (int i = 0; i < 5; ++i) {
            stairs.lineTo(-30 + 4 * i, -20 + 10 * (i + 1));
            stairs.lineTo(-30 + 4 * (i + 1), -20 + 10 * (i + 1));
        }
        stairs.lineTo(42, 30);
        strokePath(p, stairs, QPen(kWhite, 3.5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        line(p, {-12, -8}, {42, -8}, flatPen(kWhite, 3));
        pedestrian(p, {16, 28}, 0.7, kWhite);
    });
}

QImage shelterSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        QPainterPath house;
        house.moveTo(-30, 38);
        house.lineTo(-30, -8);
        house.lineTo(4, -38);
        house.lineTo(38, -8);
        house.lineTo(38, 38);
        strokePath(p, house, QPen(kWhite, 5, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        pedestrian(p, {4, 36}, 0.85, kWhite);
        for (int i = 0; i < 3; ++i)
            line(p, {-44, -2.0 + 10 * i}, {-34, -2.0 + 10 * i}, roundPen(kWhite, 2.5));
    });
}

// Camera on a bracket: the road ahead is watched by traffic monitoring equipment.
QImage cameraSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        p.save();
        p.rotate(12);
        p.fillPath(roundedRect(QRectF(-30, -14, 44, 22), 3), kWhite);
        fillPolygon(p, QPolygonF{{-30, -12}, {-38, -16}, {-38, 10}, {-30, 6}}, kWhite);
        p.fillPath(roundedRect(QRectF(-26, -18, 36, 4), 1.5), kWhite);
        disc(p, {-33, -3}, 4.5, kBlue);
        p.restore();
        line(p, {4, 10}, {4, 22}, flatPen(kWhite, 5));
        line(p, {4, 22}, {30, 22}, flatPen(kWhite, 5));
        p.fillRect(QRectF(28, -30, 6, 66), kWhite);
    });
}

QImage tunnelExitSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -46, 168, 92));
        QPainterPath arch;
        arch.moveTo(-74, 32);
        arch.lineTo(-74, -6);
        arch.arcTo(QRectF(-74, -32, 52, 52), 180, -180);
        arch.lineTo(-22, 32);
        strokePath(p, arch, flatPen(kWhite, 5));
        line(p, {-48, 30}, {-48, 4}, dashPen(kWhite, 2.5, 6, 4));
        label(p, QStringLiteral("出口"), QRectF(-8, -36, 80, 30), kWhite, 0.6);
        label(p, QStringLiteral("500 m"), QRectF(-6, 6, 76, 26), kWhite, 0.6);
    });
}

// Front of a passenger train: the railway station as a place on the road network.
QImage railwayStationSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        QPainterPath body;
        body.moveTo(-22, 24);
        body.lineTo(-22, -18);
        body.quadTo(-22, -36, 0, -36);
        body.quadTo(22, -36, 22, -18);
        body.lineTo(22, 24);
        body.closeSubpath();
        p.fillPath(body, kWhite);
        p.fillPath(roundedRect(QRectF(-16, -28, 32, 16), 4), kBlue);
        disc(p, {-12, 10}, 4, kBlue);
        disc(p, {12, 10}, 4, kBlue);
        p.fillRect(QRectF(-8, 18, 16, 3), kBlue);
        line(p, {-16, 26}, {-24, 38}, flatPen(kWhite, 3));
        line(p, {16, 26}, {24, 38}, flatPen(kWhite, 3));
        line(p, {-40, 40}, {40, 40}, flatPen(kWhite, 3));
    });
}

// Roundabout ahead: vehicles go round it anticlockwise, the places at the arms.
QImage roundaboutGuideSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108));
        const QPointF hub(0, -2);
        strokePath(p, segment({0, 48}, {0, 20}), flatPen(kWhite, 8));
        signArrow(p, segment({-20, -2}, {-40, -2}), 8, 12, 19, kWhite);
        signArrow(p, segment({0, -24}, {0, -38}), 8, 12, 19, kWhite);
        signArrow(p, segment({20, -2}, {40, -2}), 8, 12, 19, kWhite);
        // The ring as four arcs, each ending in a head that points the way round: anticlockwise.
        const QRectF ring(hub.x() - 19, hub.y() - 19, 38, 38);
        for (int i = 0; i < 4; ++i) {
            QPainterPath arc;
            arc.arcMoveTo(ring, -60 + 90 * i);
            arc.arcTo(ring, -60 + 90 * i, 58);
            strokePath(p, arc, flatPen(kWhite, 6));
            arrowHead(p, arc, 0.5, 9, 14, kWhite);
        }
        label(p, QStringLiteral("西站"), QRectF(-82, 10, 44, 20), kWhite);
        label(p, QStringLiteral("古城"), QRectF(-62, -48, 44, 20), kWhite);
        label(p, QStringLiteral("港口"), QRectF(38, 10, 44, 20), kWhite);
    });
}

QImage streetNameSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -32, 168, 64));
        label(p, QStringLiteral("滨河路"), QRectF(-56, -24, 112, 30), kWhite, 0.6);
        label(p, QStringLiteral("BINHE LU"), QRectF(-40, 12, 80, 12), kWhite, 0.2);
        signArrow(p, segment({-62, -9}, {-74, -9}), 4, 7, 11, kWhite);
        signArrow(p, segment({62, -9}, {74, -9}), 4, 7, 11, kWhite);
    });
}

QImage accessibleFacilitySign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        placed(p, {2, 4}, 1.05, [&] { wheelchairUser(p, kWhite); });
    });
}

// Expressway guide signs (green)

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

QImage entranceAdvanceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        expresswayMarker(p, QRectF(-78, -46, 62, 56), QStringLiteral("G72"));
        label(p, QStringLiteral("入口"), QRectF(-6, -44, 84, 30), kWhite, 0.6);
        label(p, QStringLiteral("1 km"), QRectF(0, -8, 76, 20), kWhite);
        signArrow(p, segment({-60, 32}, {56, 32}), 7, 13, 20, kWhite);
    });
}

QImage entranceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -54, 160, 108), kGreen);
        expresswayMarker(p, QRectF(-70, -46, 62, 56), QStringLiteral("G72"));
        label(p, QStringLiteral("入口"), QRectF(-62, 16, 76, 28), kWhite, 0.6);
        signArrow(p, segment({16, 36}, {56, -26}), 9, 16, 25, kWhite);
    });
}

QImage expresswayNumberSign()
{
    return signPicture(
        [](QPainter &p) { expresswayMarker(p, QRectF(-46, -44, 92, 88), QStringLiteral("G72")); });
}

QImage exitAdvanceSign(const QString &distance)
{
    return signPicture([=](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        label(p, QStringLiteral("青石  北湖"), QRectF(-78, -46, 124, 28), kWhite, 0.6);
        label(p, QStringLiteral("出口"), QRectF(-78, 2, 52, 26), kWhite, 0.6);
        label(p, distance, QRectF(-18, 4, 60, 22), kWhite);
        signArrow(p, segment({52, 34}, {72, -4}), 7, 12, 19, kWhite);
    });
}

QImage leftExitSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        signArrow(p, segment({-56, 34}, {-74, -4}), 7, 12, 19, kWhite);
        label(p, QStringLiteral("北湖"), QRectF(-40, -46, 80, 28), kWhite, 0.6);
        label(p, QStringLiteral("左侧出口"), QRectF(-44, -2, 104, 26), kWhite, 0.6);
        label(p, QStringLiteral("1 km"), QRectF(-10, 30, 60, 18), kWhite);
    });
}

// Exit sign at the nose where the exit ramp leaves the main carriageway.
QImage exitSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-70, -54, 140, 108), kGreen);
        label(p, QStringLiteral("出口"), QRectF(-60, -44, 76, 34), kWhite, 0.7);
        label(p, QStringLiteral("北湖"), QRectF(-60, 2, 76, 26), kWhite, 0.6);
        signArrow(p, segment({26, 40}, {54, -34}), 9, 16, 25, kWhite);
    });
}

QImage nextExitSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -46, 160, 92), kGreen);
        label(p, QStringLiteral("下一出口"), QRectF(-68, -34, 136, 30), kWhite, 0.6);
        label(p, QStringLiteral("26 km"), QRectF(-40, 6, 80, 26), kWhite, 0.6);
    });
}

QImage expresswayEndAdvanceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -50, 160, 100), kGreen);
        placed(p, {-40, 0}, 0.95, [&] { expresswayEmblem(p, kWhite); });
        label(p, QStringLiteral("终点"), QRectF(4, -36, 64, 30), kWhite, 0.7);
        label(p, QStringLiteral("2 km"), QRectF(8, 8, 56, 24), kWhite);
    });
}

QImage serviceAreaSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        label(p, QStringLiteral("服务区"), QRectF(-78, -46, 96, 30), kWhite, 0.6);
        label(p, QStringLiteral("2 km"), QRectF(24, -42, 54, 22), kWhite);
        line(p, {-78, -8}, {78, -8}, flatPen(kWhite, 1.5));
        placed(p, {-48, 20}, 0.95, [&] { fuelPump(p, kWhite, kGreen); });
        placed(p, {0, 20}, 0.95, [&] { knifeAndFork(p, kWhite); });
        placed(p, {48, 20}, 1.1, [&] { spanner(p, kWhite, kGreen); });
    });
}

QImage parkingAreaSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -50, 160, 100), kGreen);
        p.fillPath(roundedRect(QRectF(-70, -38, 48, 56), 4), kWhite);
        label(p, QStringLiteral("P"), QRectF(-64, -32, 36, 44), kGreen, 1.0);
        label(p, QStringLiteral("停车区"), QRectF(-12, -38, 80, 28), kWhite, 0.6);
        label(p, QStringLiteral("1 km"), QRectF(0, 0, 56, 22), kWhite);
        signArrow(p, segment({-60, 36}, {60, 36}), 6, 11, 17, kWhite);
    });
}

QImage emergencyPhoneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-50, -54, 100, 108), kGreen);
        placed(p, {0, -14}, 1.2, [&] { handset(p, kWhite); });
        label(p, QStringLiteral("紧急电话"), QRectF(-40, 22, 80, 22), kWhite, 0.5);
    });
}

QImage rescuePhoneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -46, 168, 92), kGreen);
        label(p, QStringLiteral("救援电话"), QRectF(-60, -36, 120, 28), kWhite, 0.6);
        label(p, QStringLiteral("12122"), QRectF(-50, 2, 100, 30), kWhite, 0.8);
    });
}

// Extra lane on a long climb, kept to by the slow lorries.
QImage climbingLaneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        label(p, QStringLiteral("爬坡车道"), QRectF(-78, -46, 156, 28), kWhite, 0.6);
        fillPolygon(p, QPolygonF{{-78, 44}, {-4, 44}, {-4, 14}}, kWhite);
        placed(p, {-42, 28}, 0.52, [&] {
            p.rotate(-22);
            p.translate(0, -3);
            lorry(p, kWhite, kGreen);
        });
        const QPen edge = flatPen(kWhite, 3);
        line(p, {12, 46}, {12, -10}, edge);
        line(p, {44, 46}, {44, -10}, dashPen(kWhite, 2.5, 7, 5));
        QPainterPath right;
        right.moveTo(76, 46);
        right.lineTo(76, -10);
        strokePath(p, right, edge);
        signArrow(p, segment({28, 42}, {28, 0}), 5, 9, 13, kWhite);
        // The lorry in the climbing lane, seen from above: load bed behind a narrower cab.
        p.fillPath(roundedRect(QRectF(52, 12, 16, 26), 1.5), kWhite);
        p.fillPath(roundedRect(QRectF(53.5, 2, 13, 8.5), 2), kWhite);
    });
}

QImage chevronSign(const QColor &face, int pointing)
{
    return signPicture([=](QPainter &p) {
        panelBase(p, QRectF(-84, -34, 168, 68), face);
        for (int i = -1; i <= 1; ++i)
            chevron(p, {46.0 * i, 0}, 1.15, pointing, kWhite);
    });
}

QImage weatherSpeedSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        label(p, QStringLiteral("建议速度"), QRectF(-50, -48, 100, 20), kWhite, 0.5);
        const QString speeds[] = {QStringLiteral("80"), QStringLiteral("60"), QStringLiteral("40")};
        for (int i = 0; i < 3; ++i) {
            const qreal cx = -54 + 54 * i;
            placed(p, {cx, -6}, 0.85, [&] {
                if (i == 0)
                    rainCloud(p, kWhite);
                else if (i == 1)
                    fogLines(p, kWhite);
                else
                    snowflake(p, kWhite);
            });
            label(p, speeds[i], QRectF(cx - 20, 22, 40, 24), kWhite, 0.8);
        }
    });
}

QImage etcLaneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-50, -54, 100, 108), kPurple);
        label(p, QStringLiteral("ETC"), QRectF(-38, -44, 76, 34), kWhite, 0.8);
        label(p, QStringLiteral("专用"), QRectF(-24, -4, 48, 18), kWhite, 0.4);
        signArrow(p, segment({0, 20}, {0, 38}), 8, 10, 20, kWhite);
    });
}

QImage tollAdvanceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -50, 168, 100), kGreen);
        placed(p, {-48, 2}, 1.15, [&] { tollBooth(p, kWhite, kGreen); });
        label(p, QStringLiteral("收费站"), QRectF(-6, -36, 80, 28), kWhite, 0.6);
        label(p, QStringLiteral("1 km"), QRectF(6, 6, 60, 24), kWhite);
    });
}

// Overhead sign before a diverge: the two left lanes carry on, the right lane leaves.
QImage exitLaneGuideSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-88, -54, 176, 108), kGreen);
        line(p, {32, -48}, {32, 48}, flatPen(kWhite, 2));
        expresswayMarker(p, QRectF(-80, -46, 38, 40), QStringLiteral("G72"));
        label(p, QStringLiteral("江城"), QRectF(-36, -42, 60, 28), kWhite, 0.6);
        label(p, QStringLiteral("北湖"), QRectF(38, -44, 44, 22), kWhite, 0.6);
        label(p, QStringLiteral("出口"), QRectF(40, -18, 40, 16), kWhite, 0.4);
        for (qreal x : {-48.0, 0.0})
            signArrow(p, segment({x, 6}, {x, 38}), 7, 10, 18, kWhite);
        signArrow(p, segment({52, 6}, {64, 36}), 7, 10, 18, kWhite);
    });
}

// Kilometre plate beside the expressway: the route and the distance from its start.
QImage kilometrePostSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-40, -54, 80, 108), kGreen);
        expresswayMarker(p, QRectF(-28, -46, 56, 46), QStringLiteral("G72"));
        label(p, QStringLiteral("123"), QRectF(-30, 8, 60, 28), kWhite, 0.8);
        label(p, QStringLiteral("km"), QRectF(-14, 38, 28, 12), kWhite, 0.3);
    });
}

// Guide sign of an urban expressway, green like the expressway ones.
QImage urbanExpresswaySign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -54, 172, 108), kGreen);
        label(p, QStringLiteral("南港  东岭"), QRectF(-60, -44, 120, 28), kWhite, 0.6);
        signArrow(p, segment({0, 22}, {0, -8}), 8, 12, 20, kWhite);
        p.fillRect(QRectF(-84.4, 28, 168.8, 24.4), kWhite);
        label(p, QStringLiteral("滨江快速路"), QRectF(-50, 31, 100, 18), kGreen, 0.5);
    });
}

// Tourist signs (brown)

QImage touristAreaSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-86, -40, 172, 80), kBrown);
        signArrow(p, segment({-40, 0}, {-70, 0}), 9, 14, 24, kWhite);
        label(p, QStringLiteral("碧溪风景区"), QRectF(-32, -18, 110, 36), kWhite, 0.6);
    });
}

QImage touristDistanceSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -44, 160, 88), kBrown);
        label(p, QStringLiteral("云岭景区"), QRectF(-64, -34, 128, 32), kWhite, 0.6);
        label(p, QStringLiteral("8 km"), QRectF(-30, 6, 60, 26), kWhite, 0.6);
    });
}

QImage touristSymbolSign(const std::function<void(QPainter &)> &symbol)
{
    return signPicture([=](QPainter &p) {
        panelBase(p, QRectF(-50, -50, 100, 100), kBrown);
        symbol(p);
    });
}

// Road-works signs (orange)

QImage worksAheadSign()
{
    return signPicture([](QPainter &p) {
        worksPanel(p, QRectF(-80, -46, 160, 92));
        label(p, QStringLiteral("前方施工"), QRectF(-64, -34, 128, 32), kBlack, 0.6);
        label(p, QStringLiteral("300 m"), QRectF(-34, 6, 68, 26), kBlack, 0.6);
    });
}

QImage roadClosedSign()
{
    return signPicture([](QPainter &p) {
        worksPanel(p, QRectF(-80, -46, 160, 92));
        label(p, QStringLiteral("前方 1 km"), QRectF(-50, -34, 100, 24), kBlack, 0.6);
        label(p, QStringLiteral("道路封闭"), QRectF(-64, 0, 128, 32), kBlack, 0.6);
    });
}

// Two lanes, one of them closed by a barrier: the closed lane's arrow moves over.
QImage laneClosedSign(bool rightClosed)
{
    return signPicture([=](QPainter &p) {
        worksPanel(p, QRectF(-70, -54, 140, 108));
        p.save();
        if (!rightClosed)
            p.scale(-1, 1);
        const QPen edge = flatPen(kBlack, 2.5);
        line(p, {-36, 14}, {-36, -48}, edge);
        line(p, {36, 14}, {36, -48}, edge);
        line(p, {0, 14}, {0, -48}, dashPen(kBlack, 2.2, 6, 5));
        signArrow(p, segment({-18, 12}, {-18, -30}), 4.5, 9, 13, kBlack);
        QPainterPath shift;
        shift.moveTo(18, 12);
        shift.lineTo(18, 2);
        shift.cubicTo(18, -8, -6, -10, -8, -18);
        signArrow(p, shift, 4.5, 9, 13, kBlack);
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRectF(4 + 10.6 * i, -44, 10.6, 7), i % 2 == 0 ? kRed : kWhite);
        p.restore();
        label(p, rightClosed ? QStringLiteral("右道封闭") : QStringLiteral("左道封闭"),
              QRectF(-56, 20, 112, 24), kBlack, 0.6);
    });
}

// Three lanes narrowing to two in a works zone: the right lane's arrow moves over.
QImage worksLanesReducedSign()
{
    return signPicture([](QPainter &p) {
        worksPanel(p, QRectF(-60, -54, 120, 108));
        const QPen edge = flatPen(kBlack, 2.5);
        line(p, {-42, 46}, {-42, -46}, edge);
        QPainterPath right;
        right.moveTo(42, 46);
        right.lineTo(42, 12);
        right.lineTo(14, -12);
        right.lineTo(14, -46);
        strokePath(p, right, edge);
        const QPen dashes = dashPen(kBlack, 2.2, 6, 5);
        line(p, {-14, 46}, {-14, -46}, dashes);
        line(p, {14, 46}, {14, 14}, dashes);
        signArrow(p, segment({-28, 40}, {-28, -26}), 4.5, 9, 13, kBlack);
        signArrow(p, segment({0, 40}, {0, -26}), 4.5, 9, 13, kBlack);
        QPainterPath merge;
        merge.moveTo(28, 40);
        merge.lineTo(28, 24);
        merge.cubicTo(28, 14, 12, 8, 6, 0);
        signArrow(p, merge, 4.5, 9, 13, kBlack);
    });
}

QImage divertLeftSign()
{
    return signPicture([](QPainter &p) {
        worksPanel(p, QRectF(-70, -54, 140, 108));
        line(p, {0, 14}, {0, -48}, dashPen(kBlack, 2.5, 6, 5));
        QPainterPath shift;
        shift.moveTo(22, 12);
        shift.lineTo(22, 0);
        shift.cubicTo(22, -14, -22, -12, -22, -26);
        shift.lineTo(-22, -30);
        signArrow(p, shift, 6, 11, 17, kBlack);
        label(p, QStringLiteral("向左改道"), QRectF(-56, 20, 112, 24), kBlack, 0.6);
    });
}

// Works vehicle seen from behind, its orange board showing which side to pass.
QImage mobileWorksScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.8);
        roadMarkings(p, v, 3.8);
        const QRectF box = v.upright(1.9, 14.5, 2.4, 2.8, 0.5);
        p.fillRect(v.upright(1.9, 14.5, 2.2, 0.5), kBlack);
        outlined(p, roundedRect(box, 1.5), QColor(0xe8, 0xe8, 0xe4), kGreyCar, 0.8);
        const QRectF board = box.adjusted(box.width() * 0.08, box.height() * 0.12,
                                          -box.width() * 0.08, -box.height() * 0.3);
        outlined(p, roundedRect(board, 1.5), kOrange, kBlack, 1.2);
        const QPointF c = board.center();
        const qreal s = board.width() / 60;
        signArrow(p, segment(c + QPointF(20 * s, 0), c + QPointF(-8 * s, 0)), 7 * s, 12 * s, 19 * s,
                  kBlack);
        for (qreal side : {-1.0, 1.0})
            flash(p, {c.x() + side * box.width() * 0.36, box.top() - 3}, kHazard, 0.9);
    });
}

QImage conesScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.8);
        groundStripe(p, v, -3.5, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.5, 0.15, 1.5, 400, kPaint);
        for (qreal d = 1.5; d < 400; d += 9)
            groundStripe(p, v, 0, 0.15, d, d + 4, kPaint);
        for (int i = 0; i < 7; ++i) {
            const qreal ahead = 7 + 3.5 * i;
            const qreal across = std::max(0.5, 3.3 - 0.7 * i);
            const QRectF r = v.upright(across, ahead, 0.55, 0.9);
            fillPolygon(p,
                        QPolygonF{{r.center().x() - r.width() * 0.12, r.top()},
                                  {r.center().x() + r.width() * 0.12, r.top()},
                                  {r.right(), r.bottom()},
                                  {r.left(), r.bottom()}},
                        QColor(0xf0, 0x60, 0x10));
            p.fillRect(QRectF(r.left() + r.width() * 0.28, r.top() + r.height() * 0.38,
                              r.width() * 0.44, r.height() * 0.16),
                       kWhite);
        }
        const QRectF bar = v.upright(1.9, 32, 3.0, 0.6, 0.5);
        for (int i = 0; i < 6; ++i)
            p.fillRect(
                QRectF(bar.left() + bar.width() * i / 6, bar.top(), bar.width() / 6, bar.height()),
                i % 2 == 0 ? kRed : kWhite);
    });
}

// Barrier across a closed road: red and white boards on legs, lamps on top.
QImage worksBarrierSign()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 108, kWidth, 22), QColor(0x9a, 0x9c, 0x9e));
        for (qreal x : {34.0, 166.0})
            p.fillRect(QRectF(x - 3, 46, 6, 64), kInk);
        for (int row = 0; row < 2; ++row) {
            const QRectF board(20, 50.0 + 28 * row, 160, 20);
            p.save();
            p.setClipRect(board);
            p.fillRect(board, kWhite);
            for (int i = -2; i < 12; ++i) {
                QPolygonF stripe{{board.left() + 20.0 * i, board.bottom()},
                                 {board.left() + 20.0 * i + 10, board.bottom()},
                                 {board.left() + 20.0 * i + 20, board.top()},
                                 {board.left() + 20.0 * i + 10, board.top()}};
                fillPolygon(p, stripe, kRed);
            }
            p.restore();
            strokePath(p, roundedRect(board, 1), QPen(kInk, 1));
        }
        for (qreal x : {50.0, 150.0}) {
            p.fillRect(QRectF(x - 2, 40, 4, 10), kInk);
            disc(p, {x, 36}, 6, QColor(0xff, 0xb0, 0x10));
            flash(p, {x, 36}, QColor(0xff, 0xb0, 0x10), 1.3);
        }
    });
}

// Notice signs (white, black lettering)

QImage noticeSign(const QString &text, const std::function<void(QPainter &)> &symbol)
{
    return signPicture([=](QPainter &p) {
        whitePanel(p, QRectF(-86, -50, 172, 100), 2.4);
        p.save();
        p.translate(-54, 2);
        symbol(p);
        p.restore();
        const QStringList lines = text.split(QLatin1Char('|'));
        const qreal h = lines.size() == 1 ? 34 : 28;
        const qreal top = -h * lines.size() / 2 - 2 * (lines.size() - 1);
        for (int i = 0; i < lines.size(); ++i)
            label(p, lines[i], QRectF(-22, top + (h + 4) * i, 100, h), kBlack, 0.6);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(
        argc, argv, "draw-guide-signs",
        {
            {"sign_expressway_start.jpg", expresswayStartSign},
            {"sign_emergency_stop.jpg", emergencyStopSign},
            {"sign_direction.jpg", directionSign},
            {"sign_t_junction_guide.jpg", tJunctionGuideSign},
            {"sign_lane_guide.jpg", laneGuideSign},
            {"sign_place_distance.jpg", placeDistanceSign},
            {"sign_national_road.jpg",
             [] { return routeNumberSign(kRed, kWhite, QStringLiteral("G318")); }},
            {"sign_provincial_road.jpg",
             [] { return routeNumberSign(kYellow, kBlack, QStringLiteral("S203")); }},
            {"sign_dead_end.jpg", deadEndSign},
            {"sign_detour_route.jpg", detourSign},
            {"sign_parking_lot.jpg", parkingLotSign},
            {"sign_passing_bay.jpg", passingBaySign},
            {"sign_footbridge.jpg", footbridgeSign},
            {"sign_underpass.jpg", underpassSign},
            {"sign_shelter.jpg", shelterSign},
            {"sign_roundabout_guide.jpg", roundaboutGuideSign},
            {"sign_camera.jpg", cameraSign},
            {"sign_tunnel_exit.jpg", tunnelExitSign},
            {"sign_railway_station.jpg", railwayStationSign},
            {"sign_chevron_blue.jpg", [] { return chevronSign(kBlue, 1); }},
            {"sign_street_name.jpg", streetNameSign},
            {"sign_accessible_facility.jpg", accessibleFacilitySign},
            {"sign_entrance_advance.jpg", entranceAdvanceSign},
            {"sign_entrance.jpg", entranceSign},
            {"sign_expressway_number.jpg", expresswayNumberSign},
            {"sign_exit_advance.jpg", [] { return exitAdvanceSign(QStringLiteral("1 km")); }},
            {"sign_left_exit.jpg", leftExitSign},
            {"sign_exit.jpg", exitSign},
            {"sign_next_exit.jpg", nextExitSign},
            {"sign_expressway_end_advance.jpg", expresswayEndAdvanceSign},
            {"sign_service_area.jpg", serviceAreaSign},
            {"sign_parking_area.jpg", parkingAreaSign},
            {"sign_emergency_phone.jpg", emergencyPhoneSign},
            {"sign_rescue_phone.jpg", rescuePhoneSign},
            {"sign_climbing_lane.jpg", climbingLaneSign},
            {"sign_chevron_green.jpg", [] { return chevronSign(kGreen, -1); }},
            {"sign_chevron_red.jpg", [] { return chevronSign(kRed, 1); }},
            {"sign_weather_speed.jpg", weatherSpeedSign},
            {"sign_etc_lane.jpg", etcLaneSign},
            {"sign_toll_advance.jpg", tollAdvanceSign},
            {"sign_exit_lane_guide.jpg", exitLaneGuideSign},
            {"sign_kilometre_post.jpg", kilometrePostSign},
            {"sign_urban_expressway.jpg", urbanExpresswaySign},
            {"sign_tourist_area.jpg", touristAreaSign},
            {"sign_tourist_distance.jpg", touristDistanceSign},
            {"sign_tourist_camp.jpg",
             [] { return touristSymbolSign([](QPainter &p) { tent(p, kWhite, kBrown); }); }},
            {"sign_tourist_cableway.jpg",
             [] { return touristSymbolSign([](QPainter &p) { cableCar(p, kWhite, kBrown); }); }},
            {"sign_tourist_fishing.jpg",
             [] { return touristSymbolSign([](QPainter &p) { angler(p, kWhite); }); }},
            {"sign_tourist_skiing.jpg",
             [] { return touristSymbolSign([](QPainter &p) { skier(p, kWhite); }); }},
            {"sign_tourist_swimming.jpg",
             [] { return touristSymbolSign([](QPainter &p) { swimmer(p, kWhite); }); }},
            {"sign_tourist_hiking.jpg",
             [] {
                 return touristSymbolSign([](QPainter &p) {
                     placed(p, {0, 0}, 1.35, [&] { hiker(p, kWhite); });
                 });
             }},
            {"sign_tourist_riding.jpg",
             [] { return touristSymbolSign([](QPainter &p) { horseRider(p, kWhite); }); }},
            {"sign_tourist_campfire.jpg",
             [] { return touristSymbolSign([](QPainter &p) { campfire(p, kWhite); }); }},
            {"sign_tourist_skating.jpg",
             [] { return touristSymbolSign([](QPainter &p) { skater(p, kWhite); }); }},
            {"sign_tourist_boating.jpg",
             [] { return touristSymbolSign([](QPainter &p) { rowingBoat(p, kWhite); }); }},
            {"sign_works_ahead.jpg", worksAheadSign},
            {"sign_road_closed.jpg", roadClosedSign},
            {"sign_right_lane_closed.jpg", [] { return laneClosedSign(true); }},
            {"sign_left_lane_closed.jpg", [] { return laneClosedSign(false); }},
            {"sign_works_lanes_reduced.jpg", worksLanesReducedSign},
            {"sign_divert_left.jpg", divertLeftSign},
            {"scene_mobile_works.jpg", mobileWorksScene},
            {"scene_works_cones.jpg", conesScene},
            {"sign_works_barrier.jpg", worksBarrierSign},
            {"sign_plate_except_bus.jpg",
             [] { return signWithPlate(noLeftTurnFace, false, QStringLiteral("除公交车外")); }},
            {"sign_plate_trucks.jpg",
             [] {
                 return signWithPlate([](QPainter &p) { speedLimitFace(p, QStringLiteral("60")); },
                                      false, QStringLiteral("货车"));
             }},
            {"sign_plate_distance.jpg",
             [] { return signWithPlate(dangerFace, true, QStringLiteral("前方 150 m")); }},
            {"sign_plate_reason.jpg",
             [] { return signWithPlate(noHornFace, false, QStringLiteral("学校")); }},
            {"sign_plate_zone.jpg",
             [] {
                 return signWithPlate(noParkingFace, false, QStringLiteral("向左、向右各 50 m"));
             }},
            {"sign_plate_combined.jpg",
             [] { return signWithPlate(noParkingFace, false, QStringLiteral("货车 7:00-19:00")); }},
            {"sign_notice_litter.jpg",
             [] {
                 return noticeSign(QStringLiteral("严禁|乱扔弃物"),
                                   [](QPainter &p) { litterPictogram(p, kBlack); });
             }},
            {"sign_notice_no_drink.jpg",
             [] {
                 return noticeSign(QStringLiteral("严禁|酒后驾车"), [](QPainter &p) {
                     placed(p, {0, 0}, 1.2, [&] { wineGlass(p, kBlack); });
                 });
             }},
            {"sign_notice_seatbelt.jpg",
             [] {
                 return noticeSign(QStringLiteral("系安全带"), [](QPainter &p) {
                     placed(p, {0, 6}, 0.95, [&] { beltedPerson(p, kBlack, kWhite); });
                 });
             }},
            {"sign_notice_keep_right.jpg",
             [] {
                 return noticeSign(QStringLiteral("大型车|靠右"), [](QPainter &p) {
                     placed(p, {0, 0}, 0.72, [&] { lorry(p, kBlack, kWhite); });
                     signArrow(p, segment({-20, 18}, {22, 18}), 5, 9, 14, kBlack);
                 });
             }},
            {"sign_notice_school_bus.jpg",
             [] {
                 return noticeSign(QStringLiteral("校车|停靠站点"), [](QPainter &p) {
                     placed(p, {0, 14}, 0.72, [&] { schoolBusSide(p); });
                 });
             }},
        });
}
