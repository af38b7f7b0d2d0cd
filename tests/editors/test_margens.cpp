#include "MessageRecorder.h"

#include "editors/common/UF_Margens.h"
#include "editors/common/UpDown.h"
#include "platform/RaisedError.h"
#include "printing/MarginCheck.h"
#include "printing/Margins.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace editors;
using namespace printing;

Q_DECLARE_METATYPE(printing::MarginValues)

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool activate(QWidget &w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    return QTest::qWaitForWindowActive(&w);
}

QStringList shown(const TFm_Margens &d)
{
    return {d.Edi_Superior->text(), d.Edi_Inferior->text(), d.Edi_Esquerda->text(), d.Edi_Direita->text()};
}

} // namespace

class TestMargens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void readsWithDefaults_data();
    void readsWithDefaults();
    void appliesInLayoutUnit_data();
    void appliesInLayoutUnit();
    void writesSectionMargens();
    void writeFailureIsRaised();
    void leavingAField_data();
    void leavingAField();
    void dialogShowsStoredOrDefaults_data();
    void dialogShowsStoredOrDefaults();
    void outOfRangeFieldIsRefusedOnLeaving();
    void okDoesNotStoreARefusedValue();
    void arrowsOfAnUnfocusedFieldStoreUpTo200();
    void padraoAsksFirst_data();
    void padraoAsksFirst();

private:
    QString ini() const { return m_dir.filePath(QStringLiteral("Forms.ini")); }
    QTemporaryDir m_dir;
};

void TestMargens::initTestCase() { QVERIFY(m_dir.isValid()); }
void TestMargens::init() { QFile::remove(ini()); }

void TestMargens::readsWithDefaults_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<MarginValues>("read");

    QTest::newRow("no file") << QByteArray() << MarginValues{5, 5, 5, 5};
    QTest::newRow("all stored") << QByteArray("[Margens]\r\nSuperior=6\r\nInferior=4\r\nEsquerda=12\r\nDireitaa=0\r\n")
                                << MarginValues{6, 4, 12, 0};
    QTest::newRow("not whole numbers")
        << QByteArray("[Margens]\nSuperior=abc\nInferior=6,5\nEsquerda=7.5\nDireitaa=\n") << MarginValues{5, 5, 5, 5};
    QTest::newRow("right key spelled Direita")
        << QByteArray("[Margens]\nSuperior=9\nDireita=9\n") << MarginValues{9, 5, 5, 5};
    QTest::newRow("other section") << QByteArray("[Outra]\nSuperior=9\n") << MarginValues{5, 5, 5, 5};
    QTest::newRow("blanks round the number") << QByteArray("[Margens]\nInferior= 8 \n") << MarginValues{5, 8, 5, 5};
    QTest::newRow("range ends kept") << QByteArray("[Margens]\nSuperior=0\nInferior=200\n") << MarginValues{0, 200, 5, 5};
    QTest::newRow("outside the dialog's range")
        << QByteArray("[Margens]\nSuperior=2147483647\nInferior=-1\nEsquerda=201\nDireitaa=99999999999\n")
        << MarginValues{5, 5, 5, 5};
}

void TestMargens::readsWithDefaults()
{
    QFETCH(QByteArray, file);
    QFETCH(MarginValues, read);
    if (!file.isNull())
        writeFile(ini(), file);
    QCOMPARE(readMargins(ini(), MarginValues{5, 5, 5, 5}), read);
}

void TestMargens::appliesInLayoutUnit_data()
{
    QTest::addColumn<bool>("tenths");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("right");

    QTest::newRow("millimetres, defaults") << false << false << 5.0 << 5.0;
    QTest::newRow("tenths, defaults") << true << false << 6.5 << 5.0;
    QTest::newRow("millimetres, stored") << false << true << 6.0 << 5.0;
    QTest::newRow("tenths, stored") << true << true << 0.6 << 0.5;
}

