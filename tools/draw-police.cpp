// Draws the traffic police hand signals of the question bank into a folder given on the command
// line. The officer is built in three dimensions and seen from a little to one side and above, so
// that an arm held level and pointing forward reads as such and not as a raised arm.
//
// Body coordinates: x to the officer's left, y up from the ground, z to his front.

#include "scenes.h"

using namespace painting;

namespace {

struct Vec {
    qreal x = 0, y = 0, z = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec operator*(Vec a, qreal k) { return {a.x * k, a.y * k, a.z * k}; }
qreal dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec unit(Vec a) { return a * (1 / std::sqrt(dot(a, a))); }

// The part of want that is square to along, for a palm that has to face across the fingers.
Vec squareTo(Vec want, Vec along)
{
    return unit(want - along * dot(want, along));
}

// Turn about the vertical axis; positive angles turn the front towards the officer's left.
Vec turned(Vec v, qreal deg)
{
    const qreal a = qDegreesToRadians(deg);
    return {v.x * std::cos(a) + v.z * std::sin(a), v.y, -v.x * std::sin(a) + v.z * std::cos(a)};
}

// Viewer standing at yaw degrees round from the officer's front (positive: on his left), looking
// down by pitch degrees.
struct Camera {
    qreal yaw;
    qreal pitch;
    qreal scale = 1.13;
    QPointF foot{100, 125};

