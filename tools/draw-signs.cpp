// Draws the warning, prohibition and mandatory signs of the question bank into a folder given on
// the command line.

#include "signs.h"

using namespace painting;

namespace {

// Prohibition figures are drawn black with their windows and wheels in white; the white is cut
// out afterwards so that the figure lies over the red bar and the bar still shows through its gaps.
using Figure = std::function<void(QPainter &, const QColor &body, const QColor &gap)>;

void figureOverBar(QPainter &p, const Figure &figure)
{
    QImage layer(p.device()->width(), p.device()->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(Qt::NoPen);
        q.setTransform(p.transform());
        figure(q, QColor(0, 0, 0), QColor(255, 255, 255));
    }
    for (int y = 0; y < layer.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int alpha = std::max(0, qAlpha(row[x]) - qRed(row[x]));
            row[x] = qRgba(kBlack.red() * alpha / 255, kBlack.green() * alpha / 255,
                           kBlack.blue() * alpha / 255, alpha);
        }
    }
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

QImage barredSign(const Figure &figure)
{
    return signPicture([=](QPainter &p) {
        prohibitionBase(p);
        prohibitionBar(p);
        figureOverBar(p, figure);
    });
}

// Simple black figures without gaps.
QImage barredSign(const std::function<void(QPainter &)> &figure)
{
    return signPicture([=](QPainter &p) {
        prohibitionBase(p);
        prohibitionBar(p);
        figure(p);
    });
}

void mirrored(QPainter &p, const std::function<void()> &draw)
{
    p.save();
    p.scale(-1, 1);
    draw();
    p.restore();
}

// Arrow for the banned left turn: a long level run ending in a head that points left, so that it
// cannot be taken for the U-turn arrow, whose head points down.
void bannedLeftArrow(QPainter &p)
{
    QPainterPath shaft;
    shaft.moveTo(10, 31);
    shaft.lineTo(10, 0);
    shaft.cubicTo(10, -8, 5, -12, -2, -12);
    shaft.lineTo(-9, -12);
    signArrow(p, shaft, 9.5, 15, 25, kBlack);
}

void wheel(QPainter &p, QPointF centre, qreal radius, const QColor &body, const QColor &gap)
{
    disc(p, centre, radius + 1.4, gap);
    disc(p, centre, radius, body);
}

// Vehicles for the prohibition signs, seen from the side, wheels standing on y = 0.

void truck(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-34, -4);
    shape.lineTo(-34, -16);
    shape.lineTo(-27, -29);
    shape.lineTo(-16, -29);
    shape.lineTo(-16, -4);
    shape.closeSubpath();
    shape.addRect(QRectF(-14, -37, 45, 30));
    shape.addRect(QRectF(-34, -7, 65, 5));
    shape.setFillRule(Qt::WindingFill);
    p.fillPath(shape, body);
    fillPolygon(p, QPolygonF{{-31, -17}, {-26, -26}, {-19, -26}, {-19, -17}}, gap);
    for (qreal x : {-24.0, 12.0, 23.5})
        wheel(p, {x, 0}, 6.2, body, gap);
}

void bus(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillPath(roundedRect(QRectF(-37, -33, 74, 28), 4), body);
    for (int i = 0; i < 5; ++i)
        p.fillRect(QRectF(-32 + 11 * i, -29, 8.5, 9), gap);
    fillPolygon(p, QPolygonF{{24, -29}, {31, -29}, {34, -17}, {24, -17}}, gap);
    for (qreal x : {-22.0, 22.0})
        wheel(p, {x, -4}, 6, body, gap);
}

// Small passenger car: short bonnet and a tall cabin, unlike the saloon of the motor-vehicle sign.
void smallCar(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-26, -5);
    shape.lineTo(-26, -26);
    shape.quadTo(-26, -31, -20, -31);
    shape.lineTo(3, -31);
    shape.lineTo(13, -19);
    shape.lineTo(24, -17);
    shape.quadTo(28, -16, 28, -12);
    shape.lineTo(28, -5);
    shape.closeSubpath();
    p.fillPath(shape, body);
    fillPolygon(p, QPolygonF{{-22, -28}, {-9, -28}, {-9, -20}, {-22, -20}}, gap);
    fillPolygon(p, QPolygonF{{-6, -28}, {2, -28}, {9, -20}, {-6, -20}}, gap);
    for (qreal x : {-14.0, 16.0})
        wheel(p, {x, -6}, 6, body, gap);
}

// Tractor unit pulling a semi-trailer, cab on the right.
void semiTrailer(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillRect(QRectF(-40, -31, 50, 22), body);
    p.fillRect(QRectF(-40, -9, 78, 3.5), body);
    QPainterPath cab;
    cab.moveTo(14, -6);
    cab.lineTo(14, -30);
    cab.lineTo(28, -30);
    cab.lineTo(37, -17);
    cab.lineTo(37, -6);
    cab.closeSubpath();
    p.fillPath(cab, body);
    fillPolygon(p, QPolygonF{{18, -27}, {27, -27}, {33, -18}, {18, -18}}, gap);
    for (qreal x : {-32.0, -20.0, 10.0, 29.0})
        wheel(p, {x, -4.5}, 4.6, body, gap);
}

void farmTractor(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillPath(roundedRect(QRectF(-4, -25, 32, 12), 2), body);
    p.fillRect(QRectF(14, -35, 3.5, 11), body);
    p.fillRect(QRectF(-26, -44, 24, 3.5), body);
    p.fillRect(QRectF(-26, -44, 3.5, 26), body);
    p.fillRect(QRectF(-6, -44, 3.5, 22), body);
    p.fillRect(QRectF(-26, -22, 24, 4), body);
    disc(p, {-15, -15}, 15, gap);
    disc(p, {-15, -15}, 13.5, body);
    disc(p, {-15, -15}, 6.5, gap);
    disc(p, {-15, -15}, 3.5, body);
    disc(p, {20, -8}, 8.5, gap);
    disc(p, {20, -8}, 7.2, body);
    disc(p, {20, -8}, 3, gap);
    disc(p, {20, -8}, 1.6, body);
}

