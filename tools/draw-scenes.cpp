// Draws the traffic situations of the question bank into a folder given on the command line.

#include "scenes.h"
#include "signs.h"

using namespace painting;

namespace {

// Pieces used by several of the scenes below

// Both rear lamps of a car seen from above.
void rearLamps(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width,
               const QColor &colour)
{
    for (const qreal y : {-1.0, 1.0})
        glow(p, local(centre, angle, {-(length / 2 - 1.2), y * (width / 2 - 2.6)}), colour);
}

inline const QColor kReversingWhite(0xff, 0xff, 0xf4);

// Short strokes behind something moving: from the back point along `along`, repeated `across`.
void trail(QPainter &p, QPointF back, QPointF along, QPointF across, int count,
           const QColor &colour = kWhite)
{
    for (int i = 0; i < count; ++i) {
        const QPointF start = back + across * (i - (count - 1) / 2.0);
        line(p, start, start + along, roundPen(colour, 1.2));
    }
}

// Walking figure with one arm up: waving for help, hailing a taxi, hurrying to a bus.
void waver(QPainter &p, QPointF feet, qreal height, const QColor &colour, bool facingRight = true,
           bool running = false)
{
    p.save();
    p.translate(feet);
    p.scale(facingRight ? height / 20 : -height / 20, height / 20);
    disc(p, {1.2, -17}, 2.6, kSkin.darker(105));
    const QPen limb = roundPen(colour, 2.4);
    line(p, {0.8, -13.5}, {-0.5, -6.5}, roundPen(colour, 3.4));
    if (running) {
        line(p, {-0.5, -6.5}, {-6, -1.5}, limb);
        line(p, {-0.5, -6.5}, {4, -3.5}, limb);
        line(p, {4, -3.5}, {3.5, 0}, limb);
        line(p, {0.6, -12.5}, {-4, -9.5}, limb);
    } else {
        line(p, {-0.5, -6.5}, {-3, 0}, limb);
        line(p, {-0.5, -6.5}, {2.5, 0}, limb);
        line(p, {0.6, -12.5}, {-2.5, -7.5}, limb);
    }
    line(p, {0.8, -12.5}, {4.5, -20}, limb);
    p.restore();
}

// Motorcycle from above, the rider's helmet over the seat.
void motorcycleTop(QPainter &p, QPointF centre, qreal angle, const QColor &body)
{
    topView(p, centre, angle, 18, 7, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w * 0.55, 2 * l, w * 1.1), 2.5), body,
                 body.darker(170));
        line(p, {l - 3.5, -w - 0.5}, {l - 3.5, w + 0.5}, roundPen(kBlack, 1.3));
        disc(p, {-1.5, 0}, 3.4, QColor(0x28, 0x28, 0x2c));
        disc(p, {-0.8, -0.9}, 1.0, QColor(0x90, 0x90, 0x98));
    });
}

// Bay lines of a car park row from x0 to x1, the bays reaching from the aisle line to the back.
void bayRow(QPainter &p, qreal x0, qreal x1, qreal width, qreal aisleY, qreal backY)
{
    for (qreal x = x0; x <= x1 + 0.1; x += width)
        paintLine(p, {x, aisleY}, {x, backY}, kPaint, 1.4);
    paintLine(p, {x0, backY}, {x1, backY}, kPaint, 1.4);
}

// Side-view cow standing on its feet point, `length` pixels long.
void cow(QPainter &p, QPointF feet, qreal length, bool facingRight, const QColor &coat,
         const QColor &patches, bool grazing = false)
{
    p.save();
    p.translate(feet);
    p.scale((facingRight ? 1 : -1) * length / 24, length / 24);
    const QColor dark = coat.darker(170);
    for (const qreal x : {-9.5, -7.0, 5.5, 8.0})
        p.fillRect(QRectF(x - 1, -7.5, 2, 7.5), dark);
    outlined(p, roundedRect(QRectF(-12, -16.5, 22, 10), 4.5), coat, dark, 0.6);
    p.save();
    p.setClipPath(roundedRect(QRectF(-12, -16.5, 22, 10), 4.5));
    disc(p, {-6, -13}, 3.2, patches);
    disc(p, {3, -9.5}, 2.8, patches);
    p.restore();
    if (grazing) {
        line(p, {8, -13}, {12, -5}, roundPen(coat, 3.5));
        outlined(p, roundedRect(QRectF(10.5, -6.5, 5, 6), 2), coat, dark, 0.6);
    } else {
        outlined(p, roundedRect(QRectF(8, -20, 7, 6.5), 2.5), coat, dark, 0.6);
        line(p, {10, -20}, {9, -22.5}, roundPen(QColor(0xe8, 0xe0, 0xc8), 1.0));
    }
    line(p, {-12, -15}, {-13.5, -8}, roundPen(dark, 1.0));
    p.restore();
}

// Painted wheelchair symbol of an accessible parking bay.
void wheelchairSymbol(QPainter &p, QPointF centre, qreal size, const QColor &colour)
{
    p.save();
    p.translate(centre);
    p.scale(size / 20, size / 20);
    disc(p, {-2.5, -8.5}, 2.3, colour);
    QPainterPath body({-3, -5.5});
    body.lineTo(-2.2, 1.5);
    body.lineTo(4.5, 1.5);
    body.lineTo(7, 8);
    strokePath(p, body, roundPen(colour, 2.3));
    line(p, {-2.8, -2.5}, {3, -2.5}, roundPen(colour, 2));
    QPainterPath wheel;
    wheel.addEllipse(QPointF(-1.5, 4), 6, 6);
    strokePath(p, wheel, QPen(colour, 1.8));
    p.restore();
}

// Motorcycle and rider from behind, one unit a metre.
void motorcycleFromBehind(QPainter &p, const View &v, qreal across, qreal ahead)
{
    const qreal k = v.focal / ahead;
    p.save();
    p.translate(v.at(across, ahead));
    p.scale(k, k);
    outlined(p, roundedRect(QRectF(-0.07, -0.6, 0.14, 0.6), 0.05), kBlack, kBlack, 0.01);
    p.fillRect(QRectF(-0.2, -0.85, 0.4, 0.25), QColor(0x30, 0x30, 0x34));
    p.fillRect(QRectF(-0.08, -0.8, 0.16, 0.07), QColor(0xff, 0xe0, 0x60));
    glow(p, {0, -0.9}, kBrakeRed, 0.09);
    line(p, {-0.13, -1.0}, {-0.22, -0.55}, roundPen(QColor(0x24, 0x24, 0x3a), 0.13));
    line(p, {0.13, -1.0}, {0.22, -0.55}, roundPen(QColor(0x24, 0x24, 0x3a), 0.13));
    line(p, {-0.45, -1.22}, {0.45, -1.22}, roundPen(QColor(0x30, 0x30, 0x30), 0.05));
    outlined(p, roundedRect(QRectF(-0.22, -1.62, 0.44, 0.66), 0.1), QColor(0x2c, 0x46, 0x70),
             QColor(0x1c, 0x2c, 0x48), 0.02);
    line(p, {-0.2, -1.5}, {-0.42, -1.24}, roundPen(QColor(0x2c, 0x46, 0x70), 0.1));
    line(p, {0.2, -1.5}, {0.42, -1.24}, roundPen(QColor(0x2c, 0x46, 0x70), 0.1));
    disc(p, {0, -1.78}, 0.15, QColor(0xd8, 0x30, 0x28));
    p.restore();
}

// Roof sign on a car seen from behind, lettered in black on yellow.
void roofSign(QPainter &p, const View &v, qreal across, qreal ahead, const QString &text,
              qreal width = 1.0)
{
    const QRectF box(v.at(across - width / 2, ahead, 1.45 + 0.44),
                     v.at(across + width / 2, ahead, 1.47));
    outlined(p, roundedRect(box, 1.5), QColor(0xff, 0xd8, 0x20), kBlack, 0.8);
    fitText(p, text, box.adjusted(2, 1.5, -2, -1.5), kBlack);
}

// Shop and flat fronts along the horizon of a street seen from the driver's seat.
void streetFronts(QPainter &p, const View &v)
{
    const qreal heights[] = {26, 34, 22, 30, 24, 36, 28};
    for (int i = 0; i < 7; ++i) {
        const QRectF front(i * 30 - 6, v.horizon - heights[i], 28, heights[i] + 1);
        p.fillRect(front, QColor(0xd8, 0xc8, 0xb0).darker(100 + 6 * (i % 3)));
        for (qreal y = front.top() + 4; y < v.horizon - 4; y += 7)
            for (qreal x = front.left() + 4; x < front.right() - 4; x += 7)
                p.fillRect(QRectF(x, y, 3.5, 3.5), QColor(0x6a, 0x88, 0xa8));
    }
}

// Road of a town street seen from the driver's seat: carriageway, markings and the right kerb.
void townStreet(QPainter &p, const View &v, qreal kerb = 5.9)
{
    fillPolygon(p, groundQuad(v, -3.6, kerb, 1.5, 400), kAsphalt);
    roadMarkings(p, v, 3.6);
    groundStripe(p, v, kerb, 0.2, 1.5, 400, kKerb);
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
        carTop(p, {22, 99}, 0, kGreyCar);
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

// The own car has already driven into the section beside the roadworks; the oncoming car has not.
QImage narrowRoadScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 40, 94);
        p.fillRect(QRectF(96, 70, 40, 20), QColor(0xb0, 0x7a, 0x40));
        for (qreal x = 98; x < 134; x += 8)
            p.fillRect(QRectF(x, 70, 4, 20), kWhite);
        for (const QPointF cone : {QPointF(90, 72), QPointF(90, 86), QPointF(142, 72),
                                   QPointF(142, 86), QPointF(84, 79)}) {
            disc(p, cone, 3.4, QColor(0xff, 0x70, 0x10));
            disc(p, cone, 1.6, kWhite);
            disc(p, cone, 0.8, QColor(0xff, 0x70, 0x10));
        }
        carTop(p, {112, 56}, 0, kOwnCar);
        carTop(p, {184, 53}, 180, kBlueCar);
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

