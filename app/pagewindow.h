#pragma once

#include "form.h"

#include <QTextBrowser>

// A view of a local HTML page. JPEG pictures on the page go through the program's own
// picture loader, like every other picture.
class PageView : public QTextBrowser
{
    Q_OBJECT
public:
    PageView(QWidget *parent, const QRect &geometry);

    QVariant loadResource(int type, const QUrl &name) override;
};

// A window that shows one page of the program folder's html/ folder, loaded when the window
// is created; showing it again keeps the page as it was left.
class PageWindow : public TForm
{
    Q_OBJECT
public:
    PageView *WebBrowser1 = nullptr;

    void FormCreate() override;

protected:
    PageWindow(const Look &look, const QRect &browser, const QString &page);

private:
    QString m_page;
};
