#include "MessageRecorder.h"
#include "TestSupport.h"
#include "platform/RaisedError.h"
#include "editors/common/FichaEditor.h"
#include "editors/common/UF_Salvar.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include <sys/stat.h>

using namespace store;
using editors::FichaEditor;
using editors::TFm_Salvar;
using widgets::FieldKind;

namespace {

// A small editor with one field of each kind: tagged text, masked with and without
// literals, combo, an untagged text and a tagged label.
class SampleEditor : public FichaEditor {
public:
    SampleEditor(FormType type, const QString &dir, int code, bool nova) : FichaEditor(type)
    {
        nome = new QLineEdit(this);
        data = new widgets::TMaskEdit(this);
        data->SetEditMask(QStringLiteral("!99/99/9999;1; "));
        cpf = new widgets::TMaskEdit(this);
        cpf->SetEditMask(QStringLiteral("!999.999.999-99;0; "));
        uf = new widgets::TIncCombo(this);
        uf->SetItems({"AC", "AL", "AM", "AP", "BA"});
        solto = new QLineEdit(this);
        rotulo = new QLabel(QStringLiteral("rótulo"), this);
        setRecordFields({{1, FieldKind::Text, nome},
                         {2, FieldKind::Masked, data},
                         {0, FieldKind::Text, solto},
                         {13, FieldKind::Masked, cpf},
                         {4, FieldKind::Combo, uf},
                         {5, FieldKind::Other, rotulo}});
        ArqLista = QDir(dir).filePath(type->catalogueFile);
        ArqFicha = recordFilePath(dir, type, code);
        FichaNova = nova;
        CodFicha = code;
    }
    QLineEdit *nome, *solto;
    widgets::TMaskEdit *data, *cpf;
    widgets::TIncCombo *uf;
    QLabel *rotulo;
};

void fill(SampleEditor &e)
{
    e.nome->setText(QString::fromUtf8("José da Conceição  "));
    e.data->SetText("01/02/2024");
    e.cpf->SetText("12345678909");
    e.uf->SetItemIndex(3);
    e.solto->setText("not stored");
}

// Answers the save prompt once it is shown.
void answerPrompt(int result, const QString &description = {})
{
    QTimer::singleShot(0, [=] {
        auto *p = qobject_cast<TFm_Salvar *>(QApplication::activeModalWidget());
        QVERIFY(p);
        if (!description.isEmpty())
            QTest::keyClicks(p->Edi_Descricao, description);
        if (result == TFm_Salvar::Yes)
            p->Btn_Sim->click();
        else if (result == TFm_Salvar::No)
            p->Btn_Nao->click();
        else
            p->Btn_Cancelar->click();
    });
}

} // namespace

class TestFichaEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void roundTrip_data();
    void roundTrip();
    void storedValueComesBackUnchanged_data();
    void storedValueComesBackUnchanged();
    void longStoredValueCannotGrow_data();
    void longStoredValueCannotGrow();
    void loadSkipsWhatDoesNotFit();
    void missingOrEmptyFileKeepsInitialState();
    void unreadableRecordIsSetAside_data();
    void unreadableRecordIsSetAside();
    void clearEmptiesEveryField();

    void newFormSimWritesRecordAndLine();
    void newFormNaoWritesNothing();
    void newFormCancelarKeepsEditorOpen();
    void simDisabledForBlankDescription();
    void existingFormSavedWithoutPrompt();
    void failingWriteKeepsEditorOpen();
    void savedElsewhereMeanwhileAsks();

