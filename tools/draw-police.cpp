// Draws the traffic police hand signals of the question bank into a folder given on the command
// line. The officer faces the viewer, so his right arm is on the viewer's left.

#include "scenes.h"

using namespace painting;

namespace {

const QPointF kRightShoulder(87, 50);
const QPointF kLeftShoulder(113, 50);

struct Arm {
    Side side;
    std::vector<QPointF> joints;
    Hand hand = Hand::Palm;
    qreal handAngle = qQNaN();
    qreal handScale = 1;
    bool inFront = false;
};

struct Pose {
    std::vector<Arm> arms;
    std::vector<Arm> ghosts;
    std::vector<QPainterPath> swings;
};

qreal bearing(QPointF from, QPointF to)
{
    return qRadiansToDegrees(std::atan2(to.x() - from.x(), from.y() - to.y()));
}

QPointF heading(qreal bearingDeg)
{
    const qreal a = qDegreesToRadians(bearingDeg);
    return {std::sin(a), -std::cos(a)};
}

void drawArm(QPainter &p, const Arm &arm)
{
    QPainterPath sleeve(arm.joints.front());
    for (size_t i = 1; i < arm.joints.size(); ++i)
        sleeve.lineTo(arm.joints[i]);
    strokePath(p, sleeve, roundPen(kInk, 9.5));
    strokePath(p, sleeve, roundPen(kShirt, 7.5));
    const QPointF wrist = arm.joints.back();
    const qreal angle =
        qIsNaN(arm.handAngle) ? bearing(arm.joints[arm.joints.size() - 2], wrist) : arm.handAngle;
    glove(p, wrist + heading(angle) * (5 * arm.handScale), angle, arm.hand, arm.handScale,
          arm.side);
}

Arm restingArm(Side side)
{
    if (side == Side::Right)
        return {Side::Right, {kRightShoulder, {81, 80}}, Hand::Palm, 180};
    return {Side::Left, {kLeftShoulder, {119, 80}}, Hand::Palm, 180};
}

void drawArms(QPainter &p, const Pose &pose, bool inFront)
{
    for (const Arm &ghost : pose.ghosts) {
        if (ghost.inFront != inFront)
            continue;
        p.save();
        p.setOpacity(0.3);
        drawArm(p, ghost);
        p.restore();
    }
    for (const Arm &arm : pose.arms)
        if (arm.inFront == inFront)
            drawArm(p, arm);
}

QImage policeSignal(const Pose &pose)
{
    return picture(kBackground, [&](QPainter &p) {
        officerLegs(p);
        drawArms(p, pose, false);
        officerTorso(p);
        officerHead(p);
        drawArms(p, pose, true);
        for (const QPainterPath &swing : pose.swings)
            sceneArrow(p, swing, 2.2, 6, 7.5, kSwing);
    });
}

QPainterPath curve(QPointF from, QPointF control, QPointF to)
{
    QPainterPath path(from);
    path.quadTo(control, to);
    return path;
}

QImage goStraightSignal()
{
    return policeSignal(
        {{{Side::Right, {kRightShoulder, {55, 50}}, Hand::Palm, -90},
          {Side::Left, {kLeftShoulder, {145, 50}}, Hand::Palm, 90}},
         {{Side::Right, {kRightShoulder, {84, 58}, {104, 58}}, Hand::Edge, 90, 1, true}},
         {curve({48, 40}, {64, 30}, {80, 40})}});
}

QImage leftTurnSignal()
{
    return policeSignal({{{Side::Right, {kRightShoulder, {70, 36}}, Hand::Palm, -35, 1.15},
                          {Side::Left, {kLeftShoulder, {101, 76}}, Hand::Edge, qQNaN(), 1, true}},
                         {restingArm(Side::Left)},
                         {curve({126, 98}, {118, 106}, {104, 97})}});
}

QImage leftTurnWaitSignal()
{
    return policeSignal(
        {{restingArm(Side::Right), {Side::Left, {kLeftShoulder, {139, 71}}, Hand::Edge}},
         {{Side::Left, {kLeftShoulder, {129, 82}}, Hand::Edge}},
         {curve({156, 66}, {160, 80}, {150, 90})}});
}

QImage rightTurnSignal()
{
    return policeSignal({{{Side::Left, {kLeftShoulder, {130, 36}}, Hand::Palm, 35, 1.15},
                          {Side::Right, {kRightShoulder, {99, 76}}, Hand::Edge, qQNaN(), 1, true}},
                         {restingArm(Side::Right)},
                         {curve({74, 98}, {82, 106}, {96, 97})}});
}

QImage laneChangeSignal()
{
    return policeSignal(
        {{restingArm(Side::Left),
          {Side::Right, {kRightShoulder, {81, 55}, {104, 54}}, Hand::Edge, 90, 1, true}},
         {},
         {curve({76, 65}, {92, 73}, {112, 65})}});
}

QImage slowDownSignal()
{
    return policeSignal(
        {{restingArm(Side::Left), {Side::Right, {kRightShoulder, {56, 50}}, Hand::Edge, -90}},
         {{Side::Right, {kRightShoulder, {65, 72}}, Hand::Edge}},
         {curve({38, 54}, {34, 70}, {46, 80})}});
}

QImage pullOverSignal()
{
    return policeSignal(
        {{{Side::Left, {kLeftShoulder, {123, 19}}, Hand::Palm, 10},
          {Side::Right, {kRightShoulder, {82, 67}, {102, 69}}, Hand::Edge, 90, 1, true}},
         {{Side::Right, {kRightShoulder, {76, 76}}, Hand::Edge}},
         {curve({76, 88}, {92, 96}, {110, 88})}});
}

// Traffic police stop signal: left arm raised forward-up, palm to the front.
void policeman(QPainter &p)
{
    officerLegs(p);

    // lowered right arm (viewer's left)
    line(p, {87, 50}, {81, 80}, roundPen(kInk, 9.5));
    line(p, {87, 50}, {81, 80}, roundPen(kShirt, 7.5));
    glove(p, {80.5, 86}, 180, Hand::Palm, 1, Side::Left);

    // raised left arm (viewer's right)
    line(p, {113, 50}, {123, 19}, roundPen(kInk, 9.5));
    line(p, {113, 50}, {123, 19}, roundPen(kShirt, 7.5));
    glove(p, {124.5, 13}, 10, Hand::Palm, 1, Side::Left);

    officerTorso(p);
    officerHead(p);
}

QImage policeStopSignal()
{
    return picture(kBackground, policeman);
}

} // namespace

int main(int argc, char *argv[])
{
    return drawAll(argc, argv, "draw-police",
                   {
                       {"police_stop.jpg", policeStopSignal},
                       {"police_go_straight.jpg", goStraightSignal},
                       {"police_left_turn.jpg", leftTurnSignal},
                       {"police_left_turn_wait.jpg", leftTurnWaitSignal},
                       {"police_right_turn.jpg", rightTurnSignal},
                       {"police_lane_change.jpg", laneChangeSignal},
                       {"police_slow_down.jpg", slowDownSignal},
                       {"police_pull_over.jpg", pullOverSignal},
                   });
}
