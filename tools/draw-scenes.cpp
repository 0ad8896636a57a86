// Draws the police hand signals, dashboard lamps and traffic situations of the question bank
// into a folder given on the command line.

#include "painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

using namespace painting;

namespace {

// Arrows whose head overlaps the shaft by half its width.
void arrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength, qreal headWidth,
           const QColor &colour)
{
    painting::arrow(p, shaft, width, headLength, headWidth, colour, width / 2);
}

void dashedArrow(QPainter &p, const QPainterPath &shaft, const QColor &colour)
{
    strokePath(p, shaft, dashPen(colour, 2, 4, 3));
    arrowHead(p, shaft, 1, 6, 7, colour);
}

// Wavy line from one point to another, used for fog-lamp and coolant symbols.
QPainterPath wave(QPointF from, QPointF to, int bumps, qreal amplitude)
{
    const QPointF step = (to - from) / (2.0 * bumps);
    const QLineF axis(from, to);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
    QPainterPath path(from);
    for (int i = 0; i < 2 * bumps; ++i) {
        const QPointF start = from + step * i;
        const qreal side = (i % 2 == 0) ? 1 : -1;
        path.quadTo(start + step / 2 + normal * (2 * amplitude * side), start + step);
    }
    return path;
}

// Starburst marking a lamp that flashes.
void flash(QPainter &p, QPointF at, const QColor &colour, qreal size = 1)
{
    disc(p, at, 2.2 * size, colour);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF dir(std::cos(a), std::sin(a));
        line(p, at + dir * 3.6 * size, at + dir * 6.5 * size, roundPen(colour, 1.1 * size));
    }
}

// Fixed pseudo-random sequence so that every run draws the same picture.
class Scatter
{
public:
    explicit Scatter(unsigned seed) : m_state(seed) {}
    qreal next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return ((m_state >> 8) & 0xffff) / 65535.0;
    }
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    unsigned m_state;
};

// Police hand signals. The officer faces the viewer, so his right arm is on the viewer's left.

const QColor kSwing(0xe4, 0x46, 0x14);
const QPointF kRightShoulder(87, 50);
const QPointF kLeftShoulder(113, 50);

struct Arm {
    Side side;
    std::vector<QPointF> joints;
    Hand hand = Hand::Palm;
    qreal handAngle = qQNaN();
    qreal handScale = 1;
    bool inFront = false;
};

struct Pose {
    std::vector<Arm> arms;
    std::vector<Arm> ghosts;
    std::vector<QPainterPath> swings;
};

qreal bearing(QPointF from, QPointF to)
{
    return qRadiansToDegrees(std::atan2(to.x() - from.x(), from.y() - to.y()));
}

QPointF heading(qreal bearingDeg)
{
    const qreal a = qDegreesToRadians(bearingDeg);
    return {std::sin(a), -std::cos(a)};
}

void drawArm(QPainter &p, const Arm &arm)
{
    QPainterPath sleeve(arm.joints.front());
    for (size_t i = 1; i < arm.joints.size(); ++i)
        sleeve.lineTo(arm.joints[i]);
    strokePath(p, sleeve, roundPen(kInk, 9.5));
    strokePath(p, sleeve, roundPen(kShirt, 7.5));
    const QPointF wrist = arm.joints.back();
    const qreal angle =
        qIsNaN(arm.handAngle) ? bearing(arm.joints[arm.joints.size() - 2], wrist) : arm.handAngle;
    glove(p, wrist + heading(angle) * (5 * arm.handScale), angle, arm.hand, arm.handScale,
          arm.side);
}

Arm restingArm(Side side)
{
    if (side == Side::Right)
        return {Side::Right, {kRightShoulder, {81, 80}}, Hand::Palm, 180};
    return {Side::Left, {kLeftShoulder, {119, 80}}, Hand::Palm, 180};
}

void drawArms(QPainter &p, const Pose &pose, bool inFront)
{
    for (const Arm &ghost : pose.ghosts) {
        if (ghost.inFront != inFront)
            continue;
        p.save();
        p.setOpacity(0.3);
        drawArm(p, ghost);
        p.restore();
    }
    for (const Arm &arm : pose.arms)
        if (arm.inFront == inFront)
            drawArm(p, arm);
}

QImage policeSignal(const Pose &pose)
{
    return picture(kBackground, [&](QPainter &p) {
        officerLegs(p);
        drawArms(p, pose, false);
        officerTorso(p);
        officerHead(p);
        drawArms(p, pose, true);
        for (const QPainterPath &swing : pose.swings)
            arrow(p, swing, 2.2, 6, 7.5, kSwing);
    });
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QImage goStraightSignal()
{
    return policeSignal(
        {{{Side::Right, {kRightShoulder, {55, 50}}, Hand::Palm, -90},
          {Side::Left, {kLeftShoulder, {145, 50}}, Hand::Palm, 90}},
         {{Side::Right, {kRightShoulder, {84, 58}, {104, 58}}, Hand::Edge, 90, 1, true}},
         {curve({48, 40}, {64, 30}, {80, 40})}});
}

QImage leftTurnSignal()
{
    return policeSignal({{{Side::Right, {kRightShoulder, {70, 36}}, Hand::Palm, -35, 1.15},
                          {Side::Left, {kLeftShoulder, {101, 76}}, Hand::Edge, qQNaN(), 1, true}},
                         {restingArm(Side::Left)},
                         {curve({126, 98}, {118, 106}, {104, 97})}});
}

QImage leftTurnWaitSignal()
{
    return policeSignal(
        {{restingArm(Side::Right), {Side::Left, {kLeftShoulder, {139, 71}}, Hand::Edge}},
         {{Side::Left, {kLeftShoulder, {129, 82}}, Hand::Edge}},
         {curve({156, 66}, {160, 80}, {150, 90})}});
}

QImage rightTurnSignal()
{
    return policeSignal({{{Side::Left, {kLeftShoulder, {130, 36}}, Hand::Palm, 35, 1.15},
                          {Side::Right, {kRightShoulder, {99, 76}}, Hand::Edge, qQNaN(), 1, true}},
                         {restingArm(Side::Right)},
                         {curve({74, 98}, {82, 106}, {96, 97})}});
}

QImage laneChangeSignal()
{
    return policeSignal(
        {{restingArm(Side::Left),
          {Side::Right, {kRightShoulder, {81, 55}, {104, 54}}, Hand::Edge, 90, 1, true}},
         {},
         {curve({76, 65}, {92, 73}, {112, 65})}});
}

QImage slowDownSignal()
{
    return policeSignal(
        {{restingArm(Side::Left), {Side::Right, {kRightShoulder, {56, 50}}, Hand::Edge, -90}},
         {{Side::Right, {kRightShoulder, {65, 72}}, Hand::Edge}},
         {curve({38, 54}, {34, 70}, {46, 80})}});
}

QImage pullOverSignal()
{
    return policeSignal(
        {{{Side::Left, {kLeftShoulder, {123, 19}}, Hand::Palm, 10},
          {Side::Right, {kRightShoulder, {82, 67}, {102, 69}}, Hand::Edge, 90, 1, true}},
         {{Side::Right, {kRightShoulder, {76, 76}}, Hand::Edge}},
         {curve({76, 88}, {92, 96}, {110, 88})}});
}

// Dashboard lamps

const QColor kLampBlue(0x2a, 0x7c, 0xff);
const QColor kLampGreen(0x2c, 0xd8, 0x4c);

// Lamp body with its flat face toward the beams on the left.
QPainterPath headlamp()
{
    QPainterPath lamp;
    lamp.moveTo(0, -20);
    lamp.cubicTo(34, -22, 34, 22, 0, 20);
    lamp.closeSubpath();
    return lamp;
}

void beams(QPainter &p, const QColor &colour, int count, qreal drop)
{
    const qreal spacing = 32.0 / (count - 1);
    for (int i = 0; i < count; ++i) {
        const qreal y = -16 + spacing * i;
        line(p, {-8, y}, {-36, y + drop}, roundPen(colour, 5));
    }
}

QImage lampSymbol(const QColor &colour, int beamCount, qreal drop, bool fog, bool mirrored)
{
    return dashPicture([=](QPainter &p) {
        p.translate(mirrored ? -4 : 4, 0);
        if (mirrored)
            p.scale(-1, 1);
        strokePath(p, headlamp(), roundPen(colour, 5));
        beams(p, colour, beamCount, drop);
        if (fog)
            strokePath(p, wave({-22, -28}, {-22, 30}, 3, 2.5), roundPen(colour, 3.5));
    });
}

QImage highBeamLamp()
{
    return lampSymbol(kLampBlue, 5, 0, false, false);
}
QImage lowBeamLamp()
{
    return lampSymbol(kLampGreen, 5, 9, false, false);
}
QImage frontFogLamp()
{
    return lampSymbol(kLampGreen, 3, 8, true, false);
}
QImage rearFogLamp()
{
    return lampSymbol(kAmber, 3, 0, true, true);
}

QImage turnSignalLamps()
{
    return dashPicture([](QPainter &p) {
        for (const qreal side : {-1.0, 1.0}) {
            const QPolygonF arrowShape{{-10, -8}, {-38, -8}, {-38, -20}, {-62, 0},
                                       {-38, 20}, {-38, 8},  {-10, 8}};
            QTransform mirror;
            mirror.scale(-side, 1);
            p.save();
            p.setPen(roundPen(kLampGreen, 2));
            p.setBrush(kLampGreen);
            p.drawPolygon(mirror.map(arrowShape));
            p.restore();
        }
    });
}

QPolygonF triangle(QPointF centre, qreal radius)
{
    return polygonAround(3, radius, -90, centre);
}

QImage hazardButton()
{
    return dashPicture([](QPainter &p) {
        QLinearGradient face(0, -34, 0, 34);
        face.setColorAt(0, QColor(0x3c, 0x3c, 0x42));
        face.setColorAt(1, QColor(0x1c, 0x1c, 0x20));
        p.setPen(QPen(QColor(0x68, 0x68, 0x70), 1.5));
        p.setBrush(face);
        p.drawRoundedRect(QRectF(-42, -38, 84, 76), 12, 12);
        p.setBrush(Qt::NoBrush);
        p.setPen(roundPen(kLampRed, 5.5));
        p.drawPolygon(triangle({0, 4}, 27));
        p.setPen(roundPen(kLampRed, 3.5));
        p.drawPolygon(triangle({0, 4}, 12));
    });
}

void sideArcs(QPainter &p, qreal radius, const QColor &colour, qreal width)
{
    const QRectF box(-radius, -radius, 2 * radius, 2 * radius);
    for (const qreal start : {140.0, -40.0}) {
        QPainterPath arc;
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, 80);
        strokePath(p, arc, flatPen(colour, width));
    }
}