void motorcycle(QPainter &p, const QColor &body, const QColor &gap)
{
    Q_UNUSED(gap);
    for (qreal x : {-21.0, 21.0}) {
        p.save();
        p.setPen(roundPen(body, 4.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(x, -10), 8.5, 8.5);
        p.restore();
        disc(p, {x, -10}, 2.6, body);
    }
    fillPolygon(p, QPolygonF{{-15, -16}, {-5, -25}, {9, -25}, {15, -17}, {5, -11}, {-9, -11}},
                body);
    p.fillPath(roundedRect(QRectF(-22, -29, 18, 5), 2.5), body);
    line(p, {21, -10}, {13, -31}, roundPen(body, 4));
    line(p, {8, -33}, {17, -31}, roundPen(body, 3.4));
    line(p, {-21, -10}, {-8, -15}, roundPen(body, 3.6));
    disc(p, {18, -26}, 3.4, body);
}

// Three-wheeled lorry: a narrow cab over the single front wheel and a low cargo bed.
void threeWheeler(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath bed;
    bed.addRect(QRectF(-36, -24, 40, 15));
    p.fillPath(bed, body);
    p.fillRect(QRectF(-32, -21, 32, 7), gap);
    p.fillRect(QRectF(-36, -10, 66, 4), body);
    QPainterPath cab;
    cab.moveTo(7, -6);
    cab.lineTo(7, -32);
    cab.quadTo(16, -32, 21, -27);
    cab.lineTo(29, -15);
    cab.lineTo(29, -6);
    cab.closeSubpath();
    p.fillPath(cab, body);
    fillPolygon(p, QPolygonF{{10, -29}, {17, -28.5}, {24, -18}, {10, -18}}, gap);
    wheel(p, {-22, -5}, 5.6, body, gap);
    wheel(p, {20, -5}, 5.6, body, gap);
}

// Tank lorry carrying dangerous goods: a flame in a diamond on the tank.
void tankLorry(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillPath(roundedRect(QRectF(-38, -32, 52, 22), 10), body);
    p.fillRect(QRectF(-38, -10, 74, 3.5), body);
    QPainterPath cab;
    cab.moveTo(17, -7);
    cab.lineTo(17, -29);
    cab.lineTo(28, -29);
    cab.lineTo(36, -17);
    cab.lineTo(36, -7);
    cab.closeSubpath();
    p.fillPath(cab, body);
    fillPolygon(p, QPolygonF{{20, -26}, {27, -26}, {32, -18}, {20, -18}}, gap);
    fillPolygon(p, QPolygonF{{-12, -32}, {-1, -21}, {-12, -10}, {-23, -21}}, gap);
    p.fillPath(teardrop(QPointF(-12, -18.5), 4), body);
    for (qreal x : {-28.0, -16.0, 26.0})
        wheel(p, {x, -4.5}, 4.8, body, gap);
}

// Bus seen from the front, wheels standing on y = 0; 36 units wide.
void frontBus(QPainter &p, const QColor &body, const QColor &gap)
{
    p.fillPath(roundedRect(QRectF(-18, -46, 36, 42), 5), body);
    p.fillRect(QRectF(-16, -4.5, 8, 4.5), body);
    p.fillRect(QRectF(8, -4.5, 8, 4.5), body);
    p.fillRect(QRectF(-14.5, -40, 29, 18), gap);
    p.fillRect(QRectF(-12, -44, 24, 2.5), gap);
    for (qreal x : {-11.0, 11.0})
        disc(p, {x, -12}, 3, gap);
    p.fillRect(QRectF(-6, -14, 12, 3), gap);
}

// Lane sign: tall blue panel.
void laneSignBase(QPainter &p)
{
    panelBase(p, QRectF(-40, -52, 80, 104));
}

// Zone signs: white panel with a black border around the round sign and the word 区域.
void zonePanel(QPainter &p, const QColor &text)
{
    p.save();
    p.setBrush(kOutline);
    p.drawRoundedRect(QRectF(-44.6, -52.6, 89.2, 105.2), 5.6, 5.6);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(-44, -52, 88, 104), 5, 5);
    p.setBrush(kWhite);
    p.drawRoundedRect(QRectF(-41.5, -49.5, 83, 99), 3.5, 3.5);
    p.restore();
    fitText(p, QStringLiteral("区域"), QRectF(-24, -45, 48, 21), text, 0.6);
}

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
    return barredSign([](QPainter &p) { bannedLeftArrow(p); });
}

QImage noUTurnSign()
{
    return barredSign([](QPainter &p) { uTurnArrow(p, kBlack); });
}

QImage noHonkingSign()
{
    return barredSign([](QPainter &p) { horn(p, kBlack); });
}

QImage noTrucksSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {2, 16}, 1, [&] { truck(p, body, gap); });
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
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 13}, 0.95, [&] { sideCar(p, body, gap); });
    });
}

QImage noRightTurnSign()
{
    return barredSign([](QPainter &p) { mirrored(p, [&] { bannedLeftArrow(p); }); });
}

QImage noStraightSign()
{
    return barredSign([](QPainter &p) {
        signArrow(p, segment({0, 33}, {0, -10}), 10, 18, 27, kBlack);
    });
}

QImage noLeftOrRightTurnSign()
{
    return barredSign([](QPainter &p) {
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath shaft;
            shaft.moveTo(0, 33);
            shaft.lineTo(0, 2);
            shaft.cubicTo(0, -7, 4 * side, -10, 12 * side, -10);
            signArrow(p, shaft, 8.5, 13, 21, kBlack);
        }
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

// Steam engine of the ungated-crossing sign.
void steamEngine(QPainter &p)
{
    p.save();
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
    p.restore();
}

QImage ungatedRailwaySign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        steamEngine(p);
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

// More prohibition signs
QImage noBusesSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 17}, 0.92, [&] { bus(p, body, gap); });
    });
}

QImage noSmallCarsSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {-1, 18}, 1.0, [&] { smallCar(p, body, gap); });
    });
}

