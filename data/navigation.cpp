#include "navigation.h"

namespace navigation {

int move(Button button, int currentNo, int count)
{
    switch (button) {
    case Button::First:
        return count > 0 ? 1 : currentNo;
    case Button::Prior:
        return currentNo > 1 ? currentNo - 1 : currentNo;
    case Button::Next:
        return currentNo < count ? currentNo + 1 : currentNo;
    case Button::Last:
        return count > 0 ? count : currentNo;
    }
    return currentNo;
}

ButtonStates states(int currentNo, int count)
{
    ButtonStates s;
    s.next = s.last = currentNo != count;
    s.first = s.prior = currentNo != 1;
    return s;
}

} // namespace navigation