// The driver of the parked car has pushed the door only ajar and turned to look back, where a
// cyclist is coming up.
QImage doorOpeningScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 112);
        doubleYellowLine(p, 36);
        paintLine(p, {0, 88}, {kWidth, 88}, kPaint, 1.4);
        for (qreal x = 16; x < kWidth; x += 52)
            paintLine(p, {x, 88}, {x, 112}, kPaint, 1.2);
        carTop(p, {176, 22}, 180, kWhiteCar);
        carTop(p, {42, 100}, 0, kGreyCar, 32, 16);
        const QPointF parked(146, 100);
        carTop(p, parked, 0, kOwnCar, 32, 16);
        // Door hinged at its front edge, swung out a few degrees into the lane.
        line(p, parked + QPointF(4, -8.4), parked + QPointF(-8, -11.6),
             roundPen(kOwnCar.darker(140), 3));
        const QPointF head = parked + QPointF(0, -3.5);
        disc(p, head, 3.2, QColor(0x3a, 0x2a, 0x20));
        QPainterPath look(head + QPointF(-4, -2));
        look.cubicTo(head + QPointF(-18, -10), head + QPointF(-34, -12), head + QPointF(-46, -12));
        strokePath(p, look, dashPen(QColor(0xff, 0xf0, 0x60), 1.4, 3, 2.5));
        cyclist(p, {82, 84}, 18, QColor(0x20, 0x60, 0xa0));
        for (int i = 0; i < 3; ++i)
            line(p, {60.0 - 3 * i, 70.0 + 4 * i}, {68.0 - 3 * i, 70.0 + 4 * i},
                 roundPen(kWhite, 1.2));
        carTop(p, {22, 60}, 0, kBlueCar);
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

// A bend of about a right angle seen from above: rock on the inside, a sheer drop to the valley on
// the outside, which is the right-hand side of the red car coming up the near straight.
QImage mountainBendScene()
{
    return picture(QColor(0x4a, 0x6e, 0x4c), [](QPainter &p) {
        const QPointF bend(100, 74);
        const qreal inner = 14, outer = 50;
        QPainterPath road;
        road.moveTo(bend.x() + inner, kHeight + 2);
        road.lineTo(bend.x() + inner, bend.y());
        road.arcTo(QRectF(bend.x() - inner, bend.y() - inner, 2 * inner, 2 * inner), 0, 90);
        road.lineTo(-2, bend.y() - inner);
        road.lineTo(-2, bend.y() - outer);
        road.lineTo(bend.x(), bend.y() - outer);
        road.arcTo(QRectF(bend.x() - outer, bend.y() - outer, 2 * outer, 2 * outer), 90, -90);
        road.lineTo(bend.x() + outer, kHeight + 2);
        road.closeSubpath();

        // Valley floor far below, hazy; the drop is everything above and right of the outer edge.
        QLinearGradient haze(200, 0, 110, 60);
        haze.setColorAt(0, QColor(0x9c, 0xb4, 0xc4));
        haze.setColorAt(1, QColor(0x5e, 0x80, 0x66));
        p.fillRect(QRectF(0, 0, kWidth, kHeight), haze);
        Scatter s(11);
        for (int i = 0; i < 60; ++i)
            disc(p, {s.between(0, 200), s.between(0, 130)}, s.between(0.8, 1.6),
                 QColor(0x3e, 0x5c, 0x44));
        QPainterPath river({200, 8});
        river.cubicTo({170, 20}, {190, 50}, {200, 70});
        strokePath(p, river, roundPen(QColor(0xb8, 0xd0, 0xe0), 3));

        // Rock face of the mountain on the inside of the bend.
        QPainterPath rock;
        rock.moveTo(-2, bend.y() - inner);
        rock.lineTo(bend.x(), bend.y() - inner);
        rock.arcTo(QRectF(bend.x() - inner, bend.y() - inner, 2 * inner, 2 * inner), 90, -90);
        rock.lineTo(bend.x() + inner, kHeight + 2);
        rock.lineTo(-2, kHeight + 2);
        rock.closeSubpath();
        QLinearGradient face(0, 130, 100, 70);
        face.setColorAt(0, QColor(0x6a, 0x58, 0x48));
        face.setColorAt(1, QColor(0x9a, 0x84, 0x6a));
        p.fillPath(rock, face);
        p.save();
        p.setClipPath(rock);
        for (int i = 0; i < 8; ++i) {
            const qreal r = 22 + 12 * i;
            QPainterPath ridge;
            ridge.addEllipse(QPointF(bend.x() - 10, bend.y() + 14), r, r * 0.8);
            strokePath(p, ridge, flatPen(QColor(0x5a, 0x4a, 0x3c), 1.2));
        }
        p.restore();

        // Cliff face seen from above: a band falling away from the road edge, streaked downwards.
        QPainterPath lip;
        const qreal lipR = outer + 13;
        lip.moveTo(-2, bend.y() - lipR);
        lip.lineTo(bend.x(), bend.y() - lipR);
        lip.arcTo(QRectF(bend.x() - lipR, bend.y() - lipR, 2 * lipR, 2 * lipR), 90, -90);
        lip.lineTo(bend.x() + lipR, kHeight + 2);
        strokePath(p, lip.translated(2, -2), flatPen(QColor(0x2a, 0x30, 0x2c, 160), 26));
        strokePath(p, lip, flatPen(QColor(0x8c, 0x76, 0x60), 22));
        Scatter streaks(5);
        for (qreal t = 0; t < 1; t += 0.006) {
            const QPointF at = lip.pointAtPercent(t);
            const qreal a = qDegreesToRadians(lip.angleAtPercent(t));
            const QPointF out(-std::sin(a), -std::cos(a));
            const qreal from = streaks.between(-9, -4), to = streaks.between(2, 11);
            line(p, at + out * from, at + out * to,
                 flatPen(QColor(0x4e, 0x40, 0x34, 190), streaks.between(0.6, 1.4)));
        }
        QPainterPath edge;
        const qreal edgeR = outer + 4;
        edge.moveTo(-2, bend.y() - edgeR);
        edge.lineTo(bend.x(), bend.y() - edgeR);
        edge.arcTo(QRectF(bend.x() - edgeR, bend.y() - edgeR, 2 * edgeR, 2 * edgeR), 90, -90);
        edge.lineTo(bend.x() + edgeR, kHeight + 2);
        strokePath(p, edge, flatPen(QColor(0xb0, 0x9c, 0x82), 3));

        p.fillPath(road, kAsphalt);
        QPainterPath centre;
        const qreal mid = (inner + outer) / 2;
        centre.moveTo(bend.x() + mid, kHeight + 2);
        centre.lineTo(bend.x() + mid, bend.y());
        centre.arcTo(QRectF(bend.x() - mid, bend.y() - mid, 2 * mid, 2 * mid), 0, 90);
        centre.lineTo(-2, bend.y() - mid);
        strokePath(p, centre, flatPen(kYellowPaint, 1.8));

        // Guardrail along the drop, posts every few metres.
        QPainterPath rail;
        const qreal railR = outer + 2;
        rail.moveTo(-2, bend.y() - railR);
        rail.lineTo(bend.x(), bend.y() - railR);
        rail.arcTo(QRectF(bend.x() - railR, bend.y() - railR, 2 * railR, 2 * railR), 90, -90);
        rail.lineTo(bend.x() + railR, kHeight + 2);
        strokePath(p, rail, flatPen(QColor(0xe8, 0xea, 0xec), 2.4));
        for (qreal t = 0.02; t < 1; t += 0.045)
            disc(p, rail.pointAtPercent(t), 1.5, QColor(0x70, 0x74, 0x78));

        carTop(p, {bend.x() + 41, 112}, -90, kOwnCar, 26, 13);
        carTop(p, {24, bend.y() - 22}, 0, kBlueCar, 26, 13);

        // Sharp-bend warning sign on the inside verge, where the rock leaves room for a post.
        const QPointF post(bend.x() - 20, 114);
        line(p, post, post - QPointF(0, 10), flatPen(QColor(0x60, 0x60, 0x64), 1.6));
        placed(p, post - QPointF(0, 22), 0.28, [&] {
            warningBase(p);
            QPainterPath shaft;
            shaft.moveTo(9, 38);
            shaft.lineTo(9, 4);
            shaft.quadTo(9, -2, 3, -2);
            shaft.lineTo(-6, -2);
            signArrow(p, shaft, 8.5, 14, 23, kBlack);
        });
    });
}

// Crossing of a double-track line: a train on the near track, the far track hidden behind it once
// it is in front of the car.
QImage railwayCrossingScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 28, kWidth, 46), QColor(0xa8, 0x98, 0x80));
        for (const qreal centre : {40.0, 62.0}) {
            for (qreal x = 2; x < kWidth; x += 7)
                p.fillRect(QRectF(x, centre - 9, 3.5, 18), QColor(0x7a, 0x5a, 0x3a));
            for (const qreal rail : {centre - 6, centre + 6})
                line(p, {0, rail}, {kWidth, rail}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        }
        verticalRoad(p, 76, 124);
        paintLine(p, {100, 0}, {100, 22}, kYellowPaint, 1.8);
        paintLine(p, {100, 80}, {100, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {100, 82}, {124, 82}, kPaint, 2.2);
        paintLine(p, {76, 20}, {100, 20}, kPaint, 2.2);
        for (const qreal centre : {40.0, 62.0})
            for (const qreal rail : {centre - 6, centre + 6})
                line(p, {76, rail}, {124, rail}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        p.save();
        p.translate(0, 62);
        outlined(p, roundedRect(QRectF(-40, -8, 38, 16), 2), QColor(0x2a, 0x6a, 0x4a), kBlack);
        outlined(p, roundedRect(QRectF(0, -8.5, 58, 17), 4), QColor(0x2e, 0x7a, 0x52), kBlack);
        p.fillRect(QRectF(2, -2, 48, 4), QColor(0xf0, 0xd0, 0x40));
        p.fillRect(QRectF(50, -6.5, 4, 13), kGlass);
        disc(p, {57, -5}, 1.4, QColor(0xff, 0xf4, 0xb0));
        disc(p, {57, 5}, 1.4, QColor(0xff, 0xf4, 0xb0));
        p.restore();
        sceneArrow(p, segment({62, 62}, {72, 62}), 2.4, 5, 7, kSwing);
        carTop(p, {112, 104}, -90, kOwnCar, 28, 14);
        carTop(p, {88, 8}, 90, kBlueCar, 28, 14);
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
            const QRectF portal(v.at(-5.5, portalAt, 7.6), v.at(5.5, portalAt, 0));
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
                    QRectF(portal.center().x() - 12, portal.top() + 1.5, 24, 10), kBlack);
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

// Somebody hurrying across from the near pavement to the bus that has stopped opposite.
QImage busStopRunnerScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 18, 100);
        dashedLine(p, {0, 59}, {kWidth, 59}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(116, 2, 46, 9), QColor(0x8c, 0xa4, 0xbc));
        line(p, {170, 15}, {170, 5}, flatPen(QColor(0x60, 0x60, 0x64), 1.4));
        p.fillRect(QRectF(165.5, 0, 9, 7), kBlue);
        busTop(p, {140, 37}, 180, QColor(0x1e, 0x7c, 0xc8), 70, 20);
        walker(p, {124, 13}, 11, kPerson);
        carTop(p, {40, 80}, 0, kOwnCar);
        carTop(p, {20, 38}, 180, kGreyCar);
        const QPointF feet(106, 116);
        waver(p, feet, 20, QColor(0xc0, 0x40, 0x30), true, true);
        trail(p, feet + QPointF(-10, -13), {-8, 0}, {0, 3.5}, 3);
    });
}

