// The manual: F1 in each window and FACA's "Ajuda" open the help window at its page.
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "editors/EditorFactory.h"
#include "editors/common/UF_Margens.h"
#include "editors/faca/UF_Faca.h"
#include "platform/HelpViewer.h"
#include "platform/ProgramFolder.h"
#include "app/UF_Abrir.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using store::FormType;

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageOfEachWindow_data();
    void pageOfEachWindow();

private:
    QWidget *make(const QString &window);
    QTemporaryDir m_dir;
    validation::TFm_Funcoes m_funcoes;
    editors::EditorFactory m_factory;
};

QWidget *TestHelp::make(const QString &window)
{
    platform::ProgramFolder::setCurrent(m_dir.path());
    if (window == "main")
        return new app::TFm_Principal;
    if (window == "open")
        return new app::TFm_Abrir(testsupport::formType("FAS"), m_dir.filePath("Dados"));
    if (window == "margins")
        return new editors::TFm_Margens;
    if (!m_factory.has(testsupport::formType("FAC")))
        editors::registerEditors(m_factory);
    QWidget *editor = m_factory.create(editors::formTypes().named(window.section(' ', 0, 0)), nullptr, m_funcoes);
    editor->setAttribute(Qt::WA_DeleteOnClose, false);
    return editor;
}

void TestHelp::pageOfEachWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("manual");   // the manual beside the program, or none at all
    QTest::addColumn<QString>("page");  // empty: "Arquivo de Help não encontrado."
    for (const QString &form : QStringList{"FAC", "FACA", "FAS", "FCA", "FACA Ajuda"})
        QTest::newRow(qPrintable(form)) << form << true << form.left(form.indexOf(' ')) + ".html";
    QTest::newRow("main") << "main" << true << "Fichas.html";
    QTest::newRow("open") << "open" << true << "Fichas.html#abrir";
    QTest::newRow("margins") << "margins" << true << "Fichas.html#margens";
    QTest::newRow("FACA Ajuda, no manual") << "FACA Ajuda" << false << "";
}

void TestHelp::pageOfEachWindow()
{
    QFETCH(QString, window);
    QFETCH(bool, manual);
    QFETCH(QString, page);
    QDir(m_dir.path()).removeRecursively();
    QDir().mkpath(m_dir.filePath("Dados"));
    if (manual)   // the manual beside the program, as the build puts it
        QVERIFY(QFile::link(QDir::cleanPath(FICHAS_TEST_DATA "/../../../help"), m_dir.filePath("help")));
    MessageRecorder rec;
    std::unique_ptr<QWidget> w(make(window));
    w->show();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    if (window.endsWith("Ajuda"))
        static_cast<editors::TFm_Faca *>(w.get())->Button1->click();
    else
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w.get(), Qt::Key_F1);
    auto *help = w->findChild<platform::HelpWindow *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(rec.texts(), page.isEmpty() ? QStringList{"Arquivo de Help não encontrado."} : QStringList{});
    QCOMPARE(help != nullptr, !page.isEmpty());
    if (help) {
        const QUrl source = help->browser()->source();
        QCOMPARE(source.fileName() + (source.hasFragment() ? "#" + source.fragment() : QString()), page);
        QVERIFY(help->isVisible() && help->browser()->toPlainText().size() > 500);
    }
}

QTEST_MAIN(TestHelp)
#include "test_help.moc"
