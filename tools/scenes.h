// Traffic situations seen from above or from the driver's seat: roads, vehicles, people and the
// helpers that place them, shared by the tools that draw scene pictures.

#pragma once

#include "painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

namespace painting {

// Arrows that show a movement: an arm's swing, a vehicle's path.
inline const QColor kSwing(0xe4, 0x46, 0x14);

// Upright triangle around a centre.
inline QPolygonF triangle(QPointF centre, qreal radius)
{
    return polygonAround(3, radius, -90, centre);
}

// Arrows whose head overlaps the shaft by half its width.
inline void sceneArrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength,
                       qreal headWidth, const QColor &colour)
{
    painting::arrow(p, shaft, width, headLength, headWidth, colour, width / 2);
}

inline void dashedArrow(QPainter &p, const QPainterPath &shaft, const QColor &colour)
{
    strokePath(p, shaft, dashPen(colour, 2, 4, 3));
    arrowHead(p, shaft, 1, 6, 7, colour);
}

// Wavy line from one point to another, used for fog-lamp and coolant symbols.
inline QPainterPath wave(QPointF from, QPointF to, int bumps, qreal amplitude)
{
    const QPointF step = (to - from) / (2.0 * bumps);
    const QLineF axis(from, to);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
    QPainterPath path(from);
    for (int i = 0; i < 2 * bumps; ++i) {
        const QPointF start = from + step * i;
        const qreal side = (i % 2 == 0) ? 1 : -1;
        path.quadTo(start + step / 2 + normal * (2 * amplitude * side), start + step);
    }
    return path;
}

// Starburst marking a lamp that flashes.
inline void flash(QPainter &p, QPointF at, const QColor &colour, qreal size = 1)
{
    disc(p, at, 2.2 * size, colour);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF dir(std::cos(a), std::sin(a));
        line(p, at + dir * 3.6 * size, at + dir * 6.5 * size, roundPen(colour, 1.1 * size));
    }
}

// Fixed pseudo-random sequence so that every run draws the same picture.
class Scatter
{
public:
    explicit Scatter(unsigned seed) : m_state(seed) {}
    qreal next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return ((m_state >> 8) & 0xffff) / 65535.0;
    }
    qreal between(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    unsigned m_state;
};

// Vehicles and people shared by the traffic situations
inline const QColor kAsphalt(0x55, 0x58, 0x5c);
inline const QColor kGrass(0x8c, 0xb8, 0x5a);
inline const QColor kGlass(0x34, 0x44, 0x56);
inline const QColor kOwnCar(0xd8, 0x2a, 0x22);
inline const QColor kBlueCar(0x3c, 0x6c, 0xc0);
inline const QColor kWhiteCar(0xee, 0xee, 0xea);
inline const QColor kGreyCar(0x9a, 0x9c, 0xa0);
inline const QColor kSchoolBus(0xf6, 0xc4, 0x12);
inline const QColor kPerson(0x2c, 0x3e, 0x78);
inline const QColor kHazard(0xff, 0x9c, 0x00);

// Runs the drawing with the painter at the centre of a vehicle seen from above, turned along its
// heading; the drawing gets the half length and half width.
inline void topView(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width,
                    const std::function<void(qreal, qreal)> &draw)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    draw(length / 2, width / 2);
    p.restore();
}

// Top view, facing along +x before rotation.
inline void carTop(QPainter &p, QPointF centre, qreal angle, const QColor &body, qreal length = 30,
                   qreal width = 15)
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length, width), 4), body, body.darker(170));
        fillPolygon(p,
                    QPolygonF{{l * 0.2, -w * 0.78},
                              {l * 0.55, -w * 0.9},
                              {l * 0.55, w * 0.9},
                              {l * 0.2, w * 0.78}},
                    kGlass);
        fillPolygon(p,
                    QPolygonF{{-l * 0.55, -w * 0.78},
                              {-l * 0.75, -w * 0.85},
                              {-l * 0.75, w * 0.85},
                              {-l * 0.55, w * 0.78}},
                    kGlass);
        p.fillRect(QRectF(-l * 0.5, -w * 0.7, l * 0.65, width * 0.7), body.lighter(112));
        disc(p, {l - 1.6, -w + 2.2}, 1.3, QColor(0xff, 0xf4, 0xc0));
        disc(p, {l - 1.6, w - 2.2}, 1.3, QColor(0xff, 0xf4, 0xc0));
    });
}