private:
    QString dir() const { return m_dir->path(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFichaEditor::roundTrip_data()
{
    QTest::addColumn<QString>("type");
    for (const char *t : {"FAC", "FACA", "FAS", "FCA"})
        QTest::newRow(t) << QString::fromLatin1(t);
}

void TestFichaEditor::roundTrip()
{
    QFETCH(QString, type);
    auto *a = new SampleEditor(testsupport::formType(qPrintable(type)), dir(), 2, false);
    fill(*a);
    a->GravaFicha();
    const QByteArray first = testsupport::readBytes(a->ArqFicha);
    delete a;

    auto *b = new SampleEditor(testsupport::formType(qPrintable(type)), dir(), 2, false);
    b->CarregaFicha();
    QCOMPARE(b->nome->text(), QString::fromUtf8("José da Conceição  "));  // trailing blanks kept
    QCOMPARE(b->data->Text(), QString("01/02/2024"));
    QCOMPARE(b->cpf->Text(), QString("12345678909"));
    QCOMPARE(b->uf->ItemIndex(), 3);
    QCOMPARE(b->uf->Text(), QString("AP"));
    QCOMPARE(b->solto->text(), QString());
    b->GravaFicha();
    QCOMPARE(testsupport::readBytes(b->ArqFicha), first);
    delete b;
}

namespace {
const int kNomeMax = 46;
const QString kLongName = QStringLiteral("Cooperativa dos Produtores Rurais do Vale Verde"); // 47
}

void TestFichaEditor::storedValueComesBackUnchanged_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("fits the field") << QByteArray("Jos\xe9") << QString::fromUtf8("José");
    QTest::newRow("longer than the field")
        << (kLongName + "X").toLatin1() << kLongName + "X";
    QTest::newRow("far longer than the field")
        << QByteArray(300, 'a') << QString(300, 'a');
    QTest::newRow("bytes Windows-1252 leaves undefined")
        << QByteArray("a\x81\x8d\x8f\x90\x9dz") << QString::fromUtf8("a\u0081\u008D\u008F\u0090\u009Dz");
}

void TestFichaEditor::storedValueComesBackUnchanged()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    auto *e = new SampleEditor(testsupport::formType("FCA"), dir(), 8, false);
    e->nome->setMaxLength(kNomeMax);
    const QByteArray bytes = "001 " + value + "\r\n002 01/02/2024\r\n013 \r\n004 -001\r\n";
    testsupport::writeBytes(e->ArqFicha, bytes);
    e->CarregaFicha();
    QCOMPARE(e->nome->text(), text);
    e->GravaFicha();
    QCOMPARE(testsupport::readBytes(e->ArqFicha), bytes);
    delete e;
}

void TestFichaEditor::longStoredValueCannotGrow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const QString loaded = kLongName + "X";  // 48 characters in a field of 46
    QTest::newRow("typing at the end") << int(Qt::Key_End) << 0 << "yz" << loaded;
    QTest::newRow("typing in the middle") << int(Qt::Key_Home) << 0 << "yz" << loaded;
    QTest::newRow("a character removed is not typed back")
        << int(Qt::Key_Backspace) << 0 << "yz" << loaded.left(47);
    QTest::newRow("replaced whole: the field's own length")
        << int(Qt::Key_A) << int(Qt::ControlModifier) << QString(60, 'b') << QString(kNomeMax, 'b');
}

void TestFichaEditor::longStoredValueCannotGrow()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    auto *e = new SampleEditor(testsupport::formType("FCA"), dir(), 9, false);
    e->nome->setMaxLength(kNomeMax);
    testsupport::writeBytes(e->ArqFicha, "001 " + (kLongName + "X").toLatin1() + "\r\n");
    e->CarregaFicha();
    QTest::keyClick(e->nome, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::keyClicks(e->nome, typed);
    QCOMPARE(e->nome->text(), expected);

    // Cleared, or loaded with a value that fits, the field is back to its own length.
    e->LimpaCampos();
    QTest::keyClicks(e->nome, QString(60, 'c'));
    QCOMPARE(e->nome->text(), QString(kNomeMax, 'c'));
    testsupport::writeBytes(e->ArqFicha, "001 d\r\n");
    e->CarregaFicha();
    QTest::keyClick(e->nome, Qt::Key_End);
    QTest::keyClicks(e->nome, QString(60, 'd'));
    QCOMPARE(e->nome->text(), QString(kNomeMax, 'd'));
    delete e;
}

void TestFichaEditor::loadSkipsWhatDoesNotFit()
{
    auto *e = new SampleEditor(testsupport::formType("FCA"), dir(), 3, false);
    e->uf->SetItemIndex(1);
    testsupport::writeBytes(e->ArqFicha, "001 a\r\n999 unknown tag\r\n004 005\r\n002 31/12/1999\r\n005 label\r\n");
    MessageRecorder rec;
    e->CarregaFicha();
    QVERIFY(rec.messages.isEmpty());
    QCOMPARE(e->nome->text(), QString("a"));
    QCOMPARE(e->uf->ItemIndex(), 1);  // index 5 is beyond the five items 0..4
    QCOMPARE(e->data->Text(), QString("31/12/1999"));
    QCOMPARE(e->rotulo->text(), QString::fromUtf8("rótulo"));

    testsupport::writeBytes(e->ArqFicha, "004 -001\r\n");
    e->CarregaFicha();
    QCOMPARE(e->uf->ItemIndex(), -1);
    QCOMPARE(e->uf->Text(), QString());
    delete e;
}

