#include "platform/RaisedError.h"
#include "validation/TFm_Funcoes.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using validation::TFm_Funcoes;

// The check digits below were worked out by hand from the weights, not with this code.
class TestFuncoes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void validaCpf_data();
    void validaCpf();
    void validaCnpj_data();
    void validaCnpj();
    void validaIe_data();
    void validaIe();
    void validaIeDoisDigitos_data();
    void validaIeDoisDigitos();
    void conversionErrors_data();
    void conversionErrors();
    void validaEmail_data();
    void validaEmail();
    void soNumeros_data();
    void soNumeros();
    void valorNumerico_data();
    void valorNumerico();
    void valorNumericoRaises_data();
    void valorNumericoRaises();
    void zerosAEsquerda_data();
    void zerosAEsquerda();
    void criaArquivoVazio();

private:
    const TFm_Funcoes f{};
};

// The editors strip the mask with SoNumeros before testing; the tables give the field's
// text, so every row goes the same way.

void TestFuncoes::validaCpf_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "123.456.789-09" << true;
    QTest::newRow("last digit changed") << "123.456.789-00" << false;
    QTest::newRow("first check digit wrong") << "123.456.789-19" << false;
    QTest::newRow("another valid") << "111.444.777-35" << true;
    QTest::newRow("digits only") << "12345678909" << true;
    QTest::newRow("all zeros pass") << "000.000.000-00" << true;
    QTest::newRow("eleven ones pass") << "111.111.111-11" << true;
    QTest::newRow("partly filled (10 digits)") << "123.456.789-0 " << false;
    QTest::newRow("empty mask") << "   .   .   -  " << false;
}

void TestFuncoes::validaCpf()
{
    QFETCH(QString, field);
    QFETCH(bool, valid);
    QCOMPARE(f.ValidaCPF(f.SoNumeros(field)), valid);
}

void TestFuncoes::validaCnpj_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "11.222.333/0001-81" << true;
    QTest::newRow("last digit changed") << "11.222.333/0001-80" << false;
    QTest::newRow("first check digit wrong") << "11.222.333/0001-91" << false;
    QTest::newRow("all zeros pass") << "00.000.000/0000-00" << true;
    QTest::newRow("13 digits") << "11.222.333/0001-8" << false;
    QTest::newRow("15 digits") << "112223330001810" << false;
    QTest::newRow("empty mask") << "  .   .   /    -  " << false;
    // Given without SoNumeros: a non-digit counts as 0, with no error.
    QTest::newRow("letter where a 0 stands") << "11222333A00181" << true;
    QTest::newRow("letter read as 0 makes it valid") << "X1222333000128" << true;
    QTest::newRow("letter over a 1") << "X1222333000181" << false;
}

void TestFuncoes::validaCnpj()
{
    QFETCH(QString, field);
    QFETCH(bool, valid);
    const QString digits = field.size() == 14 ? field : f.SoNumeros(field);
    QCOMPARE(f.ValidaCNPJ(digits), valid);
}

void TestFuncoes::validaIe_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    QTest::newRow("valid") << "123.456.78-9" << true;
    QTest::newRow("check digit changed") << "123.456.78-8" << false;
    QTest::newRow("all zeros") << "000.000.00-0" << true;
    QTest::newRow("remainder 1 gives 0") << "123.456.07-0" << true;
    QTest::newRow("remainder 1, not 10") << "123.456.07-1" << false;
    QTest::newRow("remainder 0 gives 0") << "123.456.01-0" << true;
    QTest::newRow("short number padded") << "12343" << true;
    QTest::newRow("short number padded, wrong") << "12345" << false;
    QTest::newRow("leading zeros beyond 9 digits") << "0123456789" << true;
    QTest::newRow("10 digits") << "1234567890" << false;
    QTest::newRow("largest 64-bit number") << "9223372036854775807" << false;
    QTest::newRow("two-digit number fails") << "123.411.05-5" << false;
}

