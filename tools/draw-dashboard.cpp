// Draws the dashboard lamps and controls of the question bank into a folder given on the command
// line.

#include "scenes.h"
#include "signs.h"

using namespace painting;

namespace {

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

// Symbols printed on switches and on the light knob are white; lamps keep their colours.
const QColor kSymbolWhite(0xec, 0xec, 0xf0);
const QColor kDashboard(0x30, 0x32, 0x36);

void lowBeamIcon(QPainter &p, const QColor &colour)
{
    strokePath(p, headlamp(), roundPen(colour, 5));
    beams(p, colour, 5, 9);
}

// Two lamps back to back, each shining outward.
void positionLampsIcon(QPainter &p, const QColor &colour)
{
    for (const qreal side : {-1.0, 1.0}) {
        p.save();
        p.scale(side, 1);
        QPainterPath lamp;
        lamp.moveTo(30, -16);
        lamp.cubicTo(4, -18, 4, 18, 30, 16);
        lamp.closeSubpath();
        strokePath(p, lamp, roundPen(colour, 5));
        for (const qreal y : {-11.0, 0.0, 11.0})
            line(p, {38, y}, {54, y}, roundPen(colour, 4.5));
        p.restore();
    }
}

QImage positionLampsLamp()
{
    return dashPicture([](QPainter &p) { positionLampsIcon(p, kLampGreen); });
}

// Ring with side arcs around a letter, as on the brake and parking lamps.
QImage ringedLetterLamp(const QString &letter, const QColor &colour)
{
    return dashPicture([=](QPainter &p) {
        QPainterPath ring;
        ring.addEllipse(QPointF(), 24, 24);
        strokePath(p, ring, roundPen(colour, 5));
        fitText(p, letter, QRectF(-12, -14, 24, 28), colour, 1.2);
        sideArcs(p, 35, colour, 5);
    });
}

QImage parkingBrakeLamp()
{
    return ringedLetterLamp(QStringLiteral("P"), kLampRed);
}

QImage autoHoldLamp()
{
    return ringedLetterLamp(QStringLiteral("A"), kLampGreen);
}

// Car seen from behind, with the two skid marks of a sliding car under it.
void skiddingCarIcon(QPainter &p, const QColor &colour)
{
    p.fillPath(roundedRect(QRectF(-26, -16, 52, 18), 4), colour);
    fillPolygon(p, QPolygonF{{-18, -15}, {-12, -32}, {12, -32}, {18, -15}}, colour);
    fillPolygon(p, QPolygonF{{-12, -19}, {-8, -29}, {8, -29}, {12, -19}}, kPanel);
    p.fillRect(QRectF(-25, 0, 10, 9), colour);
    p.fillRect(QRectF(15, 0, 10, 9), colour);
    for (const qreal side : {-1.0, 1.0}) {
        QPainterPath track;
        track.moveTo(20 * side, 15);
        track.cubicTo(34 * side, 24, 6 * side, 32, 22 * side, 44);
        strokePath(p, track, roundPen(colour, 4));
    }
}

QImage stabilityLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(0, -4);
        skiddingCarIcon(p, kAmber);
    });
}

QImage stabilityOffLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(-22, -2);
        p.scale(0.85, 0.85);
        skiddingCarIcon(p, kAmber);
        p.resetTransform();
        p.translate(kWidth / 2.0, kHeight / 2.0);
        fitText(p, QStringLiteral("OFF"), QRectF(12, 8, 52, 22), kAmber, 1);
    });
}

// Side outline of a saloon, front to the right, wheels standing on y = 14.
QPainterPath carOutline()
{
    QPainterPath body;
    body.moveTo(-46, 6);
    body.lineTo(-46, -6);
    body.quadTo(-45, -10, -39, -11);
    body.lineTo(-27, -12);
    body.lineTo(-16, -27);
    body.lineTo(14, -27);
    body.lineTo(27, -12);
    body.lineTo(40, -10);
    body.quadTo(46, -9, 46, -3);
    body.lineTo(46, 6);
    body.closeSubpath();
    return body;
}

void filledCar(QPainter &p, const QColor &colour)
{
    p.fillPath(carOutline(), colour);
    fillPolygon(p, QPolygonF{{-23, -14}, {-14, -23}, {-2, -23}, {-2, -14}}, kPanel);
    fillPolygon(p, QPolygonF{{2, -14}, {2, -23}, {12, -23}, {22, -14}}, kPanel);
    for (const qreal x : {-27.0, 27.0}) {
        disc(p, {x, 6}, 11, kPanel);
        disc(p, {x, 6}, 7.5, colour);
    }
}

// A car with one lid lifted about its hinge; the front lid when front is true.
QImage lidOpenLamp(bool front)
{
    return dashPicture([=](QPainter &p) {
        p.translate(front ? -6 : 6, 10);
        filledCar(p, kLampRed);
        const qreal side = front ? 1 : -1;
        QPolygonF gap{{25 * side, -17}, {50 * side, -17}, {50 * side, -5}, {25 * side, -7.5}};
        fillPolygon(p, gap, kPanel);
        line(p, {27 * side, -14}, {52 * side, -36}, roundPen(kLampRed, 5.5));
    });
}

QImage bonnetOpenLamp()
{
    return lidOpenLamp(true);
}

QImage bootOpenLamp()
{
    return lidOpenLamp(false);
}

// Switch face in the style of the hazard button, with an indicator strip that is lit when on.
void switchFace(QPainter &p, bool lit)
{
    QLinearGradient face(0, -40, 0, 40);
    face.setColorAt(0, QColor(0x3c, 0x3c, 0x42));
    face.setColorAt(1, QColor(0x1c, 0x1c, 0x20));
    p.save();
    p.setPen(QPen(QColor(0x68, 0x68, 0x70), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(-48, -44, 96, 88), 12, 12);
    p.restore();
    p.fillPath(roundedRect(QRectF(-14, -38, 28, 5), 2.5),
               lit ? kAmber : QColor(0x50, 0x50, 0x56));
}

// Wavy arrow rising through a window, as in the defrosting symbols.
void warmAirArrow(QPainter &p, qreal x, qreal bottom, qreal top, const QColor &colour)
{
    QPainterPath shaft = wave({x, bottom}, {x, top + 6}, 2, 1.6);
    shaft.lineTo(x, top + 2);
    strokePath(p, shaft, roundPen(colour, 3.2));
    arrowHead(p, shaft, 0.5, 7, 10, colour);
}

QPainterPath windscreenShape()
{
    QPainterPath glass;
    glass.moveTo(-30, 18);
    glass.lineTo(-38, -14);
    glass.quadTo(0, -26, 38, -14);
    glass.lineTo(30, 18);
    glass.quadTo(0, 23, -30, 18);
    return glass;
}

QImage frontDefrostSwitch()
{
    return dashPicture([](QPainter &p) {
        switchFace(p, true);
        p.translate(0, 8);
        strokePath(p, windscreenShape(), roundPen(kSymbolWhite, 4));
        for (const qreal x : {-14.0, 0.0, 14.0})
            warmAirArrow(p, x, 14, -18, kSymbolWhite);
    });
}

QImage rearDefrostSwitch()
{
    return dashPicture([](QPainter &p) {
        switchFace(p, true);
        p.translate(0, 8);
        strokePath(p, roundedRect(QRectF(-34, -20, 68, 38), 7), roundPen(kSymbolWhite, 4));
        for (const qreal x : {-14.0, 0.0, 14.0})
            warmAirArrow(p, x, 12, -16, kSymbolWhite);
    });
}

QImage recirculationSwitch()
{
    return dashPicture([](QPainter &p) {
        switchFace(p, true);
        p.translate(0, 6);
        p.scale(0.82, 0.82);
        strokePath(p, carOutline(), roundPen(kSymbolWhite, 4));
        for (const qreal x : {-27.0, 27.0}) {
            disc(p, {x, 6}, 11, QColor(0x2c, 0x2c, 0x31));
            QPainterPath wheel;
            wheel.addEllipse(QPointF(x, 6), 7, 7);
            strokePath(p, wheel, roundPen(kSymbolWhite, 3.5));
        }
        QPainterPath loop;
        loop.moveTo(22, -3);
        loop.lineTo(-10, -3);
        loop.arcTo(QRectF(-18, -19, 16, 16), 270, -180);
        loop.lineTo(12, -19);
        strokePath(p, loop, roundPen(kSymbolWhite, 3.5));
        arrowHead(p, loop, 0.5, 8, 11, kSymbolWhite);
    });
}

// Speed gauge face: an open ring with a needle, the arrow telling that the speed is held.
QImage cruiseLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(-6, 6);
        QPainterPath arc;
        const QRectF box(-32, -32, 64, 64);
        arc.arcMoveTo(box, 225);
        arc.arcTo(box, 225, -270);
        strokePath(p, arc, roundPen(kLampGreen, 5));
        for (int i = 0; i <= 6; ++i) {
            const qreal a = qDegreesToRadians(225.0 - 45.0 * i);
            const QPointF dir(std::cos(a), -std::sin(a));
            line(p, dir * 22, dir * 27, roundPen(kLampGreen, 3));
        }
        line(p, {0, 0}, {15, -15}, roundPen(kLampGreen, 5));
        disc(p, {}, 5, kLampGreen);
        fillPolygon(p, QPolygonF{{30, 20}, {48, 10}, {40, 30}}, kLampGreen);
    });
}