// An oncoming car edges out from behind a lorry, left indicator on, to overtake.
QImage oncomingOvertakeScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 18, 110);
        dashedLine(p, {0, 64}, {kWidth, 64}, kYellowPaint, 1.8, 10, 7);
        truckTop(p, {112, 40}, 180, QColor(0x2e, 0x6e, 0xb0), QColor(0xc8, 0xc0, 0xa8));
        const QPointF passer(170, 47);
        carTop(p, passer, 174, kWhiteCar);
        indicator(p, passer, 174, 30, 15, true);
        carTop(p, {38, 88}, 0, kOwnCar);
    });
}

// Close behind a lorry: its box fills the windscreen and hides the road ahead and its mirrors.
QImage truckCloseScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        fillPolygon(
            p, QPolygonF{{0, 46}, {50, 36}, {110, 40}, {160, 32}, {200, 42}, {200, 47}, {0, 47}},
            QColor(0x6c, 0x96, 0x5a));
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        truckRear(p, v, 1.75, 7.5, QColor(0xe4, 0xe0, 0xd4));
        const QRectF box = v.upright(1.75, 7.5, 2.5, 3.6, 0.4);
        for (const qreal x : {box.left() + box.width() * 0.08, box.right() - box.width() * 0.08})
            glow(p, {x, box.bottom() - box.height() * 0.13}, kBrakeRed, 6);
    });
}

// Car park aisle: a car backs out of its bay, reversing lamps lit, into the red car's path.
QImage reversingOutScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        bayRow(p, 10, 190, 30, 44, 2);
        bayRow(p, 10, 190, 30, 90, 128);
        for (const qreal x : {25.0, 55.0, 115.0, 145.0, 175.0})
            carTop(p, {x, 22}, -90, x == 145.0 ? kWhiteCar : kGreyCar, 28, 14);
        for (const qreal x : {25.0, 85.0, 115.0, 175.0})
            carTop(p, {x, 110}, 90, x == 85.0 ? kWhiteCar : kGreyCar, 28, 14);
        const QPointF backing(85, 42);
        carTop(p, backing, -90, kBlueCar, 28, 14);
        rearLamps(p, backing, -90, 28, 14, kReversingWhite);
        sceneArrow(p, segment({85, 60}, {85, 70}), 2.4, 5, 7, kSwing);
        carTop(p, {30, 72}, 0, kOwnCar, 28, 14);
    });
}

// Queue standing just beyond a zebra crossing, with no room for one more car after it.
QImage queueZebraScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 22, 104);
        paintLine(p, {0, 63}, {112, 63}, kYellowPaint, 1.8);
        paintLine(p, {138, 63}, {kWidth, 63}, kYellowPaint, 1.8);
        zebraAcross(p, QRectF(116, 23, 18, 80), false);
        for (const qreal x : {157.0, 189.0}) {
            carTop(p, {x, 84}, 0, x < 170 ? kBlueCar : kWhiteCar);
            rearLamps(p, {x, 84}, 0, 30, 15, kBrakeRed);
        }
        carTop(p, {62, 84}, 0, kOwnCar);
        carTop(p, {40, 42}, 180, kGreyCar);
        walker(p, {128, 124}, 15, QColor(0x80, 0x30, 0x60), false);
    });
}

// Yellow cross-hatched box in front of a fire station's gate; the queue reaches up to it.
QImage gridEntranceScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 12, 92);
        dashedLine(p, {0, 52}, {kWidth, 52}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(86, 104, 84, 26), QColor(0xb8, 0x50, 0x40));
        for (const qreal x : {92.0, 120.0, 148.0})
            p.fillRect(QRectF(x, 116, 22, 14), QColor(0xe0, 0x30, 0x28));
        fitText(p, QStringLiteral("消防站"), QRectF(104, 104.5, 48, 10.5), kWhite);
        p.fillRect(QRectF(92, 92, 72, 12), QColor(0xc4, 0xc2, 0xbc));
        const QRectF box(94, 55, 66, 35);
        p.save();
        p.setClipRect(box);
        for (qreal d = -40; d < 110; d += 9) {
            line(p, {box.left() + d, box.top()}, {box.left() + d + 35, box.bottom()},
                 flatPen(kYellowPaint, 1.4));
            line(p, {box.left() + d + 35, box.top()}, {box.left() + d, box.bottom()},
                 flatPen(kYellowPaint, 1.4));
        }
        p.restore();
        strokePath(p, polygonPath(QPolygonF(box)), flatPen(kYellowPaint, 1.8));
        for (const qreal x : {177.0, 208.0}) {
            carTop(p, {x, 73}, 0, x < 190 ? kGreyCar : kBlueCar);
            rearLamps(p, {x, 73}, 0, 30, 15, kBrakeRed);
        }
        carTop(p, {52, 73}, 0, kOwnCar);
        carTop(p, {150, 32}, 180, kWhiteCar);
    });
}

// Turning left across the oncoming lanes: the near oncoming car has stopped to let the red car go,
// while a motorcycle comes on in the lane beside it.
QImage leftTurnGapScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{56, 152, 34, 74};
        crossroads(p, c, false);
        dashedLine(p, {80, 0}, {80, 30}, kPaint, 1.4, 6, 5);
        dashedLine(p, {128, 78}, {128, kHeight}, kPaint, 1.4, 6, 5);
        paintLine(p, {56, 31}, {104, 31}, kPaint, 2);
        paintLine(p, {104, 77}, {152, 77}, kPaint, 2);
        trafficLightIcon(p, {28, 16}, 2);
        carTop(p, {92, 14}, 90, kBlueCar, 26, 13);
        motorcycleTop(p, {68, 20}, 90, QColor(0xf0, 0xa0, 0x10));
        trail(p, {68, 7}, {0, -8}, {3, 0}, 3);
        const QPointF own(116, 98);
        carTop(p, own, -90, kOwnCar, 26, 13);
        indicator(p, own, -90, 26, 13, true);
        carTop(p, {140, 110}, -90, kGreyCar, 26, 13);
        QPainterPath turn({116, 84});
        turn.cubicTo({112, 58}, {96, 44}, {28, 43});
        dashedArrow(p, turn, kWhite);
    });
}

// Main carriageway beside an acceleration lane where a car is waiting to merge; the left lane is
// either free or taken by cars alongside the red one.
QImage letInScene(bool leftLaneFree)
{
    return picture(kGrass, [leftLaneFree](QPainter &p) {
        horizontalRoad(p, 12, 80);
        fillPolygon(p, QPolygonF{{0, 80}, {150, 80}, {196, 80}, {150, 104}, {0, 104}}, kAsphalt);
        paintLine(p, {0, 15}, {kWidth, 15});
        dashedLine(p, {0, 47}, {kWidth, 47}, kPaint, 1.6, 14, 10);
        dashedLine(p, {0, 80}, {160, 80}, kPaint, 2.4, 5, 3);
        paintLine(p, {0, 104}, {150, 104});
        paintLine(p, {150, 104}, {196, 80.5});
        const QPointF merging(126, 92);
        carTop(p, merging, -4, kBlueCar);
        indicator(p, merging, -4, 30, 15, true);
        carTop(p, {84, 64}, 0, kOwnCar);
        if (leftLaneFree) {
            carTop(p, {186, 31}, 0, kGreyCar);
            QPainterPath move({100, 60});
            move.cubicTo({114, 56}, {122, 36}, {146, 32});
            dashedArrow(p, move, kWhite);
        } else {
            carTop(p, {78, 31}, 0, kWhiteCar);
            carTop(p, {126, 31}, 0, kGreyCar);
            carTop(p, {30, 31}, 0, kBlueCar);
        }
    });
}

// Queue standing right after the level crossing: nowhere to stop beyond the rails.
QImage railwayQueueScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 38, kWidth, 28), QColor(0xa8, 0x98, 0x80));
        for (qreal x = 2; x < kWidth; x += 7)
            p.fillRect(QRectF(x, 43, 3.5, 18), QColor(0x7a, 0x5a, 0x3a));
        verticalRoad(p, 76, 124);
        paintLine(p, {100, 0}, {100, 34}, kYellowPaint, 1.8);
        paintLine(p, {100, 72}, {100, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {100, 76}, {124, 76}, kPaint, 2.2);
        paintLine(p, {76, 31}, {100, 31}, kPaint, 2.2);
        for (const qreal y : {46.0, 58.0})
            line(p, {0, y}, {kWidth, y}, flatPen(QColor(0xb4, 0xb8, 0xc0), 2));
        for (const qreal y : {23.0, -7.0}) {
            carTop(p, {112, y}, -90, y > 0 ? kBlueCar : kWhiteCar, 28, 14);
            rearLamps(p, {112, y}, -90, 28, 14, kBrakeRed);
        }
        carTop(p, {112, 100}, -90, kOwnCar, 28, 14);
        carTop(p, {88, 104}, 90, kGreyCar, 28, 14);
    });
}

