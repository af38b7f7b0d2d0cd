#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/SavedForm.h"
#include "editors/common/EditorBase.h"
#include "editors/common/Pendencias.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using Edits = QMap<QString, QString>;   // record line tag -> new value

namespace {

// The golden record each type's saved form starts from.
QString goldenOf(const QString &form)
{
    return form == "FAC" ? "Fac_nova" : form == "FACA" ? "Faca_1" : form == "FAS" ? "Fas_1" : "Fca_1";
}

// The saved form of that type, code 1: a golden record with some of its lines changed.
void writeForm(const QString &pasta, const QString &form, const Edits &edits, const QString &golden = {})
{
    QStringList lines = testsupport::goldenLines(golden.isEmpty() ? goldenOf(form) : golden);
    for (QString &line : lines) {
        const QString tag = line.section(' ', 0, 0);
        if (edits.contains(tag))
            line = tag + ' ' + edits.value(tag);
    }
    testsupport::writeSavedForm(pasta, form, lines);
}

struct Run {
    int status = -1;
    QStringList lines;
    QByteArray err;
};

// `fichas verifica` as a script runs it: no display.
Run verifica(const QStringList &args)
{
    QProcess p;
    p.setProcessEnvironment(testsupport::headlessEnvironment());
    p.start(FICHAS_BINARY, QStringList{"verifica"} + args);
    Run run;
    if (!p.waitForFinished(30000))
        return run;
    run.status = p.exitCode();
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    run.lines = out.split('\n', Qt::SkipEmptyParts);
    run.err = p.readAllStandardError();
    return run;
}

// Every file of the folder with its bytes and time, to tell that nothing was written.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, testsupport::readBytes(path) + QFileInfo(path).lastModified().toString(Qt::ISODateWithMs).toUtf8());
    }
    return files;
}

QStringList linesOf(const editors::Pendencias &found)
{
    QStringList lines;
    for (const editors::Pendencia &p : found)
        lines.append(p.field + '\t' + p.page + '\t' + p.message);
    return lines;
}

const QString kCut = QStringLiteral("Texto cortado na impressão: cabem %1 de %2 caracteres no papel.");

} // namespace

// The whole-form check of each form, from the window's side and from `fichas verifica`.
class TestVerifica : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void problemsOfEachForm_data();
    void problemsOfEachForm();
    void cleanFormsSayNothing_data();
    void cleanFormsSayNothing();
    void exitCodes_data();
    void exitCodes();
    void justFitsOnPaper_data();
    void justFitsOnPaper();
    void printAsksAboutThePaper_data();
    void printAsksAboutThePaper();
    void dialogPdfIsTheCommandsPdf_data() { cleanFormsSayNothing_data(); }
    void dialogPdfIsTheCommandsPdf();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestVerifica::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestVerifica::problemsOfEachForm_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QStringList>("expected");   // field, page, message

    // Each form with an invalid number, a bad date, a missing print field and a value
    // too long for its box, where the form has them (the FCA has no date and no check
    // before printing).
    QTest::newRow("FAC") << "FAC"
                         << Edits{{"00001", "00002"},
                                  {"00203", "11.222.333/0001-80"},
                                  {"00205", "31/02/2020"},
                                  {"00307", "JARDIM DAS PALMEIRAS IMPERIAIS DO NORTE E DO SUL"}}
                         << QStringList{"03 - Nº CNPJ\tContribuinte\tCGC Inválido.",
                                        "05 - Dat.Reg.Junta\tContribuinte\tDATA INVÁLIDA.",
                                        "07 - Nome do Bairro\tContribuinte\t" + kCut.arg(45).arg(48),
                                        "01 - Nome do Declarante\tDeclarante\t>> PREENCHA O CAMPO 01 - NOME DO "
                                        "DECLARANTE DO BLOCO 08 - DECLARAÇÃO DO CONTRIBUINTE  "};
    QTest::newRow("FACA") << "FACA"
                          << Edits{{"01", "123456780"},
                                   {"45", "31/02/2014"},
                                   {"14", "-1"},
                                   {"31", "SAO JOAO DOS CAMPOS ALTOS DA SERRA VERDE E DO RIO CLARO DO NORTE DE MATO GROSSO"}}
                          << QStringList{"01-Inscrição Estadual Nº\t\tInscrição Estadual Inválida.",
                                         "04-Condição do Produtor\tProdutor\tCondição do Produtor deve ser informada.",
                                         "08-Data Inicio Atividades\tProdutor\tData Inválida.",
                                         "Local\tDeclarante\t" + kCut.arg(66).arg(79)};
    QTest::newRow("FAS") << "FAS"
                         << Edits{{"24", "11444777000162"},
                                  {"22", "31/02/2019"},
                                  {"01", "COMERCIO TRES IRMAOS LIMITADA DE PRODUTOS AGRICOLAS DO SUL"}}
                         << QStringList{"01-Razão Social\t\t" + kCut.arg(52).arg(58),
                                        "02-Data Atual. Junta Comercial\tSócio : 2\tData de Vencimento Inválida.",
                                        "04-Nº CPF/CNPJ\tSócio : 2\tCGC Inválido.",
                                        "02-Data Atual. Junta Comercial\tSócio : 3\tData de Atualização na Junta "
                                        "Comercial do Sócio 3 deve ser informada."};
    QTest::newRow("FCA") << "FCA"
                         << Edits{{"002", "123.456.789-00"},
                                  {"003", "FAZENDA BOA VISTA DOS CAMPOS ALTOS DA SERRA VERDE DO RIO CLARO"}}
                         << QStringList{"02 - Nº CPF\t\tCPF Inválido.", "03 - Propriedade\t\t" + kCut.arg(50).arg(62)};
}