QImage laneDepartureLamp()
{
    return dashPicture([](QPainter &p) {
        line(p, {-56, 44}, {-34, -40}, roundPen(kAmber, 5));
        for (qreal t = 0; t < 1; t += 0.3) {
            const QPointF from(56 - 22 * t, 44 - 84 * t);
            const QPointF to(56 - 22 * (t + 0.17), 44 - 84 * (t + 0.17));
            line(p, from, to, roundPen(kAmber, 5));
        }
        p.translate(0, 32);
        p.scale(2.0, 2.0);
        frontCar(p, kAmber, kPanel);
    });
}

QImage washerFluidLamp()
{
    return dashPicture([](QPainter &p) {
        strokePath(p, windscreenShape(), roundPen(kAmber, 4.5));
        p.fillRect(QRectF(-5, 24, 10, 8), kAmber);
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath jet;
            jet.moveTo(2 * side, 22);
            jet.quadTo(6 * side, -12, 26 * side, -4);
            strokePath(p, jet, dashPen(kAmber, 3.5, 4, 3));
        }
        strokePath(p, segment({0, 22}, {0, -14}), dashPen(kAmber, 3.5, 4, 3));
    });
}

// Battery outline shared by the traction-battery lamp; the charging lamp draws its own.
void batteryCase(QPainter &p, const QColor &colour)
{
    strokePath(p, roundedRect(QRectF(-34, -16, 68, 40), 3), roundPen(colour, 5));
    p.fillRect(QRectF(-26, -26, 13, 8), colour);
    p.fillRect(QRectF(13, -26, 13, 8), colour);
}

QImage tractionBatteryFaultLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(0, -2);
        batteryCase(p, kLampRed);
        exclamation(p, {0, 5}, 28, kLampRed);
    });
}

QImage chargingCableLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(6, -4);
        p.fillPath(roundedRect(QRectF(-16, -18, 30, 36), 5), kLampRed);
        p.fillRect(QRectF(14, -12, 16, 6), kLampRed);
        p.fillRect(QRectF(14, 6, 16, 6), kLampRed);
        QPainterPath cable;
        cable.moveTo(-16, 0);
        cable.cubicTo(-36, 0, -30, 34, -54, 34);
        strokePath(p, cable, roundPen(kLampRed, 5));
    });
}

QImage driveSystemFaultLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(0, 6);
        p.scale(1.1, 1.1);
        strokePath(p, carOutline(), roundPen(kLampRed, 4));
        for (const qreal x : {-27.0, 27.0}) {
            disc(p, {x, 6}, 11, kPanel);
            QPainterPath wheel;
            wheel.addEllipse(QPointF(x, 6), 7, 7);
            strokePath(p, wheel, roundPen(kLampRed, 3.5));
        }
        exclamation(p, {0, -9}, 24, kLampRed);
    });
}

QImage powerLimitLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(-4, 4);
        QPainterPath shell;
        shell.moveTo(-34, 8);
        shell.cubicTo(-32, -34, 32, -34, 34, 8);
        shell.closeSubpath();
        p.fillPath(shell, kAmber);
        strokePath(p, segment({-30, -2}, {30, -2}), flatPen(kPanel, 2.5));
        for (const qreal x : {-12.0, 12.0})
            strokePath(p, segment({x, -2}, {x * 0.7, -22}), flatPen(kPanel, 2.5));
        disc(p, {44, -2}, 8, kAmber);
        for (const qreal x : {-26.0, 16.0})
            p.fillPath(roundedRect(QRectF(x, 6, 11, 14), 4), kAmber);
        fillPolygon(p, QPolygonF{{-34, 2}, {-44, 8}, {-32, 8}}, kAmber);
    });
}

QImage readyDisplay()
{
    return dashPicture([](QPainter &p) {
        p.save();
        p.setPen(QPen(QColor(0x5a, 0x6a, 0x80), 1.5));
        p.setBrush(QColor(0x12, 0x1c, 0x2a));
        p.drawRoundedRect(QRectF(-72, -38, 144, 76), 8, 8);
        p.restore();
        fitText(p, QStringLiteral("READY"), QRectF(-58, -18, 116, 30), kLampGreen, 1);
        fitText(p, QStringLiteral("0 km/h"), QRectF(-24, 18, 48, 12), kSymbolWhite);
    });
}

// Heater coil of a diesel engine: a flattened helix between two leads.
QImage glowPlugLamp()
{
    return dashPicture([](QPainter &p) {
        const qreal turns = 4;
        const qreal a = 56 / (2 * M_PI * turns);
        QPainterPath coil;
        coil.moveTo(-28, 26);
        coil.lineTo(-28, 4);
        for (int i = 0; i <= 160; ++i) {
            const qreal t = 2 * M_PI * turns * i / 160.0;
            coil.lineTo(-28 + a * t - 9 * std::sin(t), 4 - 12 * std::cos(t));
        }
        coil.lineTo(28, 26);
        p.translate(0, -8);
        strokePath(p, coil, roundPen(kAmber, 4));
    });
}

QImage steeringFaultLamp()
{
    return dashPicture([](QPainter &p) {
        p.translate(-12, 0);
        QPainterPath rim;
        rim.addEllipse(QPointF(), 26, 26);
        strokePath(p, rim, roundPen(kAmber, 5.5));
        disc(p, {}, 7, kAmber);
        for (const qreal deg : {180.0, 0.0, 270.0}) {
            const qreal r = qDegreesToRadians(deg);
            line(p, {}, QPointF(24 * std::cos(r), -24 * std::sin(r)), roundPen(kAmber, 5));
        }
        exclamation(p, {44, 0}, 34, kAmber);
    });
}

QImage serviceReminderLamp()
{
    return dashPicture([](QPainter &p) {
        p.rotate(-40);
        p.fillPath(roundedRect(QRectF(-40, -6, 60, 12), 6), kAmber);
        disc(p, {26, 0}, 16, kAmber);
        p.fillRect(QRectF(26, -6, 18, 12), kPanel);
        disc(p, {-34, 0}, 3, kPanel);
    });
}

// Gauges: fractions of the scale run along an arc between two angles (degrees, counter-clockwise
// positive as on paper, so a clockwise scale has a negative span).
struct Dial {
    QPointF centre;
    qreal radius;
    qreal startDeg;
    qreal spanDeg;

    QPointF at(qreal fraction, qreal r) const
    {
        const qreal a = qDegreesToRadians(startDeg + spanDeg * fraction);
        return centre + QPointF(r * std::cos(a), -r * std::sin(a));
    }
};

const QColor kNeedle(0xff, 0x4a, 0x1c);

void dialArc(QPainter &p, const Dial &d, qreal from, qreal to, qreal r, const QPen &pen)
{
    const QRectF box(d.centre - QPointF(r, r), QSizeF(2 * r, 2 * r));
    QPainterPath arc;
    arc.arcMoveTo(box, d.startDeg + d.spanDeg * from);
    arc.arcTo(box, d.startDeg + d.spanDeg * from, d.spanDeg * (to - from));
    strokePath(p, arc, pen);
}

