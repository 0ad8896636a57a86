#include "pagewindow.h"

#include "../data/errors.h"
#include "../data/picture.h"
#include "../data/programfolder.h"
#include "application.h"

#include <QFileInfo>

PageView::PageView(QWidget *parent, const QRect &geometry) : QTextBrowser(parent)
{
    setGeometry(geometry);
    setOpenExternalLinks(false);
}

QVariant PageView::loadResource(int type, const QUrl &name)
{
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
    WebBrowser1->setSource(QUrl::fromLocalFile(programFolder() + QStringLiteral("html/") + m_page));
}
