#include "pagewindow.h"

#include "../data/errors.h"
#include "../data/picture.h"
#include "../data/programfolder.h"
#include "../data/regularfile.h"
#include "application.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QTimer>
#include <utility>

PageView::PageView(QWidget *parent, const QRect &geometry) : QTextBrowser(parent)
{
    // The view stays inside its window's client area, its scroll arrows whole.
    setGeometry(geometry.intersected(QRect(QPoint(0, 0), parent->size())));
    setOpenExternalLinks(false);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &PageView::fitWidth);
}

// The layout rounds a page of the view's width one pixel wider; that pixel is no reason for
// a scroll bar.
void PageView::fitWidth()
{
    const bool fits = document()->idealWidth() <= viewport()->width() + 1;
    setHorizontalScrollBarPolicy(fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    fitWidth();
}

QVariant PageView::loadResource(int type, const QUrl &name)
{
    if (name.isLocalFile() && !isRegularFile(name.toLocalFile()))
        return QVariant();
    if (type == QTextDocument::ImageResource && name.isLocalFile()) {
        const QString suffix = QFileInfo(name.toLocalFile()).suffix().toLower();
        if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
            // A broken picture shows as missing; the page itself reports nothing.
            try {
                return loadPicture(name.toLocalFile());
            } catch (const ExamError &) {
                return QVariant();
            }
        }
    }
    return QTextBrowser::loadResource(type, name);
}

PageWindow::PageWindow(const Look &look, const QRect &browser, const QString &page) : m_page(page)
{
    setLook(look);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(pal);
    setFont(designFont(kSansSerif, 11));
    WebBrowser1 = new PageView(this, browser);
}

void PageWindow::FormCreate()
{
    QTimer::singleShot(0, this, [this] { loadPage(); });
}

void PageWindow::showEvent(QShowEvent *event)
{
    loadPage();
    TForm::showEvent(event);
}

void PageWindow::loadPage()
{
    if (std::exchange(m_loaded, true))
        return;
    const QString path = programFolder() + QStringLiteral("html/") + m_page;
    // A missing or odd page shows an empty view; the page windows report nothing.
    if (isRegularFile(path))
        WebBrowser1->setSource(QUrl::fromLocalFile(path));
}
