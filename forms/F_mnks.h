#pragma once

#include <QPointer>

#include "../app/controls.h"
#include "../app/form.h"

#include <array>

class QCheckBox;
class QTimer;
class TableObject;

// The exam window: the terminal of the examination room. It shows the paper in `note` one
// question at a time, records every answer in `note` at once, and counts the time down.
class Tmnks : public TForm
{
    Q_OBJECT
public:
    Tmnks();
    ~Tmnks() override;

    QWidget *client = nullptr; // the client area inside the frame
    GroupBox *GroupBox1 = nullptr;
    TextLabel *Label1 = nullptr;
    GroupBox *GroupBox2 = nullptr;
    PictureBox *Image1 = nullptr;
    TextLabel *Label2 = nullptr;
    TextLabel *Label3 = nullptr;
    TextLabel *lb_kscx = nullptr;
    TextLabel *Label5 = nullptr;
    GroupBox *GroupBox4 = nullptr;
    TextLabel *Note = nullptr;
    TextLabel *lb1 = nullptr;
    TextLabel *lb2 = nullptr;
    TextLabel *lb3 = nullptr;
    TextLabel *lb4 = nullptr;
    PictureBox *pic = nullptr;
    TextLabel *Label8 = nullptr;
    TextLabel *da = nullptr;
    TextLabel *Label6 = nullptr;
    PushButton *opt1 = nullptr;
    PushButton *opt2 = nullptr;
    PushButton *opt3 = nullptr;
    PushButton *opt4 = nullptr;
    QCheckBox *autoshow = nullptr;
    PushButton *bt_show = nullptr;
    GroupBox *GroupBox5 = nullptr;
    TextLabel *atime = nullptr;
    GroupBox *GroupBox6 = nullptr;
    TextLabel *info = nullptr;
    PushButton *bt_Prior = nullptr;
    PushButton *bt_next = nullptr;
    PushButton *bt_jj = nullptr;
    GroupBox *GroupBox3 = nullptr;
    CellGrid *StringGrid1 = nullptr;
    QTimer *Timer1 = nullptr;
    TableObject *ADO_Note = nullptr;

    int CurrentNo = 1;
    bool ShowKey = false;
    std::array<qint64, 4> OptIds{};
    std::array<int, 4> OptKeys{};
    int TimeLeft = 0;
    int PassMark = 90;

    void FormCreate() override;
    void ShowQuestion();
    void SaveAnswer(const QString &answer, int slot);
    void opt1Click();
    void opt2Click();
    void opt3Click();
    void opt4Click();
    void bt_nextClick();
    void bt_PriorClick();
    void StringGrid1Click();
    void autoshowClick();
    void bt_showClick();
    void bt_jjClick();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;
    void Timer1Timer();
    // Ends the exam and opens its result: by "确认交卷" or at the time-up, once per exam.
    void HandIn();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void dismissSubmission();
    void createCandidatePanel();
    void createQuestionArea();
    void createStatusRow();
    void clearQuestion();
    void showOptions(qint64 subId, int typeId);
    void showRecordedAnswerOfCursor();
    void jumpTo(int number);
    // The last question of the paper: 100, or fewer when the paper is short.
    int lastQuestion() const;
    std::array<TextLabel *, 4> optionLabels() const { return {lb1, lb2, lb3, lb4}; }

    bool m_handedIn = false;
    // Options of the question on display that can be answered: 0 until they are all shown.
    int m_answerable = 0;
};

namespace exam {
extern QPointer<Tmnks> mnks;
}
