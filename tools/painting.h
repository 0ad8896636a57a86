// Drawing helpers shared by the tools that draw the question pictures.

#pragma once

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace painting {

constexpr int kWidth = 200;
constexpr int kHeight = 130;

inline const QColor kBackground(0xf0, 0xf0, 0xf0);
inline const QColor kWhite(0xff, 0xff, 0xff);
inline const QColor kBlack(0x14, 0x14, 0x14);
inline const QColor kRed(0xd4, 0x1c, 0x26);
inline const QColor kInk(0x2a, 0x2a, 0x34);

// Road surroundings and paint; each tool has its own shade of asphalt.
inline const QColor kPavement(0xd8, 0xd6, 0xd0);
inline const QColor kKerb(0xb0, 0xae, 0xa8);
inline const QColor kPaint(0xf4, 0xf4, 0xf0);
inline const QColor kYellowPaint(0xf5, 0xbe, 0x10);

using Drawing = std::function<void(QPainter &)>;

inline QImage picture(const QColor &background, const Drawing &draw)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    draw(p);
    return image;
}

// Pens and shapes

inline QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

inline QPen flatPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
}

inline QPen dashPen(const QColor &colour, qreal width, qreal dash, qreal gap)
{
    QPen pen = flatPen(colour, width);
    pen.setDashPattern({dash / width, gap / width});
    return pen;
}