void dialTicks(QPainter &p, const Dial &d, int steps, int majorEvery)
{
    for (int i = 0; i <= steps; ++i) {
        const bool major = i % majorEvery == 0;
        const qreal f = qreal(i) / steps;
        line(p, d.at(f, d.radius), d.at(f, d.radius - (major ? 8 : 4.5)),
             flatPen(kSymbolWhite, major ? 2.4 : 1.4));
    }
}

void dialLabel(QPainter &p, const Dial &d, qreal fraction, qreal r, const QString &text,
               qreal height = 11)
{
    const QPointF c = d.at(fraction, r);
    const qreal w = height * 0.62 * text.size();
    fitText(p, text, QRectF(c.x() - w / 2, c.y() - height / 2, w, height), kSymbolWhite);
}

void dialNeedle(QPainter &p, const Dial &d, qreal fraction, qreal length)
{
    line(p, d.centre, d.at(fraction, length), roundPen(kNeedle, 3.2));
    disc(p, d.centre, 6, QColor(0x3a, 0x3a, 0x40));
    disc(p, d.centre, 2.5, kNeedle);
}

QImage tachometer(qreal revs)
{
    return dashPicture([=](QPainter &p) {
        const Dial d{{0, 8}, 54, 210, -240};
        dialArc(p, d, 6.5 / 8, 1, 51, flatPen(kLampRed, 6));
        dialTicks(p, d, 16, 2);
        for (int i = 0; i <= 8; ++i)
            dialLabel(p, d, i / 8.0, 36, QString::number(i), 12);
        fitText(p, QStringLiteral("×1000r/min"), QRectF(-23, 17, 46, 10), kSymbolWhite);
        dialNeedle(p, d, revs / 8, 46);
    });
}

QImage tachometerNormal()
{
    return tachometer(2.4);
}

QImage tachometerRed()
{
    return tachometer(7.1);
}

QImage speedometer()
{
    return dashPicture([](QPainter &p) {
        const Dial d{{0, 4}, 56, 210, -240};
        dialTicks(p, d, 11, 2);
        for (int v = 0; v <= 200; v += 40)
            dialLabel(p, d, v / 220.0, 37, QString::number(v), 11);
        fitText(p, QStringLiteral("km/h"), QRectF(-13, 13, 26, 11), kSymbolWhite);
        p.save();
        p.setPen(QPen(QColor(0x60, 0x60, 0x68), 1));
        p.setBrush(QColor(0x1a, 0x22, 0x2c));
        p.drawRoundedRect(QRectF(-34, 31, 68, 18), 3, 3);
        p.restore();
        fitText(p, QStringLiteral("ODO 012680 km"), QRectF(-31, 34, 62, 12), kSymbolWhite);
        dialNeedle(p, d, 60 / 220.0, 48);
    });
}

// Small gauge with letters at its two ends and the lamp symbol in the middle.
QImage endGauge(const QString &low, const QString &high, qreal redFrom, qreal redTo,
                qreal needle, const std::function<void(QPainter &)> &icon)
{
    return dashPicture([=](QPainter &p) {
        const Dial d{{0, 42}, 72, 150, -120};
        dialArc(p, d, redFrom, redTo, 69, flatPen(kLampRed, 6));
        dialArc(p, d, 0, 1, 72, flatPen(kSymbolWhite, 2));
        dialTicks(p, d, 4, 1);
        dialLabel(p, d, 0, 56, low, 15);
        dialLabel(p, d, 1, 56, high, 15);
        p.save();
        p.translate(0, 4);
        p.scale(0.42, 0.42);
        icon(p);
        p.restore();
        dialNeedle(p, d, needle, 64);
    });
}

void thermometerIcon(QPainter &p)
{
    p.fillPath(roundedRect(QRectF(-4, -36, 8, 38), 4), kSymbolWhite);
    disc(p, {0, 6}, 8.5, kSymbolWhite);
    for (const qreal y : {-30.0, -22.0, -14.0})
        line(p, {6, y}, {17, y}, flatPen(kSymbolWhite, 3.5));
    strokePath(p, wave({-34, 22}, {34, 22}, 4, 2.2), roundPen(kSymbolWhite, 4));
}

void pumpIcon(QPainter &p)
{
    p.fillPath(roundedRect(QRectF(-30, -40, 34, 68), 4), kSymbolWhite);
    p.fillPath(roundedRect(QRectF(-36, 26, 46, 9), 2), kSymbolWhite);
    p.fillPath(roundedRect(QRectF(-24, -33, 22, 19), 2), kPanel);
    QPainterPath hose;
    hose.moveTo(4, -12);
    hose.lineTo(16, -12);
    hose.lineTo(16, 16);
    hose.quadTo(16, 21, 22, 21);
    hose.quadTo(28, 21, 28, 14);
    hose.lineTo(28, -26);
    strokePath(p, hose, roundPen(kSymbolWhite, 5));
}

QImage coolantGauge()
{
    return endGauge(QStringLiteral("C"), QStringLiteral("H"), 0.8, 1, 0.93, thermometerIcon);
}

QImage fuelGauge()
{
    return endGauge(QStringLiteral("E"), QStringLiteral("F"), 0, 0.12, 0.05, pumpIcon);
}

// Controls, as the driver sees them on the dashboard and the steering column.

// Round light switch on the dashboard: the index on the knob points at the chosen position.
QImage lightKnob(int selected)
{
    return picture(kDashboard, [=](QPainter &p) {
        const QPointF centre(100, 94);
        const qreal angles[] = {160, 115, 65, 20};
        for (int i = 0; i < 4; ++i) {
            const qreal a = qDegreesToRadians(angles[i]);
            const QPointF dir(std::cos(a), -std::sin(a));
            disc(p, centre + dir * 36, 2, kSymbolWhite);
            const QPointF at = centre + dir * 58;
            if (i == 0)
                fitText(p, QStringLiteral("OFF"), QRectF(at.x() - 13, at.y() - 6, 26, 12),
                        kSymbolWhite);
            else if (i == 3)
                fitText(p, QStringLiteral("AUTO"), QRectF(at.x() - 16, at.y() - 6, 32, 12),
                        kSymbolWhite);
            else {
                p.save();
                p.translate(at);
                p.scale(0.36, 0.36);
                if (i == 1)
                    positionLampsIcon(p, kSymbolWhite);
                else {
                    p.translate(4, 0);
                    lowBeamIcon(p, kSymbolWhite);
                }
                p.restore();
            }
        }
        QRadialGradient metal(centre - QPointF(8, 8), 36);
        metal.setColorAt(0, QColor(0x9a, 0x9c, 0xa4));
        metal.setColorAt(1, QColor(0x44, 0x46, 0x4c));
        p.setBrush(metal);
        p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1.5));
        p.drawEllipse(centre, 28, 28);
        const qreal a = qDegreesToRadians(angles[selected]);
        const QPointF dir(std::cos(a), -std::sin(a));
        const QPointF across(-dir.y(), dir.x());
        p.save();
        p.setPen(QPen(QColor(0x20, 0x20, 0x24), 1));
        p.setBrush(QColor(0x5a, 0x5c, 0x64));
        p.drawPolygon(QPolygonF{centre + dir * 26 + across * 6, centre + dir * 26 - across * 6,
                                centre - dir * 26 - across * 6, centre - dir * 26 + across * 6});
        p.restore();
        line(p, centre + dir * 8, centre + dir * 24, roundPen(kSymbolWhite, 3));
    });
}

QImage lightKnobLowBeam()
{
    return lightKnob(2);
}

QImage lightKnobAuto()
{
    return lightKnob(3);
}

// Part of the steering wheel rim with a stalk reaching out of the column.
void steeringRim(QPainter &p, QPointF centre)
{
    QPainterPath rim;
    rim.addEllipse(centre, 96, 96);
    strokePath(p, rim, QPen(QColor(0x18, 0x18, 0x1a), 16));
    strokePath(p, rim, QPen(QColor(0x2c, 0x2c, 0x30), 10));
}