inline QPointF local(QPointF centre, qreal angle, QPointF offset)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(angle);
    return t.map(offset);
}

inline void hazardLights(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width)
{
    for (const qreal x : {-1.0, 1.0})
        for (const qreal y : {-1.0, 1.0})
            flash(p, local(centre, angle, {x * (length / 2 - 1), y * (width / 2 - 1)}), kHazard,
                  0.8);
}

inline void indicator(QPainter &p, QPointF centre, qreal angle, qreal length, qreal width,
                      bool left)
{
    const qreal y = left ? -(width / 2 - 1) : width / 2 - 1;
    for (const qreal x : {-1.0, 1.0})
        flash(p, local(centre, angle, {x * (length / 2 - 1), y}), kHazard, 0.8);
}

inline void busTop(QPainter &p, QPointF centre, qreal angle, const QColor &body, qreal length = 64,
                   qreal width = 19, const QString &label = QString())
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length, width), 3), body, body.darker(170));
        p.fillRect(QRectF(l - 5, -w + 1.5, 3.5, width - 3), kGlass);
        p.fillRect(QRectF(-l + 4, -w + 3, length - 12, width - 6), body.lighter(110));
        for (const qreal x : {-l * 0.5, l * 0.2})
            outlined(p, roundedRect(QRectF(x - 3, -3, 6, 6), 1), body.darker(115), body.darker(150),
                     0.6);
        if (!label.isEmpty())
            fitText(p, label, QRectF(-l * 0.25, -w + 3, l * 0.4, width - 6), kBlack);
    });
}

inline void truckTop(QPainter &p, QPointF centre, qreal angle, const QColor &cab, const QColor &box,
                     qreal length = 66, qreal width = 18)
{
    topView(p, centre, angle, length, width, [&](qreal l, qreal w) {
        outlined(p, roundedRect(QRectF(-l, -w, length - 16, width), 1.5), box, box.darker(160));
        for (qreal x = -l + 6; x < l - 18; x += 8)
            line(p, {x, -w + 1}, {x, w - 1}, flatPen(box.darker(115), 0.8));
        outlined(p, roundedRect(QRectF(l - 14, -w + 0.5, 14, width - 1), 3), cab, cab.darker(160));
        p.fillRect(QRectF(l - 4.5, -w + 2.5, 2.5, width - 5), kGlass);
    });
}

// Small side-view figures, standing on their feet point.
inline void walker(QPainter &p, QPointF feet, qreal height, const QColor &colour,
                   bool facingRight = true, bool child = false)
{
    p.save();
    p.translate(feet);
    p.scale(facingRight ? height / 20 : -height / 20, height / 20);
    disc(p, {0.5, -17}, child ? 3.0 : 2.6, kSkin.darker(105));
    const QPen limb = roundPen(colour, 2.4);
    line(p, {0, -13.5}, {-0.5, -6.5}, roundPen(colour, 3.4));
    line(p, {-0.5, -6.5}, {-4, 0}, limb);
    line(p, {-0.5, -6.5}, {3.5, 0}, limb);
    line(p, {0, -12.5}, {-3.5, -7}, limb);
    line(p, {0, -12.5}, {4, -8}, limb);
    p.restore();
}

