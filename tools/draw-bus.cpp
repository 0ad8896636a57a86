// Draws the traffic situations of the large-bus questions into a folder given on the command line.

#include "scenes.h"

using namespace painting;

namespace {

const QColor kCoach(0x2e, 0x9a, 0x58);
const QColor kCityBus(0x1e, 0x7c, 0xc8);
const QColor kBlindZone(0xff, 0x40, 0x20, 95);
const QColor kSmoke(0xb4, 0xb4, 0xb8, 190);
const qreal kBusAt = 0.40;
const QPointF kCyclistAt(131, 92);

// Coach seen from the side, facing right, standing on the ground line; the picture may cut off
// its tail at the left edge.
void busSide(QPainter &p, qreal rearX, qreal frontX, qreal ground, qreal height, const QColor &body)
{
    const qreal top = ground - height;
    const qreal floor = ground - height * 0.16;
    QPainterPath shell;
    shell.moveTo(rearX, floor);
    shell.lineTo(rearX, top + 3);
    shell.quadTo(rearX, top, rearX + 3, top);
    shell.lineTo(frontX - 6, top);
    shell.quadTo(frontX - 1, top, frontX - 1, top + 5);
    shell.lineTo(frontX, floor);
    shell.closeSubpath();
    outlined(p, shell, body, body.darker(170));
    // Windscreen reaching low, side windows in a band, a door behind the front wheel.
    fillPolygon(p,
                QPolygonF{{frontX - 4, top + 3},
                          {frontX - 1.5, top + 5},
                          {frontX - 0.8, top + height * 0.52},
                          {frontX - 4, top + height * 0.52}},
                kGlass);
    for (qreal x = frontX - 14; x - 12 > rearX + 2; x -= 15)
        p.fillRect(QRectF(x - 12, top + 4, 12, height * 0.3), kGlass);
    p.fillRect(QRectF(rearX, floor - 2, frontX - rearX, 2), body.darker(130));
    disc(p, {frontX - 16, ground - 5}, 5.5, kBlack);
    disc(p, {frontX - 16, ground - 5}, 2.2, QColor(0x90, 0x90, 0x94));
    if (frontX - 74 > rearX + 6) {
        disc(p, {frontX - 74, ground - 5}, 5.5, kBlack);
        disc(p, {frontX - 74, ground - 5}, 2.2, QColor(0x90, 0x90, 0x94));
    }
    disc(p, {frontX - 0.5, floor - 2}, 1.4, QColor(0xff, 0xf4, 0xc0));
}

// Side view of a small figure crouching by a ball, for the blind area in front of a coach.
void crouchingChild(QPainter &p, QPointF feet, qreal height, const QColor &colour)
{
    p.save();
    p.translate(feet);
    p.scale(height / 14, height / 14);
    disc(p, {-0.5, -11}, 2.8, kSkin.darker(105));
    line(p, {-1, -8}, {1.5, -3.5}, roundPen(colour, 3.2));
    line(p, {1.5, -3.5}, {-1.5, -2}, roundPen(colour, 2.4));
    line(p, {-1.5, -2}, {0.5, 0}, roundPen(colour, 2.2));
    line(p, {0, -7}, {3.5, -3}, roundPen(colour, 2));
    p.restore();
    disc(p, feet + QPointF(height * 0.45, -height * 0.16), height * 0.16, QColor(0xe8, 0x30, 0x30));
}

// Round dial with coloured bands and a needle; angles in degrees clockwise from straight up.
struct Band {
    qreal from;
    qreal to;
    QColor colour;
};

void dial(QPainter &p, QPointF centre, qreal radius, const std::vector<Band> &bands,
          const std::vector<std::pair<qreal, QColor>> &needles)
{
    QPainterPath rim;
    rim.addEllipse(centre, radius + 4, radius + 4);
    outlined(p, rim, QColor(0x50, 0x52, 0x58), QColor(0x30, 0x30, 0x34), 1);
    disc(p, centre, radius, kWhite);
    const QRectF arcBox(centre.x() - radius * 0.8, centre.y() - radius * 0.8, radius * 1.6,
                        radius * 1.6);
    for (const Band &b : bands) {
        QPainterPath arc;
        arc.arcMoveTo(arcBox, 90 - b.from);
        arc.arcTo(arcBox, 90 - b.from, -(b.to - b.from));
        strokePath(p, arc, flatPen(b.colour, radius * 0.2));
    }
    for (qreal a = -120; a <= 120.1; a += 20) {
        const qreal r = qDegreesToRadians(a);
        const QPointF dir(std::sin(r), -std::cos(r));
        line(p, centre + dir * radius * 0.62, centre + dir * radius * 0.7, flatPen(kInk, 1));
    }
    for (const auto &[angle, colour] : needles) {
        const qreal r = qDegreesToRadians(angle);
        const QPointF dir(std::sin(r), -std::cos(r));
        line(p, centre - dir * radius * 0.12, centre + dir * radius * 0.86, roundPen(colour, 2.2));
    }
    disc(p, centre, radius * 0.1, kInk);
}

void smokePuffs(QPainter &p, QPointF from, QPointF drift, int count, qreal size)
{
    Scatter s(7);
    for (int i = 0; i < count; ++i) {
        const qreal t = qreal(i) / std::max(1, count - 1);
        const QPointF at = from + drift * t + QPointF(s.between(-3, 3), s.between(-3, 3));
        disc(p, at, size * (0.6 + 0.8 * t), kSmoke);
    }
}

// Cyclist seen from above, riding along the heading.
void cyclistTop(QPainter &p, QPointF centre, qreal angle, const QColor &colour)
{
    topView(p, centre, angle, 20, 7, [&](qreal l, qreal) {
        line(p, {-l, 0}, {l, 0}, roundPen(kBlack, 1.6));
        line(p, {l - 3, -3.5}, {l - 3, 3.5}, roundPen(kInk, 1.2));
        outlined(p, roundedRect(QRectF(-4, -3.2, 6.5, 6.4), 2.5), colour, colour.darker(150));
        disc(p, {0.5, 0}, 2.1, kSkin.darker(110));
    });
}

// Yellow warning triangle with a steep descent figure and its gradient, about size px high.
void steepDescentSign(QPainter &p, QPointF centre, qreal size)
{
    const QPolygonF outer = triangle(centre + QPointF(0, size * 0.08), size * 0.62);
    outlined(p, polygonPath(outer), kWhite, QColor(0xa0, 0xa0, 0xa0), 0.6);
    const QPolygonF rim = triangle(centre + QPointF(0, size * 0.08), size * 0.57);
    fillPolygon(p, rim, kBlack);
    fillPolygon(p, triangle(centre + QPointF(0, size * 0.08), size * 0.46),
                QColor(0xfb, 0xc7, 0x00));
    const qreal u = size / 40;
    fillPolygon(p,
                QPolygonF{centre + QPointF(-11 * u, -1 * u), centre + QPointF(11 * u, 11 * u),
                          centre + QPointF(-11 * u, 11 * u)},
                kBlack);
    fitText(p, QStringLiteral("10%"), QRectF(centre + QPointF(-1 * u, -5 * u), QSizeF(11 * u, 7 * u)),
            kBlack);
}

// White auxiliary plate with black text.
void plate(QPainter &p, const QRectF &box, const QString &text)
{
    outlined(p, roundedRect(box, 1.5), kWhite, kInk, 0.8);
    fitText(p, text, box.adjusted(2, 1.5, -2, -1.5), kBlack);
}

void flames(QPainter &p, QPointF base, qreal size)
{
    const QColor outer(0xff, 0x70, 0x10);
    const QColor inner(0xff, 0xd0, 0x30);
    for (int i = -1; i <= 1; ++i) {
        const QPointF at = base + QPointF(i * size * 0.45, 0);
        p.fillPath(teardrop(at, size * (i == 0 ? 0.42 : 0.32)), outer);
        p.fillPath(teardrop(at + QPointF(0, size * 0.08), size * (i == 0 ? 0.22 : 0.16)), inner);
    }
}

QPainterPath circlePath(QPointF centre, qreal radius)
{
    QPainterPath c;
    c.addEllipse(centre, radius, radius);
    return c;
}

// Numbered marker, a white disc with a black digit.
void marker(QPainter &p, QPointF centre, const QString &digit)
{
    outlined(p, circlePath(centre, 6.5), kWhite, kBlack, 1.2);
    fitText(p, digit, QRectF(centre - QPointF(3.6, 4.6), QSizeF(7.2, 9.2)), kBlack);
}

QImage schoolBusScene()
{
    // Three lanes in the school bus's direction: the lane behind it and the adjacent one wait,
    // the far lane passes slowly.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 4, 114);
        doubleYellowLine(p, 27);
        dashedLine(p, {0, 59}, {kWidth, 59});
        dashedLine(p, {0, 86.5}, {kWidth, 86.5});
        carTop(p, {168, 15}, 180, kBlueCar);
        busTop(p, {130, 100.5}, 0, kSchoolBus, 66, 20, QStringLiteral("校车"));
        hazardLights(p, {130, 100.5}, 0, 66, 20);
        line(p, {150, 90.5}, {150, 83}, flatPen(kInk, 1.4));
        stopPaddle(p, {150, 77.5}, 6.5);
        carTop(p, {62, 100.5}, 0, kWhiteCar);
        carTop(p, {84, 73}, 0, kGreyCar);
        carTop(p, {66, 45.5}, 0, kOwnCar);
        for (int i = 0; i < 3; ++i)
            walker(p, {146.0 + 10 * i, 128}, 12, QColor(0x30 + 40 * i, 0x60, 0xb0), i % 2, true);
    });
}

