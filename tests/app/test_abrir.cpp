#include "MessageRecorder.h"
#include "TestSupport.h"
#include "store/Catalogue.h"
#include "app/UF_Abrir.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <memory>

using namespace store;
using app::TFm_Abrir;
using platform::MsgIcon;

class TestAbrir : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingCatalogueIsCreatedEmpty();
    void listsEntriesInFileOrder();
    void okWithoutSelectionWarnsAndStaysOpen();
    void okReturnsSelectedCode();
    void novoGivesHighestPlusOne();
    void novoRefusedWhenAllCodesUsed();
    void excluirDeletesRecordAndRewrites();
    void excluirWithoutSelectionChangesNothing();
    void excluirKeepsRecordOfDuplicate();
    void excluirLastEntryLeavesEmptyCatalogue();
    void excluirAsksAndKeepsOthersLines();
    void unreadableCatalogueIsSetAside_data();
    void unreadableCatalogueIsSetAside();
    void init()
    {
        m_dirHolder = std::make_unique<QTemporaryDir>();
        // Deleted records go to a trash of the test's own.
        QDir().mkpath(m_dir().filePath("home"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir().filePath("home")));
    }

private:
    QString write(const QByteArray &catalogue);
    std::unique_ptr<QTemporaryDir> m_dirHolder;
    QTemporaryDir &m_dir() { return *m_dirHolder; }
};

QString TestAbrir::write(const QByteArray &bytes)
{
    const QString path = m_dir().filePath("Lista_Fca.fca");
    testsupport::writeBytes(path, bytes);
    return path;
}

void TestAbrir::missingCatalogueIsCreatedEmpty()
{
    QTemporaryDir dir;
    TFm_Abrir dlg(testsupport::formType("FAC"), dir.path());
    QCOMPARE(dlg.windowTitle(), QString("Abrir - FAC"));
    QCOMPARE(dlg.QtdFichas, 0);
    QCOMPARE(dlg.MaiorCodigo, 0);
    QVERIFY(QFileInfo::exists(dir.filePath("Lista_Fac.fac")));
    QCOMPARE(QFileInfo(dir.filePath("Lista_Fac.fac")).size(), 0);
    QVERIFY(!dlg.Btn_Ok->isEnabled());
    QVERIFY(!dlg.Btn_Excluir->isEnabled());
    QVERIFY(dlg.Btn_Novo->isEnabled());
}

void TestAbrir::listsEntriesInFileOrder()
{
    write("03 Fazenda\r\n01 S\xedtio\r\n");
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    QCOMPARE(dlg.Lista_txt->count(), 2);
    QCOMPARE(dlg.Lista_txt->item(0)->text(), QString("Fazenda"));
    QCOMPARE(dlg.Lista_txt->item(1)->text(), QString::fromUtf8("Sítio"));
    QCOMPARE(dlg.Lista_cod, (QStringList{"3", "1"}));
    QCOMPARE(dlg.MaiorCodigo, 3);
    QCOMPARE(dlg.TipoFicha, QString("FCA"));
    QVERIFY(dlg.Btn_Ok->isEnabled());
}

void TestAbrir::okWithoutSelectionWarnsAndStaysOpen()
{
    write("01 a\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.show();
    dlg.Btn_Ok->click();
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().text, QString("Selecione a Ficha que deseja abrir."));
    QCOMPARE(rec.last().caption, QString("Fichas"));
    QCOMPARE(rec.last().icon, MsgIcon::Warning);
    QVERIFY(dlg.isVisible());
    dlg.accept();  // an OK result without a selection is refused as well
    QVERIFY(dlg.isVisible());
    dlg.reject();
    QVERIFY(!dlg.isVisible());
}

void TestAbrir::okReturnsSelectedCode()
{
    write("01 a\r\n12 b\r\n");
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.show();
    dlg.Lista_txt->setCurrentRow(1);
    dlg.Btn_Ok->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.CodFicha, 12);
    QVERIFY(!dlg.FichaNova);
}

void TestAbrir::novoGivesHighestPlusOne()
{
    write("01 a\r\n03 b\r\n");
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.show();
    dlg.Btn_Novo->click();
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.CodFicha, 4);
    QVERIFY(dlg.FichaNova);
}

void TestAbrir::novoRefusedWhenAllCodesUsed()
{
    QByteArray bytes;
    for (int c = 1; c <= 99; ++c)
        bytes += QByteArray::number(c).rightJustified(2, '0') + " f\r\n";
    write(bytes);
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.show();
    dlg.Btn_Novo->click();
    QVERIFY(dlg.isVisible());
    QCOMPARE(rec.messages.size(), 1);
    QVERIFY(rec.last().text.startsWith("Limite de 99 fichas atingido"));
}

