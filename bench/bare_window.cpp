// The reference for the start-up benchmark: a bare Qt widget window of the main menu's size,
// frameless as it is.

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setFixedSize(792, 576);
    window.show();
    return app.exec();
}