QImage busBlindSpotScene()
{
    // The coach keeps the middle of three lanes so that a lane change to the right is possible;
    // the white car sits in the blind area beside it.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 0, 112);
        doubleYellowLine(p, 22);
        dashedLine(p, {0, 53}, {kWidth, 53});
        dashedLine(p, {0, 82}, {kWidth, 82});
        carTop(p, {150, 11}, 180, kBlueCar);
        carTop(p, {118, 97.5}, 0, kWhiteCar);
        p.fillRect(QRectF(146, 56, 26, 25), kBlindZone);
        p.fillRect(QRectF(60, 81, 88, 27), kBlindZone);
        p.fillRect(QRectF(30, 56, 28, 25), kBlindZone);
        busTop(p, {102, 68.5}, 0, kCoach, 88, 22);
        carTop(p, {40, 38}, 0, kGreyCar);
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
        busTop(p, {100, 95}, 0, kCityBus, 80, 21);
        indicator(p, {100, 95}, 0, 80, 21, true);
        walker(p, {72, 126}, 13, kPerson);
        walker(p, {92, 127}, 13, QColor(0x80, 0x30, 0x60), false);
        walker(p, {112, 127}, 13, QColor(0x40, 0x60, 0x30));
        walker(p, {151, 101}, 14, QColor(0xb0, 0x30, 0x30), false);
        carTop(p, {50, 72}, 0, kGreyCar);
        carTop(p, {170, 18}, 180, kWhiteCar);
    });
}

QImage busFrontBlindScene()
{
    // The driver's sight line just clears the coach's nose; a crouching child below it is hidden.
    return picture(QColor(0xc8, 0xdc, 0xee), [](QPainter &p) {
        const qreal ground = 112;
        p.fillRect(QRectF(0, ground, kWidth, kHeight - ground), QColor(0x6a, 0x6c, 0x70));
        p.fillRect(QRectF(0, ground, kWidth, 2), kKerb);
        busSide(p, -10, 128, ground, 62, kCoach);
        const QPointF eye(110, 60);
        const QPointF nose(127.5, 80);
        const qreal slope = (nose.y() - eye.y()) / (nose.x() - eye.x());
        const QPointF reach(eye.x() + (ground - eye.y()) / slope, ground);
        fillPolygon(p, QPolygonF{nose, {128, ground}, reach}, kBlindZone);
        // Driver's head behind the windscreen.
        disc(p, eye + QPointF(-3, 1), 3.2, kSkin.darker(110));
        line(p, eye, reach, dashPen(QColor(0xd0, 0x20, 0x10), 1.4, 4, 3));
        crouchingChild(p, {139, ground}, 16, QColor(0xd0, 0x60, 0x20));
        walker(p, {176, ground}, 26, kPerson, false);
    });
}

// Front and rear wheel paths of a coach turning right; the rear wheels cut inside the front ones.
QImage busRightTurnScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        const QPointF hub(150, 100);
        const qreal kerbRadius = 10;
        const qreal frontRadius = 42;
        const qreal wheelbase = 36;
        // Pavement at the inside corner and left of the side road; lane lines of both roads.
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
        p.fillRect(QRectF(0, 84, 22, 46), kKerb);
        p.fillRect(QRectF(0, 86, 20, 44), kPavement);
        doubleYellowLine(p, 10);
        dashedLine(p, {0, 46}, {hub.x() - 6, 46});
        paintLine(p, {62, 100}, {62, 130}, kYellowPaint, 1.8);
        dashedLine(p, {97, 100}, {97, 130});

        QPainterPath frontPath({hub.x() - frontRadius, 230.0});
        frontPath.lineTo(hub.x() - frontRadius, hub.y());
        frontPath.arcTo(
            QRectF(hub.x() - frontRadius, hub.y() - frontRadius, 2 * frontRadius, 2 * frontRadius),
            180, -90);
        frontPath.lineTo(330, hub.y() - frontRadius);
        // The rear axle follows the front one at a fixed distance (a tractrix).
        QPolygonF fronts, rears;
        QPointF rear(hub.x() - frontRadius, 230.0 + wheelbase);
        const int steps = 1500;
        for (int i = 0; i <= steps; ++i) {
            const QPointF front = frontPath.pointAtPercent(qreal(i) / steps);
            rear = front - (front - rear) * (wheelbase / QLineF(rear, front).length());
            fronts << front;
            rears << rear;
        }
        // Right-hand wheels sit half a body width to the inside of each axle path.
        auto rightSide = [](const QPolygonF &axle, qreal offset) {
            QPolygonF side;
            for (int i = 1; i < axle.size(); ++i) {
                const QLineF dir(axle[i - 1], axle[i]);
                if (dir.length() < 1e-6)
                    continue;
                const QPointF n(-dir.dy() / dir.length(), dir.dx() / dir.length());
                side << axle[i] + n * offset;
            }
            return side;
        };
        const QPolygonF frontRight = rightSide(fronts, 8.5);
        const QPolygonF rearRight = rightSide(rears, 8.5);
        QPainterPath band;
        band.addPolygon(frontRight);
        for (auto it = rearRight.rbegin(); it != rearRight.rend(); ++it)
            band.lineTo(*it);
        band.closeSubpath();
        p.fillPath(band, QColor(0xff, 0x50, 0x20, 130));
        QPainterPath frontLine, rearLine;
        frontLine.addPolygon(frontRight);
        rearLine.addPolygon(rearRight);
        strokePath(p, frontLine, dashPen(QColor(0x60, 0xc0, 0xff), 1.6, 4, 3));
        strokePath(p, rearLine, dashPen(kYellowPaint, 1.6, 4, 3));

        // The coach part way round, its body placed on the two axles.
        const int at = int(steps * kBusAt);
        const QPointF f = fronts[at];
        const QPointF r = rears[at];
        const QLineF axis(r, f);
        const qreal angle = -axis.angle();
        const QPointF unit = (f - r) / axis.length();
        const qreal frontOverhang = 10;
        const qreal rearOverhang = 16;
        const qreal length = wheelbase + frontOverhang + rearOverhang;
        const QPointF centre = r - unit * rearOverhang + unit * (length / 2);
        busTop(p, centre, angle, kCityBus, length, 19);
        indicator(p, centre, angle, length, 19, false);
        cyclistTop(p, kCyclistAt, -90, QColor(0x80, 0x30, 0x30));
    });
}