    qreal depth(Vec v) const
    {
        const qreal a = qDegreesToRadians(yaw), b = qDegreesToRadians(pitch);
        return (v.x * std::sin(a) + v.z * std::cos(a)) * std::cos(b) + v.y * std::sin(b);
    }
    QPointF at(Vec v) const
    {
        const qreal a = qDegreesToRadians(yaw), b = qDegreesToRadians(pitch);
        const qreal across = v.x * std::cos(a) - v.z * std::sin(a);
        const qreal toward = v.x * std::sin(a) + v.z * std::cos(a);
        const qreal up = v.y * std::cos(b) - toward * std::sin(b);
        return foot + QPointF(across, -up) * scale;
    }
    QPolygonF at(const std::vector<Vec> &points) const
    {
        QPolygonF polygon;
        for (const Vec &v : points)
            polygon << at(v);
        return polygon;
    }
};

QPolygonF hull(QPolygonF points)
{
    std::sort(points.begin(), points.end(), [](QPointF a, QPointF b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    const auto turn = [](QPointF o, QPointF a, QPointF b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    QPolygonF out(2 * points.size());
    int k = 0;
    for (int i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn(out[k - 2], out[k - 1], points[i]) <= 0)
            --k;
        out[k++] = points[i];
    }
    for (int i = points.size() - 2, low = k + 1; i >= 0; --i) {
        while (k >= low && turn(out[k - 2], out[k - 1], points[i]) <= 0)
            --k;
        out[k++] = points[i];
    }
    out.resize(k - 1);
    return out;
}

// Horizontal circle of the given radius at height y around a vertical axis through (x, z).
std::vector<Vec> ring(Vec centre, qreal radius, int steps = 24)
{
    std::vector<Vec> points;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        points.push_back(centre + Vec{radius * std::cos(a), 0, radius * std::sin(a)});
    }
    return points;
}

void fillOutlined(QPainter &p, const QPolygonF &shape, const QColor &fill, qreal width = 1.0)
{
    p.save();
    p.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(shape);
    p.restore();
}

// Arms

constexpr qreal kUpperArm = 15;
constexpr qreal kForearm = 15;
const Vec kRightShoulder{-12.5, 67.5, 0};
const Vec kLeftShoulder{12.5, 67.5, 0};

struct Arm {
    Side side;
    Vec upper;  // direction of the upper arm
    Vec fore;   // direction of the forearm
    Vec fingers;
    Vec palm;   // the way the palm faces
};

Vec shoulder(Side side) { return side == Side::Right ? kRightShoulder : kLeftShoulder; }
Vec elbow(const Arm &arm) { return shoulder(arm.side) + unit(arm.upper) * kUpperArm; }
Vec wrist(const Arm &arm) { return elbow(arm) + unit(arm.fore) * kForearm; }

// A straight arm with the hand carrying on along it.
Arm straightArm(Side side, Vec direction, Vec palm)
{
    const Vec d = unit(direction);
    return {side, d, d, d, squareTo(palm, d)};
}

Arm hangingArm(Side side)
{
    const qreal out = side == Side::Right ? -0.1 : 0.1;
    return straightArm(side, {out, -1, 0.02}, {-out * 10, 0, 0});
}

// White glove: a flat hand laid out along the fingers and across the palm, with the thumb on the
// side it has for that hand, and its edge drawn thick enough to show when seen side on.
void glove(QPainter &p, const Camera &cam, const Arm &arm)
{
    const Vec base = wrist(arm);
    const Vec f = unit(arm.fingers);
    const Vec n = unit(arm.palm);
    const Vec across = cross(f, n) * (arm.side == Side::Right ? 1 : -1);
    const QPointF o = cam.at(base);
    const QPointF u = cam.at(base + f) - o;
    const QPointF v = cam.at(base + across) - o;
    const QPointF t = cam.at(base + n) - o;

    QPainterPath hand;
    hand.addRoundedRect(QRectF(-1, -4.2, 12.5, 8.4), 3.2, 3.2);
    hand.addRoundedRect(QRectF(0.5, 2.6, 6.5, 3.6), 1.6, 1.6);
    hand.setFillRule(Qt::WindingFill);
    hand = hand.simplified();
    QPainterPath edge;
    edge.addRoundedRect(QRectF(-1, -1.6, 12.5, 3.2), 1.6, 1.6);

    const QPen outline(QColor(0x6a, 0x6a, 0x74), 0.8);
    p.save();
    p.setPen(outline);
    p.setBrush(kWhite);
    p.drawPath(QTransform(u.x(), u.y(), t.x(), t.y(), o.x(), o.y()).map(edge));
    const QTransform face(u.x(), u.y(), v.x(), v.y(), o.x(), o.y());
    p.drawPath(face.map(hand));
    const qreal open = std::abs(u.x() * v.y() - u.y() * v.x());
    if (open > 0.45) {
        p.setPen(QPen(QColor(0xa0, 0xa0, 0xa8), 0.6));
        for (const qreal across : {-2.1, 0.0, 2.1})
            p.drawLine(face.map(QPointF(6.5, across)), face.map(QPointF(10.8, across)));
    }
    p.restore();
}

void drawArm(QPainter &p, const Camera &cam, const Arm &arm)
{
    QPainterPath sleeve(cam.at(shoulder(arm.side)));
    sleeve.lineTo(cam.at(elbow(arm)));
    sleeve.lineTo(cam.at(wrist(arm)));
    strokePath(p, sleeve, roundPen(kInk, 9.5));
    strokePath(p, sleeve, roundPen(kShirt, 7.5));
    glove(p, cam, arm);
}

qreal armDepth(const Camera &cam, const Arm &arm)
{
    return (cam.depth(elbow(arm)) + cam.depth(wrist(arm))) / 2;
}

// Body

void drawLeg(QPainter &p, const Camera &cam, qreal x)
{
    QPainterPath leg(cam.at({x, 42, 0}));
    leg.lineTo(cam.at({x, 6, 0}));
    strokePath(p, leg, QPen(kInk, 12.5, Qt::SolidLine, Qt::FlatCap));
    strokePath(p, leg, QPen(kNavy, 10.5, Qt::SolidLine, Qt::FlatCap));
    QPolygonF shoe;
    for (const qreal y : {0.0, 5.0})
        for (const Vec &v : {Vec{x - 4.5, y, -4}, Vec{x + 4.5, y, -4}, Vec{x + 4, y, 10},
                             Vec{x - 4, y, 10}, Vec{x, y, 13}})
            shoe << cam.at(v);
    fillOutlined(p, hull(shoe), kBlack);
}

void drawTorso(QPainter &p, const Camera &cam)
{
    const qreal sx = 13.5, sz = 6.5, wx = 11.5, wz = 5.5;
    const qreal top = 71, waist = 42;
    QPolygonF corners;
    for (const qreal s : {-1.0, 1.0})
        for (const qreal d : {-1.0, 1.0}) {
            corners << cam.at({s * sx, top, d * sz}) << cam.at({s * wx, waist, d * wz});
            corners << cam.at({s * (sx - 2), top + 2.5, d * (sz - 1.5)});
        }
    const QPolygonF body = hull(corners);
    fillOutlined(p, body, kShirt);

    // The side turned to the viewer, in shade.
    const qreal side = cam.yaw >= 0 ? 1 : -1;
    p.save();
    p.setClipRect(QRectF(0, 0, kWidth, kHeight));
    fillPolygon(p,
                cam.at({{side * sx, top, sz}, {side * sx, top, -sz}, {side * wx, waist, -wz},
                        {side * wx, waist, wz}}),
                kShirt.darker(112));
    p.restore();
    p.save();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(body);
    p.restore();

    // Front of the shirt: tie, pockets, belt.
    const auto front = [&](qreal x, qreal y) {
        const qreal t = (top - y) / (top - waist);
        return Vec{x, y, sz + (wz - sz) * t + 0.2};
    };
    fillPolygon(p,
                cam.at({front(-1.4, 70), front(1.4, 70), front(1.9, 53), front(0, 50.5),
                        front(-1.9, 53)}),
                kNavy);
    p.save();
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kShirt.darker(110));
    for (const qreal s : {-1.0, 1.0}) {
        p.drawPolygon(cam.at({front(s * 1.2, 71.5), front(s * 5.5, 71), front(s * 1.8, 66)}));
        p.drawPolygon(
            cam.at({front(s * 4, 62), front(s * 10, 62), front(s * 9.8, 56.5), front(s * 4.2, 56.5)}));
    }
    p.restore();
    disc(p, cam.at(front(7, 66.5)), 1.4, QColor(0xe0, 0xb0, 0x30));
    p.save();
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(kWhite);
    p.drawPolygon(cam.at({front(-wx - 0.3, 46.5), front(wx + 0.3, 46.5), front(wx + 0.2, 42.3),
                          front(-wx - 0.2, 42.3)}));
    p.drawPolygon(cam.at({{side * (wx + 0.5), 46.5, wz}, {side * (wx + 0.5), 46.5, -wz},
                          {side * (wx + 0.4), 42.3, -wz}, {side * (wx + 0.4), 42.3, wz}}));
    p.setBrush(QColor(0xc8, 0xc8, 0xc8));
    p.drawPolygon(cam.at({front(-2, 47), front(2, 47), front(2, 42), front(-2, 42)}));
    p.restore();
}

void drawHead(QPainter &p, const Camera &cam, qreal faceTurn)
{
    const Vec centre{0, 84.5, 0};
    const auto local = [&](Vec v) { return centre + turned(v, faceTurn); };

    fillOutlined(p, hull(cam.at([&] {
                     std::vector<Vec> neck = ring({0, 70, 0}, 3.8, 12);
                     for (const Vec &v : ring({0, 78, 0}, 3.8, 12))
                         neck.push_back(v);
                     return neck;
                 }())),
                 kSkin);

    const Vec ears[] = {local({8, 0, -0.5}), local({-8, 0, -0.5})};
    const QPointF c = cam.at(centre);
    p.save();
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(kSkin);
    p.drawEllipse(c, 8, 9.5);
    for (const Vec &ear : ears)
        if (cam.depth(ear) > cam.depth(centre) - 3)
            p.drawEllipse(cam.at(ear), 1.5, 2.6);
    p.restore();

    for (const qreal s : {-1.0, 1.0}) {
        const Vec eye = local({s * 3, 0.5, 7.2});
        if (cam.depth(eye) > cam.depth(centre))
            disc(p, cam.at(eye), 1.0, kInk);
    }
    const Vec mouth = local({0, -4.5, 7.6});
    if (cam.depth(mouth) > cam.depth(centre)) {
        const QPointF m = cam.at(mouth);
        line(p, m - QPointF(2, 0), m + QPointF(2, 0), roundPen(QColor(0xb0, 0x50, 0x40), 1.0));
    }

    // Peaked cap: band, wide crown, visor towards the face.
    std::vector<Vec> crown = ring(centre + Vec{0, 10.5, 0}, 8.8);
    for (const Vec &v : ring(centre + Vec{0, 15.5, 0}, 11.2))
        crown.push_back(v);
    fillOutlined(p, hull(cam.at(crown)), kNavy.lighter(115));
    fillOutlined(p, hull(cam.at(ring(centre + Vec{0, 15.5, 0}, 11.2))), kNavy.lighter(135), 0.8);
    std::vector<Vec> band = ring(centre + Vec{0, 6.5, 0}, 8.6);
    for (const Vec &v : ring(centre + Vec{0, 10.5, 0}, 8.8))
        band.push_back(v);
    fillOutlined(p, hull(cam.at(band)), kBlack, 0.8);
    std::vector<Vec> visor;
    for (int i = 0; i <= 12; ++i) {
        const qreal a = M_PI * i / 12;
        visor.push_back(local({8.7 * std::cos(a), 6.5, 8.7 * std::sin(a)}));
        visor.push_back(local({8.7 * std::cos(a), 6.3, 3 + 10 * std::sin(a)}));
    }
    fillOutlined(p, hull(cam.at(visor)), kBlack, 0.8);
    const Vec badge = local({0, 12.5, 10});
    if (cam.depth(badge) > cam.depth(centre)) {
        p.save();
        p.setPen(QPen(QColor(0x90, 0x70, 0x10), 0.6));
        p.setBrush(QColor(0xf0, 0xc8, 0x40));
        p.drawEllipse(cam.at(badge), 2.6, 2.6);
        p.restore();
    }
}

// Signals

struct Pose {
    qreal yaw;
    qreal faceTurn;
    qreal pitch;
    std::vector<Arm> arms;
    std::vector<Arm> ghosts;             // where a swinging arm goes to, faintly
    std::vector<std::vector<Vec>> swings;  // path of the swing, in body coordinates
};

QImage policeSignal(const Pose &pose)
{
    const Camera cam{pose.yaw, pose.pitch};
    return picture(kBackground, [&](QPainter &p) {
        p.save();
        p.setBrush(QColor(0xd8, 0xd8, 0xd4));
        p.drawPolygon(cam.at(ring({0, 0, 2}, 17, 36)));
        p.restore();

        std::vector<std::pair<const Arm *, bool>> all;
        for (const Arm &arm : pose.ghosts)
            all.push_back({&arm, true});
        for (const Arm &arm : pose.arms)
            all.push_back({&arm, false});
        const auto draw = [&](bool front) {
            for (const auto &[arm, ghost] : all) {
                if ((armDepth(cam, *arm) > 0) != front) // in front of the body or behind it
                    continue;
                p.save();
                if (ghost)
                    p.setOpacity(0.5);
                drawArm(p, cam, *arm);
                p.restore();
            }
        };

        const qreal legs[] = {6.2, -6.2};
        const bool leftFirst = cam.depth({6.2, 40, 0}) < cam.depth({-6.2, 40, 0});
        drawLeg(p, cam, legs[leftFirst ? 0 : 1]);
        drawLeg(p, cam, legs[leftFirst ? 1 : 0]);
        draw(false);
        drawTorso(p, cam);
        drawHead(p, cam, pose.faceTurn);
        draw(true);

        for (const std::vector<Vec> &swing : pose.swings) {
            QPainterPath path(cam.at(swing.front()));
            for (size_t i = 1; i < swing.size(); ++i)
                path.lineTo(cam.at(swing[i]));
            sceneArrow(p, path, 2.2, 6, 7.5, kSwing);
        }
    });
}

// Arc swept by a point at the given distance from the shoulder while the arm turns from one
// direction to another.
std::vector<Vec> sweep(Side side, Vec from, Vec to, qreal reach, Vec shift = {})
{
    std::vector<Vec> points;
    for (int i = 0; i <= 16; ++i) {
        const qreal t = i / 16.0;
        points.push_back(shoulder(side) + shift + unit(from * (1 - t) + to * t) * reach);
    }
    return points;
}

const Vec kUp{0, 1, 0};
const Vec kDown{0, -1, 0};
const Vec kForward{0, 0, 1};
const Vec kToLeft{1, 0, 0};
const Vec kToRight{-1, 0, 0};

// Left arm raised forward and up, 135 degrees from the body, palm to the front.
Arm stopArm()
{
    const Vec d = unit({0, 1, 1});
    return {Side::Left, d, d, kUp, kForward};
}

// Arm held level to the front with the hand bent up, palm to the front.
Arm forwardPalmArm(Side side)
{
    return {side, kForward, kForward, unit({0, 0.87, 0.5}), unit({0, -0.5, 0.87})};
}

QImage stopSignal()
{
    return policeSignal({-38, 0, 16, {stopArm(), hangingArm(Side::Right)}, {}, {}});
}

QImage goStraightSignal()
{
    const Arm bent{Side::Right, kForward, kToLeft, kToLeft, {0, 0, -1}};
    return policeSignal(
        {18,
         0,
         16,
         {straightArm(Side::Left, kToLeft, kForward), straightArm(Side::Right, kToRight, kForward)},
         {bent},
         {[] {
             std::vector<Vec> arc;
             for (int i = 0; i <= 16; ++i) {
                 const qreal a = M_PI / 2 * i / 16;
                 arc.push_back(kRightShoulder +
                               Vec{-40 * std::cos(a) + 20 * std::sin(a), 13 - 4 * std::sin(a), 30 * std::sin(a)});
             }
             return arc;
         }()}});
}

// A swinging arm carried down and across in front of the body, 45 degrees from it.
Arm acrossArm(Side side)
{
    const qreal inward = side == Side::Left ? -1 : 1;
    const Vec d = unit({0.5 * inward, -0.71, 0.5});
    return straightArm(side, d, {inward, 0, 0});
}

QImage leftTurnSignal()
{
    return policeSignal({55,
                         30,
                         16,
                         {forwardPalmArm(Side::Right), acrossArm(Side::Left)},
                         {hangingArm(Side::Left)},
                         {sweep(Side::Left, {0.1, -1, 0.1}, acrossArm(Side::Left).fore, 40)}});
}

QImage rightTurnSignal()
{
    return policeSignal({-55,
                         -30,
                         16,
                         {forwardPalmArm(Side::Left), acrossArm(Side::Right)},
                         {hangingArm(Side::Right)},
                         {sweep(Side::Right, {-0.1, -1, 0.1}, acrossArm(Side::Right).fore, 40)}});
}

QImage leftTurnWaitSignal()
{
    const Vec out = unit({0.5, -0.87, 0});
    const Vec down = unit({0.26, -0.97, 0});
    return policeSignal({22,
                         35,
                         16,
                         {straightArm(Side::Left, out, kDown), hangingArm(Side::Right)},
                         {straightArm(Side::Left, down, kDown)},
                         {sweep(Side::Left, unit({0.56, -0.83, 0}), unit({0.2, -0.98, 0}), 50, {9, 0, 0})}});
}

QImage laneChangeSignal()
{
    const Vec aside = unit({1, 0, 1});
    return policeSignal({68,
                         40,
                         22,
                         {straightArm(Side::Right, kForward, kToLeft), hangingArm(Side::Left)},
                         {straightArm(Side::Right, aside, kToLeft)},
                         {sweep(Side::Right, kForward, aside, 46, {0, -8, 0})}});
}

QImage slowDownSignal()
{
    const Vec level = unit({-1, 0, 1});
    const Vec low = unit({-0.5, -0.71, 0.5});
    return policeSignal({32,
                         -30,
                         16,
                         {straightArm(Side::Right, level, kDown), hangingArm(Side::Left)},
                         {straightArm(Side::Right, low, kDown)},
                         {sweep(Side::Right, level, low, 47, {-4, 0, 0})}});
}

QImage pullOverSignal()
{
    const Vec low = unit({0, -1, 1});
    const Vec aside = unit({0.5, -0.71, 0.5});
    return policeSignal({-38,
                         0,
                         16,
                         {stopArm(), straightArm(Side::Right, low, kToLeft)},
                         {straightArm(Side::Right, aside, kToLeft)},
                         {sweep(Side::Right, low, aside, 46, {-2, -6, 0})}});
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-police",
                   {
                       {"police_stop.jpg", stopSignal},
                       {"police_go_straight.jpg", goStraightSignal},
                       {"police_left_turn.jpg", leftTurnSignal},
                       {"police_left_turn_wait.jpg", leftTurnWaitSignal},
                       {"police_right_turn.jpg", rightTurnSignal},
                       {"police_lane_change.jpg", laneChangeSignal},
                       {"police_slow_down.jpg", slowDownSignal},
                       {"police_pull_over.jpg", pullOverSignal},
                   });
}