void exclamation(QPainter &p, QPointF centre, qreal height, const QColor &colour)
{
    const qreal w = height * 0.2;
    p.fillPath(
        roundedRect(QRectF(centre.x() - w / 2, centre.y() - height / 2, w, height * 0.66), w / 2),
        colour);
    disc(p, centre + QPointF(0, height * 0.42), w * 0.55, colour);
}

QImage brakeLamp()
{
    return dashPicture([](QPainter &p) {
        strokePath(
            p,
            [] {
                QPainterPath ring;
                ring.addEllipse(QPointF(), 24, 24);
                return ring;
            }(),
            roundPen(kLampRed, 5));
        exclamation(p, {0, -2}, 30, kLampRed);
        sideArcs(p, 35, kLampRed, 5);
    });
}

QImage absLamp()
{
    return dashPicture([](QPainter &p) {
        QPainterPath ring;
        ring.addEllipse(QPointF(), 26, 26);
        strokePath(p, ring, roundPen(kAmber, 4.5));
        fitText(p, QStringLiteral("ABS"), QRectF(-18, -10, 36, 20), kAmber);
        sideArcs(p, 37, kAmber, 4.5);
    });
}

QImage batteryLamp()
{
    return dashPicture([](QPainter &p) {
        strokePath(p, roundedRect(QRectF(-34, -16, 68, 40), 3), roundPen(kLampRed, 5));
        p.fillRect(QRectF(-26, -26, 13, 8), kLampRed);
        p.fillRect(QRectF(13, -26, 13, 8), kLampRed);
        line(p, {-25, 4}, {-11, 4}, flatPen(kLampRed, 4.5));
        line(p, {11, 4}, {25, 4}, flatPen(kLampRed, 4.5));
        line(p, {18, -3}, {18, 11}, flatPen(kLampRed, 4.5));
    });
}

QImage coolantLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(0, -4);
        p.fillPath(roundedRect(QRectF(-4, -36, 8, 38), 4), kLampRed);
        disc(p, {0, 6}, 8.5, kLampRed);
        for (const qreal y : {-30.0, -22.0, -14.0})
            line(p, {6, y}, {17, y}, flatPen(kLampRed, 3.5));
        strokePath(p, wave({-34, 22}, {34, 22}, 4, 2.2), roundPen(kLampRed, 4));
        strokePath(p, wave({-34, 32}, {34, 32}, 4, 2.2), roundPen(kLampRed, 4));
    });
}

QImage doorOpenLamp()
{
    return dashPicture([](QPainter &p) {
        p.fillPath(roundedRect(QRectF(-15, -38, 30, 76), 10), kLampRed);
        fillPolygon(p, QPolygonF{{-11, -20}, {11, -20}, {9, -10}, {-9, -10}}, kPanel);
        fillPolygon(p, QPolygonF{{-9, 22}, {9, 22}, {11, 28}, {-11, 28}}, kPanel);
        for (const qreal side : {-1.0, 1.0}) {
            line(p, {15 * side, -12}, {34 * side, 2}, roundPen(kLampRed, 5));
            line(p, {15 * side, 8}, {32 * side, 22}, roundPen(kLampRed, 5));
        }
    });
}

QImage airbagLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(4, 2);
        disc(p, {14, -30}, 7.5, kLampRed);
        QPainterPath body;
        body.moveTo(16, -16);
        body.lineTo(20, 8);
        body.lineTo(-6, 10);
        body.lineTo(-10, 34);
        strokePath(p, body, roundPen(kLampRed, 9));
        disc(p, {-16, -12}, 17, kLampRed);
        line(p, {30, -16}, {32, 30}, roundPen(kLampRed, 5));
    });
}

QImage engineLamp()
{
    return dashPicture([](QPainter &p) {
        QPainterPath block;
        block.moveTo(-24, -14);
        block.lineTo(-8, -14);
        block.lineTo(-8, -22);
        block.lineTo(-16, -22);
        block.moveTo(-8, -22);
        block.lineTo(10, -22);
        block.moveTo(2, -22);
        block.lineTo(2, -14);
        block.lineTo(20, -14);
        block.lineTo(26, -6);
        block.lineTo(32, -6);
        block.lineTo(32, -14);
        block.lineTo(38, -14);
        block.lineTo(38, 18);
        block.lineTo(32, 18);
        block.lineTo(32, 10);
        block.lineTo(26, 10);
        block.lineTo(18, 24);
        block.lineTo(-14, 24);
        block.lineTo(-24, 14);
        block.closeSubpath();
        block.moveTo(-24, 0);
        block.lineTo(-36, 0);
        block.moveTo(-36, -10);
        block.lineTo(-36, 10);
        p.translate(-1, 0);
        strokePath(p, block, roundPen(kAmber, 4.5));
    });
}

QImage tyrePressureLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(0, -3);
        QPainterPath tyre;
        tyre.moveTo(-20, -28);
        tyre.cubicTo(-36, -8, -32, 20, -20, 26);
        tyre.lineTo(20, 26);
        tyre.cubicTo(32, 20, 36, -8, 20, -28);
        strokePath(p, tyre, roundPen(kAmber, 5));
        for (const qreal x : {-15.0, -5.0, 5.0, 15.0})
            line(p, {x, 27}, {x, 35}, roundPen(kAmber, 4));
        exclamation(p, {0, -2}, 30, kAmber);
    });
}

// Vehicles and people shared by the traffic situations

const QColor kAsphalt(0x55, 0x58, 0x5c);
const QColor kGrass(0x8c, 0xb8, 0x5a);
const QColor kGlass(0x34, 0x44, 0x56);
const QColor kOwnCar(0xd8, 0x2a, 0x22);
const QColor kBlueCar(0x3c, 0x6c, 0xc0);
const QColor kWhiteCar(0xee, 0xee, 0xea);
const QColor kGreyCar(0x9a, 0x9c, 0xa0);
const QColor kSchoolBus(0xf6, 0xc4, 0x12);
const QColor kPerson(0x2c, 0x3e, 0x78);
const QColor kHazard(0xff, 0x9c, 0x00);

// Runs the drawing with the painter at the centre of a vehicle seen from above, turned along its
// heading; the drawing gets the half length and half width.
void topView(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width,
             const std::function<void(qreal, qreal)> &draw)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    draw(length / 2, width / 2);
    p.restore();
}

// Top view, facing along +x before rotation.
void carTop(QPainter &p, QPointF centre, qreal angle, const QColor &body, qreal length = 30,
            qreal width = 15)
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length, width), 4), body, body.darker(170));
        fillPolygon(p,
                    QPolygonF{{l * 0.2, -w * 0.78},
                              {l * 0.55, -w * 0.9},
                              {l * 0.55, w * 0.9},
                              {l * 0.2, w * 0.78}},
                    kGlass);
        fillPolygon(p,
                    QPolygonF{{-l * 0.55, -w * 0.78},
                              {-l * 0.75, -w * 0.85},
                              {-l * 0.75, w * 0.85},
                              {-l * 0.55, w * 0.78}},
                    kGlass);
        p.fillRect(QRectF(-l * 0.5, -w * 0.7, l * 0.65, width * 0.7), body.lighter(112));
        disc(p, {l - 1.6, -w + 2.2}, 1.3, QColor(0xff, 0xf4, 0xc0));
        disc(p, {l - 1.6, w - 2.2}, 1.3, QColor(0xff, 0xf4, 0xc0));
    });
}

