// Draws the hazard-perception situations of the question bank into a folder given on the command
// line: each picture shows one thing a driver has to notice and act on.

#include "scenes.h"
#include "signs.h"

using namespace painting;

namespace {

inline const QColor kReversingWhite(0xff, 0xff, 0xf4);
inline const QColor kSightLine(0xff, 0xf0, 0x60);
inline const QColor kVan(0xf2, 0xf2, 0xee);
inline const QColor kBuilding(0xc4, 0xb4, 0xa0);

// Both rear lamps of a vehicle seen from above.
void rearLamps(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width,
               const QColor &colour, qreal radius = 4.5)
{
    for (const qreal y : {-1.0, 1.0})
        glow(p, local(centre, angle, {-(length / 2 - 1.2), y * (width / 2 - 2.6)}), colour, radius);
}

// Dashed line of sight from an eye to a point; blocked sight ends in a small cross.
void sightLine(QPainter &p, QPointF from, QPointF to, bool blocked = false)
{
    line(p, from, to, dashPen(kSightLine, 1.4, 3, 2.5));
    if (!blocked)
        return;
    const QPen pen = roundPen(kRed, 1.8);
    line(p, to + QPointF(-3, -3), to + QPointF(3, 3), pen);
    line(p, to + QPointF(-3, 3), to + QPointF(3, -3), pen);
}

// Short strokes behind something moving fast.
void trail(QPainter &p, QPointF back, QPointF along, QPointF across, int count,
           const QColor &colour = kWhite)
{
    for (int i = 0; i < count; ++i) {
        const QPointF start = back + across * (i - (count - 1) / 2.0);
        line(p, start, start + along, roundPen(colour, 1.2));
    }
}

// Electric bike from above with the rider's helmet; a delivery box on the carrier when boxed.
void ebikeTop(QPainter &p, QPointF centre, qreal angle, const QColor &body, bool boxed)
{
    topView(p, centre, angle, 16, 6, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w * 0.5, 2 * l, w), 2), body, body.darker(170));
        line(p, {l - 3, -w - 1}, {l - 3, w + 1}, roundPen(kBlack, 1.3));
        if (boxed)
            outlined(p, roundedRect(QRectF(-l - 1, -4.5, 7, 9), 1), QColor(0xff, 0xc8, 0x10),
                     QColor(0x90, 0x70, 0x00));
        disc(p, {0.5, 0}, 3.3, QColor(0xff, 0xc8, 0x10));
        disc(p, {1.2, -0.8}, 1.0, kWhite);
    });
}

// Bicycle and rider from above: wheels in line, handlebar, shoulders and head.
void bikeTop(QPainter &p, QPointF centre, qreal angle, const QColor &shirt, qreal scale = 1.4)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-centre);
    topView(p, centre, angle, 18, 8, [&](qreal l, qreal) {
        line(p, {-l, 0}, {l, 0}, roundPen(kBlack, 1.8));
        line(p, {l - 4, -4}, {l - 4, 4}, roundPen(kBlack, 1.3));
        outlined(p, roundedRect(QRectF(-4, -4.5, 6, 9), 2.5), shirt, shirt.darker(150), 0.6);
        line(p, {0, -3.5}, {l - 4, -3.5}, roundPen(shirt, 1.4));
        line(p, {0, 3.5}, {l - 4, 3.5}, roundPen(shirt, 1.4));
        disc(p, {0.5, 0}, 2.6, QColor(0x30, 0x24, 0x1c));
    });
    p.restore();
}

// Cones and a works barrier seen from above.
void coneTop(QPainter &p, QPointF at, qreal size = 1)
{
    disc(p, at, 3.4 * size, QColor(0xff, 0x70, 0x10));
    disc(p, at, 1.7 * size, kWhite);
    disc(p, at, 0.8 * size, QColor(0xff, 0x70, 0x10));
}

void worksBox(QPainter &p, const QRectF &box)
{
    p.fillRect(box, QColor(0xb0, 0x7a, 0x40));
    const bool across = box.width() > box.height();
    if (across) {
        for (qreal x = box.left() + 2; x < box.right() - 2; x += 8)
            p.fillRect(QRectF(x, box.top(), 4, box.height()), kWhite);
    } else {
        for (qreal y = box.top() + 2; y < box.bottom() - 2; y += 8)
            p.fillRect(QRectF(box.left(), y, box.width(), 4), kWhite);
    }
}

// Upright traffic-light housing seen from above-front, for the corner of a top-view crossing.
void signalHead(QPainter &p, QPointF centre, int lit)
{
    trafficLightIcon(p, centre, lit);
}

// Child on a kick scooter in side view, standing on the deck.
void scooterChild(QPainter &p, QPointF ground, qreal size, const QColor &shirt, bool facingRight)
{
    p.save();
    p.translate(ground);
    p.scale(facingRight ? size / 20 : -size / 20, size / 20);
    disc(p, {-6, -1.8}, 1.8, kBlack);
    disc(p, {6, -1.8}, 1.8, kBlack);
    line(p, {-6, -2.6}, {5, -2.6}, roundPen(QColor(0x20, 0x90, 0xd0), 1.6));
    line(p, {5.5, -2.6}, {4, -16}, roundPen(QColor(0x20, 0x90, 0xd0), 1.3));
    line(p, {2, -16}, {6, -16}, roundPen(kBlack, 1.4));
    line(p, {-1, -3}, {-1, -8}, roundPen(kNavy, 2.2));
    line(p, {-1, -8}, {-5, -3.2}, roundPen(kNavy, 2.2));
    line(p, {-1, -8}, {-0.5, -14}, roundPen(shirt, 3.2));
    line(p, {-0.5, -13}, {3, -15.5}, roundPen(shirt, 2));
    disc(p, {0, -17}, 2.8, kSkin.darker(105));
    p.restore();
}