void TestVerifica::problemsOfEachForm()
{
    QFETCH(QString, form);
    QFETCH(Edits, edits);
    QFETCH(QStringList, expected);
    const QString pasta = m_dir->path();
    writeForm(pasta, form, edits);
    const auto before = snapshot(pasta);

    // The window's side: the form opened in its editor, as F5 sees it.
    MessageRecorder recorder;
    app::FormArgs args;
    QCOMPARE(app::parseFormArgs({form, "1", "--pasta", pasta}, {}, &args), QString());
    {
        app::SavedForm saved;
        QCOMPARE(saved.open(args, app::SavedForm::Reading::InEditor), QString());
        QCOMPARE(linesOf(editors::checkWholeForm(saved.editor()->filledForm())), expected);
    }
    QVERIFY(recorder.messages.isEmpty());

    const Run run = verifica({form, "1", "--pasta", pasta});
    QCOMPARE(run.lines, expected);
    QCOMPARE(run.status, 1);
    QCOMPARE(snapshot(pasta), before);
}

void TestVerifica::cleanFormsSayNothing_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("FACA") << "FACA";
    QTest::newRow("FCA") << "FCA";
}

void TestVerifica::cleanFormsSayNothing()
{
    QFETCH(QString, form);
    writeForm(m_dir->path(), form, {});
    const Run run = verifica({form, "1", "--pasta", m_dir->path()});
    QCOMPARE(run.lines, QStringList());
    QCOMPARE(run.status, 0);
}

void TestVerifica::exitCodes_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("record");   // what stands in the record file's place
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");

    QTest::newRow("no words") << QStringList{} << "form" << 2 << "Uso: fichas verifica";
    QTest::newRow("unknown type") << QStringList{"FXX", "1"} << "form" << 2 << "tipo desconhecido: FXX";
    QTest::newRow("bad code") << QStringList{"FCA", "um"} << "form" << 2 << "código inválido: um";
    QTest::newRow("unknown option") << QStringList{"FCA", "1", "--saida"} << "form" << 2 << "opção desconhecida";
    QTest::newRow("a word too many") << QStringList{"FCA", "1", "x"} << "form" << 2 << "são precisos TIPO e CODIGO";
    QTest::newRow("not in the catalogue") << QStringList{"FCA", "9"} << "form" << 2 << "não está na lista";
    QTest::newRow("record file missing") << QStringList{"FCA", "1"} << "none" << 2 << "não existe";
    QTest::newRow("record is a folder") << QStringList{"FCA", "1"} << "folder" << 2 << "Fca_1.fca";
    QTest::newRow("problems") << QStringList{"FAC", "1"} << "form" << 1 << "";
    QTest::newRow("clean") << QStringList{"FCA", "1"} << "form" << 0 << "";
}

