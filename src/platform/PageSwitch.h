#pragma once

#include <QObject>

class QKeyEvent;
class QTabWidget;

namespace platform {

// The pages of a page control as the user switches them: a click on a tab, Ctrl+Tab or
// Ctrl+PgDown from a field, the arrows on the tab bar. Before the page changes the focus
// moves to the tab bar, as the click of a tab takes it, so the exit check of the field
// left runs while its page is still shown; when the check puts the focus back, the page
// stays. A switch from the keyboard then puts the focus on the new page's first field.
// Switches made by the program pass untouched and are not reported.
class PageSwitch : public QObject {
    Q_OBJECT
public:
    // The one guard of the page control, made on first use; it lives as long as pages.
    static PageSwitch *install(QTabWidget *pages);

Q_SIGNALS:
    // The user's switch made the page at index current.
    void switchedByUser(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PageSwitch(QTabWidget *pages);
    bool switchesPage(QObject *watched, const QKeyEvent *key) const;
    // Delivers the user's switch once the field left has accepted its exit.
    bool deliver(QObject *watched, QEvent *event, bool fromKeys);
    bool leaveField();
    void focusFirstField();

    QTabWidget *m_pages;
    bool m_byUser = false;
};

} // namespace platform