// Flowers on the bonnet and ribbons to the corners of a wedding car seen from above.
void weddingCar(QPainter &p, QPointF at, const QColor &body)
{
    carTop(p, at, 0, body);
    const QColor ribbon(0xe0, 0x10, 0x30);
    for (const qreal y : {-5.5, 5.5})
        line(p, at + QPointF(9, 0), at + QPointF(14.5, y), roundPen(ribbon, 1.4));
    disc(p, at + QPointF(9, 0), 4.6, QColor(0xff, 0x30, 0x60));
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(72.0 * i);
        disc(p, at + QPointF(9 + 2.4 * std::cos(a), 2.4 * std::sin(a)), 1.3,
             QColor(0xff, 0xd8, 0xe4));
    }
}

// Police car from above: white with a blue band and a light bar flashing red and blue.
void policeCarTop(QPainter &p, QPointF at, qreal angle)
{
    carTop(p, at, angle, kWhiteCar);
    topView(p, at, angle, 30, 15, [&](qreal l, qreal w) {
        p.fillRect(QRectF(-l + 2, -w, 2 * l - 4, 2.2), QColor(0x20, 0x50, 0xb0));
        p.fillRect(QRectF(-l + 2, w - 2.2, 2 * l - 4, 2.2), QColor(0x20, 0x50, 0xb0));
        p.fillRect(QRectF(-1.5, -5, 3, 5), QColor(0xe0, 0x20, 0x20));
        p.fillRect(QRectF(-1.5, 0, 3, 5), QColor(0x20, 0x50, 0xe0));
    });
    flash(p, local(at, angle, {0, -9}), QColor(0xff, 0x30, 0x30), 0.8);
    flash(p, local(at, angle, {0, 9}), QColor(0x30, 0x70, 0xff), 0.8);
}

// Road ahead that bends: its centre moves sideways by bend * (d - start)^2 beyond `start`.
struct Bend {
    qreal start = 1000;
    qreal bend = 0;
    qreal offset(qreal ahead) const
    {
        return ahead > start ? bend * (ahead - start) * (ahead - start) : 0;
    }
};

QPolygonF bentBand(const View &v, const Bend &b, qreal left, qreal right, qreal near, qreal far)
{
    QPolygonF band;
    std::vector<qreal> steps;
    for (qreal d = near; d < far; d *= 1.08)
        steps.push_back(d);
    steps.push_back(far);
    for (const qreal d : steps)
        band << v.at(left + b.offset(d), d);
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        band << v.at(right + b.offset(*it), *it);
    return band;
}

// Edge lines and a dashed yellow centre line on a bending road.
void bentMarkings(QPainter &p, const View &v, const Bend &b, qreal halfWidth)
{
    fillPolygon(p, bentBand(v, b, -halfWidth + 0.22, -halfWidth + 0.38, 1.5, 300), kPaint);
    fillPolygon(p, bentBand(v, b, halfWidth - 0.38, halfWidth - 0.22, 1.5, 300), kPaint);
    for (qreal d = 1.5; d < 300; d += 9)
        fillPolygon(p, bentBand(v, b, -0.08, 0.08, d, d + 4), kYellowPaint);
}

// Horse and rider in side view, standing on the feet point; `length` is the horse's body length.
void horseRider(QPainter &p, QPointF feet, qreal length, const QColor &coat, const QColor &jacket)
{
    p.save();
    p.translate(feet);
    p.scale(length / 24, length / 24);
    const QColor dark = coat.darker(150);
    for (const qreal x : {-9.0, -6.5, 7.0, 9.5})
        line(p, {x, -13}, {x + (x < 0 ? -0.5 : 0.5), 0}, roundPen(dark, 1.8));
    outlined(p, roundedRect(QRectF(-12, -20, 24, 9), 4.5), coat, dark, 0.5);
    QPainterPath neck({8, -18});
    neck.lineTo(13, -27);
    neck.lineTo(16, -26);
    neck.lineTo(13, -15);
    neck.closeSubpath();
    p.fillPath(neck, coat);
    outlined(p, roundedRect(QRectF(13, -29, 8, 4.2), 2), coat, dark, 0.5);
    line(p, {14, -29}, {14.5, -31}, roundPen(coat, 1.2));
    QPainterPath tail({-12, -18});
    tail.quadTo(-16, -14, -15, -7);
    strokePath(p, tail, roundPen(QColor(0x30, 0x20, 0x18), 1.6));
    // Rider: leg down the flank, back upright, helmet.
    line(p, {-1, -20}, {0, -13}, roundPen(kNavy, 2.2));
    line(p, {-1.5, -20}, {-1, -29}, roundPen(jacket, 3.4));
    line(p, {-1, -27}, {5, -23}, roundPen(jacket, 1.8));
    disc(p, {-0.8, -32}, 2.5, kSkin.darker(105));
    QPainterPath helmet;
    helmet.moveTo(-3.4, -32);
    helmet.arcTo(QRectF(-3.4, -34.8, 5.4, 5.4), 180, -180);
    helmet.closeSubpath();
    p.fillPath(helmet, kBlack);
    p.restore();
}

