// Draws the traffic situations of the heavy-goods-vehicle questions into a folder given on the
// command line.

#include "scenes.h"

using namespace painting;

namespace {

const QColor kCab(0xe0, 0x60, 0x20);
const QColor kBox(0x4a, 0x70, 0x9c);
const QColor kZone(0xff, 0x40, 0x20, 105);
const QColor kChassis(0x30, 0x30, 0x32);
const QColor kSignYellow(0xfb, 0xc7, 0x00);
const QColor kReflectRed(0xe0, 0x20, 0x20);
const QColor kSky(0xc8, 0xe0, 0xf4);
const QColor kLeak(0x8a, 0x5a, 0xb4, 170);

// Dual or single wheel seen from the side.
void wheel(QPainter &p, QPointF hub, qreal radius)
{
    disc(p, hub, radius, kBlack);
    disc(p, hub, radius * 0.45, QColor(0x9a, 0x9a, 0xa0));
    disc(p, hub, radius * 0.15, kChassis);
}

// Cab of a lorry seen from the side, facing right, its back at x and its floor at the chassis.
void cabSide(QPainter &p, qreal back, qreal chassisTop, qreal height, const QColor &colour)
{
    const qreal top = chassisTop - height;
    QPainterPath cab;
    cab.moveTo(back, chassisTop + 6);
    cab.lineTo(back, top + 2);
    cab.quadTo(back, top, back + 2, top);
    cab.lineTo(back + 24, top);
    cab.quadTo(back + 29, top + 1, back + 30, top + 8);
    cab.lineTo(back + 31, chassisTop + 6);
    cab.closeSubpath();
    outlined(p, cab, colour, colour.darker(160));
    fillPolygon(p,
                QPolygonF{{back + 17, top + 3},
                          {back + 26, top + 3},
                          {back + 28.5, top + height * 0.45},
                          {back + 17, top + height * 0.45}},
                kGlass);
    p.fillRect(QRectF(back + 3, top + 3, 11, height * 0.42), kGlass);
    line(p, {back + 15.5, top + height * 0.5}, {back + 15.5, chassisTop + 4},
         flatPen(colour.darker(140), 0.8));
    p.fillRect(QRectF(back + 28, chassisTop + 2, 3.5, 3), QColor(0xff, 0xf4, 0xc0));
}

// Alternating red and white reflective strip along a line, in cells of the given length.
void reflectiveStrip(QPainter &p, QPointF from, QPointF to, qreal width, qreal cell = 6)
{
    const QLineF axis(from, to);
    const int cells = std::max(1, int(std::round(axis.length() / cell)));
    for (int i = 0; i < cells; ++i) {
        const QPointF a = axis.pointAt(qreal(i) / cells);
        const QPointF b = axis.pointAt(qreal(i + 1) / cells);
        line(p, a, b, flatPen(i % 2 == 0 ? kReflectRed : kWhite, width));
    }
}

// Yellow warning triangle with a black rim, pointing up, about the given half width.
void warningTriangle(QPainter &p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(roundPen(kBlack, radius * 0.16));
    p.setBrush(kSignYellow);
    p.drawPolygon(triangle(centre, radius));
    p.restore();
}

void signPost(QPainter &p, QPointF top, QPointF foot)
{
    line(p, top, foot, flatPen(QColor(0x70, 0x70, 0x74), 2));
}

// White auxiliary plate with black text under a sign.
void plate(QPainter &p, const QRectF &box, const QString &text)
{
    outlined(p, roundedRect(box, 1.5), kWhite, kBlack, 1);
    fitText(p, text, box.adjusted(2, 1.5, -2, -1.5), kBlack);
}

// Picture labels: dark text on a pale tab so that they read on any background.
void label(QPainter &p, const QRectF &box, const QString &text, const QColor &ink = kInk)
{
    outlined(p, roundedRect(box, 2), QColor(0xff, 0xff, 0xff, 225), QColor(0x60, 0x60, 0x66), 0.6);
    fitText(p, text, box.adjusted(1.5, 1, -1.5, -1), ink);
}

// Inner wheel paths of a lorry turning right: the rear wheels trail the front ones and cut inside,
// sweeping the band between the two paths.
QImage truckRightTurnScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        const QPointF hub(150, 100);
        const qreal kerbRadius = 30;
        const qreal frontRadius = 47;
        const qreal wheelbase = 30;
        p.fillRect(QRectF(0, 0, 28, kHeight), kPavement);
        line(p, {29, 0}, {29, kHeight}, flatPen(kKerb, 3));
        QPainterPath block({hub.x() - kerbRadius, 130.0});
        block.lineTo(hub.x() - kerbRadius, hub.y());
        block.arcTo(QRectF(hub.x() - kerbRadius, hub.y() - kerbRadius, 2 * kerbRadius,
                           2 * kerbRadius),
                    180, -90);
        block.lineTo(200, hub.y() - kerbRadius);
        block.lineTo(200, 130);
        block.closeSubpath();
        strokePath(p, block, flatPen(kKerb, 4));
        p.fillPath(block, kPavement);
        paintLine(p, {74, 0}, {74, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {120, 34}, {200, 34}, kYellowPaint, 1.8);

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
        p.fillPath(band, QColor(0xff, 0x80, 0x20, 130));
        QPainterPath rearPath;
        rearPath.addPolygon(rears);
        QPainterPath frontLine;
        frontLine.addPolygon(fronts);
        strokePath(p, frontLine, dashPen(QColor(0x50, 0xb0, 0xff), 1.8, 4, 3));
        strokePath(p, rearPath, dashPen(QColor(0xff, 0xe0, 0x30), 1.8, 4, 3));

        // The lorry stands with its front axle a little into the turn.
        int pose = 0;
        for (int i = 0; i <= steps; ++i)
            if (fronts[i].y() < hub.y() - 14) {
                pose = i;
                break;
            }
        const QPointF frontAxle = fronts[pose];
        const QPointF rearAxle = rears[pose];
        const QPointF axis = (frontAxle - rearAxle) / wheelbase;
        const QPointF outward(axis.y(), -axis.x());
        const QPointF centre = (frontAxle + rearAxle) / 2 - axis * 3 + outward * 7.5;
        truckTop(p, centre, -QLineF(rearAxle, frontAxle).angle(), kCab, kBox, 50, 14);
        cyclist(p, hub + 40 * QPointF(-0.87, -0.5) + QPointF(2, 8), 17, QColor(0x20, 0x50, 0x90));
    });
}

// Continuous-descent warning sign: the slope falls in two runs with a car on the upper one.
void continuousDescentSign(QPainter &p, QPointF centre, qreal radius)
{
    warningTriangle(p, centre, radius);
    const qreal u = radius / 20;
    const QPointF o = centre + QPointF(0, 2 * u);
    fillPolygon(p,
                QPolygonF{o + QPointF(-11 * u, -3 * u), o + QPointF(-2 * u, 1.5 * u),
                          o + QPointF(1 * u, 1.5 * u), o + QPointF(11 * u, 6.5 * u),
                          o + QPointF(11 * u, 8 * u), o + QPointF(-11 * u, 8 * u)},
                kBlack);
    p.save();
    p.translate(o + QPointF(-7 * u, -5.2 * u));
    p.rotate(26);
    p.fillRect(QRectF(-3.5 * u, -2 * u, 7 * u, 2.6 * u), kBlack);
    p.fillRect(QRectF(-1.8 * u, -3.6 * u, 3.6 * u, 1.8 * u), kBlack);
    p.restore();
}

QImage truckDownhillScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), kSky);
        fillPolygon(
            p,
            QPolygonF{
                {0, 40}, {30, 24}, {70, 34}, {120, 18}, {170, 30}, {200, 22}, {200, 130}, {0, 130}},
            QColor(0x9a, 0xb4, 0x88));
        QPainterPath slope({0, 30});
        slope.lineTo(200, 108);
        hillside(p, slope, QColor(0x7a, 0x9a, 0x50));
        const qreal angle = -QLineF(slope.pointAtPercent(0), slope.pointAtPercent(1)).angle();
        truckSide(p, slope.pointAtPercent(0.24), angle, kCab, kBox, 1.0);
        sceneArrow(p,
                   segment(slope.pointAtPercent(0.42) + QPointF(0, -12),
                           slope.pointAtPercent(0.55) + QPointF(0, -12)),
                   2, 5, 6, kSwing);
        const QPointF foot = slope.pointAtPercent(0.83) + QPointF(0, 1);
        const QPointF signCentre(foot.x(), 33);
        signPost(p, signCentre, foot);
        continuousDescentSign(p, signCentre, 23);
        plate(p, QRectF(signCentre.x() - 27, signCentre.y() + 19, 54, 17),
              QStringLiteral("连续下坡"));
    });
}

// The places a lorry driver cannot see from the seat: right in front of the cab, along the right
// side and behind the body.
QImage truckBlindZonesScene()
{
    return picture(kPavement, [](QPainter &p) {
        p.fillRect(QRectF(20, 0, 130, kHeight), kAsphalt);
        line(p, {150, 0}, {150, kHeight}, flatPen(kKerb, 3));
        line(p, {19, 0}, {19, kHeight}, flatPen(kKerb, 3));
        dashedLine(p, {72, 0}, {72, kHeight});
        const QPointF centre(108, 64);
        const qreal length = 76;
        const qreal width = 22;
        const qreal front = centre.y() - length / 2;
        const qreal rear = centre.y() + length / 2;
        const qreal left = centre.x() - width / 2;
        const qreal right = centre.x() + width / 2;
        const auto zone = [&p](const QPolygonF &shape) {
            p.fillPath(polygonPath(shape), kZone);
            strokePath(p, polygonPath(shape), dashPen(QColor(0xc0, 0x20, 0x10), 1, 3, 2));
        };
        zone({{left - 2, front - 17}, {right + 6, front - 17}, {right + 6, front}, {left - 2, front}});
        zone({{right + 1, front + 3}, {right + 27, front - 4}, {right + 27, rear - 22},
              {right + 1, rear - 8}});
        zone({{left - 4, rear + 1}, {right + 4, rear + 1}, {right + 10, 130}, {left - 10, 130}});
        truckTop(p, centre, -90, kCab, kBox, length, width);
        for (const qreal side : {-1.0, 1.0})
            p.fillRect(QRectF(centre.x() + side * (width / 2 + 2) - 1.5, front + 5, 3, 5), kChassis);
        walker(p, {centre.x() + 1, front - 2}, 15, QColor(0xd0, 0x30, 0x60), false, true);
    });
}