QImage turnStalkUp()
{
    return picture(kDashboard, [](QPainter &p) {
        steeringRim(p, {160, 150});
        p.fillRect(QRectF(118, 74, 40, 30), QColor(0x22, 0x22, 0x26));
        line(p, {122, 88}, {38, 74}, roundPen(QColor(0x1a, 0x1a, 0x1c), 11));
        line(p, {122, 88}, {38, 74}, roundPen(QColor(0x4a, 0x4c, 0x52), 8));
        line(p, {52, 76}, {30, 72}, roundPen(QColor(0x16, 0x16, 0x18), 13));
        sceneArrow(p, segment({40, 60}, {40, 24}), 5, 11, 14, kSwing);
        line(p, {122, 88}, {44, 50}, dashPen(QColor(0x8a, 0x8c, 0x92), 2, 4, 3));
    });
}

QImage wiperStalk()
{
    return picture(kDashboard, [](QPainter &p) {
        const char *labels[] = {"MIST", "OFF", "INT", "LO", "HI"};
        for (int i = 0; i < 5; ++i) {
            const qreal y = 20 + 22 * i;
            fitText(p, QString::fromLatin1(labels[i]), QRectF(12, y - 6, 36, 12), kSymbolWhite);
            line(p, {52, y}, {66, y}, flatPen(kSymbolWhite, 2));
        }
        line(p, {60, 20}, {60, 108}, flatPen(QColor(0x8a, 0x8c, 0x92), 1.5));
        QPainterPath rod;
        rod.moveTo(200, 36);
        rod.lineTo(92, 38);
        rod.lineTo(92, 46);
        rod.lineTo(200, 54);
        rod.closeSubpath();
        p.fillPath(rod, QColor(0x4a, 0x4c, 0x52));
        p.fillPath(roundedRect(QRectF(70, 33, 30, 18), 7), QColor(0x16, 0x16, 0x18));
        line(p, {70, 42}, {76, 42}, flatPen(kSymbolWhite, 2));
    });
}

QImage ignitionSwitch()
{
    return picture(kDashboard, [](QPainter &p) {
        const QPointF centre(100, 80);
        const char *labels[] = {"LOCK", "ACC", "ON", "START"};
        const qreal angles[] = {150, 105, 60, 15};
        for (int i = 0; i < 4; ++i) {
            const qreal a = qDegreesToRadians(angles[i]);
            const QPointF dir(std::cos(a), -std::sin(a));
            line(p, centre + dir * 34, centre + dir * 40, roundPen(kSymbolWhite, 2.5));
            const QPointF at = centre + dir * 56;
            const QString text = QString::fromLatin1(labels[i]);
            const qreal w = 8.5 * text.size();
            fitText(p, text, QRectF(at.x() - w / 2, at.y() - 6.5, w, 13), kSymbolWhite);
        }
        QRadialGradient metal(centre - QPointF(8, 8), 34);
        metal.setColorAt(0, QColor(0xd8, 0xda, 0xe0));
        metal.setColorAt(1, QColor(0x70, 0x72, 0x7a));
        disc(p, centre, 30, QColor(0x18, 0x18, 0x1a));
        p.setBrush(metal);
        p.drawEllipse(centre, 27, 27);
        disc(p, centre, 17, QColor(0x9a, 0x9c, 0xa4));
        p.save();
        p.translate(centre);
        p.rotate(-(150 - 90));
        p.fillPath(roundedRect(QRectF(-2.5, -14, 5, 28), 2), QColor(0x20, 0x20, 0x24));
        p.restore();
    });
}

QImage startButton()
{
    return picture(kDashboard, [](QPainter &p) {
        const QPointF centre(100, 65);
        QRadialGradient chrome(centre - QPointF(12, 12), 52);
        chrome.setColorAt(0, QColor(0xe0, 0xe2, 0xe8));
        chrome.setColorAt(1, QColor(0x60, 0x62, 0x6a));
        p.setBrush(chrome);
        p.drawEllipse(centre, 48, 48);
        disc(p, centre, 41, QColor(0x14, 0x14, 0x16));
        fitText(p, QStringLiteral("ENGINE"), QRectF(70, 44, 60, 12), kSymbolWhite);
        fitText(p, QStringLiteral("START"), QRectF(68, 59, 64, 15), kSymbolWhite, 0.6);
        fitText(p, QStringLiteral("STOP"), QRectF(76, 78, 48, 12), kSymbolWhite);
        disc(p, {100, 33}, 3, kAmber);
    });
}

// Pedals seen from the driver's seat, left to right.
void pedal(QPainter &p, const QRectF &pad, qreal armTop)
{
    line(p, {pad.center().x(), armTop}, {pad.center().x(), pad.top() + 4},
         flatPen(QColor(0x5a, 0x5c, 0x62), 5));
    p.fillPath(roundedRect(pad, 4), QColor(0x16, 0x16, 0x18));
    for (qreal y = pad.top() + 5; y < pad.bottom() - 3; y += 5)
        line(p, {pad.left() + 4, y}, {pad.right() - 4, y}, flatPen(QColor(0x48, 0x48, 0x4e), 1.4));
}

QImage footwell(const std::function<void(QPainter &)> &pedals)
{
    return picture(QColor(0x3a, 0x3c, 0x42), [&](QPainter &p) {
        p.fillRect(QRectF(0, 96, kWidth, 34), QColor(0x24, 0x25, 0x28));
        p.fillRect(QRectF(0, 0, kWidth, 10), QColor(0x26, 0x27, 0x2b));
        pedals(p);
    });
}

QImage manualPedals()
{
    return footwell([](QPainter &p) {
        pedal(p, QRectF(30, 66, 34, 26), 8);
        pedal(p, QRectF(84, 62, 40, 28), 8);
        p.fillPath(roundedRect(QRectF(152, 52, 20, 56), 4), QColor(0x16, 0x16, 0x18));
        for (qreal y = 58; y < 104; y += 6)
            line(p, {156, y}, {168, y}, flatPen(QColor(0x48, 0x48, 0x4e), 1.4));
        line(p, {162, 8}, {162, 52}, flatPen(QColor(0x5a, 0x5c, 0x62), 4));
    });
}

QImage automaticPedals()
{
    return footwell([](QPainter &p) {
        pedal(p, QRectF(56, 60, 64, 30), 8);
        p.fillPath(roundedRect(QRectF(148, 52, 20, 56), 4), QColor(0x16, 0x16, 0x18));
        for (qreal y = 58; y < 104; y += 6)
            line(p, {152, y}, {164, y}, flatPen(QColor(0x48, 0x48, 0x4e), 1.4));
        line(p, {158, 8}, {158, 52}, flatPen(QColor(0x5a, 0x5c, 0x62), 4));
    });
}

QImage manualGearKnob()
{
    return picture(kDashboard, [](QPainter &p) {
        disc(p, {100, 65}, 58, QColor(0x14, 0x14, 0x16));
        disc(p, {100, 65}, 53, QColor(0x22, 0x22, 0x25));
        const QPen groove = flatPen(kSymbolWhite, 3);
        for (const qreal x : {72.0, 100.0, 128.0})
            line(p, {x, 40}, {x, 90}, groove);
        line(p, {72, 65}, {128, 65}, groove);
        const char *top[] = {"1", "3", "5"};
        const char *bottom[] = {"2", "4", "R"};
        for (int i = 0; i < 3; ++i) {
            const qreal x = 72 + 28 * i;
            fitText(p, QString::fromLatin1(top[i]), QRectF(x - 7, 22, 14, 15), kSymbolWhite);
            fitText(p, QString::fromLatin1(bottom[i]), QRectF(x - 7, 93, 14, 15), kSymbolWhite);
        }
    });
}