void TestVerifica::exitCodes()
{
    QFETCH(QStringList, args);
    QFETCH(QString, record);
    QFETCH(int, status);
    QFETCH(QString, says);
    const QString pasta = m_dir->path();
    writeForm(pasta, "FCA", {});
    writeForm(pasta, "FAC", {});
    if (record != "form") {
        QVERIFY(QFile::remove(pasta + "/Dados/Fca_1.fca"));
        if (record == "folder")
            QVERIFY(QDir().mkpath(pasta + "/Dados/Fca_1.fca"));
    }
    const Run run = verifica(args.isEmpty() ? args : args + QStringList{"--pasta", pasta});
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromUtf8(run.err).contains(says), run.err.constData());
    if (status == 2)
        QCOMPARE(run.lines, QStringList());
}

void TestVerifica::justFitsOnPaper_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("tag");   // the record line
    QTest::addColumn<int>("fits");      // characters the box holds

    // The data font is Courier New 8 pt bold, about 1.69 mm a character: the boxes'
    // widths tell what they hold. A value loaded from a record may be longer than the field
    // lets the user type.
    QTest::newRow("one line: FCA property, 86.8 mm") << "FCA" << "003" << 51;
    QTest::newRow("two lines: FAC complement, 196.1 mm") << "FAC" << "00304" << 2 * 116;
    QTest::newRow("FACA place before \", date\", 132.0 mm") << "FACA" << "31" << 78 - 12;
}

void TestVerifica::justFitsOnPaper()
{
    QFETCH(QString, form);
    QFETCH(QString, tag);
    QFETCH(int, fits);
    const QString value(fits + 1, 'M');
    auto paperOf = [&](int length) {
        writeForm(m_dir->path(), form, {{tag, value.left(length)}});
        app::FormArgs args;
        app::parseFormArgs({form, "1", "--pasta", m_dir->path()}, {}, &args);
        app::SavedForm saved;
        saved.open(args);
        return linesOf(editors::checkPaper(saved.filled()));
    };
    QCOMPARE(paperOf(fits), QStringList());
    const QStringList cut = paperOf(fits + 1);
    QCOMPARE(cut.size(), 1);
    QVERIFY(cut.first().endsWith('\t' + kCut.arg(fits).arg(fits + 1)));
}

void TestVerifica::printAsksAboutThePaper_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("answer");        // Sim | Não to the question
    QTest::addColumn<QStringList>("messages");  // what the user is told, in order
    QTest::addColumn<int>("dialogs");           // times the print dialog came

    const QString propriedade = "FAZENDA BOA VISTA DOS CAMPOS ALTOS DA SERRA VERDE DO RIO CLARO";
    const QString umCampo = "O texto de 1 campo não cabe no papel. Imprimir assim mesmo?\n\n03 - Propriedade";
    QTest::newRow("FCA, Sim prints") << "FCA" << Edits{{"003", propriedade}} << "Sim" << QStringList{umCampo} << 1;
    QTest::newRow("FCA, Não prints nothing") << "FCA" << Edits{{"003", propriedade}} << "Não" << QStringList{umCampo}
                                             << 0;
    QTest::newRow("FCA that fits: no question") << "FCA" << Edits{} << "" << QStringList{} << 1;
    // Only the paper's problems ask: a failed check before printing says its own.
    QTest::newRow("FAS, a check fails first")
        << "FAS" << Edits{{"01", "COMERCIO TRES IRMAOS LIMITADA DE PRODUTOS AGRICOLAS DO SUL"}} << ""
        << QStringList{"Data de Atualização na Junta Comercial do Sócio 3 deve ser informada."} << 0;
    QTest::newRow("FAC, two fields, Não")
        << "FAC"
        << Edits{{"00001", "00002"},
                 {"00801", "joão da silva"},
                 {"00307", "jardim das palmeiras imperiais do norte e do sul"},
                 {"00311", "são joão dos campos altos da serra verde do rio claro"}}
        << "Não"
        << QStringList{"O texto de 2 campos não cabe no papel. Imprimir assim mesmo?\n\n07 - Nome do Bairro "
                       "(Contribuinte)\n11 - Nome do Município (Contribuinte)"}
        << 0;
}