// Back of a semi-trailer: reflective outline, enlarged plate number, lamps, the plate and the
// underrun bar below.
QImage trailerRearScene()
{
    return picture(QColor(0xe4, 0xe6, 0xea), [](QPainter &p) {
        p.fillRect(QRectF(0, 118, kWidth, 12), kAsphalt);
        const QRectF body(44, 6, 112, 80);
        for (const qreal x : {46.0, 138.0})
            p.fillRect(QRectF(x, 92, 16, 30), kBlack);
        outlined(p, roundedRect(body, 1.5), QColor(0xe8, 0xe8, 0xe2), QColor(0x90, 0x90, 0x90));
        line(p, {100, 8}, {100, 84}, flatPen(QColor(0xa0, 0xa0, 0xa0), 1));
        for (const qreal x : {72.0, 128.0})
            line(p, {x, 9}, {x, 83}, flatPen(QColor(0x9a, 0x9a, 0x9e), 1.6));
        reflectiveStrip(p, {46, 84}, {154, 84}, 3.4, 7);
        reflectiveStrip(p, {46.5, 82}, {46.5, 50}, 3, 7);
        reflectiveStrip(p, {153.5, 82}, {153.5, 50}, 3, 7);
        reflectiveStrip(p, {46.5, 9}, {68, 9}, 3, 7);
        reflectiveStrip(p, {46.5, 9}, {46.5, 24}, 3, 7);
        reflectiveStrip(p, {153.5, 9}, {132, 9}, 3, 7);
        reflectiveStrip(p, {153.5, 9}, {153.5, 24}, 3, 7);
        fitText(p, QStringLiteral("京A·3568挂"), QRectF(56, 36, 88, 20), kBlack, 0.6);
        p.fillRect(QRectF(42, 86, 116, 6), kChassis);
        for (const qreal x : {48.0, 136.0}) {
            p.fillRect(QRectF(x, 92, 16, 6), QColor(0x55, 0x55, 0x58));
            p.fillRect(QRectF(x + 1, 93, 7, 4), QColor(0xe8, 0x24, 0x20));
            p.fillRect(QRectF(x + 8, 93, 7, 4), QColor(0xff, 0xa0, 0x10));
        }
        for (const qreal x : {70.0, 130.0})
            p.fillRect(QRectF(x - 2, 92, 4, 20), kChassis);
        outlined(p, roundedRect(QRectF(74, 93, 52, 15), 1.5), QColor(0xf6, 0xc8, 0x10), kBlack, 0.8);
        fitText(p, QStringLiteral("京A·3568挂"), QRectF(76, 95, 48, 11), kBlack);
        p.fillRect(QRectF(56, 110, 88, 7), kChassis);
        reflectiveStrip(p, {57, 113.5}, {143, 113.5}, 4, 7);
        sceneArrow(p, segment({190, 127}, {150, 117}), 2.4, 7, 8, kSwing);
    });
}

// Side of a rigid lorry: the guard rails between the wheels and the reflective strip along the
// body.
QImage truckSideGuardScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 110, kWidth, 20), kAsphalt);
        p.fillRect(QRectF(0, 108, kWidth, 2), kKerb);
        const qreal chassis = 88;
        outlined(p, roundedRect(QRectF(8, 26, 136, 60), 1.5), kBox, kBox.darker(150));
        for (qreal x = 24; x < 140; x += 16)
            line(p, {x, 28}, {x, 84}, flatPen(kBox.darker(115), 0.8));
        reflectiveStrip(p, {10, 83}, {142, 83}, 3.2, 7);
        p.fillRect(QRectF(8, chassis - 2, 170, 6), kChassis);
        cabSide(p, 147, chassis, 44, kCab);
        for (const qreal x : {28.0, 50.0})
            wheel(p, {x, 101}, 9);
        wheel(p, {164, 101}, 9);
        const QColor rail(0xd8, 0xd8, 0xdc);
        for (const qreal y : {93.0, 100.0})
            outlined(p, roundedRect(QRectF(62, y, 88, 4), 1), rail, QColor(0x70, 0x70, 0x74), 0.6);
        for (const qreal x : {70.0, 104.0, 140.0})
            p.fillRect(QRectF(x, chassis + 4, 3, 13), QColor(0x70, 0x70, 0x74));
        sceneArrow(p, segment({110, 126}, {110, 106}), 2.4, 6, 8, kSwing);
    });
}

// Tractor reversing under a parked semi-trailer standing on its legs.
QImage semiCouplingScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        // Trailer: the skid plate sits a little below the top of the fifth wheel.
        outlined(p, roundedRect(QRectF(-4, 18, 112, 52), 1.5), QColor(0xdc, 0xdc, 0xd6),
                 QColor(0x90, 0x90, 0x90));
        p.fillRect(QRectF(-4, 70, 112, 6), kChassis);
        p.fillRect(QRectF(93, 76, 4, 4), QColor(0x50, 0x50, 0x54));
        for (const qreal x : {58.0}) {
            p.fillRect(QRectF(x, 76, 4, 30), QColor(0x70, 0x70, 0x74));
            p.fillRect(QRectF(x - 3, 106, 10, 4), QColor(0x50, 0x50, 0x54));
        }
        wheel(p, {12, 103}, 9);
        wheel(p, {-8, 103}, 9);
        // Tractor.
        const qreal chassis = 88;
        p.fillRect(QRectF(104, chassis, 82, 6), kChassis);
        cabSide(p, 156, chassis, 46, kCab);
        QPainterPath fifth;
        fifth.moveTo(108, chassis);
        fifth.lineTo(110, 74);
        fifth.lineTo(134, 74);
        fifth.lineTo(136, chassis);
        fifth.closeSubpath();
        outlined(p, fifth, QColor(0x3c, 0x3c, 0x40), kBlack, 0.6);
        for (const qreal x : {116.0, 136.0})
            wheel(p, {x, 103}, 9);
        wheel(p, {172, 103}, 9);
        sceneArrow(p, segment({150, 14}, {118, 14}), 2.4, 7, 8, kSwing);
        label(p, QRectF(126, 52, 36, 15), QStringLiteral("牵引座"));
        line(p, {134, 67}, {128, 74}, flatPen(kInk, 1));
        label(p, QRectF(66, 86, 36, 15), QStringLiteral("牵引板"));
        line(p, {90, 86}, {100, 76}, flatPen(kInk, 1));
    });
}

// Semi-trailer combination folded on a wet bend: the tractor has slewed round against the trailer.
QImage jackknifeScene()
{
    return picture(kGrass, [](QPainter &p) {
        QPainterPath road;
        road.moveTo(-10, 130);
        road.cubicTo(60, 70, 120, 40, 210, 30);
        strokePath(p, road, flatPen(kKerb, 66));
        const QColor wet(0x4a, 0x54, 0x60);
        strokePath(p, road, flatPen(wet, 60));
        strokePath(p, road, dashPen(kYellowPaint, 1.6, 8, 6));
        p.save();
        p.setOpacity(0.35);
        Scatter s(7);
        for (int i = 0; i < 22; ++i) {
            const QPointF at = road.pointAtPercent(s.between(0.05, 0.95)) +
                               QPointF(s.between(-22, 22), s.between(-16, 16));
            line(p, at, at + QPointF(s.between(5, 12), -s.between(1, 4)),
                 roundPen(QColor(0xc0, 0xd8, 0xf0), 1.2));
        }
        p.restore();
        // Trailer runs along the road; the tractor has turned across its nose.
        const QPointF trailerCentre(84, 70);
        const qreal trailerAngle = -28;
        topView(p, trailerCentre, trailerAngle, 78, 18, [&](qreal l, qreal w) {
            outlined(p, roundedRect(QRectF(-l, -w, 2 * l, 2 * w), 1.5), kBox, kBox.darker(160));
            for (qreal x = -l + 8; x < l - 4; x += 9)
                line(p, {x, -w + 1}, {x, w - 1}, flatPen(kBox.darker(115), 0.8));
        });
        const QPointF kingpin = local(trailerCentre, trailerAngle, {33, 0});
        const qreal tractorAngle = trailerAngle + 62;
        const QPointF tractorCentre = local(kingpin, tractorAngle, {6, 0});
        topView(p, tractorCentre, tractorAngle, 30, 18, [&](qreal l, qreal w) {
            p.fillRect(QRectF(-l, -w + 3, 2 * l - 10, 2 * w - 6), kChassis);
            outlined(p, roundedRect(QRectF(l - 14, -w, 14, 2 * w), 3), kCab, kCab.darker(160));
            p.fillRect(QRectF(l - 4.5, -w + 2.5, 2.5, 2 * w - 5), kGlass);
        });
        sceneArrow(p, segment(local(tractorCentre, tractorAngle, {18, -16}),
                              local(tractorCentre, tractorAngle, {24, 4})),
                   2.2, 6, 7, kSwing);
    });
}

// Flat-bed lorry with steel pipes sticking out well past the tailboard, a red flag on the end.
QImage pipeOverhangScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 110, kWidth, 20), kAsphalt);
        const qreal chassis = 86;
        p.fillRect(QRectF(42, chassis - 8, 104, 8), QColor(0x8a, 0x6a, 0x40));
        p.fillRect(QRectF(42, chassis, 140, 6), kChassis);
        cabSide(p, 148, chassis, 44, kCab);
        for (const qreal x : {60.0, 80.0})
            wheel(p, {x, 101}, 9);
        wheel(p, {166, 101}, 9);
        // Three layers of pipe seen end-on at the back, the bundle reaching well past the bed.
        for (int row = 0; row < 3; ++row) {
            const qreal y = chassis - 12 - row * 7.5;
            line(p, {6, y}, {144, y}, flatPen(QColor(0x88, 0x8c, 0x92), 7));
            line(p, {6, y - 2}, {144, y - 2}, flatPen(QColor(0xc8, 0xcc, 0xd2), 1.2));
            disc(p, {6, y}, 3.5, QColor(0x70, 0x74, 0x7a));
            disc(p, {6, y}, 2, QColor(0x30, 0x30, 0x34));
        }
        for (const qreal x : {70.0, 120.0})
            line(p, {x, chassis - 34}, {x, chassis - 8}, flatPen(QColor(0xf0, 0xa0, 0x10), 2));
        line(p, {8, 56}, {8, 40}, flatPen(kChassis, 1.2));
        fillPolygon(p, QPolygonF{{8, 40}, {22, 44}, {8, 49}}, kRed);
        // Dimension of the overhang behind the tailboard.
        line(p, {42, 64}, {42, 24}, dashPen(kInk, 1, 3, 2));
        sceneArrow(p, segment({30, 28}, {7, 28}), 1.4, 4, 5, kInk);
        sceneArrow(p, segment({20, 28}, {41, 28}), 1.4, 4, 5, kInk);
    });
}

// Diamond placard of flammable liquids: red, a black flame and the class number.
void flammablePlacard(QPainter &p, QPointF centre, qreal half)
{
    outlined(p, polygonPath(polygonAround(4, half, -90, centre)), QColor(0xe0, 0x20, 0x20), kWhite,
             1);
    const qreal u = half / 10;
    QPainterPath flame;
    flame.moveTo(centre + QPointF(0, -6.5 * u));
    flame.cubicTo(centre + QPointF(4.5 * u, -2 * u), centre + QPointF(3.5 * u, 1.5 * u),
                  centre + QPointF(0, 2 * u));
    flame.cubicTo(centre + QPointF(-3.5 * u, 1.5 * u), centre + QPointF(-3.5 * u, -2.5 * u),
                  centre + QPointF(0, -6.5 * u));
    p.fillPath(flame, kBlack);
    fitText(p, QStringLiteral("3"), QRectF(centre + QPointF(-2.5 * u, 3.2 * u), QSizeF(5 * u, 5 * u)),
            kBlack);
}

// Tank vehicle for flammable liquid: lamp on the cab roof, diamond placard, static strap.
QImage tankerMarksScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        const qreal chassis = 88;
        p.fillRect(QRectF(10, chassis, 176, 6), kChassis);
        outlined(p, roundedRect(QRectF(10, 44, 134, 42), 20), QColor(0xe4, 0xe6, 0xea),
                 QColor(0x8a, 0x8c, 0x92), 1);
        p.fillRect(QRectF(12, 62, 130, 4), QColor(0x2a, 0x6a, 0xc0));
        outlined(p, roundedRect(QRectF(70, 39, 16, 6), 1), QColor(0xc0, 0xc2, 0xc6),
                 QColor(0x70, 0x72, 0x78), 0.6);
        flammablePlacard(p, {34, 70}, 13);
        cabSide(p, 150, chassis, 44, kCab);
        // Roof lamp: yellow triangle reading 危险.
        const QPointF lampCentre(165, 29);
        p.save();
        p.setPen(roundPen(kBlack, 1.2));
        p.setBrush(QColor(0xff, 0xd0, 0x20));
        p.drawPolygon(QPolygonF{lampCentre + QPointF(-21, 14), lampCentre + QPointF(21, 14),
                                lampCentre + QPointF(0, -14)});
        p.restore();
        fitText(p, QStringLiteral("危险"), QRectF(lampCentre + QPointF(-11, 1), QSizeF(22, 11)),
                kBlack);
        for (const qreal x : {30.0, 52.0})
            wheel(p, {x, 101}, 9);
        wheel(p, {168, 101}, 9);
        // Static strap trailing on the ground behind the rear axle.
        QPainterPath strap({16, 93});
        strap.quadTo(15, 108, 4, 112);
        strokePath(p, strap, flatPen(kBlack, 3));
        sceneArrow(p, segment({28, 126}, {12, 113}), 2, 6, 7, kSwing);
    });
}