// Two-lane roundabout: the red car in the outer lane is about to leave by the right-hand exit.
QImage roundaboutExitScene()
{
    return picture(kGrass, [](QPainter &p) {
        const QPointF hub(96, 64);
        verticalRoad(p, 76, 116);
        horizontalRoad(p, 44, 84);
        disc(p, hub, 54, kKerb);
        disc(p, hub, 52, kAsphalt);
        p.fillRect(QRectF(76, 0, 40, kHeight), kAsphalt);
        p.fillRect(QRectF(0, 44, kWidth, 40), kAsphalt);
        QPainterPath divider;
        divider.addEllipse(hub, 36, 36);
        strokePath(p, divider, dashPen(kPaint, 1.4, 5, 4));
        disc(p, hub, 20, kKerb);
        disc(p, hub, 18.5, kGrass);
        const qreal a = qDegreesToRadians(36.0);
        const QPointF own = hub + 44 * QPointF(std::cos(a), std::sin(a));
        carTop(p, own, -54, kOwnCar, 24, 12);
        indicator(p, own, -54, 24, 12, false);
        QPainterPath out(own + QPointF(9, -8));
        out.cubicTo({150, 72}, {166, 74}, {194, 74});
        dashedArrow(p, out, kWhite);
        const qreal b = qDegreesToRadians(160.0);
        carTop(p, hub + 28 * QPointF(std::cos(b), std::sin(b)), 70, kBlueCar, 24, 12);
        const qreal c = qDegreesToRadians(-70.0);
        carTop(p, hub + 44 * QPointF(std::cos(c), std::sin(c)), -160, kGreyCar, 24, 12);
    });
}

// Cattle grazing untended along the verge of a country road, one of them at the edge of the road.
QImage ruralAnimalsScene()
{
    return driverView(
        kClearSky, kClearHorizon, QColor(0x84, 0xb0, 0x58), [](QPainter &p, const View &v) {
            fillPolygon(
                p, QPolygonF{{0, 47}, {0, 30}, {40, 20}, {90, 34}, {140, 18}, {200, 30}, {200, 47}},
                QColor(0x6a, 0x94, 0x56));
            straightRoad(p, v, 3.2, QColor(0x66, 0x68, 0x6a));
            groundStripe(p, v, -2.95, 0.12, 1.5, 400, kPaint);
            groundStripe(p, v, 2.95, 0.12, 1.5, 400, kPaint);
            const auto scale = [&](qreal ahead) { return v.focal / ahead; };
            cow(p, v.at(-4.4, 28), 2.3 * scale(28), true, QColor(0x9a, 0x5c, 0x34),
                QColor(0x6a, 0x3c, 0x22), true);
            cow(p, v.at(-4.0, 19), 2.3 * scale(19), false, QColor(0xf2, 0xee, 0xe6),
                QColor(0x22, 0x22, 0x22), true);
            cow(p, v.at(3.4, 13), 2.3 * scale(13), false, QColor(0x9a, 0x5c, 0x34),
                QColor(0xe8, 0xe0, 0xd0));
        });
}

// Car park with the accessible bay left free.
QImage disabledBayScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        p.fillRect(QRectF(100, 6, 30, 42), QColor(0x1e, 0x5a, 0xb0));
        bayRow(p, 10, 190, 30, 48, 6);
        bayRow(p, 10, 190, 30, 88, 128);
        wheelchairSymbol(p, {116, 26}, 24, kWhite);
        for (const qreal x : {25.0, 55.0, 85.0, 145.0, 175.0})
            carTop(p, {x, 27}, -90, x == 55.0 ? kBlueCar : kGreyCar, 28, 14);
        for (const qreal x : {25.0, 55.0, 115.0, 145.0, 175.0})
            carTop(p, {x, 108}, 90, x == 115.0 ? kWhiteCar : kGreyCar, 28, 14);
        carTop(p, {50, 68}, 0, kOwnCar, 28, 14);
    });
}

// At the school gate the red car has stopped beside a parked car to let a pupil out, holding up
// the cars behind it.
QImage schoolGateScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 88);
        dashedLine(p, {0, 46}, {kWidth, 46}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(0, 104, kWidth, 26), QColor(0xd0, 0xb8, 0x98));
        p.fillRect(QRectF(106, 104, 56, 26), QColor(0xc8, 0xc6, 0xc0));
        p.fillRect(QRectF(102, 104, 5, 26), QColor(0x9a, 0x6a, 0x50));
        p.fillRect(QRectF(161, 104, 5, 26), QColor(0x9a, 0x6a, 0x50));
        outlined(p, roundedRect(QRectF(114, 106, 40, 13), 1.5), kWhite, QColor(0x9a, 0x6a, 0x50));
        fitText(p, QStringLiteral("学校"), QRectF(118, 107, 32, 11), QColor(0xc0, 0x20, 0x20));
        carTop(p, {134, 78}, 0, kWhiteCar);
        const QPointF own(134, 59);
        carTop(p, own, 0, kOwnCar);
        hazardLights(p, own, 0, 30, 15);
        carTop(p, {92, 60}, 0, kGreyCar);
        carTop(p, {58, 60}, 0, kBlueCar);
        walker(p, {152, 101}, 14, QColor(0x30, 0x70, 0xc0), true, true);
        carTop(p, {176, 27}, 180, kGreyCar);
    });
}

// A broken-down car on the verge, hazard lamps on and warning triangle out; its driver waves.
QImage breakdownHelpScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 22, 108);
        dashedLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8, 10, 7);
        const QPointF broken(150, 96);
        carTop(p, broken, 0, kWhiteCar);
        hazardLights(p, broken, 0, 30, 15);
        p.save();
        p.setPen(roundPen(kRed, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(triangle({96, 97}, 6.5));
        p.restore();
        waver(p, {174, 126}, 18, QColor(0xd0, 0x40, 0x30), false);
        carTop(p, {36, 86}, 0, kOwnCar);
        carTop(p, {170, 42}, 180, kBlueCar);
    });
}

// The grey car sits right on the red car's bumper.
QImage tailgaterScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 24, 106);
        dashedLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8, 10, 7);
        carTop(p, {162, 86}, 0, kBlueCar);
        carTop(p, {106, 86}, 0, kOwnCar);
        carTop(p, {74, 86}, 0, kGreyCar);
        trail(p, {56, 86}, {-9, 0}, {0, 4}, 3);
        carTop(p, {40, 44}, 180, kWhiteCar);
    });
}

// Parked cars along the kerb; the nearest flashes its left indicator, exhaust showing.
QImage parkedIndicatorScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v);
        carRear(p, v, 4.7, 32, kWhiteCar);
        carRear(p, v, 4.7, 19, kGreyCar);
        carRear(p, v, 4.7, 11, kBlueCar, true);
        const QRectF r = v.upright(4.7, 11, 1.8, 1.45);
        flash(p, {r.left() + r.width() * 0.13, r.top() + r.height() * 0.58}, kHazard, 1.1);
        for (int i = 0; i < 3; ++i) {
            QRadialGradient puff(QPointF(r.right() - 6 - 4 * i, r.bottom() + 1 - 2 * i), 5);
            puff.setColorAt(0, QColor(0xe8, 0xe8, 0xe8, 180));
            puff.setColorAt(1, QColor(0xe8, 0xe8, 0xe8, 0));
            p.setBrush(puff);
            p.drawEllipse(QPointF(r.right() - 6 - 4 * i, r.bottom() + 1 - 2 * i), 5, 4);
        }
    });
}

// What the right mirror shows (blue) and what it does not (orange), where a motorcycle rides.
QImage blindSpotScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 26, 98);
        dashedLine(p, {0, 62}, {kWidth, 62}, kPaint, 1.6, 12, 8);
        paintLine(p, {0, 29}, {kWidth, 29});
        paintLine(p, {0, 95}, {kWidth, 95});
        const QPointF own(118, 44);
        const QPointF mirror = own + QPointF(5, 8.5);
        fillPolygon(p, QPolygonF{mirror, {0, 64}, {0, 94}}, QColor(0x70, 0xb8, 0xff, 80));
        fillPolygon(p, QPolygonF{{74, 64}, {mirror.x() - 2, 64}, {mirror.x() - 2, 94}, {74, 94}},
                    QColor(0xff, 0x70, 0x20, 90));
        carTop(p, {26, 80}, 0, kGreyCar);
        motorcycleTop(p, {94, 80}, 0, QColor(0xf0, 0xa0, 0x10));
        carTop(p, own, 0, kOwnCar);
        indicator(p, own, 0, 30, 15, false);
        carTop(p, {176, 80}, 0, kWhiteCar);
    });
}

// Driving-school car ahead with its roof sign.
QImage learnerCarScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        carRear(p, v, 1.75, 8.5, kWhiteCar);
        roofSign(p, v, 1.75, 8.5, QStringLiteral("教练"), 1.1);
    });
}

// Single-track road with a passing bay on the red car's side just ahead.
QImage passingPlaceScene()
{
    return picture(kGrass, [](QPainter &p) {
        fillPolygon(p,
                    QPolygonF{{0, 50},
                              {kWidth, 50},
                              {kWidth, 76},
                              {164, 76},
                              {146, 96},
                              {104, 96},
                              {86, 76},
                              {0, 76}},
                    QColor(0x66, 0x68, 0x6a));
        Scatter s(9);
        for (int i = 0; i < 14; ++i) {
            const QPointF c(s.between(0, 200), s.between(0, 40));
            disc(p, c, s.between(4, 7), QColor(0x4e, 0x80, 0x3e));
        }
        carTop(p, {44, 63}, 0, kOwnCar);
        carTop(p, {178, 63}, 180, kBlueCar);
    });
}

