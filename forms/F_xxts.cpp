#include "F_xxts.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../app/keys.h"
#include "../data/errors.h"
#include "../data/examgroups.h"
#include "../data/tableobject.h"
#include "F_ckct.h"
#include "F_ksxz.h"
#include "F_mnks.h"

namespace exam {
QPointer<Txxts> xxts;
}

Txxts::Txxts()
{
    setLook({Frame::Sizeable, CaptionButtons::None, true, QSize(458, 431),
             QStringLiteral("禾川信息科技有限公司驾驶员理论模拟考试系统-测试成绩")});
    KeyPreview = true;
    const QFont bold = designFont(kSongTi, 21, true);
    Shape1 = new Shape(this, {-1, -1, 460, 60}, QColor(0, 128, 128), Qt::white);
    Label2 = new TextLabel(this, {87, 5, 271, 48}, QStringLiteral("信 息 提 示"),
                           designFont(kSongTi, 48, true), kRed);
    Shape2 = new Shape(this, {-1, 60, 460, 40}, windowsColor(kGreenBand), Qt::white);
    Label3 =
        new TextLabel(this, {8, 72, 264, 21}, QStringLiteral("尊敬的禾川科技学员您好："), bold);
    Shape3 = new Shape(this, {-1, 101, 460, 210}, windowsColor(kGreenBand), Qt::white);
    lb_tsxx = new TextLabel(this, {55, 157, 200, 21}, QStringLiteral("您的本次成绩为："), bold);
    lbksfs = new TextLabel(this, {319, 157, 40, 21}, QStringLiteral("3分"), bold, kRed);
    lb_ksjg = new TextLabel(this, {63, 213, 200, 21}, QStringLiteral("考试结果"),
                            designFont(kSongTi, 21), kMaroon);
    Shape4 = new Shape(this, {-2, 312, 460, 40}, windowsColor(kSandBand), Qt::white);
    Shape5 = new Shape(this, {-1, 354, 460, 80}, windowsColor(kVioletBand), Qt::white);
    const QFont button = designFont(kSongTi, 16);
    Button1 = new PushButton(this, {114, 365, 100, 35}, QStringLiteral("关  闭"), button,
                             PushButton::Focus::NoTabStop);
    Button2 = new PushButton(this, {223, 365, 100, 35}, QStringLiteral("查看错题"), button,
                             PushButton::Focus::NoTabStop);
    Label1 = new TextLabel(this, {31, 402, 355, 19},
                           QStringLiteral("键盘操作：按回车Enter键结束本次考试"),
                           designFont(kSongTi, 19, true), kRed);
    onEvent(Button1, &QPushButton::clicked, this, &Txxts::Button1Click);
    onEvent(Button2, &QPushButton::clicked, this, &Txxts::Button2Click);
}

void Txxts::FormCreate()
{
    m_exam = exam::mnks;
    m_notice = exam::ksxz;
    if (!m_exam)
        throw ExamError(QStringLiteral("没有可以评分的考试。"));
    m_exam->close();
    TableObject &note = *m_exam->ADO_Note;
    note.setFiltered(false);
    int score = 0;
    for (note.first(); !note.eof(); note.next())
        score += int(note.asInteger(QStringLiteral("isright")));
    lb_ksjg->setCaption(score >= m_exam->PassMark ? QStringLiteral("恭喜您，考试合格！！")
                                                  : QStringLiteral("考试不合格，还需要努力！！"));
    lb_tsxx->setCaption(m_exam->Tag == MockExam ? QStringLiteral("您的本次模拟考试成绩为：")
                                                : QStringLiteral("您的本次学习成绩为："));
    lbksfs->setCaption(QString::number(score));
    for (TextLabel *label : {lb_tsxx, lbksfs, lb_ksjg})
        label->adjustSize();
}

// Leaving the result ends its exam: the exam window and the notice screen are destroyed,
// once, whichever button or dialog comes first.
void Txxts::endExam()
{
    delete m_exam.data();
    delete m_notice.data();
    close();
}

void Txxts::Button1Click()
{
    endExam();
}

void Txxts::Button2Click()
{
    endExam();
    createForm(exam::ckct)->Show();
}

void Txxts::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == vk::Return)
        Button1Click();
    else if (key == vk::Decimal)
        Button2Click();
}