QImage runawayRampScene()
{
    // A descending mountain road with an escape ramp leaving it on the right ahead of the coach:
    // a gravel bed that climbs away and ends at a barrier.
    return picture(kGrass, [](QPainter &p) {
        Scatter s(11);
        for (int i = 0; i < 40; ++i)
            disc(p, {s.between(0, 200), s.between(0, 130)}, s.between(2, 5),
                 QColor(0x78, 0xa4, 0x4a));
        const QPolygonF ramp{{86, 60}, {86, 80}, {184, 130}, {200, 118}};
        fillPolygon(p, ramp, QColor(0xc8, 0xa8, 0x78));
        for (int i = 0; i < 300; ++i) {
            const qreal t = s.next();
            const qreal w = s.next();
            const QPointF a = ramp[0] + (ramp[3] - ramp[0]) * t;
            const QPointF b = ramp[1] + (ramp[2] - ramp[1]) * t;
            disc(p, a + (b - a) * w, 0.9, QColor(0x98, 0x7c, 0x54));
        }
        line(p, {86, 60}, {200, 118}, flatPen(kPaint, 1.4));
        line(p, {86, 80}, {184, 130}, flatPen(kPaint, 1.4));
        p.fillRect(QRectF(40, 0, 48, 130), kAsphalt);
        paintLine(p, {64, 0}, {64, 130}, kYellowPaint, 1.8);
        paintLine(p, {86.5, 0}, {86.5, 60}, kPaint, 1.4);
        paintLine(p, {86.5, 80}, {86.5, 130}, kPaint, 1.4);
        busTop(p, {76, 20}, 90, kCoach, 58, 18);
        hazardLights(p, {76, 20}, 90, 58, 18);
        sceneArrow(p, segment({76, 56}, {76, 84}), 2.4, 6, 8, QColor(0xf4, 0xf4, 0xf8));
        steepDescentSign(p, {20, 30}, 34);
        plate(p, QRectF(2, 52, 37, 15), QStringLiteral("连续下坡"));
    });
}

QImage crosswindScene()
{
    // A coach on a bridge over water; the wind blows across the deck and the windsock stands out
    // straight.
    return picture(QColor(0x4a, 0x88, 0xc0), [](QPainter &p) {
        Scatter s(5);
        for (int i = 0; i < 24; ++i) {
            const QPointF at(s.between(0, 200), s.between(0, 130));
            line(p, at, at + QPointF(8, 0), roundPen(QColor(0x7c, 0xb0, 0xe0), 1));
        }
        p.fillRect(QRectF(0, 44, kWidth, 56), QColor(0x9a, 0x9a, 0x9a));
        p.fillRect(QRectF(0, 47, kWidth, 50), kAsphalt);
        paintLine(p, {0, 72}, {kWidth, 72}, kYellowPaint, 1.8);
        for (qreal x = 2; x < kWidth; x += 10) {
            p.fillRect(QRectF(x, 43, 3, 3), kWhite);
            p.fillRect(QRectF(x, 98, 3, 3), kWhite);
        }
        busTop(p, {104, 85}, 0, kCoach, 76, 20);
        carTop(p, {40, 59}, 180, kGreyCar);
        // Windsock on the upwind rail, blown across the road.
        p.fillRect(QRectF(150, 36, 4, 4), kInk);
        QPolygonF sock{{149, 40}, {155, 40}, {154, 58}, {150, 58}};
        fillPolygon(p, sock, QColor(0xff, 0x70, 0x10));
        p.fillRect(QRectF(149.3, 45, 5.4, 4), kWhite);
        p.fillRect(QRectF(149.6, 52, 4.8, 3), kWhite);
        for (int i = 0; i < 3; ++i) {
            const qreal x = 40 + 55 * i;
            QPainterPath gust({x, 2});
            gust.cubicTo(x + 8, 12, x - 6, 22, x + 2, 34);
            sceneArrow(p, gust, 3, 7, 9, QColor(0xf4, 0xf4, 0xf8));
        }
    });
}

QImage busDoorGapScene()
{
    // The bus has stopped well away from the platform; an e-bike comes up through the gap on the
    // door side while passengers step down.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 0, 100);
        doubleYellowLine(p, 12);
        dashedLine(p, {0, 50}, {kWidth, 50});
        p.fillRect(QRectF(96, 104, 84, 9), QColor(0x90, 0xa8, 0xc0));
        p.fillRect(QRectF(96, 104, 84, 2), QColor(0x60, 0x70, 0x88));
        busTop(p, {118, 68}, 0, kCityBus, 84, 21);
        // Open front door: a gap in the right side of the body near the front.
        p.fillRect(QRectF(140, 77.5, 10, 2.5), QColor(0x20, 0x24, 0x28));
        walker(p, {146, 95}, 14, QColor(0x80, 0x30, 0x60), false);
        walker(p, {158, 120}, 13, kPerson);
        walker(p, {120, 121}, 13, QColor(0x40, 0x60, 0x30), false);
        cyclistTop(p, {86, 90}, 0, QColor(0x30, 0x80, 0x40));
        sceneArrow(p, segment({98, 90}, {116, 90}), 2, 6, 7, kSwing);
        carTop(p, {40, 34}, 0, kGreyCar);
        carTop(p, {160, 6}, 180, kWhiteCar);
    });
}

QImage windowHammerScene()
{
    // A side window seen from inside the coach just after the hammer broke it: the glass is gone
    // but jagged pieces still stick out of the frame.
    return picture(QColor(0xc4, 0xc0, 0xb8), [](QPainter &p) {
        p.fillRect(QRectF(0, 104, kWidth, 26), QColor(0x6a, 0x5a, 0x50));
        outlined(p, roundedRect(QRectF(24, 10, 130, 88), 5), QColor(0x50, 0x54, 0x5a),
                 QColor(0x30, 0x30, 0x34), 1);
        const QRectF opening(30, 16, 118, 76);
        p.fillRect(opening, QColor(0x9c, 0xc4, 0x7c));
        p.fillRect(QRectF(30, 16, 118, 30), QColor(0xb8, 0xd8, 0xf0));
        const QColor shard(0x7c, 0xaa, 0xd4, 240);
        const QPen edge(kWhite, 1.2);
        Scatter s(21);
        auto jagged = [&](QPointF from, QPointF to, QPointF inward) {
            QPolygonF piece{from};
            const int teeth = int(QLineF(from, to).length() / 7);
            for (int i = 1; i < teeth; ++i) {
                const QPointF along = from + (to - from) * (qreal(i) / teeth);
                piece << along + inward * s.between(4, 13);
            }
            piece << to;
            p.save();
            p.setPen(edge);
            p.setBrush(shard);
            p.drawPolygon(piece);
            p.restore();
        };
        jagged(opening.topLeft(), opening.topRight(), {0, 1});
        jagged(opening.bottomRight(), opening.bottomLeft(), {0, -1});
        jagged(opening.topRight(), opening.bottomRight(), {-1, 0});
        jagged(opening.bottomLeft(), opening.topLeft(), {1, 0});
        for (int i = 0; i < 70; ++i)
            disc(p, {s.between(20, 160), s.between(101, 112)}, s.between(0.6, 1.3),
                 QColor(0xc8, 0xe0, 0xf0));
        // Hammer back in the hand of a passenger, beside the window.
        line(p, {172, 70}, {168, 36}, roundPen(kRed, 4));
        fillPolygon(p, QPolygonF{{158, 30}, {178, 28}, {179, 36}, {159, 38}}, kRed);
        fillPolygon(p, QPolygonF{{158, 30}, {153, 35}, {159, 38}}, QColor(0x40, 0x40, 0x44));
        disc(p, {172, 76}, 6, kSkin.darker(105));
    });
}

QImage extinguisherGaugeScene()
{
    // Close-up of the pressure gauge on a stored-pressure dry-powder extinguisher, needle in red.
    return picture(QColor(0xe4, 0xe4, 0xe0), [](QPainter &p) {
        outlined(p, roundedRect(QRectF(112, 62, 60, 80), 14), kRed, kRed.darker(150), 1);
        p.fillRect(QRectF(130, 46, 24, 18), QColor(0x30, 0x30, 0x34));
        fillPolygon(p, QPolygonF{{128, 46}, {186, 34}, {188, 40}, {134, 52}},
                    QColor(0x20, 0x20, 0x24));
        line(p, {154, 52}, {176, 70}, roundPen(QColor(0xe0, 0xc0, 0x20), 2));
        line(p, {104, 52}, {130, 54}, roundPen(QColor(0x70, 0x70, 0x74), 3));
        dial(p, {70, 56}, 40,
             {{-120, -40, QColor(0xe0, 0x20, 0x20)},
              {-40, 40, QColor(0x20, 0xb0, 0x40)},
              {40, 120, QColor(0xf0, 0xc0, 0x10)}},
             {{-85, kBlack}});
    });
}

