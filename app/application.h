#pragma once

#include <QApplication>

// The application object: shows errors that escape an event in the error box, hands every
// key to the key handler of a window with key preview first, and maps the Windows font names
// the windows are designed in to installed fonts.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Registers the fonts that come with the program (its own Song face, and in the portable
// archive the CJK faces) of the program folder; each file once, at the latest before the first
// text is laid out.
void addProgramFonts();

// The ASCII id a desktop matches the windows to their launcher by: the application name (the
// X window class) and the desktop file's name. The title the learner sees stays Chinese.
extern const QString kApplicationId;

// Font of the given family and pixel size; the families are the windows' design names.
QFont designFont(const QString &family, int pixelSize, bool bold = false);
extern const QString kSongTi;     // 宋体
extern const QString kSansSerif;  // MS Sans Serif
extern const QString kArialBlack; // Arial Black