QImage noTrailersSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 17}, 0.9, [&] { semiTrailer(p, body, gap); });
    });
}

QImage noTractorsSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {-1, 22}, 0.95, [&] { farmTractor(p, body, gap); });
    });
}

QImage noMotorcyclesSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 18}, 1.05, [&] { motorcycle(p, body, gap); });
    });
}

QImage noThreeWheelersSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {2, 18}, 0.95, [&] { threeWheeler(p, body, gap); });
    });
}

QImage noNonMotorSign()
{
    return barredSign([](QPainter &p) { placed(p, {0, 6}, 0.95, [&] { bicycle(p, kBlack); }); });
}

QImage noPedestriansSign()
{
    return barredSign([](QPainter &p) {
        placed(p, {0, 3}, 1.25, [&] { walkingPerson(p, kBlack); });
    });
}

QImage noStraightOrLeftSign(bool right)
{
    return barredSign([=](QPainter &p) {
        p.save();
        p.scale(right ? -0.82 : 0.82, 0.82);
        p.translate(-1, 1);
        straightOrLeftArrow(p, kBlack);
        p.restore();
    });
}

QImage noDangerousGoodsSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 17}, 0.92, [&] { tankLorry(p, body, gap); });
    });
}

// Axle load: one axle with its twin wheels seen from behind, above the value.
QImage axleLoadSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        p.fillRect(QRectF(-12, -20.5, 24, 4), kBlack);
        disc(p, {0, -18.5}, 4, kBlack);
        for (qreal side : {-1.0, 1.0})
            for (qreal x : {13.0, 18.5})
                p.fillPath(roundedRect(QRectF(side * x - 2.25, -27, 4.5, 17), 1.5), kBlack);
        fitText(p, QStringLiteral("10t"), QRectF(-24, -3, 48, 24), kBlack, 1.0);
    });
}

QImage customsSign()
{
    return signPicture([](QPainter &p) {
        prohibitionBase(p);
        fitText(p, QStringLiteral("海关"), QRectF(-26, -13, 52, 26), kBlack, 0.8);
    });
}

QImage zoneSpeedLimitSign(bool ended)
{
    return signPicture([=](QPainter &p) {
        const QColor grey(0x70, 0x70, 0x70);
        zonePanel(p, ended ? grey : kBlack);
        placed(p, {0, 13}, 0.62, [&] {
            if (ended)
                endOfRestrictionBase(p);
            else
                prohibitionBase(p);
            fitText(p, QStringLiteral("30"), QRectF(-24, -21, 48, 42), ended ? grey : kBlack, 1.4,
                    true);
            if (ended)
                endOfRestrictionSlashes(p);
        });
    });
}

QImage zoneNoLongParkingSign(bool ended)
{
    return signPicture([=](QPainter &p) {
        const QColor grey(0x70, 0x70, 0x70);
        zonePanel(p, ended ? grey : kBlack);
        placed(p, {0, 13}, 0.62, [&] {
            if (ended) {
                disc(p, {}, 50.6, kOutline);
                disc(p, {}, 50, kWhite);
                disc(p, {}, 48.5, QColor(0x90, 0x90, 0x90));
                disc(p, {}, 38.5, QColor(0xc4, 0xc4, 0xc4));
                p.save();
                QPainterPath inner;
                inner.addEllipse(QPointF(), 39, 39);
                p.setClipPath(inner);
                p.rotate(45);
                p.fillRect(QRectF(-40, -4.3, 80, 8.6), QColor(0x90, 0x90, 0x90));
                p.restore();
                endOfRestrictionSlashes(p);
            } else {
                prohibitionBase(p, kBlue);
                prohibitionBar(p, 45);
            }
        });
    });
}

// Ban with an auxiliary plate beneath it: the ban holds only for the hours or the vehicles on the
// plate.
QImage banWithPlate(const std::function<void(QPainter &)> &figure, const QString &plateText)
{
    return picture(kBackground, [=](QPainter &p) {
        p.translate(kWidth / 2.0, 0);
        p.save();
        p.translate(0, 44);
        p.scale(0.8, 0.8);
        prohibitionBase(p);
        prohibitionBar(p);
        figure(p);
        p.restore();
        const QRectF plate(-44, 92, 88, 32);
        p.fillRect(plate.adjusted(-0.8, -0.8, 0.8, 0.8), kOutline);
        p.fillRect(plate, kWhite);
        p.fillRect(plate.adjusted(2, 2, -2, -2), kBlack);
        p.fillRect(plate.adjusted(3.5, 3.5, -3.5, -3.5), kWhite);
        fitText(p, plateText, plate.adjusted(8, 8, -8, -8), kBlack, 0.4);
    });
}

// Horse pulling a two-wheeled cart, facing left.
void animalCart(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath horse;
    horse.moveTo(-30, -20);
    horse.lineTo(-34, -24);
    horse.lineTo(-31, -30);
    horse.lineTo(-24, -31);
    horse.lineTo(-16, -20);
    horse.quadTo(-6, -21, 2, -20);
    horse.quadTo(6, -18, 5, -12);
    horse.quadTo(-6, -10, -17, -12);
    horse.lineTo(-24, -19);
    horse.closeSubpath();
    p.fillPath(horse, body);
    QPainterPath legs;
    for (qreal x : {-15.0, -11.0, -1.0, 3.0}) {
        legs.moveTo(x, -13);
        legs.lineTo(x, 0);
    }
    strokePath(p, legs, roundPen(body, 3));
    line(p, {-12, -18}, {14, -18}, roundPen(body, 2.2));
    p.fillRect(QRectF(8, -25, 28, 9), body);
    disc(p, {22, -9}, 9.5, gap);
    disc(p, {22, -9}, 8.5, body);
    disc(p, {22, -9}, 5.5, gap);
    disc(p, {22, -9}, 2.2, body);
}

QImage noAnimalCartsSign()
{
    return barredSign([](QPainter &p, const QColor &body, const QColor &gap) {
        placed(p, {0, 17}, 0.95, [&] { animalCart(p, body, gap); });
    });
}