// Tank vehicle stopped on the verge with a pool spreading underneath; the wind blows across.
QImage tankerLeakScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 36, kWidth, 56), kKerb);
        p.fillRect(QRectF(0, 38, kWidth, 52), kAsphalt);
        dashedLine(p, {0, 64}, {kWidth, 64}, kPaint);
        p.fillRect(QRectF(0, 104, kWidth, 9), QColor(0x5a, 0x7a, 0x40));
        p.fillRect(QRectF(0, 106, kWidth, 5), QColor(0x6a, 0x8a, 0xa8));
        QPainterPath pool;
        pool.addEllipse(QPointF(106, 80), 34, 11);
        pool.addEllipse(QPointF(128, 86), 22, 8);
        p.fillPath(pool.simplified(), kLeak);
        topView(p, {104, 77}, 0, 70, 18, [&](qreal l, qreal w) {
            p.fillRect(QRectF(-l, -w + 2, 2 * l - 16, 2 * w - 4), kChassis);
            outlined(p, roundedRect(QRectF(-l + 1, -w + 1, 2 * l - 20, 2 * w - 2), 8),
                     QColor(0xe4, 0xe6, 0xea), QColor(0x80, 0x82, 0x88));
            outlined(p, roundedRect(QRectF(l - 14, -w, 14, 2 * w), 3), kCab, kCab.darker(160));
            p.fillRect(QRectF(l - 4.5, -w + 2.5, 2.5, 2 * w - 5), kGlass);
        });
        hazardLights(p, {104, 77}, 0, 70, 18);
        sceneArrow(p, segment({16, 18}, {90, 18}), 3.2, 9, 11, QColor(0x20, 0x60, 0xb0));
        label(p, QRectF(96, 9, 34, 18), QStringLiteral("风向"));
    });
}

// Lorry stacked high leaning out on a left-hand bend, seen from behind.
QImage highLoadBendScene()
{
    return picture(kGrass, [](QPainter &p) {
        const View v;
        sky(p, v, kClearSky, kClearHorizon);
        QPainterPath road;
        road.moveTo(20, 130);
        road.cubicTo(70, 90, 60, 58, 20, 47);
        road.lineTo(34, 47);
        road.cubicTo(120, 56, 170, 90, 200, 118);
        road.lineTo(200, 130);
        road.closeSubpath();
        p.fillPath(road, kAsphalt);
        QPainterPath centreLine({96, 130});
        centreLine.cubicTo(108, 92, 90, 60, 27, 47);
        strokePath(p, centreLine, dashPen(kYellowPaint, 1.8, 7, 5));
        // Sharp-bend warning sign on the outside of the bend.
        const QPointF signCentre(176, 24);
        signPost(p, signCentre, {176, 70});
        warningTriangle(p, signCentre, 17);
        QPainterPath bend({signCentre.x() + 3, signCentre.y() + 10});
        bend.lineTo(signCentre.x() + 3, signCentre.y() + 1);
        bend.quadTo(signCentre.x() + 3, signCentre.y() - 4, signCentre.x() - 3, signCentre.y() - 4);
        arrow(p, bend, 3.4, 5, 8, kBlack, 0.5);
        // The lorry leans to the right, the outside of the turn.
        p.save();
        p.translate(128, 112);
        p.rotate(7);
        p.fillRect(QRectF(-40, -8, 14, 10), kBlack);
        p.fillRect(QRectF(-4, -8, 14, 10), kBlack);
        p.fillRect(QRectF(-42, -14, 54, 7), kChassis);
        const QColor crate(0xc8, 0x9a, 0x5a);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col)
                outlined(p, roundedRect(QRectF(-42 + col * 18, -31 - row * 17, 18, 17), 0), crate,
                         crate.darker(150));
        p.fillRect(QRectF(-41, -12, 6, 3), QColor(0xff, 0x30, 0x20));
        p.fillRect(QRectF(5, -12, 6, 3), QColor(0xff, 0x30, 0x20));
        p.restore();
        sceneArrow(p, segment({150, 50}, {182, 56}), 2.6, 7, 8, kSwing);
    });
}

// Lorry waiting at a red light to turn right: a cyclist beside it and people on the crossing it
// would cut through.
QImage redLightRightTurnScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{52, 158, 28, 76};
        crossroads(p, c, true);
        dashedLine(p, {131, c.bottom + 14}, {131, kHeight});
        dashedLine(p, {78, 0}, {78, c.top - 14});
        topView(p, {140, 116}, -90, 52, 15, [&](qreal l, qreal w) {
            outlined(p, roundedRect(QRectF(-l, -w, 2 * l - 15, 2 * w), 1.5), kBox, kBox.darker(160));
            outlined(p, roundedRect(QRectF(l - 14, -w + 0.5, 14, 2 * w - 1), 3), kCab,
                     kCab.darker(160));
            p.fillRect(QRectF(l - 4.5, -w + 2.5, 2.5, 2 * w - 5), kGlass);
        });
        indicator(p, {140, 116}, -90, 52, 15, false);
        cyclist(p, {153, 118}, 15, QColor(0x20, 0x50, 0x90), false);
        walker(p, {164, 46}, 13, kPerson, false);
        walker(p, {165, 66}, 13, QColor(0x80, 0x30, 0x30), true);
        trafficLightIcon(p, {181, 14}, 0);
    });
}

// Air-pressure gauge with both needles low and the warning lamp lit.
QImage airPressureScene()
{
    return picture(kBackground, [](QPainter &p) {
        p.setBrush(QColor(0x50, 0x50, 0x54));
        p.drawRoundedRect(QRectF(6, 3, 188, 124), 12, 12);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(8, 5, 184, 120), 10, 10);
        const QPointF centre(72, 68);
        const qreal radius = 52;
        disc(p, centre, radius, QColor(0x1c, 0x1c, 0x20));
        disc(p, centre, radius - 3, QColor(0x0a, 0x0a, 0x0c));
        const auto angleFor = [](qreal value) { return 225 - value * 27; };
        QPainterPath red;
        red.arcMoveTo(QRectF(centre.x() - 44, centre.y() - 44, 88, 88), angleFor(0));
        red.arcTo(QRectF(centre.x() - 44, centre.y() - 44, 88, 88), angleFor(0), -27 * 4.5);
        strokePath(p, red, flatPen(QColor(0xe0, 0x20, 0x20), 5));
        for (int v = 0; v <= 10; ++v) {
            const qreal a = qDegreesToRadians(angleFor(v));
            const QPointF dir(std::cos(a), -std::sin(a));
            line(p, centre + dir * 38, centre + dir * 46, flatPen(kWhite, v % 2 == 0 ? 2 : 1));
            if (v % 2 == 0)
                fitText(p, QString::number(v),
                        QRectF(centre + dir * 29 - QPointF(6, 5.5), QSizeF(12, 11)), kWhite);
        }
        fitText(p, QStringLiteral("×100kPa"), QRectF(centre + QPointF(-14, 31), QSizeF(28, 9)),
                QColor(0xc8, 0xc8, 0xcc));
        const auto needle = [&](qreal value, const QColor &colour) {
            const qreal a = qDegreesToRadians(angleFor(value));
            const QPointF dir(std::cos(a), -std::sin(a));
            line(p, centre - dir * 6, centre + dir * 42, roundPen(colour, 2.6));
        };
        needle(3.2, QColor(0xff, 0x50, 0x30));
        needle(3.8, QColor(0xf0, 0xf0, 0xf0));
        disc(p, centre, 5, QColor(0x60, 0x60, 0x66));
        // Red brake warning lamp beside the gauge.
        const QPointF lamp(156, 50);
        QPainterPath ring;
        ring.addEllipse(lamp, 13, 13);
        strokePath(p, ring, flatPen(kLampRed, 3));
        for (const qreal side : {-1.0, 1.0}) {
            QPainterPath arc;
            arc.arcMoveTo(QRectF(lamp.x() - 19, lamp.y() - 19, 38, 38), side < 0 ? 145 : -35);
            arc.arcTo(QRectF(lamp.x() - 19, lamp.y() - 19, 38, 38), side < 0 ? 145 : -35, 70);
            strokePath(p, arc, flatPen(kLampRed, 3));
        }
        p.fillRect(QRectF(lamp.x() - 2, lamp.y() - 8, 4, 11), kLampRed);
        disc(p, lamp + QPointF(0, 7), 2.2, kLampRed);
        fitText(p, QStringLiteral("低气压"), QRectF(134, 80, 44, 14), kLampRed);
    });
}

// Escape-lane warning sign: a branch leaving the road and ending in a gravel bed.
void escapeLaneSign(QPainter &p, QPointF centre, qreal radius)
{
    warningTriangle(p, centre, radius);
    const qreal u = radius / 20;
    const QPointF o = centre + QPointF(0, 3 * u);
    line(p, o + QPointF(-5 * u, 9 * u), o + QPointF(-5 * u, -9 * u), flatPen(kBlack, 3.6 * u));
    QPainterPath branch(o + QPointF(-5 * u, 6 * u));
    branch.cubicTo(o + QPointF(-1 * u, 4 * u), o + QPointF(3 * u, 1 * u), o + QPointF(4 * u, -3 * u));
    strokePath(p, branch, flatPen(kBlack, 3 * u));
    const QRectF bed(o + QPointF(1 * u, -10 * u), QSizeF(8 * u, 7 * u));
    p.fillRect(bed, kBlack);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            disc(p, bed.topLeft() + QPointF((1.6 + 2.4 * i) * u, (1.8 + 3 * j) * u), 0.7 * u,
                 kSignYellow);
}

// Downhill lane seen from above with the escape lane's gravel bed leaving its right edge.
QImage escapeLaneScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 16, kWidth, 44), kKerb);
        p.fillRect(QRectF(0, 18, kWidth, 40), kAsphalt);
        paintLine(p, {0, 38}, {kWidth, 38}, kYellowPaint, 1.8);
        // Gravel bed leaving the right-hand edge of the downhill lane.
        QPolygonF ramp{{58, 58}, {104, 58}, {200, 80}, {200, 106}};
        fillPolygon(p, ramp, QColor(0xd2, 0xb8, 0x84));
        Scatter s(3);
        p.save();
        p.setClipPath(polygonPath(ramp));
        for (int i = 0; i < 200; ++i)
            disc(p, {s.between(56, 200), s.between(56, 108)}, s.between(0.5, 1.2),
                 QColor(0x9a, 0x84, 0x5c));
        p.restore();
        strokePath(p, polygonPath(ramp), flatPen(kPaint, 1.2));
        for (int i = 0; i < 4; ++i)
            disc(p, {192, 88.0 + i * 5}, 2.6, QColor(0xff, 0x7a, 0x10));
        truckTop(p, {36, 48}, 0, kCab, kBox, 50, 14);
        sceneArrow(p, segment({70, 48}, {92, 48}), 2, 5, 6, kSwing);
        const QPointF signCentre(40, 86);
        signPost(p, signCentre, {40, 126});
        escapeLaneSign(p, signCentre, 20);
        plate(p, QRectF(signCentre.x() - 26, signCentre.y() + 15, 52, 16),
              QStringLiteral("避险车道"));
    });
}

void flame(QPainter &p, QPointF base, qreal height)
{
    p.fillPath(teardrop(base + QPointF(0, -height * 0.3), height * 0.3), QColor(0xff, 0x80, 0x10));
    p.fillPath(teardrop(base + QPointF(0, -height * 0.22), height * 0.16), QColor(0xff, 0xe0, 0x40));
}

