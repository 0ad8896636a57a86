#include "application.h"

#include "errorbox.h"
#include "form.h"
#include "keys.h"

#include "../data/programfolder.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QSet>

#include <utility>

const QString kApplicationId = QStringLiteral("exam-trainer");
const QString kSongTi = QStringLiteral("宋体");
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kArialBlack = QStringLiteral("Arial Black");

namespace {

void mapDesignFonts()
{
    // Chinese is set in a Song face throughout: 宋体 itself, and the Chinese characters of the
    // MS Sans Serif labels, which the platform the windows were designed on draws in 宋体 as
    // well. A Ming face of the same cut stands in for it; its characters leave room inside the
    // em box, so that lines set one type size apart do not touch. One face for all the
    // Chinese also keeps the font data the program touches small.
    const QStringList song = {QStringLiteral("ExamSong"), QStringLiteral("AR PL UMing CN"),
                              QStringLiteral("WenQuanYi Zen Hei"),
                              QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(kSongTi, song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(kArialBlack,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        kSansSerif,
        QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")} + song);
}

} // namespace

void addProgramFonts()
{
    static QSet<QString> added;
    // The program's own Song face (a few thousand characters cut from the system's Ming face,
    // see tools/song-subset.py), and in the portable archive the full CJK faces, for a
    // machine without them. Asking the font database whether the system has them would load
    // it before the first window is up.
    for (const QString &font : {QStringLiteral("exam-song.ttf"), QStringLiteral("wqy-zenhei.ttc"),
                                QStringLiteral("uming.ttc")}) {
        const QString path = programFolder() + QStringLiteral("fonts/") + font;
        if (!added.contains(path) && QFileInfo::exists(path)) {
            QFontDatabase::addApplicationFont(path);
            added.insert(path);
        }
    }
}

QFont designFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(kApplicationId);
    setDesktopFileName(kApplicationId);
    mapDesignFonts();
    setWindowIcon(QIcon(QStringLiteral(":/assets/exam.png")));
    // MS Sans Serif 8 point, the windows' default font.
    setFont(designFont(kSansSerif, 11));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        QPointer<QObject> target(receiver);
        auto *form = qobject_cast<TForm *>(static_cast<QWidget *>(receiver)->window());
        if (form && form->KeyPreview) {
            const auto *key = static_cast<QKeyEvent *>(event);
            guarded([&] { form->FormKeyDown(virtualKeyCode(key), key->modifiers()); });
            if (!target)
                return true;
        }
    }
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