inline void cyclist(QPainter &p, QPointF ground, qreal size, const QColor &colour,
                    bool facingRight = true)
{
    p.save();
    p.translate(ground);
    p.scale(facingRight ? size / 20 : -size / 20, size / 20);
    QPainterPath wheels;
    wheels.addEllipse(QPointF(-7, -4), 4, 4);
    wheels.addEllipse(QPointF(7, -4), 4, 4);
    strokePath(p, wheels, QPen(kBlack, 1.3));
    QPainterPath frame;
    frame.moveTo(-7, -4);
    frame.lineTo(-1, -4);
    frame.lineTo(4, -10);
    frame.lineTo(7, -4);
    frame.moveTo(-1, -4);
    frame.lineTo(-3, -11);
    frame.lineTo(4, -10);
    strokePath(p, frame, roundPen(QColor(0x20, 0x80, 0x40), 1.2));
    QPainterPath rider;
    rider.moveTo(-3, -12);
    rider.lineTo(0, -19);
    rider.lineTo(4, -12);
    rider.moveTo(-3, -12);
    rider.lineTo(0, -6);
    rider.lineTo(-1, -4);
    strokePath(p, rider, roundPen(colour, 2.2));
    disc(p, {1, -22}, 2.6, kSkin.darker(105));
    p.restore();
}

inline void trafficLightIcon(QPainter &p, QPointF centre, int lit)
{
    const QColor on[] = {QColor(0xff, 0x30, 0x20), QColor(0xff, 0xc0, 0x10),
                         QColor(0x20, 0xe0, 0x60)};
    const QColor off[] = {QColor(0x50, 0x18, 0x14), QColor(0x50, 0x40, 0x10),
                          QColor(0x10, 0x40, 0x22)};
    p.save();
    p.setBrush(QColor(0x22, 0x22, 0x24));
    p.setPen(QPen(QColor(0x60, 0x60, 0x64), 0.8));
    p.drawRoundedRect(QRectF(centre.x() - 15, centre.y() - 6, 30, 12), 3, 3);
    p.restore();
    for (int i = 0; i < 3; ++i)
        disc(p, centre + QPointF(-9.5 + 9.5 * i, 0), 3.6, i == lit ? on[i] : off[i]);
}

// Top-view road helpers; a band of asphalt across the picture with kerbs.
inline void horizontalRoad(QPainter &p, qreal top, qreal bottom)
{
    p.fillRect(QRectF(0, top - 2, kWidth, bottom - top + 4), kKerb);
    p.fillRect(QRectF(0, top, kWidth, bottom - top), kAsphalt);
}

inline void verticalRoad(QPainter &p, qreal left, qreal right)
{
    p.fillRect(QRectF(left - 2, 0, right - left + 4, kHeight), kKerb);
    p.fillRect(QRectF(left, 0, right - left, kHeight), kAsphalt);
}

inline void paintLine(QPainter &p, QPointF from, QPointF to, const QColor &colour = kPaint,
                      qreal width = 1.6)
{
    line(p, from, to, flatPen(colour, width));
}

inline void dashedLine(QPainter &p, QPointF from, QPointF to, const QColor &colour = kPaint,
                       qreal width = 1.6, qreal dash = 8, qreal gap = 6)
{
    line(p, from, to, dashPen(colour, width, dash, gap));
}

inline void doubleYellowLine(QPainter &p, qreal y)
{
    paintLine(p, {0, y}, {kWidth, y}, kYellowPaint, 1.8);
    paintLine(p, {0, y + 3}, {kWidth, y + 3}, kYellowPaint, 1.8);
}

inline void zebraAcross(QPainter &p, const QRectF &area, bool stripesVertical)
{
    if (stripesVertical) {
        for (qreal x = area.left() + 1; x + 3 <= area.right(); x += 6)
            p.fillRect(QRectF(x, area.top(), 3, area.height()), kPaint);
    } else {
        for (qreal y = area.top() + 1; y + 3 <= area.bottom(); y += 6)
            p.fillRect(QRectF(area.left(), y, area.width(), 3), kPaint);
    }
}

