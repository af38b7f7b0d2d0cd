// The manual: F1 in each window and FACA's "Ajuda" open the help window at its page.
#include "MessageRecorder.h"
#include "app/UF_Principal.h"
#include "editors/EditorFactory.h"
#include "editors/faca/UF_Faca.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramFolder.h"
#include "printing/UF_Margens.h"
#include "store/FichaEditor.h"
#include "store/UF_Abrir.h"
#include "validation/TFm_Funcoes.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <memory>

using store::FormType;
using Make = std::function<QWidget *(const validation::TFm_Funcoes &)>;
Q_DECLARE_METATYPE(Make)

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void pageOfEachWindow_data();
    void pageOfEachWindow();
    void searchAndLinks();
    void missingManualIsReported();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
};

namespace {

QWidget *editorOf(FormType type, const validation::TFm_Funcoes &f)
{
    static editors::EditorFactory factory;
    if (!factory.has(type))
        editors::registerEditors(factory);
    store::FichaEditor *e = factory.create(type, nullptr, f);
    e->FichaNova = true;
    return e;
}

platform::HelpWindow *helpOf(QWidget *window)
{
    return window->findChild<platform::HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

void TestHelp::init()
{
    // The manual as the build copies it beside the program.
    m_dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(m_dir->filePath("help"));
    QDir().mkpath(m_dir->filePath("Dados"));
    const QDir manual(QDir::cleanPath(QStringLiteral(FICHAS_TEST_DATA "/../../../help")));
    QVERIFY(manual.exists("Fichas.html"));
    for (const QString &name : manual.entryList(QDir::Files))
        QVERIFY(QFile::copy(manual.filePath(name), m_dir->filePath("help/" + name)));
    platform::ProgramFolder::setCurrent(m_dir->path());
}

void TestHelp::pageOfEachWindow_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<bool>("helpButton");   // FACA's "Ajuda" rather than F1
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << Make([](auto &) { return new app::TFm_Principal; }) << false << "Fichas.html";
    QTest::newRow("open dialog") << Make([this](auto &) { return new store::TFm_Abrir(FormType::FAS, m_dir->filePath("Dados")); })
                                 << false << "Fichas.html#abrir";
    QTest::newRow("margins") << Make([](auto &) { return new printing::TFm_Margens(nullptr); }) << false
                             << "Fichas.html#margens";
    QTest::newRow("FAC") << Make([](auto &f) { return editorOf(FormType::FAC, f); }) << false << "FAC.html";
    QTest::newRow("FACA") << Make([](auto &f) { return editorOf(FormType::FACA, f); }) << false << "FACA.html";
    QTest::newRow("FACA Ajuda") << Make([](auto &f) { return editorOf(FormType::FACA, f); }) << true << "FACA.html";
    QTest::newRow("FAS") << Make([](auto &f) { return editorOf(FormType::FAS, f); }) << false << "FAS.html";
    QTest::newRow("FCA") << Make([](auto &f) { return editorOf(FormType::FCA, f); }) << false << "FCA.html";
}

void TestHelp::pageOfEachWindow()
{
    QFETCH(Make, make);
    QFETCH(bool, helpButton);
    QFETCH(QString, page);
    MessageRecorder rec;
    std::unique_ptr<QWidget> window(make(m_funcoes));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    if (helpButton)
        static_cast<editors::TFm_Faca *>(window.get())->Button1->click();
    else
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), Qt::Key_F1);
    platform::HelpWindow *help = helpOf(window.get());
    QVERIFY(help && help->isVisible());
    const QUrl source = help->browser()->source();
    QCOMPARE(source.fileName() + (source.hasFragment() ? "#" + source.fragment() : QString()), page);
    QVERIFY(help->browser()->toPlainText().size() > 500);
    QCOMPARE(rec.messages.size(), 0);
}

// Ctrl+F finds a text, the contents links lead to the forms' pages and back returns.
void TestHelp::searchAndLinks()
{
    platform::HelpWindow help(nullptr);
    help.open(platform::manualPage("Fichas.html"));
    help.show();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), help.searchField());
    QTest::keyClicks(help.searchField(), "margens");
    QTest::keyClick(help.searchField(), Qt::Key_Return);
    QCOMPARE(help.browser()->textCursor().selectedText().toLower(), QString("margens"));
    for (const QString &form : QStringList{"FAC", "FACA", "FAS", "FCA"}) {
        help.browser()->setSource(help.browser()->source().resolved(QUrl(form + ".html")));
        QCOMPARE(help.browser()->source().fileName(), form + ".html");
        QVERIFY(help.browser()->toPlainText().contains(form));
        help.browser()->backward();
        QCOMPARE(help.browser()->source().fileName(), QString("Fichas.html"));
    }
}

void TestHelp::missingManualIsReported()
{
    QDir(m_dir->filePath("help")).removeRecursively();
    MessageRecorder rec;
    std::unique_ptr<QWidget> faca(editorOf(FormType::FACA, m_funcoes));
    faca->setAttribute(Qt::WA_DeleteOnClose, false);
    static_cast<editors::TFm_Faca *>(faca.get())->Button1->click();
    QCOMPARE(rec.texts(), QStringList{QString::fromUtf8("Arquivo de Help não encontrado.")});
    QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    QVERIFY(!helpOf(faca.get()));
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