void TestFuncoes::validaIe()
{
    QFETCH(QString, field);
    QFETCH(bool, valid);
    QCOMPARE(f.ValidaIE(f.SoNumeros(field)), valid);
}

void TestFuncoes::validaIeDoisDigitos_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("valid");
    // 1234009: S1 = 78, r1 = 1 -> 5; S2 = 107, r2 = 8 -> 3.
    QTest::newRow("first remainder 1 gives 5") << "123.400.95-3" << true;
    QTest::newRow("first remainder 1, not 0") << "123.400.90-3" << false;
    // 1234004 9: S1 = 68 -> 9; S2 = 100, r2 = 1 -> 5.
    QTest::newRow("second remainder 1 gives 5") << "123.400.49-5" << true;
    QTest::newRow("second remainder 1, not 0") << "123.400.49-0" << false;
    // 1234110: S1 = 67 -> 5; S2 = 89 -> 5.
    QTest::newRow("both remainders 1") << "123.411.05-5" << true;
    // 1234008: S1 = 76, r1 = 10 -> 1; S2 = 96 -> 3.
    QTest::newRow("remainder 10 gives 1") << "123.400.81-3" << true;
    // 1234003: S1 = 66, r1 = 0 -> 0; S2 = 79 -> 9.
    QTest::newRow("remainder 0 gives 0") << "123.400.30-9" << true;
    QTest::newRow("second digit wrong") << "123.400.30-8" << false;
    QTest::newRow("all zeros") << "000.000.00-0" << true;
    // 0000006: S1 = 12, r1 = 1 -> 5; S2 = 18 + 10 = 28 -> 5.
    QTest::newRow("short number padded") << "655" << true;
    QTest::newRow("10 digits") << "1234110550" << false;
}

void TestFuncoes::validaIeDoisDigitos()
{
    QFETCH(QString, field);
    QFETCH(bool, valid);
    QCOMPARE(f.ValidaIEDoisDigitos(f.SoNumeros(field)), valid);
}

void TestFuncoes::conversionErrors_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("ie empty") << "ie" << "" << "'' não é um valor inteiro válido";
    QTest::newRow("ie2 empty") << "ie2" << "" << "'' não é um valor inteiro válido";
    QTest::newRow("ie comma") << "ie" << "1,2,3" << "'1,2,3' não é um valor inteiro válido";
    QTest::newRow("ie2 comma") << "ie2" << "123,4" << "'123,4' não é um valor inteiro válido";
    QTest::newRow("ie beyond 64 bits") << "ie" << "9223372036854775808"
                                       << "'9223372036854775808' não é um valor inteiro válido";
    QTest::newRow("ie2 20 digits") << "ie2" << "99999999999999999999"
                                   << "'99999999999999999999' não é um valor inteiro válido";
    QTest::newRow("cpf letter at the end") << "cpf" << "1234567890a" << "'a' não é um valor inteiro válido";
    QTest::newRow("cpf letter first") << "cpf" << "x2345678909" << "'x' não é um valor inteiro válido";
    QTest::newRow("cpf comma") << "cpf" << "123456789,9" << "',' não é um valor inteiro válido";
}

void TestFuncoes::conversionErrors()
{
    QFETCH(QString, operation);
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
        if (operation == QLatin1String("ie"))
            f.ValidaIE(text);
        else if (operation == QLatin1String("ie2"))
            f.ValidaIEDoisDigitos(text);
        else
            f.ValidaCPF(text);
        QFAIL("no conversion error");
    } catch (const platform::RaisedError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestFuncoes::validaEmail_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("usual") << "contador@escritorio.com.br" << true;
    QTest::newRow("no dot") << "a@b" << true;
    QTest::newRow("blanks around are trimmed") << "  a@b.com  " << true;
    QTest::newRow("other characters allowed") << QString::fromUtf8("joão+x!@empresa") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks only") << "   " << false;
    QTest::newRow("no @") << "contador.com.br" << false;
    QTest::newRow("two @") << "a@b@c" << false;
    QTest::newRow("@@") << "a@@b" << false;
    QTest::newRow("blank inside") << "a b@c.com" << false;
    QTest::newRow("tab inside") << "a\tb@c.com" << false;
    QTest::newRow("slash") << "a@b/c" << false;
    QTest::newRow("backslash") << "a\\b@c" << false;
    QTest::newRow("colon") << "mailto:a@b" << false;
    QTest::newRow("semicolon") << "a@b;c@d" << false;
    QTest::newRow("empty local part") << "@b.com" << false;
    QTest::newRow("empty domain") << "a@" << false;
}

