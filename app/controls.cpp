#include "controls.h"

#include "../data/picture.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

QColor windowsColor(int value)
{
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

namespace syscolor {
QColor highlight()
{
    return QColor(0, 120, 215);
}
QColor gradientActiveCaption()
{
    return QColor(185, 209, 234);
}
QColor windowText()
{
    return QColor(0, 0, 0);
}
QColor silver()
{
    return QColor(192, 192, 192);
}
} // namespace syscolor

TextLabel::TextLabel(QWidget *parent, const QRect &geometry, const QString &caption)
    : QLabel(parent)
{
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void TextLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void TextLabel::setFontColor(int value)
{
    m_fontColor = value;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, windowsColor(value));
    setPalette(pal);
}

void TextLabel::setBackground(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    setAutoFillBackground(true);
}

void TextLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

PictureBox::PictureBox(QWidget *parent, const QRect &geometry, Fit fit)
    : QWidget(parent), m_fit(fit)
{
    setGeometry(geometry);
}

void PictureBox::loadFromFile(const QString &path)
{
    setPicture(loadPicture(path));
}

void PictureBox::setPicture(const QImage &image)
{
    m_image = image;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    switch (m_fit) {
    case Fit::Stretch:
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_image);
        break;
    case Fit::Centre:
        painter.drawImage(
            QPoint((width() - m_image.width()) / 2, (height() - m_image.height()) / 2), m_image);
        break;
    case Fit::TopLeft:
        painter.drawImage(QPoint(0, 0), m_image);
        break;
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

Shape::Shape(QWidget *parent, const QRect &geometry, const QColor &fill, const QColor &outline,
             int penWidth)
    : QWidget(parent), m_fill(fill), m_outline(outline), m_penWidth(penWidth)
{
    setGeometry(geometry);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    QPen pen(m_outline, m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const int half = m_penWidth / 2;
    painter.drawRect(rect().adjusted(half, half, -half - (m_penWidth % 2 ? 1 : 0),
                                     -half - (m_penWidth % 2 ? 1 : 0)));
}

QImage layoutPicture(const QString &name)
{
    return loadPicture(QStringLiteral(":/assets/") + name);
}
