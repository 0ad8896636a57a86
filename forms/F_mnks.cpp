#include "F_mnks.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../app/keys.h"
#include "../app/messagebox.h"
#include "../data/F_ado.h"
#include "../data/answergrid.h"
#include "../data/errors.h"
#include "../data/examgroups.h"
#include "../data/programfolder.h"
#include "../data/questioncard.h"
#include "../data/settings.h"
#include "../data/tableobject.h"
#include "F_ksqr.h"
#include "F_ksxz.h"
#include "F_xxts.h"

#include <QCheckBox>
#include <QPainter>
#include <QTimer>

namespace exam {
QPointer<Tmnks> mnks;
}

namespace {

const QString kTrue = QStringLiteral("√");
const QString kFalse = QStringLiteral("×");
const QString kLetters[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                            QStringLiteral("D")};

} // namespace

Tmnks::Tmnks() : Timer1(new QTimer(this)), ADO_Note(new TableObject(QStringLiteral("note")))
{
    // A 1-pixel frame around the 790 x 574 client area that the controls are placed in.
    setLook({Frame::None, CaptionButtons::None, true, QSize(792, 576), QString()});
    client = new QWidget(this);
    client->setGeometry(1, 1, 790, 574);
    KeyPreview = true;
    createCandidatePanel();
    createQuestionArea();
    createStatusRow();
    setTabOrder(StringGrid1, opt1);
    setTabOrder(opt1, opt2);
    setTabOrder(opt2, opt3);
    setTabOrder(opt3, opt4);
    StringGrid1->setFocus();

    // The clock runs from the creation of the window.
    Timer1->setInterval(1000);
    onEvent(Timer1, &QTimer::timeout, this, &Tmnks::Timer1Timer);
    Timer1->start();
}

Tmnks::~Tmnks()
{
    delete ADO_Note;
}

void Tmnks::createCandidatePanel()
{
    const QFont small = designFont(kSansSerif, 11);
    GroupBox1 = new GroupBox(client, {8, 8, 145, 41}, QStringLiteral("驾校理论考试室"));
    Label1 = new TextLabel(GroupBox1, {24, 20, 73, 13}, QStringLiteral("第01号考台"), small, kBlue);
    GroupBox2 = new GroupBox(client, {6, 56, 145, 250}, QStringLiteral("考生信息："));
    Image1 = new PictureBox(GroupBox2, {24, 16, 105, 121});
    Image1->setLayoutPicture(QStringLiteral("candidate_photo.jpg"));
    Label2 =
        new TextLabel(GroupBox2, {8, 144, 129, 13}, QStringLiteral("考生姓名：禾川科技"), small);
    Label3 = new TextLabel(GroupBox2, {8, 164, 97, 13}, QStringLiteral("姓         别：女"), small);
    lb_kscx = new TextLabel(GroupBox2, {8, 186, 121, 13}, QString(), small);
    Label5 =
        new TextLabel(GroupBox2, {8, 208, 129, 13}, QStringLiteral("申请原因：初次申请"), small);
}

void Tmnks::createQuestionArea()
{
    const QFont question = designFont(kSongTi, 16, true);
    const QFont prompt = designFont(kSongTi, 15, true);
    const QFont answer = designFont(kSongTi, 19, true);
    GroupBox4 = new GroupBox(client, {157, 8, 630, 297}, QStringLiteral("考试题目："));
    Note = new TextLabel(GroupBox4, {16, 24, 593, 73}, QString(), question);
    Note->setWordWrap(true);
    lb1 = new TextLabel(GroupBox4, {24, 112, 365, 25}, QString(), question);
    lb2 = new TextLabel(GroupBox4, {24, 144, 365, 25}, QString(), question);
    lb3 = new TextLabel(GroupBox4, {24, 172, 365, 25}, QString(), question);
    lb4 = new TextLabel(GroupBox4, {24, 200, 365, 25}, QString(), question);
    pic = new PictureBox(GroupBox4, {392, 104, 225, 137}, PictureBox::Fit::Centre);
    Label8 =
        new TextLabel(GroupBox4, {8, 266, 128, 15}, QStringLiteral("您选择的答案是："), prompt);
    da = new TextLabel(GroupBox4, {129, 263, 32, 20}, QString(), answer, kRed);
    Label6 = new TextLabel(GroupBox4, {166, 266, 64, 15}, QStringLiteral("请选择："), prompt);
    const int lefts[] = {228, 280, 334, 387};
    void (Tmnks::*clicks[])() = {&Tmnks::opt1Click, &Tmnks::opt2Click, &Tmnks::opt3Click,
                                 &Tmnks::opt4Click};
    PushButton **buttons[] = {&opt1, &opt2, &opt3, &opt4};
    for (int k = 0; k < 4; ++k) {
        *buttons[k] = new PushButton(GroupBox4, {lefts[k], 258, 40, 30}, kLetters[k], answer);
        onEvent(*buttons[k], &QPushButton::clicked, this, clicks[k]);
    }

    // Over the lower right corner of the question area.
    autoshow = new QCheckBox(QStringLiteral("自动显示答案"), client);
    autoshow->setGeometry(600, 272, 105, 17);
    autoshow->setFocusPolicy(Qt::ClickFocus);
    onEvent(autoshow, &QCheckBox::clicked, this, &Tmnks::autoshowClick);
    bt_show = new PushButton(client, {704, 266, 75, 25}, QStringLiteral("显示答案"), font(),
                             PushButton::Focus::NoTabStop);
    onEvent(bt_show, &QPushButton::clicked, this, &Tmnks::bt_showClick);
}