// Two places to stop a tank vehicle for a long break: beside a busy row of stalls or on an open
// bay away from people.
QImage hazmatParkingScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 50, kWidth, 30), kKerb);
        p.fillRect(QRectF(0, 52, kWidth, 26), kAsphalt);
        dashedLine(p, {0, 65}, {kWidth, 65});
        // Left: a market street with stalls, people and a cooking fire.
        p.fillRect(QRectF(0, 28, 104, 22), kPavement);
        p.fillRect(QRectF(0, 80, 104, 50), kPavement);
        for (int i = 0; i < 3; ++i) {
            const qreal x = 4 + i * 33;
            outlined(p, roundedRect(QRectF(x, 6, 29, 22), 1), QColor(0xe8, 0xd8, 0xb8),
                     QColor(0x90, 0x80, 0x60));
            fillPolygon(p, QPolygonF{{x - 2, 10}, {x + 31, 10}, {x + 27, 3}, {x + 2, 3}},
                        QColor(0xc0, 0x40, 0x30));
        }
        for (const QPointF at : {QPointF(12, 46), QPointF(34, 47), QPointF(58, 45), QPointF(14, 124),
                                  QPointF(64, 126), QPointF(90, 122)})
            walker(p, at, 12, kPerson, int(at.x()) % 2 == 0);
        p.fillRect(QRectF(78, 40, 16, 5), QColor(0x50, 0x50, 0x54));
        flame(p, {82, 41}, 10);
        flame(p, {89, 41}, 8);
        // Right: an empty lay-by in the fields.
        p.fillRect(QRectF(120, 80, 80, 30), QColor(0x66, 0x68, 0x6c));
        for (const QRectF &bay : {QRectF(24, 86, 60, 24), QRectF(130, 84, 60, 22)}) {
            QPainterPath outline;
            outline.addRect(bay);
            strokePath(p, outline, dashPen(kPaint, 1.4, 4, 3));
        }
        label(p, QRectF(45, 89, 18, 18), QStringLiteral("甲"), QColor(0xc0, 0x20, 0x10));
        label(p, QRectF(151, 86, 18, 18), QStringLiteral("乙"), QColor(0xc0, 0x20, 0x10));
        topView(p, {104, 72}, 0, 62, 13, [&](qreal l, qreal w) {
            p.fillRect(QRectF(-l, -w + 2, 2 * l - 14, 2 * w - 4), kChassis);
            outlined(p, roundedRect(QRectF(-l + 1, -w + 1, 2 * l - 18, 2 * w - 2), 6),
                     QColor(0xe4, 0xe6, 0xea), QColor(0x80, 0x82, 0x88));
            outlined(p, roundedRect(QRectF(l - 12, -w, 12, 2 * w), 3), kCab, kCab.darker(160));
        });
    });
}

// Scenes of the lorry situations: the driver's view from a high cab and views from above.

// Driver's view from a lorry cab: the eye sits higher than in a car.
View cabView(qreal seat)
{
    View v;
    v.horizon = 44;
    v.eye = 2.5;
    v.seat = seat;
    return v;
}

QImage cabPicture(const QColor &land, qreal seat, const std::function<void(QPainter &, const View &)> &draw)
{
    return picture(land, [&](QPainter &p) {
        const View v = cabView(seat);
        sky(p, v, kClearSky, kClearHorizon);
        ground(p, v, land);
        draw(p, v);
        bonnet(p);
    });
}

void laneDashes(QPainter &p, const View &v, qreal across, qreal from, qreal to,
                const QColor &colour = kPaint)
{
    for (qreal d = from; d < to; d += 15)
        groundStripe(p, v, across, 0.15, d, std::min(d + 6, to), colour);
}

// Expressway seen from the cab: a car from the left lane has pulled in just ahead.
QImage cutInScene()
{
    return cabPicture(kGrass, 1.3, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -4.3, 8.4, 1.5, 400), kAsphalt);
        groundStripe(p, v, -4.0, 0.15, 1.5, 400, kYellowPaint);
        groundStripe(p, v, 8.1, 0.15, 1.5, 400, kPaint);
        laneDashes(p, v, 0, 2, 400);
        laneDashes(p, v, 3.9, 2, 400);
        truckRear(p, v, 2.0, 46, QColor(0x9a, 0xa8, 0x7a));
        carRear(p, v, -2.0, 30, kWhiteCar);
        const QRectF car = v.upright(0.9, 11, 1.8, 1.45);
        carRear(p, v, 0.9, 11, kBlueCar, true);
        flash(p, {car.right() - car.width() * 0.13, car.top() + car.height() * 0.62}, kHazard, 1.1);
        QPainterPath path(v.at(-2.6, 13, 0.7));
        path.quadTo(v.at(-1.6, 10.5, 0.7), v.at(-0.4, 10, 0.7));
        sceneArrow(p, path, 2.4, 7, 8, kSwing);
    });
}

// Height-limit sign: white disc, red ring, the limit between two black heads.
void heightLimitSign(QPainter &p, QPointF centre, qreal radius, const QString &text)
{
    disc(p, centre, radius + 0.8, QColor(0xa0, 0xa0, 0xa0));
    disc(p, centre, radius, kRed);
    disc(p, centre, radius * 0.78, kWhite);
    const qreal u = radius / 50;
    fitText(p, text, QRectF(centre + QPointF(-30 * u, -11 * u), QSizeF(60 * u, 22 * u)), kBlack, 0.4);
    for (const qreal side : {-1.0, 1.0})
        fillPolygon(p,
                    QPolygonF{centre + QPointF(-8 * u, 36 * side * u),
                              centre + QPointF(8 * u, 36 * side * u),
                              centre + QPointF(0, 18 * side * u)},
                    kBlack);
}

// Two-lane road running under a railway bridge with a height limit hung over the lane.
QImage lowBridgeScene()
{
    return cabPicture(kGrass, 1.3, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -3.6, 3.6, 1.5, 400), kAsphalt);
        fillPolygon(p, groundQuad(v, -3.6, 3.6, 29, 33), kAsphalt.darker(130));
        groundStripe(p, v, -3.4, 0.15, 1.5, 400, kPaint);
        groundStripe(p, v, 3.4, 0.15, 1.5, 400, kPaint);
        for (qreal d = 2; d < 400; d += 9)
            groundStripe(p, v, 0, 0.15, d, d + 4, kYellowPaint);
        const QColor concrete(0xb8, 0xb4, 0xaa);
        for (const qreal x : {-6.5, 5.0})
            p.fillRect(v.upright(x, 30, 2.6, 4.0), concrete.darker(110));
        p.fillRect(QRectF(v.at(-40, 30, 5.4), v.at(40, 30, 4.0)), concrete);
        p.fillRect(QRectF(v.at(-40, 30, 5.6), v.at(40, 30, 5.4)), QColor(0x60, 0x60, 0x64));
        for (qreal x = -12; x <= 14; x += 1.2)
            line(p, v.at(x, 30, 5.6), v.at(x, 30, 6.3), flatPen(QColor(0x60, 0x60, 0x64), 1));
        line(p, v.at(-40, 30, 6.3), v.at(40, 30, 6.3), flatPen(QColor(0x60, 0x60, 0x64), 1.2));
        const QPointF signAt = v.at(1.6, 30, 4.7);
        line(p, signAt + QPointF(0, -6), signAt + QPointF(0, -12), flatPen(kChassis, 1.5));
        heightLimitSign(p, signAt + QPointF(0, 7), 20, QStringLiteral("3.8m"));
    });
}

// Mountain hairpin seen from above: the lorry comes down the upper leg, a car climbs the lower
// one, and the hill inside the bend hides them from each other.
QImage hairpinScene()
{
    return picture(QColor(0x7a, 0x9a, 0x50), [](QPainter &p) {
        const QPointF centre(128, 65);
        const qreal radius = 36;
        QPainterPath road({-10, centre.y() - radius});
        road.lineTo(centre.x(), centre.y() - radius);
        road.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90, -180);
        road.lineTo(-10, centre.y() + radius);
        // Drop beyond the outside of the bend.
        QPainterPath drop;
        drop.addEllipse(centre + QPointF(30, 0), 60, 80);
        p.fillPath(drop, QColor(0x9a, 0x8a, 0x6a));
        strokePath(p, road, flatPen(kKerb, 30));
        strokePath(p, road, flatPen(kAsphalt, 26));
        strokePath(p, road, flatPen(kYellowPaint, 1.6));
        QPainterPath rail;
        rail.arcMoveTo(QRectF(centre.x() - radius - 15, centre.y() - radius - 15, 2 * radius + 30,
                              2 * radius + 30), 80);
        rail.arcTo(QRectF(centre.x() - radius - 15, centre.y() - radius - 15, 2 * radius + 30,
                          2 * radius + 30), 80, -160);
        strokePath(p, rail, flatPen(kWhite, 2.4));
        strokePath(p, rail, dashPen(kRed, 2.4, 4, 4));
        // Wooded hill inside the bend.
        QPainterPath hill;
        hill.moveTo(-5, centre.y() - 18);
        hill.cubicTo(60, centre.y() - 24, 126, centre.y() - 22, 124, centre.y());
        hill.cubicTo(126, centre.y() + 22, 60, centre.y() + 24, -5, centre.y() + 18);
        hill.closeSubpath();
        p.fillPath(hill, QColor(0x3e, 0x6a, 0x34));
        Scatter s(11);
        for (int i = 0; i < 40; ++i) {
            const QPointF at(s.between(2, 118), s.between(centre.y() - 16, centre.y() + 16));
            if (hill.contains(at))
                disc(p, at, s.between(3, 5.5), QColor(0x2c, 0x54, 0x28));
        }
        truckTop(p, {58, centre.y() - radius + 6.5}, 0, kCab, kBox, 52, 12);
        sceneArrow(p, segment({88, centre.y() - radius + 6.5}, {104, centre.y() - radius + 6.5}), 2, 5,
                   6, kSwing);
        carTop(p, {78, centre.y() + radius + 6.5}, 0, kWhiteCar, 22, 11);
        sceneArrow(p, segment({93, centre.y() + radius + 6.5}, {106, centre.y() + radius + 6.5}), 2, 5,
                   6, kSwing);
    });
}

// Two-lane carriageway seen from above: the own lorry in the overtaking lane has drawn level with
// a lorry that is almost as fast, cars queue behind.
QImage overtakeLorryScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 14, kWidth, 6), QColor(0x6a, 0x8a, 0x48));
        line(p, {0, 22}, {kWidth, 22}, flatPen(QColor(0xb0, 0xb0, 0xb4), 2));
        p.fillRect(QRectF(0, 24, kWidth, 84), kAsphalt);
        paintLine(p, {0, 26}, {kWidth, 26}, kYellowPaint, 1.5);
        dashedLine(p, {0, 56}, {kWidth, 56}, kPaint, 1.5, 10, 8);
        paintLine(p, {0, 87}, {kWidth, 87}, kPaint, 1.5);
        truckTop(p, {104, 41}, 0, kCab, kBox, 66, 19);
        truckTop(p, {110, 71.5}, 0, QColor(0x30, 0x80, 0x50), QColor(0x8a, 0x9a, 0x6a), 66, 19);
        carTop(p, {44, 41}, 0, kWhiteCar, 26, 13);
        carTop(p, {10, 41}, 0, kGreyCar, 26, 13);
        label(p, QRectF(144, 33, 52, 15), QStringLiteral("80km/h"));
        label(p, QRectF(144, 90, 52, 15), QStringLiteral("78km/h"));
        line(p, {156, 90}, {146, 80}, flatPen(kInk, 0.8));
        p.fillRect(QRectF(0, 108, kWidth, 22), kGrass);
    });
}

