#include "platform/HelpViewer.h"

#include "platform/Messages.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

QString manualPage(const QString &name)
{
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    QString file = hash < 0 ? name : name.left(hash);
    const QString anchor = hash < 0 ? QString() : name.mid(hash);
    if (file.endsWith(QLatin1String(".HLP"), Qt::CaseInsensitive))
        file = file.chopped(4) + QStringLiteral(".html");
    const QString path = ProgramFolder::helpFile(file);
    return path.isEmpty() ? QString() : path + anchor;
}

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Fm_Ajuda"));
    setWindowTitle(QStringLiteral("Ajuda - Fichas"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    auto *back = new QPushButton(QStringLiteral("< &Voltar"), this);
    auto *forward = new QPushButton(QStringLiteral("&Avançar >"), this);
    auto *contents = new QPushButton(QStringLiteral("&Sumário"), this);
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Procurar (Ctrl+F)"));
    m_search->setClearButtonEnabled(true);
    auto *label = new QLabel(QStringLiteral("&Procurar:"), this);
    label->setBuddy(m_search);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { open(manualPage(QStringLiteral("Fichas.html"))); });
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_search->setFocus(Qt::ShortcutFocusReason);
        m_search->selectAll();
    });
    auto *again = new QShortcut(QKeySequence::FindNext, this);
    connect(again, &QShortcut::activated, this, &HelpWindow::findNext);

    auto *bar = new QHBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{back, forward, contents})
        bar->addWidget(w);
    bar->addStretch();
    bar->addWidget(label);
    bar->addWidget(m_search);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser);
    // Room for a page's tables, never more than the screen.
    QSize size(760, 640);
    if (const QScreen *s = screen())
        size = size.boundedTo(s->availableSize() * 9 / 10);
    resize(size);
}

void HelpWindow::open(const QString &path)
{
    if (path.isEmpty())
        return;
    const qsizetype hash = path.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(hash < 0 ? path : path.left(hash));
    if (hash >= 0)
        url.setFragment(path.mid(hash + 1));
    m_browser->setSource(url);
}

bool HelpWindow::findNext()
{
    const QString text = m_search->text();
    if (text.isEmpty())
        return false;
    if (m_browser->find(text))
        return true;
    // Past the last match: once more from the top.
    QTextCursor top = m_browser->textCursor();
    top.movePosition(QTextCursor::Start);
    m_browser->setTextCursor(top);
    return m_browser->find(text);
}

void showHelpPage(QWidget *parent, const QString &path)
{
    // One help window per window it helps with: a child of that window, so the
    // window's modality does not block it, and it goes when that window closes.
    QWidget *owner = parent ? parent->window() : nullptr;
    HelpWindow *help = owner ? owner->findChild<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help)
        help = new HelpWindow(owner);
    help->open(path);
    help->show();
    help->raise();
    help->activateWindow();
}

bool openManual(QWidget *parent, const QString &name)
{
    const QString page = manualPage(name);
    if (page.isEmpty()) {
        Messages::show(parent, kCaptionFichas, QStringLiteral("Arquivo de Help não encontrado."), MsgIcon::Error);
        return false;
    }
    showHelpPage(parent, page);
    return true;
}

void installHelpKey(QWidget *window, const QString &name)
{
    auto *key = new QShortcut(QKeySequence::HelpContents, window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [window, name] { openManual(window, name); });
}

} // namespace platform