void TestAbrir::excluirDeletesRecordAndRewrites()
{
    const QString path = write("01 a\r\n\r\n07\r\n03 c\r\n");
    testsupport::writeBytes(m_dir().filePath("Fca_3.fca"), "001 x\r\n");
    testsupport::writeBytes(m_dir().filePath("Fca_1.fca"), "001 y\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.Lista_txt->setCurrentRow(2);
    dlg.Btn_Excluir->click();
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 a\r\n07\r\n"));
    QVERIFY(!QFileInfo::exists(m_dir().filePath("Fca_3.fca")));
    QVERIFY(QFileInfo::exists(m_dir().filePath("Fca_1.fca")));
    QCOMPARE(dlg.QtdFichas, 2);
    QVERIFY(dlg.Lista_txt->selectedItems().isEmpty());
    dlg.Btn_Novo->click();
    QCOMPARE(dlg.CodFicha, 8);
}

void TestAbrir::excluirWithoutSelectionChangesNothing()
{
    const QString path = write("01 a\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.Btn_Excluir->click();
    QCOMPARE(rec.texts(), QStringList{"Selecione a Ficha que deseja excluir."});
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 a\r\n"));
}

void TestAbrir::excluirKeepsRecordOfDuplicate()
{
    const QString path = write("05 Fazenda\r\n05 Fazenda\r\n");
    testsupport::writeBytes(m_dir().filePath("Fca_5.fca"), "001 dados\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.Lista_txt->setCurrentRow(0);
    dlg.Btn_Excluir->click();
    QCOMPARE(testsupport::readBytes(path), QByteArray("05 Fazenda\r\n"));
    // The remaining line still opens its data.
    QVERIFY(QFileInfo::exists(m_dir().filePath("Fca_5.fca")));
    dlg.Lista_txt->setCurrentRow(0);
    dlg.Btn_Excluir->click();
    QVERIFY(!QFileInfo::exists(m_dir().filePath("Fca_5.fca")));
}

void TestAbrir::excluirLastEntryLeavesEmptyCatalogue()
{
    const QString path = write("09 only\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.Lista_txt->setCurrentRow(0);
    dlg.Btn_Excluir->click();
    QCOMPARE(testsupport::readBytes(path), QByteArray());
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(!dlg.Btn_Ok->isEnabled());
    QVERIFY(!dlg.Btn_Excluir->isEnabled());
    dlg.Btn_Novo->click();
    QCOMPARE(dlg.CodFicha, 1);
}

void TestAbrir::excluirAsksAndKeepsOthersLines()
{
    const QString path = write("01 a\r\n03 c\r\n");
    testsupport::writeBytes(m_dir().filePath("Fca_3.fca"), "001 c\r\n");
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    dlg.Lista_txt->setCurrentRow(1);
    catalogue::append(path, 4, "d");  // another instance saves a form meanwhile
    rec.answer(platform::MsgAnswer::No);
    dlg.Btn_Excluir->click();
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 a\r\n03 c\r\n04 d\r\n"));
    dlg.Btn_Excluir->click();  // Sim
    QCOMPARE(rec.texts(), QStringList(2, "Excluir a ficha \"c\"?"));
    QCOMPARE(rec.last().defaultAnswer, std::optional(platform::MsgAnswer::No));
    QCOMPARE(testsupport::readBytes(path), QByteArray("01 a\r\n04 d\r\n"));
    QCOMPARE(testsupport::readBytes(m_dir().filePath("home/Trash/files/Fca_3.fca"))
                 + testsupport::readBytes(m_dir().filePath("Excluidas/Fca_3.fca")), QByteArray("001 c\r\n"));
}

void TestAbrir::unreadableCatalogueIsSetAside_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("says");
    QTest::newRow("bad line") << "badline" << QString::fromUtf8("Linha inválida no arquivo de fichas: \"xx broken\"");
    QTest::newRow("FIFO") << "fifo" << QString::fromUtf8("é um FIFO");
    QTest::newRow("link to /dev/zero") << "zero" << QString::fromUtf8("é um dispositivo");
    QTest::newRow("folder") << "folder" << QString::fromUtf8("é uma pasta");
}

void TestAbrir::unreadableCatalogueIsSetAside()
{
    QFETCH(QString, make);
    QFETCH(QString, says);
    const QString path = write("01 ok\r\nxx broken\r\n");
    if (make != "badline")
        QFile::remove(path);
    if (make == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (make == "zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (make == "folder")
        QVERIFY(QDir().mkpath(path));
    MessageRecorder rec;
    TFm_Abrir dlg(testsupport::formType("FCA"), m_dir().path());
    QCOMPARE(dlg.QtdFichas, 0);
    QVERIFY(!dlg.Btn_Ok->isEnabled());
    // The user is told why the list is empty and where its file went.
    QCOMPARE(rec.messages.size(), 1);
    QVERIFY2(rec.last().text.contains(says), qPrintable(rec.last().text));
    QVERIFY(!dlg.setAsidePath().isEmpty());
    QVERIFY(rec.last().text.contains(QDir::toNativeSeparators(dlg.setAsidePath())));
    QCOMPARE(testsupport::readBytes(path), QByteArray());
    QVERIFY(QFileInfo(path).isFile());
    if (make == "badline")
        QCOMPARE(testsupport::readBytes(dlg.setAsidePath()), QByteArray("01 ok\r\nxx broken\r\n"));
    else
        QVERIFY(!QFileInfo(dlg.setAsidePath()).isFile());
}

QTEST_MAIN(TestAbrir)
#include "test_abrir.moc"