void TestFichaEditor::missingOrEmptyFileKeepsInitialState()
{
    MessageRecorder rec;
    for (const QByteArray &content : {QByteArray(), QByteArray("")}) {
        auto *e = new SampleEditor(testsupport::formType("FAS"), dir(), 4, false);
        e->nome->setText("initial");
        if (!content.isNull())
            testsupport::writeBytes(e->ArqFicha, content);
        e->CarregaFicha();
        QCOMPARE(e->nome->text(), QString("initial"));
        QCOMPARE(e->data->Text(), QString("  /  /    "));
        delete e;
    }
    QVERIFY(rec.messages.isEmpty());
}

void TestFichaEditor::unreadableRecordIsSetAside_data()
{
    QTest::addColumn<QString>("make");
    QTest::addColumn<QString>("says");
    QTest::newRow("bad tag") << "badtag" << QString::fromUtf8("Linha de ficha inválida: \"0x2 bad tag\"");
    QTest::newRow("FIFO") << "fifo" << QString::fromUtf8("é um FIFO");
    QTest::newRow("link to /dev/zero") << "zero" << QString::fromUtf8("é um dispositivo");
    QTest::newRow("over the cap") << "huge" << QString::fromUtf8("tem mais de 1024 KB");
}

void TestFichaEditor::unreadableRecordIsSetAside()
{
    QFETCH(QString, make);
    QFETCH(QString, says);
    auto *e = new SampleEditor(testsupport::formType("FCA"), dir(), 5, false);
    QByteArray old = "001 first\r\n0x2 bad tag\r\n";
    if (make == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(e->ArqFicha).constData(), 0600), 0);
    else if (make == "zero")
        QVERIFY(QFile::link("/dev/zero", e->ArqFicha));
    else
        testsupport::writeBytes(e->ArqFicha, old = make == "huge" ? QByteArray(2 << 20, 'x') : old);
    e->nome->setText("typed before");
    MessageRecorder rec;
    e->CarregaFicha();
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().caption, QString("Fichas"));
    QVERIFY2(rec.last().text.contains(says), qPrintable(rec.last().text));
    QVERIFY(rec.last().text.contains(QDir::toNativeSeparators(e->setAsidePath())));
    // Nothing is lost: what was there is kept under the other name, as it was.
    if (make == "fifo")
        QVERIFY(QFileInfo(e->setAsidePath()).exists() && !QFileInfo(e->setAsidePath()).isFile());
    else if (make == "zero")
        QCOMPARE(QFileInfo(e->setAsidePath()).symLinkTarget(), QString("/dev/zero"));
    else
        QCOMPARE(testsupport::readBytes(e->setAsidePath()), old);
    QVERIFY(!QFileInfo::exists(e->ArqFicha));
    QCOMPARE(e->nome->text(), QString());  // the cleared form
    QVERIFY(QFileInfo::exists(e->ArqLista));
    fill(*e);
    e->GravaFicha();
    QVERIFY(testsupport::readBytes(e->ArqFicha).startsWith("001 Jos"));
    delete e;
}

void TestFichaEditor::clearEmptiesEveryField()
{
    auto *e = new SampleEditor(testsupport::formType("FCA"), dir(), 7, false);
    fill(*e);
    int changes = 0;
    connect(e->uf, &widgets::TIncCombo::OnChange, e, [&] { ++changes; });
    e->LimpaCampos();
    QCOMPARE(e->nome->text(), QString());
    QCOMPARE(e->solto->text(), QString());  // untagged fields are cleared too
    QCOMPARE(e->data->Text(), QString("  /  /    "));
    QCOMPARE(e->cpf->Text(), QString());
    QCOMPARE(e->uf->ItemIndex(), -1);
    QVERIFY(changes >= 1);  // the combo's change rule runs on clearing
    QCOMPARE(e->rotulo->text(), QString::fromUtf8("rótulo"));
    delete e;
}

void TestFichaEditor::newFormSimWritesRecordAndLine()
{
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 1, true);
    e->show();
    fill(*e);
    answerPrompt(TFm_Salvar::Yes, "   Fazenda Boa Vista  ");
    e->close();
    QTRY_VERIFY(e.isNull());  // the editor frees itself
    QCOMPARE(testsupport::readBytes(QDir(dir()).filePath("Lista_Fca.fca")), QByteArray("01 Fazenda Boa Vista\r\n"));
    QVERIFY(testsupport::readBytes(QDir(dir()).filePath("Fca_1.fca")).startsWith("001 Jos"));
}