QPointF local(QPointF centre, qreal angle, QPointF offset)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    return t.map(offset);
}

void hazardLights(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width)
{
    for (const qreal x : {-1.0, 1.0})
        for (const qreal y : {-1.0, 1.0})
            flash(p, local(centre, angle, {x * (length / 2 - 1), y * (width / 2 - 1)}), kHazard,
                  0.8);
}

void indicator(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width, bool left)
{
    const qreal y = left ? -(width / 2 - 1) : width / 2 - 1;
    for (const qreal x : {-1.0, 1.0})
        flash(p, local(centre, angle, {x * (length / 2 - 1), y}), kHazard, 0.8);
}

void busTop(QPainter &p, QPointF centre, qreal angle, const QColor &body, qreal length = 64,
            qreal width = 19, const QString &label = QString())
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length, width), 3), body, body.darker(170));
        p.fillRect(QRectF(l - 5, -w + 1.5, 3.5, width - 3), kGlass);
        p.fillRect(QRectF(-l + 4, -w + 3, length - 12, width - 6), body.lighter(110));
        for (const qreal x : {-l * 0.5, l * 0.2})
            outlined(p, roundedRect(QRectF(x - 3, -3, 6, 6), 1), body.darker(115), body.darker(150),
                     0.6);
        if (!label.isEmpty())
            fitText(p, label, QRectF(-l * 0.25, -w + 3, l * 0.4, width - 6), kBlack);
    });
}

void truckTop(QPainter &p, QPointF centre, qreal angle, const QColor &cab, const QColor &box,
              qreal length = 66, qreal width = 18)
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length - 16, width), 1.5), box, box.darker(160));
        for (qreal x = -l + 6; x < l - 18; x += 8)
            line(p, {x, -w + 1}, {x, w - 1}, flatPen(box.darker(115), 0.8));
        outlined(p, roundedRect(QRectF(l - 14, -w + 0.5, 14, width - 1), 3), cab, cab.darker(160));
        p.fillRect(QRectF(l - 4.5, -w + 2.5, 2.5, width - 5), kGlass);
    });
}

// Small side-view figures, standing on their feet point.
void walker(QPainter &p, QPointF feet, qreal height, const QColor &colour, bool facingRight = true,
            bool child = false)
{
    p.save();
    p.translate(feet);
    p.scale(facingRight ? height / 20 : -height / 20, height / 20);
    disc(p, {0.5, -17}, child ? 3.0 : 2.6, kSkin.darker(105));
    const QPen limb = roundPen(colour, 2.4);
    line(p, {0, -13.5}, {-0.5, -6.5}, roundPen(colour, 3.4));
    line(p, {-0.5, -6.5}, {-4, 0}, limb);
    line(p, {-0.5, -6.5}, {3.5, 0}, limb);
    line(p, {0, -12.5}, {-3.5, -7}, limb);
    line(p, {0, -12.5}, {4, -8}, limb);
    p.restore();
}

void cyclist(QPainter &p, QPointF ground, qreal size, const QColor &colour, bool facingRight = true)
{
    p.save();
    p.translate(ground);
    p.scale(facingRight ? size / 20 : -size / 20, size / 20);
    QPainterPath wheels;
    wheels.addEllipse(QPointF(-7, -4), 4, 4);
    wheels.addEllipse(QPointF(7, -4), 4, 4);
    strokePath(p, wheels, QPen(kBlack, 1.3));
    QPainterPath frame;
    frame.moveTo(-7, -4);
    frame.lineTo(-1, -4);
    frame.lineTo(4, -10);
    frame.lineTo(7, -4);
    frame.moveTo(-1, -4);
    frame.lineTo(-3, -11);
    frame.lineTo(4, -10);
    strokePath(p, frame, roundPen(QColor(0x20, 0x80, 0x40), 1.2));
    QPainterPath rider;
    rider.moveTo(-3, -12);
    rider.lineTo(0, -19);
    rider.lineTo(4, -12);
    rider.moveTo(-3, -12);
    rider.lineTo(0, -6);
    rider.lineTo(-1, -4);
    strokePath(p, rider, roundPen(colour, 2.2));
    disc(p, {1, -22}, 2.6, kSkin.darker(105));
    p.restore();
}

void trafficLightIcon(QPainter &p, QPointF centre, int lit)
{
    const QColor on[] = {QColor(0xff, 0x30, 0x20), QColor(0xff, 0xc0, 0x10),
                         QColor(0x20, 0xe0, 0x60)};
    const QColor off[] = {QColor(0x50, 0x18, 0x14), QColor(0x50, 0x40, 0x10),
                          QColor(0x10, 0x40, 0x22)};
    p.save();
    p.setBrush(QColor(0x22, 0x22, 0x24));
    p.setPen(QPen(QColor(0x60, 0x60, 0x64), 0.8));
    p.drawRoundedRect(QRectF(centre.x() - 15, centre.y() - 6, 30, 12), 3, 3);
    p.restore();
    for (int i = 0; i < 3; ++i)
        disc(p, centre + QPointF(-9.5 + 9.5 * i, 0), 3.6, i == lit ? on[i] : off[i]);
}

// Top-view road helpers; a band of asphalt across the picture with kerbs.

void horizontalRoad(QPainter &p, qreal top, qreal bottom)
{
    p.fillRect(QRectF(0, top - 2, kWidth, bottom - top + 4), kKerb);
    p.fillRect(QRectF(0, top, kWidth, bottom - top), kAsphalt);
}

void verticalRoad(QPainter &p, qreal left, qreal right)
{
    p.fillRect(QRectF(left - 2, 0, right - left + 4, kHeight), kKerb);
    p.fillRect(QRectF(left, 0, right - left, kHeight), kAsphalt);
}

void paintLine(QPainter &p, QPointF from, QPointF to, const QColor &colour = kPaint,
               qreal width = 1.6)
{
    line(p, from, to, flatPen(colour, width));
}

void dashedLine(QPainter &p, QPointF from, QPointF to, const QColor &colour = kPaint,
                qreal width = 1.6, qreal dash = 8, qreal gap = 6)
{
    line(p, from, to, dashPen(colour, width, dash, gap));
}

void doubleYellowLine(QPainter &p, qreal y)
{
    paintLine(p, {0, y}, {kWidth, y}, kYellowPaint, 1.8);
    paintLine(p, {0, y + 3}, {kWidth, y + 3}, kYellowPaint, 1.8);
}

void zebraAcross(QPainter &p, const QRectF &area, bool stripesVertical)
{
    if (stripesVertical) {
        for (qreal x = area.left() + 1; x + 3 <= area.right(); x += 6)
            p.fillRect(QRectF(x, area.top(), 3, area.height()), kPaint);
    } else {
        for (qreal y = area.top() + 1; y + 3 <= area.bottom(); y += 6)
            p.fillRect(QRectF(area.left(), y, area.width(), 3), kPaint);
    }
}

// Crossroads of a horizontal road (rows top..bottom) and a vertical road (columns left..right).
struct Crossing {
    qreal left;
    qreal right;
    qreal top;
    qreal bottom;
};

void crossroads(QPainter &p, const Crossing &c, bool zebras)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    horizontalRoad(p, c.top, c.bottom);
    verticalRoad(p, c.left, c.right);
    p.fillRect(QRectF(c.left, c.top, c.right - c.left, c.bottom - c.top), kAsphalt);
    const qreal midX = (c.left + c.right) / 2;
    const qreal midY = (c.top + c.bottom) / 2;
    const qreal gap = zebras ? 13 : 3;
    paintLine(p, {midX, 0}, {midX, c.top - gap}, kYellowPaint, 1.8);
    paintLine(p, {midX, c.bottom + gap}, {midX, kHeight}, kYellowPaint, 1.8);
    paintLine(p, {0, midY}, {c.left - gap, midY}, kYellowPaint, 1.8);
    paintLine(p, {c.right + gap, midY}, {kWidth, midY}, kYellowPaint, 1.8);
    if (!zebras)
        return;
    zebraAcross(p, QRectF(c.left + 1, c.top - 11, c.right - c.left - 2, 9), true);
    zebraAcross(p, QRectF(c.left + 1, c.bottom + 2, c.right - c.left - 2, 9), true);
    zebraAcross(p, QRectF(c.left - 11, c.top + 1, 9, c.bottom - c.top - 2), false);
    zebraAcross(p, QRectF(c.right + 2, c.top + 1, 9, c.bottom - c.top - 2), false);
    paintLine(p, {midX, c.bottom + 13}, {c.right, c.bottom + 13}, kPaint, 1.5);
    paintLine(p, {c.left, c.top - 13}, {midX, c.top - 13}, kPaint, 1.5);
    paintLine(p, {c.left - 13, midY}, {c.left - 13, c.bottom}, kPaint, 1.5);
    paintLine(p, {c.right + 13, c.top}, {c.right + 13, midY}, kPaint, 1.5);
}