// Crossroads of a horizontal road (rows top..bottom) and a vertical road (columns left..right).
struct Crossing {
    qreal left;
    qreal right;
    qreal top;
    qreal bottom;
};

inline void crossroads(QPainter &p, const Crossing &c, bool zebras)
{
    p.fillRect(QRectF(0, 0, kWidth, kHeight), kPavement);
    horizontalRoad(p, c.top, c.bottom);
    verticalRoad(p, c.left, c.right);
    p.fillRect(QRectF(c.left, c.top, c.right - c.left, c.bottom - c.top), kAsphalt);
    const qreal midX = (c.left + c.right) / 2;
    const qreal midY = (c.top + c.bottom) / 2;
    const qreal gap = zebras ? 13 : 3;
    paintLine(p, {midX, 0}, {midX, c.top - gap}, kYellowPaint, 1.8);
    paintLine(p, {midX, c.bottom + gap}, {midX, kHeight}, kYellowPaint, 1.8);
    paintLine(p, {0, midY}, {c.left - gap, midY}, kYellowPaint, 1.8);
    paintLine(p, {c.right + gap, midY}, {kWidth, midY}, kYellowPaint, 1.8);
    if (!zebras)
        return;
    zebraAcross(p, QRectF(c.left + 1, c.top - 11, c.right - c.left - 2, 9), true);
    zebraAcross(p, QRectF(c.left + 1, c.bottom + 2, c.right - c.left - 2, 9), true);
    zebraAcross(p, QRectF(c.left - 11, c.top + 1, 9, c.bottom - c.top - 2), false);
    zebraAcross(p, QRectF(c.right + 2, c.top + 1, 9, c.bottom - c.top - 2), false);
    paintLine(p, {midX, c.bottom + 13}, {c.right, c.bottom + 13}, kPaint, 1.5);
    paintLine(p, {c.left, c.top - 13}, {midX, c.top - 13}, kPaint, 1.5);
    paintLine(p, {c.left - 13, midY}, {c.left - 13, c.bottom}, kPaint, 1.5);
    paintLine(p, {c.right + 13, c.top}, {c.right + 13, midY}, kPaint, 1.5);
}

// Driver's view: the road ahead as seen from the driver's seat.
struct View {
    qreal horizon = 46;
    qreal focal = 260;
    qreal eye = 1.2;
    qreal seat = 1.4;

    QPointF at(qreal across, qreal ahead, qreal up = 0) const
    {
        return {kWidth / 2.0 + (across - seat) * focal / ahead,
                horizon + (eye - up) * focal / ahead};
    }
    QRectF upright(qreal across, qreal ahead, qreal width, qreal height, qreal up = 0) const
    {
        return QRectF(at(across - width / 2, ahead, up + height),
                      at(across + width / 2, ahead, up));
    }
};

inline const QColor kBrakeRed(0xff, 0x28, 0x18);

// Soft lamp glow: brake, reversing and tail lamps that are lit.
inline void glow(QPainter &p, QPointF at, const QColor &colour, qreal radius = 4.5)
{
    QRadialGradient g(at, radius);
    QColor inner = colour;
    inner.setAlpha(240);
    QColor outer = colour;
    outer.setAlpha(0);
    g.setColorAt(0, inner);
    g.setColorAt(0.45, inner);
    g.setColorAt(1, outer);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, radius, radius);
    p.restore();
}

