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
                   });
}