QImage automaticSelector()
{
    return picture(kDashboard, [](QPainter &p) {
        p.fillPath(roundedRect(QRectF(40, 6, 120, 118), 10), QColor(0x22, 0x23, 0x27));
        p.fillPath(roundedRect(QRectF(82, 16, 10, 100), 5), QColor(0x0a, 0x0a, 0x0c));
        const char *letters[] = {"P", "R", "N", "D", "L"};
        for (int i = 0; i < 5; ++i) {
            const qreal y = 24 + 21 * i;
            fitText(p, QString::fromLatin1(letters[i]), QRectF(112, y - 7.5, 14, 15),
                    i == 0 ? QColor(0xff, 0xff, 0xff) : QColor(0xa0, 0xa2, 0xaa));
        }
        p.fillPath(roundedRect(QRectF(52, 13, 52, 22), 8), QColor(0x50, 0x52, 0x58));
        p.fillPath(roundedRect(QRectF(56, 17, 14, 14), 3), QColor(0x70, 0x72, 0x7a));
    });
}

QImage parkingBrakeSwitch()
{
    return picture(kDashboard, [](QPainter &p) {
        QLinearGradient face(0, 22, 0, 108);
        face.setColorAt(0, QColor(0x56, 0x58, 0x5e));
        face.setColorAt(1, QColor(0x26, 0x27, 0x2b));
        p.setBrush(face);
        p.setPen(QPen(QColor(0x14, 0x14, 0x16), 2));
        p.drawRoundedRect(QRectF(58, 20, 84, 90), 10, 10);
        p.translate(100, 65);
        QPainterPath ring;
        ring.addEllipse(QPointF(), 20, 20);
        strokePath(p, ring, roundPen(kSymbolWhite, 4));
        fitText(p, QStringLiteral("P"), QRectF(-10, -12, 20, 24), kSymbolWhite, 1);
        sideArcs(p, 29, kSymbolWhite, 4);
    });
}

QImage hornPad()
{
    return picture(kDashboard, [](QPainter &p) {
        QPainterPath rim;
        rim.addEllipse(QPointF(100, 65), 60, 60);
        strokePath(p, rim, QPen(QColor(0x16, 0x16, 0x18), 12));
        for (const qreal x : {-1.0, 1.0})
            p.fillRect(QRectF(x < 0 ? 42 : 130, 60, 28, 12), QColor(0x16, 0x16, 0x18));
        p.fillPath(roundedRect(QRectF(68, 40, 64, 52), 14), QColor(0x1e, 0x1e, 0x22));
        p.translate(100, 66);
        p.scale(0.72, 0.72);
        horn(p, kSymbolWhite);
    });
}

QImage mirrorSwitch()
{
    return picture(QColor(0x4a, 0x4c, 0x52), [](QPainter &p) {
        p.fillPath(roundedRect(QRectF(20, 30, 160, 72), 12), QColor(0x26, 0x27, 0x2b));
        // Left and right selector.
        p.fillPath(roundedRect(QRectF(34, 44, 44, 44), 8), QColor(0x40, 0x42, 0x48));
        fitText(p, QStringLiteral("L"), QRectF(39, 58, 12, 15), kSymbolWhite);
        fitText(p, QStringLiteral("R"), QRectF(61, 58, 12, 15), kSymbolWhite);
        line(p, {56, 50}, {56, 82}, flatPen(QColor(0x18, 0x18, 0x1a), 2));
        // Pad that moves the chosen mirror.
        disc(p, {132, 66}, 30, QColor(0x40, 0x42, 0x48));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(132, 66);
            p.rotate(90 * i);
            fillPolygon(p, QPolygonF{{0, -25}, {-7, -16}, {7, -16}}, kSymbolWhite);
            p.restore();
        }
        QPainterPath glass;
        glass.moveTo(120, 58);
        glass.lineTo(146, 56);
        glass.quadTo(148, 66, 144, 76);
        glass.lineTo(122, 74);
        glass.quadTo(118, 66, 120, 58);
        strokePath(p, glass, roundPen(kSymbolWhite, 2.2));
    });
}

// Shut face of a rear door with the latch and the child lock lever below it.
QImage childLock()
{
    return picture(QColor(0x6a, 0x84, 0xa8), [](QPainter &p) {
        p.fillRect(QRectF(66, 0, 68, kHeight), QColor(0xc8, 0xca, 0xce));
        p.fillRect(QRectF(66, 0, 4, kHeight), QColor(0x9a, 0x9c, 0xa2));
        p.fillPath(roundedRect(QRectF(82, 14, 36, 34), 4), QColor(0x50, 0x52, 0x58));
        p.fillPath(roundedRect(QRectF(94, 22, 12, 18), 3), QColor(0x20, 0x20, 0x24));
        p.fillPath(roundedRect(QRectF(84, 76, 32, 12), 6), QColor(0x30, 0x30, 0x34));
        p.fillPath(roundedRect(QRectF(86, 74, 10, 16), 3), QColor(0xf0, 0xf0, 0xf0));
        // Closed padlock on the left end, open one on the right, the child above the lever.
        const QColor ink(0x20, 0x20, 0x24);
        for (const qreal x : {78.0, 122.0}) {
            p.fillPath(roundedRect(QRectF(x - 7, 102, 14, 11), 2), ink);
            QPainterPath shackle;
            shackle.moveTo(x - 4, 102);
            shackle.lineTo(x - 4, 98);
            shackle.arcTo(QRectF(x - 4, 93, 8, 9), 180, -180);
            shackle.lineTo(x + 4, x < 100 ? 102 : 96);
            strokePath(p, shackle, roundPen(ink, 2.2));
        }
        disc(p, {100, 58}, 5.5, ink);
        p.fillPath(roundedRect(QRectF(94.5, 64, 11, 8), 3), ink);
    });
}

// Engine bay and service items.
const QColor kEngineBay(0x48, 0x4a, 0x50);

QImage dipstick()
{
    return picture(kBackground, [](QPainter &p) {
        const QColor steel(0x9a, 0x9c, 0xa4);
        p.fillRect(QRectF(110, 60, 60, 5), steel);
        QPainterPath ring;
        ring.addEllipse(QPointF(182, 62), 12, 12);
        strokePath(p, ring, roundPen(QColor(0xf0, 0xb0, 0x10), 6));
        p.fillPath(roundedRect(QRectF(12, 55, 104, 15), 3), steel);
        p.fillRect(QRectF(12, 56, 28, 13), QColor(0x8a, 0x5c, 0x12));
        p.save();
        p.setClipRect(QRectF(52, 55, 46, 15));
        for (qreal x = 44; x < 104; x += 5)
            line(p, {x, 72}, {x + 12, 53}, flatPen(QColor(0x5a, 0x5c, 0x64), 1.2));
        p.restore();
        for (const qreal x : {52.0, 98.0})
            line(p, {x, 50}, {x, 74}, flatPen(kBlack, 2));
        fitText(p, QStringLiteral("MIN"), QRectF(38, 34, 28, 13), kBlack);
        fitText(p, QStringLiteral("MAX"), QRectF(84, 34, 28, 13), kBlack);
        fitText(p, QStringLiteral("机油尺"), QRectF(70, 90, 60, 15), kInk);
    });
}

// Translucent reservoir with its marks; the liquid stands at the given height.
void reservoir(QPainter &p, const QRectF &tank, qreal maxY, qreal minY, qreal level,
               const QColor &liquid, const QColor &cap)
{
    p.fillPath(roundedRect(tank, 8), QColor(0xe8, 0xe6, 0xdc));
    p.save();
    p.setClipPath(roundedRect(tank, 8));
    p.fillRect(QRectF(tank.left(), level, tank.width(), tank.bottom() - level), liquid);
    p.restore();
    strokePath(p, roundedRect(tank, 8), QPen(QColor(0x90, 0x8e, 0x84), 1.5));
    for (const qreal y : {maxY, minY})
        line(p, {tank.left() + 4, y}, {tank.left() + 24, y}, flatPen(kBlack, 2));
    fitText(p, QStringLiteral("MAX"), QRectF(tank.left() + 27, maxY - 6, 26, 12), kBlack);
    fitText(p, QStringLiteral("MIN"), QRectF(tank.left() + 27, minY - 6, 26, 12), kBlack);
    p.fillPath(roundedRect(QRectF(tank.center().x() - 14, tank.top() - 12, 28, 14), 3), cap);
}

QImage coolantReservoir()
{
    return picture(kEngineBay, [](QPainter &p) {
        reservoir(p, QRectF(56, 26, 88, 92), 52, 84, 100, QColor(0xf0, 0x70, 0x9c),
                  QColor(0x20, 0x20, 0x24));
        p.save();
        p.translate(100, 20);
        p.scale(0.16, 0.16);
        thermometerIcon(p);
        p.restore();
    });
}

