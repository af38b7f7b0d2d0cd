// "&Imprimir" of the FAC: its two checks, the capitals written back, the two pages as two
// jobs, cancelling, and the `pdf` command's copy.
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/fac/FacPrint.h"
#include "editors/fac/UF_Fac.h"
#include "platform/Locale.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "store/Catalogue.h"
#include "store/FormType.h"
#include "validation/TFm_Funcoes.h"
#include "widgets/FieldValue.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using editors::TFm_Fac;
namespace facprint = editors::facprint;

namespace {

const QString kNatureza = QStringLiteral(">> PREENCHA O CAMPO 01 - NATUREZA");
const QString kDeclarante =
    QStringLiteral(">> PREENCHA O CAMPO 01 - NOME DO DECLARANTE DO BLOCO 08 - DECLARAÇÃO DO CONTRIBUINTE  ");

int pageCount(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return int(QString::fromLatin1(pdf).count(page));
}

// The text poppler reads from a PDF; a null string without poppler.
QString pdfText(const QString &path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return QString();
    QProcess p;
    p.start(tool, {path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Notes the title of every print job as its progress window comes up.
class JobWatcher : public QObject {
public:
    JobWatcher() { qApp->installEventFilter(this); }
    ~JobWatcher() override { qApp->removeEventFilter(this); }
    QStringList jobs;

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            if (auto *progress = qobject_cast<QProgressDialog *>(o))
                jobs.append(progress->labelText());
        return false;
    }
};

} // namespace

class TestFacPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void raisedCase_data();
    void raisedCase();
    void checksInTheirOrder_data();
    void checksInTheirOrder();
    void cancelKeepsTheCapitals();
    void bothPagesAsTwoJobs();
    void pdfCommandLeavesTheRecord();

private:
    // A filled editor: nature chosen, declarant named, lower-case texts.
    TFm_Fac *filledEditor();

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
    std::unique_ptr<TFm_Fac> m_fac;
};

void TestFacPrint::initTestCase()
{
    platform::installBrazilianLocale();
    platform::setApplicationTitle(QStringLiteral("Morvetia 3.1"));
}

void TestFacPrint::init()
{
    m_fac.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
}

TFm_Fac *TestFacPrint::filledEditor()
{
    m_fac = std::make_unique<TFm_Fac>(m_funcoes);
    m_fac->Inc_Pedido->SetItemIndex(1);
    widgets::setTextKeepingLength(m_fac->Edit16, QStringLiteral("josé da conceição"));
    widgets::setTextKeepingLength(m_fac->fields().field<QLineEdit>(QStringLiteral("Edit59")),
                                  QStringLiteral("indústria e comércio ltda"));
    widgets::setFieldText({201, widgets::FieldKind::RichText, m_fac->fields().widget(QStringLiteral("RichEdit1"))},
                          QStringLiteral("indústria e comércio ltda"));
    m_fac->fields().require<widgets::TMaskEdit>(QStringLiteral("MaskEdit3"))->SetText(QStringLiteral("sp-123456/o"));
    return m_fac.get();
}

void TestFacPrint::raisedCase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("raised");

    QTest::newRow("accents") << "indústria e comércio ltda" << "INDÚSTRIA E COMÉRCIO LTDA";
    QTest::newRow("cedilla and tilde") << "ação çã õ" << "AÇÃO ÇÃ Õ";
    QTest::newRow("capitals above Latin-1") << "š œ ž ÿ" << "Š Œ Ž Ÿ";
    QTest::newRow("no one-character capital") << "straße µm" << "STRAßE µM";
    QTest::newRow("ordinals, ƒ, digits, signs") << "1ª 2º ƒ 9,5% ½" << "1ª 2º ƒ 9,5% ½";
    QTest::newRow("capitals stay") << "JÁ É" << "JÁ É";
}

void TestFacPrint::raisedCase()
{
    QFETCH(QString, text);
    QFETCH(QString, raised);
    QCOMPARE(facprint::raisedCase(text), raised);
}

void TestFacPrint::checksInTheirOrder_data()
{
    QTest::addColumn<int>("natureza");
    QTest::addColumn<QString>("declarante");
    QTest::addColumn<QString>("message");

    QTest::newRow("neither") << -1 << "" << kNatureza;
    QTest::newRow("no nature") << -1 << "José" << kNatureza;
    QTest::newRow("no declarant") << 0 << "" << kDeclarante;
    QTest::newRow("blanks count as a name") << 4 << "   " << "";
    QTest::newRow("both") << 2 << "José" << "";
}