// Driver's view: the road ahead as seen from the driver's seat.

struct View {
    qreal horizon = 46;
    qreal focal = 260;
    qreal eye = 1.2;
    qreal seat = 1.4;

    QPointF at(qreal across, qreal ahead, qreal up = 0) const
    {
        return {kWidth / 2.0 + (across - seat) * focal / ahead,
                horizon + (eye - up) * focal / ahead};
    }
    QRectF upright(qreal across, qreal ahead, qreal width, qreal height, qreal up = 0) const
    {
        return QRectF(at(across - width / 2, ahead, up + height),
                      at(across + width / 2, ahead, up));
    }
};

QPolygonF groundQuad(const View &v, qreal left, qreal right, qreal near, qreal far)
{
    return {v.at(left, near), v.at(right, near), v.at(right, far), v.at(left, far)};
}

void sky(QPainter &p, const View &v, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, v.horizon);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kWidth, v.horizon + 1), g);
}

void ground(QPainter &p, const View &v, const QColor &colour)
{
    p.fillRect(QRectF(0, v.horizon, kWidth, kHeight - v.horizon), colour);
}

void straightRoad(QPainter &p, const View &v, qreal halfWidth, const QColor &surface = kAsphalt)
{
    fillPolygon(p, groundQuad(v, -halfWidth, halfWidth, 1.5, 400), surface);
}

void groundStripe(QPainter &p, const View &v, qreal across, qreal width, qreal near, qreal far,
                  const QColor &colour)
{
    fillPolygon(p, groundQuad(v, across - width / 2, across + width / 2, near, far), colour);
}

void roadMarkings(QPainter &p, const View &v, qreal halfWidth, qreal from = 1.5, qreal to = 400)
{
    groundStripe(p, v, -halfWidth + 0.3, 0.15, from, to, kPaint);
    groundStripe(p, v, halfWidth - 0.3, 0.15, from, to, kPaint);
    for (qreal d = from; d < to; d += 9)
        groundStripe(p, v, 0, 0.15, d, std::min(d + 4, to), kYellowPaint);
}

void bonnet(QPainter &p, const QColor &colour = QColor(0x2a, 0x2c, 0x30))
{
    QPainterPath dash;
    dash.moveTo(0, kHeight);
    dash.lineTo(0, 118);
    dash.quadTo(100, 109, 200, 118);
    dash.lineTo(200, kHeight);
    dash.closeSubpath();
    p.fillPath(dash, colour);
    p.save();
    p.setOpacity(0.35);
    QPainterPath shine;
    shine.moveTo(30, 120);
    shine.quadTo(100, 113, 170, 120);
    strokePath(p, shine, roundPen(kWhite, 1));
    p.restore();
}

void carRear(QPainter &p, const View &v, qreal across, qreal ahead, const QColor &body,
             bool lightsOn = false)
{
    const QRectF r = v.upright(across, ahead, 1.8, 1.45);
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF lower(r.left(), r.top() + h * 0.45, w, h * 0.45);
    QPainterPath cabin = polygonPath({{r.left() + w * 0.12, r.top() + h * 0.46},
                                      {r.left() + w * 0.22, r.top()},
                                      {r.right() - w * 0.22, r.top()},
                                      {r.right() - w * 0.12, r.top() + h * 0.46}});
    p.fillRect(QRectF(r.left() + w * 0.06, r.bottom() - h * 0.14, w * 0.18, h * 0.14), kBlack);
    p.fillRect(QRectF(r.right() - w * 0.24, r.bottom() - h * 0.14, w * 0.18, h * 0.14), kBlack);
    p.fillPath(cabin, body.darker(110));
    p.fillPath(roundedRect(lower, w * 0.06), body);
    fillPolygon(p,
                QPolygonF{{r.left() + w * 0.2, r.top() + h * 0.42},
                          {r.left() + w * 0.27, r.top() + h * 0.06},
                          {r.right() - w * 0.27, r.top() + h * 0.06},
                          {r.right() - w * 0.2, r.top() + h * 0.42}},
                kGlass);
    const QColor tail = lightsOn ? QColor(0xff, 0x30, 0x20) : QColor(0xb0, 0x18, 0x18);
    p.fillRect(QRectF(lower.left() + w * 0.04, lower.top() + h * 0.08, w * 0.18, h * 0.1), tail);
    p.fillRect(QRectF(lower.right() - w * 0.22, lower.top() + h * 0.08, w * 0.18, h * 0.1), tail);
    p.fillRect(QRectF(r.center().x() - w * 0.14, lower.top() + h * 0.22, w * 0.28, h * 0.1),
               QColor(0xf0, 0xf0, 0xe0));
}

void truckRear(QPainter &p, const View &v, qreal across, qreal ahead, const QColor &box)
{
    const QRectF r = v.upright(across, ahead, 2.5, 3.6, 0.4);
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF wheelRow = v.upright(across, ahead, 2.3, 0.55);
    p.fillRect(QRectF(wheelRow.left(), wheelRow.top(), w * 0.22, wheelRow.height()), kBlack);
    p.fillRect(QRectF(wheelRow.right() - w * 0.22, wheelRow.top(), w * 0.22, wheelRow.height()),
               kBlack);
    outlined(p, roundedRect(r, 1), box, box.darker(150), 0.8);
    line(p, {r.center().x(), r.top() + 2}, {r.center().x(), r.bottom() - 2},
         flatPen(box.darker(140), 0.8));
    p.fillRect(QRectF(r.left(), r.bottom() - h * 0.06, w, h * 0.06), QColor(0x30, 0x30, 0x30));
    p.fillRect(QRectF(r.left() + w * 0.03, r.bottom() - h * 0.16, w * 0.1, h * 0.06),
               QColor(0xff, 0x30, 0x20));
    p.fillRect(QRectF(r.right() - w * 0.13, r.bottom() - h * 0.16, w * 0.1, h * 0.06),
               QColor(0xff, 0x30, 0x20));
}

// Traffic situations, top view

// Red octagonal stop sign that a school bus swings out while pupils get on and off.
void stopPaddle(QPainter &p, QPointF centre, qreal radius)
{
    outlined(p, polygonPath(polygonAround(8, radius, 22.5, centre)), kRed, kWhite, 0.8);
    fitText(p, QStringLiteral("停"), QRectF(centre - QPointF(3, 3), QSizeF(6, 6)), kWhite);
}

QImage schoolBusScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 112);
        doubleYellowLine(p, 43);
        dashedLine(p, {0, 79}, {kWidth, 79});
        carTop(p, {176, 29}, 180, kGreyCar);
        busTop(p, {128, 96}, 0, kSchoolBus, 66, 20, QStringLiteral("校车"));
        hazardLights(p, {128, 96}, 0, 66, 20);
        line(p, {142, 86}, {142, 80}, flatPen(kInk, 1.2));
        stopPaddle(p, {142, 75}, 5.6);
        carTop(p, {60, 96}, 0, kWhiteCar);
        carTop(p, {70, 62}, 0, kOwnCar);
        for (int i = 0; i < 3; ++i)
            walker(p, {150.0 + 9 * i, 126}, 12, QColor(0x30 + 40 * i, 0x60, 0xb0), i % 2, true);
    });
}

QImage ambulanceScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 10, 118);
        doubleYellowLine(p, 38);
        dashedLine(p, {0, 79}, {kWidth, 79});
        carTop(p, {40, 24}, 180, kBlueCar);
        carTop(p, {138, 60}, 0, kOwnCar);
        const QPointF ambulance(58, 60);
        carTop(p, ambulance, 0, kWhiteCar, 38, 17);
        p.fillRect(QRectF(ambulance.x() - 12, ambulance.y() - 2, 12, 4), kRed);
        p.fillRect(QRectF(ambulance.x() - 8, ambulance.y() - 6, 4, 12), kRed);
        p.fillRect(QRectF(ambulance.x() + 3, ambulance.y() - 6, 2.5, 6), QColor(0xe0, 0x20, 0x20));
        p.fillRect(QRectF(ambulance.x() + 3, ambulance.y(), 2.5, 6), QColor(0x20, 0x50, 0xe0));
        flash(p, {ambulance.x() + 4, ambulance.y() - 9}, QColor(0xff, 0x30, 0x30), 0.9);
        flash(p, {ambulance.x() + 4, ambulance.y() + 9}, QColor(0x30, 0x70, 0xff), 0.9);
        for (int i = 0; i < 3; ++i) {
            const qreal r = 6 + 4.5 * i;
            QPainterPath arc;
            const QRectF box(ambulance.x() + 19 - r, ambulance.y() - r, 2 * r, 2 * r);
            arc.arcMoveTo(box, -35);
            arc.arcTo(box, -35, 70);
            strokePath(p, arc, roundPen(QColor(0xff, 0xe0, 0x40), 1.3));
        }
        carTop(p, {150, 99}, 0, kGreyCar);
    });
}

