// Sign faces, bases and pictograms in the shapes and colours of the road-sign standard, shared by
// the tools that draw sign pictures. Signs are drawn in a 100 x 100 unit box centred on the origin.

#pragma once

#include "painting.h"

#include <QRadialGradient>

namespace painting {

inline constexpr qreal kSignScale = 1.1;
inline const QColor kOutline(0xa0, 0xa0, 0xa0);
inline const QColor kBlue(0x00, 0x56, 0xa6);
inline const QColor kYellow(0xfb, 0xc7, 0x00);

// Sign drawings use a 100 x 100 unit box centred on the origin.
inline QImage signPicture(const Drawing &draw)
{
    return picture(kBackground, [&](QPainter &p) {
        p.translate(kWidth / 2.0, kHeight / 2.0);
        p.scale(kSignScale, kSignScale);
        draw(p);
    });
}

// Draws a pictogram moved by the offset and scaled, leaving the painter as it was.
inline void placed(QPainter &p, QPointF offset, qreal scale, const std::function<void()> &draw)
{
    p.save();
    p.translate(offset);
    p.scale(scale, scale);
    draw();
    p.restore();
}

inline QPolygonF regularPolygon(int sides, qreal apothem, qreal firstVertexDeg, QPointF centre)
{
    return polygonAround(sides, apothem / std::cos(M_PI / sides), firstVertexDeg, centre);
}

// Regular polygon of the given apothem whose corners are rounded with the given radius.
inline void roundedPolygon(QPainter &p, int sides, qreal apothem, qreal firstVertexDeg,
                           QPointF centre, qreal corner, const QColor &colour)
{
    p.save();
    p.setPen(roundPen(colour, 2 * corner));
    p.setBrush(colour);
    p.drawPolygon(regularPolygon(sides, apothem - corner, firstVertexDeg, centre));
    p.restore();
}

struct Band {
    qreal inset;
    qreal corner;
    QColor colour;
};

inline void layeredPolygon(QPainter &p, int sides, qreal apothem, qreal firstVertexDeg,
                           QPointF centre, const std::vector<Band> &bands)
{
    roundedPolygon(p, sides, apothem + 0.6, firstVertexDeg, centre, bands.front().corner + 0.6,
                   kOutline);
    for (const Band &band : bands)
        roundedPolygon(p, sides, apothem - band.inset, firstVertexDeg, centre, band.corner,
                       band.colour);
}

// Sign arrows: the head overlaps the shaft by half a unit, whatever the width.
inline void signArrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength,
                      qreal headWidth, const QColor &colour)
{
    painting::arrow(p, shaft, width, headLength, headWidth, colour, 0.5);
}

// Sign families

// Round sign: grey outline, white rim and the coloured face.
inline void roundBase(QPainter &p, const QColor &face)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 48.5, face);
}

inline void prohibitionBase(QPainter &p, const QColor &inside = kWhite)
{
    roundBase(p, kRed);
    disc(p, {}, 38.5, inside);
}

inline void prohibitionBar(QPainter &p, qreal angleDeg = 45)
{
    QPainterPath inner;
    inner.addEllipse(QPointF(), 39, 39);
    p.save();
    p.setClipPath(inner);
    p.rotate(angleDeg);
    p.fillRect(QRectF(-40, -4.3, 80, 8.6), kRed);
    p.restore();
}

inline void mandatoryBase(QPainter &p)
{
    roundBase(p, kBlue);
}

// Warning triangle points up; its incentre sits a sixth of the height below the middle.
inline constexpr qreal kTriangleApothem = 100.0 / 3;
inline const QPointF kWarningCentre(0, 50 - kTriangleApothem);

inline void warningBase(QPainter &p)
{
    layeredPolygon(p, 3, kTriangleApothem, -90, kWarningCentre,
                   {{0, 5, kYellow}, {1.6, 4, kBlack}, {8.6, 1.5, kYellow}});
}

// Rectangular sign with a white rim: indication signs in blue, expressway guide signs in green.
inline void panelBase(QPainter &p, const QRectF &box, const QColor &colour = kBlue)
{
    p.save();
    p.setBrush(kOutline);
    p.drawRoundedRect(box.adjusted(-0.6, -0.6, 0.6, 0.6), 6.6, 6.6);
    p.setBrush(kWhite);
    p.drawRoundedRect(box, 6, 6);
    p.setBrush(colour);
    p.drawRoundedRect(box.adjusted(1.6, 1.6, -1.6, -1.6), 4.5, 4.5);
    p.restore();
}

inline void indicationBase(QPainter &p)
{
    panelBase(p, QRectF(-50, -50, 100, 100));
}

// End-of-restriction signs: white disc with a thin black ring.
inline void endOfRestrictionBase(QPainter &p)
{
    disc(p, {}, 50.6, kOutline);
    disc(p, {}, 50, kWhite);
    disc(p, {}, 47, kBlack);
    disc(p, {}, 44, kWhite);
}

