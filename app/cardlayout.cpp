#include "cardlayout.h"

#include "application.h"

namespace {
const QColor kOlive(128, 128, 0);
} // namespace

CardLayout createCardLayout(QWidget *parent, int raise, int infoPixelSize)
{
    auto frame = [&](int left, int top, int width, int height) {
        return new Shape(parent, {left, top - raise, width, height}, Qt::white, kOlive);
    };
    CardLayout card;
    card.Shape1 = frame(25, 112, 489, 169);
    const int rowTops[] = {280, 344, 408, 472};
    for (int k = 0; k < 4; ++k) {
        card.letterCells[k] = frame(25, rowTops[k], 65, 65);
        card.optionCells[k] = frame(89, rowTops[k], 425, 65);
    }
    card.Shape10 = frame(513, 112, 256, 201);
    card.Shape11 = frame(513, 312, 256, 225);

    const QFont letter = designFont(kArialBlack, 29, true);
    const QFont text = designFont(kSongTi, 16, true);
    const int letterTops[] = {296, 352, 416, 480};
    const int optionTops[] = {304, 368, 424, 496};
    const int optionWidths[] = {369, 369, 385, 377};
    const QString names[] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                             QStringLiteral("D")};
    for (int k = 0; k < 4; ++k) {
        card.letters[k] =
            new TextLabel(parent, {49, letterTops[k] - raise, 24, 41}, names[k], letter, kBlue);
        card.lb[k] = new TextLabel(parent, {104, optionTops[k] - raise, optionWidths[k], 16},
                                   QString(), text);
    }
    card.note = new TextLabel(parent, {40, 128 - raise, 465, 129}, QString(), text);
    card.note->setWordWrap(true);
    card.pic = new PictureBox(parent, {520, 120 - raise, 241, 185}, PictureBox::Fit::Centre);
    card.Label5 =
        new TextLabel(parent, {608, 320 - raise, 68, 16}, QStringLiteral("难点分析"), text, kRed);
    card.info = new TextLabel(parent, {528, 344 - raise, 225, 185}, QString(),
                              designFont(kSongTi, infoPixelSize));
    card.info->setWordWrap(true);
    return card;
}

std::array<PushButton *, 5> createNavigationButtons(QWidget *parent,
                                                    const std::array<QRect, 5> &places)
{
    const QString captions[] = {QStringLiteral("第一题"), QStringLiteral("上一题"),
                                QStringLiteral("下一题"), QStringLiteral("最末题"),
                                QStringLiteral("返回主窗口")};
    std::array<PushButton *, 5> buttons{};
    for (int i = 0; i < 5; ++i) {
        buttons[i] = new PushButton(parent, places[i], captions[i], parent->font());
        if (i > 0)
            QWidget::setTabOrder(buttons[i - 1], buttons[i]);
    }
    return buttons;
}
