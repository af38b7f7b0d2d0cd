#include "validation/FieldChecks.h"

#include <QTest>

#include <map>

using namespace validation;

namespace {

const TFm_Funcoes funcoes{};

// Each check as an editor binds it, by the name the rows give.
const std::map<QString, std::function<FieldVerdict(const QString &)>> kChecks = {
    {"cpf", [](const QString &t) { return checkCpf(funcoes, t); }},
    {"cnpj", [](const QString &t) { return checkCnpj(funcoes, t); }},
    {"ieFac", [](const QString &t) { return checkIe(funcoes, t, msg::kIeInvalidaFac); }},
    {"ieFaca", [](const QString &t) { return checkIeUmOuDoisDigitos(funcoes, t, msg::kIeInvalidaFaca); }},
    {"partnerCpf", [](const QString &t) { return checkPartnerNumber(funcoes, t, kTipoRegCpf); }},
    {"partnerCnpj", [](const QString &t) { return checkPartnerNumber(funcoes, t, kTipoRegCnpj); }},
    {"partnerNone", [](const QString &t) { return checkPartnerNumber(funcoes, t, -1); }},
    {"partnerBlank", [](const QString &t) { return checkPartnerNumber(funcoes, t, 2); }},
    {"email", [](const QString &t) { return checkEmail(funcoes, t); }},
    {"dateFac", [](const QString &t) { return checkDate(t, msg::kDataInvalidaFac); }},
    {"dateFas", [](const QString &t) { return checkDate(t, msg::kDataVencimentoInvalida); }},
    {"money", [](const QString &t) { return checkMoney(funcoes, t); }},
    {"percentage", [](const QString &t) { return checkPercentage(funcoes, t); }},
};

const QString kNone; // null: the field keeps its text

} // namespace

class TestFieldChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data();
    void verdicts();
};