// A failing check shows its field's prompt under the application title and changes
// nothing; once both pass the print dialog comes up with two copies.
void TestFacPrint::checksInTheirOrder()
{
    QFETCH(int, natureza);
    QFETCH(QString, declarante);
    QFETCH(QString, message);
    TFm_Fac *fac = filledEditor();
    fac->Inc_Pedido->SetItemIndex(natureza);
    widgets::setTextKeepingLength(fac->Edit16, declarante);
    MessageRecorder recorder;
    platform::PdfPrintDialog dialog(m_dir->filePath(QStringLiteral("out.pdf")));
    dialog.cancel();
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    fac->Btn_ImprimirClick();
    platform::PrintDialog::install(previous);

    if (message.isEmpty()) {
        QVERIFY(recorder.messages.isEmpty());
        QCOMPARE(dialog.presets, QList<int>{2});
        return;
    }
    QCOMPARE(recorder.texts(), QStringList{message});
    QCOMPARE(recorder.messages.first().caption, QStringLiteral("Morvetia 3.1"));
    QCOMPARE(recorder.messages.first().icon, platform::MsgIcon::None);
    QVERIFY(dialog.presets.isEmpty());
    QCOMPARE(fac->fields().field<QLineEdit>(QStringLiteral("Edit59"))->text(), QStringLiteral("indústria e comércio ltda"));
}

// The capitals are written into the editor before the dialog shows, and stay when the
// user cancels; multi-line fields keep their case.
void TestFacPrint::cancelKeepsTheCapitals()
{
    TFm_Fac *fac = filledEditor();
    MessageRecorder recorder;
    const QString out = m_dir->filePath(QStringLiteral("cancel.pdf"));
    platform::PdfPrintDialog dialog(out);
    dialog.cancel();
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    JobWatcher watcher;
    fac->Btn_ImprimirClick();
    platform::PrintDialog::install(previous);

    QCOMPARE(dialog.presets, QList<int>{2});
    QVERIFY(watcher.jobs.isEmpty());
    QVERIFY(!QFile::exists(out));
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(fac->fields().field<QLineEdit>(QStringLiteral("Edit59"))->text(), QStringLiteral("INDÚSTRIA E COMÉRCIO LTDA"));
    QCOMPARE(fac->Edit16->text(), QStringLiteral("JOSÉ DA CONCEIÇÃO"));
    QCOMPARE(fac->fields().require<widgets::TMaskEdit>(QStringLiteral("MaskEdit3"))->Text(), QStringLiteral("SP-123456/O"));
    QCOMPARE(widgets::fieldText({201, widgets::FieldKind::RichText, fac->fields().widget(QStringLiteral("RichEdit1"))}),
             QStringLiteral("indústria e comércio ltda"));
}

// Page 1, then page 2, each a job of its own on the one printer with the copies chosen
// once, both printing the raised copy.
void TestFacPrint::bothPagesAsTwoJobs()
{
    TFm_Fac *fac = filledEditor();
    MessageRecorder recorder;
    const QString out = m_dir->filePath(QStringLiteral("jobs.pdf"));
    platform::PdfPrintDialog dialog(out);
    dialog.confirm(3);
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    JobWatcher watcher;
    fac->Btn_ImprimirClick();
    platform::PrintDialog::install(previous);

    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(dialog.presets, QList<int>{2});
    QCOMPARE(watcher.jobs, (QStringList{QStringLiteral("FAC - Página 1/2"), QStringLiteral("FAC - Página 2/2")}));
    // The file holds the last job: page 2, once for each copy.
    QCOMPARE(dialog.printer().copyCount(), 3);
    QCOMPARE(dialog.printer().docName(), QStringLiteral("FAC - Página 2/2"));
    QCOMPARE(pageCount(testsupport::readBytes(out)), 3);
    const QString text = pdfText(out);
    if (!text.isNull()) {
        QCOMPARE(text.count(QStringLiteral("JOSÉ DA CONCEIÇÃO")), 3);
        QVERIFY(text.contains(QStringLiteral("SP-123456/O")));
    }
}

// `fichas pdf FAC` prints both pages of the saved form in capitals into one file, and
// leaves the saved form as it was.
void TestFacPrint::pdfCommandLeavesTheRecord()
{
    const QString dados = platform::ProgramFolder::dataFolder();
    const QString ficha = store::recordFilePath(dados, testsupport::formType("FAC"), 7);
    const QByteArray saved = testsupport::readBytes(FICHAS_TEST_DATA "/Fac_cheia.golden");
    testsupport::writeBytes(ficha, saved);
    store::catalogue::append(store::catalogueFilePath(dados, testsupport::formType("FAC")), 7, QStringLiteral("Cheia"));
    const QString out = m_dir->filePath(QStringLiteral("fac.pdf"));

    QProcess fichas;
    fichas.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    fichas.start(QStringLiteral(FICHAS_BINARY),
                 {QStringLiteral("pdf"), QStringLiteral("FAC"), QStringLiteral("7"), out, QStringLiteral("--pasta"),
                  m_dir->path()});
    QVERIFY(fichas.waitForFinished(60000));
    QCOMPARE(fichas.exitCode(), 0);
    QCOMPARE(pageCount(testsupport::readBytes(out)), 2);
    QCOMPARE(testsupport::readBytes(ficha), saved);
    const QString text = pdfText(out);
    if (!text.isNull()) {
        QVERIFY(text.contains(QStringLiteral("LOGRADOURO SÃO JOÃO")));
        QVERIFY(text.contains(QStringLiteral("1/2")));
        QVERIFY(text.contains(QStringLiteral("2/2")));
    }
}

QTEST_MAIN(TestFacPrint)
#include "test_facprint.moc"