// Lane turning off behind walls; a convex mirror on the far side shows a car coming from the right.
QImage convexMirrorScene()
{
    return driverView(
        kClearSky, kClearHorizon, QColor(0x9c, 0x9a, 0x94), [](QPainter &p, const View &v) {
            const qreal corner = 13, farWall = 19;
            fillPolygon(p,
                        QPolygonF{v.at(-14, farWall, 0), v.at(14, farWall, 0), v.at(14, farWall, 7),
                                  v.at(-14, farWall, 7)},
                        QColor(0xc8, 0xb4, 0x9a));
            for (qreal x = -12; x < 12; x += 2.4)
                p.fillRect(QRectF(v.at(x, farWall, 5.6), v.at(x + 1.2, farWall, 4.4)),
                           QColor(0x6a, 0x88, 0xa8));
            fillPolygon(p, groundQuad(v, -14, 14, corner, farWall), kAsphalt);
            fillPolygon(p, groundQuad(v, -2.6, 2.6, 1.5, corner), kAsphalt);
            const QColor wall(0xd8, 0xcc, 0xb8);
            for (const qreal x : {-2.6, 2.6}) {
                fillPolygon(p,
                            QPolygonF{v.at(x, 1.5, 0), v.at(x, corner, 0), v.at(x, corner, 2.6),
                                      v.at(x, 1.5, 2.6)},
                            x < 0 ? wall : wall.darker(112));
                const qreal end = x < 0 ? -14 : 14;
                fillPolygon(p,
                            QPolygonF{v.at(x, corner, 0), v.at(end, corner, 0),
                                      v.at(end, corner, 2.6), v.at(x, corner, 2.6)},
                            wall.darker(105));
            }
            const QPointF foot = v.at(0.6, farWall - 0.4, 0);
            const QPointF centre = v.at(0.6, farWall - 0.4, 3.2);
            line(p, foot, centre, flatPen(QColor(0x70, 0x70, 0x74), 2));
            const qreal r = 16;
            disc(p, centre, r + 2.5, QColor(0xf0, 0x70, 0x10));
            QRadialGradient glass(centre - QPointF(4, 4), r * 1.4);
            glass.setColorAt(0, QColor(0xe8, 0xf0, 0xf8));
            glass.setColorAt(1, QColor(0x88, 0xa0, 0xb8));
            p.setBrush(glass);
            p.drawEllipse(centre, r, r);
            p.save();
            QPainterPath lens;
            lens.addEllipse(centre, r, r);
            p.setClipPath(lens);
            p.fillRect(QRectF(centre.x() - r, centre.y() + 1, 2 * r, r), QColor(0x70, 0x72, 0x76));
            outlined(p, roundedRect(QRectF(centre.x() - 12, centre.y() + 1.5, 10, 5.5), 1.5),
                     kBlueCar, kBlueCar.darker(150), 0.5);
            p.restore();
        });
}

// Crash on the far carriageway; on the near side the car ahead brakes as its driver looks across.
QImage accidentOppositeScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 8, 50);
        horizontalRoad(p, 58, 104);
        p.fillRect(QRectF(0, 51, kWidth, 6), QColor(0x5e, 0x8a, 0x46));
        dashedLine(p, {0, 29}, {kWidth, 29}, kPaint, 1.6, 12, 8);
        dashedLine(p, {0, 81}, {kWidth, 81}, kPaint, 1.6, 12, 8);
        carTop(p, {112, 24}, 152, kWhiteCar);
        carTop(p, {136, 38}, 210, kBlueCar);
        const QPointF police(176, 20);
        carTop(p, police, 180, kWhiteCar);
        p.fillRect(QRectF(police.x() - 2, police.y() - 5, 4, 10), QColor(0x20, 0x30, 0x80));
        flash(p, police + QPointF(0, -8), QColor(0xff, 0x30, 0x30), 0.8);
        flash(p, police + QPointF(0, 8), QColor(0x30, 0x70, 0xff), 0.8);
        walker(p, {124, 48}, 12, kPerson);
        p.save();
        p.setPen(roundPen(kRed, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(triangle({196, 40}, 5));
        p.restore();
        const QPointF ahead(120, 92);
        carTop(p, ahead, 0, kGreyCar);
        rearLamps(p, ahead, 0, 30, 15, kBrakeRed);
        carTop(p, {64, 92}, 0, kOwnCar);
        carTop(p, {60, 70}, 0, kBlueCar);
    });
}

// A white car parked across the line of two bays.
QImage parkingTwoBaysScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        bayRow(p, 10, 190, 30, 48, 6);
        bayRow(p, 10, 190, 30, 88, 128);
        for (const qreal x : {25.0, 55.0, 85.0, 175.0})
            carTop(p, {x, 27}, -90, x == 85.0 ? kBlueCar : kGreyCar, 28, 14);
        carTop(p, {130, 28}, -88, kWhiteCar, 28, 14);
        for (const qreal x : {25.0, 55.0, 85.0, 115.0, 145.0, 175.0})
            carTop(p, {x, 108}, 90, x == 145.0 ? kBlueCar : kGreyCar, 28, 14);
        carTop(p, {52, 68}, 0, kOwnCar, 28, 14);
    });
}

// Junction without signals or priority markings; a parked van hides the road to the right, where
// a car is coming.
QImage blindJunctionScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{80, 124, 44, 88};
        crossroads(p, c, false);
        p.fillRect(QRectF(132, 98, 68, 32), QColor(0xb8, 0xa8, 0x94));
        p.fillRect(QRectF(0, 0, 72, 36), QColor(0xb8, 0xa8, 0x94));
        truckTop(p, {154, 78}, 180, QColor(0xe8, 0xe8, 0xe4), QColor(0xf4, 0xf4, 0xf0), 48, 17);
        carTop(p, {188, 56}, 180, kBlueCar, 26, 13);
        const QPointF own(113, 110);
        carTop(p, own, -90, kOwnCar, 26, 13);
        line(p, own + QPointF(-2, -6), {140, 76}, dashPen(QColor(0xff, 0xf0, 0x60), 1.4, 3, 2.5));
    });
}

// Oncoming queue at a standstill; someone steps out between two of its cars.
QImage queuePedestrianScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 20, 108);
        dashedLine(p, {0, 64}, {kWidth, 64}, kYellowPaint, 1.8, 10, 7);
        for (const qreal x : {30.0, 64.0, 112.0, 146.0, 180.0})
            carTop(p, {x, 42}, 180, x == 112.0 ? kWhiteCar : (x < 100 ? kGreyCar : kBlueCar));
        walker(p, {88, 63}, 18, QColor(0xd0, 0x40, 0x60));
        carTop(p, {36, 86}, 0, kOwnCar);
    });
}

// Green light: the front car pulls away slowly; the red car waits behind it.
QImage hornGreenScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 24, 66};
        crossroads(p, c, false);
        paintLine(p, {100, 70}, {124, 70}, kPaint, 2);
        trafficLightIcon(p, {50, 12}, 2);
        carTop(p, {112, 80}, -90, kWhiteCar, 26, 13);
        carTop(p, {112, 110}, -90, kOwnCar, 26, 13);
        carTop(p, {88, 40}, 90, kGreyCar, 26, 13);
    });
}

// A lorry about to turn right swings out to the left, leaving a gap along the kerb.
QImage truckSwingScene()
{
    return picture(kPavement, [](QPainter &p) {
        p.fillRect(QRectF(154, 94, 42, kHeight - 94), kKerb);
        horizontalRoad(p, 20, 96);
        p.fillRect(QRectF(156, 94, 38, kHeight - 94), kAsphalt);
        dashedLine(p, {0, 58}, {kWidth, 58}, kYellowPaint, 1.8, 10, 7);
        const QPointF lorry(112, 72);
        truckTop(p, lorry, -6, QColor(0xd0, 0x60, 0x20), QColor(0xc8, 0xc0, 0xa8));
        indicator(p, lorry, -6, 66, 18, false);
        carTop(p, {40, 86}, 0, kOwnCar);
        carTop(p, {176, 38}, 180, kGreyCar);
    });
}

// Fallen load lying in the right-hand lane of an expressway.
QImage debrisScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 10, 104);
        paintLine(p, {0, 13}, {kWidth, 13});
        dashedLine(p, {0, 44}, {kWidth, 44}, kPaint, 1.6, 14, 10);
        paintLine(p, {0, 75}, {kWidth, 75}, kPaint, 2);
        const QColor card(0xc0, 0x90, 0x58);
        for (const auto &[c, a] : std::vector<std::pair<QPointF, qreal>>{
                 {{128, 56}, 20}, {{140, 66}, -15}, {{122, 68}, 50}, {{150, 54}, 5}}) {
            p.save();
            p.translate(c);
            p.rotate(a);
            outlined(p, roundedRect(QRectF(-5, -4, 10, 8), 1), card, card.darker(150));
            line(p, {-5, 0}, {5, 0}, flatPen(card.darker(130), 0.8));
            p.restore();
        }
        truckTop(p, {196, 60}, 0, QColor(0x2e, 0x6e, 0xb0), QColor(0xc8, 0xc0, 0xa8));
        carTop(p, {50, 60}, 0, kOwnCar);
        carTop(p, {96, 28}, 0, kGreyCar);
    });
}

// Turning left at a crossing as seen from the driver's seat: the left windscreen pillar hides most
// of a pedestrian stepping onto the zebra.
QImage aPillarScene()
{
    return picture(kClearSky, [](QPainter &p) {
        sky(p, View{}, kClearSky, kClearHorizon);
        p.fillRect(QRectF(0, 46, kWidth, 84), QColor(0x88, 0xb0, 0x5c));
        fillPolygon(p, QPolygonF{{0, 52}, {200, 48}, {200, 130}, {0, 130}}, kAsphalt);
        for (int i = 0; i < 7; ++i) {
            const qreal x = -8 + 13 * i;
            fillPolygon(
                p, QPolygonF{{x, 60}, {x + 7, 59}, {x + 2 - 0.6 * i, 104}, {x - 8 - 0.6 * i, 105}},
                kPaint);
        }
        for (const qreal x : {60.0, 100.0, 140.0})
            p.fillRect(QRectF(x, 76, 18, 2), kYellowPaint);
        waver(p, {31, 96}, 30, QColor(0xc0, 0x30, 0x60), true, false);
        const QColor trim(0x22, 0x24, 0x28);
        fillPolygon(p, QPolygonF{{0, 0}, {200, 0}, {200, 12}, {0, 16}}, trim);
        fillPolygon(p, QPolygonF{{0, 14}, {40, 13}, {22, 112}, {0, 112}}, trim);
        fillPolygon(p, QPolygonF{{190, 12}, {200, 12}, {200, 112}, {196, 112}}, trim);
        outlined(p, roundedRect(QRectF(88, 12, 28, 10), 3), QColor(0x40, 0x44, 0x4c), trim);
        p.fillRect(QRectF(91, 14, 22, 6), QColor(0x9c, 0xb4, 0xcc));
        QPainterPath dash;
        dash.moveTo(0, kHeight);
        dash.lineTo(0, 108);
        dash.quadTo(100, 98, 200, 106);
        dash.lineTo(200, kHeight);
        dash.closeSubpath();
        p.fillPath(dash, QColor(0x2e, 0x30, 0x34));
        QPainterPath wheel;
        wheel.addEllipse(QPointF(150, 140), 40, 28);
        strokePath(p, wheel, roundPen(QColor(0x18, 0x18, 0x1a), 6));
    });
}

