// Draws the traffic situations of the question bank into a folder given on the command line.

#include "scenes.h"

using namespace painting;

namespace {

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
        sceneArrow(p, segment({62, 49}, {72, 49}), 2.4, 5, 7, kSwing);
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
                   });
}