// Flat-bed lorry seen from behind at a point of the road ahead, its crates slipping to one side.
void flatbedRear(QPainter &p, const View &v, qreal across, qreal ahead, qreal lean)
{
    const qreal k = v.focal / ahead;
    p.save();
    p.translate(v.at(across, ahead));
    p.scale(k, k);
    p.fillRect(QRectF(-1.15, -0.6, 0.55, 0.6), kBlack);
    p.fillRect(QRectF(0.6, -0.6, 0.55, 0.6), kBlack);
    p.fillRect(QRectF(-1.25, -1.0, 2.5, 0.45), QColor(0x50, 0x50, 0x54));
    p.fillRect(QRectF(-1.2, -0.9, 0.3, 0.14), QColor(0xff, 0x30, 0x20));
    p.fillRect(QRectF(0.9, -0.9, 0.3, 0.14), QColor(0xff, 0x30, 0x20));
    outlined(p, roundedRect(QRectF(-1.1, -2.8, 2.2, 1.9), 0.08), QColor(0x30, 0x70, 0xb0),
             QColor(0x20, 0x40, 0x70), 0.03);
    p.fillRect(QRectF(-0.8, -2.6, 1.6, 0.6), kGlass);
    // Crates stacked on the bed, leaning over its right-hand edge.
    p.save();
    p.translate(1.25, -1.0);
    p.rotate(lean);
    const QColor crate(0xc8, 0x9a, 0x58);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 2; ++col)
            outlined(p, QPainterPath([&] {
                         QPainterPath box;
                         box.addRect(QRectF(-2.4 + 1.15 * col, -0.7 * (row + 1), 1.1, 0.66));
                         return box;
                     }()),
                     crate, crate.darker(160), 0.03);
    p.restore();
    QPainterPath rope({-1.2, -1.0});
    rope.cubicTo(-1.4, -0.6, -1.0, -0.3, -1.3, 0.05);
    strokePath(p, rope, roundPen(QColor(0xf0, 0xe0, 0x40), 0.05));
    p.restore();
}

// Sun standing low, with rays.
void lowSun(QPainter &p, QPointF at, qreal radius)
{
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i);
        const QPointF dir(std::cos(a), std::sin(a));
        line(p, at + dir * (radius + 2), at + dir * (radius + 6),
             roundPen(QColor(0xff, 0xb0, 0x20), 1.6));
    }
    disc(p, at, radius, QColor(0xff, 0xc8, 0x30));
}

// Shadow cast away from a low sun: a dark band from the object's outline along `direction`.
void shadow(QPainter &p, const QRectF &foot, QPointF direction)
{
    QPolygonF s{foot.topLeft(), foot.topRight(), foot.topRight() + direction,
                foot.topLeft() + direction};
    p.save();
    p.setOpacity(0.35);
    fillPolygon(p, s, kBlack);
    p.fillRect(foot, kBlack);
    p.restore();
}

// Scenes

// The parked car's door swings open right where the cyclist beside the red car is heading.
QImage doorCyclistScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 116);
        doubleYellowLine(p, 40);
        paintLine(p, {0, 96}, {kWidth, 96}, kPaint, 1.4);
        carTop(p, {150, 26}, 180, kGreyCar);
        carTop(p, {34, 106}, 0, kBlueCar, 30, 15);
        const QPointF parked(140, 106);
        carTop(p, parked, 0, kWhiteCar, 30, 15);
        // Driver's door hinged at its front edge, swung out into the cyclist's path.
        const QPointF hinge = parked + QPointF(4, -7.5);
        const QPointF edge = parked + QPointF(-6, -15.5);
        line(p, hinge, edge, roundPen(kWhiteCar.darker(170), 4));
        line(p, hinge, edge, roundPen(kWhiteCar, 2.2));
        disc(p, parked + QPointF(-1, -3), 3, QColor(0x3a, 0x2a, 0x20));
        carTop(p, {62, 74}, 0, kOwnCar);
        bikeTop(p, {72, 89}, 0, QColor(0x20, 0x60, 0xa0));
        QPainterPath swerve({86, 89});
        swerve.cubicTo({102, 89}, {112, 82}, {124, 76});
        dashedArrow(p, swerve, kSightLine);
    });
}

// The oncoming lorry turns left across the red car's path; someone is on the far crossing behind
// it.
QImage lorryLeftHiddenScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{70, 130, 42, 92};
        crossroads(p, c, true);
        signalHead(p, {40, 18}, 2);
        const QPointF own(115, 118);
        carTop(p, own, -90, kOwnCar, 26, 13);
        walker(p, {114, 39}, 15, QColor(0xc0, 0x30, 0x80), false);
        truckTop(p, {104, 62}, 28, QColor(0x30, 0x80, 0x40), QColor(0xc8, 0xc0, 0xa8), 60, 17);
        indicator(p, {104, 62}, 28, 60, 17, true);
        sightLine(p, own + QPointF(0, -8), {113, 74}, true);
        carTop(p, {178, 56}, 180, kGreyCar, 26, 13);
    });
}

