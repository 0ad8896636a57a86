#pragma once

#include "controls.h"

#include <array>

// The question card as the browsers and the review lay it out: question area, four option
// rows with their letters, picture area and explanation area, each in an olive frame.
struct CardLayout {
    Shape *Shape1 = nullptr;              // question area
    std::array<Shape *, 4> letterCells{}; // Shape5, Shape3, Shape4, Shape2
    std::array<Shape *, 4> optionCells{}; // Shape6, Shape7, Shape8, Shape9
    Shape *Shape10 = nullptr;             // picture area
    Shape *Shape11 = nullptr;             // explanation area
    std::array<TextLabel *, 4> letters{}; // Label1 to Label4
    TextLabel *note = nullptr;
    std::array<TextLabel *, 4> lb{};
    PictureBox *pic = nullptr;
    TextLabel *Label5 = nullptr;
    TextLabel *info = nullptr;
};

// The card at the question browser's place, `raise` pixels higher; the explanation in
// `infoPixelSize`-pixel type.
CardLayout createCardLayout(QWidget *parent, int raise, int infoPixelSize);

// "第一题", "上一题", "下一题", "最末题" and "返回主窗口", in tab order.
std::array<PushButton *, 5> createNavigationButtons(QWidget *parent,
                                                    const std::array<QRect, 5> &places);