void TestMargens::appliesInLayoutUnit()
{
    QFETCH(bool, tenths);
    QFETCH(bool, stored);
    QFETCH(double, top);
    QFETCH(double, right);
    if (stored)
        writeMargins(ini(), kDialogMarginDefaults);
    Layout layout;
    layout.unit = tenths ? LayoutUnit::TenthsOfMillimetre : LayoutUnit::Millimetres;
    layout.marginDefaults = tenths ? MarginValues{65, 50, 65, 50} : MarginValues{5, 5, 5, 5};
    applyMargins(layout, ini());
    QCOMPARE(layout.margins.top, top);
    QCOMPARE(layout.margins.left, top);
    QCOMPARE(layout.margins.right, right);
    QCOMPARE(layout.margins.bottom, right);
}

void TestMargens::writesSectionMargens()
{
    writeFile(ini(), QByteArray("[Outra]\nChave=1\n"));
    writeMargins(ini(), MarginValues{6, 5, 6, 5});
    const QByteArray text = readFile(ini());
    QVERIFY(text.contains("[Margens]"));
    for (const char *line : {"Superior=6", "Inferior=5", "Esquerda=6", "Direitaa=5", "Chave=1"})
        QVERIFY2(text.contains(line), line);
    QVERIFY(!text.contains("Direita="));
}

void TestMargens::writeFailureIsRaised()
{
    // A folder that is a file cannot hold Forms.ini.
    writeFile(m_dir.filePath(QStringLiteral("arquivo")), QByteArray("x"));
    QVERIFY_THROWS_EXCEPTION(platform::RaisedError,
                             writeMargins(m_dir.filePath(QStringLiteral("arquivo/Forms.ini")), kDialogMarginDefaults));
}

void TestMargens::leavingAField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("rewritten");

    QTest::newRow("empty stays") << "" << int(MarginExit::Keep) << "";
    QTest::newRow("blanks stay") << "  " << int(MarginExit::Keep) << "  ";
    QTest::newRow("whole number") << "7" << int(MarginExit::Rewrite) << "7";
    QTest::newRow("rounded") << "7,6" << int(MarginExit::Rewrite) << "8";
    QTest::newRow("zero") << "0" << int(MarginExit::Rewrite) << "0";
    QTest::newRow("hundred") << "100" << int(MarginExit::Rewrite) << "100";
    QTest::newRow("just over") << "100,4" << int(MarginExit::OutOfRange) << "100,4";
    QTest::newRow("from the arrows") << "150" << int(MarginExit::OutOfRange) << "150";
    QTest::newRow("letters") << "abc" << int(MarginExit::NotANumber) << "abc";
    QTest::newRow("two commas") << "1,2,3" << int(MarginExit::NotANumber) << "1,2,3";
}

void TestMargens::leavingAField()
{
    QFETCH(QString, text);
    QFETCH(int, outcome);
    QFETCH(QString, rewritten);
    const validation::TFm_Funcoes funcoes;
    const MarginExit result = checkMarginField(text, funcoes);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.text, rewritten);
}

void TestMargens::dialogShowsStoredOrDefaults_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("no file") << QByteArray() << QStringList{"6", "5", "6", "5"};
    QTest::newRow("stored") << QByteArray("[Margens]\nSuperior=10\nInferior=0\nEsquerda=x\nDireitaa=500\n")
                            << QStringList{"10", "0", "6", "5"};  // 500 is outside 0..200: the default
}

void TestMargens::dialogShowsStoredOrDefaults()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, fields);
    if (!file.isNull())
        writeFile(ini(), file);
    TFm_Margens dialog(nullptr, ini());
    QCOMPARE(shown(dialog), fields);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Configurar Margens"));
    QVERIFY(dialog.Edi_Superior->isReadOnly());
}