// More mandatory signs
QImage straightOrRightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        mirrored(p, [&] { straightOrLeftArrow(p, kWhite); });
    });
}

QImage leftOrRightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath shaft;
            shaft.moveTo(0, 38);
            shaft.lineTo(0, 6);
            shaft.cubicTo(0, -3, 5 * side, -7, 13 * side, -7);
            signArrow(p, shaft, 10, 17, 27, kWhite);
        }
    });
}

QImage keepLeftSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        signArrow(p, segment({22, -22}, {-6, 6}), 12, 20, 34, kWhite);
    });
}

// Interchange route to the right: a separate arrow that leaves before the crossing.
QImage interchangeRightSign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        signArrow(p, segment({-13, 40}, {-13, -22}), 7.5, 12, 20, kWhite);
        QPainterPath ramp;
        ramp.moveTo(5, 40);
        ramp.lineTo(5, 8);
        ramp.cubicTo(5, -2, 10, -6, 18, -6);
        ramp.lineTo(22, -6);
        signArrow(p, ramp, 7.5, 12, 20, kWhite);
    });
}

QImage priorityCrossingSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        p.fillRect(QRectF(-40, -3, 80, 6), kWhite);
        signArrow(p, segment({0, 40}, {0, -16}), 15, 24, 36, kWhite);
    });
}

QImage motorVehiclesOnlySign()
{
    return signPicture([](QPainter &p) {
        mandatoryBase(p);
        placed(p, {0, 18}, 1.55, [&] { frontCar(p, kWhite, kBlue); });
    });
}

enum class Lane { Left, Right, Straight, StraightRight, StraightLeft };

QImage laneSign(Lane lane)
{
    return signPicture([=](QPainter &p) {
        laneSignBase(p);
        p.save();
        switch (lane) {
        case Lane::Left:
        case Lane::Right:
            p.scale(lane == Lane::Right ? -1.4 : 1.4, 1.4);
            p.translate(1, -1);
            leftTurnArrow(p, kWhite);
            break;
        case Lane::Straight:
            signArrow(p, segment({0, 44}, {0, -16}), 15, 26, 40, kWhite);
            break;
        case Lane::StraightRight:
        case Lane::StraightLeft:
            p.scale(lane == Lane::StraightRight ? -1.25 : 1.25, 1.25);
            p.translate(2, 0);
            straightOrLeftArrow(p, kWhite);
            break;
        }
        p.restore();
    });
}

// Dedicated lanes: the vehicle above an arrow pointing down at the lane.
QImage dedicatedLaneSign(const std::function<void(QPainter &)> &vehicle, const QString &text)
{
    return signPicture([=](QPainter &p) {
        laneSignBase(p);
        vehicle(p);
        if (!text.isEmpty())
            fitText(p, text, QRectF(-30, 4, 60, 16), kWhite, 0.6);
        signArrow(p, segment({0, text.isEmpty() ? 6.0 : 23.0}, {0, 34}), 8, 12, 20, kWhite);
    });
}

QImage nonMotorLaneSign()
{
    return dedicatedLaneSign(
        [](QPainter &p) {
            placed(p, {0, -14}, 1.1, [&] { bicycle(p, kWhite); });
        },
        QString());
}

QImage busLaneSign(bool rapid)
{
    return dedicatedLaneSign(
        [=](QPainter &p) {
            placed(p, {0, rapid ? 0.0 : 2.0}, rapid ? 0.95 : 1.1,
                   [&] { frontBus(p, kWhite, kBlue); });
        },
        rapid ? QStringLiteral("BRT") : QString());
}

QImage hovLaneSign()
{
    return dedicatedLaneSign(
        [](QPainter &p) {
            placed(p, {0, 0}, 1.5, [&] { frontCar(p, kWhite, kBlue); });
        },
        QStringLiteral("2人以上"));
}

// Lanes ahead of a crossing, each with its direction: left turn, straight on, straight or right.
QImage laneDirectionsSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-78, -50, 156, 100));
        const QPen dashes = dashPen(kWhite, 2.5, 8, 6);
        for (qreal x : {-26.0, 26.0})
            line(p, {x, 44}, {x, -44}, dashes);
        placed(p, {-52, 2}, 1.05, [&] { leftTurnArrow(p, kWhite); });
        signArrow(p, segment({0, 36}, {0, -18}), 10, 17, 27, kWhite);
        placed(p, {50, 2}, 0.95, [&] { mirrored(p, [&] { straightOrLeftArrow(p, kWhite); }); });
    });
}

// Lane added on the right: the right edge steps out and a new lane opens beside the others.
QImage laneIncreaseSign()
{
    return signPicture([](QPainter &p) {
        indicationBase(p);
        const QPen edge = flatPen(kWhite, 3);
        line(p, {-34, 44}, {-34, -44}, edge);
        QPainterPath right;
        right.moveTo(12, 44);
        right.lineTo(12, 14);
        right.lineTo(34, -8);
        right.lineTo(34, -44);
        strokePath(p, right, edge);
        const QPen dashes = dashPen(kWhite, 2.5, 7.5, 6);
        line(p, {-11, 44}, {-11, -44}, dashes);
        line(p, {12, -10}, {12, -44}, dashes);
        signArrow(p, segment({-22.5, 38}, {-22.5, -26}), 4.5, 9, 12, kWhite);
        signArrow(p, segment({0.5, 38}, {0.5, -26}), 4.5, 9, 12, kWhite);
        QPainterPath branch;
        branch.moveTo(0.5, 14);
        branch.cubicTo(0.5, 4, 23, 2, 23, -12);
        branch.lineTo(23, -24);
        signArrow(p, branch, 4.5, 9, 12, kWhite);
    });
}

// More warning signs
QImage fogSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 38}, 0.9, [&] { frontCar(p, kBlack, kYellow); });
        p.save();
        clipToWarningField(p, 3);
        for (int i = 0; i < 3; ++i) {
            const qreal y = 2 + 8 * i;
            p.fillPath(roundedRect(QRectF(-30, y, 60, 3.6), 1.8), kBlack);
        }
        p.restore();
    });
}