// The thin black slashes that cancel an earlier restriction.
inline void endOfRestrictionSlashes(QPainter &p)
{
    QPainterPath inner;
    inner.addEllipse(QPointF(), 44, 44);
    p.save();
    p.setClipPath(inner);
    p.rotate(-45);
    for (int i = -2; i <= 2; ++i)
        p.fillRect(QRectF(-45, 3.6 * i - 0.9, 90, 1.8), kBlack);
    p.restore();
}

// Clips later drawing to the yellow field of a warning triangle, keeping a margin from the rim.
inline void clipToWarningField(QPainter &p, qreal margin = 2.5)
{
    p.setClipPath(
        polygonPath(regularPolygon(3, kTriangleApothem - 8.6 - margin, -90, kWarningCentre)),
        Qt::IntersectClip);
}

inline void octagonBase(QPainter &p)
{
    layeredPolygon(p, 8, 50, 22.5, {}, {{0, 3, kWhite}, {4, 2, kRed}});
}

// Arrow turning left in a prohibition disc; mirror the painter for the right turn.
inline void leftTurnArrow(QPainter &p, const QColor &colour)
{
    QPainterPath shaft;
    shaft.moveTo(10, 31);
    shaft.lineTo(10, -2);
    shaft.cubicTo(10, -11, 5, -15, -4, -15);
    signArrow(p, shaft, 9.5, 15, 25, colour);
}

inline void uTurnArrow(QPainter &p, const QColor &colour)
{
    QPainterPath shaft;
    shaft.moveTo(12, 31);
    shaft.lineTo(12, -6);
    shaft.arcTo(QRectF(-12, -18, 24, 24), 0, 180);
    shaft.lineTo(-12, 3);
    signArrow(p, shaft, 8.5, 14, 23, colour);
}

inline void horn(QPainter &p, const QColor &colour)
{
    QPainterPath horn;
    horn.addRoundedRect(QRectF(-30, -6, 6, 12), 1.5, 1.5);
    horn.addRect(QRectF(-25, -3.2, 16, 6.4));
    horn.moveTo(-10, -3.2);
    horn.cubicTo(1, -4, 10, -10, 15, -19);
    horn.lineTo(15, 19);
    horn.cubicTo(10, 10, 1, 4, -10, 3.2);
    horn.closeSubpath();
    horn.addEllipse(QRectF(12, -19, 9, 38));
    horn.setFillRule(Qt::WindingFill);
    p.fillPath(horn.translated(3, 0), colour);
}

// Size limit: the value between two heads pointing at it from the rim.
inline void dimensionLimit(QPainter &p, const QString &text, const QRectF &textBox, bool vertical)
{
    fitText(p, text, textBox, kBlack, 0.8);
    const auto at = [vertical](qreal across, qreal along) {
        return vertical ? QPointF(across, along) : QPointF(along, across);
    };
    for (qreal side : {-1.0, 1.0})
        fillPolygon(p, QPolygonF{at(-9, 36.5 * side), at(9, 36.5 * side), at(0, 20 * side)},
                    kBlack);
}

inline void walkingPerson(QPainter &p, const QColor &colour)
{
    disc(p, {3, -20}, 5.2, colour);
    strokePath(p, segment({1, -12}, {-2, 5}), roundPen(colour, 7.5));
    QPainterPath limbs;
    limbs.moveTo(-9, 2);
    limbs.lineTo(-5, -6);
    limbs.lineTo(1, -10);
    limbs.lineTo(6, -3);
    limbs.lineTo(11, 1);
    limbs.moveTo(-2, 5);
    limbs.lineTo(-9, 14);
    limbs.lineTo(-15, 22);
    limbs.moveTo(-2, 5);
    limbs.lineTo(6, 13);
    limbs.lineTo(7, 23);
    strokePath(p, limbs, roundPen(colour, 4.2));
}

// Child in a dress holding hand (sign units) with one arm and swinging the other.
inline void child(QPainter &p, QPointF at, qreal scale, QPointF hand)
{
    p.save();
    p.translate(at);
    p.scale(scale, scale);
    disc(p, {0, -24}, 5.6, kBlack);
    p.save();
    p.setPen(roundPen(kBlack, 2.5));
    p.setBrush(kBlack);
    p.drawPolygon(QPolygonF{{-3, -17}, {3, -17}, {7, 0}, {-7, 0}});
    p.restore();
    QPainterPath limbs;
    limbs.moveTo(-2, 0);
    limbs.lineTo(-7, 12);
    limbs.moveTo(2, 0);
    limbs.lineTo(6, 12);
    strokePath(p, limbs, roundPen(kBlack, 3.6));
    const qreal side = hand.x() < at.x() ? 1 : -1;
    QPainterPath arms;
    arms.moveTo(side, -15);
    arms.lineTo(10 * side, -4);
    arms.moveTo(-side, -15);
    arms.lineTo((hand - at) / scale);
    strokePath(p, arms, roundPen(kBlack, 3.2));
    p.restore();
}

// Pictograms shared by several signs
inline const QColor kGreen(0x00, 0x7a, 0x3d);

