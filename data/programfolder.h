#pragma once

#include <QString>

// The folder of the running program, with a trailing separator; every file the program
// reads or writes is found by appending to it, never from the working directory.
QString programFolder();

// Points the program at another folder (tests run the windows on a folder of their own).
void setProgramFolder(const QString &folder);

// The folder of a program started by the path `startedAs` (relative paths taken from
// `workingDir`): the folder holding that path's last entry, which may be a symbolic link to
// `executable` elsewhere; the folder of `executable` itself when the path does not lead to it.
QString invocationFolder(const QString &startedAs, const QString &workingDir,
                         const QString &executable);