QImage brakeFluidReservoir()
{
    return picture(kEngineBay, [](QPainter &p) {
        reservoir(p, QRectF(66, 30, 68, 86), 54, 84, 98, QColor(0xd8, 0xb8, 0x58),
                  QColor(0xf0, 0xc8, 0x10));
        p.save();
        p.translate(100, 23);
        p.scale(0.17, 0.17);
        QPainterPath ring;
        ring.addEllipse(QPointF(), 24, 24);
        strokePath(p, ring, roundPen(kBlack, 7));
        exclamation(p, {0, -2}, 30, kBlack);
        sideArcs(p, 35, kBlack, 7);
        p.restore();
    });
}

const QColor kRubber(0x2a, 0x2a, 0x2e);

// Tread worn down to the bar in the groove; the dashed line is the new tread height.
QImage treadWear()
{
    return picture(kBackground, [](QPainter &p) {
        const qreal grooves[] = {64, 108, 152};
        // The worn-off rubber, pale above the present tread.
        QPainterPath worn;
        worn.addRect(QRectF(30, 32, 160, 20));
        for (const qreal x : grooves)
            worn.addRect(QRectF(x, 32, 14, 20));
        worn.setFillRule(Qt::OddEvenFill);
        p.fillPath(worn, QColor(0xd4, 0xd4, 0xd8));
        strokePath(p, segment({30, 32}, {190, 32}), dashPen(QColor(0x80, 0x80, 0x88), 1.5, 5, 4));
        QPainterPath tyre;
        tyre.moveTo(10, 126);
        tyre.lineTo(10, 70);
        tyre.quadTo(12, 56, 30, 52);
        tyre.lineTo(190, 52);
        tyre.lineTo(190, 126);
        tyre.closeSubpath();
        p.fillPath(tyre, kRubber);
        p.fillRect(QRectF(64, 52, 14, 30), kBackground);
        p.fillRect(QRectF(152, 52, 14, 30), kBackground);
        // Wear bar in the middle groove, now level with the tread.
        p.fillRect(QRectF(108, 52, 14, 30), QColor(0x6a, 0x6a, 0x72));
        fillPolygon(p, QPolygonF{{22, 80}, {15, 93}, {29, 93}}, QColor(0xc0, 0xc0, 0xc8));
        sceneArrow(p, segment({115, 4}, {115, 46}), 2.5, 7, 8, kSwing);
    });
}

QImage sidewallBulge()
{
    return picture(kBackground, [](QPainter &p) {
        const QPointF c(100, 66);
        disc(p, c, 58, kRubber);
        // Blister on the sidewall between the rim and the tread, lit from the upper left.
        QRadialGradient blister(QPointF(134, 38), 16);
        blister.setColorAt(0, QColor(0x8a, 0x8a, 0x92));
        blister.setColorAt(0.7, QColor(0x44, 0x44, 0x4a));
        blister.setColorAt(1, kRubber);
        p.setBrush(blister);
        p.drawEllipse(QPointF(138, 42), 15, 12);
        QPainterPath bulge;
        bulge.addEllipse(QPointF(144, 36), 14, 11);
        QPainterPath outside;
        outside.addRect(QRectF(0, 0, kWidth, kHeight));
        QPainterPath tyre;
        tyre.addEllipse(c, 58, 58);
        p.fillPath(bulge.intersected(outside.subtracted(tyre)), kRubber);
        disc(p, c, 34, QColor(0xb8, 0xba, 0xc0));
        disc(p, c, 28, QColor(0x90, 0x92, 0x9a));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(c);
            p.rotate(72 * i);
            p.fillPath(roundedRect(QRectF(-4, -27, 8, 20), 3), QColor(0xc8, 0xca, 0xd0));
            p.restore();
        }
        disc(p, c, 8, QColor(0x60, 0x62, 0x6a));
    });
}

QImage batteryTerminals()
{
    return picture(kEngineBay, [](QPainter &p) {
        fillPolygon(p, QPolygonF{{36, 48}, {60, 30}, {180, 30}, {156, 48}}, QColor(0x3a, 0x3a, 0x40));
        p.fillRect(QRectF(36, 48, 120, 70), QColor(0x2a, 0x2a, 0x30));
        fillPolygon(p, QPolygonF{{156, 48}, {180, 30}, {180, 100}, {156, 118}}, QColor(0x1e, 0x1e, 0x22));
        disc(p, {72, 40}, 8, kRed);
        disc(p, {144, 40}, 8, QColor(0x10, 0x10, 0x12));
        fitText(p, QStringLiteral("+"), QRectF(62, 56, 20, 20), kRed, 1);
        fitText(p, QStringLiteral("−"), QRectF(134, 56, 20, 20), kSymbolWhite, 1);
        line(p, {72, 34}, {40, 8}, roundPen(kRed, 5));
        line(p, {144, 34}, {176, 8}, roundPen(QColor(0x10, 0x10, 0x12), 5));
        fitText(p, QStringLiteral("蓄电池"), QRectF(66, 90, 60, 16), kSymbolWhite);
    });
}

// Tyres cut across, standing on the road: low, right and high pressure from left to right.
QImage tyreContact()
{
    return picture(kBackground, [](QPainter &p) {
        p.fillRect(QRectF(0, 96, kWidth, 6), QColor(0x70, 0x70, 0x74));
        const auto tyre = [&](qreal x, qreal squat, int contact) {
            QPainterPath shape;
            shape.moveTo(x - 18, 20);
            shape.lineTo(x + 18, 20);
            shape.cubicTo(x + 24 + squat, 50, x + 26 + squat, 80, x + 16 + squat, 96);
            shape.lineTo(x - 16 - squat, 96);
            shape.cubicTo(x - 26 - squat, 80, x - 24 - squat, 50, x - 18, 20);
            if (contact == 2) {
                shape = QPainterPath();
                shape.moveTo(x - 18, 20);
                shape.lineTo(x + 18, 20);
                shape.cubicTo(x + 26, 50, x + 26, 88, x, 96);
                shape.cubicTo(x - 26, 88, x - 26, 50, x - 18, 20);
            }
            p.fillPath(shape, kRubber);
            p.fillRect(QRectF(x - 10, 20, 20, 14), QColor(0xa0, 0xa2, 0xaa));
            const QPen patch = flatPen(kSwing, 4);
            if (contact == 0) {
                line(p, {x - 16 - squat, 98}, {x - 6, 98}, patch);
                line(p, {x + 6, 98}, {x + 16 + squat, 98}, patch);
            } else if (contact == 1) {
                line(p, {x - 16, 98}, {x + 16, 98}, patch);
            } else {
                line(p, {x - 7, 98}, {x + 7, 98}, patch);
            }
        };
        tyre(38, 13, 0);
        tyre(100, 0, 1);
        tyre(162, 0, 2);
        fitText(p, QStringLiteral("甲"), QRectF(31, 106, 14, 15), kInk);
        fitText(p, QStringLiteral("乙"), QRectF(93, 106, 14, 15), kInk);
        fitText(p, QStringLiteral("丙"), QRectF(155, 106, 14, 15), kInk);
    });
}

QImage sidewallText(const QString &text, bool oval)
{
    return picture(kRubber, [=](QPainter &p) {
        QPainterPath band;
        band.addEllipse(QPointF(100, 300), 250, 250);
        p.fillPath(band, QColor(0x34, 0x34, 0x38));
        if (oval) {
            p.save();
            p.setPen(QPen(QColor(0x9a, 0x9a, 0xa2), 3));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(116, 72), 44, 22);
            p.restore();
            fitText(p, QStringLiteral("DOT"), QRectF(20, 62, 36, 18), QColor(0x9a, 0x9a, 0xa2));
            fitText(p, text, QRectF(86, 62, 60, 22), QColor(0xb0, 0xb0, 0xb8), 0.6);
        } else {
            fitText(p, text, QRectF(14, 52, 172, 28), QColor(0xb0, 0xb0, 0xb8), 0.6);
        }
    });
}