QImage rightTurnPedestrianScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 36, 88};
        crossroads(p, c, true);
        carTop(p, {112, 118}, -90, kOwnCar, 26, 13);
        QPainterPath turn({112, 104});
        turn.cubicTo({112, 86}, {124, 76}, {150, 76});
        dashedArrow(p, turn, kWhite);
        walker(p, {131, 80}, 15, QColor(0xc0, 0x30, 0x80), false);
        trafficLightIcon(p, {52, 18}, 2);
        carTop(p, {176, 48}, 180, kBlueCar, 26, 13);
    });
}

QImage narrowRoadScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 40, 94);
        carTop(p, {36, 81}, 0, kOwnCar);
        carTop(p, {176, 53}, 180, kBlueCar);
        p.fillRect(QRectF(102, 70, 36, 20), QColor(0xb0, 0x7a, 0x40));
        for (qreal x = 104; x < 136; x += 8)
            p.fillRect(QRectF(x, 70, 4, 20), kWhite);
        for (const QPointF cone : {QPointF(96, 72), QPointF(96, 86), QPointF(144, 72),
                                   QPointF(144, 86), QPointF(92, 79)}) {
            disc(p, cone, 3.4, QColor(0xff, 0x70, 0x10));
            disc(p, cone, 1.6, kWhite);
            disc(p, cone, 0.8, QColor(0xff, 0x70, 0x10));
        }
    });
}

QImage roundaboutScene()
{
    return picture(kGrass, [](QPainter &p) {
        const QPointF hub(100, 58);
        verticalRoad(p, 82, 118);
        horizontalRoad(p, 40, 76);
        disc(p, hub, 46, kKerb);
        disc(p, hub, 44, kAsphalt);
        p.fillRect(QRectF(82, 0, 36, kHeight), kAsphalt);
        p.fillRect(QRectF(0, 40, kWidth, 36), kAsphalt);
        disc(p, hub, 20, kKerb);
        disc(p, hub, 18.5, kGrass);
        dashedLine(p, {101, 106}, {118, 106}, kPaint, 1.8, 3, 2.5);
        carTop(p, {110, 123}, -90, kOwnCar, 26, 13);
        const qreal a = qDegreesToRadians(128.0);
        carTop(p, hub + 32 * QPointF(std::cos(a), std::sin(a)), 38, kBlueCar, 26, 13);
        QPainterPath path;
        const QRectF orbit(hub.x() - 32, hub.y() - 32, 64, 64);
        path.arcMoveTo(orbit, -150);
        path.arcTo(orbit, -150, 80);
        dashedArrow(p, path, kWhite);
        carTop(p, hub + 32 * QPointF(std::cos(-0.6), std::sin(-0.6)), -125, kGreyCar, 26, 13);
    });
}

QImage expresswayBreakdownScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, 10), QColor(0x70, 0x98, 0x50));
        horizontalRoad(p, 10, 104);
        paintLine(p, {0, 13}, {kWidth, 13});
        dashedLine(p, {0, 44}, {kWidth, 44}, kPaint, 1.6, 14, 10);
        paintLine(p, {0, 75}, {kWidth, 75}, kPaint, 2);
        p.fillRect(QRectF(0, 108, kWidth, 2.5), QColor(0xc8, 0xcc, 0xd0));
        for (qreal x = 6; x < kWidth; x += 16)
            p.fillRect(QRectF(x, 106, 2, 6), QColor(0x80, 0x84, 0x88));
        carTop(p, {150, 90}, 0, kWhiteCar);
        hazardLights(p, {150, 90}, 0, 30, 15);
        QPolygonF warning = triangle({52, 91}, 7);
        p.save();
        p.setPen(roundPen(kRed, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(warning);
        p.restore();
        walker(p, {160, 127}, 14, kPerson);
        walker(p, {172, 127}, 14, QColor(0x80, 0x30, 0x30), false);
        carTop(p, {24, 60}, 0, kOwnCar);
        carTop(p, {120, 28}, 0, kGreyCar);
    });
}

QImage expresswayMergeScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 14, 80);
        fillPolygon(p, QPolygonF{{0, 80}, {150, 80}, {196, 80}, {150, 104}, {0, 104}}, kAsphalt);
        fillPolygon(p, QPolygonF{{0, 104}, {60, 104}, {20, 130}, {0, 130}}, kAsphalt);
        paintLine(p, {0, 17}, {kWidth, 17});
        dashedLine(p, {0, 48}, {kWidth, 48}, kPaint, 1.6, 14, 10);
        dashedLine(p, {0, 80}, {160, 80}, kPaint, 2.4, 5, 3);
        paintLine(p, {0, 104}, {150, 104});
        paintLine(p, {150, 104}, {196, 80.5});
        carTop(p, {108, 92}, -4, kOwnCar);
        indicator(p, {108, 92}, -4, 30, 15, true);
        carTop(p, {50, 64}, 0, kBlueCar);
        carTop(p, {160, 32}, 0, kGreyCar);
        QPainterPath merge({126, 90});
        merge.cubicTo({140, 88}, {150, 72}, {172, 66});
        dashedArrow(p, merge, kWhite);
    });
}

QImage blockedIntersectionScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 40, 90};
        crossroads(p, c, false);
        paintLine(p, {100, 93}, {124, 93}, kPaint, 2);
        carTop(p, {112, 110}, -90, kOwnCar, 26, 13);
        trafficLightIcon(p, {52, 20}, 2);
        const QColor queue[] = {kBlueCar, kWhiteCar, kGreyCar};
        for (int i = 0; i < 3; ++i)
            carTop(p, {112, 52.0 - 29 * i}, -90, queue[i], 26, 13);
        carTop(p, {88, 110}, 90, kGreyCar, 26, 13);
        carTop(p, {150, 52}, 180, kBlueCar, 26, 13);
    });
}

QImage doorOpeningScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 6, 112);
        paintLine(p, {0, 38}, {kWidth, 38}, kYellowPaint, 1.8);
        paintLine(p, {0, 66}, {kWidth, 66}, kPaint, 1.8);
        p.fillRect(QRectF(0, 66.9, kWidth, 22), QColor(0x4e, 0x6e, 0x58));
        paintLine(p, {0, 89}, {kWidth, 89}, kPaint, 1.4);
        for (qreal x = 0; x < kWidth; x += 40)
            paintLine(p, {x, 89}, {x, 112}, kPaint, 1.2);
        carTop(p, {60, 52}, 0, kBlueCar);
        carTop(p, {20, 100}, 0, kGreyCar, 30, 15);
        carTop(p, {140, 100}, 0, kOwnCar, 30, 15);
        line(p, {143, 92.5}, {132, 80}, roundPen(kOwnCar.darker(120), 2.8));
        cyclist(p, {106, 84}, 17, QColor(0x20, 0x60, 0x20));
        carTop(p, {176, 22}, 180, kWhiteCar);
    });
}

QImage busBlindSpotScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 112);
        paintLine(p, {0, 36}, {kWidth, 36}, kYellowPaint, 1.8);
        dashedLine(p, {0, 66}, {kWidth, 66});
        paintLine(p, {0, 94}, {kWidth, 94}, kPaint, 1.4);
        QColor zone(0xff, 0x40, 0x20, 90);
        p.fillRect(QRectF(144, 68, 26, 24), zone);
        p.fillRect(QRectF(56, 92, 92, 18), zone);
        p.fillRect(QRectF(30, 68, 26, 24), zone);
        busTop(p, {100, 80}, 0, QColor(0x2e, 0x9a, 0x58), 88, 22);
        cyclist(p, {138, 108}, 16, QColor(0x80, 0x30, 0x30));
        walker(p, {160, 90}, 14, kPerson, false, true);
        carTop(p, {60, 51}, 0, kGreyCar);
        carTop(p, {160, 21}, 180, kBlueCar);
    });
}

QImage busStopScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 6, 86);
        fillPolygon(p, QPolygonF{{30, 86}, {56, 108}, {150, 108}, {176, 86}}, kAsphalt);
        paintLine(p, {0, 32}, {kWidth, 32}, kYellowPaint, 1.8);
        dashedLine(p, {0, 59}, {kWidth, 59});
        line(p, {30, 86}, {56, 108}, flatPen(kKerb, 3));
        line(p, {56, 108}, {150, 108}, flatPen(kKerb, 3));
        line(p, {150, 108}, {176, 86}, flatPen(kKerb, 3));
        p.fillRect(QRectF(62, 114, 70, 7), QColor(0x90, 0xa8, 0xc0));
        busTop(p, {100, 95}, 0, QColor(0x1e, 0x7c, 0xc8), 80, 21);
        indicator(p, {100, 95}, 0, 80, 21, true);
        walker(p, {72, 126}, 13, kPerson);
        walker(p, {92, 127}, 13, QColor(0x80, 0x30, 0x60), false);
        walker(p, {112, 127}, 13, QColor(0x40, 0x60, 0x30));
        walker(p, {151, 101}, 14, QColor(0xb0, 0x30, 0x30), false);
        carTop(p, {50, 72}, 0, kGreyCar);
        carTop(p, {170, 18}, 180, kWhiteCar);
    });
}

