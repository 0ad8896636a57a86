#include "messagebox.h"

#include <QMessageBox>
#include <QPushButton>

namespace msgbox {
namespace {

Answer showOnScreen(const Request &request)
{
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                              QMessageBox::Question, QMessageBox::Warning,
                                              QMessageBox::Critical};
    QMessageBox box(icons[int(request.icon)], request.title, request.text);
    // The exam windows stay on top; the box must not open behind them.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (request.buttons == Buttons::YesNo) {
        QPushButton *yes = box.addButton(QStringLiteral("是(&Y)"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("否(&N)"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
    return Answer::Ok;
}

Handler &handler()
{
    static Handler h = showOnScreen;
    return h;
}

} // namespace

Answer show(const Request &request)
{
    return handler()(request);
}

Handler setHandler(Handler h)
{
    Handler previous = handler();
    handler() = h ? std::move(h) : Handler(showOnScreen);
    return previous;
}

} // namespace msgbox
