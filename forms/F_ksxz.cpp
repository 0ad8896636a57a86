#include "F_ksxz.h"

#include "../app/application.h"
#include "../app/errorbox.h"
#include "../data/F_ado.h"
#include "../data/examgroups.h"
#include "../data/paper.h"
#include "../data/tableobject.h"
#include "F_mnks.h"
#include "F_xccx.h"

#include <QComboBox>

namespace exam {
QPointer<Tksxz> ksxz;
}

namespace {

const int kPanelFill = 16443110;

struct Rule {
    int top;
    int height;
    const char *text;
};

const Rule kRules[] = {
    {208, 16, "1、遵守考场纪律，服从监考人员指挥。"},
    {232, 40, "2、进入考场，手机、拷机关机。禁止抽烟，禁止吃零食。"},
    {280, 40, "3、未经工作人员允许，考生禁止随竟敢同入考场。"},
    {328, 16, "4、考场内禁止大声喧哗，禁止随意走动。"},
    {352, 28, "5、考试中认真答题，禁止交头接耳。"},
    {384, 16, "6、考试中不准冒名顶替，不准弄虚作假。"},
    {408, 40, "7、注意考场卫生，禁止随意吐痰，禁止乱扔纸屑。"},
    {456, 16, "8、爱护公物及考场设备。"},
};

} // namespace

Tksxz::Tksxz() : ADO_note(new TableObject(QStringLiteral("note")))
{
    setLook({Frame::None, CaptionButtons::None, true, QSize(792, 576), QString()});

    Image1 = new PictureBox(this, {0, 0, 800, 153}, PictureBox::Fit::Stretch);
    Image1->setLayoutPicture(QStringLiteral("notice_banner.jpg"));
    Shape1 = new Shape(this, {24, 154, 753, 405}, windowsColor(kPanelFill), syscolor::silver(), 3);
    Shape2 = new Shape(this, {320, 155, 2, 404}, syscolor::silver(), syscolor::silver());

    const QFont left = designFont(kSongTi, 14, true);
    const QFont right = designFont(kSongTi, 19, true);
    const int red = 255;
    Label1 = new TextLabel(this, {40, 176, 89, 25}, QStringLiteral("考试须知："), left);
    for (size_t i = 0; i < rules.size(); ++i) {
        rules[i] = new TextLabel(this, {32, kRules[i].top, 281, kRules[i].height},
                                 QString::fromUtf8(kRules[i].text), left);
        rules[i]->setWordWrap(true);
    }
    Label10 = new TextLabel(this, {368, 232, 342, 19},
                            QStringLiteral("禾川信息科技理论考试室01号考台"), right);
    Label11 = new TextLabel(this, {360, 280, 298, 19},
                            QStringLiteral("身份证号：110101199001011234"), right, red);
    Label12 =
        new TextLabel(this, {360, 312, 180, 19}, QStringLiteral("考生姓名：禾川科技"), right, red);
    Label13 = new TextLabel(this, {360, 416, 200, 19}, QStringLiteral("点击确认键开始考试！"),
                            right, red);
    Label14 = new TextLabel(this, {360, 456, 295, 19},
                            QStringLiteral("键盘操作：按下Enter键开始考试"), right, red);
    BitBtn1 = new PushButton(this, {584, 360, 81, 33}, QStringLiteral("确定"), font());
    BitBtn1->setClickOnEnter(true);
    onEvent(BitBtn1, &QPushButton::clicked, this, &Tksxz::BitBtn1Click);
    BitBtn1->setFocus();
}

Tksxz::~Tksxz()
{
    delete ADO_note;
}

void Tksxz::FormCreate()
{
    ADO_note->setConnectionString(exam::connstr);
    ADO_note->open();
    ADO_note->setSort(QStringLiteral("noteId"));
}

void Tksxz::DrawQuestions(int count, int sortId, int typeId)
{
    paper::drawQuestions(*exam::ado->subject, *ADO_note, paperRandom(), count, sortId, typeId,
                         paper::categoryLabel(sortId));
}

void Tksxz::BitBtn1Click()
{
    const int group = exam::xccx->ComboBox1->currentIndex();
    if (!ADO_note->isOpen())
        FormCreate();
    paper::drawPaper(*exam::ado->subject, *exam::ado->sort, *ADO_note, paperRandom(), group,
                     vehicleclass::groupName(group));
    ADO_note->close();
    close();
    createForm(exam::mnks);
    exam::mnks->lb_kscx->setCaption(vehicleclass::classLabel(group));
    exam::mnks->Show();
}
