// Draws the traffic situations of the large-bus questions into a folder given on the command line.

#include "scenes.h"

using namespace painting;

namespace {

QImage schoolBusScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 14, 112);
        doubleYellowLine(p, 43);
        dashedLine(p, {0, 79}, {kWidth, 79});
        carTop(p, {176, 29}, 180, kGreyCar);
        busTop(p, {128, 96}, 0, kSchoolBus, 66, 20, QStringLiteral("校车"));
        hazardLights(p, {128, 96}, 0, 66, 20);
        line(p, {142, 86}, {142, 80}, flatPen(kInk, 1.2));
        stopPaddle(p, {142, 75}, 5.6);
        carTop(p, {60, 96}, 0, kWhiteCar);
        carTop(p, {70, 62}, 0, kOwnCar);
        for (int i = 0; i < 3; ++i)
            walker(p, {150.0 + 9 * i, 126}, 12, QColor(0x30 + 40 * i, 0x60, 0xb0), i % 2, true);
    });
}

QImage busBlindSpotScene()
{
    return picture(kPavement, [](QPainter &p) {
        horizontalRoad(p, 8, 112);
        paintLine(p, {0, 36}, {kWidth, 36}, kYellowPaint, 1.8);
        dashedLine(p, {0, 66}, {kWidth, 66});
        paintLine(p, {0, 94}, {kWidth, 94}, kPaint, 1.4);
        QColor zone(0xff, 0x40, 0x20, 90);
        p.fillRect(QRectF(144, 68, 26, 24), zone);
        p.fillRect(QRectF(56, 92, 92, 18), zone);
        p.fillRect(QRectF(30, 68, 26, 24), zone);
        busTop(p, {100, 80}, 0, QColor(0x2e, 0x9a, 0x58), 88, 22);
        cyclist(p, {138, 108}, 16, QColor(0x80, 0x30, 0x30));
        walker(p, {160, 90}, 14, kPerson, false, true);
        carTop(p, {60, 51}, 0, kGreyCar);
        carTop(p, {160, 21}, 180, kBlueCar);
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
        busTop(p, {100, 95}, 0, QColor(0x1e, 0x7c, 0xc8), 80, 21);
        indicator(p, {100, 95}, 0, 80, 21, true);
        walker(p, {72, 126}, 13, kPerson);
        walker(p, {92, 127}, 13, QColor(0x80, 0x30, 0x60), false);
        walker(p, {112, 127}, 13, QColor(0x40, 0x60, 0x30));
        walker(p, {151, 101}, 14, QColor(0xb0, 0x30, 0x30), false);
        carTop(p, {50, 72}, 0, kGreyCar);
        carTop(p, {170, 18}, 180, kWhiteCar);
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
                   });
}
