#pragma once

#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace platform {

// The small stay-on-top window the report layer shows while it produces pages:
// "Printing progress", a progress bar and a "Cancel" button.
class PrintProgress {
public:
    PrintProgress(QWidget *parent, const QString &jobTitle, int pages);
    ~PrintProgress();
    PrintProgress(const PrintProgress &) = delete;
    PrintProgress &operator=(const PrintProgress &) = delete;

    // Shows that many pages done; false once the user has pressed Cancel.
    bool advance(int done);

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace platform