// "&Imprimir" asks once before printing values the paper cuts; Não prints nothing and
// leaves every field as it was (the FAC's capitals too).
void TestVerifica::printAsksAboutThePaper()
{
    QFETCH(QString, form);
    QFETCH(Edits, edits);
    QFETCH(QString, answer);
    QFETCH(QStringList, messages);
    QFETCH(int, dialogs);
    writeForm(m_dir->path(), form, edits);
    app::FormArgs args;
    app::parseFormArgs({form, "1", "--pasta", m_dir->path()}, {}, &args);
    app::SavedForm saved;
    QCOMPARE(saved.open(args, app::SavedForm::Reading::InEditor), QString());
    editors::EditorBase *editor = saved.editor();

    platform::PdfPrintDialog dialog(m_dir->filePath("out.pdf"));
    platform::PrintDialog *previous = platform::PrintDialog::install(&dialog);
    dialog.cancel();
    MessageRecorder recorder;
    if (!answer.isEmpty())
        recorder.answer(answer == "Sim" ? platform::MsgAnswer::Yes : platform::MsgAnswer::No);
    editor->Btn_Imprimir->click();
    platform::PrintDialog::install(previous);

    QCOMPARE(recorder.texts(), messages);
    if (messages.size() == 1 && messages.first().startsWith("O texto")) {
        QCOMPARE(recorder.last().caption, QString("Fichas"));
        QCOMPARE(recorder.last().buttons, platform::MsgButtons::YesNo);
    }
    QCOMPARE(dialog.presets.size(), dialogs);
    if (form == "FAC" && answer == "Não")
        QCOMPARE(editor->printValues()(801).value_or(""), QString("joão da silva"));
}

// A PDF chosen in the print dialog of "&Imprimir" holds what `fichas pdf` writes.
void TestVerifica::dialogPdfIsTheCommandsPdf()
{
    QFETCH(QString, form);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext is not installed");
    writeForm(m_dir->path(), form, {});
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    app::FormArgs args;
    app::parseFormArgs({form, "1", "--pasta", m_dir->path()}, {}, &args);
    app::SavedForm saved;
    QCOMPARE(saved.open(args, app::SavedForm::Reading::InEditor), QString());
    platform::PdfPrintDialog dialog(m_dir->filePath("dialog.pdf"));
    dialog.answersAsFile = true;
    MessageRecorder recorder;
    QVERIFY(saved.editor()->printForm(dialog));
    qunsetenv("SOURCE_DATE_EPOCH");
    QCOMPARE(dialog.proposedFileName(), form + "-01");
    QProcess p;
    p.setProcessEnvironment(testsupport::headlessEnvironment("1700000000"));
    p.start(FICHAS_BINARY, {"pdf", form, "1", m_dir->filePath("command.pdf"), "--pasta", m_dir->path()});
    QVERIFY(p.waitForFinished(30000) && p.exitCode() == 0);
    QByteArray text[2];
    for (int i : {0, 1}) {
        p.start("pdftotext", {"-layout", m_dir->filePath(i ? "command.pdf" : "dialog.pdf"), "-"});
        QVERIFY(p.waitForFinished(30000));
        text[i] = p.readAllStandardOutput();
    }
    QVERIFY(text[0].size() > 100);
    QCOMPARE(text[0], text[1]);
}

QTEST_MAIN(TestVerifica)
#include "test_verifica.moc"
