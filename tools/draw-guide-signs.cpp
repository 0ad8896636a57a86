// Draws the guide signs of the question bank into a folder given on the command line.

#include "signs.h"

using namespace painting;

namespace {

// Guide sign ahead of a crossroads: names of the roads and places each way.
QImage directionSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-84, -54, 168, 108));
        signArrow(p, segment({0, 46}, {0, -14}), 9, 14, 22, kWhite);
        for (qreal side : {-1.0, 1.0})
            signArrow(p, segment({0, 14}, {26 * side, 14}), 9, 14, 22, kWhite);
        fitText(p, QStringLiteral("人民路"), QRectF(-26, -48, 52, 16), kWhite, 0.4);
        fitText(p, QStringLiteral("西站"), QRectF(-80, 5, 38, 18), kWhite, 0.4);
        fitText(p, QStringLiteral("东湖"), QRectF(42, 5, 38, 18), kWhite, 0.4);
    });
}

QImage expresswayStartSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-56, -52, 112, 104), kGreen);
        placed(p, {0, -6}, 1.05, [&] { expresswayEmblem(p, kWhite); });
        fitText(p, QStringLiteral("起点"), QRectF(-26, 22, 52, 22), kWhite, 0.8);
    });
}

QImage emergencyStopSign()
{
    return signPicture([](QPainter &p) {
        panelBase(p, QRectF(-80, -52, 160, 104), kGreen);
        const QPen edge = flatPen(kWhite, 3);
        QPainterPath road;
        road.moveTo(-66, -36);
        road.lineTo(66, -36);
        road.moveTo(-66, 0);
        road.lineTo(-30, 0);
        road.lineTo(-20, 14);
        road.lineTo(20, 14);
        road.lineTo(30, 0);
        road.lineTo(66, 0);
        strokePath(p, road, edge);
        const QPen dashes = dashPen(kWhite, 2.5, 10, 7.5);
        line(p, {-66, -18}, {66, -18}, dashes);
        placed(p, {0, 10}, 0.55, [&] { sideCar(p, kWhite, kGreen); });
        fitText(p, QStringLiteral("紧急停车带"), QRectF(-60, 22, 120, 22), kWhite, 0.6);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-guide-signs",
                   {
                       {"sign_expressway_start.jpg", expresswayStartSign},
                       {"sign_emergency_stop.jpg", emergencyStopSign},
                       {"sign_direction.jpg", directionSign},
                   });
}
