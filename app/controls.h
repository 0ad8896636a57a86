#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

// Colour from a Windows colour value: blue * 65536 + green * 256 + red.
QColor windowsColor(int value);

// The system colours the windows are drawn in (Windows defaults).
namespace syscolor {
QColor highlight();
QColor gradientActiveCaption();
QColor windowText();
QColor silver();
} // namespace syscolor

// A label at a fixed place and size. Its caption is kept exactly as set (carriage returns
// included) and shown with each carriage return as a line break; text beyond the box is cut.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    TextLabel(QWidget *parent, const QRect &geometry, const QString &caption = {});

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setFontColor(int windowsColorValue);
    int fontColor() const { return m_fontColor; }
    void setWordWrap(bool on) { QLabel::setWordWrap(on); }
    void setBackground(const QColor &color);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    int m_fontColor = 0;
};

// A picture box: the picture stretched over the box, centred at natural size (cut at the
// edges), or at natural size from the top left corner.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class Fit { TopLeft, Centre, Stretch };

    PictureBox(QWidget *parent, const QRect &geometry, Fit fit = Fit::TopLeft);

    // Loads a file through the picture loader; an error leaves the old picture.
    void loadFromFile(const QString &path);
    void setPicture(const QImage &image);
    const QImage &picture() const { return m_image; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    Fit m_fit;
};

// A rectangle with a fill and an outline.
class Shape : public QWidget
{
public:
    Shape(QWidget *parent, const QRect &geometry, const QColor &fill, const QColor &outline,
          int penWidth = 1);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
    QColor m_outline;
    int m_penWidth;
};

// A picture that belongs to a window's layout, compiled into the program.
QImage layoutPicture(const QString &name);