// Rider on a bicycle seen from behind at a point of the road ahead, one unit a metre. The left arm
// out or the head turned back shows what the rider is about to do.
inline void cyclistFromBehind(QPainter &p, const View &v, qreal across, qreal ahead,
                              const QColor &shirt, bool leftArmOut, bool lookingBack)
{
    const qreal k = v.focal / ahead;
    p.save();
    p.translate(v.at(across, ahead));
    p.scale(k, k);
    p.fillRect(QRectF(-0.035, -0.66, 0.07, 0.66), kBlack);
    p.fillRect(QRectF(-0.1, -0.74, 0.2, 0.05), QColor(0x3a, 0x3a, 0x3a));
    glow(p, {0, -0.8}, kBrakeRed, 0.06);
    line(p, {-0.1, -0.95}, {-0.13, -0.4}, roundPen(kNavy, 0.12));
    line(p, {0.1, -0.95}, {0.14, -0.55}, roundPen(kNavy, 0.12));
    p.fillRect(QRectF(-0.12, -1.0, 0.24, 0.07), kBlack);
    line(p, {-0.32, -1.12}, {0.32, -1.12}, roundPen(QColor(0x30, 0x30, 0x30), 0.05));
    if (leftArmOut) {
        line(p, {-0.17, -1.47}, {-0.82, -1.47}, roundPen(shirt, 0.1));
        disc(p, {-0.86, -1.47}, 0.06, kSkin);
    } else {
        line(p, {-0.16, -1.45}, {-0.3, -1.14}, roundPen(shirt, 0.09));
    }
    line(p, {0.16, -1.45}, {0.3, -1.14}, roundPen(shirt, 0.09));
    outlined(p, roundedRect(QRectF(-0.19, -1.56, 0.38, 0.6), 0.08), shirt, shirt.darker(150), 0.02);
    if (lookingBack) {
        // Face turned over the left shoulder, seen in profile: nose, eye and mouth on that side.
        // Drawn a little large so that the turned face reads at exam size.
        disc(p, {-0.08, -1.76}, 0.19, kSkin);
        QPainterPath nose;
        nose.moveTo(-0.25, -1.82);
        nose.lineTo(-0.36, -1.72);
        nose.lineTo(-0.25, -1.69);
        p.fillPath(nose, kSkin.darker(108));
        disc(p, {-0.18, -1.83}, 0.03, kBlack);
        line(p, {-0.25, -1.64}, {-0.16, -1.64}, roundPen(QColor(0xa0, 0x40, 0x30), 0.03));
        QPainterPath hair;
        hair.moveTo(-0.2, -1.9);
        hair.cubicTo(-0.14, -2.02, 0.12, -2.02, 0.12, -1.78);
        hair.cubicTo(0.12, -1.64, 0.06, -1.6, 0.0, -1.6);
        hair.cubicTo(0.0, -1.74, -0.08, -1.86, -0.2, -1.9);
        p.fillPath(hair, QColor(0x30, 0x24, 0x1c));
    } else {
        disc(p, {0, -1.7}, 0.12, QColor(0x30, 0x24, 0x1c));
    }
    p.restore();
}

inline QPolygonF groundQuad(const View &v, qreal left, qreal right, qreal near, qreal far)
{
    return {v.at(left, near), v.at(right, near), v.at(right, far), v.at(left, far)};
}

inline void sky(QPainter &p, const View &v, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, 0, 0, v.horizon);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, kWidth, v.horizon + 1), g);
}

inline void ground(QPainter &p, const View &v, const QColor &colour)
{
    p.fillRect(QRectF(0, v.horizon, kWidth, kHeight - v.horizon), colour);
}

inline void straightRoad(QPainter &p, const View &v, qreal halfWidth,
                         const QColor &surface = kAsphalt)
{
    fillPolygon(p, groundQuad(v, -halfWidth, halfWidth, 1.5, 400), surface);
}

inline void groundStripe(QPainter &p, const View &v, qreal across, qreal width, qreal near,
                         qreal far, const QColor &colour)
{
    fillPolygon(p, groundQuad(v, across - width / 2, across + width / 2, near, far), colour);
}