// Loading yard seen from above: the lorry backs into a bay at the dock, the banksman stands by
// its rear corner on the driver's side.
QImage loadingBayScene()
{
    return picture(QColor(0x70, 0x72, 0x76), [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, 26), QColor(0xc8, 0xc4, 0xbc));
        p.fillRect(QRectF(0, 26, kWidth, 5), QColor(0x9a, 0x96, 0x8e));
        for (const qreal x : {30.0, 100.0, 170.0}) {
            p.fillRect(QRectF(x - 14, 18, 28, 8), QColor(0x50, 0x50, 0x56));
            p.fillRect(QRectF(x - 16, 31, 4, 3), kBlack);
            p.fillRect(QRectF(x + 12, 31, 4, 3), kBlack);
        }
        for (const qreal x : {65.0, 135.0})
            paintLine(p, {x, 31}, {x, 130}, kYellowPaint, 1.6);
        truckTop(p, {100, 78}, 90, kCab, kBox, 76, 21);
        sceneArrow(p, segment({76, 100}, {76, 62}), 2.2, 6, 7, kSwing);
        walker(p, {122, 46}, 15, QColor(0xff, 0x7a, 0x10), false);
        // The driver sits on the left of the cab, which faces down the picture.
        line(p, {112, 110}, {121, 45}, dashPen(QColor(0xff, 0xe0, 0x40), 1.2, 3, 2));
        p.fillRect(QRectF(111, 106, 3, 6), kChassis);
    });
}

// Windsock on a pole: stripes of red and white streaming out along the wind.
void windsock(QPainter &p, QPointF top, qreal length, qreal droopDeg)
{
    p.save();
    p.translate(top);
    p.rotate(droopDeg);
    const int bands = 5;
    for (int i = 0; i < bands; ++i) {
        const qreal x0 = length * i / bands;
        const qreal x1 = length * (i + 1) / bands;
        const qreal h0 = 5 - 2.2 * i / bands;
        const qreal h1 = 5 - 2.2 * (i + 1) / bands;
        fillPolygon(p, QPolygonF{{x0, -h0}, {x1, -h1}, {x1, h1}, {x0, h0}},
                    i % 2 == 0 ? QColor(0xf0, 0x50, 0x20) : kWhite);
    }
    p.restore();
}

// Long bridge over water seen from the cab, a windsock standing straight out in a side wind.
QImage crosswindBridgeScene()
{
    return cabPicture(QColor(0x5a, 0x8a, 0xb8), 1.3, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -4.6, 7.8, 1.5, 400), QColor(0x8a, 0x8a, 0x8e));
        fillPolygon(p, groundQuad(v, -4.2, 7.4, 1.5, 400), kAsphalt);
        groundStripe(p, v, -4.0, 0.15, 1.5, 400, kYellowPaint);
        groundStripe(p, v, 7.2, 0.15, 1.5, 400, kPaint);
        laneDashes(p, v, 3.6, 2, 400);
        for (const qreal x : {-4.5, 7.7}) {
            for (qreal d = 4; d < 200; d *= 1.25)
                line(p, v.at(x, d, 0), v.at(x, d, 1.1), flatPen(QColor(0xe0, 0xe0, 0xe4), 1));
            QPainterPath rail(v.at(x, 2.5, 1.1));
            rail.lineTo(v.at(x, 400, 1.1));
            strokePath(p, rail, flatPen(QColor(0xe8, 0xe8, 0xec), 1.6));
        }
        carRear(p, v, 5.5, 38, kWhiteCar);
        const QPointF poleFoot = v.at(-4.5, 28, 1.1);
        const QPointF poleTop = v.at(-4.5, 28, 6.5);
        line(p, poleFoot, poleTop, flatPen(QColor(0x70, 0x70, 0x74), 2));
        windsock(p, poleTop + QPointF(0, 3), 44, 3);
        for (const qreal y : {20.0, 34.0, 48.0})
            sceneArrow(p, segment({4, y + 30}, {36, y + 30}), 2.6, 7, 9, QColor(0x30, 0x60, 0xc0));
    });
}

// Orange-and-white channelling cone seen from above.
void coneTop(QPainter &p, QPointF at)
{
    disc(p, at, 3.2, QColor(0xff, 0x70, 0x10));
    disc(p, at, 1.6, kWhite);
}

// Expressway work zone seen from above: cones close the left lane and the two lanes left open
// are narrower; the own lorry and a car are side by side in the squeezed lanes.
QImage workZoneScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 16, kWidth, 98), kAsphalt);
        paintLine(p, {0, 18}, {kWidth, 18}, kYellowPaint, 1.5);
        paintLine(p, {0, 112}, {kWidth, 112}, kPaint, 1.5);
        dashedLine(p, {0, 50}, {70, 50}, kPaint, 1.5, 10, 8);
        dashedLine(p, {0, 81}, {70, 81}, kPaint, 1.5, 10, 8);
        // Narrowed lanes marked in yellow through the works.
        QPainterPath shifted({70, 50});
        shifted.lineTo(100, 62);
        shifted.lineTo(200, 62);
        strokePath(p, shifted, flatPen(kYellowPaint, 1.4));
        QPainterPath middle({70, 81});
        middle.lineTo(100, 87);
        middle.lineTo(200, 87);
        strokePath(p, middle, dashPen(kYellowPaint, 1.4, 8, 6));
        QPolygonF works{{100, 20}, {200, 20}, {200, 58}, {112, 58}};
        fillPolygon(p, works, QColor(0xc8, 0xb8, 0x90));
        for (qreal x = 112; x < 200; x += 12)
            p.fillRect(QRectF(x, 55, 7, 4), (int(x) / 12) % 2 ? kWhite : QColor(0xe0, 0x30, 0x20));
        for (int i = 0; i <= 6; ++i)
            coneTop(p, {40.0 + i * 12, 22.0 + i * 6});
        label(p, QRectF(140, 28, 36, 16), QStringLiteral("施工"));
        truckTop(p, {116, 74}, 0, kCab, kBox, 66, 20);
        carTop(p, {122, 99}, 0, kWhiteCar, 28, 14);
    });
}

// Site gate seen from above: a muddy tipper heading for the road, the wheel wash in front of the
// gate.
QImage siteExitScene()
{
    return picture(QColor(0xa8, 0x8a, 0x5c), [](QPainter &p) {
        Scatter s(5);
        for (int i = 0; i < 110; ++i)
            disc(p, {s.between(0, 132), s.between(0, 130)}, s.between(1, 2.5), QColor(0x8a, 0x6c, 0x44));
        p.fillRect(QRectF(130, 0, 5, 44), QColor(0x2a, 0x5a, 0xa0));
        p.fillRect(QRectF(130, 100, 5, 30), QColor(0x2a, 0x5a, 0xa0));
        p.fillRect(QRectF(135, 0, 6, kHeight), kPavement);
        verticalRoad(p, 143, 200);
        paintLine(p, {171, 0}, {171, kHeight}, kYellowPaint, 1.6);
        paintLine(p, {174, 0}, {174, kHeight}, kYellowPaint, 1.6);
        p.fillRect(QRectF(130, 44, 13, 56), kAsphalt);
        // Wheel wash just inside the gate.
        p.fillRect(QRectF(88, 52, 40, 40), QColor(0x8a, 0x9a, 0xa8));
        for (qreal x = 90; x < 128; x += 5)
            line(p, {x, 53}, {x, 91}, flatPen(QColor(0x5a, 0x6a, 0x78), 1));
        label(p, QRectF(82, 24, 48, 17), QStringLiteral("洗车台"));
        line(p, {108, 41}, {108, 52}, flatPen(kInk, 1));
        for (const qreal y : {64.0, 80.0}) {
            QPainterPath track({-5, y});
            track.lineTo(30, y);
            strokePath(p, track, dashPen(QColor(0x5a, 0x40, 0x22), 4, 3, 2));
        }
        truckTop(p, {56, 72}, 0, kCab, QColor(0x9a, 0x7a, 0x50), 54, 22);
        for (const qreal x : {38.0, 48.0, 76.0})
            for (const qreal y : {60.0, 84.0})
                disc(p, {x, y}, 3, QColor(0x5a, 0x40, 0x22));
        sceneArrow(p, segment({40, 104}, {70, 104}), 2.2, 6, 7, kSwing);
    });
}

// Wheel seen face on: every nut has a yellow pointer, one of them has turned out of line.
QImage wheelNutsScene()
{
    return picture(QColor(0x46, 0x48, 0x4c), [](QPainter &p) {
        const QPointF centre(100, 65);
        disc(p, centre, 60, kBlack);
        disc(p, centre, 44, QColor(0xb8, 0xbc, 0xc4));
        disc(p, centre, 40, QColor(0xa4, 0xa8, 0xb0));
        disc(p, centre, 14, QColor(0x70, 0x74, 0x7a));
        disc(p, centre, 9, QColor(0x90, 0x94, 0x9a));
        const int nuts = 10;
        const int loose = 3;
        for (int i = 0; i < nuts; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + 360.0 * i / nuts);
            const QPointF at = centre + 27 * QPointF(std::cos(a), std::sin(a));
            const qreal pointer = qRadiansToDegrees(a) + 90 + (i == loose ? 62 : 0);
            p.save();
            p.translate(at);
            p.rotate(pointer);
            fillPolygon(p, QPolygonF{{-3.5, -3.2}, {14, 0}, {-3.5, 3.2}}, QColor(0xff, 0xc8, 0x10));
            p.restore();
            fillPolygon(p, polygonAround(6, 4.4, 0, at), QColor(0x50, 0x52, 0x58));
            disc(p, at, 2, QColor(0x80, 0x82, 0x88));
        }
        const qreal a = qDegreesToRadians(-90.0 + 360.0 * loose / nuts);
        QPainterPath ring;
        ring.addEllipse(centre + 27 * QPointF(std::cos(a), std::sin(a)), 13, 13);
        strokePath(p, ring, dashPen(QColor(0xff, 0x40, 0x30), 1.6, 3, 2));
    });
}

// Flat-bed lorry seen from the side with all the crates piled over and behind the rear axle.
QImage rearLoadScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 110, kWidth, 20), kAsphalt);
        const qreal chassis = 86;
        p.fillRect(QRectF(14, chassis - 6, 132, 6), QColor(0x8a, 0x6a, 0x40));
        p.fillRect(QRectF(14, chassis, 168, 6), kChassis);
        cabSide(p, 149, chassis, 44, kCab);
        for (const qreal x : {46.0, 66.0})
            wheel(p, {x, 101}, 9);
        wheel(p, {166, 101}, 9);
        const QColor crate(0xc8, 0x9a, 0x5a);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                outlined(p, roundedRect(QRectF(15 + col * 19, chassis - 24 - row * 18, 19, 18), 0),
                         crate, crate.darker(150));
        sceneArrow(p, segment({56, 12}, {56, 22}), 5, 8, 12, kSwing);
    });
}

// Back of the tractor cab and front of the trailer: coiled air lines and the electric cable
// hanging with slack between them.
QImage airLinesScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        outlined(p, roundedRect(QRectF(-6, 10, 74, 70), 1.5), QColor(0xdc, 0xdc, 0xd6),
                 QColor(0x90, 0x90, 0x90));
        p.fillRect(QRectF(-6, 80, 96, 7), kChassis);
        p.fillRect(QRectF(88, 92, 112, 7), kChassis);
        outlined(p, roundedRect(QRectF(146, 6, 60, 86), 3), kCab, kCab.darker(160));
        p.fillRect(QRectF(150, 12, 4, 70), kCab.darker(125));
        outlined(p, roundedRect(QRectF(84, 84, 48, 8), 1), QColor(0x3c, 0x3c, 0x40), kBlack, 0.6);
        wheel(p, {112, 108}, 10);
        wheel(p, {180, 108}, 10);
        // Couplings on the trailer front and the tractor's cab back.
        const QColor lines[] = {QColor(0xe0, 0x30, 0x20), QColor(0xf0, 0xc0, 0x10), kBlack};
        for (int i = 0; i < 3; ++i) {
            const QPointF from(147, 24.0 + i * 16);
            const QPointF to(68, 26.0 + i * 16);
            QPainterPath sag(from);
            sag.quadTo((from + to) / 2 + QPointF(0, 18), to);
            for (int k = 0; k <= 14; ++k) {
                const QPointF at = sag.pointAtPercent(k / 14.0);
                QPainterPath loop;
                loop.addEllipse(at, 2.6, 5.2);
                strokePath(p, loop, flatPen(lines[i], 1.6));
            }
            disc(p, from, 3, QColor(0x50, 0x50, 0x54));
            disc(p, to, 3, QColor(0x50, 0x50, 0x54));
        }
        label(p, QRectF(80, 6, 34, 16), QStringLiteral("气管"));
        line(p, {97, 22}, {100, 46}, flatPen(kInk, 1));
        label(p, QRectF(6, 90, 34, 16), QStringLiteral("电线"));
        line(p, {40, 96}, {80, 70}, flatPen(kInk, 1));
    });
}