QImage tyreSize()
{
    return sidewallText(QStringLiteral("205/55 R16 91V"), false);
}

QImage tyreDate()
{
    return sidewallText(QStringLiteral("2319"), true);
}

// Traffic pictures

// Two cars meeting at night on a road without a central barrier, both on main beam.
QImage nightMeeting()
{
    return picture(QColor(0x10, 0x16, 0x12), [](QPainter &p) {
        p.fillRect(QRectF(0, 34, kWidth, 62), QColor(0x2c, 0x2e, 0x32));
        dashedLine(p, {0, 65}, {kWidth, 65}, QColor(0x9a, 0x96, 0x70), 1.6, 10, 8);
        const auto beam = [&](QPointF from, qreal dir) {
            QLinearGradient glow(from, from + QPointF(110 * dir, 0));
            glow.setColorAt(0, QColor(0xff, 0xf0, 0xa0, 0xc0));
            glow.setColorAt(1, QColor(0xff, 0xf0, 0xa0, 0x00));
            QPainterPath cone;
            cone.moveTo(from + QPointF(0, -5));
            cone.lineTo(from + QPointF(112 * dir, -17));
            cone.lineTo(from + QPointF(112 * dir, 17));
            cone.lineTo(from + QPointF(0, 5));
            cone.closeSubpath();
            p.fillPath(cone, glow);
        };
        beam({54, 80}, 1);
        beam({146, 50}, -1);
        carTop(p, {38, 80}, 0, kOwnCar, 32, 16);
        carTop(p, {162, 50}, 180, kWhiteCar, 32, 16);
    });
}

// Car parked on the right of an uphill road, the kerb on its right; the arrow points uphill.
QImage slopeParking()
{
    return picture(kPavement, [](QPainter &p) {
        verticalRoad(p, 36, 150);
        p.fillRect(QRectF(150, 0, 6, kHeight), kKerb.darker(120));
        dashedLine(p, {93, 0}, {93, kHeight}, kPaint, 1.6, 10, 8);
        carTop(p, {134, 72}, -90, kOwnCar, 34, 17);
        sceneArrow(p, segment({60, 108}, {60, 30}), 5, 11, 14, kSwing);
        fitText(p, QStringLiteral("上坡"), QRectF(66, 61, 24, 14), kPaint);
    });
}

// Rear-facing child seat on the front passenger seat, the dashboard airbag right in front.
QImage childSeatFront()
{
    return picture(QColor(0xdc, 0xe4, 0xec), [](QPainter &p) {
        fillPolygon(p, QPolygonF{{120, 8}, {200, 40}, {200, 8}}, QColor(0xa8, 0xc4, 0xdc));
        fillPolygon(p, QPolygonF{{124, 58}, {200, 42}, {200, 96}, {150, 96}},
                    QColor(0x3a, 0x3c, 0x42));
        p.fillPath(roundedRect(QRectF(150, 54, 40, 14), 3), QColor(0xe0, 0xa0, 0x20));
        fitText(p, QStringLiteral("AIRBAG"), QRectF(152, 56, 36, 10), kBlack);
        fillPolygon(p, QPolygonF{{26, 20}, {40, 18}, {52, 100}, {36, 104}}, QColor(0x50, 0x56, 0x66));
        p.fillPath(roundedRect(QRectF(34, 94, 84, 18), 6), QColor(0x50, 0x56, 0x66));
        p.fillRect(QRectF(70, 112, 14, 18), QColor(0x30, 0x30, 0x34));
        // Shell with its back toward the dashboard, the baby looking to the rear.
        QPainterPath shell;
        shell.moveTo(62, 92);
        shell.lineTo(126, 92);
        shell.quadTo(140, 60, 120, 30);
        shell.lineTo(108, 34);
        shell.quadTo(118, 62, 108, 82);
        shell.lineTo(66, 82);
        shell.closeSubpath();
        p.fillPath(shell, QColor(0x3c, 0x8a, 0x4c));
        disc(p, {100, 50}, 10, kSkin);
        disc(p, {95, 49}, 1.3, kInk);
        p.fillPath(roundedRect(QRectF(74, 60, 30, 22), 8), QColor(0xf0, 0xc8, 0x50));
    });
}

// Brake lining worn: the brake ring between broken arcs.
QImage brakeWearLamp()
{
    return dashPicture([](QPainter &p) {
        QPainterPath ring;
        ring.addEllipse(QPointF(), 24, 24);
        strokePath(p, ring, roundPen(kAmber, 5));
        const QRectF box(-35, -35, 70, 70);
        for (const qreal start : {140.0, -40.0}) {
            QPainterPath arc;
            arc.arcMoveTo(box, start);
            arc.arcTo(box, start, 80);
            strokePath(p, arc, dashPen(kAmber, 5, 6, 3.5));
        }
    });
}

void snowflake(QPainter &p, QPointF centre, qreal r, const QColor &colour)
{
    for (int i = 0; i < 3; ++i) {
        const qreal a = qDegreesToRadians(90.0 + 60 * i);
        const QPointF dir(std::cos(a), -std::sin(a));
        line(p, centre - dir * r, centre + dir * r, roundPen(colour, 3.5));
        for (const qreal end : {-1.0, 1.0}) {
            const QPointF tip = centre + dir * (r * 0.62 * end);
            const qreal b1 = a + end * qDegreesToRadians(35);
            const qreal b2 = a - end * qDegreesToRadians(35);
            for (const qreal b : {b1, b2}) {
                const QPointF d2(std::cos(b), -std::sin(b));
                line(p, tip, tip + d2 * (r * 0.38 * end), roundPen(colour, 3));
            }
        }
    }
}

QImage iceWarningDisplay()
{
    return dashPicture([](QPainter &p) {
        snowflake(p, {-30, 0}, 26, kAmber);
        fitText(p, QStringLiteral("2℃"), QRectF(6, -16, 58, 32), kAmber, 1);
    });
}

// Engine stop-start: the letter A inside an open ring ending in an arrow.
QImage stopStartLamp()
{
    return dashPicture([](QPainter &p) {
        QPainterPath ring;
        const QRectF box(-30, -30, 60, 60);
        ring.arcMoveTo(box, 60);
        ring.arcTo(box, 60, 300);
        strokePath(p, ring, roundPen(kLampGreen, 5));
        arrowHead(p, ring, 0.5, 12, 16, kLampGreen);
        fitText(p, QStringLiteral("A"), QRectF(-12, -15, 24, 30), kLampGreen, 1.2);
    });
}

QImage shiftUpDisplay()
{
    return dashPicture([](QPainter &p) {
        p.save();
        p.setPen(QPen(QColor(0x5a, 0x6a, 0x80), 1.5));
        p.setBrush(QColor(0x12, 0x1c, 0x2a));
        p.drawRoundedRect(QRectF(-56, -40, 112, 80), 8, 8);
        p.restore();
        fitText(p, QStringLiteral("3"), QRectF(-40, -26, 34, 52), kSymbolWhite, 1);
        fillPolygon(p, QPolygonF{{24, -26}, {40, -4}, {8, -4}}, kSymbolWhite);
        fitText(p, QStringLiteral("4"), QRectF(14, 0, 20, 26), kSymbolWhite, 0.8);
    });
}

// Thumb wheel for the headlamp beam height beside the low-beam symbol and a vertical arrow.
QImage headlampLevelling()
{
    return picture(kDashboard, [](QPainter &p) {
        p.save();
        p.translate(64, 62);
        p.scale(0.62, 0.62);
        lowBeamIcon(p, kSymbolWhite);
        p.restore();
        line(p, {30, 44}, {30, 80}, roundPen(kSymbolWhite, 2.5));
        fillPolygon(p, QPolygonF{{30, 38}, {24, 48}, {36, 48}}, kSymbolWhite);
        fillPolygon(p, QPolygonF{{30, 86}, {24, 76}, {36, 76}}, kSymbolWhite);
        QLinearGradient wheel(110, 0, 150, 0);
        wheel.setColorAt(0, QColor(0x20, 0x20, 0x24));
        wheel.setColorAt(0.5, QColor(0x70, 0x72, 0x7a));
        wheel.setColorAt(1, QColor(0x20, 0x20, 0x24));
        p.fillPath(roundedRect(QRectF(112, 14, 36, 102), 8), wheel);
        for (qreal y = 20; y < 112; y += 5)
            line(p, {116, y}, {144, y}, flatPen(QColor(0x30, 0x30, 0x34), 1.2));
        const char *marks[] = {"0", "1", "2", "3"};
        for (int i = 0; i < 4; ++i)
            fitText(p, QString::fromLatin1(marks[i]), QRectF(158, 18 + 25 * i, 12, 15),
                    kSymbolWhite);
        fillPolygon(p, QPolygonF{{150, 25}, {156, 21}, {156, 29}}, kAmber);
    });
}