QImage airGaugeScene()
{
    // The coach's dual air-pressure gauge on the dashboard, both needles down in the red band.
    return picture(QColor(0x2a, 0x2c, 0x30), [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, 14), QColor(0x18, 0x18, 0x1a));
        dial(p, {100, 70}, 46,
             {{-120, -40, QColor(0xe0, 0x20, 0x20)}, {-40, 120, QColor(0x50, 0x50, 0x50, 60)}},
             {{-98, QColor(0xe0, 0x30, 0x20)}, {-78, QColor(0x20, 0x90, 0x40)}});
        fitText(p, QStringLiteral("0"), QRectF(76, 78, 9, 11), kInk);
        fitText(p, QStringLiteral("10"), QRectF(113, 78, 14, 11), kInk);
        fitText(p, QStringLiteral("气压"), QRectF(88, 92, 24, 12), kInk);
        flash(p, {166, 30}, kLampRed, 1.3);
    });
}

QImage engineFireScene()
{
    // A coach with its engine at the back has stopped at the kerb; smoke and flames come from the
    // rear and passengers leave by the front door.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 0, 100);
        doubleYellowLine(p, 16);
        dashedLine(p, {0, 56}, {kWidth, 56});
        busTop(p, {96, 82}, 0, kCoach, 84, 21);
        hazardLights(p, {96, 82}, 0, 84, 21);
        p.fillRect(QRectF(128, 91.5, 10, 2.5), QColor(0x20, 0x24, 0x28));
        p.fillRect(QRectF(62, 91.5, 10, 2.5), QColor(0x20, 0x24, 0x28));
        flames(p, {58, 84}, 12);
        smokePuffs(p, {52, 74}, {-26, -44}, 10, 7);
        for (int i = 0; i < 3; ++i)
            walker(p, {142.0 + 13 * i, 112.0 + 5 * i}, 13, QColor(0x30 + 40 * i, 0x50, 0x90));
        sceneArrow(p, segment({150, 124}, {190, 124}), 2.4, 6, 8, QColor(0x20, 0xa0, 0x40));
        carTop(p, {150, 36}, 180, kGreyCar);
    });
}

QImage longDescentScene()
{
    // From the coach's seat: the road drops over the edge ahead and is seen again far below in the
    // valley; the sign warns of a steep and continuous descent.
    return driverView(QColor(0x90, 0xc0, 0xe8), QColor(0xe0, 0xec, 0xf4), QColor(0x6c, 0x94, 0x50),
                      [](QPainter &p, const View &) {
        fillPolygon(p, QPolygonF{{0, 40}, {36, 14}, {80, 34}, {124, 10}, {170, 30}, {200, 22},
                                 {200, 56}, {0, 56}},
                    QColor(0x86, 0x96, 0xa8));
        fillPolygon(p, QPolygonF{{0, 52}, {200, 52}, {200, 84}, {0, 84}}, QColor(0x98, 0xb8, 0x80));
        QPainterPath valleyRoad({30, 76});
        valleyRoad.cubicTo(70, 62, 110, 78, 150, 62);
        strokePath(p, valleyRoad, flatPen(QColor(0x70, 0x72, 0x76), 2));
        fillPolygon(p, QPolygonF{{0, 84}, {200, 84}, {200, 130}, {0, 130}}, QColor(0x6c, 0x94, 0x50));
        fillPolygon(p, QPolygonF{{6, 130}, {84, 84}, {112, 84}, {176, 130}}, kAsphalt);
        for (qreal y = 88; y < 130; y += 12)
            line(p, {98 + (y - 84) * 0.1, y}, {98 + (y + 6 - 84) * 0.1, y + 6},
                 flatPen(kYellowPaint, 1 + (y - 84) * 0.05));
        line(p, {170, 58}, {170, 116}, flatPen(QColor(0x90, 0x90, 0x94), 2.4));
        steepDescentSign(p, {170, 44}, 40);
        plate(p, QRectF(146, 70, 48, 17), QStringLiteral("连续下坡"));
    });
}

QImage tunnelFireScene()
{
    // Inside a tunnel, seen from above: a coach burning, the smoke drifting to the right, and a
    // cross passage in the left of the upper wall.
    return picture(QColor(0x3a, 0x3a, 0x40), [](QPainter &p) {
        p.fillRect(QRectF(0, 26, kWidth, 80), QColor(0x5c, 0x5e, 0x62));
        p.fillRect(QRectF(0, 22, kWidth, 4), QColor(0xb8, 0xb8, 0xb0));
        p.fillRect(QRectF(0, 106, kWidth, 4), QColor(0xb8, 0xb8, 0xb0));
        dashedLine(p, {0, 66}, {kWidth, 66});
        // Cross passage with its green sign.
        p.fillRect(QRectF(24, 0, 22, 24), QColor(0x5c, 0x5e, 0x62));
        outlined(p, roundedRect(QRectF(50, 6, 22, 14), 2), QColor(0x10, 0xa0, 0x50), kWhite, 0.8);
        sceneArrow(p, segment({68, 13}, {56, 13}), 2.4, 4, 6, kWhite);
        busTop(p, {112, 86}, 0, kCoach, 70, 20);
        hazardLights(p, {112, 86}, 0, 70, 20);
        flames(p, {144, 80}, 11);
        smokePuffs(p, {150, 70}, {46, -6}, 10, 8);
        for (int i = 0; i < 3; ++i)
            walker(p, {40.0 + 13 * i, 60.0 - 10 * i}, 13, QColor(0xe0, 0xd0, 0x60 + 40 * i), false);
        sceneArrow(p, segment({176, 118}, {196, 118}), 2.4, 5, 7, QColor(0xc0, 0xc0, 0xc4));
        fitText(p, QStringLiteral("风向"), QRectF(146, 112, 26, 12), QColor(0xe0, 0xe0, 0xe4));
    });
}

QImage coachNightScene()
{
    // A long-distance coach parked at a service area in the small hours; the clock reads 02:40.
    return picture(QColor(0x14, 0x1c, 0x3a), [](QPainter &p) {
        Scatter s(3);
        for (int i = 0; i < 30; ++i)
            disc(p, {s.between(0, 200), s.between(0, 50)}, 0.8, QColor(0xe8, 0xe8, 0xf0));
        disc(p, {26, 18}, 9, QColor(0xf4, 0xec, 0xb0));
        disc(p, {30, 15}, 8, QColor(0x14, 0x1c, 0x3a));
        p.fillRect(QRectF(0, 96, kWidth, 34), QColor(0x40, 0x42, 0x48));
        for (qreal x = 10; x < kWidth; x += 40)
            line(p, {x, 100}, {x, 128}, flatPen(kPaint, 1.2));
        // Service-area building with a lit front.
        p.fillRect(QRectF(120, 54, 76, 42), QColor(0x30, 0x34, 0x40));
        p.fillRect(QRectF(124, 70, 68, 16), QColor(0xf0, 0xd8, 0x80));
        outlined(p, roundedRect(QRectF(66, 8, 72, 30), 4), QColor(0x10, 0x10, 0x12),
                 QColor(0x80, 0x80, 0x88), 1.2);
        fitText(p, QStringLiteral("02:40"), QRectF(72, 12, 60, 22), QColor(0xff, 0x50, 0x30));
        busSide(p, 14, 116, 100, 38, kCoach);
    });
}

