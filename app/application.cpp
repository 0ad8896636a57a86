#include "application.h"

#include "errorbox.h"
#include "form.h"
#include "keys.h"

#include "../data/programfolder.h"

#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>

const QString kApplicationId = QStringLiteral("exam-trainer");
const QString kSongTi = QStringLiteral("宋体");
const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kArialBlack = QStringLiteral("Arial Black");

namespace {

void mapDesignFonts()
{
    const QStringList cjk = {QStringLiteral("WenQuanYi Zen Hei"),
                             QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN")};
    // 宋体 is a Song face: its characters leave room inside the em box, so that lines set one
    // type size apart do not touch. A Ming face of the same cut stands in for it.
    const QStringList song = QStringList{QStringLiteral("AR PL UMing CN")} + cjk;
    QFont::insertSubstitutions(kSongTi, song);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(kArialBlack,
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(
        kSansSerif,
        QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")} + cjk);
}

} // namespace

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
    // A machine without the CJK fonts uses the copies that came with the program.
    if (!QFontDatabase::hasFamily(QStringLiteral("WenQuanYi Zen Hei")))
        QFontDatabase::addApplicationFont(programFolder() + QStringLiteral("fonts/wqy-zenhei.ttc"));
    if (!QFontDatabase::hasFamily(QStringLiteral("AR PL UMing CN")))
        QFontDatabase::addApplicationFont(programFolder() + QStringLiteral("fonts/uming.ttc"));
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