// Divided road ahead: a central island splits the road into two carriageways.
QImage dividedRoadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        const QPen edge = flatPen(kBlack, 4.5);
        for (qreal side : {-1.0, 1.0})
            line(p, {17 * side, 40}, {17 * side, -6}, edge);
        p.fillPath(roundedRect(QRectF(-4, -4, 8, 30), 4), kBlack);
        signArrow(p, segment({10, 38}, {10, 24}), 3.5, 7, 9, kBlack);
        signArrow(p, segment({-10, 2}, {-10, 16}), 3.5, 7, 9, kBlack);
    });
}

// Side road joining from the right of the road ahead.
QImage sideRoadRightSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-9, -16, 9, 55), kBlack);
        p.fillRect(QRectF(-1, 10, 24, 9), kBlack);
    });
}

QImage yJunctionSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        QPainterPath road;
        road.moveTo(0, 44);
        road.lineTo(0, 12);
        road.lineTo(-13, -8);
        road.moveTo(0, 12);
        road.lineTo(13, -8);
        strokePath(p, road, QPen(kBlack, 9, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.restore();
    });
}

QImage roundaboutAheadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(0, 16);
        p.scale(0.72, 0.72);
        const qreal radius = 24;
        const QRectF orbit(-radius, -radius, 2 * radius, 2 * radius);
        for (int i = 0; i < 3; ++i) {
            QPainterPath shaft;
            const qreal start = 100 + 120 * i;
            shaft.arcMoveTo(orbit, start);
            shaft.arcTo(orbit, start, 68);
            signArrow(p, shaft, 9.5, 14, 22, kBlack);
        }
    });
}

QImage sharpRightSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        mirrored(p, [&] {
            QPainterPath shaft;
            shaft.moveTo(9, 38);
            shaft.lineTo(9, 4);
            shaft.quadTo(9, -2, 3, -2);
            shaft.lineTo(-6, -2);
            signArrow(p, shaft, 8.5, 14, 23, kBlack);
        });
    });
}

// Reverse bend, first to the left: two bends only, against the three of the winding road.
QImage reverseBendSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPainterPath shaft;
        shaft.moveTo(9, 39);
        shaft.lineTo(9, 25);
        shaft.lineTo(-9, 9);
        shaft.lineTo(-9, -4);
        signArrow(p, shaft, 8, 13, 21, kBlack);
    });
}

QImage continuousDescentSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        fillPolygon(
            p, QPolygonF{{-50, -4}, {-8, 24}, {6, 24}, {26, 37.3}, {50, 37.3}, {50, 44}, {-50, 44}},
            kBlack);
        p.restore();
        p.translate(-16, 18.5);
        p.rotate(qRadiansToDegrees(std::atan2(2.0, 3.0)));
        p.scale(0.38, 0.38);
        sideCar(p, kBlack, kYellow);
    });
}

enum class Narrowing { Both, Left, Right };

QImage narrowRoadSign(Narrowing side)
{
    return signPicture([=](QPainter &p) {
        warningBase(p);
        const QPen edge = flatPen(kBlack, 5);
        const auto edgeLine = [&](qreal sign, bool narrows) {
            QPainterPath path;
            if (narrows) {
                path.moveTo(19 * sign, 40);
                path.lineTo(19 * sign, 26);
                path.lineTo(7 * sign, 13);
                path.lineTo(7 * sign, -9);
            } else {
                path.moveTo(11 * sign, 40);
                path.lineTo(11 * sign, -9);
            }
            strokePath(p, path, edge);
        };
        if (side == Narrowing::Right) {
            p.translate(-4, 0);
            edgeLine(-1, false);
            edgeLine(1, true);
        } else if (side == Narrowing::Left) {
            p.translate(4, 0);
            edgeLine(-1, true);
            edgeLine(1, false);
        } else {
            edgeLine(-1, true);
            edgeLine(1, true);
        }
    });
}

QImage twoWayTrafficSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 14}, 0.72, [&] { oncomingArrows(p, kBlack, 8.5, kBlack, 8.5); });
    });
}

QImage livestockSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(2, 4);
        p.fillPath(roundedRect(QRectF(-14, 4, 32, 16), 6), kBlack);
        QPainterPath head;
        head.moveTo(-14, 8);
        head.lineTo(-22, 4);
        head.lineTo(-27, 9);
        head.lineTo(-25, 16);
        head.lineTo(-18, 16);
        head.lineTo(-12, 15);
        head.closeSubpath();
        p.fillPath(head, kBlack);
        QPainterPath horns;
        horns.moveTo(-21, 5);
        horns.quadTo(-22, -1, -17, -2);
        horns.moveTo(-23, 5);
        horns.quadTo(-28, 1, -27, -3);
        strokePath(p, horns, roundPen(kBlack, 2.2));
        QPainterPath legs;
        for (qreal x : {-10.0, -5.0, 9.0, 14.0}) {
            legs.moveTo(x, 16);
            legs.lineTo(x, 32);
        }
        strokePath(p, legs, roundPen(kBlack, 3.6));
        QPainterPath tail;
        tail.moveTo(17, 7);
        tail.quadTo(23, 12, 21, 22);
        strokePath(p, tail, roundPen(kBlack, 2));
    });
}

QImage crosswindSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-19, 2, 3.5, 37), kBlack);
        // The windsock in three bands, blown out to the right.
        const auto band = [](qreal x, qreal x2) {
            const auto half = [](qreal at) { return 7.0 - at * 0.09; };
            const qreal cx = 8;
            return QPolygonF{{x, cx - half(x + 16)},
                             {x2, cx - half(x2 + 16)},
                             {x2, cx + half(x2 + 16)},
                             {x, cx + half(x + 16)}};
        };
        for (auto [from, to] : {std::pair{-15.0, -5.0}, {-2.5, 7.5}, {10.0, 20.0}})
            fillPolygon(p, band(from, to), kBlack);
    });
}