void Tmnks::createStatusRow()
{
    GroupBox5 = new GroupBox(client, {8, 311, 145, 41}, QStringLiteral("剩余时间"));
    atime = new TextLabel(GroupBox5, {40, 16, 49, 13}, QStringLiteral("120:00"),
                          designFont(kSongTi, 13));
    GroupBox6 = new GroupBox(client, {176, 311, 241, 41}, QStringLiteral("提示信息"));
    info = new TextLabel(GroupBox6, {2, 15, 231, 24}, QString(), designFont(kSongTi, 13));
    info->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    const QFont button = designFont(kSongTi, 16, true);
    bt_Prior = new PushButton(client, {444, 309, 90, 41}, QStringLiteral("上一题"), button,
                              PushButton::Focus::NoTabStop);
    bt_Prior->setEnabled(false);
    bt_next = new PushButton(client, {553, 309, 90, 41}, QStringLiteral("下一题"), button,
                             PushButton::Focus::NoTabStop);
    bt_jj = new PushButton(client, {662, 309, 107, 41}, QStringLiteral("交卷"), button,
                           PushButton::Focus::NoTabStop);
    onEvent(bt_Prior, &QPushButton::clicked, this, &Tmnks::bt_PriorClick);
    onEvent(bt_next, &QPushButton::clicked, this, &Tmnks::bt_nextClick);
    onEvent(bt_jj, &QPushButton::clicked, this, &Tmnks::bt_jjClick);

    GroupBox3 = new GroupBox(client, {8, 352, 777, 220}, QStringLiteral("答题信息"));
    StringGrid1 =
        new CellGrid(GroupBox3, {8, 16, 762, 192}, answergrid::kRows, answergrid::kColumns, 37);
    StringGrid1->setFont(designFont(kSansSerif, 13));
    onEvent(StringGrid1, &CellGrid::cellChosen, this, &Tmnks::StringGrid1Click);
}

void Tmnks::FormCreate()
{
    ADO_Note->setConnectionString(exam::connstr);
    ADO_Note->open();
    ADO_Note->setSort(QStringLiteral("noteId"));
    ADO_Note->first();
    exam::ado->subject->setFiltered(false);

    const ExamSettings settings = readExamSettings(programFolder() + QStringLiteral("system.ini"));
    TimeLeft = settings.timeLeft;
    PassMark = settings.passMark;
    atime->setCaption(clockText(TimeLeft));

    for (int number = 1; number <= answergrid::kQuestions; ++number)
        StringGrid1->setCellText(answergrid::rowOf(number), answergrid::columnOf(number),
                                 answergrid::cellText(number));

    Tag = exam::ksxz ? exam::ksxz->Tag : qint64(MockExam);
    ShowKey = false;
    if (Tag == StudyRun) {
        autoshow->show();
        bt_show->show();
    } else {
        autoshow->setChecked(false);
        autoshow->hide();
        bt_show->hide();
    }
    CurrentNo = 1;
    ShowQuestion();
}

int Tmnks::lastQuestion() const
{
    return ADO_Note->isOpen() ? qMin(answergrid::kQuestions, ADO_Note->recordCount())
                              : answergrid::kQuestions;
}