// A car waits to come out of a side road, its view of the red car blocked by a parked van.
QImage vanSideRoadScene()
{
    return picture(kPavement, [](QPainter &p) {
        p.fillRect(QRectF(128, 96, 40, 34), kKerb);
        horizontalRoad(p, 30, 98);
        p.fillRect(QRectF(130, 96, 36, 34), kAsphalt);
        dashedLine(p, {0, 64}, {kWidth, 64}, kYellowPaint, 1.8, 10, 7);
        p.fillRect(QRectF(0, 100, 126, 30), kBuilding);
        p.fillRect(QRectF(170, 100, 30, 30), kBuilding);
        truckTop(p, {104, 88}, 0, kVan, kVan, 40, 16);
        const QPointF waiting(148, 114);
        carTop(p, waiting, -90, kBlueCar, 26, 13);
        carTop(p, {38, 82}, 0, kOwnCar);
        sightLine(p, waiting + QPointF(-4, -10), {116, 90}, true);
        carTop(p, {176, 46}, 180, kGreyCar);
    });
}

// Children waiting on the refuge island halfway across a zebra crossing.
QImage islandChildrenScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 112);
        dashedLine(p, {0, 62}, {94, 62}, kYellowPaint, 1.8, 10, 7);
        dashedLine(p, {150, 62}, {kWidth, 62}, kYellowPaint, 1.8, 10, 7);
        zebraAcross(p, QRectF(110, 16, 22, 96), false);
        outlined(p, roundedRect(QRectF(104, 55, 34, 15), 4), kPavement, kKerb, 1.5);
        walker(p, {117, 66}, 13, QColor(0xe0, 0x50, 0x30), false, true);
        walker(p, {126, 67}, 12, QColor(0x30, 0x80, 0xd0), false, true);
        carTop(p, {48, 88}, 0, kOwnCar);
        carTop(p, {172, 36}, 180, kGreyCar);
    });
}

// Slow queue in two lanes; a delivery e-bike threads between the cars from behind.
QImage deliveryEbikeScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 22, 108);
        paintLine(p, {0, 25}, {kWidth, 25}, kYellowPaint, 1.8);
        dashedLine(p, {0, 66}, {kWidth, 66});
        for (const qreal x : {30.0, 150.0})
            carTop(p, {x, 44}, 0, x < 100 ? kGreyCar : kWhiteCar);
        carTop(p, {96, 44}, 0, kOwnCar);
        indicator(p, {96, 44}, 0, 30, 15, false);
        for (const qreal x : {56.0, 106.0, 170.0})
            carTop(p, {x, 88}, 0, x < 100 ? kBlueCar : kGreyCar);
        QPainterPath weave({10, 84});
        weave.cubicTo({22, 66}, {40, 66}, {60, 66});
        strokePath(p, weave, dashPen(kSightLine, 1.4, 3, 2.5));
        ebikeTop(p, {70, 67}, -4, QColor(0x30, 0x30, 0x38), true);
        trail(p, {58, 67}, {-7, 0}, {0, 3}, 3);
    });
}

// Road with no centre line, an obstacle on the oncoming side; neither car has reached it yet.
QImage narrowOtherSideScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 40, 94);
        worksBox(p, QRectF(92, 44, 40, 20));
        for (const QPointF cone : {QPointF(86, 48), QPointF(86, 60), QPointF(138, 48),
                                   QPointF(138, 60), QPointF(80, 54)})
            coneTop(p, cone);
        carTop(p, {40, 78}, 0, kOwnCar);
        carTop(p, {176, 54}, 180, kBlueCar);
    });
}

// A car has stopped just past a free bay, reversing lamps lit.
QImage parallelReverseScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 116);
        doubleYellowLine(p, 44);
        paintLine(p, {0, 94}, {kWidth, 94}, kPaint, 1.2);
        for (qreal x = 6; x < kWidth; x += 40)
            paintLine(p, {x, 94}, {x, 116}, kPaint, 1.2);
        carTop(p, {26, 105}, 0, kGreyCar, 30, 15);
        carTop(p, {186, 105}, 0, kBlueCar, 30, 15);
        const QPointF parker(142, 82);
        carTop(p, parker, 0, QColor(0x4a, 0x4c, 0x52));
        rearLamps(p, parker, 0, 30, 15, kReversingWhite, 6);
        carTop(p, {60, 74}, 0, kOwnCar);
        carTop(p, {160, 28}, 180, kGreyCar);
    });
}

// A wedding procession nose to tail in the right-hand lane; the red car wants to move across.
QImage weddingConvoyScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 22, 110);
        paintLine(p, {0, 25}, {kWidth, 25}, kYellowPaint, 1.8);
        dashedLine(p, {0, 66}, {kWidth, 66});
        for (int i = 0; i < 5; ++i) {
            const QPointF at(12 + 40 * i, 88);
            weddingCar(p, at, kWhiteCar);
        }
        carTop(p, {100, 44}, 0, kOwnCar);
        indicator(p, {100, 44}, 0, 30, 15, false);
        carTop(p, {30, 44}, 0, kGreyCar);
    });
}

// Cyclist ahead holds the left arm straight out before a side road on the left.
QImage cyclistArmScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        fillPolygon(p, QPolygonF{v.at(-3.6, 22), v.at(-3.6, 30), v.at(-40, 30), v.at(-40, 22)},
                    kAsphalt);
        roadMarkings(p, v, 3.6, 1.5, 21);
        roadMarkings(p, v, 3.6, 31, 400);
        fillPolygon(p, groundQuad(v, -3.9, -3.4, 22, 30), kAsphalt);
        cyclistFromBehind(p, v, 2.6, 9, QColor(0xe0, 0x60, 0x20), true, false);
        carRear(p, v, 1.8, 60, kGreyCar);
    });
}