QImage embankmentSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        fillPolygon(p, QPolygonF{{-30, 40}, {-18, 14}, {0, 14}, {14, 40}}, kBlack);
        p.restore();
        for (int i = 0; i < 3; ++i) {
            QPainterPath wave;
            const qreal y = 22 + 7 * i;
            const qreal x0 = 5 + 3.5 * i;
            wave.moveTo(x0, y);
            for (int k = 0; k < 3; ++k)
                wave.quadTo(x0 + 3 + 6 * k, y - 3, x0 + 6 + 6 * k, y);
            strokePath(p, wave, roundPen(kBlack, 2.4));
        }
    });
}

QImage villageSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        const auto house = [&](QPointF base, qreal w, qreal h) {
            fillPolygon(p,
                        QPolygonF{{base.x() - w / 2 - 3, base.y() - h},
                                  {base.x(), base.y() - h - w / 2 - 1},
                                  {base.x() + w / 2 + 3, base.y() - h}},
                        kBlack);
            p.fillRect(QRectF(base.x() - w / 2, base.y() - h, w, h), kBlack);
            p.fillRect(QRectF(base.x() - 2.5, base.y() - h / 2, 5, h / 2), kYellow);
        };
        house({-11, 38}, 18, 15);
        house({13, 38}, 16, 22);
    });
}

QImage ferrySign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        fillPolygon(p, QPolygonF{{-27, 18}, {27, 18}, {21, 28}, {-21, 28}}, kBlack);
        placed(p, {0, 16.5}, 0.55, [&] { sideCar(p, kBlack, kYellow); });
        for (int i = 0; i < 2; ++i) {
            QPainterPath wave;
            const qreal y = 32 + 5.5 * i;
            wave.moveTo(-30 + 3 * i, y);
            for (int k = 0; k < 5; ++k)
                wave.quadTo(-27 + 3 * i + 12 * k, y - 3, -24 + 3 * i + 12 * k, y);
            strokePath(p, wave, roundPen(kBlack, 2.4));
        }
    });
}

QImage humpbackBridgeSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        QPainterPath deck;
        deck.moveTo(-50, 40);
        deck.lineTo(-50, 30);
        deck.lineTo(-26, 30);
        deck.cubicTo(-12, 30, -10, 8, 0, 8);
        deck.cubicTo(10, 8, 12, 30, 26, 30);
        deck.lineTo(50, 30);
        deck.lineTo(50, 40);
        deck.closeSubpath();
        QPainterPath opening;
        opening.moveTo(-13, 40);
        opening.cubicTo(-13, 26, -7, 20, 0, 20);
        opening.cubicTo(7, 20, 13, 26, 13, 40);
        opening.closeSubpath();
        p.fillPath(deck.subtracted(opening), kBlack);
        p.restore();
    });
}

QImage unevenRoadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        QPainterPath ground;
        ground.moveTo(-50, 40);
        ground.lineTo(-50, 30);
        ground.lineTo(-24, 30);
        ground.quadTo(-15, 14, -6, 30);
        ground.lineTo(6, 30);
        ground.quadTo(15, 14, 24, 30);
        ground.lineTo(50, 30);
        ground.lineTo(50, 40);
        ground.closeSubpath();
        p.fillPath(ground, kBlack);
        p.restore();
    });
}

QImage fordSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 22}, 1.0, [&] { frontCar(p, kBlack, kYellow); });
        for (int i = 0; i < 2; ++i) {
            QPainterPath wave;
            const qreal y = 27 + 6.5 * i;
            wave.moveTo(-30, y);
            for (int k = 0; k < 5; ++k)
                wave.quadTo(-27 + 12 * k, y - 3.5, -24 + 12 * k, y);
            p.save();
            clipToWarningField(p, 1);
            strokePath(p, wave, roundPen(kBlack, 2.6));
            p.restore();
        }
    });
}

// The ungated-crossing warning sign above the plate with three red slashes (150 m to the
// crossing).
QImage railwayDistanceSign()
{
    return picture(kBackground, [](QPainter &p) {
        p.translate(kWidth / 2.0, 0);
        p.fillRect(QRectF(-2.5, 60, 5, 70), QColor(0x9a, 0x9a, 0x9a));
        p.save();
        p.translate(0, 38);
        p.scale(0.72, 0.72);
        warningBase(p);
        steamEngine(p);
        p.restore();
        const QRectF plate(-13, 77, 26, 51);
        p.fillRect(plate.adjusted(-0.7, -0.7, 0.7, 0.7), kOutline);
        p.fillRect(plate, kWhite);
        p.save();
        p.setClipRect(plate);
        for (int i = 0; i < 3; ++i) {
            const qreal y = 84 + 15 * i;
            fillPolygon(p, QPolygonF{{-13, y + 7}, {13, y - 6}, {13, y + 1}, {-13, y + 14}}, kRed);
        }
        p.restore();
    });
}

QImage disabledSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(-2, 0);
        disc(p, {-3, -6}, 4.8, kBlack);
        QPainterPath body;
        body.moveTo(-4, 1);
        body.lineTo(-6, 17);
        body.lineTo(8, 17);
        body.lineTo(12, 31);
        strokePath(p, body, roundPen(kBlack, 5));
        line(p, {-4, 6}, {7, 8}, roundPen(kBlack, 3.6));
        p.save();
        p.setPen(flatPen(kBlack, 3.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(-20, 10, 26, 26), 110 * 16, 250 * 16);
        p.restore();
        disc(p, {17, 32}, 2.6, kBlack);
    });
}

QImage slowSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        fitText(p, QStringLiteral("慢"), QRectF(-17, 0, 34, 34), kBlack, 1.2);
    });
}

// Obstacle in the road with the way past it: on both sides or on the right only.
QImage obstacleSign(bool bothSides)
{
    return signPicture([=](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-4.5, 4, 9, 17), kBlack);
        for (qreal side : {-1.0, 1.0}) {
            if (!bothSides && side < 0)
                continue;
            QPainterPath shaft;
            shaft.moveTo(0, 41);
            shaft.lineTo(0, 38);
            shaft.cubicTo(0, 31, 13 * side, 32, 13 * side, 24);
            shaft.lineTo(13 * side, 12);
            signArrow(p, shaft, 5, 10, 12, kBlack);
        }
    });
}