void TestFuncoes::validaEmail()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(f.ValidaEmail(text), valid);
}

void TestFuncoes::soNumeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("digits");
    QTest::newRow("CNPJ mask") << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("CPF mask") << "123.456.789-09" << "12345678909";
    QTest::newRow("empty CPF mask") << "   .   .   -  " << "";
    QTest::newRow("telephone") << "(61)3333-4444" << "6133334444";
    QTest::newRow("comma kept, point and minus dropped") << "-1.234,56" << "1234,56";
    QTest::newRow("letters dropped") << "R$ 10,00 reais" << "10,00";
    QTest::newRow("only ASCII digits") << QString::fromUtf8("١٢٣ ½ ²") << "";
    QTest::newRow("empty") << "" << "";
}

void TestFuncoes::soNumeros()
{
    QFETCH(QString, text);
    QFETCH(QString, digits);
    QCOMPARE(f.SoNumeros(text), digits);
}

void TestFuncoes::valorNumerico_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("thousands and decimals") << "1.234,56" << 1234.56;
    QTest::newRow("minus sign lost") << "-5" << 5.0;
    QTest::newRow("percentage") << "12,5" << 12.5;
    QTest::newRow("whole") << "100" << 100.0;
    QTest::newRow("currency text") << "R$ 10,00" << 10.0;
    QTest::newRow("trailing comma") << "12," << 12.0;
    QTest::newRow("leading comma") << ",5" << 0.5;
    QTest::newRow("large") << "9.999.999.999,99" << 9999999999.99;
}

void TestFuncoes::valorNumerico()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(f.ValorNumerico(text), value);
}

void TestFuncoes::valorNumericoRaises_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("two commas") << "1,2,3";
    QTest::newRow("empty") << "";
    QTest::newRow("no digits") << "abc";
    QTest::newRow("comma only") << ",";
    QTest::newRow("beyond double") << QString(400, QLatin1Char('9'));
}

void TestFuncoes::valorNumericoRaises()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(platform::RaisedError, f.ValorNumerico(text));
}

void TestFuncoes::zerosAEsquerda_data()
{
    QTest::addColumn<quint64>("number");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("padded") << quint64(12345) << 9 << "000012345";
    QTest::newRow("10 digits unchanged") << quint64(1234567890) << 9 << "1234567890";
    QTest::newRow("exact width") << quint64(123456789) << 9 << "123456789";
    QTest::newRow("zero") << quint64(0) << 9 << "000000000";
    QTest::newRow("width 0") << quint64(7) << 0 << "7";
}

void TestFuncoes::zerosAEsquerda()
{
    QFETCH(quint64, number);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(f.ZerosAEsquerda(number, width), text);
}

void TestFuncoes::criaArquivoVazio()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Lista_Fac.fac"));
    f.CriaArquivoVazio(path);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);

    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("01 Ficha\r\n");
    }
    f.CriaArquivoVazio(path);
    QCOMPARE(QFileInfo(path).size(), 10);

    QVERIFY_THROWS_EXCEPTION(platform::RaisedError,
                             f.CriaArquivoVazio(dir.filePath(QStringLiteral("nao/existe/x.fac"))));
}

QTEST_GUILESS_MAIN(TestFuncoes)
#include "test_funcoes.moc"