// Inner wheel paths of a lorry turning right: the rear wheels trail the front ones and cut inside,
// sweeping the band between the two paths.
QImage truckRightTurnScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        const QPointF hub(148, 100);
        const qreal frontRadius = 56;
        const qreal wheelbase = 40;
        p.fillRect(QRectF(0, 64, 16, 66), kPavement);
        p.fillRect(QRectF(0, 0, 16, 22), kPavement);
        QPainterPath block({112, 130});
        block.lineTo(112, 100);
        block.arcTo(QRectF(hub.x() - 36, hub.y() - 36, 72, 72), 180, -90);
        block.lineTo(200, 64);
        block.lineTo(200, 130);
        block.closeSubpath();
        strokePath(p, block, flatPen(kKerb, 4));
        p.fillPath(block, kPavement);
        paintLine(p, {58, 108}, {58, 130}, kYellowPaint, 1.8);
        dashedLine(p, {70, 108}, {70, 130});
        paintLine(p, {160, 22}, {200, 22}, kYellowPaint, 1.8);
        dashedLine(p, {160, 43}, {200, 43});

        QPainterPath frontPath({hub.x() - frontRadius, 240.0});
        frontPath.lineTo(hub.x() - frontRadius, hub.y());
        frontPath.arcTo(
            QRectF(hub.x() - frontRadius, hub.y() - frontRadius, 2 * frontRadius, 2 * frontRadius),
            180, -90);
        frontPath.lineTo(320, hub.y() - frontRadius);
        QPolygonF fronts, rears;
        QPointF rear(hub.x() - frontRadius, 240.0 + wheelbase);
        const int steps = 1200;
        for (int i = 0; i <= steps; ++i) {
            const QPointF front = frontPath.pointAtPercent(qreal(i) / steps);
            const QPointF towards = front - rear;
            rear = front - towards * (wheelbase / QLineF(rear, front).length());
            fronts << front;
            rears << rear;
        }
        QPainterPath band;
        band.addPolygon(fronts);
        QPolygonF back(rears.rbegin(), rears.rend());
        for (const QPointF &pt : back)
            band.lineTo(pt);
        band.closeSubpath();
        p.fillPath(band, QColor(0xff, 0x80, 0x20, 120));
        QPainterPath rearPath;
        rearPath.addPolygon(rears);
        QPainterPath frontLine;
        frontLine.addPolygon(fronts);
        strokePath(p, frontLine, dashPen(QColor(0x50, 0xb0, 0xff), 1.8, 4, 3));
        strokePath(p, rearPath, dashPen(QColor(0xff, 0xe0, 0x30), 1.8, 4, 3));

        int pose = 0;
        for (int i = 0; i <= steps; ++i)
            if (QLineF(hub, fronts[i]).length() <= frontRadius + 0.5 &&
                fronts[i].y() < hub.y() - 32) {
                pose = i;
                break;
            }
        const QPointF frontAxle = fronts[pose];
        const QPointF rearAxle = rears[pose];
        const QPointF axis = (frontAxle - rearAxle) / wheelbase;
        const QPointF outward(axis.y(), -axis.x());
        const QPointF centre = (frontAxle + rearAxle) / 2 - axis * 4 + outward * 8.5;
        truckTop(p, centre, -QLineF(rearAxle, frontAxle).angle(), QColor(0xe0, 0x60, 0x20),
                 QColor(0x4a, 0x70, 0x9c), 60, 15);
        cyclist(p, hub + 47 * QPointF(-0.5, -0.866) + QPointF(0, 6), 14, QColor(0x20, 0x50, 0x90));
    });
}

// Traffic situations, driver's view

const QColor kClearSky(0x80, 0xb8, 0xe8);
const QColor kClearHorizon(0xd8, 0xe8, 0xf4);

// Sky and ground seen from the driver's seat, the scene drawn over them and the own car's bonnet
// in front; sky and ground cover the whole picture.
QImage driverView(const QColor &skyTop, const QColor &skyBottom, const QColor &land,
                  const std::function<void(QPainter &, const View &)> &draw)
{
    return picture(land, [&](QPainter &p) {
        const View v;
        sky(p, v, skyTop, skyBottom);
        ground(p, v, land);
        draw(p, v);
        bonnet(p);
    });
}

QImage zebraPedestrianScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6, 1.5, 9);
        roadMarkings(p, v, 3.6, 17, 400);
        for (qreal u = -3.4; u < 3.4; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 11, 16, kPaint);
        groundStripe(p, v, 1.8, 3.5, 9.2, 9.6, kPaint);
        const QPointF feet = v.at(0.9, 13.2);
        walker(p, feet, 1.7 * v.focal / 13.2, QColor(0xc0, 0x30, 0x70), false);
        const QPointF child = v.at(1.7, 13.6);
        walker(p, child, 1.1 * v.focal / 13.6, QColor(0x30, 0x70, 0xc0), false, true);
    });
}

QImage rainSprayScene()
{
    return driverView(
        QColor(0x6c, 0x74, 0x7c), QColor(0xa8, 0xae, 0xb4), QColor(0x5e, 0x76, 0x50),
        [](QPainter &p, const View &v) {
            straightRoad(p, v, 3.6, QColor(0x46, 0x4a, 0x50));
            roadMarkings(p, v, 3.6);
            const QRectF box = v.upright(1.75, 20, 2.5, 3.6, 0.4);
            p.save();
            p.setOpacity(0.3);
            fillPolygon(
                p, QPolygonF{box.bottomLeft(), box.bottomRight(), v.at(2.4, 20), v.at(1.1, 20)},
                QColor(0xff, 0x60, 0x50));
            p.restore();
            truckRear(p, v, 1.75, 20, QColor(0xd8, 0xd8, 0xd0));
            Scatter s(7);
            p.save();
            for (int i = 0; i < 26; ++i) {
                const QPointF c = v.at(1.75 + s.between(-2.2, 2.2), 19.2, s.between(0, 1.2));
                QRadialGradient mist(c, 9);
                mist.setColorAt(0, QColor(0xf0, 0xf4, 0xf8, 170));
                mist.setColorAt(1, QColor(0xf0, 0xf4, 0xf8, 0));
                p.setBrush(mist);
                p.drawEllipse(c, 10, 7);
            }
            p.restore();
            for (int i = 0; i < 90; ++i) {
                const QPointF top(s.between(-20, 210), s.between(-10, 120));
                line(p, top, top + QPointF(-3, 9), roundPen(QColor(0xe8, 0xf0, 0xff, 150), 0.8));
            }
        });
}

QImage fogScene()
{
    return driverView(
        QColor(0xc8, 0xcc, 0xd0), QColor(0xd4, 0xd6, 0xd8), QColor(0x7c, 0x90, 0x6a),
        [](QPainter &p, const View &v) {
            straightRoad(p, v, 3.6);
            roadMarkings(p, v, 3.6);
            carRear(p, v, 1.75, 22, kBlueCar, true);
            QLinearGradient fog(0, 0, 0, kHeight);
            fog.setColorAt(0, QColor(0xe4, 0xe6, 0xe8, 255));
            fog.setColorAt(0.42, QColor(0xe4, 0xe6, 0xe8, 235));
            fog.setColorAt(0.6, QColor(0xe4, 0xe6, 0xe8, 200));
            fog.setColorAt(1, QColor(0xe4, 0xe6, 0xe8, 90));
            p.fillRect(QRectF(0, 0, kWidth, kHeight), fog);
            const QRectF car = v.upright(1.75, 22, 1.8, 1.45);
            for (const qreal x :
                 {car.left() + car.width() * 0.13, car.right() - car.width() * 0.13}) {
                QRadialGradient glowSpot(QPointF(x, car.top() + car.height() * 0.62), 6);
                glowSpot.setColorAt(0, QColor(0xff, 0x40, 0x30, 220));
                glowSpot.setColorAt(1, QColor(0xff, 0x40, 0x30, 0));
                p.setBrush(glowSpot);
                p.drawEllipse(QPointF(x, car.top() + car.height() * 0.62), 6, 6);
            }
        });
}

