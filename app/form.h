#pragma once

#include <QPointer>
#include <QWidget>

// A window of the program. Closing it only hides it; `Tag` carries a number between windows
// the way the windows expect; with `KeyPreview` on, `FormKeyDown` sees every key first.
class TForm : public QWidget
{
    Q_OBJECT
public:
    explicit TForm(QWidget *parent = nullptr);

    qint64 Tag = 0;
    bool KeyPreview = false;

    virtual void FormCreate() {}
    // Runs before the focused control gets the key; the key goes on to the control after.
    virtual void FormKeyDown(int key, Qt::KeyboardModifiers shift);

    // Shows the window without making it modal and brings it to the front.
    void Show();
    // A hidden window gives its surface back to the X server at once; showing it again makes
    // a new one.
    void setVisible(bool visible) override;

protected:
    enum class Frame { None, Single, Sizeable };
    // The buttons of the caption bar: the usual three, the close box alone, or none.
    enum class CaptionButtons { Usual, CloseOnly, None };
    struct Look {
        Frame frame = Frame::None;
        CaptionButtons buttons = CaptionButtons::Usual;
        bool onTop = true;
        QSize size; // client area
        QString caption;
    };
    void setLook(const Look &look);
    void centreOnScreen();
};

// The frame a sizeable window's outer size includes, so that a client area can be given.
QSize clientOfOuterSize(int width, int height);

// The application owns every window and destroys them at the end of the run.
void adoptWindow(QObject *window);
void destroyAdoptedWindows();
// The windows the application owns, in the order they were created.
QList<QObject *> adoptedWindows();

// Runs a window's creation handler through the error box.
void runCreateHandler(TForm *form);

// Creates a window into its global reference (set before the creation handler runs, which
// some handlers rely on), hands it to the application and runs its creation handler.
template <class T> T *createForm(QPointer<T> &reference)
{
    // A hidden window of the same kind is not shown again: each opening starts fresh.
    if (reference && reference->isHidden())
        reference->deleteLater();
    T *created = new T();
    reference = created;
    adoptWindow(created);
    runCreateHandler(created);
    return created;
}
