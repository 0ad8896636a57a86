#include "controls.h"

#include "../data/picture.h"

#include <QButtonGroup>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <utility>

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
QColor silver()
{
    return QColor(192, 192, 192);
}
QColor inactiveBorder()
{
    return QColor(244, 247, 252);
}
QColor menuBar()
{
    return QColor(240, 240, 240);
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

TextLabel::TextLabel(QWidget *parent, const QRect &geometry, const QString &caption,
                     const QFont &font, int windowsColorValue)
    : TextLabel(parent, geometry, caption)
{
    setFont(font);
    setFontColor(windowsColorValue);
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

void TextLabel::paintEvent(QPaintEvent *event)
{
    if (font().pixelSize() <= 0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(font());
    // Lines stand one type size apart, as the layouts are measured; the Song face leaves the
    // room between them inside its em box.
    const qreal size = font().pixelSize();
    const qreal step = size;
    // Each line's em box starts at its line's top, whatever the face's ascent and descent,
    // so that a label as high as its type shows its characters whole.
    const qreal shift = (metrics.height() - size) / 2;
    qreal y = 0;
    for (const QString &paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        QTextOption option(alignment());
        option.setWrapMode(wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                      : QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width());
            line.setPosition(QPointF(0, y - shift));
            y += step;
        }
        layout.endLayout();
        layout.draw(&painter, QPointF(0, 0));
        if (y > height())
            break;
    }
}

QSize TextLabel::sizeHint() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    const QStringList lines = text().split(QLatin1Char('\n'));
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    const int size = font().pixelSize() > 0 ? font().pixelSize() : metrics.height();
    return QSize(width, size * int(lines.size()));
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
    m_layoutName.clear();
    m_image = image;
    update();
}

void PictureBox::setLayoutPicture(const QString &name)
{
    m_image = QImage();
    m_layoutName = name;
    update();
}

const QImage &PictureBox::picture() const
{
    if (m_image.isNull() && !m_layoutName.isEmpty())
        m_image = layoutPicture(m_layoutName);
    return m_image;
}

void PictureBox::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!m_layoutName.isEmpty())
        m_image = QImage();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture().isNull())
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

PushButton::PushButton(QWidget *parent, const QRect &geometry, const QString &caption,
                       const QFont &font, Focus focus)
    : QPushButton(caption, parent), m_clickOnEnter(focus == Focus::TabStop)
{
    setGeometry(geometry);
    setFont(font);
    setAutoDefault(false);
    setFocusPolicy(focus == Focus::TabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    if (m_clickOnEnter && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

namespace {

// The caption sits on the frame line, as on the exam-room terminal; its colour is the box's
// text colour. The style applies to the box alone, so that the controls in it keep the font
// and colours they inherit.
void frameWithCaption(QGroupBox *box, const QColor &captionColour)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::WindowText, captionColour);
    box->setPalette(pal);
    box->setObjectName(QStringLiteral("framed"));
    box->setStyleSheet(
        QStringLiteral("QGroupBox#framed { border: 1px solid #a0a0a0; border-radius: 2px;"
                       " margin-top: 6px; }"
                       "QGroupBox#framed::title { subcontrol-origin: margin; subcontrol-position: "
                       "top left; left: 8px; padding: 0 2px; }"));
}

} // namespace

GroupBox::GroupBox(QWidget *parent, const QRect &geometry, const QString &caption)
    : QGroupBox(caption, parent)
{
    setGeometry(geometry);
    QFont captionFont = font();
    captionFont.setPixelSize(11);
    setFont(captionFont);
    frameWithCaption(this, QColor(0, 0, 128));
}

RadioGroup::RadioGroup(QWidget *parent, const QRect &geometry, const QString &caption)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    setGeometry(geometry);
    frameWithCaption(this, Qt::blue);
    m_group->setExclusive(true);
}

void RadioGroup::setItems(const QStringList &items)
{
    qDeleteAll(m_buttons);
    m_buttons.clear();
    if (items.isEmpty())
        return;
    const int top = 18;
    const int pitch = qMax(fontMetrics().height() + 2, (height() - top - 4) / int(items.size()));
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        // The entries are set in the group's font and colour, as its caption is.
        button->setFont(font());
        button->setPalette(palette());
        button->setGeometry(8, top + i * pitch, width() - 16,
                            qMin(pitch, fontMetrics().height() + 6));
        button->show();
        m_group->addButton(button, i);
        m_buttons.append(button);
    }
}

QStringList RadioGroup::items() const
{
    QStringList out;
    for (const QRadioButton *b : m_buttons)
        out.append(b->text());
    return out;
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *b = m_buttons.value(index))
        b->setChecked(true);
}

QString RadioGroup::selectedText() const
{
    const QRadioButton *b = m_buttons.value(itemIndex());
    return b ? b->text() : QString();
}

namespace {

// Draws a cell's text whole and centred in its square, and the outer grid line of the first
// row and column, which the table's own grid (a line right of and below each cell) leaves out.
class GridCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QRect cell = option.rect;
        painter->save();
        painter->setPen(kGridLine);
        if (index.column() == 0) {
            painter->drawLine(cell.topLeft(), cell.bottomLeft());
            cell.adjust(1, 0, 0, 0);
        }
        if (index.row() == 0) {
            painter->drawLine(option.rect.topLeft(), option.rect.topRight());
            cell.adjust(0, 1, 0, 0);
        }
        const bool current = option.state & QStyle::State_Selected;
        if (current)
            painter->fillRect(cell, option.palette.color(QPalette::Highlight));
        painter->setPen(option.palette.color(current ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawText(cell, Qt::AlignCenter | Qt::TextDontClip,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    static inline const QColor kGridLine = QColor(160, 160, 160);
};

} // namespace

CellGrid::CellGrid(QWidget *parent, const QRect &geometry, int rows, int columns, int cellSize)
    : QTableWidget(rows, columns, parent)
{
    setGeometry(geometry);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    // A cell and the grid line after it; the first row and column also hold the outer line.
    horizontalHeader()->setDefaultSectionSize(cellSize + 1);
    verticalHeader()->setDefaultSectionSize(cellSize + 1);
    horizontalHeader()->resizeSection(0, cellSize + 2);
    verticalHeader()->resizeSection(0, cellSize + 2);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #a0a0a0; }"));
    setItemDelegate(new GridCellDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setFrameShape(QFrame::NoFrame);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            setItem(r, c, item);
        }
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this] {
        if (m_placing)
            return;
        m_pressMoved = m_pressing;
        emit cellChosen();
    });
    // A click on the cell already under the cursor is a choice too; a click that moved the
    // cursor has been reported when it was pressed.
    connect(this, &QTableWidget::cellClicked, this, [this] {
        if (!std::exchange(m_pressMoved, false))
            emit cellChosen();
    });
}

QString CellGrid::cellText(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void CellGrid::setCellText(int row, int column, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setText(text);
}

bool CellGrid::placeCursor(int row, int column)
{
    if (currentRow() == row && currentColumn() == column)
        return false;
    m_placing = true;
    setCurrentCell(row, column);
    m_placing = false;
    return true;
}

void CellGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    m_pressMoved = false;
    m_pressing = true;
    QTableWidget::mousePressEvent(event);
    m_pressing = false;
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

void CellGrid::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

QImage layoutPicture(const QString &name)
{
    return loadPicture(QStringLiteral(":/assets/") + name);
}
