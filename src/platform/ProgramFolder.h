#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The program folder holds Dados/, Forms.ini and help/. It is the folder named on the
// command line, else the executable's folder, else (an installed, read-only program)
// the user's data folder.
class ProgramFolder {
public:
    // What the choice depends on, gathered once at start-up.
    struct Candidates {
        QString option;                      // --pasta; may be relative
        QString executableDir;
        bool executableDirWritable = false;
        bool installed = false;              // the executable lies where the package puts it
        QString userDataDir;                 // ~/.local/share/fichas
    };
    static QString choose(const Candidates &c);

    // choose() with the facts of this machine.
    static QString resolve(const QString &option, const QString &executableDir);

    // ~/.local/share/fichas (or $XDG_DATA_HOME/fichas), whatever the application's name.
    static QString userDataFolder();
    // True for the folder the package installs the executable into (/usr/bin).
    static bool isInstalledLocation(const QString &executableDir);

    // The folder chosen at start-up; every path of the program is built from it.
    static QString current();
    static void setCurrent(const QString &folder);

    static QString dataFolder();      // <program folder>/Dados
    static QString settingsFile();    // <program folder>/Forms.ini
    static QString helpFolder();      // <program folder>/help

    // Where help files are looked for, in order: the program folder's help/, then the
    // help the package installs (/usr/share/fichas/help).
    static QStringList helpFolders();
    // The first of helpFolders() that holds the file, or an empty string.
    static QString helpFile(const QString &name);

    // Joins a folder and a file name with the platform's separator.
    static QString join(const QString &folder, const QString &name);
};

} // namespace platform