// Saloon car seen from the side, facing right, wheels standing on y = 0; 64 units long.
inline void sideCar(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-32, -4);
    shape.lineTo(-32, -11);
    shape.quadTo(-31, -14, -26, -15);
    shape.lineTo(-18, -16);
    shape.lineTo(-11, -25);
    shape.lineTo(7, -25);
    shape.lineTo(16, -16);
    shape.lineTo(28, -14);
    shape.quadTo(32, -13, 32, -9);
    shape.lineTo(32, -4);
    shape.closeSubpath();
    p.fillPath(shape, body);
    fillPolygon(p, QPolygonF{{-15, -16.5}, {-9.5, -22.5}, {-2, -22.5}, {-2, -16.5}}, gap);
    fillPolygon(p, QPolygonF{{1, -16.5}, {1, -22.5}, {6, -22.5}, {12, -16.5}}, gap);
    for (qreal x : {-19.0, 18.0}) {
        disc(p, {x, -6}, 7.4, gap);
        disc(p, {x, -6}, 6, body);
    }
}

// Car seen from the front or the back, wheels standing on y = 0; 26 units wide.
inline void frontCar(QPainter &p, const QColor &body, const QColor &gap)
{
    QPainterPath shape;
    shape.moveTo(-8, -24);
    shape.lineTo(8, -24);
    shape.lineTo(11, -15);
    shape.lineTo(13, -15);
    shape.lineTo(13, -3);
    shape.lineTo(-13, -3);
    shape.lineTo(-13, -15);
    shape.lineTo(-11, -15);
    shape.closeSubpath();
    p.fillPath(shape, body);
    p.fillRect(QRectF(-12.5, -3.5, 6, 3.5), body);
    p.fillRect(QRectF(6.5, -3.5, 6, 3.5), body);
    fillPolygon(p, QPolygonF{{-6.5, -21.5}, {6.5, -21.5}, {8.5, -15.5}, {-8.5, -15.5}}, gap);
    p.fillRect(QRectF(-11, -11.5, 5, 3), gap);
    p.fillRect(QRectF(6, -11.5, 5, 3), gap);
}

// Bicycle facing right, about 60 units long, wheel hubs on y = 0.
inline void bicycle(QPainter &p, const QColor &colour)
{
    const QPen tube = roundPen(colour, 3.6);
    for (qreal x : {-18.0, 18.0}) {
        p.save();
        p.setPen(roundPen(colour, 3.4));
        p.drawEllipse(QPointF(x, 0), 11.5, 11.5);
        p.restore();
    }
    QPainterPath frame;
    frame.moveTo(-18, 0);
    frame.lineTo(-2, 0);
    frame.lineTo(11, -15);
    frame.lineTo(-8, -15);
    frame.lineTo(-2, 0);
    frame.moveTo(-18, 0);
    frame.lineTo(-8, -15);
    frame.lineTo(-10, -19);
    frame.moveTo(18, 0);
    frame.lineTo(10, -20);
    frame.lineTo(15, -22);
    strokePath(p, frame, tube);
    line(p, {-14, -20}, {-6, -20}, roundPen(colour, 3.6));
    disc(p, {-2, 0}, 3.2, colour);
}

// Arrow from the bottom that turns left and goes on straight ahead.
inline void straightOrLeftArrow(QPainter &p, const QColor &colour)
{
    signArrow(p, segment({10, 36}, {10, -14}), 10, 17, 27, colour);
    QPainterPath left;
    left.moveTo(10, 14);
    left.cubicTo(10, 4, 4, 0, -10, 0);
    signArrow(p, left, 10, 17, 27, colour);
}

// Two arrows for the oncoming traffic rules on narrow roads: up on the right, down on the left.
inline void oncomingArrows(QPainter &p, const QColor &own, qreal ownWidth, const QColor &other,
                           qreal otherWidth)
{
    signArrow(p, segment({11, 32}, {11, -12}), ownWidth, 14, ownWidth * 2.3, own);
    signArrow(p, segment({-11, -32}, {-11, 12}), otherWidth, 14, otherWidth * 2.3, other);
}

inline void overtakingCars(QPainter &p, const QColor &left, const QColor &right, const QColor &gap)
{
    p.save();
    p.translate(-14.5, 12);
    frontCar(p, left, gap);
    p.translate(29, 0);
    frontCar(p, right, gap);
    p.restore();
}

// Expressway emblem: a divided road running into the distance under an overpass.
inline void expresswayEmblem(QPainter &p, const QColor &colour)
{
    fillPolygon(p, QPolygonF{{-30, 16}, {-4, 16}, {-1.2, -30}, {-6, -30}}, colour);
    fillPolygon(p, QPolygonF{{30, 16}, {4, 16}, {1.2, -30}, {6, -30}}, colour);
    p.fillRect(QRectF(-30, -17, 60, 6), colour);
    p.fillRect(QRectF(-26, -11, 5, 6), colour);
    p.fillRect(QRectF(21, -11, 5, 6), colour);
}

} // namespace painting