QImage schoolBusSeatsScene()
{
    // Inside a school bus seen from above, front to the right: the driver at the front left, the
    // front passenger seat empty, pupils in the rows, one pupil out of his seat in the aisle and
    // the adult escort standing near the front.
    return picture(QColor(0xd8, 0xd6, 0xd0), [](QPainter &p) {
        outlined(p, roundedRect(QRectF(8, 14, 184, 102), 8), kSchoolBus, kSchoolBus.darker(160),
                 1.2);
        p.fillRect(QRectF(14, 20, 172, 90), QColor(0xe8, 0xe4, 0xd8));
        p.fillRect(QRectF(184, 22, 5, 86), kGlass);
        p.fillRect(QRectF(150, 108, 18, 6), QColor(0x40, 0x44, 0x48));
        const QColor seat(0x4c, 0x70, 0xa8);
        auto seatAt = [&](QPointF at, bool taken, const QColor &who) {
            outlined(p, roundedRect(QRectF(at.x() - 7, at.y() - 6, 14, 12), 2.5), seat,
                     seat.darker(150), 0.6);
            if (taken)
                disc(p, at + QPointF(1, 0), 4.2, who);
        };
        const QColor pupil(0xe8, 0x88, 0x30);
        for (int row = 0; row < 7; ++row) {
            const qreal x = 28 + row * 17;
            seatAt({x, 30}, true, pupil);
            seatAt({x, 44}, row != 3, pupil);
            seatAt({x, 86}, true, pupil);
            seatAt({x, 100}, true, pupil);
        }
        seatAt({166, 32}, true, QColor(0x30, 0x40, 0x70));
        strokePath(p, circlePath({176, 32}, 6), roundPen(kInk, 2));
        seatAt({166, 98}, false, pupil);
        // The pupil who has left row four stands in the aisle; the escort is by the door.
        disc(p, {80, 62}, 4.6, pupil);
        disc(p, {80, 62}, 2.4, kSkin.darker(110));
        disc(p, {150, 70}, 5.8, QColor(0x2a, 0x7a, 0x50));
        disc(p, {150, 70}, 3.1, kSkin.darker(110));
    });
}

QImage doubleStopScene()
{
    // One bus is at the platform; a second, orange one has stopped beside it in the next lane and
    // its passengers cross the lane between the two buses.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 0, 102);
        doubleYellowLine(p, 20);
        dashedLine(p, {0, 62}, {kWidth, 62});
        p.fillRect(QRectF(70, 106, 90, 9), QColor(0x90, 0xa8, 0xc0));
        p.fillRect(QRectF(70, 106, 90, 2), QColor(0x60, 0x70, 0x88));
        busTop(p, {112, 84}, 0, kCityBus, 80, 21);
        const QColor orange(0xf0, 0x8a, 0x20);
        busTop(p, {108, 43}, 0, orange, 80, 21);
        p.fillRect(QRectF(132, 52.5, 10, 2.5), QColor(0x20, 0x24, 0x28));
        walker(p, {150, 66}, 13, QColor(0x80, 0x30, 0x60), false);
        walker(p, {160, 73}, 13, kPerson, false);
        walker(p, {100, 124}, 12, QColor(0x40, 0x60, 0x30));
        carTop(p, {38, 43}, 0, kGreyCar);
        carTop(p, {40, 10}, 180, kWhiteCar);
    });
}

// Person seen from above: shoulders and head, facing along the heading.
void personTop(QPainter &p, QPointF centre, qreal angle, const QColor &colour, qreal size = 1)
{
    topView(p, centre, angle, 6 * size, 11 * size, [&](qreal, qreal w) {
        outlined(p, roundedRect(QRectF(-2.4 * size, -w, 4.8 * size, 2 * w), 2.2 * size), colour,
                 colour.darker(150), 0.6);
        disc(p, {0.3 * size, 0}, 2.5 * size, kSkin.darker(110));
    });
}

// Height-limit sign face: white disc, red ring, the value between two black heads.
void heightLimitFace(QPainter &p, QPointF centre, qreal radius, const QString &value)
{
    disc(p, centre, radius + 0.7, QColor(0xa0, 0xa0, 0xa0));
    disc(p, centre, radius, kRed);
    disc(p, centre, radius * 0.78, kWhite);
    const qreal u = radius / 50;
    fitText(p, value, QRectF(centre.x() - 30 * u, centre.y() - 12 * u, 60 * u, 24 * u), kBlack,
            0.5);
    for (const qreal side : {-1.0, 1.0})
        fillPolygon(p,
                    QPolygonF{centre + QPointF(-9 * u, 37 * side * u),
                              centre + QPointF(9 * u, 37 * side * u),
                              centre + QPointF(0, 21 * side * u)},
                    kBlack);
}

// City bus from the side, facing right: low floor, a front and a middle door; lowered takes the
// body down towards the wheels as the kneeling suspension does.
void cityBusSide(QPainter &p, qreal rearX, qreal frontX, qreal ground, qreal height, bool lowered,
                 bool middleDoorOpen)
{
    const qreal drop = lowered ? 5 : 0;
    const qreal bottom = ground - 8 + drop;
    const qreal top = bottom - height;
    const QColor body = kCityBus;
    outlined(p, roundedRect(QRectF(rearX, top, frontX - rearX, height), 4), body,
             body.darker(170));
    p.fillRect(QRectF(rearX + 2, top + 6, frontX - rearX - 6, height * 0.42), kGlass);
    for (qreal x = rearX + 20; x < frontX - 8; x += 18)
        p.fillRect(QRectF(x, top + 6, 1.6, height * 0.42), body.darker(120));
    p.fillRect(QRectF(frontX - 4, top + 4, 3, height * 0.6), kGlass);
    const qreal midDoor = rearX + (frontX - rearX) * 0.5;
    const QRectF front(frontX - 20, top + 5, 13, height - 6);
    p.fillRect(front, kGlass.lighter(130));
    line(p, {front.center().x(), front.top()}, {front.center().x(), front.bottom()},
         flatPen(body.darker(140), 1));
    const QRectF middle(midDoor - 8, top + 5, 16, height - 6);
    p.fillRect(middle, middleDoorOpen ? QColor(0x30, 0x32, 0x36) : kGlass.lighter(130));
    if (!middleDoorOpen)
        line(p, {middle.center().x(), middle.top()}, {middle.center().x(), middle.bottom()},
             flatPen(body.darker(140), 1));
    for (const qreal x : {frontX - 34, rearX + 28}) {
        // Wheel arch cut into the skirt; a lowered body sits close over the tyre.
        disc(p, {x, ground - 7}, 9.5, QColor(0x30, 0x32, 0x36));
        disc(p, {x, ground - 7}, 7, kBlack);
        disc(p, {x, ground - 7}, 2.8, QColor(0x90, 0x90, 0x94));
    }
    disc(p, {frontX - 1.5, bottom - 5}, 1.6, QColor(0xff, 0xf4, 0xc0));
}

void wheelchairUser(QPainter &p, QPointF ground, bool facingLeft)
{
    p.save();
    p.translate(ground);
    if (facingLeft)
        p.scale(-1, 1);
    const QPen frame = roundPen(QColor(0x50, 0x50, 0x58), 1.4);
    strokePath(p, circlePath({-2, -7}, 7), roundPen(kInk, 1.6));
    disc(p, {7, -2}, 2, kInk);
    line(p, {-6, -13}, {6, -13}, frame);
    line(p, {-6, -13}, {-8, -24}, frame);
    line(p, {6, -13}, {8, -3}, frame);
    line(p, {-4, -14}, {-2, -27}, roundPen(QColor(0xc0, 0x50, 0x30), 5));
    line(p, {-2, -14}, {6, -14}, roundPen(kPerson, 4));
    line(p, {6, -14}, {7, -5}, roundPen(kPerson, 3.5));
    line(p, {-1, -24}, {5, -18}, roundPen(QColor(0xc0, 0x50, 0x30), 2.4));
    disc(p, {-1.5, -31}, 3.6, kSkin.darker(105));
    p.restore();
}

