#pragma once

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

// Colour from a Windows colour value: blue * 65536 + green * 256 + red.
QColor windowsColor(int value);

// The Windows colour values the windows are designed in.
constexpr int kBlack = 0;
constexpr int kRed = 255;
constexpr int kMaroon = 0x000080;
constexpr int kBlue = 0xff0000;
// The bands of the submission and result dialogs.
constexpr int kGreenBand = 7451452;
constexpr int kVioletBand = 14381203;
constexpr int kSandBand = 11394815;

// The system colours the windows are drawn in (Windows defaults).
namespace syscolor {
QColor highlight();
QColor gradientActiveCaption();
QColor silver();
QColor inactiveBorder();
QColor menuBar();
} // namespace syscolor

// A label at a fixed place and size. Its caption is kept exactly as set (carriage returns
// included) and shown with each carriage return as a line break; text beyond the box is cut.
class TextLabel : public QLabel
{
    Q_OBJECT
public:
    TextLabel(QWidget *parent, const QRect &geometry, const QString &caption = {});
    TextLabel(QWidget *parent, const QRect &geometry, const QString &caption, const QFont &font,
              int windowsColorValue = 0);

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
    // A line is as high as the type, its em box at the line's top.
    void paintEvent(QPaintEvent *event) override;

public:
    // Sized to its text: as wide as the text and as high as the type, as the layouts are
    // measured.
    QSize sizeHint() const override;

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
    // A picture of the window's layout, decoded when it is drawn or asked for and let go
    // again while its window is hidden.
    void setLayoutPicture(const QString &name);
    const QImage &picture() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    mutable QImage m_image;
    QString m_layoutName; // the layout picture shown, if any
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

// A push button at a fixed place. Outside a dialog a Qt button ignores Enter; a button that
// the Tab key reaches clicks on Enter when it has the focus, as on the platform the windows
// were designed for (clickOnEnter), and so can any other that asks for it.
class PushButton : public QPushButton
{
    Q_OBJECT
public:
    enum class Focus { TabStop, NoTabStop };

    PushButton(QWidget *parent, const QRect &geometry, const QString &caption, const QFont &font,
               Focus focus = Focus::TabStop);

    void setClickOnEnter(bool on) { m_clickOnEnter = on; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_clickOnEnter = false;
};

// A group box with a navy caption.
class GroupBox : public QGroupBox
{
public:
    GroupBox(QWidget *parent, const QRect &geometry, const QString &caption);
};

class QButtonGroup;
class QRadioButton;

// A group box of radio buttons in one column, spread evenly over its height; at most one
// is selected (-1: none).
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const QRect &geometry, const QString &caption);

    void setItems(const QStringList &items);
    QStringList items() const;
    int itemIndex() const;
    void setItemIndex(int index);
    QString selectedText() const;

private:
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};

// A grid of fixed square cells, one pixel of grid line between them and around them, that
// cannot be edited; a cell's text is shown whole, centred. Every move of the cursor the user
// makes (a click on a cell, the cell already under the cursor included, or the grid's own
// keys) reports the cell as chosen; moving the cursor from code does not. Only the left
// button moves the cursor, and dragging does not.
class CellGrid : public QTableWidget
{
    Q_OBJECT
public:
    CellGrid(QWidget *parent, const QRect &geometry, int rows, int columns, int cellSize);

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString &text);
    // Returns whether the cursor moved.
    bool placeCursor(int row, int column);

signals:
    void cellChosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Typing a digit must not jump to a cell starting with it.
    void keyboardSearch(const QString &) override {}

private:
    bool m_placing = false;  // the cursor is being moved from code
    bool m_pressing = false; // a left press is being handled
    bool m_pressMoved = false;
};

// A picture that belongs to a window's layout, compiled into the program. Each call decodes
// it anew: a window holds its pictures only while it is on the screen.
QImage layoutPicture(const QString &name);
