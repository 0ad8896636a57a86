#include "form.h"

#include "errorbox.h"

#include <QGuiApplication>
#include <QScreen>
#include <vector>

TForm::TForm(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void TForm::FormKeyDown(int, Qt::KeyboardModifiers) {}

void TForm::Show()
{
    show();
    raise();
    activateWindow();
}

void TForm::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible && testAttribute(Qt::WA_WState_Created))
        destroy(true, true);
}

void TForm::setLook(const Look &look)
{
    Qt::WindowFlags flags = Qt::Window;
    if (look.frame == Frame::None)
        flags |= Qt::FramelessWindowHint;
    else if (look.buttons == CaptionButtons::CloseOnly)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint;
    else if (look.buttons == CaptionButtons::None)
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (look.onTop)
        flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    // A window without a caption still has a task-bar button, which shows the title.
    setWindowTitle(look.caption.isEmpty() ? kApplicationTitle : look.caption);
    if (look.frame == Frame::Sizeable)
        resize(look.size);
    else
        setFixedSize(look.size);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    centreOnScreen();
}

void TForm::centreOnScreen()
{
    // To the pixel: the spare width and height halved, rounded down, as the platform does.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

QSize clientOfOuterSize(int width, int height)
{
    // A sizeable frame is 4 pixels a side and the caption bar 19 pixels high.
    return QSize(width - 8, height - 8 - 19);
}

namespace {
std::vector<QPointer<QObject>> &adopted()
{
    static std::vector<QPointer<QObject>> windows;
    return windows;
}
} // namespace

void adoptWindow(QObject *window)
{
    adopted().emplace_back(window);
}

void destroyAdoptedWindows()
{
    auto &windows = adopted();
    while (!windows.empty()) {
        QPointer<QObject> last = windows.back();
        windows.pop_back();
        delete last.data();
    }
}

QList<QObject *> adoptedWindows()
{
    QList<QObject *> out;
    for (const QPointer<QObject> &window : adopted()) {
        if (window)
            out.append(window.data());
    }
    return out;
}

void runCreateHandler(TForm *form)
{
    guarded([form] { form->FormCreate(); });
}