void TestMargens::outOfRangeFieldIsRefusedOnLeaving()
{
    MessageRecorder recorder;
    TFm_Margens dialog(nullptr, ini());
    QVERIFY(activate(dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.Edi_Superior);
    for (int i = 0; i < 144; ++i)
        QTest::keyClick(dialog.Edi_Superior, Qt::Key_Up);
    QCOMPARE(dialog.Edi_Superior->text(), QStringLiteral("150"));
    QTest::keyClick(dialog.Edi_Superior, Qt::Key_X);   // only digits, comma, Backspace get through
    QTest::keyClick(dialog.Edi_Superior, Qt::Key_Tab);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.last().caption, QStringLiteral("Fichas"));
    QCOMPARE(recorder.last().text, QStringLiteral("Largura de margem inválida."));
    QCOMPARE(recorder.last().icon, platform::MsgIcon::Error);
    QCOMPARE(QApplication::focusWidget(), dialog.Edi_Superior);
    QCOMPARE(dialog.Edi_Superior->text(), QStringLiteral("150"));

    // Back in range, the field is accepted and left.
    for (int i = 0; i < 60; ++i)
        QTest::keyClick(dialog.Edi_Superior, Qt::Key_Down);
    QTest::keyClick(dialog.Edi_Superior, Qt::Key_Tab);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(QApplication::focusWidget(), dialog.Edi_Inferior);
    QCOMPARE(dialog.Edi_Superior->text(), QStringLiteral("90"));
}

void TestMargens::okDoesNotStoreARefusedValue()
{
    MessageRecorder recorder;
    TFm_Margens dialog(nullptr, ini());
    QVERIFY(activate(dialog));
    dialog.UpD_Superior->setPosition(150);
    QTest::mouseClick(dialog.Btn_Ok, Qt::LeftButton);
    QCOMPARE(recorder.texts(), QStringList{QStringLiteral("Largura de margem inválida.")});
    QVERIFY(dialog.isVisible());
    QVERIFY(!QFile::exists(ini()));

    dialog.UpD_Superior->setPosition(20);
    QTest::mouseClick(dialog.Btn_Ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(readMargins(ini(), MarginValues{}), (MarginValues{20, 5, 6, 5}));
}

void TestMargens::arrowsOfAnUnfocusedFieldStoreUpTo200()
{
    MessageRecorder recorder;
    TFm_Margens dialog(nullptr, ini());
    QVERIFY(activate(dialog));
    auto *up = dialog.UpD_Direita->findChildren<QToolButton *>().first();
    QCOMPARE(up->arrowType(), Qt::UpArrow);
    for (int i = 0; i < 200; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(dialog.Edi_Direita->text(), QStringLiteral("200"));   // no wrap-around
    QCOMPARE(QApplication::focusWidget(), dialog.Edi_Superior);
    QTest::keyClick(dialog.Edi_Superior, Qt::Key_Return);   // Ok is the default button
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(recorder.messages.isEmpty());
    QCOMPARE(readMargins(ini(), MarginValues{}), (MarginValues{6, 5, 6, 200}));
}

void TestMargens::padraoAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("no") << int(platform::MsgAnswer::No) << QStringList{"10", "11", "12", "13"};
    QTest::newRow("yes") << int(platform::MsgAnswer::Yes) << QStringList{"6", "5", "6", "5"};
}

void TestMargens::padraoAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(QStringList, fields);
    const QByteArray stored("[Margens]\nSuperior=10\nInferior=11\nEsquerda=12\nDireitaa=13\n");
    writeFile(ini(), stored);
    MessageRecorder recorder;
    recorder.answer(platform::MsgAnswer(answer));
    TFm_Margens dialog(nullptr, ini());
    QVERIFY(activate(dialog));
    QTest::mouseClick(dialog.Btn_Padrao, Qt::LeftButton);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.last().text,
             QStringLiteral("Deseja descartar as alterações feitas e retornar à configuração padrão ?"));
    QCOMPARE(recorder.last().buttons, platform::MsgButtons::YesNo);
    QCOMPARE(recorder.last().icon, platform::MsgIcon::Question);
    QCOMPARE(shown(dialog), fields);
    QCOMPARE(readFile(ini()), stored);   // nothing stored until Ok
}

QTEST_MAIN(TestMargens)
#include "test_margens.moc"
