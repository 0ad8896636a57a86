#pragma once

// The four navigation buttons of the windows that step through a set of questions (the
// question browsers and the wrong-answer review): "第一题", "上一题", "下一题", "最末题".
namespace navigation {

enum class Button { First, Prior, Next, Last };

// The position a button moves to from `currentNo` in a set of `count` questions.
int move(Button button, int currentNo, int count);

struct ButtonStates {
    bool first = true;
    bool prior = true;
    bool next = true;
    bool last = true;
};

// "下一题" and "最末题" are off on the last question, "第一题" and "上一题" on the first.
ButtonStates states(int currentNo, int count);

} // namespace navigation
