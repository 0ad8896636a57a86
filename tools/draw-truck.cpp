// Draws the traffic situations of the heavy-goods-vehicle questions into a folder given on the
// command line.

#include "scenes.h"

using namespace painting;

namespace {

// Inner wheel paths of a lorry turning right: the rear wheels trail the front ones and cut inside,
// sweeping the band between the two paths.
QImage truckRightTurnScene()
{
    return picture(kAsphalt, [](QPainter &p) {
        const QPointF hub(148, 100);
        const qreal frontRadius = 56;
        const qreal wheelbase = 40;
        p.fillRect(QRectF(0, 64, 16, 66), kPavement);
        p.fillRect(QRectF(0, 0, 16, 22), kPavement);
        QPainterPath block({112, 130});
        block.lineTo(112, 100);
        block.arcTo(QRectF(hub.x() - 36, hub.y() - 36, 72, 72), 180, -90);
        block.lineTo(200, 64);
        block.lineTo(200, 130);
        block.closeSubpath();
        strokePath(p, block, flatPen(kKerb, 4));
        p.fillPath(block, kPavement);
        paintLine(p, {58, 108}, {58, 130}, kYellowPaint, 1.8);
        dashedLine(p, {70, 108}, {70, 130});
        paintLine(p, {160, 22}, {200, 22}, kYellowPaint, 1.8);
        dashedLine(p, {160, 43}, {200, 43});

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
        p.fillPath(band, QColor(0xff, 0x80, 0x20, 120));
        QPainterPath rearPath;
        rearPath.addPolygon(rears);
        QPainterPath frontLine;
        frontLine.addPolygon(fronts);
        strokePath(p, frontLine, dashPen(QColor(0x50, 0xb0, 0xff), 1.8, 4, 3));
        strokePath(p, rearPath, dashPen(QColor(0xff, 0xe0, 0x30), 1.8, 4, 3));

        int pose = 0;
        for (int i = 0; i <= steps; ++i)
            if (QLineF(hub, fronts[i]).length() <= frontRadius + 0.5 &&
                fronts[i].y() < hub.y() - 32) {
                pose = i;
                break;
            }
        const QPointF frontAxle = fronts[pose];
        const QPointF rearAxle = rears[pose];
        const QPointF axis = (frontAxle - rearAxle) / wheelbase;
        const QPointF outward(axis.y(), -axis.x());
        const QPointF centre = (frontAxle + rearAxle) / 2 - axis * 4 + outward * 8.5;
        truckTop(p, centre, -QLineF(rearAxle, frontAxle).angle(), QColor(0xe0, 0x60, 0x20),
                 QColor(0x4a, 0x70, 0x9c), 60, 15);
        cyclist(p, hub + 47 * QPointF(-0.5, -0.866) + QPointF(0, 6), 14, QColor(0x20, 0x50, 0x90));
    });
}

QImage truckDownhillScene()
{
    return picture(kGrass, [](QPainter &p) {
        p.fillRect(QRectF(0, 0, kWidth, kHeight), QColor(0xc8, 0xe0, 0xf4));
        fillPolygon(
            p,
            QPolygonF{
                {0, 40}, {30, 24}, {70, 34}, {120, 18}, {170, 30}, {200, 22}, {200, 130}, {0, 130}},
            QColor(0x9a, 0xb4, 0x88));
        QPainterPath slope({0, 34});
        slope.lineTo(200, 112);
        hillside(p, slope, QColor(0x7a, 0x9a, 0x50));
        const qreal angle = -QLineF(slope.pointAtPercent(0), slope.pointAtPercent(1)).angle();
        truckSide(p, slope.pointAtPercent(0.42), angle, QColor(0xe0, 0x60, 0x20),
                  QColor(0x4a, 0x70, 0x9c), 1.0);
        const QPointF post = slope.pointAtPercent(0.8) + QPointF(4, -2);
        line(p, post, post + QPointF(0, -34), flatPen(QColor(0x60, 0x60, 0x60), 1.6));
        const QPointF signCentre = post + QPointF(0, -38);
        p.save();
        p.setPen(roundPen(kBlack, 1.4));
        p.setBrush(QColor(0xfb, 0xc7, 0x00));
        p.drawPolygon(triangle(signCentre, 11));
        p.restore();
        fillPolygon(p,
                    QPolygonF{signCentre + QPointF(-6, 5), signCentre + QPointF(6, 5),
                              signCentre + QPointF(-6, -3)},
                    kBlack);
        outlined(p, roundedRect(QRectF(signCentre.x() - 16, signCentre.y() + 9, 32, 10), 1), kWhite,
                 kBlack, 0.8);
        fitText(p, QStringLiteral("连续下坡"),
                QRectF(signCentre.x() - 14, signCentre.y() + 10.5, 28, 7), kBlack);
        sceneArrow(p,
                   segment(slope.pointAtPercent(0.56) + QPointF(0, -14),
                           slope.pointAtPercent(0.7) + QPointF(0, -14)),
                   2, 5, 6, kSwing);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-truck",
                   {
                       {"scene_truck_right_turn.jpg", truckRightTurnScene},
                       {"scene_truck_downhill.jpg", truckDownhillScene},
                   });
}