inline void roadMarkings(QPainter &p, const View &v, qreal halfWidth, qreal from = 1.5,
                         qreal to = 400)
{
    groundStripe(p, v, -halfWidth + 0.3, 0.15, from, to, kPaint);
    groundStripe(p, v, halfWidth - 0.3, 0.15, from, to, kPaint);
    for (qreal d = from; d < to; d += 9)
        groundStripe(p, v, 0, 0.15, d, std::min(d + 4, to), kYellowPaint);
}

inline void bonnet(QPainter &p, const QColor &colour = QColor(0x2a, 0x2c, 0x30))
{
    QPainterPath dash;
    dash.moveTo(0, kHeight);
    dash.lineTo(0, 118);
    dash.quadTo(100, 109, 200, 118);
    dash.lineTo(200, kHeight);
    dash.closeSubpath();
    p.fillPath(dash, colour);
    p.save();
    p.setOpacity(0.35);
    QPainterPath shine;
    shine.moveTo(30, 120);
    shine.quadTo(100, 113, 170, 120);
    strokePath(p, shine, roundPen(kWhite, 1));
    p.restore();
}

inline void carRear(QPainter &p, const View &v, qreal across, qreal ahead, const QColor &body,
                    bool lightsOn = false)
{
    const QRectF r = v.upright(across, ahead, 1.8, 1.45);
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF lower(r.left(), r.top() + h * 0.45, w, h * 0.45);
    QPainterPath cabin = polygonPath({{r.left() + w * 0.12, r.top() + h * 0.46},
                                      {r.left() + w * 0.22, r.top()},
                                      {r.right() - w * 0.22, r.top()},
                                      {r.right() - w * 0.12, r.top() + h * 0.46}});
    p.fillRect(QRectF(r.left() + w * 0.06, r.bottom() - h * 0.14, w * 0.18, h * 0.14), kBlack);
    p.fillRect(QRectF(r.right() - w * 0.24, r.bottom() - h * 0.14, w * 0.18, h * 0.14), kBlack);
    p.fillPath(cabin, body.darker(110));
    p.fillPath(roundedRect(lower, w * 0.06), body);
    fillPolygon(p,
                QPolygonF{{r.left() + w * 0.2, r.top() + h * 0.42},
                          {r.left() + w * 0.27, r.top() + h * 0.06},
                          {r.right() - w * 0.27, r.top() + h * 0.06},
                          {r.right() - w * 0.2, r.top() + h * 0.42}},
                kGlass);
    const QColor tail = lightsOn ? QColor(0xff, 0x30, 0x20) : QColor(0xb0, 0x18, 0x18);
    p.fillRect(QRectF(lower.left() + w * 0.04, lower.top() + h * 0.08, w * 0.18, h * 0.1), tail);
    p.fillRect(QRectF(lower.right() - w * 0.22, lower.top() + h * 0.08, w * 0.18, h * 0.1), tail);
    p.fillRect(QRectF(r.center().x() - w * 0.14, lower.top() + h * 0.22, w * 0.28, h * 0.1),
               QColor(0xf0, 0xf0, 0xe0));
}

inline void truckRear(QPainter &p, const View &v, qreal across, qreal ahead, const QColor &box)
{
    const QRectF r = v.upright(across, ahead, 2.5, 3.6, 0.4);
    const qreal w = r.width();
    const qreal h = r.height();
    const QRectF wheelRow = v.upright(across, ahead, 2.3, 0.55);
    p.fillRect(QRectF(wheelRow.left(), wheelRow.top(), w * 0.22, wheelRow.height()), kBlack);
    p.fillRect(QRectF(wheelRow.right() - w * 0.22, wheelRow.top(), w * 0.22, wheelRow.height()),
               kBlack);
    outlined(p, roundedRect(r, 1), box, box.darker(150), 0.8);
    line(p, {r.center().x(), r.top() + 2}, {r.center().x(), r.bottom() - 2},
         flatPen(box.darker(140), 0.8));
    p.fillRect(QRectF(r.left(), r.bottom() - h * 0.06, w, h * 0.06), QColor(0x30, 0x30, 0x30));
    p.fillRect(QRectF(r.left() + w * 0.03, r.bottom() - h * 0.16, w * 0.1, h * 0.06),
               QColor(0xff, 0x30, 0x20));
    p.fillRect(QRectF(r.right() - w * 0.13, r.bottom() - h * 0.16, w * 0.1, h * 0.06),
               QColor(0xff, 0x30, 0x20));
}