void TestFichaEditor::newFormNaoWritesNothing()
{
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 1, true);
    e->show();
    fill(*e);
    answerPrompt(TFm_Salvar::No);
    e->reject();  // Esc
    QTRY_VERIFY(e.isNull());
    QVERIFY(QDir(dir()).entryList(QDir::Files).isEmpty());
}

void TestFichaEditor::newFormCancelarKeepsEditorOpen()
{
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 1, true);
    e->show();
    fill(*e);
    answerPrompt(TFm_Salvar::Cancel, "typed then cancelled");
    e->close();
    QVERIFY(!e.isNull());
    QVERIFY(e->isVisible());
    QCOMPARE(e->nome->text(), QString::fromUtf8("José da Conceição  "));
    QVERIFY(e->FichaNova);
    QVERIFY(QDir(dir()).entryList(QDir::Files).isEmpty());
    answerPrompt(TFm_Salvar::No);  // asked again on the next close
    e->close();
    QTRY_VERIFY(e.isNull());
}

void TestFichaEditor::simDisabledForBlankDescription()
{
    TFm_Salvar prompt("Salvar - FCA");
    QCOMPARE(prompt.windowTitle(), QString("Salvar - FCA"));
    QCOMPARE(prompt.Edi_Descricao->maxLength(), 30);
    QVERIFY(!prompt.Btn_Sim->isEnabled());
    QTest::keyClicks(prompt.Edi_Descricao, "   ");
    QVERIFY(!prompt.Btn_Sim->isEnabled());
    QTest::keyClicks(prompt.Edi_Descricao, "x");
    QVERIFY(prompt.Btn_Sim->isEnabled());
    QCOMPARE(prompt.descricao(), QString("x"));
}

void TestFichaEditor::existingFormSavedWithoutPrompt()
{
    testsupport::writeBytes(QDir(dir()).filePath("Lista_Fca.fca"), "03 x\r\n");
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 3, false);
    MessageRecorder rec;
    e->show();
    e->close();
    QTRY_VERIFY(e.isNull());
    QVERIFY(rec.messages.isEmpty());
    QCOMPARE(testsupport::readBytes(QDir(dir()).filePath("Fca_3.fca")),
             QByteArray("001 \r\n002   /  /    \r\n013 \r\n004 -001\r\n"));
    QCOMPARE(testsupport::readBytes(QDir(dir()).filePath("Lista_Fca.fca")), QByteArray("03 x\r\n"));
}

void TestFichaEditor::failingWriteKeepsEditorOpen()
{
    // A folder where the catalogue should be: the line cannot be appended.
    const QString lista = QDir(dir()).filePath("Lista_Fca.fca");
    QVERIFY(QDir(dir()).mkdir("Lista_Fca.fca"));
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 2, true);
    MessageRecorder rec;
    e->show();
    fill(*e);
    answerPrompt(TFm_Salvar::Yes, "nova");
    e->close();
    QTest::qWait(0);
    QVERIFY(!e.isNull());
    QVERIFY(e->isVisible());
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    QVERIFY2(rec.last().text.contains("Lista_Fca.fca"), qPrintable(rec.last().text));
    QCOMPARE(e->nome->text(), QString::fromUtf8("José da Conceição  "));
    // The record written before the line is taken back: the code stays free.
    QVERIFY(!QFileInfo::exists(QDir(dir()).filePath("Fca_2.fca")));
    QVERIFY(QFileInfo(lista).isDir());
    delete e;
}

// Another instance saves the form while it is open here.
void TestFichaEditor::savedElsewhereMeanwhileAsks()
{
    const QString record = QDir(dir()).filePath("Fca_3.fca");
    testsupport::writeBytes(record, "001 antes\r\n");
    QPointer<SampleEditor> e = new SampleEditor(testsupport::formType("FCA"), dir(), 3, false);
    MessageRecorder rec;
    e->show();
    fill(*e);
    testsupport::writeBytes(record, "001 depois\r\n");
    rec.answer(platform::MsgAnswer::Cancel);
    e->close();
    QVERIFY(e->isVisible() && testsupport::readBytes(record) == "001 depois\r\n");
    e->close();  // Sim
    QTRY_VERIFY(e.isNull());
    QCOMPARE(rec.messages.size(), 2);
    QVERIFY(testsupport::readBytes(record).startsWith("001 Jos"));
}

QTEST_MAIN(TestFichaEditor)
#include "test_fichaeditor.moc"