// Tipper seen from the side with its body raised; a mechanic is about to go underneath.
QImage tipperPropScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kPavement);
        const qreal chassis = 88;
        p.fillRect(QRectF(16, chassis, 164, 6), kChassis);
        cabSide(p, 148, chassis, 44, kCab);
        for (const qreal x : {32.0, 54.0})
            wheel(p, {x, 103}, 9);
        wheel(p, {164, 103}, 9);
        // Ram from the chassis up to the front of the raised body.
        line(p, {110, chassis}, {104, 34}, flatPen(QColor(0x90, 0x94, 0x9a), 5));
        line(p, {110, chassis}, {107, 60}, flatPen(QColor(0x60, 0x64, 0x6a), 7));
        p.save();
        p.translate(18, chassis - 2);
        p.rotate(-32);
        const QColor body(0xd8, 0x9a, 0x30);
        outlined(p, roundedRect(QRectF(0, -34, 118, 34), 1.5), body, body.darker(150));
        for (qreal x = 16; x < 118; x += 20)
            line(p, {x, -33}, {x, -1}, flatPen(body.darker(120), 1));
        p.restore();
        walker(p, {92, 112}, 22, QColor(0x30, 0x50, 0x90), false);
        line(p, {84, 99}, {79, 95}, roundPen(QColor(0x90, 0x90, 0x96), 2));
    });
}

// Rear of a box van with the right-hand door opened a crack: cartons inside lean against it.
QImage rearDoorsScene()
{
    return picture(QColor(0xe4, 0xe6, 0xea), [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        for (const qreal x : {44.0, 138.0})
            p.fillRect(QRectF(x, 94, 18, 24), kBlack);
        const QRectF body(40, 8, 120, 86);
        outlined(p, roundedRect(body, 1.5), QColor(0xd0, 0xd2, 0xd6), QColor(0x80, 0x80, 0x86));
        // Left door shut, right door swung a little open towards the viewer.
        outlined(p, roundedRect(QRectF(43, 11, 56, 80), 0.5), QColor(0xe8, 0xe8, 0xe4),
                 QColor(0x90, 0x90, 0x94));
        p.fillRect(QRectF(99, 11, 58, 80), QColor(0x30, 0x2c, 0x28));
        const QColor carton(0xc8, 0x9a, 0x5a);
        p.save();
        p.translate(103, 90);
        p.rotate(12);
        for (int i = 0; i < 3; ++i)
            outlined(p, roundedRect(QRectF(0, -27 - i * 27, 30, 27), 0), carton, carton.darker(150));
        p.restore();
        fillPolygon(p, QPolygonF{{140, 9}, {184, 2}, {184, 100}, {140, 92}}, QColor(0xea, 0xea, 0xe6));
        strokePath(p, polygonPath({{140, 9}, {184, 2}, {184, 100}, {140, 92}}),
                   flatPen(QColor(0x90, 0x90, 0x94), 1));
        for (const qreal x : {62.0, 84.0})
            line(p, {x, 14}, {x, 88}, flatPen(QColor(0x8a, 0x8a, 0x90), 2));
        line(p, {170, 8}, {170, 96}, flatPen(QColor(0x8a, 0x8a, 0x90), 2));
        p.fillRect(QRectF(40, 94, 120, 5), kChassis);
    });
}

// Lorry backed up to a loading dock, a forklift driving on and off its bed.
QImage forkliftDockScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        p.fillRect(QRectF(0, 74, 58, 38), QColor(0xb8, 0xb4, 0xaa));
        p.fillRect(QRectF(0, 10, 30, 64), QColor(0x9a, 0x96, 0x8e));
        p.fillRect(QRectF(0, 20, 24, 54), QColor(0x50, 0x50, 0x56));
        const qreal bed = 74;
        p.fillRect(QRectF(60, bed, 92, 6), QColor(0x8a, 0x6a, 0x40));
        p.fillRect(QRectF(60, bed + 6, 124, 6), kChassis);
        cabSide(p, 152, bed + 6, 44, kCab);
        for (const qreal x : {80.0, 100.0})
            wheel(p, {x, 101}, 9);
        wheel(p, {170, 101}, 9);
        fillPolygon(p, QPolygonF{{108, 111}, {116, 111}, {108, 101}}, QColor(0xe0, 0x30, 0x20));
        const QColor pallet(0xc8, 0x9a, 0x5a);
        outlined(p, roundedRect(QRectF(118, bed - 24, 30, 24), 0), pallet, pallet.darker(150));
        // Forklift half way onto the bed with a pallet on its forks.
        const QColor yellow(0xf0, 0xb8, 0x10);
        outlined(p, roundedRect(QRectF(44, bed - 22, 34, 16), 2), yellow, yellow.darker(150));
        strokePath(p, polygonPath({{50, bed - 22}, {52, bed - 42}, {70, bed - 42}, {72, bed - 22}}),
                   flatPen(kChassis, 2));
        line(p, {80, bed - 44}, {80, bed - 4}, flatPen(kChassis, 3));
        line(p, {80, bed - 5}, {96, bed - 5}, flatPen(kChassis, 2.4));
        outlined(p, roundedRect(QRectF(82, bed - 26, 26, 20), 0), pallet, pallet.darker(150));
        disc(p, {52, bed - 3}, 4, kBlack);
        disc(p, {72, bed - 3}, 4, kBlack);
    });
}

// Three-axle lorry on a snowy road with its axles named and a set of chains on the snow.
QImage snowChainsScene()
{
    return picture(QColor(0xc8, 0xd0, 0xd8), [](QPainter &p) {
        p.fillRect(QRectF(0, 108, kWidth, 22), QColor(0xf4, 0xf6, 0xf8));
        Scatter s(9);
        for (int i = 0; i < 40; ++i)
            disc(p, {s.between(0, 200), s.between(0, 100)}, s.between(0.8, 1.6), kWhite);
        const qreal chassis = 80;
        outlined(p, roundedRect(QRectF(10, 30, 126, 48), 1.5), kBox, kBox.darker(150));
        p.fillRect(QRectF(10, chassis, 166, 6), kChassis);
        cabSide(p, 140, chassis, 42, kCab);
        for (const qreal x : {34.0, 58.0})
            wheel(p, {x, 96}, 10);
        wheel(p, {158, 96}, 10);
        label(p, QRectF(18, 6, 56, 18), QStringLiteral("驱动轴"));
        line(p, {36, 24}, {34, 84}, flatPen(kInk, 1));
        line(p, {56, 24}, {58, 84}, flatPen(kInk, 1));
        label(p, QRectF(132, 4, 56, 18), QStringLiteral("转向轴"));
        line(p, {160, 22}, {158, 84}, flatPen(kInk, 1));
        // Chains lying on the snow.
        for (int row = 0; row < 2; ++row)
            for (int k = 0; k < 9; ++k) {
                QPainterPath link;
                link.addEllipse(QPointF(88 + k * 5.5, 114 + row * 7), 3, 2);
                strokePath(p, link, flatPen(QColor(0x60, 0x64, 0x6c), 1.3));
            }
    });
}

// Rev counter with the green economy band, a yellow band and the red area.
QImage revBandScene()
{
    return picture(kBackground, [](QPainter &p) {
        p.setBrush(QColor(0x50, 0x50, 0x54));
        p.drawRoundedRect(QRectF(30, 3, 140, 124), 12, 12);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(32, 5, 136, 120), 10, 10);
        const QPointF centre(100, 68);
        disc(p, centre, 56, QColor(0x1c, 0x1c, 0x20));
        disc(p, centre, 53, QColor(0x0a, 0x0a, 0x0c));
        const auto angleFor = [](qreal value) { return 225 - value * 9; };
        const QRectF arcBox(centre.x() - 46, centre.y() - 46, 92, 92);
        const auto band = [&](qreal from, qreal to, const QColor &colour) {
            QPainterPath arc;
            arc.arcMoveTo(arcBox, angleFor(from));
            arc.arcTo(arcBox, angleFor(from), -(to - from) * 9);
            strokePath(p, arc, flatPen(colour, 6));
        };
        band(11, 16, QColor(0x20, 0xc0, 0x50));
        band(16, 20, QColor(0xf0, 0xc0, 0x10));
        band(23, 30, QColor(0xe0, 0x20, 0x20));
        for (int value = 0; value <= 30; value += 5) {
            const qreal a = qDegreesToRadians(angleFor(value));
            const QPointF dir(std::cos(a), -std::sin(a));
            line(p, centre + dir * 40, centre + dir * 50, flatPen(kWhite, value % 10 == 0 ? 2 : 1.2));
            if (value % 10 == 0)
                fitText(p, QString::number(value),
                        QRectF(centre + dir * 31 - QPointF(7, 6), QSizeF(14, 12)), kWhite);
        }
        fitText(p, QStringLiteral("×100r/min"), QRectF(centre + QPointF(-18, 26), QSizeF(36, 10)),
                QColor(0xc8, 0xc8, 0xcc));
        const qreal a = qDegreesToRadians(angleFor(13.5));
        const QPointF dir(std::cos(a), -std::sin(a));
        line(p, centre - dir * 6, centre + dir * 44, roundPen(QColor(0xff, 0x50, 0x30), 2.6));
        disc(p, centre, 5, QColor(0x60, 0x60, 0x66));
    });
}

// Excavator driven up the ramps onto a low-bed semi-trailer, its arm still raised.
QImage lowbedExcavatorScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        const qreal deck = 96;
        p.fillRect(QRectF(22, deck, 122, 6), kChassis);
        fillPolygon(p, QPolygonF{{144, deck}, {152, 80}, {176, 80}, {176, 86}, {156, 86}, {148, 102},
                                 {144, 102}},
                    kChassis);
        fillPolygon(p, QPolygonF{{4, 112}, {22, deck}, {22, deck + 4}, {10, 112}},
                    QColor(0x70, 0x70, 0x74));
        for (const qreal x : {30.0, 44.0})
            wheel(p, {x, 106}, 6);
        cabSide(p, 164, 80, 42, kCab);
        p.fillRect(QRectF(150, 86, 46, 6), kChassis);
        for (const qreal x : {160.0, 186.0})
            wheel(p, {x, 104}, 8.5);
        // Excavator: tracks, turntable body with cab, boom and arm.
        const QColor yellow(0xf0, 0xb0, 0x10);
        outlined(p, roundedRect(QRectF(44, deck - 12, 76, 12), 6), QColor(0x3a, 0x3a, 0x3e), kBlack);
        outlined(p, roundedRect(QRectF(48, deck - 30, 64, 18), 2), yellow, yellow.darker(150));
        outlined(p, roundedRect(QRectF(92, deck - 48, 20, 18), 2), yellow, yellow.darker(150));
        p.fillRect(QRectF(96, deck - 45, 13, 9), kGlass);
        QPainterPath boom({88, deck - 28});
        boom.lineTo(70, 22);
        boom.lineTo(40, 30);
        strokePath(p, boom, flatPen(yellow.darker(110), 7));
        line(p, {40, 30}, {28, 58}, flatPen(yellow.darker(110), 5));
        fillPolygon(p, QPolygonF{{22, 56}, {36, 56}, {32, 68}, {22, 66}}, QColor(0x50, 0x50, 0x54));
    });
}

