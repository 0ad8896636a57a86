// Draws the warning, prohibition and mandatory signs of the question bank into a folder given on
// the command line.

#include "signs.h"

using namespace painting;

namespace {

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
        signArrow(p, segment({0, 36}, {0, -6}), 14, 26, 40, kWhite);
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
            signArrow(p, shaft, 9.5, 14, 22, kWhite);
        }
    });
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
        signArrow(p, shaft, 8.5, 14, 23, kBlack);
    });
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
        signArrow(p, segment({0, 33}, {0, -10}), 10, 18, 27, kBlack);
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
            signArrow(p, shaft, 8.5, 13, 21, kBlack);
        }
        prohibitionBar(p);
    });
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
        signArrow(p, segment({-22, -22}, {6, 6}), 12, 20, 34, kWhite);
    });
}

// Interchange route: straight on, and left by the loop to the right of the crossing.
QImage interchangeLeftSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        signArrow(p, segment({-16, 40}, {-16, -22}), 7.5, 12, 20, kWhite);
        QPainterPath loop;
        loop.moveTo(0, 40);
        loop.lineTo(0, -8);
        loop.arcTo(QRectF(0, -23, 30, 30), 180, -270);
        loop.lineTo(-26, 7);
        signArrow(p, loop, 7.5, 11, 19, kWhite);
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
        signArrow(p, segment({-56, 0}, {26, 0}), 14, 28, 40, kWhite);
    });
}

QImage motorVehicleLaneSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-40, -52, 80, 104));
        placed(p, {0, -8}, 1.5, [&] { frontCar(p, kWhite, kBlue); });
        signArrow(p, segment({0, 2}, {0, 24}), 8, 14, 22, kWhite);
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
        signArrow(p, segment({-22.5, 38}, {-22.5, -26}), 4.5, 9, 12, kWhite);
        signArrow(p, segment({0.5, -12}, {0.5, -30}), 4.5, 9, 12, kWhite);
        QPainterPath merge;
        merge.moveTo(23, 40);
        merge.lineTo(23, 24);
        merge.cubicTo(23, 14, 10, 10, 6, 2);
        signArrow(p, merge, 4.5, 9, 12, kWhite);
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
        signArrow(p, shaft, 6.5, 11, 18, kBlack);
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

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-signs",
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
                   });
}
