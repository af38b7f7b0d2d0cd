#include "platform/PrintProgress.h"

#include <QProgressDialog>

namespace platform {

PrintProgress::PrintProgress(QWidget *parent, const QString &jobTitle, int pages)
    : m_dialog(std::make_unique<QProgressDialog>(jobTitle, QStringLiteral("Cancel"), 0, pages, parent,
                                                 Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint))
{
    m_dialog->setWindowTitle(QStringLiteral("Printing progress"));
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(0);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setValue(0);
}

PrintProgress::~PrintProgress() = default;

bool PrintProgress::advance(int done)
{
    m_dialog->setValue(done);
    return !m_dialog->wasCanceled();
}

} // namespace platform