// Residential estate: a child on a kick scooter rolls out between parked cars.
QImage estateScooterScene()
{
    return picture(kPavement, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, 24), kBuilding);
        p.fillRect(QRectF(0, 108, kWidth, 22), kBuilding);
        for (qreal x = 8; x < kWidth; x += 24) {
            p.fillRect(QRectF(x, 6, 12, 10), QColor(0x6a, 0x88, 0xa8));
            p.fillRect(QRectF(x, 114, 12, 10), QColor(0x6a, 0x88, 0xa8));
        }
        p.fillRect(QRectF(0, 40, kWidth, 52), kAsphalt);
        for (const qreal x : {20.0, 54.0, 126.0, 160.0})
            carTop(p, {x, 100}, 0, x < 100 ? kGreyCar : kBlueCar, 30, 14);
        for (const qreal x : {40.0, 110.0, 176.0})
            carTop(p, {x, 32}, 180, kWhiteCar, 30, 14);
        scooterChild(p, {92, 100}, 22, QColor(0xe0, 0x40, 0x60), false);
        carTop(p, {38, 68}, 0, kOwnCar);
    });
}

// A cyclist rides straight onto the zebra crossing without getting off.
QImage zebraCyclistScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 18, 106);
        dashedLine(p, {0, 62}, {104, 62}, kYellowPaint, 1.8, 10, 7);
        dashedLine(p, {142, 62}, {kWidth, 62}, kYellowPaint, 1.8, 10, 7);
        zebraAcross(p, QRectF(112, 20, 24, 84), false);
        bikeTop(p, {124, 98}, -90, QColor(0x20, 0x70, 0x50));
        QPainterPath ride({124, 86});
        ride.lineTo({124, 64});
        dashedArrow(p, ride, kSightLine);
        carTop(p, {50, 86}, 0, kOwnCar);
        carTop(p, {176, 40}, 180, kGreyCar);
    });
}

// Expressway: a police car with its lights on stands in the emergency lane behind a crashed car.
QImage policeShoulderScene()
{
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 12, 106);
        paintLine(p, {0, 15}, {kWidth, 15});
        dashedLine(p, {0, 45}, {kWidth, 45}, kPaint, 1.6, 14, 10);
        paintLine(p, {0, 76}, {kWidth, 76}, kPaint, 2);
        p.fillRect(QRectF(0, 110, kWidth, 2.5), QColor(0xc8, 0xcc, 0xd0));
        policeCarTop(p, {118, 91}, 0);
        carTop(p, {164, 92}, 12, kBlueCar);
        hazardLights(p, {164, 92}, 12, 30, 15);
        walker(p, {142, 100}, 14, kNavy);
        walker(p, {188, 104}, 14, QColor(0x90, 0x40, 0x30), false);
        carTop(p, {36, 61}, 0, kOwnCar);
        carTop(p, {70, 30}, 0, kGreyCar);
    });
}

// Snow: a gritter spreading de-icer works along the lane ahead, amber beacon flashing.
QImage gritterScene()
{
    return driverView(QColor(0xa8, 0xb0, 0xb8), QColor(0xe0, 0xe4, 0xe8), QColor(0xf4, 0xf6, 0xf8),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 3.6, QColor(0xc8, 0xcc, 0xd0));
                          for (const qreal u : {-2.6, -1.0, 1.0, 2.6})
                              groundStripe(p, v, u, 0.5, 1.5, 400, QColor(0x88, 0x8c, 0x90));
                          Scatter grit(7);
                          for (int i = 0; i < 80; ++i) {
                              const qreal d = grit.between(14, 26);
                              disc(p, v.at(grit.between(-0.8, 4.2), d, grit.between(0, 0.6)),
                                   1.6 * 9 / d, QColor(0x60, 0x50, 0x48));
                          }
                          truckRear(p, v, 1.8, 22, QColor(0xf0, 0x80, 0x10));
                          const QPointF beacon = v.at(1.8, 22, 4.2);
                          flash(p, beacon, QColor(0xff, 0xb0, 0x10), 1.1);
                          carRear(p, v, -1.8, 70, kGreyCar);
                      });
}

