#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace platform {

// The help viewer: the program's manual, HTML pages in the help folders, shown in a
// help window of the program. A Windows help file's name stands for the manual page of
// the same base name ("FACA.HLP": FACA.html), its contents topic for the page's top.

// The full path of a manual page ("FACA.html", "Fichas.html#margens", "FACA.HLP") in
// the first help folder that holds it, anchor kept; empty when the manual is missing.
QString manualPage(const QString &name);

// Opens the help window of `parent`'s window at a page found by manualPage(); the
// window stays until closed, over the window it helps with.
void showHelpPage(QWidget *parent, const QString &path);

// Opens the manual at the page; a missing manual says "Arquivo de Help não encontrado."
// (caption "Fichas", error icon). True when the page opened.
bool openManual(QWidget *parent, const QString &name);

// F1 anywhere in `window` opens the manual at `name`.
void installHelpKey(QWidget *window, const QString &name);

// The help window: back and forward through the links, Ctrl+F to find a text.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent);
    void open(const QString &path);
    QTextBrowser *browser() const { return m_browser; }
    // Finds the search field's text after the cursor, from the top again at the end.
    bool findNext();

private:
    QTextBrowser *m_browser;
    QLineEdit *m_search;
};

} // namespace platform