// Electric bicycle seen from above, riding along the heading.
void ebikeTop(QPainter &p, QPointF centre, qreal angle, const QColor &rider, qreal scale = 1)
{
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    topView(p, {}, angle, 18, 6, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w * 0.6, 2 * l, w * 1.2), 2), QColor(0x30, 0x30, 0x34),
                 kBlack, 0.5);
        line(p, {l - 3, -w - 1}, {l - 3, w + 1}, roundPen(kBlack, 1.4));
        outlined(p, roundedRect(QRectF(-5, -w, 9, 2 * w), 3), rider, rider.darker(150), 0.5);
        disc(p, {0, 0}, 2.6, QColor(0xf0, 0xd0, 0x20));
    });
    p.restore();
}

// Approach to a junction seen from above: the lorry signals right, an electric bicycle rides
// straight on ahead of it in the cycle lane.
QImage ebikeAheadScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 0, 34);
        verticalRoad(p, 60, 160);
        p.fillRect(QRectF(60, 0, 100, 34), kAsphalt);
        paintLine(p, {108, 48}, {108, kHeight}, kYellowPaint, 1.8);
        paintLine(p, {134, 40}, {134, kHeight}, kPaint, 1.4);
        paintLine(p, {108, 40}, {160, 40}, kPaint, 1.6);
        zebraAcross(p, QRectF(61, 36, 98, 0), true);
        truckTop(p, {121, 94}, -90, kCab, kBox, 62, 18);
        indicator(p, {121, 94}, -90, 62, 18, false);
        ebikeTop(p, {147, 62}, -90, QColor(0x20, 0x60, 0xc0), 1.4);
        sceneArrow(p, segment({147, 48}, {147, 14}), 2, 5, 6, QColor(0x20, 0x60, 0xc0));
        QPainterPath turn({121, 58});
        turn.quadTo(121, 20, 180, 18);
        dashedArrow(p, turn, kSwing);
    });
}

// Weight-limit sign: white disc, red ring, the limit in tonnes.
void weightLimitSign(QPainter &p, QPointF centre, qreal radius, const QString &text)
{
    disc(p, centre, radius + 0.8, QColor(0xa0, 0xa0, 0xa0));
    disc(p, centre, radius, kRed);
    disc(p, centre, radius * 0.78, kWhite);
    fitText(p, text, QRectF(centre - QPointF(radius * 0.6, radius * 0.35), QSizeF(radius * 1.2, radius * 0.7)),
            kBlack, 0.4);
}

// Road leading onto an old bridge with its weight limit on a post at the bridge head.
QImage weightBridgeScene()
{
    return cabPicture(kGrass, 1.3, [](QPainter &p, const View &v) {
        fillPolygon(p, groundQuad(v, -40, 40, 26, 400), QColor(0x5a, 0x8a, 0xb8));
        fillPolygon(p, groundQuad(v, -3.3, 3.3, 1.5, 400), kAsphalt);
        for (qreal d = 2; d < 400; d += 9)
            groundStripe(p, v, 0, 0.15, d, d + 4, kYellowPaint);
        for (const qreal x : {-3.5, 3.5}) {
            QPainterPath rail(v.at(x, 26, 1.0));
            rail.lineTo(v.at(x, 400, 1.0));
            strokePath(p, rail, flatPen(QColor(0xd8, 0xd4, 0xc8), 2));
            for (qreal d = 26; d < 150; d *= 1.15)
                line(p, v.at(x, d, 0), v.at(x, d, 1.0), flatPen(QColor(0xc0, 0xbc, 0xb0), 1));
        }
        const QPointF foot = v.at(4.6, 20, 0);
        const QPointF top = v.at(4.6, 20, 3.2);
        line(p, foot, top, flatPen(QColor(0x70, 0x70, 0x74), 2));
        weightLimitSign(p, top + QPointF(0, 4), 20, QStringLiteral("20t"));
    });
}

// Crossroads seen from above: the exit beyond the junction is queued back to its edge, leaving
// room for one car but not for the lorry waiting at the stop line.
QImage junctionQueueScene()
{
    return picture(kPavement, [](QPainter &p) {
        const Crossing c{64, 108, 30, 100};
        crossroads(p, c, false);
        paintLine(p, {56, 65}, {56, 100}, kPaint, 2);
        for (int i = 0; i < 3; ++i)
            carTop(p, {146.0 + i * 27, 82}, 0, i == 1 ? kBlueCar : kWhiteCar, 23, 12);
        truckTop(p, {24, 82}, 0, kCab, kBox, 62, 18);
        trafficLightIcon(p, {36, 14}, 2);
        sceneArrow(p, segment({121, 112}, {132, 112}), 1.4, 4, 5, kInk);
        sceneArrow(p, segment({121, 112}, {110, 112}), 1.4, 4, 5, kInk);
    });
}

// Tractor and box trailer from the side, the roof deflector raised to the box height and the air
// flowing over both.
QImage deflectorScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        const qreal chassis = 88;
        outlined(p, roundedRect(QRectF(-6, 28, 132, 58), 1.5), QColor(0xdc, 0xdc, 0xd6),
                 QColor(0x90, 0x90, 0x90));
        p.fillRect(QRectF(-6, 86, 132, 6), kChassis);
        wheel(p, {10, 103}, 9);
        wheel(p, {32, 103}, 9);
        p.fillRect(QRectF(118, chassis, 70, 6), kChassis);
        cabSide(p, 144, chassis, 40, kCab);
        fillPolygon(p, QPolygonF{{146, 48}, {146, 29}, {154, 28}, {172, 46}}, kCab.darker(115));
        for (const qreal x : {132.0, 154.0})
            wheel(p, {x, 103}, 9);
        wheel(p, {178, 103}, 9);
        // Streamlines bending up over the deflector and running along the roof.
        for (int i = 0; i < 3; ++i) {
            const qreal y = 30.0 + i * 8;
            QPainterPath flow({200, y + 22});
            flow.cubicTo(184, y + 22, 168, y - 6 - i * 2, 150, y - 8 - i * 2);
            flow.lineTo(10, y - 8 - i * 2);
            strokePath(p, flow, dashPen(QColor(0x30, 0x70, 0xd0), 1.6, 7, 4));
        }
        sceneArrow(p, segment({60, 6}, {30, 6}), 1.8, 5, 6, QColor(0x30, 0x70, 0xd0));
    });
}

// Rear of a box lorry with its tail lift half way down, a man standing underneath it.
QImage tailLiftScene()
{
    return picture(QColor(0xe0, 0xe4, 0xea), [](QPainter &p) {
        p.fillRect(QRectF(0, 114, kWidth, 16), kPavement);
        const qreal chassis = 80;
        outlined(p, roundedRect(QRectF(60, 12, 96, 66), 1.5), kBox, kBox.darker(150));
        p.fillRect(QRectF(60, chassis, 128, 6), kChassis);
        cabSide(p, 158, chassis, 44, kCab);
        for (const qreal x : {82.0, 104.0})
            wheel(p, {x, 98}, 9);
        wheel(p, {174, 98}, 9);
        // Lift arms and platform lowered half way.
        line(p, {62, 84}, {44, 92}, flatPen(kChassis, 3));
        outlined(p, roundedRect(QRectF(14, 92, 46, 4), 0.5), QColor(0xb0, 0xb4, 0xba),
                 QColor(0x60, 0x64, 0x6a), 0.6);
        const QColor box(0xc8, 0x9a, 0x5a);
        outlined(p, roundedRect(QRectF(22, 68, 24, 24), 0), box, box.darker(150));
        sceneArrow(p, segment({8, 80}, {8, 96}), 1.8, 5, 6, kSwing);
        walker(p, {34, 114}, 20, QColor(0x30, 0x50, 0x90), true);
    });
}

// Strap over the edge of a crate with a cut through part of its width where it crosses the edge.
QImage strapCutScene()
{
    return picture(QColor(0x8a, 0x8c, 0x90), [](QPainter &p) {
        const QColor wood(0xc8, 0x9a, 0x5a);
        p.fillRect(QRectF(0, 40, kWidth, 90), wood);
        p.fillRect(QRectF(0, 22, kWidth, 18), wood.lighter(115));
        for (qreal y = 56; y < 130; y += 18)
            line(p, {0, y}, {kWidth, y}, flatPen(wood.darker(125), 1));
        line(p, {0, 40}, {kWidth, 40}, flatPen(wood.darker(150), 1.5));
        const QColor strap(0xf0, 0xb0, 0x10);
        const QRectF top(82, 0, 30, 40);
        const QRectF side(82, 40, 30, 90);
        p.fillRect(top, strap.lighter(110));
        p.fillRect(side, strap);
        for (qreal x = 86; x < 112; x += 5)
            line(p, {x, 0}, {x, 130}, flatPen(strap.darker(115), 0.8));
        // Cut across most of the width at the edge, frayed threads sticking out.
        QPainterPath cut;
        cut.moveTo(82, 37);
        cut.lineTo(104, 41);
        cut.lineTo(104, 44);
        cut.lineTo(82, 42);
        cut.closeSubpath();
        p.fillPath(cut, QColor(0x40, 0x30, 0x20));
        for (int i = 0; i < 6; ++i)
            line(p, {84.0 + i * 3.6, 38.5 + i * 0.5}, {85.0 + i * 3.6, 34.0 + (i % 2) * 2},
                 flatPen(strap.darker(130), 0.9));
        QPainterPath ring;
        ring.addEllipse(QPointF(94, 40), 22, 14);
        strokePath(p, ring, dashPen(QColor(0xff, 0x40, 0x30), 1.6, 3, 2));
    });
}

// Tiled roofs of a village street seen from above.
void roofRow(QPainter &p, qreal top, qreal bottom, unsigned seed)
{
    Scatter s(seed);
    for (qreal x = -6; x < kWidth; x += 44) {
        const QColor roof = s.next() < 0.5 ? QColor(0x9a, 0x4a, 0x3a) : QColor(0x6a, 0x6e, 0x78);
        p.fillRect(QRectF(x, top, 42, bottom - top), roof);
        line(p, {x, (top + bottom) / 2}, {x + 42, (top + bottom) / 2}, flatPen(roof.darker(140), 1.2));
    }
}

// Narrow village street seen from above: cars parked on both sides leave the lorry a hand's
// width either side.
QImage villageStreetScene()
{
    return picture(kPavement, [](QPainter &p) {
        roofRow(p, 0, 30, 4);
        roofRow(p, 100, 130, 8);
        p.fillRect(QRectF(0, 34, kWidth, 62), QColor(0x7a, 0x7a, 0x78));
        for (const qreal x : {92.0, 150.0, 190.0})
            carTop(p, {x, 43}, 180, x > 160 ? kBlueCar : kWhiteCar, 28, 14);
        for (const qreal x : {110.0, 168.0})
            carTop(p, {x, 87}, 0, kGreyCar, 28, 14);
        truckTop(p, {42, 65}, 0, kCab, kBox, 66, 20);
        walker(p, {134, 94}, 12, kPerson, false);
        sceneArrow(p, segment({80, 65}, {100, 65}), 2, 5, 6, kSwing);
    });
}

// Side view of a lorry stopped before a zebra crossing: the driver's sight line over the cab
// front and the ground hidden below it.
QImage stopGapScene()
{
    return picture(kSky, [](QPainter &p) {
        const qreal road = 112;
        p.fillRect(QRectF(0, road, kWidth, 18), kAsphalt);
        for (qreal x = 142; x < 196; x += 9)
            p.fillRect(QRectF(x, road, 5, 3), kPaint);
        const qreal chassis = 90;
        outlined(p, roundedRect(QRectF(-6, 38, 92, 50), 1.5), kBox, kBox.darker(150));
        p.fillRect(QRectF(-6, chassis, 124, 6), kChassis);
        cabSide(p, 86, chassis, 50, kCab);
        wheel(p, {20, 104}, 9);
        wheel(p, {102, 104}, 9);
        const QPointF eye(104, 52);
        const QPointF edge(117, 70);
        const QPointF onGround = eye + (edge - eye) * ((road - eye.y()) / (edge.y() - eye.y()));
        fillPolygon(p, QPolygonF{edge, onGround, {118, road}, {118, 96}}, kZone);
        line(p, eye, onGround, dashPen(QColor(0xc0, 0x20, 0x10), 1.2, 3, 2));
        disc(p, eye, 2.2, kSkin.darker(110));
        walker(p, {168, road}, 26, kPerson, false);
    });
}