inline void disc(QPainter &p, QPointF centre, qreal radius, const QColor &colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

inline void strokePath(QPainter &p, const QPainterPath &path, const QPen &pen)
{
    p.save();
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

inline void line(QPainter &p, QPointF from, QPointF to, const QPen &pen)
{
    p.save();
    p.setPen(pen);
    p.drawLine(from, to);
    p.restore();
}

inline QPainterPath polygonPath(const QPolygonF &polygon)
{
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

inline QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

inline QPainterPath segment(QPointF from, QPointF to)
{
    QPainterPath path;
    path.moveTo(from);
    path.lineTo(to);
    return path;
}

// Corners of a regular polygon on a circle of the given radius.
inline QPolygonF polygonAround(int sides, qreal radius, qreal firstVertexDeg, QPointF centre)
{
    QPolygonF polygon;
    for (int i = 0; i < sides; ++i) {
        const qreal angle = qDegreesToRadians(firstVertexDeg + 360.0 * i / sides);
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

inline void fillPolygon(QPainter &p, const QPolygonF &polygon, const QColor &colour)
{
    p.fillPath(polygonPath(polygon), colour);
}

inline void outlined(QPainter &p, const QPainterPath &path, const QColor &fill, const QColor &edge,
                     qreal width = 0.8)
{
    p.save();
    p.setPen(QPen(edge, width));
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

// Arrow head continuing the end of the shaft; its base sits setBack before the end so that it
// covers the flat end of the stroked shaft.
inline void arrowHead(QPainter &p, const QPainterPath &shaft, qreal setBack, qreal headLength,
                      qreal headWidth, const QColor &colour)
{
    const QPointF end = shaft.pointAtPercent(1.0);
    const qreal angle = qDegreesToRadians(shaft.angleAtPercent(1.0));
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = end - dir * setBack;
    fillPolygon(p,
                QPolygonF{end + dir * headLength, base + normal * (headWidth / 2),
                          base - normal * (headWidth / 2)},
                colour);
}

inline void arrow(QPainter &p, const QPainterPath &shaft, qreal width, qreal headLength,
                  qreal headWidth, const QColor &colour, qreal setBack)
{
    strokePath(p, shaft, flatPen(colour, width));
    arrowHead(p, shaft, setBack, headLength, headWidth, colour);
}

// Text

// Outline of the text scaled to fit the box, keeping its proportions unless stretched.
inline QPainterPath teardrop(QPointF centre, qreal radius)
{
    const qreal tipDistance = 2.2 * radius;
    const qreal phi = std::acos(radius / tipDistance);
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    QPainterPath tip;
    tip.moveTo(centre + QPointF(0, -tipDistance));
    tip.lineTo(centre + QPointF(radius * std::sin(phi), -radius * std::cos(phi)));
    tip.lineTo(centre + QPointF(-radius * std::sin(phi), -radius * std::cos(phi)));
    tip.closeSubpath();
    return path.united(tip);
}

inline QPainterPath textPath(const QString &text, const QRectF &box, bool stretch = false)
{
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(200);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    qreal sx = box.width() / bounds.width();
    qreal sy = box.height() / bounds.height();
    if (!stretch)
        sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(sx, sy);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

// Fills the text fitted to the box; a weight above zero strokes the outline as well, keeping the
// heavier text inside the box.
inline void fitText(QPainter &p, const QString &text, const QRectF &box, const QColor &colour,
                    qreal weight = 0, bool stretch = false)
{
    if (weight <= 0) {
        p.fillPath(textPath(text, box, stretch), colour);
        return;
    }
    const qreal inset = weight / 2;
    const QPainterPath path = textPath(text, box.adjusted(inset, inset, -inset, -inset), stretch);
    p.save();
    p.setPen(roundPen(colour, weight));
    p.setBrush(colour);
    p.drawPath(path);
    p.restore();
}

// Traffic police officer facing the viewer, so that his right arm is on the viewer's left. The
// arms are drawn by the caller between the legs and the torso.

inline const QColor kSkin(0xf1, 0xc6, 0x9e);
inline const QColor kShirt(0x9c, 0xcb, 0xf0);
inline const QColor kNavy(0x1d, 0x2b, 0x4c);

enum class Hand { Palm, Edge };
enum class Side { Right, Left };

// Fingers point along the bearing; the thumb sits toward the body for a palm seen from the front.
inline void glove(QPainter &p, QPointF centre, qreal bearingDeg, Hand hand, qreal scale, Side side)
{
    p.save();
    p.translate(centre);
    p.rotate(bearingDeg);
    p.scale(hand == Hand::Edge ? scale * 0.5 : scale, scale);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(-4.5, -5, 9, 10), 3, 3);
    for (int i = 0; i < 4; ++i)
        shape.addRoundedRect(QRectF(-4.5 + 2.3 * i, -10, 2.2, 7), 1.1, 1.1);
    if (hand == Hand::Palm) {
        const qreal thumbX = side == Side::Right ? 2.5 : -8.5;
        shape.addRoundedRect(QRectF(thumbX, -3, 6, 2.4), 1.2, 1.2);
    }
    shape.setFillRule(Qt::WindingFill);
    p.setPen(QPen(QColor(0x70, 0x70, 0x78), 0.8 / scale));
    p.setBrush(kWhite);
    p.drawPath(shape.simplified());
    p.restore();
}

inline void officerLegs(QPainter &p)
{
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kNavy);
    p.drawRoundedRect(QRectF(88, 80, 11.5, 39), 2, 2);
    p.drawRoundedRect(QRectF(100.5, 80, 11.5, 39), 2, 2);
    p.setBrush(kBlack);
    p.drawRoundedRect(QRectF(86, 117, 14, 7), 3, 3);
    p.drawRoundedRect(QRectF(100, 117, 14, 7), 3, 3);
}

inline void officerTorso(QPainter &p)
{
    const QPen outline(kInk, 1.0);
    p.setPen(outline);
    p.setBrush(kSkin);
    p.drawRect(QRectF(96, 37, 8, 8));
    QPainterPath torso;
    torso.moveTo(89, 45);
    torso.lineTo(111, 45);
    torso.quadTo(116, 46, 116, 52);
    torso.lineTo(112, 80);
    torso.lineTo(88, 80);
    torso.lineTo(84, 52);
    torso.quadTo(84, 46, 89, 45);
    p.setBrush(kShirt);
    p.drawPath(torso);
    fillPolygon(p, QPolygonF{{98.5, 46}, {101.5, 46}, {102.5, 64}, {100, 67}, {97.5, 64}}, kNavy);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kShirt.darker(112));
    p.drawPolygon(QPolygonF{{96, 44.5}, {100, 49}, {94, 50}});
    p.drawPolygon(QPolygonF{{104, 44.5}, {100, 49}, {106, 50}});
    p.drawRect(QRectF(89, 54, 7, 6));
    p.drawRect(QRectF(104, 54, 7, 6));
    p.setBrush(QColor(0xe0, 0xb0, 0x30));
    p.drawEllipse(QPointF(92.5, 51), 1.6, 1.6);
    p.setPen(outline);
    p.setBrush(kWhite);
    p.drawRect(QRectF(88, 76.5, 24, 4));
    p.setBrush(QColor(0xc8, 0xc8, 0xc8));
    p.drawRect(QRectF(98, 76, 4, 5));
}

inline void officerHead(QPainter &p)
{
    const QPen outline(kInk, 1.0);
    p.setPen(outline);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(100, 29), 8, 9.5);
    p.drawEllipse(QPointF(91.8, 30), 1.6, 2.6);
    p.drawEllipse(QPointF(108.2, 30), 1.6, 2.6);
    disc(p, {97, 29}, 1.0, kInk);
    disc(p, {103, 29}, 1.0, kInk);
    line(p, {98, 34.5}, {102, 34.5}, roundPen(QColor(0xb0, 0x50, 0x40), 1.0));

    QPainterPath crown;
    crown.moveTo(90, 23);
    crown.lineTo(86, 15);
    crown.quadTo(100, 9, 114, 15);
    crown.lineTo(110, 23);
    crown.closeSubpath();
    p.setPen(outline);
    p.setBrush(kNavy.lighter(115));
    p.drawPath(crown);
    p.setBrush(kBlack);
    p.drawRect(QRectF(90, 20, 20, 3.5));
    QPainterPath visor;
    visor.moveTo(90, 23.5);
    visor.quadTo(100, 27.5, 110, 23.5);
    visor.closeSubpath();
    p.drawPath(visor);
    p.setPen(QPen(QColor(0x90, 0x70, 0x10), 0.6));
    p.setBrush(QColor(0xf0, 0xc8, 0x40));
    p.drawEllipse(QPointF(100, 16.5), 2.6, 2.6);
}

// Dashboard lamps on a black panel, icons drawn around the panel centre.

inline const QColor kPanel(0x0c, 0x0c, 0x0e);
inline const QColor kAmber(0xff, 0xa8, 0x00);
inline const QColor kLampRed(0xff, 0x2c, 0x1c);

inline QImage dashPicture(const Drawing &icon)
{
    return picture(kBackground, [&](QPainter &p) {
        p.setBrush(QColor(0x50, 0x50, 0x54));
        p.drawRoundedRect(QRectF(11, 3, 178, 124), 12, 12);
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(13, 5, 174, 120), 10, 10);
        p.translate(kWidth / 2.0, kHeight / 2.0);
        icon(p);
    });
}

// Command line

// Bitmaps are written as 24-bit BMP, everything else as JPEG.
inline bool save(const QImage &image, const QString &path)
{
    if (path.endsWith(QLatin1String(".bmp")))
        return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    return image.save(path, "JPG", 92);
}

using PictureList = std::vector<std::pair<const char *, std::function<QImage()>>>;

// Draws every picture into the folder named on the command line; returns the exit status.
inline int drawAll(int argc, char *argv[], const char *tool, const PictureList &pictures)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", tool);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    int failures = 0;
    for (const auto &[name, draw] : pictures) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (!save(draw(), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace painting
