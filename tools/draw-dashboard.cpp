// Draws the dashboard lamps and controls of the question bank into a folder given on the command
// line.

#include "scenes.h"

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

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-dashboard",
                   {
                       {"dash_fuel.jpg", fuelLamp},
                       {"dash_seatbelt.jpg", seatbeltLamp},
                       {"dash_oil_pressure.bmp", oilPressureLamp},
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
                   });
}