// Waiting to pull out of a side road; the car coming along the main road signals right.
QImage indicatorTrapScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 28, 88);
        p.fillRect(QRectF(94, 86, 44, kHeight - 86), kKerb);
        p.fillRect(QRectF(96, 86, 40, kHeight - 86), kAsphalt);
        dashedLine(p, {0, 58}, {kWidth, 58}, kYellowPaint, 1.8, 10, 7);
        paintLine(p, {116, 92}, {116, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {116, 92}, {136, 92}, kPaint, 2);
        const QPointF own(126, 110);
        carTop(p, own, -90, kOwnCar, 26, 13);
        indicator(p, own, -90, 26, 13, false);
        const QPointF coming(46, 74);
        carTop(p, coming, 0, kBlueCar);
        indicator(p, coming, 0, 30, 15, false);
        carTop(p, {170, 43}, 180, kGreyCar);
    });
}

// Pedestrian at the kerb, head down over a phone.
QImage pedestrianPhoneScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v, 5.0);
        const qreal ahead = 12;
        const QPointF feet = v.at(5.3, ahead);
        const qreal h = 1.7 * v.focal / ahead;
        walker(p, feet, h, QColor(0x40, 0x70, 0x90), false);
        const qreal k = h / 20;
        p.save();
        p.translate(feet);
        p.fillRect(QRectF(-4.6 * k, -15.6 * k, 2.2 * k, 3 * k), QColor(0x20, 0x20, 0x24));
        p.fillRect(QRectF(-4.3 * k, -15.3 * k, 1.6 * k, 2.2 * k), QColor(0xa0, 0xd0, 0xff));
        p.restore();
        carRear(p, v, 1.75, 40, kGreyCar);
    });
}

// The red car has stopped for someone about to cross; a car comes up fast in the other lane.
QImage wavePedestrianScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 16, 112);
        for (const qreal y : {62.0, 65.0}) {
            paintLine(p, {0, y}, {128, y}, kYellowPaint, 1.6);
            paintLine(p, {154, y}, {kWidth, y}, kYellowPaint, 1.6);
        }
        dashedLine(p, {0, 39}, {128, 39}, kPaint, 1.6, 12, 8);
        dashedLine(p, {0, 89}, {128, 89}, kPaint, 1.6, 12, 8);
        zebraAcross(p, QRectF(132, 17, 18, 94), false);
        carTop(p, {112, 101}, 0, kOwnCar);
        walker(p, {141, 126}, 15, QColor(0x70, 0x40, 0x90), false);
        carTop(p, {58, 77}, 0, kGreyCar);
        trail(p, {40, 77}, {-10, 0}, {0, 4}, 3);
        carTop(p, {40, 28}, 180, kWhiteCar);
    });
}

// A cyclist ahead on the right and an oncoming car: all three would meet at the same spot.
QImage threeAbreastScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 30, 100);
        dashedLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8, 10, 7);
        cyclist(p, {126, 97}, 18, QColor(0x20, 0x60, 0xa0));
        carTop(p, {64, 82}, 0, kOwnCar);
        carTop(p, {176, 47}, 180, kBlueCar);
    });
}

// A car stopped at the kerb right across a gateway, blocking a car that wants to come out.
QImage drivewayBlockedScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 86);
        dashedLine(p, {0, 46}, {kWidth, 46}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(0, 102, kWidth, 28), QColor(0xc0, 0xb0, 0x9c));
        p.fillRect(QRectF(98, 102, 54, 28), QColor(0x8a, 0x8c, 0x90));
        outlined(p, roundedRect(QRectF(103, 103, 44, 13), 1.5), QColor(0x20, 0x5a, 0xa8), kWhite);
        fitText(p, QStringLiteral("出入口"), QRectF(106, 104.5, 38, 10), kWhite);
        carTop(p, {125, 127}, -90, kBlueCar, 28, 14);
        const QPointF blocking(125, 75);
        carTop(p, blocking, 0, kWhiteCar);
        hazardLights(p, blocking, 0, 30, 15);
        carTop(p, {44, 66}, 0, kGreyCar);
        carTop(p, {170, 27}, 180, kGreyCar);
    });
}

// Behind a lorry that will have to pull out round a car parked ahead of it, out of the red car's
// sight.
QImage overtakeHiddenScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 26, 104);
        dashedLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8, 10, 7);
        truckTop(p, {108, 85}, 0, QColor(0x2e, 0x6e, 0xb0), QColor(0xc8, 0xc0, 0xa8));
        const QPointF parked(172, 94);
        carTop(p, parked, 0, kWhiteCar);
        hazardLights(p, parked, 0, 30, 15);
        carTop(p, {44, 85}, 0, kOwnCar);
    });
}

// Motorcycle ahead on a patched, potholed road.
QImage motorcycleFollowScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        for (const auto &[u, d, w] : std::vector<std::tuple<qreal, qreal, qreal>>{
                 {1.0, 13.5, 1.1}, {2.6, 17, 0.9}, {1.2, 22, 1.2}}) {
            const QPolygonF patch =
                groundQuad(v, u - w / 2 - 0.25, u + w / 2 + 0.25, d - 0.5, d + 1.8);
            fillPolygon(p, patch, QColor(0x8a, 0x88, 0x82));
            fillPolygon(p, groundQuad(v, u - w / 2, u + w / 2, d, d + 1.2),
                        QColor(0x26, 0x26, 0x28));
        }
        motorcycleFromBehind(p, v, 1.8, 10);
    });
}

// A car on a tow rope: a gap that must not be driven into.
QImage towRopeScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 22, 102);
        dashedLine(p, {0, 62}, {kWidth, 62}, kPaint, 1.6, 12, 8);
        paintLine(p, {0, 25}, {kWidth, 25});
        paintLine(p, {0, 99}, {kWidth, 99});
        carTop(p, {156, 82}, 0, kBlueCar);
        hazardLights(p, {156, 82}, 0, 30, 15);
        const QPointF towed(92, 82);
        carTop(p, towed, 0, kGreyCar);
        hazardLights(p, towed, 0, 30, 15);
        line(p, {107, 82}, {141, 82}, roundPen(QColor(0x20, 0x20, 0x20), 1.4));
        fillPolygon(p, QPolygonF{{124, 82}, {124, 73}, {131, 76}}, kRed);
        line(p, {124, 82}, {124, 72}, flatPen(kBlack, 0.8));
        const QPointF own(44, 43);
        carTop(p, own, 0, kOwnCar);
        indicator(p, own, 0, 30, 15, false);
    });
}

// Line of pupils crossing at a zebra with a gap in the middle of it.
QImage pupilsCrossingScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6, 1.5, 11);
        roadMarkings(p, v, 3.6, 18, 400);
        for (qreal u = -3.4; u < 3.4; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 12, 17, kPaint);
        const qreal ahead = 14.5;
        const qreal k = v.focal / ahead;
        const QColor shirts[] = {QColor(0x30, 0x70, 0xc0), QColor(0xd0, 0x50, 0x30),
                                 QColor(0x30, 0x90, 0x50), QColor(0xe0, 0xa0, 0x20),
                                 QColor(0x80, 0x40, 0xa0)};
        int i = 0;
        for (const qreal u : {-2.2, -1.4, -0.6, 2.0, 2.8})
            walker(p, v.at(u, ahead), 1.25 * k, shirts[i++], false, true);
        const QPointF teacher = v.at(-3.1, ahead);
        walker(p, teacher, 1.7 * k, QColor(0x40, 0x40, 0x50), false);
        line(p, teacher + QPointF(-4, -1.3 * k), teacher + QPointF(-4, -2.0 * k),
             flatPen(kBlack, 1));
        fillPolygon(p,
                    QPolygonF{teacher + QPointF(-4, -2.0 * k), teacher + QPointF(-14, -1.85 * k),
                              teacher + QPointF(-4, -1.7 * k)},
                    QColor(0xe8, 0x30, 0x20));
    });
}

// An electric bicycle coming the wrong way along the right-hand edge of the red car's lane.
QImage wrongWayEbikeScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 20, 100);
        dashedLine(p, {0, 60}, {kWidth, 60}, kYellowPaint, 1.8, 10, 7);
        const QPointF bike(134, 96);
        cyclist(p, bike, 18, QColor(0xd0, 0x60, 0x20), false);
        p.fillRect(QRectF(bike.x() - 1, bike.y() - 9, 6, 3), QColor(0x30, 0x30, 0x30));
        trail(p, bike + QPointF(10, -9), {8, 0}, {0, 3.5}, 3);
        carTop(p, {56, 80}, 0, kOwnCar);
        carTop(p, {168, 40}, 180, kGreyCar);
    });
}

// The red car nosing out of a garage across the pavement, someone walking along it.
QImage drivewayExitScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 76, 124);
        dashedLine(p, {0, 100}, {kWidth, 100}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(0, 0, kWidth, 46), QColor(0xc4, 0xb4, 0xa0));
        p.fillRect(QRectF(80, 0, 44, 46), QColor(0x7a, 0x7c, 0x80));
        p.fillRect(QRectF(76, 0, 4, 46), QColor(0x9a, 0x6a, 0x50));
        p.fillRect(QRectF(124, 0, 4, 46), QColor(0x9a, 0x6a, 0x50));
        p.fillRect(QRectF(80, 46, 44, 28), QColor(0xc8, 0xc6, 0xc0));
        carTop(p, {102, 38}, 90, kOwnCar, 28, 14);
        walker(p, {64, 68}, 15, QColor(0x30, 0x60, 0x90));
        trail(p, {54, 58}, {-7, 0}, {0, 3.5}, 2, QColor(0x80, 0x80, 0x80));
        carTop(p, {40, 112}, 0, kGreyCar);
        carTop(p, {170, 88}, 180, kBlueCar);
    });
}

// Signal-controlled crossing: green for the traffic, yet someone walks out against the red man.
QImage redLightPedestrianScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v, 5.0);
        for (qreal u = -3.4; u < 5.0; u += 0.9)
            groundStripe(p, v, u + 0.25, 0.5, 12, 16, kPaint);
        line(p, {176, 44}, {176, 8}, flatPen(QColor(0x50, 0x50, 0x54), 2));
        trafficLightIcon(p, {160, 10}, 2);
        outlined(p, roundedRect(QRectF(20, 16, 14, 20), 2), QColor(0x22, 0x22, 0x24),
                 QColor(0x60, 0x60, 0x64));
        p.save();
        p.translate(27, 26);
        disc(p, {0, -6.5}, 1.8, QColor(0xff, 0x30, 0x20));
        p.fillRect(QRectF(-2, -4.5, 4, 6.5), QColor(0xff, 0x30, 0x20));
        p.fillRect(QRectF(-2, 2, 1.5, 5), QColor(0xff, 0x30, 0x20));
        p.fillRect(QRectF(0.5, 2, 1.5, 5), QColor(0xff, 0x30, 0x20));
        p.restore();
        line(p, {27, 36}, {27, 46}, flatPen(QColor(0x50, 0x50, 0x54), 2));
        const qreal ahead = 14;
        walker(p, v.at(1.6, ahead), 1.7 * v.focal / ahead, QColor(0x90, 0x30, 0x40), false);
    });
}

