#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "editors/common/FichaEditor.h"
#include "editors/fca/UF_Fca.h"
#include "app/UF_Abrir.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <optional>

using namespace app;
using store::FormType;

namespace {

struct HandOver {
    QString arqLista, arqFicha;
    bool fichaNova = false;
    int codFicha = 0;
};

// An editor that notes what it was handed and closes at once.
class ProbeEditor : public editors::FichaEditor {
public:
    ProbeEditor(FormType t, QWidget *parent, std::optional<HandOver> *seen)
        : editors::FichaEditor(t, parent), m_seen(seen) {}

protected:
    void showEvent(QShowEvent *e) override
    {
        editors::FichaEditor::showEvent(e);
        *m_seen = HandOver{ArqLista, ArqFicha, FichaNova, CodFicha};
        QTimer::singleShot(0, this, &QDialog::reject);
    }
    void done(int r) override { QDialog::done(r); }  // no save protocol for the probe

private:
    std::optional<HandOver> *m_seen;
};

// Answers the open dialog once it is shown modally.
void whenOpenDialogShows(std::function<void(app::TFm_Abrir *)> act, bool *shown)
{
    QTimer::singleShot(0, [act, shown] {
        auto *dlg = qobject_cast<app::TFm_Abrir *>(QApplication::activeModalWidget());
        *shown = dlg != nullptr;
        if (dlg)
            act(dlg);
    });
}

} // namespace

class TestPrincipal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startsWithNothingSelected();
    void createsDataFolderOnce();
    void aboutMessage();
    void typeWithoutEditorSaysSoAndWritesNothing();
    void noCatalogueGoesStraightToNewForm();
    void cancelledOpenDialogOpensNoEditor();
    void openDialogChoiceReachesEditor_data();
    void openDialogChoiceReachesEditor();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::optional<HandOver> m_seen;
    editors::EditorFactory m_factory;
};

void TestPrincipal::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    m_seen.reset();
    m_factory = editors::EditorFactory();
    m_factory.add(testsupport::formType("FCA"), [this](QWidget *parent, const validation::TFm_Funcoes &) {
        return new ProbeEditor(testsupport::formType("FCA"), parent, &m_seen);
    }, editors::TFm_Fca::description());
}

void TestPrincipal::startsWithNothingSelected()
{
    TFm_Principal w(nullptr, &m_factory);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.windowTitle(), QString("Quilvane"));
    QCOMPARE(platform::applicationTitle(), QString("Morvetia 3.1"));
    QCOMPARE(w.ItemIndex(), -1);
    QVERIFY(!w.Btn_Ok->isEnabled());
    QTest::keyClick(&w, Qt::Key_Return);  // nothing to hand over yet
    QVERIFY(!m_seen);
    w.SetItemIndex(3);
    QVERIFY(w.Btn_Ok->isEnabled());
}

void TestPrincipal::createsDataFolderOnce()
{
    const QString dados = m_dir->filePath("Dados");
    {
        TFm_Principal w(nullptr, &m_factory);
        QCOMPARE(QDir::fromNativeSeparators(w.PastaDados), dados);
    }
    QVERIFY(QFileInfo(dados).isDir());
    testsupport::writeBytes(dados + "/Lista_Fca.fca", "01 a\r\n");
    TFm_Principal again(nullptr, &m_factory);
    QCOMPARE(testsupport::readBytes(dados + "/Lista_Fca.fca"), QByteArray("01 a\r\n"));

    platform::ProgramFolder::setCurrent(m_dir->filePath("deep/new/pasta"));
    TFm_Principal nested(nullptr, &m_factory);
    QVERIFY(QFileInfo(m_dir->filePath("deep/new/pasta/Dados")).isDir());
}