QImage lowBridgeScene()
{
    // From the coach's seat: a road bridge crosses ahead and its height limit is posted at the
    // roadside before it.
    return driverView(kClearSky, kClearHorizon, kGrass, [](QPainter &p, const View &v) {
        straightRoad(p, v, 3.6);
        roadMarkings(p, v, 3.6);
        const qreal at = 30;
        const QColor concrete(0xb4, 0xb0, 0xa8);
        for (const qreal x : {-6.0, 6.2}) {
            const QRectF pier = v.upright(x, at, 1.2, 3.5);
            p.fillRect(pier, concrete.darker(112));
        }
        const QRectF deck(QPointF(0, v.at(0, at, 5.2).y()), QPointF(kWidth, v.at(0, at, 3.5).y()));
        p.fillRect(deck, concrete);
        p.fillRect(QRectF(0, deck.top(), kWidth, 2), concrete.lighter(112));
        // Black and yellow stripes warn of the low edge of the deck.
        p.save();
        p.setClipRect(QRectF(0, deck.bottom() - 4, kWidth, 4));
        p.fillRect(QRectF(0, deck.bottom() - 4, kWidth, 4), kYellowPaint);
        for (qreal x = -10; x < kWidth + 10; x += 10)
            fillPolygon(p, QPolygonF{{x, deck.bottom()}, {x + 5, deck.bottom()},
                                     {x + 9, deck.bottom() - 4}, {x + 4, deck.bottom() - 4}},
                        kBlack);
        p.restore();
        line(p, {170, 50}, {170, 110}, flatPen(QColor(0x90, 0x90, 0x94), 3));
        heightLimitFace(p, {170, 38}, 19, QStringLiteral("3.5m"));
    });
}

QImage kneelingBusScene()
{
    // At a stop the bus has lowered itself on its suspension and a ramp runs from the middle door
    // down to the platform, where a wheelchair user waits.
    return picture(QColor(0xc8, 0xdc, 0xee), [](QPainter &p) {
        const qreal ground = 108;
        p.fillRect(QRectF(0, 84, kWidth, 24), kAsphalt);
        p.fillRect(QRectF(0, ground, kWidth, 4), kKerb);
        p.fillRect(QRectF(0, ground + 4, kWidth, kHeight - ground - 4), kPavement);
        cityBusSide(p, 8, 182, ground, 50, true, true);
        const qreal sill = ground - 8 + 5;
        fillPolygon(p, QPolygonF{{87, sill}, {103, sill}, {107, 124}, {83, 124}},
                    QColor(0x8a, 0x8c, 0x90));
        for (qreal y = sill + 4; y < 124; y += 4)
            line(p, {86, y}, {104, y}, flatPen(QColor(0x70, 0x72, 0x76), 0.8));
        p.fillRect(QRectF(83, 122, 24, 3), kYellowPaint);
        wheelchairUser(p, {128, 126}, true);
        // Down arrow over the front wheel: the body has been lowered.
        sceneArrow(p, segment({148, 34}, {148, 48}), 2.6, 6, 8, kSwing);
        line(p, {140, 50}, {156, 50}, flatPen(kSwing, 2));
    });
}

QImage runnerScene()
{
    // The bus has shut its doors and pulled away from the stop; a man runs after it along the
    // pavement waving.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 4, 90);
        doubleYellowLine(p, 40);
        dashedLine(p, {0, 66}, {kWidth, 66});
        // Shelter and the stop's pole behind the bus.
        p.fillRect(QRectF(8, 98, 46, 9), QColor(0x90, 0xa8, 0xc0));
        p.fillRect(QRectF(8, 98, 46, 2.5), QColor(0x60, 0x70, 0x88));
        busTop(p, {140, 78}, 0, kCityBus, 82, 21);
        sceneArrow(p, segment({184, 78}, {197, 78}), 2.2, 5, 7, kSwing);
        carTop(p, {36, 53}, 0, kGreyCar);
        carTop(p, {150, 22}, 180, kWhiteCar);
        carTop(p, {52, 14}, 180, kBlueCar);
        const QColor coat(0xb0, 0x30, 0x30);
        walker(p, {88, 126}, 24, coat);
        line(p, {89, 109}, {97, 97}, roundPen(coat, 2.6));
        for (int i = 0; i < 3; ++i)
            line(p, {62.0 - 3 * i, 106.0 + 6 * i}, {74.0 - 3 * i, 106.0 + 6 * i},
                 roundPen(QColor(0x80, 0x80, 0x84), 1.4));
    });
}

QImage schoolBusRearWheelScene()
{
    // The pupils have got off; one has gone back and crouches by the rear wheel for a ball, beside
    // the bus's right side.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 2, 100);
        doubleYellowLine(p, 30);
        dashedLine(p, {0, 64}, {kWidth, 64});
        const QPointF bus(110, 84);
        busTop(p, bus, 0, kSchoolBus, 92, 26, QStringLiteral("校车"));
        hazardLights(p, bus, 0, 92, 26);
        line(p, {140, 71}, {140, 63}, flatPen(kInk, 1.6));
        stopPaddle(p, {140, 56.5}, 7);
        carTop(p, {34, 84}, 0, kWhiteCar);
        carTop(p, {50, 47}, 0, kGreyCar);
        carTop(p, {160, 16}, 180, kBlueCar);
        // Rear wheel position marked on the body, the child crouching just outside it.
        p.fillRect(QRectF(76, 95.5, 12, 2.5), QColor(0x30, 0x30, 0x34));
        disc(p, {80, 99.5}, 3.6, QColor(0xe8, 0x30, 0x30));
        personTop(p, {84, 103}, -90, QColor(0xe8, 0x88, 0x30), 1.3);
        personTop(p, {146, 112}, -90, QColor(0x2a, 0x7a, 0x50), 1.5);
        personTop(p, {166, 118}, 0, QColor(0x40, 0x60, 0xb0), 1.3);
        personTop(p, {184, 114}, 0, QColor(0x80, 0x30, 0x60), 1.3);
    });
}

QImage leftTurnStandingScene()
{
    // Inside a city bus seen from above as it starts a left turn: seats along both sides and
    // passengers standing in the aisle.
    return picture(kAsphalt, [](QPainter &p) {
        QPainterPath kerb({0.0, 118.0});
        kerb.lineTo(150, 118);
        kerb.quadTo(186, 118, 186, 80);
        kerb.lineTo(186, 0);
        kerb.lineTo(200, 0);
        kerb.lineTo(200, 130);
        kerb.lineTo(0, 130);
        kerb.closeSubpath();
        p.fillPath(kerb, kPavement);
        strokePath(p, kerb, flatPen(kKerb, 3));
        p.save();
        p.translate(96, 76);
        p.rotate(-12);
        const QRectF shell(-80, -21, 160, 42);
        outlined(p, roundedRect(shell, 5), kCityBus, kCityBus.darker(170), 1);
        p.fillRect(shell.adjusted(3, 3, -3, -3), QColor(0xe4, 0xe0, 0xd6));
        p.fillRect(QRectF(75, -18, 3, 36), kGlass);
        const QColor seat(0x4c, 0x70, 0xa8);
        for (qreal x = -72; x < 40; x += 14) {
            outlined(p, roundedRect(QRectF(x, -17, 10, 9), 2), seat, seat.darker(150), 0.6);
            if (x < 20)
                outlined(p, roundedRect(QRectF(x, 8, 10, 9), 2), seat, seat.darker(150), 0.6);
        }
        outlined(p, roundedRect(QRectF(62, -17, 10, 10), 2), seat.darker(120), seat.darker(160),
                 0.6);
        line(p, {-70, -4}, {60, -4}, flatPen(QColor(0xb0, 0xb0, 0xb4), 1));
        line(p, {-70, 4}, {60, 4}, flatPen(QColor(0xb0, 0xb0, 0xb4), 1));
        const QColor coats[] = {QColor(0xb0, 0x30, 0x30), QColor(0x30, 0x80, 0x40),
                                QColor(0x80, 0x30, 0x80), QColor(0xc0, 0x80, 0x20),
                                QColor(0x30, 0x50, 0xa0)};
        for (int i = 0; i < 5; ++i)
            personTop(p, {-54.0 + 24 * i, (i % 2 == 0) ? -1.0 : 1.5}, 90,
                      coats[i], 1.05);
        p.restore();
        QPainterPath path({150, 60});
        path.quadTo(178, 52, 182, 20);
        dashedArrow(p, path, kWhite);
        dashedLine(p, {0, 40}, {150, 40});
    });
}