// A taxi ahead; on the pavement someone waves it down.
QImage taxiHailScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v);
        carRear(p, v, 1.9, 8.5, QColor(0xf0, 0xc0, 0x20));
        roofSign(p, v, 1.9, 8.5, QStringLiteral("出租"), 1.1);
        const qreal ahead = 20;
        waver(p, v.at(6.6, ahead), 1.7 * v.focal / ahead, QColor(0xb0, 0x30, 0x50), false);
    });
}

// Tanker ahead with the flammable-liquid diamond on its rear.
QImage hazmatTankerScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        const qreal ahead = 11, across = 1.75;
        const QRectF wheels = v.upright(across, ahead, 2.3, 0.55);
        p.fillRect(QRectF(wheels.left(), wheels.top(), wheels.width() * 0.22, wheels.height()),
                   kBlack);
        p.fillRect(QRectF(wheels.right() - wheels.width() * 0.22, wheels.top(),
                          wheels.width() * 0.22, wheels.height()),
                   kBlack);
        const QRectF frame = v.upright(across, ahead, 2.2, 0.5, 0.75);
        p.fillRect(frame, QColor(0x40, 0x40, 0x44));
        const QRectF tank = v.upright(across, ahead, 2.5, 1.7, 1.15);
        QLinearGradient steel(tank.topLeft(), tank.topRight());
        steel.setColorAt(0, QColor(0xb8, 0xbc, 0xc4));
        steel.setColorAt(0.5, QColor(0xec, 0xee, 0xf2));
        steel.setColorAt(1, QColor(0xa8, 0xac, 0xb4));
        p.setPen(QPen(QColor(0x70, 0x74, 0x7c), 0.8));
        p.setBrush(steel);
        p.drawEllipse(tank);
        p.setPen(Qt::NoPen);
        const QRectF bumper = v.upright(across, ahead, 2.4, 0.22, 0.55);
        p.fillRect(bumper, QColor(0x30, 0x30, 0x30));
        for (const qreal x : {bumper.left() + 3, bumper.right() - 9})
            p.fillRect(QRectF(x, bumper.top() + 1, 6, bumper.height() - 2),
                       QColor(0xff, 0x30, 0x20));
        const QPointF c = tank.center();
        const qreal r = tank.height() * 0.22;
        outlined(p,
                 polygonPath(QPolygonF{c + QPointF(0, -r), c + QPointF(r, 0), c + QPointF(0, r),
                                       c + QPointF(-r, 0)}),
                 QColor(0xe0, 0x20, 0x20), kWhite, 1);
        QPainterPath flame(c + QPointF(0, -r * 0.6));
        flame.cubicTo(c + QPointF(r * 0.45, -r * 0.1), c + QPointF(r * 0.3, r * 0.3),
                      c + QPointF(0, r * 0.3));
        flame.cubicTo(c + QPointF(-r * 0.35, r * 0.3), c + QPointF(-r * 0.35, -r * 0.15),
                      c + QPointF(0, -r * 0.6));
        p.fillPath(flame, kWhite);
    });
}

// Village street: a farm tricycle noses out of a courtyard gate.
QImage villageTractorScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 36, 90);
        dashedLine(p, {0, 63}, {kWidth, 63}, kYellowPaint, 1.8, 10, 7);
        const QColor wall(0xd8, 0xc8, 0xb0);
        p.fillRect(QRectF(0, 96, kWidth, 6), wall.darker(115));
        p.fillRect(QRectF(118, 96, 26, 6), QColor(0xa8, 0x98, 0x80));
        for (const qreal x : {0.0, 60.0, 144.0})
            p.fillRect(QRectF(x + 4, 104, 50, 26), QColor(0xb0, 0x60, 0x48));
        p.fillRect(QRectF(118, 102, 26, 28), QColor(0xa8, 0x98, 0x80));
        truckTop(p, {131, 102}, -90, QColor(0x30, 0x60, 0xb0), QColor(0x5a, 0x8a, 0x4a), 34, 14);
        carTop(p, {50, 77}, 0, kOwnCar);
        Scatter s(4);
        for (int i = 0; i < 10; ++i)
            disc(p, {s.between(0, 200), s.between(2, 28)}, s.between(5, 8),
                 QColor(0x4e, 0x80, 0x3e));
    });
}

// Grain spread out to dry over half of a country road, a farmer raking it.
QImage grainDryingScene()
{
    return driverView(
        kClearSky, kClearHorizon, QColor(0x9c, 0xb0, 0x5a), [](QPainter &p, const View &v) {
            straightRoad(p, v, 3.2, QColor(0x66, 0x68, 0x6a));
            const QColor grain(0xe4, 0xb8, 0x40);
            fillPolygon(p, groundQuad(v, 0.1, 3.3, 9, 120), grain);
            Scatter s(6);
            for (int i = 0; i < 120; ++i) {
                const qreal d = 9 + 80 * s.next() * s.next();
                disc(p, v.at(s.between(0.2, 3.2), d), 0.6 * 12 / d + 0.2, grain.darker(118));
            }
            const qreal ahead = 17;
            const QPointF feet = v.at(2.2, ahead);
            walker(p, feet, 1.7 * v.focal / ahead, QColor(0x50, 0x50, 0x90));
            line(p, feet + QPointF(4, -14), feet + QPointF(14, 2),
                 roundPen(QColor(0x7a, 0x5a, 0x3a), 1.3));
            line(p, feet + QPointF(11, 2), feet + QPointF(17, 1),
                 roundPen(QColor(0x7a, 0x5a, 0x3a), 1.6));
        });
}

// Cyclist ahead looking back over the left shoulder.
QImage cyclistLookBackScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        carRear(p, v, -1.8, 45, kGreyCar);
        cyclistFromBehind(p, v, 2.5, 7.5, QColor(0x30, 0x80, 0x60), false, true);
    });
}

// Two children on small bicycles on the pavement, one heading for the kerb.
QImage kidsBikesScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v, 5.0);
        cyclist(p, v.at(5.3, 13), 1.2 * v.focal / 13, QColor(0xe0, 0x40, 0x40), false);
        cyclist(p, v.at(6.3, 19), 1.2 * v.focal / 19, QColor(0x30, 0x80, 0xd0), true);
        carRear(p, v, 1.75, 42, kWhiteCar);
    });
}

// Cars parked all over the pavement push the people walking out into the carriageway.
QImage pavementBlockedScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v, 5.0);
        for (const qreal d : {30.0, 20.0, 13.0})
            carRear(p, v, 6.4, d, d < 15 ? kBlueCar : kGreyCar);
        walker(p, v.at(4.4, 11), 1.7 * v.focal / 11, QColor(0x70, 0x40, 0x30));
        walker(p, v.at(4.2, 16), 1.7 * v.focal / 16, QColor(0x30, 0x50, 0x80), false);
    });
}

// Mid-overtake on the wrong side of the road, an oncoming car already close.
QImage abortOvertakeScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 30, 100);
        dashedLine(p, {0, 65}, {kWidth, 65}, kYellowPaint, 1.8, 10, 7);
        truckTop(p, {110, 83}, 0, QColor(0xd0, 0x60, 0x20), QColor(0xc8, 0xc0, 0xa8));
        const QPointF own(82, 48);
        carTop(p, own, 0, kOwnCar);
        carTop(p, {170, 48}, 180, kBlueCar);
        trail(p, {194, 48}, {8, 0}, {0, 4}, 3);
    });
}

// Site gate with mud carried out onto the road, a tipper lorry nosing out.
QImage siteExitScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 10, 86);
        dashedLine(p, {0, 48}, {kWidth, 48}, kYellowPaint, 1.8, 10, 7);
        for (qreal x = 0; x < kWidth; x += 10)
            p.fillRect(QRectF(x, 96, 10, 8), (int(x / 10) % 2) ? kWhite : QColor(0x30, 0x60, 0xb0));
        p.fillRect(QRectF(112, 96, 40, 34), QColor(0xa8, 0x8c, 0x68));
        Scatter s(8);
        for (int i = 0; i < 40; ++i)
            disc(p, {s.between(104, 172), s.between(52, 96)}, s.between(1.5, 3.5),
                 QColor(0x8a, 0x6c, 0x48, 170));
        truckTop(p, {132, 110}, -90, QColor(0xe0, 0x90, 0x20), QColor(0x80, 0x84, 0x88), 48, 18);
        carTop(p, {50, 67}, 0, kOwnCar);
        carTop(p, {176, 29}, 180, kGreyCar);
    });
}

// Someone weaving along the kerb as if drunk.
QImage drunkPedestrianScene()
{
    return driverView(kClearSky, kClearHorizon, kPavement, [](QPainter &p, const View &v) {
        streetFronts(p, v);
        townStreet(p, v, 5.0);
        const qreal ahead = 11;
        const QPointF feet = v.at(4.9, ahead);
        p.save();
        p.translate(feet);
        p.rotate(-14);
        walker(p, {0, 0}, 1.7 * v.focal / ahead, QColor(0x6a, 0x50, 0x40), false);
        p.restore();
        QPainterPath path(feet + QPointF(14, 4));
        path.cubicTo(feet + QPointF(6, 10), feet + QPointF(0, -2), feet + QPointF(-10, 6));
        strokePath(p, path, dashPen(QColor(0x80, 0x80, 0x80), 1.2, 3, 2.5));
        carRear(p, v, 1.75, 40, kGreyCar);
    });
}