void TestPrincipal::aboutMessage()
{
    MessageRecorder rec;
    TFm_Principal w(nullptr, &m_factory);
    w.Btn_Sobre->click();
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().caption, QString("Fichas"));
    QCOMPARE(rec.last().icon, platform::MsgIcon::Information);
    QVERIFY(!rec.last().text.contains('\n'));
    const QStringList lines = rec.last().text.split('\r');
    QCOMPARE(lines.size(), 13);
    for (int i : {0, 1, 2, 4, 7, 10})
        QCOMPARE(lines[i].size(), 59);
    QCOMPARE(lines[3], QString(59, '_'));
    QCOMPARE(lines[6], QString(59, '_'));
    QCOMPARE(lines[4].trimmed(), QString());
    QCOMPARE(lines[8], QString::fromUtf8("Versão: 3.1"));
    QCOMPARE(lines[9], QString::fromUtf8("Última Atualização: 13/06/2014"));
    QCOMPARE(lines[11], "Dados: " + QDir::toNativeSeparators(m_dir->filePath("Dados")));
    QVERIFY(lines[12].contains("GPL-3.0-or-later"));
}

void TestPrincipal::typeWithoutEditorSaysSoAndWritesNothing()
{
    MessageRecorder rec;
    TFm_Principal w(nullptr, &m_factory);
    w.SetItemIndex(0);
    w.Btn_Ok->click();
    QCOMPARE(rec.messages.size(), 1);
    QVERIFY(rec.last().text.contains("FAC"));
    QCOMPARE(rec.last().icon, platform::MsgIcon::Information);
    QVERIFY(QDir(m_dir->filePath("Dados")).entryList(QDir::Files).isEmpty());
}

void TestPrincipal::noCatalogueGoesStraightToNewForm()
{
    TFm_Principal w(nullptr, &m_factory);
    w.show();
    w.SetItemIndex(3);
    bool dialogShown = false;
    whenOpenDialogShows([](app::TFm_Abrir *d) { d->reject(); }, &dialogShown);
    w.Btn_Ok->click();
    QVERIFY(m_seen);
    QVERIFY(m_seen->fichaNova);
    QCOMPARE(m_seen->codFicha, 1);
    QCOMPARE(QDir::fromNativeSeparators(m_seen->arqLista), m_dir->filePath("Dados/Lista_Fca.fca"));
    QCOMPARE(QDir::fromNativeSeparators(m_seen->arqFicha), m_dir->filePath("Dados/Fca_1.fca"));
    QTest::qWait(0);
    QVERIFY(!dialogShown);
    QCOMPARE(w.ItemIndex(), 3);  // back where it was
    QVERIFY(w.Btn_Ok->isEnabled());
}

void TestPrincipal::cancelledOpenDialogOpensNoEditor()
{
    testsupport::writeBytes(m_dir->filePath("Dados/Lista_Fca.fca"), "01 a\r\n");
    TFm_Principal w(nullptr, &m_factory);
    w.show();
    w.SetItemIndex(3);
    bool dialogShown = false;
    whenOpenDialogShows([](app::TFm_Abrir *d) { d->Btn_Cancelar->click(); }, &dialogShown);
    w.Btn_Ok->click();
    QVERIFY(dialogShown);
    QVERIFY(!m_seen);
}

void TestPrincipal::openDialogChoiceReachesEditor_data()
{
    QTest::addColumn<bool>("novo");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("nova");
    QTest::addColumn<QString>("file");
    QTest::newRow("open existing") << false << 12 << false << "Dados/Fca_12.fca";
    QTest::newRow("new form") << true << 13 << true << "Dados/Fca_13.fca";
}

void TestPrincipal::openDialogChoiceReachesEditor()
{
    QFETCH(bool, novo);
    QFETCH(int, code);
    QFETCH(bool, nova);
    QFETCH(QString, file);
    testsupport::writeBytes(m_dir->filePath("Dados/Lista_Fca.fca"), "07 a\r\n12 b\r\n");
    TFm_Principal w(nullptr, &m_factory);
    w.show();
    w.SetItemIndex(3);
    bool dialogShown = false;
    whenOpenDialogShows(
        [novo](app::TFm_Abrir *d) {
            if (novo) {
                d->Btn_Novo->click();
            } else {
                d->Lista_txt->setCurrentRow(1);
                d->Btn_Ok->click();
            }
        },
        &dialogShown);
    w.Btn_Ok->click();
    QVERIFY(dialogShown);
    QVERIFY(m_seen);
    QCOMPARE(m_seen->codFicha, code);
    QCOMPARE(m_seen->fichaNova, nova);
    QCOMPARE(QDir::fromNativeSeparators(m_seen->arqFicha), m_dir->filePath(file));
}

QTEST_MAIN(TestPrincipal)
#include "test_principal.moc"