QImage dangerSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.save();
        p.setPen(roundPen(kBlack, 2));
        p.setBrush(kBlack);
        p.drawPolygon(QPolygonF{{-5, -12}, {5, -12}, {2.6, 21}, {-2.6, 21}});
        p.restore();
        disc(p, {0, 31}, 4.8, kBlack);
    });
}

// Tidal lane: the middle lane changes direction, between an oncoming and an own lane.
QImage tidalLaneSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        const QPen dashes = dashPen(kBlack, 2, 5, 3.5);
        for (qreal x : {-7.0, 7.0})
            line(p, {x, 40}, {x, 0}, dashes);
        signArrow(p, segment({-16, 8}, {-16, 28}), 4.5, 9, 12, kBlack);
        signArrow(p, segment({16, 36}, {16, 16}), 4.5, 9, 12, kBlack);
        signArrow(p, segment({0, 22}, {0, 5}), 4.5, 8, 11, kBlack);
        signArrow(p, segment({0, 22}, {0, 31}), 4.5, 8, 11, kBlack);
    });
}

QImage keepDistanceSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        for (qreal x : {-19.0, 19.0})
            placed(p, {x, 37}, 0.4, [&] { sideCar(p, kBlack, kYellow); });
        for (qreal side : {-1.0, 1.0})
            signArrow(p, segment({0, 16}, {10 * side, 16}), 3, 7, 10, kBlack);
    });
}

QImage mergeSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-10, -12, 9, 52), kBlack);
        QPainterPath joining;
        joining.moveTo(20, 41);
        joining.lineTo(20, 32);
        joining.cubicTo(20, 18, 4, 16, 0, 6);
        strokePath(p, joining, flatPen(kBlack, 6));
    });
}

// Escape lane: a short ramp leaving the road to the right and ending in an arrester bed.
QImage escapeLaneSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.fillRect(QRectF(-15, -10, 9, 50), kBlack);
        QPainterPath ramp;
        ramp.moveTo(-7, 38);
        ramp.cubicTo(6, 33, 12, 27, 13, 18);
        strokePath(p, ramp, flatPen(kBlack, 7));
        p.fillPath(roundedRect(QRectF(5, -1, 16, 19), 3), kBlack);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                disc(p, {8.5 + 4.5 * col + (row % 2) * 1.5, 3.0 + 5.0 * row}, 1.4, kYellow);
    });
}

QImage icyRoadSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(0, 14);
        const QPen arm = roundPen(kBlack, 3.6);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.rotate(60 * i);
            line(p, {0, 0}, {0, -20}, arm);
            line(p, {0, -12}, {-5.5, -17}, roundPen(kBlack, 2.6));
            line(p, {0, -12}, {5.5, -17}, roundPen(kBlack, 2.6));
            p.restore();
        }
    });
}

QImage rainSnowSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        QPainterPath cloud;
        cloud.addEllipse(QPointF(-10, 6), 9, 8);
        cloud.addEllipse(QPointF(3, 1), 11, 10);
        cloud.addEllipse(QPointF(14, 8), 8, 7);
        cloud.addRoundedRect(QRectF(-19, 5, 41, 10), 5, 5);
        cloud.setFillRule(Qt::WindingFill);
        p.fillPath(cloud.simplified(), kBlack);
        for (qreal x : {-14.0, -2.0, 10.0})
            line(p, {x + 3, 20}, {x - 1, 30}, roundPen(kBlack, 2.8));
        p.save();
        p.translate(18, 29);
        for (int i = 0; i < 3; ++i) {
            p.rotate(60);
            line(p, {-5, 0}, {5, 0}, roundPen(kBlack, 2.2));
        }
        p.restore();
    });
}

QImage queueSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        placed(p, {0, 6}, 0.5, [&] { frontCar(p, kBlack, kYellow); });
        placed(p, {0, 20}, 0.72, [&] { frontCar(p, kBlack, kYellow); });
        placed(p, {0, 39}, 1.0, [&] { frontCar(p, kBlack, kYellow); });
    });
}

QImage wildAnimalsSign()
{
    return signPicture([](QPainter &p) {
        warningBase(p);
        p.translate(0, 6);
        // Deer leaping to the left.
        QPainterPath body;
        body.moveTo(-12, 8);
        body.quadTo(0, 3, 14, 6);
        body.quadTo(19, 8, 17, 15);
        body.quadTo(2, 18, -11, 16);
        body.closeSubpath();
        p.fillPath(body, kBlack);
        QPainterPath neck;
        neck.moveTo(-13, 9);
        neck.lineTo(-19, -3);
        neck.lineTo(-23, -3);
        neck.lineTo(-27, 1);
        neck.lineTo(-21, 3);
        neck.lineTo(-16, 15);
        neck.closeSubpath();
        p.fillPath(neck, kBlack);
        QPainterPath limbs;
        limbs.moveTo(-9, 14);
        limbs.lineTo(-20, 20);
        limbs.lineTo(-26, 18);
        limbs.moveTo(-6, 15);
        limbs.lineTo(-14, 24);
        limbs.moveTo(12, 14);
        limbs.lineTo(22, 22);
        limbs.lineTo(27, 31);
        limbs.moveTo(15, 12);
        limbs.lineTo(24, 17);
        limbs.lineTo(30, 24);
        limbs.moveTo(-20, -3);
        limbs.lineTo(-17, -12);
        limbs.lineTo(-12, -15);
        limbs.moveTo(-17, -10);
        limbs.lineTo(-22, -15);
        limbs.moveTo(-22, -3);
        limbs.lineTo(-24, -11);
        strokePath(p, limbs, roundPen(kBlack, 2.8));
    });
}