// Dropping a passenger beside a cycle lane: the right rear door opens into the path of a cyclist.
QImage passengerDoorScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 10, 112);
        doubleYellowLine(p, 38);
        paintLine(p, {0, 88}, {kWidth, 88}, kPaint, 1.8);
        p.fillRect(QRectF(0, 89, kWidth, 23), QColor(0x5a, 0x70, 0x64));
        const QPointF car(132, 74);
        carTop(p, car, 0, kOwnCar);
        hazardLights(p, car, 0, 30, 15);
        line(p, car + QPointF(-1, 7.6), car + QPointF(-11, 11.4), roundPen(kOwnCar.darker(140), 3));
        cyclist(p, {88, 108}, 17, QColor(0x20, 0x60, 0xa0));
        trail(p, {68, 96}, {-8, 0}, {0, 3.5}, 3);
        carTop(p, {50, 64}, 0, kGreyCar);
        carTop(p, {176, 24}, 180, kWhiteCar);
    });
}

// A dog darts out in front while a car runs alongside in the left lane.
QImage dogDartsScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        groundStripe(p, v, -3.3, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.3, 0.15, 1.5, 400, kPaint);
        for (qreal d = 1.5; d < 400; d += 9)
            groundStripe(p, v, 0, 0.15, d, d + 4, kPaint);
        const qreal ahead = 10;
        const qreal k = v.focal / ahead;
        p.save();
        p.translate(v.at(2.2, ahead));
        p.scale(k, k);
        const QColor fur(0xc8, 0x8a, 0x48);
        for (const qreal x : {-0.28, -0.18, 0.2, 0.3})
            line(p, {x, -0.28}, {x - 0.06, 0}, roundPen(fur.darker(130), 0.06));
        outlined(p, roundedRect(QRectF(-0.36, -0.5, 0.72, 0.24), 0.1), fur, fur.darker(150), 0.015);
        outlined(p, roundedRect(QRectF(-0.56, -0.64, 0.26, 0.2), 0.08), fur, fur.darker(150),
                 0.015);
        line(p, {-0.42, -0.62}, {-0.46, -0.72}, roundPen(fur.darker(150), 0.06));
        line(p, {0.36, -0.44}, {0.5, -0.6}, roundPen(fur.darker(130), 0.05));
        p.restore();
        trail(p, v.at(2.2, ahead) + QPointF(18, -8), {10, 0}, {0, 4}, 3);
        carRear(p, v, -1.8, 8.5, kBlueCar);
    });
}

// A car ahead straddling the lane line, drifting from side to side.
QImage weavingCarScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 5.4);
        groundStripe(p, v, -5.1, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 5.1, 0.15, 1.5, 400, kPaint);
        for (qreal d = 1.5; d < 400; d += 9)
            groundStripe(p, v, 1.6, 0.15, d, d + 4, kPaint);
        const qreal ahead = 14;
        QPainterPath drift(v.at(0.3, ahead + 6));
        drift.cubicTo(v.at(2.6, ahead + 4), v.at(0.6, ahead + 2), v.at(1.6, ahead));
        strokePath(p, drift, dashPen(QColor(0xff, 0xf0, 0x60), 1.4, 3, 2.5));
        p.save();
        const QPointF base = v.at(1.6, ahead);
        p.translate(base);
        p.rotate(-4);
        p.translate(-base);
        carRear(p, v, 1.6, ahead, kWhiteCar);
        p.restore();
    });
}

// Queue for the exit ramp backs up along the right-hand lane; the red car comes up alongside it.
QImage exitQueueScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 8, 92);
        fillPolygon(p, QPolygonF{{118, 92}, {160, 92}, {200, 112}, {200, 130}, {182, 130}},
                    kAsphalt);
        paintLine(p, {0, 11}, {kWidth, 11});
        dashedLine(p, {0, 36}, {kWidth, 36}, kPaint, 1.6, 14, 10);
        dashedLine(p, {0, 64}, {kWidth, 64}, kPaint, 1.6, 14, 10);
        paintLine(p, {0, 92}, {118, 92});
        paintLine(p, {118, 92}, {182, 130});
        paintLine(p, {160, 92}, {kWidth, 92});
        paintLine(p, {160, 92}, {200, 112});
        p.save();
        p.setClipPath(polygonPath(QPolygonF{{160, 92}, {200, 92}, {200, 112}}));
        for (qreal x = 150; x < 210; x += 6)
            line(p, {x, 92}, {x + 12, 112}, flatPen(kPaint, 1.2));
        p.restore();
        for (const qreal x : {6.0, 40.0, 74.0, 108.0, 142.0})
            carTop(p, {x, 78}, 0, x == 74.0 ? kWhiteCar : (x < 60 ? kBlueCar : kGreyCar));
        carTop(p, {172, 112}, 28, kGreyCar);
        for (const qreal x : {6.0, 40.0, 74.0, 108.0, 142.0})
            rearLamps(p, {x, 78}, 0, 30, 15, kBrakeRed);
        const QPointF own(124, 50);
        carTop(p, own, 0, kOwnCar);
        indicator(p, own, 0, 30, 15, false);
        carTop(p, {60, 24}, 0, kWhiteCar);
        outlined(p, roundedRect(QRectF(150, 0, 46, 12), 1.5), QColor(0x00, 0x7a, 0x3d), kWhite);
        fitText(p, QStringLiteral("出口"), QRectF(160, 1, 26, 10), kWhite);
    });
}

// Refuse lorry stopped in the lane with its beacon on; the crew wheel bins around behind it.
QImage refuseTruckScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 102);
        dashedLine(p, {0, 58}, {kWidth, 58}, kYellowPaint, 1.8, 10, 7);
        const QPointF lorry(140, 82);
        truckTop(p, lorry, 0, QColor(0x30, 0x90, 0x50), QColor(0x9a, 0xc8, 0x8a), 60, 19);
        flash(p, lorry + QPointF(20, 0), kHazard, 1.0);
        for (const QPointF bin : {QPointF(100, 94), QPointF(92, 78)}) {
            outlined(p, roundedRect(QRectF(bin.x() - 4, bin.y() - 9, 8, 9), 1),
                     QColor(0x30, 0x70, 0xb0), QColor(0x20, 0x40, 0x70));
        }
        walker(p, {106, 100}, 14, QColor(0xf0, 0x80, 0x10), false);
        walker(p, {86, 84}, 14, QColor(0xf0, 0x80, 0x10));
        carTop(p, {36, 82}, 0, kOwnCar);
        carTop(p, {170, 36}, 180, kGreyCar);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-scenes",
                   {
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
                       {"scene_tunnel_entrance.jpg", tunnelEntranceScene},
                       {"scene_door_opening.jpg", doorOpeningScene},
                       {"scene_expressway_merge.jpg", expresswayMergeScene},
                       {"scene_blocked_intersection.jpg", blockedIntersectionScene},
                       {"scene_ball_road.jpg", ballRoadScene},
                       {"scene_snow_ruts.jpg", snowRutsScene},
                       {"scene_bus_stop_runner.jpg", busStopRunnerScene},
                       {"scene_oncoming_overtake.jpg", oncomingOvertakeScene},
                       {"scene_truck_close.jpg", truckCloseScene},
                       {"scene_reversing_out.jpg", reversingOutScene},
                       {"scene_queue_zebra.jpg", queueZebraScene},
                       {"scene_grid_entrance.jpg", gridEntranceScene},
                       {"scene_left_turn_gap.jpg", leftTurnGapScene},
                       {"scene_let_in_free.jpg", [] { return letInScene(true); }},
                       {"scene_let_in_busy.jpg", [] { return letInScene(false); }},
                       {"scene_railway_queue.jpg", railwayQueueScene},
                       {"scene_roundabout_exit.jpg", roundaboutExitScene},
                       {"scene_rural_animals.jpg", ruralAnimalsScene},
                       {"scene_disabled_bay.jpg", disabledBayScene},
                       {"scene_school_gate.jpg", schoolGateScene},
                       {"scene_breakdown_help.jpg", breakdownHelpScene},
                       {"scene_tailgater.jpg", tailgaterScene},
                       {"scene_parked_indicator.jpg", parkedIndicatorScene},
                       {"scene_blind_spot.jpg", blindSpotScene},
                       {"scene_learner_car.jpg", learnerCarScene},
                       {"scene_passing_place.jpg", passingPlaceScene},
                       {"scene_convex_mirror.jpg", convexMirrorScene},
                       {"scene_accident_opposite.jpg", accidentOppositeScene},
                       {"scene_parking_two_bays.jpg", parkingTwoBaysScene},
                       {"scene_blind_junction.jpg", blindJunctionScene},
                       {"scene_queue_pedestrian.jpg", queuePedestrianScene},
                       {"scene_horn_green.jpg", hornGreenScene},
                       {"scene_truck_swing.jpg", truckSwingScene},
                       {"scene_debris.jpg", debrisScene},
                       {"scene_a_pillar.jpg", aPillarScene},
                       {"scene_indicator_trap.jpg", indicatorTrapScene},
                       {"scene_pedestrian_phone.jpg", pedestrianPhoneScene},
                       {"scene_wave_pedestrian.jpg", wavePedestrianScene},
                       {"scene_three_abreast.jpg", threeAbreastScene},
                       {"scene_driveway_blocked.jpg", drivewayBlockedScene},
                       {"scene_overtake_hidden.jpg", overtakeHiddenScene},
                       {"scene_motorcycle_follow.jpg", motorcycleFollowScene},
                       {"scene_tow_rope.jpg", towRopeScene},
                       {"scene_pupils_crossing.jpg", pupilsCrossingScene},
                       {"scene_wrong_way_ebike.jpg", wrongWayEbikeScene},
                       {"scene_driveway_exit.jpg", drivewayExitScene},
                       {"scene_red_light_pedestrian.jpg", redLightPedestrianScene},
                       {"scene_taxi_hail.jpg", taxiHailScene},
                       {"scene_hazmat_tanker.jpg", hazmatTankerScene},
                       {"scene_village_tractor.jpg", villageTractorScene},
                       {"scene_grain_drying.jpg", grainDryingScene},
                       {"scene_cyclist_look_back.jpg", cyclistLookBackScene},
                       {"scene_kids_bikes.jpg", kidsBikesScene},
                       {"scene_pavement_blocked.jpg", pavementBlockedScene},
                       {"scene_abort_overtake.jpg", abortOvertakeScene},
                       {"scene_site_exit.jpg", siteExitScene},
                       {"scene_drunk_pedestrian.jpg", drunkPedestrianScene},
                       {"scene_passenger_door.jpg", passengerDoorScene},
                       {"scene_dog_darts.jpg", dogDartsScene},
                       {"scene_weaving_car.jpg", weavingCarScene},
                       {"scene_exit_queue.jpg", exitQueueScene},
                       {"scene_refuse_truck.jpg", refuseTruckScene},
                   });
}