void Tmnks::ShowQuestion()
{
    if (CurrentNo > lastQuestion())
        throw ExamError(QStringLiteral("试卷中没有第 %1 题（本试卷共 %2 题）。")
                            .arg(CurrentNo)
                            .arg(ADO_Note->recordCount()));
    clearQuestion();
    ADO_Note->setRecNo(CurrentNo);
    const qint64 subId = ADO_Note->asInteger(QStringLiteral("subId"));
    TableObject &subject = *exam::ado->subject;
    // Found by id whatever filter another window left on the questions.
    if (!subject.locate(QStringLiteral("subId"), subId))
        throw ExamError(
            QStringLiteral("题库中找不到第 %1 题的试题（编号 %2）。").arg(CurrentNo).arg(subId));

    Note->setCaption(QString::number(CurrentNo) + QStringLiteral("、") +
                     subject.asText(QStringLiteral("subtitle")));
    const QString picture = subject.asText(QStringLiteral("subpic"));
    const int typeId = card::typeOf(subject);
    const bool trueFalse = typeId == 1;
    info->setCaption(trueFalse ? QStringLiteral("判断题，请判断对错")
                               : QStringLiteral("选择题，请选择你认为正确的答案"));
    for (TextLabel *row : optionLabels())
        row->setVisible(!trueFalse);
    opt1->setText(trueFalse ? kTrue : kLetters[0]);
    opt2->setText(trueFalse ? kFalse : kLetters[1]);
    opt3->setVisible(!trueFalse);
    opt4->setVisible(!trueFalse);
    showOptions(subId, typeId);

    if (StringGrid1->placeCursor(answergrid::rowOf(CurrentNo), answergrid::columnOf(CurrentNo)))
        showRecordedAnswerOfCursor();
    bt_Prior->setEnabled(CurrentNo != 1);
    bt_next->setEnabled(CurrentNo < lastQuestion());
    // Last: a picture that cannot be shown is reported with the rest of the question in place.
    card::showPicture(pic, picture);
}

// What the question before left on display goes first, so that a question that fails to show
// can never be answered with another question's options.
void Tmnks::clearQuestion()
{
    m_answerable = 0;
    OptIds.fill(0);
    OptKeys.fill(0);
    Note->setCaption(QString());
    for (TextLabel *row : optionLabels())
        row->setCaption(QString());
}

// The options of the question on display, their ids and keys kept for answering. A true/false
// question shows its rows only while its answer is being shown.
void Tmnks::showOptions(qint64 subId, int typeId)
{
    TableObject &options = *exam::ado->options;
    card::filterBySubId(options, subId);
    const auto labels = optionLabels();
    int shown = 0;
    for (int k = 0; k < 4 && !options.eof(); ++k, options.next()) {
        QString text = options.asText(QStringLiteral("optcontent"));
        if (typeId == 2)
            text = kLetters[k] + QLatin1Char(' ') + text;
        OptIds[k] = options.asInteger(QStringLiteral("optid"));
        OptKeys[k] = card::isKey(options) ? 1 : 0;
        ++shown;
        const bool marked = OptKeys[k] == 1 && ShowKey;
        if (marked && typeId == 2)
            text += QStringLiteral("√");
        labels[k]->setFontColor(marked ? kRed : kBlack);
        if (k < 2 && marked)
            labels[k]->show();
        else if (k < 2 && typeId == 1)
            labels[k]->hide();
        labels[k]->setCaption(text);
    }
    m_answerable = shown;
}

void Tmnks::showRecordedAnswerOfCursor()
{
    const int number =
        answergrid::numberAt(StringGrid1->currentRow(), StringGrid1->currentColumn());
    da->setCaption(answergrid::recordedAnswer(
        StringGrid1->cellText(StringGrid1->currentRow(), StringGrid1->currentColumn()), number));
}

void Tmnks::SaveAnswer(const QString &answer, int slot)
{
    if (slot >= m_answerable)
        throw ExamError(
            QStringLiteral("第 %1 题的选项没有能显示出来，这个答案没有保存。").arg(CurrentNo));
    // Stored before the cell shows it, so the grid never shows an answer that is not kept.
    ADO_Note->setRecNo(CurrentNo);
    ADO_Note->edit();
    ADO_Note->setValue(QStringLiteral("optionid"), OptIds[slot]);
    ADO_Note->setValue(QStringLiteral("isright"), OptKeys[slot]);
    ADO_Note->post();
    StringGrid1->setCellText(answergrid::rowOf(CurrentNo), answergrid::columnOf(CurrentNo),
                             answergrid::cellText(CurrentNo, answer));
    if (CurrentNo < lastQuestion()) {
        ++CurrentNo;
        ShowQuestion();
    }
}