void TestFieldChecks::verdicts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Complaint>("complaint");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("rewritten");
    const auto ok = Complaint::None;
    const auto back = Complaint::RaisedFocusBack;
    const QString cpf = QString::fromUtf8("CPF Inválido");
    const QString cgc = QString::fromUtf8("CGC Inválido");
    const QString ieFac = QString::fromUtf8("INSCRIÇÃO ESTADUAL INVÁLIDA.");
    const QString email = QString::fromUtf8("E-MAIL INVÁLIDO.");
    const QString date = QString::fromUtf8("DATA INVÁLIDA");
    const QString range = QStringLiteral("Valor fora da faixa permitida.");
    const QString percent = QString::fromUtf8("Percentual inválido.");

    QTest::newRow("cpf valid") << "cpf" << "123.456.789-09" << ok << "" << kNone;
    QTest::newRow("cpf wrong digit") << "cpf" << "123.456.789-00" << back << cpf << kNone;
    QTest::newRow("cpf partly filled") << "cpf" << "123.456.789-0 " << back << cpf << kNone;
    QTest::newRow("cpf empty mask") << "cpf" << "   .   .   -  " << ok << "" << kNone;
    QTest::newRow("cpf with a comma cannot be judged") << "cpf" << "123456789,9" << back << cpf << kNone;
    QTest::newRow("cnpj valid") << "cnpj" << "11.222.333/0001-81" << ok << "" << kNone;
    QTest::newRow("cnpj wrong digit") << "cnpj" << "11.222.333/0001-80" << back << cgc << kNone;
    QTest::newRow("cnpj empty mask") << "cnpj" << "  .   .   /    -  " << ok << "" << kNone;
    QTest::newRow("ie valid") << "ieFac" << "123.456.78-9" << ok << "" << kNone;
    QTest::newRow("ie wrong digit") << "ieFac" << "123.456.78-8" << back << ieFac << kNone;
    QTest::newRow("ie two-digit number rejected by FAC") << "ieFac" << "123.411.05-5" << back << ieFac << kNone;
    QTest::newRow("ie empty mask") << "ieFac" << "   .   .  - " << ok << "" << kNone;
    QTest::newRow("ie comma cannot be judged") << "ieFac" << "1,2" << back << ieFac << kNone;
    QTest::newRow("ie two-digit number accepted by FACA") << "ieFaca" << "123411055" << ok << "" << kNone;
    QTest::newRow("ie one-digit number accepted by FACA") << "ieFaca" << "123456789" << ok << "" << kNone;
    QTest::newRow("ie FACA neither rule") << "ieFaca" << "123456788" << back
                                          << QString::fromUtf8("Inscrição Estadual Inválida") << kNone;
    QTest::newRow("partner CPF type, valid CPF") << "partnerCpf" << "12345678909" << ok << "" << kNone;
    QTest::newRow("partner CPF type, CNPJ typed") << "partnerCpf" << "11222333000181" << back << cpf << kNone;
    QTest::newRow("partner CNPJ type, valid CNPJ") << "partnerCnpj" << "11222333000181" << ok << "" << kNone;
    QTest::newRow("partner CNPJ type, CPF typed") << "partnerCnpj" << "12345678909" << back << cgc << kNone;
    QTest::newRow("partner CNPJ type, empty") << "partnerCnpj" << "" << ok << "" << kNone;
    QTest::newRow("partner no type") << "partnerNone" << "123" << ok << "" << kNone;
    QTest::newRow("partner blank entry") << "partnerBlank" << "123" << ok << "" << kNone;
    QTest::newRow("email valid") << "email" << "a@b" << ok << "" << kNone;
    QTest::newRow("email empty") << "email" << "" << ok << "" << kNone;
    QTest::newRow("email blanks only") << "email" << "   " << back << email << kNone;
    QTest::newRow("email two @") << "email" << "a@b@c" << back << email << kNone;
    QTest::newRow("date empty mask") << "dateFac" << "  /  /    " << ok << "" << kNone;
    QTest::newRow("date empty mask, trailing blanks dropped") << "dateFac" << "  /  /" << ok << "" << kNone;
    QTest::newRow("date empty text is not the mask") << "dateFac" << "" << back << date << kNone;
    QTest::newRow("date valid kept") << "dateFac" << "29/02/2024" << ok << "" << "29/02/2024";
    QTest::newRow("date short parts") << "dateFac" << "1/2/2024" << ok << "" << "01/02/2024";
    QTest::newRow("date blank-padded parts") << "dateFac" << " 1/ 2/2024" << ok << "" << "01/02/2024";
    QTest::newRow("date two-digit year") << "dateFac" << "05/06/24  " << ok << "" << "05/06/2024";
    QTest::newRow("date 31 February") << "dateFac" << "31/02/2024" << back << date << kNone;
    QTest::newRow("date 29 February, common year") << "dateFac" << "29/02/2023" << back << date << kNone;
    QTest::newRow("date day 0") << "dateFac" << "00/06/2024" << back << date << kNone;
    QTest::newRow("date partly filled") << "dateFac" << "12/05/    " << back << date << kNone;
    QTest::newRow("date letters") << "dateFac" << "ab/cd/efgh" << back << date << kNone;
    QTest::newRow("date month 13, FAS text") << "dateFas" << "10/13/2024" << back
                                             << QString::fromUtf8("Data de Vencimento Inválida") << kNone;
    QTest::newRow("money empty") << "money" << "  " << ok << "" << kNone;
    QTest::newRow("money in its pattern") << "money" << "1234,5" << ok << "" << "1.234,50";
    QTest::newRow("money minus dropped") << "money" << "-5" << ok << "" << "5,00";
    QTest::newRow("money top of the range") << "money" << "9999999999,99" << ok << "" << "9.999.999.999,99";
    QTest::newRow("money rounded out of the range") << "money" << "9999999999,999" << Complaint::FichasBox << range
                                                    << "10.000.000.000,00";
    QTest::newRow("money out of range") << "money" << "12345678901" << Complaint::FichasBox << range
                                        << "12.345.678.901,00";
    QTest::newRow("money not a number") << "money" << "abc" << Complaint::Raised
                                        << QString::fromUtf8("Valor numérico inválido.") << kNone;
    QTest::newRow("money two commas") << "money" << "1,2,3" << Complaint::Raised
                                      << QString::fromUtf8("Valor numérico inválido.") << kNone;
    QTest::newRow("percentage empty") << "percentage" << "" << ok << "" << kNone;
    QTest::newRow("percentage 50") << "percentage" << "50" << ok << "" << "50,0";
    QTest::newRow("percentage 100") << "percentage" << "100" << ok << "" << "100,0";
    QTest::newRow("percentage 99,9") << "percentage" << "99,9" << ok << "" << "99,9";
    QTest::newRow("percentage between 99,9 and 100") << "percentage" << "99,95" << ok << "" << "99,9";
    QTest::newRow("percentage 0") << "percentage" << "0" << Complaint::FichasBox << percent << "0";
    QTest::newRow("percentage written 0,0") << "percentage" << "0,04" << Complaint::FichasBox << percent << "0,04";
    QTest::newRow("percentage 101") << "percentage" << "101" << Complaint::FichasBox << percent << "101";
    QTest::newRow("percentage just above 100") << "percentage" << "100,01" << Complaint::FichasBox << percent
                                               << "100,01";
    QTest::newRow("percentage not a number") << "percentage" << "abc" << Complaint::Raised << percent << kNone;
}

void TestFieldChecks::verdicts()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(Complaint, complaint);
    QFETCH(QString, message);
    QFETCH(QString, rewritten);

    const FieldVerdict verdict = kChecks.at(kind)(text);
    QCOMPARE(int(verdict.complaint), int(complaint));
    QCOMPARE(verdict.accepted(), complaint == Complaint::None);
    QCOMPARE(verdict.message, message);
    QCOMPARE(verdict.rewritten.has_value(), !rewritten.isNull());
    QCOMPARE(verdict.rewritten.value_or(QString()), rewritten);
}

QTEST_GUILESS_MAIN(TestFieldChecks)
#include "test_fieldchecks.moc"
