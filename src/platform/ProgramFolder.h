#pragma once

#include <QString>

namespace platform {

// The program folder holds Dados/, Forms.ini and help/. It is the folder named on the
// command line, else the executable's folder, else (an installed, read-only program)
// the user's data folder.
class ProgramFolder {
public:
    static QString resolve(const QString &option, const QString &executableDir);

    // The folder chosen at start-up; every path of the program is built from it.
    static QString current();
    static void setCurrent(const QString &folder);

    static QString dataFolder();      // <program folder>/Dados
    static QString settingsFile();    // <program folder>/Forms.ini
    static QString helpFolder();      // <program folder>/help

    // Joins a folder and a file name with the platform's separator.
    static QString join(const QString &folder, const QString &name);
};

} // namespace platform