QImage busLaneRightTurnScene()
{
    // The kerb lane is a bus lane; near the side road its line turns to broken and a car signalling
    // right moves across into it in front of the bus.
    return picture(kPavement, [](QPainter &p) {
        p.fillRect(QRectF(0, 2, kWidth, 118), kKerb);
        p.fillRect(QRectF(0, 4, kWidth, 114), kAsphalt);
        p.fillRect(QRectF(168, 116, 32, 14), kAsphalt);
        p.fillRect(QRectF(166, 118, 2, 12), kKerb);
        doubleYellowLine(p, 34);
        dashedLine(p, {0, 62}, {160, 62});
        paintLine(p, {0, 90}, {112, 90}, kYellowPaint, 1.8);
        dashedLine(p, {112, 90}, {160, 90}, kYellowPaint, 1.8, 6, 5);
        paintLine(p, {162, 40}, {162, 118}, kPaint, 2);
        fitText(p, QStringLiteral("公交专用"), QRectF(4, 97, 40, 14), kYellowPaint);
        busTop(p, {80, 104}, 0, kCityBus, 64, 19);
        const QPointF car(130, 96);
        carTop(p, car, 24, kWhiteCar);
        indicator(p, car, 24, 30, 15, false);
        carTop(p, {60, 76}, 0, kGreyCar);
        carTop(p, {120, 48}, 0, kBlueCar);
        carTop(p, {150, 18}, 180, kGreyCar);
    });
}

QImage luggageHatchScene()
{
    // A coach has pulled in at the roadside for passengers to collect their bags; it has luggage
    // hatches on both sides and traffic passes on its left.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 2, 96);
        doubleYellowLine(p, 30);
        dashedLine(p, {0, 62}, {kWidth, 62});
        const QPointF at(104, 80);
        busTop(p, at, 0, kCoach, 104, 26);
        hazardLights(p, at, 0, 104, 26);
        for (const qreal x : {70.0, 96.0, 122.0}) {
            outlined(p, roundedRect(QRectF(x - 11, 66, 22, 3.2), 1), kCoach.darker(140),
                     kCoach.darker(200), 0.6);
            outlined(p, roundedRect(QRectF(x - 11, 90.8, 22, 3.2), 1), kCoach.darker(140),
                     kCoach.darker(200), 0.6);
        }
        carTop(p, {160, 47}, 0, kGreyCar);
        carTop(p, {28, 47}, 0, kBlueCar);
        carTop(p, {70, 16}, 180, kWhiteCar);
        const QColor coats[] = {QColor(0xb0, 0x30, 0x30), QColor(0x30, 0x80, 0x40),
                                QColor(0x80, 0x30, 0x80), QColor(0x30, 0x50, 0xa0)};
        for (int i = 0; i < 4; ++i) {
            personTop(p, {66.0 + 24 * i, 114}, -90, coats[i], 1.4);
            outlined(p, roundedRect(QRectF(73.0 + 24 * i, 108, 8, 11), 1.5),
                     QColor(0x50, 0x40, 0x38), QColor(0x30, 0x24, 0x20), 0.6);
        }
    });
}

// Coach from the side, facing right, with its axles where given.
void coachSide(QPainter &p, qreal rearX, qreal frontX, qreal ground, qreal height,
               qreal frontAxle, qreal rearAxle)
{
    const qreal top = ground - height;
    const qreal floor = ground - 9;
    outlined(p, roundedRect(QRectF(rearX, top, frontX - rearX, floor - top), 5), kCoach,
             kCoach.darker(170));
    fillPolygon(p, QPolygonF{{frontX - 5, top + 3}, {frontX - 1, top + 6},
                             {frontX - 1, top + height * 0.55}, {frontX - 5, top + height * 0.55}},
                kGlass);
    for (qreal x = frontX - 10; x - 13 > rearX + 2; x -= 16)
        p.fillRect(QRectF(x - 13, top + 5, 13, height * 0.32), kGlass);
    p.fillRect(QRectF(rearX, floor - 3, frontX - rearX, 2), kCoach.darker(130));
    for (const qreal x : {frontAxle, rearAxle}) {
        disc(p, {x, ground - 6}, 8, QColor(0x30, 0x32, 0x36));
        disc(p, {x, ground - 6}, 6.5, kBlack);
        disc(p, {x, ground - 6}, 2.6, QColor(0x90, 0x90, 0x94));
    }
    disc(p, {frontX - 1, floor - 6}, 1.5, QColor(0xff, 0xf4, 0xc0));
}

QImage speedBumpScene()
{
    // A coach approaching a speed hump; four seat positions along the body are numbered.
    return picture(QColor(0xc8, 0xdc, 0xee), [](QPainter &p) {
        const qreal ground = 112;
        p.fillRect(QRectF(0, ground, kWidth, kHeight - ground), kAsphalt);
        coachSide(p, 8, 158, ground, 62, 136, 58);
        QPainterPath hump({170, ground});
        hump.quadTo(181, ground - 9, 192, ground);
        hump.closeSubpath();
        p.fillPath(hump, kYellowPaint);
        p.save();
        p.setClipPath(hump);
        for (qreal x = 168; x < 196; x += 8)
            p.fillRect(QRectF(x, ground - 10, 4, 10), kBlack);
        p.restore();
        // One seat over each axle, one between them, one far out on the rear overhang.
        const qreal y = 72;
        marker(p, {134, y}, QStringLiteral("1"));
        marker(p, {97, y}, QStringLiteral("2"));
        marker(p, {60, y}, QStringLiteral("3"));
        marker(p, {20, y}, QStringLiteral("4"));
    });
}

QImage expresswayBreakdownScene()
{
    // A coach has broken down and stands in the emergency lane with its warning triangle set far
    // behind; the first passengers are getting out of the right-hand door beside the guardrail.
    return picture(kGrass, [](QPainter &p) {
        horizontalRoad(p, 6, 100);
        paintLine(p, {0, 8}, {kWidth, 8}, kYellowPaint, 1.8);
        dashedLine(p, {0, 32}, {kWidth, 32}, kPaint, 1.6, 12, 8);
        dashedLine(p, {0, 56}, {kWidth, 56}, kPaint, 1.6, 12, 8);
        paintLine(p, {0, 80}, {kWidth, 80}, kPaint, 1.8);
        line(p, {0, 104}, {kWidth, 104}, flatPen(QColor(0xc8, 0xc8, 0xcc), 3));
        for (qreal x = 4; x < kWidth; x += 14)
            p.fillRect(QRectF(x, 103, 2, 5), QColor(0x80, 0x80, 0x86));
        const QPointF at(124, 90);
        busTop(p, at, 0, kCoach, 86, 19);
        hazardLights(p, at, 0, 86, 19);
        fillPolygon(p, triangle({16, 90}, 6), kRed);
        fillPolygon(p, triangle({16, 90}, 3), kAsphalt);
        carTop(p, {60, 68}, 0, kWhiteCar);
        carTop(p, {150, 44}, 0, kBlueCar);
        busTop(p, {40, 20}, 0, kCityBus.darker(115), 60, 18);
        const QColor coats[] = {QColor(0xb0, 0x30, 0x30), QColor(0x80, 0x30, 0x80),
                                QColor(0xc0, 0x80, 0x20)};
        for (int i = 0; i < 3; ++i)
            personTop(p, {150.0 - 9 * i, 101.5}, 180, coats[i], 0.9);
    });
}

QImage leftTurnPillarScene()
{
    // A coach starting a left turn; the window pillar and mirror on the driver's side hide a
    // wedge of the crossing it is about to drive over, and a pedestrian is walking in it.
    return picture(kPavement, [](QPainter &p) {
        crossroads(p, {52, 112, 28, 82}, true);
        const QPointF at(150, 46);
        const qreal heading = 168;
        const QPointF driver = local(at, heading, {27, -6});
        QPainterPath shade(driver);
        shade.lineTo(driver + QPointF(-150, 46));
        shade.lineTo(driver + QPointF(-96, 104));
        shade.closeSubpath();
        p.fillPath(shade, QColor(0x20, 0x20, 0x24, 110));
        busTop(p, at, heading, kCoach, 76, 19);
        indicator(p, at, heading, 76, 19, true);
        QPainterPath turn(local(at, heading, {40, 0}));
        turn.cubicTo({90, 60}, {78, 80}, {76, 124});
        dashedArrow(p, turn, kWhite);
        walker(p, {68, 92}, 15, QColor(0xb0, 0x30, 0x30), true);
        carTop(p, {20, 68}, 0, kGreyCar);
    });
}