void Tmnks::opt1Click()
{
    SaveAnswer(opt1->text(), 0);
}

void Tmnks::opt2Click()
{
    SaveAnswer(opt2->text(), 1);
}

void Tmnks::opt3Click()
{
    SaveAnswer(opt3->text(), 2);
}

void Tmnks::opt4Click()
{
    SaveAnswer(opt4->text(), 3);
}

void Tmnks::jumpTo(int number)
{
    if (number < 1 || number > lastQuestion())
        throw ExamError(QStringLiteral("试卷中没有第 %1 题（本试卷共 %2 题）。")
                            .arg(number)
                            .arg(lastQuestion()));
    CurrentNo = number;
    ShowQuestion();
}

void Tmnks::bt_nextClick()
{
    jumpTo(CurrentNo + 1);
}

void Tmnks::bt_PriorClick()
{
    jumpTo(CurrentNo - 1);
}

void Tmnks::StringGrid1Click()
{
    const int number =
        answergrid::numberAt(StringGrid1->currentRow(), StringGrid1->currentColumn());
    if (number > lastQuestion()) {
        StringGrid1->placeCursor(answergrid::rowOf(CurrentNo), answergrid::columnOf(CurrentNo));
        jumpTo(number);
    }
    CurrentNo = number;
    showRecordedAnswerOfCursor();
    ShowQuestion();
}

void Tmnks::autoshowClick()
{
    ShowKey = autoshow->isChecked();
    bt_show->setEnabled(!ShowKey);
    ShowQuestion();
}

// One press marks the answer of the question on display until it is next redrawn.
void Tmnks::bt_showClick()
{
    ShowKey = true;
    ShowQuestion();
    ShowKey = autoshow->isChecked();
    bt_show->setEnabled(!autoshow->isChecked());
}

void Tmnks::bt_jjClick()
{
    StringGrid1->setFocus();
    dismissSubmission();
    createForm(exam::ksqr)->Show();
}

// One submission dialog at a time: a new one, a hand-in or the time-up closes the last.
void Tmnks::dismissSubmission()
{
    if (!exam::ksqr)
        return;
    exam::ksqr->close();
    exam::ksqr->deleteLater();
}

void Tmnks::HandIn()
{
    if (m_handedIn)
        return;
    m_handedIn = true;
    Timer1->stop();
    dismissSubmission();
    createForm(exam::xxts)->Show();
}

void Tmnks::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case vk::Numpad4:
        if (opt1->text() == kTrue)
            opt1Click();
        break;
    case vk::Numpad6:
        if (opt2->text() == kFalse)
            opt2Click();
        break;
    case vk::Numpad1:
        if (opt1->text() == kLetters[0])
            opt1Click();
        break;
    case vk::Numpad2:
        if (opt2->text() == kLetters[1])
            opt2Click();
        break;
    case vk::Numpad3:
        if (!opt3->isHidden())
            opt3Click();
        break;
    case vk::Numpad5:
        if (!opt4->isHidden())
            opt4Click();
        break;
    case vk::Numpad7:
        jumpTo(1);
        break;
    case vk::Numpad8:
        jumpTo(41);
        break;
    case vk::Numpad9:
        jumpTo(71);
        break;
    case vk::Subtract:
        if (bt_Prior->isEnabled())
            bt_PriorClick();
        break;
    case vk::Add:
        if (bt_next->isEnabled())
            bt_nextClick();
        break;
    case vk::Divide:
        bt_jjClick();
        break;
    default:
        break;
    }
}

void Tmnks::Timer1Timer()
{
    // A duration of 0 or less is an exam without a time limit: nothing counts down, and the
    // count can never wrap round to a time-up.
    if (TimeLeft <= 0)
        return;
    --TimeLeft;
    if (TimeLeft == 0) {
        // The count ends with the exam: a time-up comes once.
        Timer1->stop();
        dismissSubmission();
        msgbox::show({kApplicationTitle, QStringLiteral("时间到！"), msgbox::Icon::None,
                      msgbox::Buttons::Ok});
        HandIn();
        close();
    }
    atime->setCaption(clockText(TimeLeft));
}

void Tmnks::paintEvent(QPaintEvent *event)
{
    TForm::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