// Tyre information label on the door pillar.
QImage tyreLabel()
{
    return picture(QColor(0x8a, 0x8c, 0x92), [](QPainter &p) {
        p.fillPath(roundedRect(QRectF(20, 12, 160, 106), 4), kWhite);
        strokePath(p, roundedRect(QRectF(24, 16, 152, 98), 3), QPen(kBlack, 1.2));
        p.fillRect(QRectF(24, 16, 152, 22), kBlack);
        fitText(p, QStringLiteral("轮胎信息 TIRE"), QRectF(34, 20, 132, 14), kWhite);
        fitText(p, QStringLiteral("215/55 R17"), QRectF(40, 44, 120, 16), kBlack);
        line(p, {24, 66}, {176, 66}, flatPen(kBlack, 1));
        line(p, {100, 66}, {100, 114}, flatPen(kBlack, 1));
        fitText(p, QStringLiteral("前轮"), QRectF(44, 70, 40, 14), kBlack);
        fitText(p, QStringLiteral("后轮"), QRectF(118, 70, 40, 14), kBlack);
        fitText(p, QStringLiteral("230kPa"), QRectF(34, 90, 58, 16), kBlack, 0.5);
        fitText(p, QStringLiteral("230kPa"), QRectF(108, 90, 58, 16), kBlack, 0.5);
    });
}

QImage oilBottle()
{
    return picture(kBackground, [](QPainter &p) {
        QPainterPath bottle;
        bottle.moveTo(50, 122);
        bottle.lineTo(50, 40);
        bottle.quadTo(50, 30, 62, 28);
        bottle.lineTo(92, 22);
        bottle.lineTo(92, 10);
        bottle.lineTo(112, 10);
        bottle.lineTo(112, 24);
        bottle.lineTo(140, 28);
        bottle.quadTo(150, 30, 150, 40);
        bottle.lineTo(150, 122);
        bottle.closeSubpath();
        p.fillPath(bottle, QColor(0x1c, 0x4c, 0x9c));
        p.fillRect(QRectF(90, 4, 24, 10), QColor(0xe8, 0xb0, 0x10));
        p.fillPath(roundedRect(QRectF(58, 46, 84, 64), 4), kWhite);
        fitText(p, QStringLiteral("发动机油"), QRectF(66, 50, 68, 15), kBlack);
        fitText(p, QStringLiteral("5W-30"), QRectF(64, 68, 72, 22), kRed, 0.8);
        fitText(p, QStringLiteral("SN"), QRectF(86, 93, 28, 13), kBlack);
    });
}

QImage highVoltageMark()
{
    return picture(QColor(0x9a, 0x9c, 0xa2), [](QPainter &p) {
        p.fillPath(roundedRect(QRectF(40, 70, 120, 60), 6), QColor(0xf0, 0x80, 0x10));
        p.translate(100, 58);
        p.scale(0.95, 0.95);
        warningBase(p);
        QPainterPath bolt;
        bolt.moveTo(6, -20);
        bolt.lineTo(-8, 8);
        bolt.lineTo(1, 8);
        bolt.lineTo(-6, 32);
        bolt.lineTo(12, 0);
        bolt.lineTo(3, 0);
        bolt.lineTo(12, -20);
        bolt.closeSubpath();
        p.fillPath(bolt, kBlack);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-dashboard",
                   {
                       {"dash_fuel.jpg", fuelLamp},
                       {"dash_seatbelt.jpg", seatbeltLamp},
                       {"dash_oil_pressure.jpg", oilPressureLamp},
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
                       {"dash_position_lamps.jpg", positionLampsLamp},
                       {"dash_parking_brake.jpg", parkingBrakeLamp},
                       {"dash_auto_hold.jpg", autoHoldLamp},
                       {"dash_esp.jpg", stabilityLamp},
                       {"dash_esp_off.jpg", stabilityOffLamp},
                       {"dash_bonnet_open.jpg", bonnetOpenLamp},
                       {"dash_boot_open.jpg", bootOpenLamp},
                       {"dash_defrost_front.jpg", frontDefrostSwitch},
                       {"dash_defrost_rear.jpg", rearDefrostSwitch},
                       {"dash_recirculation.jpg", recirculationSwitch},
                       {"dash_cruise.jpg", cruiseLamp},
                       {"dash_lane_departure.jpg", laneDepartureLamp},
                       {"dash_washer_fluid.jpg", washerFluidLamp},
                       {"dash_ev_battery_fault.jpg", tractionBatteryFaultLamp},
                       {"dash_ev_charging_cable.jpg", chargingCableLamp},
                       {"dash_ev_system_fault.jpg", driveSystemFaultLamp},
                       {"dash_ev_power_limit.jpg", powerLimitLamp},
                       {"dash_ready.jpg", readyDisplay},
                       {"dash_glow_plug.jpg", glowPlugLamp},
                       {"dash_steering_fault.jpg", steeringFaultLamp},
                       {"dash_service.jpg", serviceReminderLamp},
                       {"dash_tachometer.jpg", tachometerNormal},
                       {"dash_tachometer_red.jpg", tachometerRed},
                       {"dash_speedometer.jpg", speedometer},
                       {"dash_coolant_gauge.jpg", coolantGauge},
                       {"dash_fuel_gauge.jpg", fuelGauge},
                       {"ctrl_light_knob.jpg", lightKnobLowBeam},
                       {"ctrl_light_knob_auto.jpg", lightKnobAuto},
                       {"ctrl_turn_stalk.jpg", turnStalkUp},
                       {"ctrl_wiper_stalk.jpg", wiperStalk},
                       {"ctrl_ignition.jpg", ignitionSwitch},
                       {"ctrl_start_button.jpg", startButton},
                       {"ctrl_pedals_manual.jpg", manualPedals},
                       {"ctrl_pedals_automatic.jpg", automaticPedals},
                       {"ctrl_manual_gears.jpg", manualGearKnob},
                       {"ctrl_gear_selector.jpg", automaticSelector},
                       {"ctrl_parking_brake_switch.jpg", parkingBrakeSwitch},
                       {"ctrl_horn.jpg", hornPad},
                       {"ctrl_mirror_switch.jpg", mirrorSwitch},
                       {"ctrl_child_lock.jpg", childLock},
                       {"care_dipstick.jpg", dipstick},
                       {"care_coolant_reservoir.jpg", coolantReservoir},
                       {"care_brake_fluid.jpg", brakeFluidReservoir},
                       {"care_tread_wear.jpg", treadWear},
                       {"care_sidewall_bulge.jpg", sidewallBulge},
                       {"care_battery.jpg", batteryTerminals},
                       {"care_tyre_contact.jpg", tyreContact},
                       {"care_tyre_size.jpg", tyreSize},
                       {"care_tyre_date.jpg", tyreDate},
                       {"dash_brake_wear.jpg", brakeWearLamp},
                       {"dash_ice_warning.jpg", iceWarningDisplay},
                       {"dash_stop_start.jpg", stopStartLamp},
                       {"dash_shift_up.jpg", shiftUpDisplay},
                       {"ctrl_headlamp_level.jpg", headlampLevelling},
                       {"care_tyre_label.jpg", tyreLabel},
                       {"care_oil_grade.jpg", oilBottle},
                       {"care_high_voltage.jpg", highVoltageMark},
                       {"scene_night_meeting.jpg", nightMeeting},
                       {"scene_slope_parking.jpg", slopeParking},
                       {"scene_child_seat_front.jpg", childSeatFront},
                   });
}
