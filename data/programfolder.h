#pragma once

#include <QString>

// The folder of the running program, with a trailing separator; every file the program
// reads or writes is found by appending to it, never from the working directory.
QString programFolder();

// Points the program at another folder (tests run the windows on a folder of their own).
void setProgramFolder(const QString &folder);