// Tunnel: a broken-down car with its hazard lamps on in the right lane, someone beside it.
QImage tunnelBreakdownScene()
{
    return picture(QColor(0x30, 0x30, 0x34), [](QPainter &p) {
        const View v;
        const qreal left = -5.2;
        const qreal right = 5.2;
        const qreal top = 5.4;
        fillPolygon(p,
                    QPolygonF{v.at(left, 1.5, top), v.at(right, 1.5, top), v.at(right, 400, top),
                              v.at(left, 400, top)},
                    QColor(0x40, 0x40, 0x46));
        fillPolygon(
            p,
            QPolygonF{v.at(left, 1.5), v.at(left, 1.5, top), v.at(left, 400, top), v.at(left, 400)},
            QColor(0x9a, 0x98, 0x90));
        fillPolygon(p,
                    QPolygonF{v.at(right, 1.5), v.at(right, 1.5, top), v.at(right, 400, top),
                              v.at(right, 400)},
                    QColor(0xa4, 0xa2, 0x9a));
        for (const qreal side : {left, right})
            fillPolygon(p,
                        QPolygonF{v.at(side, 1.5, 0), v.at(side, 1.5, 1.2), v.at(side, 400, 1.2),
                                  v.at(side, 400, 0)},
                        QColor(0xe0, 0xd8, 0x60).darker(130));
        fillPolygon(p, groundQuad(v, left, right, 1.5, 400), QColor(0x4a, 0x4c, 0x50));
        groundStripe(p, v, -3.8, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.8, 0.15, 1.5, 400, kPaint);
        for (qreal d = 1.5; d < 400; d += 9)
            groundStripe(p, v, 0, 0.15, d, d + 4, kPaint);
        for (qreal d = 4; d < 300; d *= 1.35)
            for (const qreal x : {-2.0, 2.0})
                fillPolygon(p,
                            QPolygonF{v.at(x - 0.3, d, top - 0.05), v.at(x + 0.3, d, top - 0.05),
                                      v.at(x + 0.3, d + 1.2, top - 0.05),
                                      v.at(x - 0.3, d + 1.2, top - 0.05)},
                            QColor(0xff, 0xf0, 0xc0));
        const qreal ahead = 18;
        carRear(p, v, 1.9, ahead, kWhiteCar, true);
        for (const qreal x : {1.9 - 0.75, 1.9 + 0.75})
            flash(p, v.at(x, ahead, 0.85), kHazard, 0.9);
        walker(p, v.at(3.4, ahead - 1), 1.7 * v.focal / (ahead - 1), QColor(0x30, 0x60, 0xa0),
               false);
        bonnet(p);
    });
}

// Expressway bend: the red car has stopped at the tail of a queue just past the bend; a car comes
// up behind it, its view cut off by the trees on the inside of the bend.
QImage queueBendScene()
{
    return picture(kGrass, [](QPainter &p) {
        QPainterPath road({34, 140});
        road.lineTo(34, 78);
        road.cubicTo(34, 44, 58, 30, 96, 30);
        road.lineTo(210, 30);
        strokePath(p, road, flatPen(kKerb, 46));
        strokePath(p, road, flatPen(kPaint, 43));
        strokePath(p, road, flatPen(kAsphalt, 40));
        strokePath(p, road, dashPen(kPaint, 1.6, 10, 8));
        const auto along = [&](qreal percent, qreal side) {
            const QPointF at = road.pointAtPercent(percent);
            const qreal a = qDegreesToRadians(road.angleAtPercent(percent));
            const QPointF right(std::sin(a), std::cos(a));
            return std::make_pair(at + right * side, -road.angleAtPercent(percent));
        };
        for (const QPointF tree : {QPointF(74, 70), QPointF(88, 62), QPointF(70, 88),
                                   QPointF(96, 76), QPointF(84, 92), QPointF(110, 66)})
            disc(p, tree, 9, QColor(0x3c, 0x7a, 0x36));
        const QColor queue[] = {kGreyCar, kWhiteCar, kBlueCar, kGreyCar};
        for (int i = 0; i < 4; ++i) {
            const auto [at, angle] = along(0.6 + 0.1 * i, 10);
            carTop(p, at, angle, queue[i], 26, 13);
            rearLamps(p, at, angle, 26, 13, kBrakeRed, 3.5);
            const auto [at2, angle2] = along(0.64 + 0.1 * i, -10);
            carTop(p, at2, angle2, queue[(i + 2) % 4], 26, 13);
            rearLamps(p, at2, angle2, 26, 13, kBrakeRed, 3.5);
        }
        const auto [own, ownAngle] = along(0.5, 10);
        carTop(p, own, ownAngle, kOwnCar, 26, 13);
        rearLamps(p, own, ownAngle, 26, 13, kBrakeRed, 3.5);
        const auto [follower, followerAngle] = along(0.1, 10);
        carTop(p, follower, followerAngle, kBlueCar, 26, 13);
        trail(p, follower + QPointF(0, 16), {0, 8}, {3.5, 0}, 3);
        sightLine(p, follower + QPointF(0, -14), {76, 72}, true);
    });
}

// Low sun behind the red car: shadows point ahead; the oncoming car waiting to turn left faces it.
QImage sunBehindScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 38, 82};
        crossroads(p, c, false);
        paintLine(p, {100, 85}, {124, 85}, kPaint, 2);
        const QPointF own(112, 108);
        shadow(p, QRectF(own.x() - 7, own.y() - 13, 14, 26), {-6, -34});
        carTop(p, own, -90, kOwnCar, 26, 13);
        const QPointF turner(92, 52);
        shadow(p, QRectF(turner.x() - 7, turner.y() - 13, 14, 26), {-6, -34});
        carTop(p, turner, 90, kBlueCar, 26, 13);
        indicator(p, turner, 90, 26, 13, true);
        for (int i = 0; i < 3; ++i)
            line(p, {96.0 + 4 * i, 70}, {100.0 + 6 * i, 78},
                 roundPen(QColor(0xff, 0xe0, 0x60), 1.4));
        for (const QPointF tree : {QPointF(150, 110), QPointF(176, 110), QPointF(40, 110)}) {
            shadow(p, QRectF(tree.x() - 3, tree.y() - 3, 6, 6), {-10, -52});
            disc(p, tree, 8, QColor(0x4c, 0x8a, 0x3e));
        }
        lowSun(p, {186, 122}, 9);
    });
}