// Traffic situations, top view

// Red octagonal stop sign that a school bus swings out while pupils get on and off.
inline void stopPaddle(QPainter &p, QPointF centre, qreal radius)
{
    outlined(p, polygonPath(polygonAround(8, radius, 22.5, centre)), kRed, kWhite, 0.8);
    fitText(p, QStringLiteral("停"), QRectF(centre - QPointF(3, 3), QSizeF(6, 6)), kWhite);
}

// Traffic situations, driver's view
inline const QColor kClearSky(0x80, 0xb8, 0xe8);
inline const QColor kClearHorizon(0xd8, 0xe8, 0xf4);

// Sky and ground seen from the driver's seat, the scene drawn over them and the own car's bonnet
// in front; sky and ground cover the whole picture.
inline QImage driverView(const QColor &skyTop, const QColor &skyBottom, const QColor &land,
                         const std::function<void(QPainter &, const View &)> &draw)
{
    return picture(land, [&](QPainter &p) {
        const View v;
        sky(p, v, skyTop, skyBottom);
        ground(p, v, land);
        draw(p, v);
        bonnet(p);
    });
}

// Traffic situations, side view
inline void carSide(QPainter &p, QPointF ground, qreal slopeDeg, const QColor &body,
                    bool facingRight)
{
    p.save();
    p.translate(ground);
    p.rotate(slopeDeg);
    if (!facingRight)
        p.scale(-1, 1);
    outlined(p, roundedRect(QRectF(-15, -10, 30, 7), 2.5), body, body.darker(160));
    outlined(p, polygonPath({{-10, -10}, {-6, -16}, {5, -16}, {10, -10}}), body, body.darker(160));
    fillPolygon(p, QPolygonF{{-8.5, -10.5}, {-5.5, -15}, {-0.5, -15}, {-0.5, -10.5}}, kGlass);
    fillPolygon(p, QPolygonF{{0.5, -10.5}, {0.5, -15}, {4.5, -15}, {8.5, -10.5}}, kGlass);
    disc(p, {-9, -3}, 3.2, kBlack);
    disc(p, {9, -3}, 3.2, kBlack);
    p.restore();
}

inline void truckSide(QPainter &p, QPointF ground, qreal slopeDeg, const QColor &cab,
                      const QColor &box, qreal scale = 1)
{
    p.save();
    p.translate(ground);
    p.rotate(slopeDeg);
    p.scale(scale, scale);
    outlined(p, roundedRect(QRectF(-28, -26, 40, 21), 1.5), box, box.darker(150));
    outlined(p, polygonPath({{14, -5}, {14, -22}, {22, -22}, {28, -14}, {28, -5}}), cab,
             cab.darker(160));
    fillPolygon(p, QPolygonF{{17, -20}, {21.5, -20}, {26, -14}, {17, -14}}, kGlass);
    p.fillRect(QRectF(-28, -6, 56, 2.5), QColor(0x30, 0x30, 0x30));
    for (const qreal x : {-21.0, -13.0, 20.0})
        disc(p, {x, -3}, 3.6, kBlack);
    p.restore();
}

// Land below a road drawn from the left edge to the right one.
inline void hillside(QPainter &p, const QPainterPath &road, const QColor &land)
{
    QPainterPath below = road;
    below.lineTo(kWidth, kHeight);
    below.lineTo(0, kHeight);
    below.closeSubpath();
    p.fillPath(below, land);
    strokePath(p, road, flatPen(kAsphalt, 4));
}

} // namespace painting