// Bend seen from above: an oncoming articulated lorry swings round and its trailer cuts across
// the centre line into the own lane.
QImage oncomingTrailerScene()
{
    return picture(kGrass, [](QPainter &p) {
        const QPointF c(126, 84);
        const auto at = [&](qreal r, qreal deg) {
            const qreal a = qDegreesToRadians(deg);
            return c + QPointF(r * std::cos(a), -r * std::sin(a));
        };
        QPainterPath centre({c.x() - 50, 140});
        centre.lineTo(c.x() - 50, c.y());
        centre.arcTo(QRectF(c.x() - 50, c.y() - 50, 100, 100), 180, -90);
        centre.lineTo(220, c.y() - 50);
        strokePath(p, centre, flatPen(kKerb, 46));
        strokePath(p, centre, flatPen(kAsphalt, 42));
        strokePath(p, centre, flatPen(kYellowPaint, 1.8));
        // Oncoming tractor on the outside of the bend, trailer cutting inside.
        const QPointF front = at(61, 142);
        const QPointF heading(-std::sin(qDegreesToRadians(142.0)), -std::cos(qDegreesToRadians(142.0)));
        const QPointF kingpin = front - heading * 13;
        const QPointF rear = at(42, 96);
        const qreal trailerAngle = QLineF(rear, kingpin).angle();
        topView(p, (rear + kingpin) / 2, -trailerAngle, QLineF(rear, kingpin).length() + 6, 15,
                [&](qreal l, qreal w) {
                    outlined(p, roundedRect(QRectF(-l, -w, 2 * l, 2 * w), 1.5),
                             QColor(0xdc, 0xdc, 0xd6), QColor(0x80, 0x80, 0x80));
                });
        const qreal tractorAngle = -QLineF(QPointF(), heading).angle();
        topView(p, front - heading * 8, tractorAngle, 17, 15, [&](qreal l, qreal w) {
            outlined(p, roundedRect(QRectF(-l, -w, 2 * l, 2 * w), 3), QColor(0x30, 0x80, 0x50),
                     QColor(0x20, 0x50, 0x30));
            p.fillRect(QRectF(l - 4, -w + 2, 2.5, 2 * w - 4), kGlass);
        });
        truckTop(p, {c.x() - 39, 116}, -90, kCab, kBox, 46, 15);
    });
}

// Narrow country road seen from above: soft earth verge and a ditch beside the own lane.
QImage softVergeScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 40, kWidth, 46), kAsphalt);
        p.fillRect(QRectF(0, 86, kWidth, 14), QColor(0xa0, 0x80, 0x58));
        Scatter s(13);
        for (int i = 0; i < 30; ++i)
            disc(p, {s.between(0, 200), s.between(88, 98)}, s.between(0.8, 1.8), QColor(0x7a, 0x5e, 0x3a));
        p.fillRect(QRectF(0, 104, kWidth, 10), QColor(0x5a, 0x7a, 0x98));
        p.fillRect(QRectF(0, 100, kWidth, 4), QColor(0x6a, 0x8a, 0x48));
        truckTop(p, {70, 74}, 0, kCab, QColor(0x9a, 0x7a, 0x50), 66, 20);
        carTop(p, {146, 51}, 180, kWhiteCar, 28, 14);
        label(p, QRectF(124, 86, 58, 15), QStringLiteral("路肩松软"));
    });
}

// Overhead power lines on their poles.
void powerLines(QPainter &p, qreal poleX, qreal sagTop)
{
    line(p, {poleX, 4}, {poleX, 112}, flatPen(QColor(0x8a, 0x86, 0x80), 4));
    line(p, {poleX - 10, 10}, {poleX + 10, 10}, flatPen(QColor(0x6a, 0x66, 0x60), 2.4));
    for (const qreal dx : {-8.0, 0.0, 8.0}) {
        QPainterPath wire({-10, sagTop + dx * 0.3});
        wire.quadTo(poleX / 2, sagTop + 14, poleX + dx, 10);
        wire.quadTo((poleX + 210) / 2, sagTop + 14, 210, sagTop + dx * 0.3);
        strokePath(p, wire, flatPen(kBlack, 1.2));
    }
}

// Loaded flat-bed from the side: a man on top of the load reaching up with the sheet, power
// lines just above him.
QImage tarpWiresScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kAsphalt);
        const qreal chassis = 90;
        p.fillRect(QRectF(14, chassis - 6, 126, 6), QColor(0x8a, 0x6a, 0x40));
        p.fillRect(QRectF(14, chassis, 168, 6), kChassis);
        cabSide(p, 146, chassis, 42, kCab);
        for (const qreal x : {38.0, 60.0})
            wheel(p, {x, 104}, 9);
        wheel(p, {166, 104}, 9);
        const QColor crate(0xc8, 0x9a, 0x5a);
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 6; ++col)
                outlined(p, roundedRect(QRectF(16 + col * 21, chassis - 26 - row * 20, 21, 20), 0),
                         crate, crate.darker(150));
        fillPolygon(p, QPolygonF{{16, 44}, {60, 44}, {66, 26}, {30, 18}}, QColor(0x2a, 0x6a, 0x3a));
        walker(p, {74, 44}, 24, QColor(0x30, 0x50, 0x90), false);
        powerLines(p, 178, 12);
    });
}

// Lorry with a folded knuckle crane behind the cab, outriggers still stowed, a pallet beside it.
QImage craneLegsScene()
{
    return picture(kSky, [](QPainter &p) {
        p.fillRect(QRectF(0, 112, kWidth, 18), kPavement);
        const qreal chassis = 88;
        p.fillRect(QRectF(10, chassis - 6, 108, 6), QColor(0x8a, 0x6a, 0x40));
        p.fillRect(QRectF(10, chassis, 176, 6), kChassis);
        cabSide(p, 150, chassis, 42, kCab);
        for (const qreal x : {34.0, 56.0})
            wheel(p, {x, 103}, 9);
        wheel(p, {170, 103}, 9);
        // Crane column, folded boom, and the outrigger box under the chassis.
        const QColor crane(0xe0, 0x30, 0x30);
        p.fillRect(QRectF(124, 44, 14, 44), crane);
        line(p, {131, 48}, {70, 34}, flatPen(crane, 7));
        line(p, {72, 36}, {122, 56}, flatPen(crane.darker(115), 5));
        disc(p, {131, 48}, 4, crane.darker(140));
        outlined(p, roundedRect(QRectF(118, 94, 30, 8), 1), QColor(0x70, 0x70, 0x74), kBlack, 0.6);
        const QColor pallet(0xc8, 0x9a, 0x5a);
        outlined(p, roundedRect(QRectF(-4, 84, 26, 28), 0), pallet, pallet.darker(150));
    });
}

// Expressway seen from above: a crate has fallen off the own lorry into the middle lane,
// traffic is coming up behind.
QImage cargoFallenScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 14, kWidth, 104), kAsphalt);
        paintLine(p, {0, 16}, {kWidth, 16}, kYellowPaint, 1.5);
        dashedLine(p, {0, 42}, {kWidth, 42}, kPaint, 1.5, 10, 8);
        dashedLine(p, {0, 68}, {kWidth, 68}, kPaint, 1.5, 10, 8);
        paintLine(p, {0, 94}, {kWidth, 94}, kPaint, 1.5);
        p.fillRect(QRectF(0, 118, kWidth, 4), QColor(0xb0, 0xb0, 0xb4));
        truckTop(p, {158, 81}, 0, kCab, kBox, 66, 19);
        const QColor crate(0xc8, 0x9a, 0x5a);
        p.save();
        p.translate(84, 56);
        p.rotate(24);
        outlined(p, roundedRect(QRectF(-8, -7, 16, 14), 0), crate, crate.darker(150));
        p.restore();
        carTop(p, {18, 55}, 0, kWhiteCar, 26, 13);
        carTop(p, {-6, 29}, 0, kGreyCar, 26, 13);
        label(p, QRectF(60, 98, 58, 15), QStringLiteral("应急车道"));
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-truck",
                   {
                       {"scene_truck_right_turn.jpg", truckRightTurnScene},
                       {"scene_truck_downhill.jpg", truckDownhillScene},
                       {"scene_truck_blind_zones.jpg", truckBlindZonesScene},
                       {"scene_trailer_rear.jpg", trailerRearScene},
                       {"scene_truck_side_guard.jpg", truckSideGuardScene},
                       {"scene_semi_coupling.jpg", semiCouplingScene},
                       {"scene_truck_jackknife.jpg", jackknifeScene},
                       {"scene_truck_overhang.jpg", pipeOverhangScene},
                       {"scene_tanker_marks.jpg", tankerMarksScene},
                       {"scene_tanker_leak.jpg", tankerLeakScene},
                       {"scene_truck_high_load_bend.jpg", highLoadBendScene},
                       {"scene_truck_red_right_turn.jpg", redLightRightTurnScene},
                       {"scene_truck_air_pressure.jpg", airPressureScene},
                       {"scene_truck_escape_lane.jpg", escapeLaneScene},
                       {"scene_hazmat_parking.jpg", hazmatParkingScene},
                       {"scene_truck_cut_in.jpg", cutInScene},
                       {"scene_truck_low_bridge.jpg", lowBridgeScene},
                       {"scene_truck_hairpin.jpg", hairpinScene},
                       {"scene_truck_overtake_lorry.jpg", overtakeLorryScene},
                       {"scene_truck_loading_bay.jpg", loadingBayScene},
                       {"scene_truck_crosswind_bridge.jpg", crosswindBridgeScene},
                       {"scene_truck_work_zone.jpg", workZoneScene},
                       {"scene_truck_site_exit.jpg", siteExitScene},
                       {"scene_truck_wheel_nuts.jpg", wheelNutsScene},
                       {"scene_truck_rear_load.jpg", rearLoadScene},
                       {"scene_truck_air_lines.jpg", airLinesScene},
                       {"scene_truck_tipper_prop.jpg", tipperPropScene},
                       {"scene_truck_rear_doors.jpg", rearDoorsScene},
                       {"scene_truck_forklift_dock.jpg", forkliftDockScene},
                       {"scene_truck_snow_chains.jpg", snowChainsScene},
                       {"scene_truck_rev_band.jpg", revBandScene},
                       {"scene_truck_lowbed_excavator.jpg", lowbedExcavatorScene},
                       {"scene_truck_ebike_ahead.jpg", ebikeAheadScene},
                       {"scene_truck_weight_bridge.jpg", weightBridgeScene},
                       {"scene_truck_junction_queue.jpg", junctionQueueScene},
                       {"scene_truck_deflector.jpg", deflectorScene},
                       {"scene_truck_tail_lift.jpg", tailLiftScene},
                       {"scene_truck_strap_cut.jpg", strapCutScene},
                       {"scene_truck_village_street.jpg", villageStreetScene},
                       {"scene_truck_stop_gap.jpg", stopGapScene},
                       {"scene_truck_oncoming_trailer.jpg", oncomingTrailerScene},
                       {"scene_truck_soft_verge.jpg", softVergeScene},
                       {"scene_truck_tarp_wires.jpg", tarpWiresScene},
                       {"scene_truck_crane_legs.jpg", craneLegsScene},
                       {"scene_truck_cargo_fallen.jpg", cargoFallenScene},
                   });
}