// Bend to the right carpeted with wet leaves under autumn trees.
QImage wetLeavesScene()
{
    return driverView(
        QColor(0x98, 0xa0, 0xa8), QColor(0xcc, 0xd0, 0xd4), QColor(0x7a, 0x8a, 0x50),
        [](QPainter &p, const View &v) {
            const Bend b{14, 0.012};
            fillPolygon(p, bentBand(v, b, -3.6, 3.6, 1.5, 300), QColor(0x4a, 0x4e, 0x54));
            bentMarkings(p, v, b, 3.6);
            Scatter leaves(11);
            const QColor tints[] = {QColor(0xc8, 0x70, 0x20), QColor(0xa8, 0x50, 0x18),
                                    QColor(0xd8, 0xa0, 0x30), QColor(0x8a, 0x40, 0x20)};
            for (int i = 0; i < 220; ++i) {
                const qreal d = 4 + 60 * std::pow(leaves.next(), 1.4);
                const qreal u = leaves.between(-3.5, 3.5) + b.offset(d);
                const QPointF at = v.at(u, d);
                const qreal r = 0.13 * v.focal / d;
                p.save();
                p.translate(at);
                p.rotate(leaves.between(0, 180));
                p.setBrush(tints[i % 4]);
                p.drawEllipse(QPointF(0, 0), r, r * 0.5);
                p.restore();
            }
            for (const qreal d : {10.0, 16.0, 24.0, 34.0, 48.0}) {
                for (const qreal side : {-1.0, 1.0}) {
                    const qreal u = side * 5.5 + b.offset(d);
                    const QPointF foot = v.at(u, d);
                    const qreal k = v.focal / d;
                    p.fillRect(QRectF(foot.x() - 0.12 * k, foot.y() - 3 * k, 0.24 * k, 3 * k),
                               QColor(0x5a, 0x40, 0x30));
                    disc(p, v.at(u, d, 3.6), 1.5 * k, QColor(0xd0, 0x80, 0x28));
                }
            }
        });
}

// Side view of a country road: two riders on horseback ahead of the red car.
QImage horsesScene()
{
    return picture(QColor(0xc8, 0xe0, 0xf4), [](QPainter &p) {
        p.fillRect(QRectF(0, 70, kWidth, 60), kGrass);
        for (const qreal x : {20.0, 70.0, 130.0, 180.0})
            disc(p, {x, 66}, 12, QColor(0x4c, 0x8a, 0x3e));
        p.fillRect(QRectF(0, 96, kWidth, 18), kAsphalt);
        p.fillRect(QRectF(0, 94, kWidth, 2), kKerb);
        p.save();
        p.translate(0, 108);
        p.scale(1.35, 1.35);
        p.translate(0, -108);
        carSide(p, {36, 111}, 0, kOwnCar, true);
        horseRider(p, {104, 108}, 18, QColor(0x8a, 0x5a, 0x30), QColor(0xe0, 0x40, 0x30));
        horseRider(p, {128, 108}, 18, QColor(0x3a, 0x2a, 0x22), QColor(0x30, 0x70, 0xc0));
        p.restore();
    });
}

// Night, no street lights: two people in dark clothes walk along the right edge while a car comes
// the other way.
QImage nightWalkersScene()
{
    return driverView(QColor(0x08, 0x0c, 0x18), QColor(0x18, 0x20, 0x30), QColor(0x10, 0x12, 0x14),
                      [](QPainter &p, const View &v) {
                          straightRoad(p, v, 3.6, QColor(0x22, 0x24, 0x28));
                          QLinearGradient beam(0, kHeight, 0, v.horizon + 8);
                          beam.setColorAt(0, QColor(0xff, 0xf0, 0xc0, 110));
                          beam.setColorAt(1, QColor(0xff, 0xf0, 0xc0, 0));
                          p.save();
                          p.setBrush(beam);
                          p.drawPolygon(groundQuad(v, -2.0, 4.6, 1.5, 45));
                          p.restore();
                          roadMarkings(p, v, 3.6);
                          walker(p, v.at(3.3, 16), 1.7 * v.focal / 16, QColor(0x40, 0x40, 0x48));
                          walker(p, v.at(3.9, 17), 1.65 * v.focal / 17, QColor(0x38, 0x34, 0x30));
                          for (const qreal x : {-2.6, -1.0}) {
                              glow(p, v.at(x, 55, 0.7), QColor(0xff, 0xff, 0xe0), 8);
                              disc(p, v.at(x, 55, 0.7), 1.8, kWhite);
                          }
                      });
}

// Flat-bed lorry ahead whose load has slipped and leans out over the side.
QImage loadShiftScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 5.4);
        groundStripe(p, v, -5.1, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 5.1, 0.15, 1.5, 400, kPaint);
        for (qreal d = 1.5; d < 400; d += 9)
            groundStripe(p, v, 1.6, 0.15, d, d + 4, kPaint);
        flatbedRear(p, v, 3.3, 16, 9);
        carRear(p, v, -1.6, 50, kBlueCar);
    });
}