QImage hammerPointsScene()
{
    // A coach's side window from inside with its hammer on the pillar; marker 1 sits in the middle
    // of the pane, marker 2 in a corner next to the frame.
    return picture(QColor(0xd8, 0xd4, 0xcc), [](QPainter &p) {
        const QRectF frame(34, 14, 132, 86);
        outlined(p, roundedRect(frame, 8), QColor(0x50, 0x52, 0x58), QColor(0x30, 0x30, 0x34), 1);
        const QRectF pane = frame.adjusted(6, 6, -6, -6);
        p.fillRect(pane, QColor(0xa8, 0xd0, 0xec));
        p.fillRect(QRectF(pane.left(), pane.center().y() + 8, pane.width(), pane.bottom() -
                              pane.center().y() - 8),
                   QColor(0x9c, 0xc0, 0x80));
        line(p, pane.topRight() + QPointF(-34, 6), pane.topRight() + QPointF(-12, 28),
             flatPen(QColor(0xff, 0xff, 0xff, 150), 3));
        p.fillRect(QRectF(0, 108, kWidth, kHeight - 108), QColor(0x70, 0x60, 0x54));
        // Hammer hanging on the pillar to the right of the window.
        p.fillRect(QRectF(176, 28, 6, 10), QColor(0x60, 0x60, 0x66));
        line(p, {179, 38}, {179, 74}, roundPen(kRed, 4));
        outlined(p, roundedRect(QRectF(171, 34, 16, 7), 2), kRed, kRed.darker(150), 0.8);
        marker(p, pane.center(), QStringLiteral("1"));
        marker(p, pane.topLeft() + QPointF(9, 9), QStringLiteral("2"));
    });
}

QImage schoolBusSingleLaneScene()
{
    // One lane each way with a broken centre line; a school bus stops for pupils with its stop
    // sign out, and a city bus comes up behind it.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 26, 106);
        dashedLine(p, {0, 66}, {kWidth, 66}, kYellowPaint, 1.8, 10, 7);
        const QPointF bus(142, 87);
        busTop(p, bus, 0, kSchoolBus, 70, 22, QStringLiteral("校车"));
        hazardLights(p, bus, 0, 70, 22);
        line(p, {168, 76}, {168, 68}, flatPen(kInk, 1.6));
        stopPaddle(p, {168, 62}, 7);
        busTop(p, {56, 87}, 0, kCityBus, 64, 19);
        carTop(p, {30, 46}, 180, kWhiteCar);
        for (int i = 0; i < 3; ++i)
            walker(p, {150.0 + 12 * i, 124}, 13, kPerson, true, true);
    });
}

QImage busPullInScene()
{
    // A city bus in the kerb lane signals right as it nears the stop's shelter ahead.
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 4, 100);
        doubleYellowLine(p, 34);
        dashedLine(p, {0, 68}, {kWidth, 68});
        p.fillRect(QRectF(138, 110, 50, 9), QColor(0x90, 0xa8, 0xc0));
        p.fillRect(QRectF(138, 110, 50, 2.5), QColor(0x60, 0x70, 0x88));
        line(p, {132, 104}, {132, 126}, flatPen(QColor(0x70, 0x70, 0x74), 1.6));
        disc(p, {132, 104}, 4, QColor(0x00, 0x56, 0xa6));
        const QPointF at(80, 86);
        busTop(p, at, 0, kCityBus, 70, 20);
        indicator(p, at, 0, 70, 20, false);
        carTop(p, {160, 52}, 0, kGreyCar);
        carTop(p, {40, 52}, 0, kBlueCar);
        carTop(p, {110, 18}, 180, kWhiteCar);
        walker(p, {158, 124}, 13, QColor(0x40, 0x60, 0x30));
        walker(p, {172, 124}, 13, QColor(0x80, 0x30, 0x60), false);
    });
}

QImage coachAisleScene()
{
    // A coach still rolling into the bus station; some passengers have already stood up in the
    // aisle with their bags by the front door.
    return picture(kAsphalt, [](QPainter &p) {
        p.fillRect(QRectF(0, 104, kWidth, kHeight - 104), kPavement);
        p.fillRect(QRectF(0, 102, kWidth, 3), kKerb);
        for (qreal x = 10; x < kWidth; x += 40)
            paintLine(p, {x, 102}, {x + 18, 70}, kPaint, 1.4);
        const QRectF shell(8, 38, 168, 50);
        outlined(p, roundedRect(shell, 6), kCoach, kCoach.darker(170), 1);
        p.fillRect(shell.adjusted(3, 3, -3, -3), QColor(0xe4, 0xe0, 0xd6));
        p.fillRect(QRectF(shell.right() - 5, shell.top() + 4, 3, shell.height() - 8), kGlass);
        const QColor seat(0x4c, 0x70, 0xa8);
        for (qreal x = 14; x < 140; x += 14) {
            outlined(p, roundedRect(QRectF(x, 42, 11, 12), 2), seat, seat.darker(150), 0.6);
            if (x < 110)
                outlined(p, roundedRect(QRectF(x, 72, 11, 12), 2), seat, seat.darker(150), 0.6);
        }
        outlined(p, roundedRect(QRectF(152, 42, 12, 12), 2), seat.darker(120), seat.darker(160),
                 0.6);
        // Front door in the right-hand side, passengers queueing in front of it with their bags.
        p.fillRect(QRectF(140, 85, 22, 3), QColor(0x30, 0x32, 0x36));
        const QColor coats[] = {QColor(0xb0, 0x30, 0x30), QColor(0x30, 0x80, 0x40),
                                QColor(0x80, 0x30, 0x80)};
        for (int i = 0; i < 3; ++i) {
            personTop(p, {150.0 - 16 * i, 63}, 0, coats[i], 1.2);
            outlined(p, roundedRect(QRectF(144.0 - 16 * i, 72, 8, 9), 1.5),
                     QColor(0x50, 0x40, 0x38), QColor(0x30, 0x24, 0x20), 0.6);
        }
        sceneArrow(p, segment({180, 63}, {196, 63}), 2.4, 5, 7, kSwing);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-bus",
                   {
                       {"scene_school_bus.jpg", schoolBusScene},
                       {"scene_bus_blind_spot.jpg", busBlindSpotScene},
                       {"scene_bus_stop.jpg", busStopScene},
                       {"scene_bus_front_blind.jpg", busFrontBlindScene},
                       {"scene_bus_right_turn.jpg", busRightTurnScene},
                       {"scene_bus_runaway_ramp.jpg", runawayRampScene},
                       {"scene_bus_crosswind.jpg", crosswindScene},
                       {"scene_bus_door_gap.jpg", busDoorGapScene},
                       {"scene_bus_window_hammer.jpg", windowHammerScene},
                       {"scene_extinguisher_gauge.jpg", extinguisherGaugeScene},
                       {"scene_bus_air_gauge.jpg", airGaugeScene},
                       {"scene_bus_engine_fire.jpg", engineFireScene},
                       {"scene_bus_long_descent.jpg", longDescentScene},
                       {"scene_bus_tunnel_fire.jpg", tunnelFireScene},
                       {"scene_coach_night.jpg", coachNightScene},
                       {"scene_school_bus_seats.jpg", schoolBusSeatsScene},
                       {"scene_bus_double_stop.jpg", doubleStopScene},
                       {"scene_bus_low_bridge.jpg", lowBridgeScene},
                       {"scene_bus_kneeling.jpg", kneelingBusScene},
                       {"scene_bus_runner.jpg", runnerScene},
                       {"scene_school_bus_rear_wheel.jpg", schoolBusRearWheelScene},
                       {"scene_bus_left_turn_standing.jpg", leftTurnStandingScene},
                       {"scene_bus_lane_right_turn.jpg", busLaneRightTurnScene},
                       {"scene_bus_luggage_hatch.jpg", luggageHatchScene},
                       {"scene_bus_speed_bump.jpg", speedBumpScene},
                       {"scene_coach_expressway_breakdown.jpg", expresswayBreakdownScene},
                       {"scene_bus_left_turn_pillar.jpg", leftTurnPillarScene},
                       {"scene_bus_hammer_points.jpg", hammerPointsScene},
                       {"scene_school_bus_single_lane.jpg", schoolBusSingleLaneScene},
                       {"scene_bus_pull_in.jpg", busPullInScene},
                       {"scene_coach_aisle_standing.jpg", coachAisleScene},
                   });
}
