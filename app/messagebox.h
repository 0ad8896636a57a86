#pragma once

#include <QString>
#include <functional>

// Every modal box of the program goes through here, so a test can answer it.
namespace msgbox {

enum class Icon { None, Information, Question, Warning, Stop };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Request {
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
};

using Handler = std::function<Answer(const Request &)>;

Answer show(const Request &request);

// Replaces the handler that shows the boxes; returns the previous one.
Handler setHandler(Handler handler);

} // namespace msgbox