// Tram tracks along the cross street; the queue beyond the tracks leaves no room to clear them.
QImage tramScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{76, 124, 44, 92};
        crossroads(p, c, false);
        p.fillRect(QRectF(0, 54, kWidth, 28), QColor(0x70, 0x72, 0x74));
        for (const qreal y : {58.0, 64.0, 72.0, 78.0})
            paintLine(p, {0, y}, {kWidth, y}, QColor(0xc0, 0xc4, 0xc8), 1.4);
        paintLine(p, {100, 96}, {124, 96}, kPaint, 2);
        topView(p, {36, 75}, 0, 64, 15, [&](qreal l, qreal w) {
            outlined(p, roundedRect(QRectF(-l, -w, 2 * l, 2 * w), 6), QColor(0x30, 0xa0, 0x60),
                     QColor(0x10, 0x50, 0x30));
            for (qreal x = -l + 6; x < l - 8; x += 11)
                p.fillRect(QRectF(x, -w + 1.5, 8, 2 * w - 3), QColor(0x40, 0xb8, 0x70));
            p.fillRect(QRectF(l - 5, -w + 2, 3, 2 * w - 4), kGlass);
        });
        for (int i = 0; i < 3; ++i)
            carTop(p, {112, 32.0 - 29 * i}, -90, i == 1 ? kWhiteCar : kGreyCar, 26, 13);
        for (int i = 0; i < 3; ++i)
            rearLamps(p, {112, 32.0 - 29 * i}, -90, 26, 13, kBrakeRed, 3.5);
        carTop(p, {112, 112}, -90, kOwnCar, 26, 13);
    });
}

// Two cars ahead: the far one, seen past the near one on a gentle left curve, has its brake lamps
// on.
QImage brakeTwoAheadScene()
{
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        const Bend b{10, -0.004};
        fillPolygon(p, bentBand(v, b, -3.6, 3.6, 1.5, 300), kAsphalt);
        bentMarkings(p, v, b, 3.6);
        const qreal far = 40;
        const qreal farX = 1.8 + b.offset(far);
        carRear(p, v, farX, far, kWhiteCar, true);
        for (const qreal x : {farX - 0.7, farX + 0.7})
            glow(p, v.at(x, far, 0.85), kBrakeRed, 6);
        const qreal near = 14;
        carRear(p, v, 1.8 + b.offset(near), near, kBlueCar, false);
    });
}

// Rain: deep water lies across the right-hand part of the lane ahead.
QImage oneSidePuddleScene()
{
    return driverView(
        QColor(0x70, 0x78, 0x84), QColor(0xa8, 0xb0, 0xb8), QColor(0x6a, 0x80, 0x50),
        [](QPainter &p, const View &v) {
            straightRoad(p, v, 3.6, QColor(0x48, 0x4c, 0x52));
            roadMarkings(p, v, 3.6);
            QPainterPath puddle;
            puddle.moveTo(v.at(1.0, 9));
            puddle.cubicTo(v.at(0.6, 12), v.at(0.9, 17), v.at(1.6, 20));
            puddle.lineTo(v.at(4.2, 20));
            puddle.lineTo(v.at(4.2, 9));
            puddle.closeSubpath();
            p.fillPath(puddle, QColor(0x70, 0x88, 0xa0));
            p.save();
            p.setClipPath(puddle);
            for (qreal d = 9.5; d < 20; d += 1.6)
                line(p, v.at(1.0, d), v.at(4.2, d), flatPen(QColor(0xb0, 0xc4, 0xd4), 0.8));
            p.restore();
            p.save();
            p.setOpacity(0.5);
            for (int i = 0; i < 40; ++i) {
                const qreal x = std::fmod(i * 37.0, kWidth);
                const qreal y = std::fmod(i * 23.0, 110.0);
                line(p, {x, y}, {x - 2, y + 7}, roundPen(QColor(0xe0, 0xe8, 0xf0), 0.8));
            }
            p.restore();
            carRear(p, v, -1.8, 60, kGreyCar, true);
        });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-hazards",
                   {
                       {"scene_hz_door_cyclist.jpg", doorCyclistScene},
                       {"scene_hz_lorry_left_hidden.jpg", lorryLeftHiddenScene},
                       {"scene_hz_van_side_road.jpg", vanSideRoadScene},
                       {"scene_hz_island_children.jpg", islandChildrenScene},
                       {"scene_hz_delivery_ebike.jpg", deliveryEbikeScene},
                       {"scene_hz_narrow_other_side.jpg", narrowOtherSideScene},
                       {"scene_hz_parallel_reverse.jpg", parallelReverseScene},
                       {"scene_hz_wedding_convoy.jpg", weddingConvoyScene},
                       {"scene_hz_cyclist_arm.jpg", cyclistArmScene},
                       {"scene_hz_estate_scooter.jpg", estateScooterScene},
                       {"scene_hz_zebra_cyclist.jpg", zebraCyclistScene},
                       {"scene_hz_police_shoulder.jpg", policeShoulderScene},
                       {"scene_hz_gritter.jpg", gritterScene},
                       {"scene_hz_tunnel_breakdown.jpg", tunnelBreakdownScene},
                       {"scene_hz_queue_bend.jpg", queueBendScene},
                       {"scene_hz_sun_behind.jpg", sunBehindScene},
                       {"scene_hz_wet_leaves.jpg", wetLeavesScene},
                       {"scene_hz_horses.jpg", horsesScene},
                       {"scene_hz_night_walkers.jpg", nightWalkersScene},
                       {"scene_hz_load_shift.jpg", loadShiftScene},
                       {"scene_hz_tram.jpg", tramScene},
                       {"scene_hz_brake_two_ahead.jpg", brakeTwoAheadScene},
                       {"scene_hz_one_side_puddle.jpg", oneSidePuddleScene},
                   });
}