QImage mountainBendScene()
{
    return picture(QColor(0x6e, 0x90, 0x78), [](QPainter &p) {
        sky(p, View{}, QColor(0x78, 0xb0, 0xe8), QColor(0xd0, 0xe4, 0xf4));
        fillPolygon(p, QPolygonF{{60, 56}, {100, 40}, {140, 50}, {200, 36}, {200, 78}, {60, 78}},
                    QColor(0x8a, 0xa4, 0xc0));
        fillPolygon(p, QPolygonF{{90, 66}, {140, 58}, {200, 64}, {200, 130}, {90, 130}},
                    QColor(0x6e, 0x90, 0x78));
        QPainterPath road;
        road.moveTo(-10, 130);
        road.cubicTo(20, 95, 60, 70, 84, 58);
        road.lineTo(100, 56);
        road.cubicTo(120, 62, 170, 90, 220, 130);
        road.closeSubpath();
        p.fillPath(road, kAsphalt);
        QPainterPath centre({100, 130});
        centre.cubicTo({106, 96}, {100, 70}, {90, 58});
        strokePath(p, centre, flatPen(kYellowPaint, 2));
        QPainterPath edge({206, 130});
        edge.cubicTo({160, 94}, {118, 64}, {97, 57});
        strokePath(p, edge, flatPen(kPaint, 1.8));
        for (qreal t = 0.0; t < 0.95; t += 0.09) {
            const QPointF base = edge.pointAtPercent(t) + QPointF(6 - 4 * t, 0);
            const qreal h = 10 * (1 - t) + 2;
            line(p, base, base - QPointF(0, h), flatPen(kWhite, 2.2 * (1 - t) + 0.6));
            line(p, base - QPointF(0, h * 0.7), base - QPointF(0, h * 0.45),
                 flatPen(kRed, 2.2 * (1 - t) + 0.6));
        }
        strokePath(p, edge.translated(5, -7), flatPen(QColor(0xd0, 0xd4, 0xd8), 1.8));
        QPainterPath rock;
        rock.moveTo(0, 0);
        rock.lineTo(72, 0);
        for (const QPointF corner :
             {QPointF(80, 8), QPointF(77, 16), QPointF(88, 24), QPointF(86, 33), QPointF(95, 41),
              QPointF(94, 50), QPointF(100, 56), QPointF(84, 58)})
            rock.lineTo(corner);
        rock.cubicTo(60, 70, 20, 95, -10, 130);
        rock.lineTo(0, 130);
        rock.closeSubpath();
        QLinearGradient face(0, 0, 100, 40);
        face.setColorAt(0, QColor(0x7a, 0x66, 0x54));
        face.setColorAt(1, QColor(0xa0, 0x8a, 0x70));
        p.fillPath(rock, face);
        p.save();
        p.setClipPath(rock);
        for (int i = 0; i < 9; ++i) {
            QPainterPath stratum({-10, 10.0 + 14 * i});
            stratum.quadTo(50, 4.0 + 14 * i, 110, 16.0 + 12 * i);
            strokePath(p, stratum, flatPen(QColor(0x62, 0x50, 0x40), 1.2));
        }
        p.restore();
        bonnet(p);
    });
}

QImage railwayCrossingScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 34, kWidth, 30), QColor(0xa8, 0x98, 0x80));
        for (qreal x = 2; x < kWidth; x += 7)
            p.fillRect(QRectF(x, 37, 3.5, 24), QColor(0x7a, 0x5a, 0x3a));
        verticalRoad(p, 76, 124);
        paintLine(p, {100, 0}, {100, 28}, kYellowPaint, 1.8);
        paintLine(p, {100, 70}, {100, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {100, 76}, {124, 76}, kPaint, 2.2);
        paintLine(p, {76, 22}, {100, 22}, kPaint, 2.2);
        for (const qreal y : {42.0, 56.0})
            line(p, {0, y}, {kWidth, y}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        p.save();
        p.translate(0, 49);
        outlined(p, roundedRect(QRectF(-40, -8, 38, 16), 2), QColor(0x2a, 0x6a, 0x4a), kBlack);
        outlined(p, roundedRect(QRectF(0, -8.5, 58, 17), 4), QColor(0x2e, 0x7a, 0x52), kBlack);
        p.fillRect(QRectF(2, -2, 48, 4), QColor(0xf0, 0xd0, 0x40));
        p.fillRect(QRectF(50, -6.5, 4, 13), kGlass);
        disc(p, {57, -5}, 1.4, QColor(0xff, 0xf4, 0xb0));
        disc(p, {57, 5}, 1.4, QColor(0xff, 0xf4, 0xb0));
        p.restore();
        arrow(p, segment({62, 49}, {72, 49}), 2.4, 5, 7, kSwing);
        carTop(p, {112, 98}, -90, kOwnCar, 28, 14);
        carTop(p, {88, 10}, 90, kBlueCar, 28, 14);
    });
}

QImage tunnelEntranceScene()
{
    return driverView(
        kClearSky, kClearHorizon, QColor(0x7c, 0xa0, 0x58), [](QPainter &p, const View &v) {
            const qreal portalAt = 40;
            fillPolygon(
                p, QPolygonF{{0, 52}, {40, 18}, {100, 8}, {160, 16}, {200, 40}, {200, 60}, {0, 60}},
                QColor(0x5c, 0x86, 0x48));
            straightRoad(p, v, 3.6);
            roadMarkings(p, v, 3.6, 1.5, portalAt);
            const QRectF portal(v.at(-5.5, portalAt, 6.6), v.at(5.5, portalAt, 0));
            outlined(p, roundedRect(portal, 3), QColor(0xc8, 0xc4, 0xbc), QColor(0x80, 0x7c, 0x74));
            const QRectF mouth(v.at(-4.2, portalAt, 5.4), v.at(4.2, portalAt, 0));
            QPainterPath hole;
            hole.moveTo(mouth.bottomLeft());
            hole.lineTo(mouth.left(), mouth.top() + mouth.height() * 0.4);
            hole.quadTo(mouth.center().x(), mouth.top() - mouth.height() * 0.35, mouth.right(),
                        mouth.top() + mouth.height() * 0.4);
            hole.lineTo(mouth.bottomRight());
            hole.closeSubpath();
            p.fillPath(hole, QColor(0x16, 0x16, 0x1a));
            for (qreal d = portalAt + 4; d < 300; d *= 1.25) {
                disc(p, v.at(-3.6, d, 4.6), 1.6 * portalAt / d + 0.3, QColor(0xff, 0xd8, 0x80));
                disc(p, v.at(3.6, d, 4.6), 1.6 * portalAt / d + 0.3, QColor(0xff, 0xd8, 0x80));
            }
            p.save();
            p.setClipPath(hole);
            fillPolygon(p, groundQuad(v, -3.6, 3.6, portalAt, 400), QColor(0x30, 0x30, 0x34));
            p.restore();
            fitText(p, QStringLiteral("隧道"),
                    QRectF(portal.center().x() - 9, portal.top() + 1, 18, 6), kBlack);
            carRear(p, v, 1.75, portalAt - 8, kGreyCar, true);
        });
}

QImage ballRoadScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        const qreal heights[] = {26, 34, 22, 30, 24, 36, 28};
        for (int i = 0; i < 7; ++i) {
            const QRectF front(i * 30 - 6, v.horizon - heights[i], 28, heights[i] + 1);
            p.fillRect(front, QColor(0xd8, 0xc8, 0xb0).darker(100 + 6 * (i % 3)));
            for (qreal y = front.top() + 4; y < v.horizon - 4; y += 7)
                for (qreal x = front.left() + 4; x < front.right() - 4; x += 7)
                    p.fillRect(QRectF(x, y, 3.5, 3.5), QColor(0x6a, 0x88, 0xa8));
        }
        fillPolygon(p, groundQuad(v, -3.6, 5.9, 1.5, 400), kAsphalt);
        roadMarkings(p, v, 3.6);
        groundStripe(p, v, 5.9, 0.2, 1.5, 400, kKerb);
        carRear(p, v, 4.7, 34, kWhiteCar);
        carRear(p, v, 4.7, 19, kGreyCar);
        carRear(p, v, 4.7, 11, kBlueCar);
        const QPointF ball = v.at(3.1, 14.5, 0.12);
        QRadialGradient shade(ball - QPointF(1.5, 1.5), 6);
        shade.setColorAt(0, QColor(0xff, 0xd0, 0xc0));
        shade.setColorAt(1, QColor(0xe0, 0x20, 0x20));
        p.setBrush(shade);
        p.drawEllipse(ball, 4.5, 4.5);
        for (int i = 0; i < 3; ++i)
            line(p, ball + QPointF(7 + 2 * i, -3 + 3 * i), ball + QPointF(14 + 2 * i, -3 + 3 * i),
                 roundPen(kWhite, 1.3));
    });
}

QImage snowRutsScene()
{
    return driverView(
        QColor(0xb8, 0xc4, 0xd0), QColor(0xe4, 0xe8, 0xec), QColor(0xf4, 0xf6, 0xf8),
        [](QPainter &p, const View &v) {
            straightRoad(p, v, 3.6, QColor(0xe6, 0xea, 0xee));
            for (const qreal u : {0.9, 2.6})
                groundStripe(p, v, u, 0.45, 1.5, 400, QColor(0x8a, 0x90, 0x98));
            for (const qreal x : {18.0, 44.0, 160.0, 186.0})
                fillPolygon(p, QPolygonF{{x, 50}, {x - 7, 50}, {x, 26}, {x + 7, 50}},
                            QColor(0x4a, 0x6a, 0x5a));
            carRear(p, v, 1.75, 30, kBlueCar, true);
            Scatter s(3);
            for (int i = 0; i < 50; ++i)
                disc(p, {s.between(0, 200), s.between(0, 115)}, s.between(0.6, 1.4), kWhite);
        });
}

