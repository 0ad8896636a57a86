#pragma once

#include "form.h"

#include <QTextBrowser>

// A view of a local HTML page. JPEG pictures on the page go through the program's own
// picture loader, like every other picture; only regular files are read, so that a FIFO or a
// device in html/ cannot hang the program. A page that fits the view's width shows no
// horizontal scroll bar.
class PageView : public QTextBrowser
{
    Q_OBJECT
public:
    PageView(QWidget *parent, const QRect &geometry);

    QVariant loadResource(int type, const QUrl &name) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitWidth();
};

// A window that shows one page of the program folder's html/ folder. Its creation starts
// loading the page, which loads while the message loop runs; a window shown before then
// loads it at once, so that it always shows its page whole. Showing it again keeps the page
// as it was left.
class PageWindow : public TForm
{
    Q_OBJECT
public:
    PageView *WebBrowser1 = nullptr;

    void FormCreate() override;
    bool pageLoaded() const { return m_loaded; }

protected:
    PageWindow(const Look &look, const QRect &browser, const QString &page);
    void showEvent(QShowEvent *event) override;

private:
    void loadPage();

    QString m_page;
    bool m_loaded = false;
};