// Road surface with a single rise (bump) or a single hollow (dip).
QImage roadProfileSign(bool rise)
{
    return signPicture([=](QPainter &p) {
        warningBase(p);
        p.save();
        clipToWarningField(p);
        QPainterPath ground;
        ground.moveTo(-50, 42);
        ground.lineTo(-50, 28);
        ground.lineTo(-16, 28);
        if (rise)
            ground.cubicTo(-8, 28, -7, 14, 0, 14);
        else
            ground.cubicTo(-8, 28, -7, 38, 0, 38);
        ground.cubicTo(7, rise ? 14 : 38, 8, 28, 16, 28);
        ground.lineTo(50, 28);
        ground.lineTo(50, 42);
        ground.closeSubpath();
        p.fillPath(ground, kBlack);
        p.restore();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(
        argc, argv, "draw-signs",
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
            {"sign_no_buses.jpg", noBusesSign},
            {"sign_no_small_cars.jpg", noSmallCarsSign},
            {"sign_no_trailers.jpg", noTrailersSign},
            {"sign_no_tractors.jpg", noTractorsSign},
            {"sign_no_motorcycles.jpg", noMotorcyclesSign},
            {"sign_no_tricycles.jpg", noThreeWheelersSign},
            {"sign_no_non_motor.jpg", noNonMotorSign},
            {"sign_no_pedestrians.jpg", noPedestriansSign},
            {"sign_no_straight_left.jpg", [] { return noStraightOrLeftSign(false); }},
            {"sign_no_straight_right.jpg", [] { return noStraightOrLeftSign(true); }},
            {"sign_no_dangerous_goods.jpg", noDangerousGoodsSign},
            {"sign_axle_limit.jpg", axleLoadSign},
            {"sign_customs.jpg", customsSign},
            {"sign_zone_speed_30.jpg", [] { return zoneSpeedLimitSign(false); }},
            {"sign_zone_speed_end.jpg", [] { return zoneSpeedLimitSign(true); }},
            {"sign_zone_no_long_parking.jpg", [] { return zoneNoLongParkingSign(false); }},
            {"sign_zone_no_long_parking_end.jpg", [] { return zoneNoLongParkingSign(true); }},
            {"sign_straight_or_right.jpg", straightOrRightSign},
            {"sign_left_or_right.jpg", leftOrRightSign},
            {"sign_keep_left.jpg", keepLeftSign},
            {"sign_interchange_right.jpg", interchangeRightSign},
            {"sign_priority_crossing.jpg", priorityCrossingSign},
            {"sign_motor_vehicles_only.jpg", motorVehiclesOnlySign},
            {"sign_lane_left.jpg", [] { return laneSign(Lane::Left); }},
            {"sign_lane_right.jpg", [] { return laneSign(Lane::Right); }},
            {"sign_lane_straight.jpg", [] { return laneSign(Lane::Straight); }},
            {"sign_lane_straight_right.jpg", [] { return laneSign(Lane::StraightRight); }},
            {"sign_non_motor_lane.jpg", nonMotorLaneSign},
            {"sign_bus_lane.jpg", [] { return busLaneSign(false); }},
            {"sign_brt_lane.jpg", [] { return busLaneSign(true); }},
            {"sign_hov_lane.jpg", hovLaneSign},
            {"sign_lane_straight_left.jpg", [] { return laneSign(Lane::StraightLeft); }},
            {"sign_lane_directions.jpg", laneDirectionsSign},
            {"sign_no_left_turn_hours.jpg",
             [] {
                 return banWithPlate([](QPainter &p) { bannedLeftArrow(p); },
                                     QStringLiteral("7:00-19:00"));
             }},
            {"sign_no_right_turn_lorries.jpg",
             [] {
                 return banWithPlate([](QPainter &p) { mirrored(p, [&] { bannedLeftArrow(p); }); },
                                     QStringLiteral("货车"));
             }},
            {"sign_wild_animals.jpg", wildAnimalsSign},
            {"sign_bump.jpg", [] { return roadProfileSign(true); }},
            {"sign_dip.jpg", [] { return roadProfileSign(false); }},
            {"sign_no_animal_carts.jpg", noAnimalCartsSign},
            {"sign_fog.jpg", fogSign},
            {"sign_lane_increase.jpg", laneIncreaseSign},
            {"sign_divided_road.jpg", dividedRoadSign},
            {"sign_side_road_right.jpg", sideRoadRightSign},
            {"sign_y_junction.jpg", yJunctionSign},
            {"sign_roundabout_ahead.jpg", roundaboutAheadSign},
            {"sign_sharp_right.jpg", sharpRightSign},
            {"sign_reverse_bend.jpg", reverseBendSign},
            {"sign_continuous_descent.jpg", continuousDescentSign},
            {"sign_narrow_both.jpg", [] { return narrowRoadSign(Narrowing::Both); }},
            {"sign_narrow_left.jpg", [] { return narrowRoadSign(Narrowing::Left); }},
            {"sign_narrow_right.jpg", [] { return narrowRoadSign(Narrowing::Right); }},
            {"sign_two_way.jpg", twoWayTrafficSign},
            {"sign_livestock.jpg", livestockSign},
            {"sign_crosswind.jpg", crosswindSign},
            {"sign_embankment.jpg", embankmentSign},
            {"sign_village.jpg", villageSign},
            {"sign_ferry.jpg", ferrySign},
            {"sign_humpback_bridge.jpg", humpbackBridgeSign},
            {"sign_uneven_road.jpg", unevenRoadSign},
            {"sign_ford.jpg", fordSign},
            {"sign_railway_distance.jpg", railwayDistanceSign},
            {"sign_disabled.jpg", disabledSign},
            {"sign_slow.jpg", slowSign},
            {"sign_detour_both.jpg", [] { return obstacleSign(true); }},
            {"sign_detour_right.jpg", [] { return obstacleSign(false); }},
            {"sign_danger.jpg", dangerSign},
            {"sign_tidal_lane.jpg", tidalLaneSign},
            {"sign_keep_distance.jpg", keepDistanceSign},
            {"sign_merge.jpg", mergeSign},
            {"sign_escape_lane.jpg", escapeLaneSign},
            {"sign_icy_road.jpg", icyRoadSign},
            {"sign_rain_snow.jpg", rainSnowSign},
            {"sign_queue.jpg", queueSign},
        });
}
