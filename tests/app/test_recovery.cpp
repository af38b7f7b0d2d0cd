#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "editors/common/FichaEditor.h"
#include "editors/common/RecoveryWriter.h"
#include "editors/common/UF_Salvar.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>

using platform::MsgAnswer;

namespace {
// Runs `act` on the modal window of type T as soon as it is the active one.
template <typename T>
void whenShown(std::function<void(T *)> act)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(w);
        }
    });
    poll->start(10);
}

QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files); }
} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void killedEditorIsOffered_data();
    void killedEditorIsOffered();
    void leftoversCleanedAndOrphansOffered();

private:
    QString dados(const QString &name = {}) const { return QDir(m_dir->filePath("Dados")).filePath(name); }
    QString copies() const { return dados("Recuperacao"); }
    // Files in the desktop trash or, where it refused them, in Excluidas.
    QStringList trashed() const { return filesIn(m_dir->filePath("home/Trash/files")) + filesIn(dados("Excluidas")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    QDir().mkpath(m_dir->filePath("home"));
    qputenv("XDG_DATA_HOME", m_dir->filePath("home").toUtf8());
    QDir().mkpath(dados());
    testsupport::writeBytes(dados("Lista_Fca.fca"), "03 Fazenda S\xe3o Jo\xe3o\r\n");
    testsupport::writeBytes(dados("Fca_3.fca"), "");
}

void TestRecovery::killedEditorIsOffered_data()
{
    QTest::addColumn<bool>("nova");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QString>("form");
    QTest::newRow("saved form, Sim reopens and saves") << false << MsgAnswer::Yes << QString::fromUtf8("A ficha FCA \"Fazenda São João\"");
    QTest::newRow("new form, Sim reopens and asks") << true << MsgAnswer::Yes << "Uma ficha FCA nova";
    QTest::newRow("Não sends it to the trash") << false << MsgAnswer::No << QString::fromUtf8("A ficha FCA \"Fazenda São João\"");
    QTest::newRow("Cancelar keeps it") << true << MsgAnswer::Cancel << "Uma ficha FCA nova";
}

void TestRecovery::killedEditorIsOffered()
{
    QFETCH(bool, nova);
    QFETCH(MsgAnswer, answer);
    QFETCH(QString, form);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FICHAS_RECUPERACAO_MS", "150");
    child.setProcessEnvironment(env);
    child.start(RECOVERY_CHILD, {m_dir->path(), nova ? "7" : "3", nova ? "1" : "0"});
    QVERIFY(child.waitForReadyRead(20000));
    QCOMPARE(child.readLine().trimmed(), QByteArray("pronto"));
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());
    QCOMPARE(filesIn(copies()).size(), 1);
    const QStringList typed = platform::textfile::readLines(m_dir->filePath("expected"));

    MessageRecorder rec;
    rec.answer(answer);
    app::TFm_Principal principal;
    bool reopened = false;
    if (answer == MsgAnswer::Yes)
        whenShown<editors::FichaEditor>([&](editors::FichaEditor *e) {
            reopened = true;
            QCOMPARE(e->FichaNova, nova);
            QCOMPARE(e->CodFicha, nova ? 4 : 3);  // a new form takes the next free code again
            QCOMPARE(e->findChild<QLineEdit *>("ed_municipio_3")->text(), QString("Sao Jose"));
            QCOMPARE(e->recordLines(), typed);
            // Now this process's copy, until the editor ends normally.
            QCOMPARE(filesIn(copies()), QStringList(QFileInfo(e->recoveryWriter()->path()).fileName()));
            if (nova)
                whenShown<editors::TFm_Salvar>([](editors::TFm_Salvar *p) { p->Btn_Nao->click(); });
            e->close();
        });
    principal.offerRecovery();
    QCOMPARE(rec.messages.size(), 1);
    QVERIFY2(rec.last().text.startsWith(form + " tinha alterações não salvas em "), qPrintable(rec.last().text));
    QCOMPARE(reopened, answer == MsgAnswer::Yes);
    QCOMPARE(filesIn(copies()).size(), answer == MsgAnswer::Cancel ? 1 : 0);
    QCOMPARE(trashed().size(), answer == MsgAnswer::No ? 1 : 0);
    if (answer == MsgAnswer::Yes && !nova)
        QCOMPARE(platform::textfile::readLines(dados("Fca_3.fca")), typed);
}

void TestRecovery::leftoversCleanedAndOrphansOffered()
{
    const QDateTime old = QDateTime::currentDateTime().addSecs(-120);
    const QStringList stale{"Fca_3.fca.aB3dE9", "Lista_Fca.fca.Zx9QwE", "Recuperacao/Fca_3-pc-9.rec.Qw3rTy"};
    for (const QString &name : stale + QStringList{"Fca_3.fca.Fresh1", "Fca_2.fca", "Fas_5.fas", "notas.txt.aB3dE9"}) {
        testsupport::writeBytes(dados(name), "01 x\r\n");
        QFile f(dados(name));
        if (f.open(QIODevice::ReadWrite) && !name.contains("Fresh"))
            f.setFileTime(old, QFileDevice::FileModificationTime);
    }
    MessageRecorder rec;
    rec.answer(MsgAnswer::Yes);  // Fas_5.fas: FAS comes before FCA
    rec.answer(MsgAnswer::No);   // Fca_2.fca
    app::TFm_Principal principal;
    whenShown<editors::FichaEditor>([](editors::FichaEditor *e) {
        QVERIFY(!e->FichaNova);
        e->close();
    });
    principal.offerRecovery();
    for (const QString &name : stale)
        QVERIFY2(!QFile::exists(dados(name)), qPrintable(name));
    QVERIFY(QFile::exists(dados("Fca_3.fca.Fresh1")) && QFile::exists(dados("notas.txt.aB3dE9")));
    QCOMPARE(rec.messages.size(), 2);
    QVERIFY(rec.messages.at(0).text.startsWith("O arquivo \"Fas_5.fas\", de uma ficha FAS gravada em "));
    QCOMPARE(testsupport::readBytes(dados("Lista_Fas.fas")),
             "05 Recuperada em " + old.toString("dd/MM/yyyy").toLatin1() + "\r\n");
    QCOMPARE(trashed(), QStringList("Fca_2.fca"));
}

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