// Traffic situations, side view

void carSide(QPainter &p, QPointF ground, qreal slopeDeg, const QColor &body, bool facingRight)
{
    p.save();
    p.translate(ground);
    p.rotate(slopeDeg);
    if (!facingRight)
        p.scale(-1, 1);
    outlined(p, roundedRect(QRectF(-15, -10, 30, 7), 2.5), body, body.darker(160));
    outlined(p, polygonPath({{-10, -10}, {-6, -16}, {5, -16}, {10, -10}}), body, body.darker(160));
    fillPolygon(p, QPolygonF{{-8.5, -10.5}, {-5.5, -15}, {-0.5, -15}, {-0.5, -10.5}}, kGlass);
    fillPolygon(p, QPolygonF{{0.5, -10.5}, {0.5, -15}, {4.5, -15}, {8.5, -10.5}}, kGlass);
    disc(p, {-9, -3}, 3.2, kBlack);
    disc(p, {9, -3}, 3.2, kBlack);
    p.restore();
}

void truckSide(QPainter &p, QPointF ground, qreal slopeDeg, const QColor &cab, const QColor &box,
               qreal scale = 1)
{
    p.save();
    p.translate(ground);
    p.rotate(slopeDeg);
    p.scale(scale, scale);
    outlined(p, roundedRect(QRectF(-28, -26, 40, 21), 1.5), box, box.darker(150));
    outlined(p, polygonPath({{14, -5}, {14, -22}, {22, -22}, {28, -14}, {28, -5}}), cab,
             cab.darker(160));
    fillPolygon(p, QPolygonF{{17, -20}, {21.5, -20}, {26, -14}, {17, -14}}, kGlass);
    p.fillRect(QRectF(-28, -6, 56, 2.5), QColor(0x30, 0x30, 0x30));
    for (const qreal x : {-21.0, -13.0, 20.0})
        disc(p, {x, -3}, 3.6, kBlack);
    p.restore();
}

// Land below a road drawn from the left edge to the right one.
void hillside(QPainter &p, const QPainterPath &road, const QColor &land)
{
    QPainterPath below = road;
    below.lineTo(kWidth, kHeight);
    below.lineTo(0, kHeight);
    below.closeSubpath();
    p.fillPath(below, land);
    strokePath(p, road, flatPen(kAsphalt, 4));
}

QImage hillCrestScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xc8, 0xe0, 0xf4));
        QPainterPath hill({0, 118});
        hill.cubicTo({70, 104}, {110, 52}, {140, 50});
        hill.cubicTo({160, 49}, {180, 64}, {200, 78});
        hillside(p, hill, QColor(0x7a, 0xa8, 0x50));
        const auto along = [&](qreal t) { return hill.pointAtPercent(t); };
        const auto slope = [&](qreal t) { return -hill.angleAtPercent(t); };
        const qreal tCar = 0.24, tTruck = 0.48, tOncoming = 0.9;
        truckSide(p, along(tTruck), slope(tTruck), QColor(0xe0, 0x60, 0x20),
                  QColor(0x4a, 0x70, 0x9c), 0.8);
        carSide(p, along(tCar), slope(tCar), kOwnCar, true);
        carSide(p, along(tOncoming), slope(tOncoming), kBlueCar, false);
        const QPointF eye = along(tCar) + QPointF(2, -13);
        const QPointF crest = along(0.7) + QPointF(0, -2);
        const QPointF beyond = eye + (crest - eye) * 1.6;
        line(p, eye, beyond, dashPen(QColor(0x30, 0x30, 0x30), 1, 3, 2));
        QPainterPath pass(along(tCar) + QPointF(14, -18));
        pass.cubicTo(along(tTruck) + QPointF(-30, -40), along(tTruck) + QPointF(10, -44),
                     along(tTruck) + QPointF(30, -30));
        dashedArrow(p, pass, kOwnCar);
    });
}

QImage truckDownhillScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xc8, 0xe0, 0xf4));
        fillPolygon(
            p,
            QPolygonF{
                {0, 40}, {30, 24}, {70, 34}, {120, 18}, {170, 30}, {200, 22}, {200, 130}, {0, 130}},
            QColor(0x9a, 0xb4, 0x88));
        QPainterPath slope({0, 34});
        slope.lineTo(200, 112);
        hillside(p, slope, QColor(0x7a, 0x9a, 0x50));
        const qreal angle = -QLineF(slope.pointAtPercent(0), slope.pointAtPercent(1)).angle();
        truckSide(p, slope.pointAtPercent(0.42), angle, QColor(0xe0, 0x60, 0x20),
                  QColor(0x4a, 0x70, 0x9c), 1.0);
        const QPointF post = slope.pointAtPercent(0.8) + QPointF(4, -2);
        line(p, post, post + QPointF(0, -34), flatPen(QColor(0x60, 0x60, 0x60), 1.6));
        const QPointF signCentre = post + QPointF(0, -38);
        p.save();
        p.setPen(roundPen(kBlack, 1.4));
        p.setBrush(QColor(0xfb, 0xc7, 0x00));
        p.drawPolygon(triangle(signCentre, 11));
        p.restore();
        fillPolygon(p,
                    QPolygonF{signCentre + QPointF(-6, 5), signCentre + QPointF(6, 5),
                              signCentre + QPointF(-6, -3)},
                    kBlack);
        outlined(p, roundedRect(QRectF(signCentre.x() - 16, signCentre.y() + 9, 32, 10), 1), kWhite,
                 kBlack, 0.8);
        fitText(p, QStringLiteral("连续下坡"),
                QRectF(signCentre.x() - 14, signCentre.y() + 10.5, 28, 7), kBlack);
        arrow(p,
              segment(slope.pointAtPercent(0.56) + QPointF(0, -14),
                      slope.pointAtPercent(0.7) + QPointF(0, -14)),
              2, 5, 6, kSwing);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-scenes",
                   {
                       {"police_go_straight.jpg", goStraightSignal},
                       {"police_left_turn.jpg", leftTurnSignal},
                       {"police_left_turn_wait.jpg", leftTurnWaitSignal},
                       {"police_right_turn.jpg", rightTurnSignal},
                       {"police_lane_change.jpg", laneChangeSignal},
                       {"police_slow_down.jpg", slowDownSignal},
                       {"police_pull_over.jpg", pullOverSignal},
                       {"dash_high_beam.jpg", highBeamLamp},
                       {"dash_low_beam.jpg", lowBeamLamp},
                       {"dash_fog_front.jpg", frontFogLamp},
                       {"dash_fog_rear.jpg", rearFogLamp},
                       {"dash_turn_signals.jpg", turnSignalLamps},
                       {"dash_hazard.jpg", hazardButton},
                       {"dash_brake.jpg", brakeLamp},
                       {"dash_abs.jpg", absLamp},
                       {"dash_battery.jpg", batteryLamp},
                       {"dash_coolant.jpg", coolantLamp},
                       {"dash_door_open.jpg", doorOpenLamp},
                       {"dash_airbag.jpg", airbagLamp},
                       {"dash_engine.jpg", engineLamp},
                       {"dash_tyre_pressure.jpg", tyrePressureLamp},
                       {"scene_school_bus.jpg", schoolBusScene},
                       {"scene_zebra_pedestrian.jpg", zebraPedestrianScene},
                       {"scene_ambulance_behind.jpg", ambulanceScene},
                       {"scene_green_right_turn.jpg", rightTurnPedestrianScene},
                       {"scene_narrow_obstacle.jpg", narrowRoadScene},
                       {"scene_roundabout.jpg", roundaboutScene},
                       {"scene_hill_crest.jpg", hillCrestScene},
                       {"scene_expressway_breakdown.jpg", expresswayBreakdownScene},
                       {"scene_rain_spray.jpg", rainSprayScene},
                       {"scene_fog.jpg", fogScene},
                       {"scene_mountain_bend.jpg", mountainBendScene},
                       {"scene_railway_crossing.jpg", railwayCrossingScene},
                       {"scene_bus_blind_spot.jpg", busBlindSpotScene},
                       {"scene_bus_stop.jpg", busStopScene},
                       {"scene_truck_right_turn.jpg", truckRightTurnScene},
                       {"scene_truck_downhill.jpg", truckDownhillScene},
                       {"scene_tunnel_entrance.jpg", tunnelEntranceScene},
                       {"scene_door_opening.jpg", doorOpeningScene},
                       {"scene_expressway_merge.jpg", expresswayMergeScene},
                       {"scene_blocked_intersection.jpg", blockedIntersectionScene},
                       {"scene_ball_road.jpg", ballRoadScene},
                       {"scene_snow_ruts.jpg", snowRutsScene},
                   });
}
