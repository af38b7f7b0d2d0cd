#include "MessageRecorder.h"
#include "platform/RaisedError.h"
#include "validation/FieldChecks.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <type_traits>

using namespace validation;

namespace {

const QString kTitle = QStringLiteral("Morvetia 3.1");

// A shown, active window with the checked field and the next one in the tab order.
template <typename Field>
struct Window {
    QWidget window;
    Field *field = nullptr;
    QLineEdit *next = nullptr;

    Window()
    {
        auto *layout = new QVBoxLayout(&window);
        field = new Field(&window);
        next = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(next);
    }

    bool showAndFocus()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        field->setFocus(Qt::OtherFocusReason);
        field->setCursorPosition(0);
        return QApplication::focusWidget() == field;
    }

    // Types into the field from its start and presses Tab.
    void typeAndTab(const QString &text)
    {
        if constexpr (std::is_same_v<Field, QLineEdit>)
            field->clear();
        else
            field->Clear();
        field->setCursorPosition(0);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
};

using PlainWindow = Window<QLineEdit>;
using MaskedWindow = Window<widgets::TMaskEdit>;

// One standard error box with the text and a closing period where due; the focus back.
void verifyRejected(const MessageRecorder &recorder, const QWidget *field, const QString &boxText)
{
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.last().text, boxText);
    QCOMPARE(recorder.last().caption, kTitle);
    QCOMPARE(recorder.last().icon, platform::MsgIcon::Error);
    QCOMPARE(recorder.last().buttons, platform::MsgButtons::Ok);
    QCOMPARE(QApplication::focusWidget(), field);
}

void verifyAccepted(const MessageRecorder &recorder, const QWidget *next)
{
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join(QLatin1Char('|'))));
    QCOMPARE(QApplication::focusWidget(), next);
}

} // namespace

class TestFieldChecks : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void judgeDateWithoutWidgets_data();
    void judgeDateWithoutWidgets();
    void numberField_data();
    void numberField();
    void partnerNumber_data();
    void partnerNumber();
    void maskedDateField_data();
    void maskedDateField();
    void maskedNumberField_data();
    void maskedNumberField();
    void correctedFieldLetsGo();

private:
    const TFm_Funcoes funcoes{};
};

void TestFieldChecks::initTestCase() { platform::setApplicationTitle(kTitle); }

void TestFieldChecks::judgeDateWithoutWidgets_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("formatted");
    QTest::newRow("empty mask") << "  /  /    " << int(DateVerdict::Empty) << "";
    QTest::newRow("empty mask without trailing blanks") << "  /  /" << int(DateVerdict::Empty) << "";
    QTest::newRow("empty text is not the mask") << "" << int(DateVerdict::Invalid) << "";
    QTest::newRow("short parts") << "1/2/2024" << int(DateVerdict::Valid) << "01/02/2024";
    QTest::newRow("two-digit year") << "05/06/24  " << int(DateVerdict::Valid) << "05/06/2024";
    QTest::newRow("day 0") << "00/06/2024" << int(DateVerdict::Invalid) << "";
    QTest::newRow("letters") << "ab/cd/efgh" << int(DateVerdict::Invalid) << "";
}

void TestFieldChecks::judgeDateWithoutWidgets()
{
    QFETCH(QString, text);
    QFETCH(int, verdict);
    QFETCH(QString, formatted);
    QString out;
    QCOMPARE(int(judgeDate(text, &out)), verdict);
    QCOMPARE(out, formatted);
}

void TestFieldChecks::numberField_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxText"); // empty: accepted
    const QString cpf = QString::fromUtf8("CPF Inválido.");
    const QString cgc = QString::fromUtf8("CGC Inválido.");
    const QString ieFac = QString::fromUtf8("INSCRIÇÃO ESTADUAL INVÁLIDA.");
    const QString ieFaca = QString::fromUtf8("Inscrição Estadual Inválida.");
    const QString email = QString::fromUtf8("E-MAIL INVÁLIDO.");

    QTest::newRow("cpf with a comma cannot be judged") << "cpf" << "123456789,9" << cpf;

    QTest::newRow("cnpj valid") << "cnpj" << "11.222.333/0001-81" << "";
    QTest::newRow("cnpj wrong digit") << "cnpj" << "11.222.333/0001-80" << cgc;
    QTest::newRow("cnpj empty mask") << "cnpj" << "  .   .   /    -  " << "";

    QTest::newRow("ie valid") << "ieFac" << "123.456.78-9" << "";
    QTest::newRow("ie wrong digit") << "ieFac" << "123.456.78-8" << ieFac;
    QTest::newRow("ie two-digit number rejected by FAC") << "ieFac" << "123.411.05-5" << ieFac;
    QTest::newRow("ie empty mask") << "ieFac" << "   .   .  - " << "";
    QTest::newRow("ie comma cannot be judged") << "ieFac" << "1,2" << ieFac;
    QTest::newRow("ie two-digit number accepted by FACA") << "ieFaca" << "123411055" << "";
    QTest::newRow("ie one-digit number accepted by FACA") << "ieFaca" << "123456789" << "";
    QTest::newRow("ie FACA wrong") << "ieFaca" << "123456788" << ieFaca;

    QTest::newRow("email valid") << "email" << "a@b" << "";
    QTest::newRow("email empty") << "email" << "" << "";
    QTest::newRow("email blanks only") << "email" << "   " << email;
    QTest::newRow("email two @") << "email" << "a@b@c" << email;
}

void TestFieldChecks::numberField()
{
    QFETCH(QString, kind);
    QFETCH(QString, typed);
    QFETCH(QString, boxText);

    MessageRecorder recorder;
    PlainWindow w;
    if (kind == QLatin1String("cpf"))
        bindCpfCheck(w.field, funcoes);
    else if (kind == QLatin1String("cnpj"))
        bindCnpjCheck(w.field, funcoes);
    else if (kind == QLatin1String("ieFac"))
        bindIeCheck(w.field, funcoes, msg::kIeInvalidaFac);
    else if (kind == QLatin1String("ieFaca"))
        bindIeUmOuDoisDigitosCheck(w.field, funcoes, msg::kIeInvalidaFaca);
    else
        bindEmailCheck(w.field, funcoes);
    QVERIFY(w.showAndFocus());
    w.typeAndTab(typed);

    if (boxText.isEmpty())
        verifyAccepted(recorder, w.next);
    else
        verifyRejected(recorder, w.field, boxText);
    QCOMPARE(w.field->text(), typed);
}

void TestFieldChecks::partnerNumber_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxText");
    QTest::newRow("CPF type, valid CPF") << kTipoRegCpf << "123.456.789-09" << "";
    QTest::newRow("CPF type, CNPJ typed") << kTipoRegCpf << "11.222.333/0001-81" << QString::fromUtf8("CPF Inválido.");
    QTest::newRow("CNPJ type, valid CNPJ") << kTipoRegCnpj << "11.222.333/0001-81" << "";
    QTest::newRow("CNPJ type, CPF typed") << kTipoRegCnpj << "123.456.789-09" << QString::fromUtf8("CGC Inválido.");
    QTest::newRow("CNPJ type, empty") << kTipoRegCnpj << "" << "";
    QTest::newRow("no type") << -1 << "123" << "";
    QTest::newRow("blank entry") << 2 << "123" << "";
}

void TestFieldChecks::partnerNumber()
{
    QFETCH(int, typeIndex);
    QFETCH(QString, typed);
    QFETCH(QString, boxText);

    MessageRecorder recorder;
    PlainWindow w;
    // The type is read when the field is left, not when the check is bound.
    auto selected = std::make_shared<int>(-1);
    bindPartnerNumberCheck(w.field, funcoes, [selected] { return *selected; });
    *selected = typeIndex;
    QVERIFY(w.showAndFocus());
    w.typeAndTab(typed);

    if (boxText.isEmpty())
        verifyAccepted(recorder, w.next);
    else
        verifyRejected(recorder, w.field, boxText);
}

// Through the editors' masked field: the checks read Text() (the text as the mask gives
// it, "  /  /    " for an empty date) and rewrite through SetText().
void TestFieldChecks::maskedDateField_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("value"); // set from code
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxText"); // empty: accepted
    QTest::addColumn<QString>("finalText");
    const QString fac = msg::kDataInvalidaFac;
    const QString invalid = QString::fromUtf8("DATA INVÁLIDA.");
    QTest::newRow("31 February typed") << fac << "" << "31022024" << invalid << "31/02/2024";
    QTest::newRow("31 February, FACA text") << msg::kDataInvalidaFaca << "" << "31022024"
                                            << QString::fromUtf8("Data Inválida.") << "31/02/2024";
    QTest::newRow("month 13, FAS text") << msg::kDataVencimentoInvalida << "" << "10132024"
                                        << QString::fromUtf8("Data de Vencimento Inválida.") << "10/13/2024";
    QTest::newRow("29 February of a common year") << fac << "" << "29022023" << invalid << "29/02/2023";
    QTest::newRow("partly typed") << fac << "" << "1205" << invalid << "12/05/    ";
    QTest::newRow("empty mask accepted") << fac << "" << "" << "" << "  /  /    ";
    QTest::newRow("valid typed") << fac << "" << "29022024" << "" << "29/02/2024";
    QTest::newRow("two-digit year rewritten") << fac << "" << "050624" << "" << "05/06/2024";
    QTest::newRow("blank-padded value rewritten") << fac << " 1/ 2/2024" << "" << "" << "01/02/2024";
}

void TestFieldChecks::maskedDateField()
{
    QFETCH(QString, message);
    QFETCH(QString, value);
    QFETCH(QString, typed);
    QFETCH(QString, boxText);
    QFETCH(QString, finalText);

    MessageRecorder recorder;
    MaskedWindow w;
    w.field->SetEditMask(QStringLiteral("!99/99/9999;1; "));
    bindDateCheck(w.field, message);
    QVERIFY(w.showAndFocus());
    if (typed.isEmpty()) {
        w.field->SetText(value);
        QTest::keyClick(w.field, Qt::Key_Tab);
    } else {
        w.typeAndTab(typed);
    }

    if (boxText.isEmpty())
        verifyAccepted(recorder, w.next);
    else
        verifyRejected(recorder, w.field, boxText);
    QCOMPARE(w.field->Text(), finalText);
}

void TestFieldChecks::maskedNumberField_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("finalText");
    const QString withLiterals = QStringLiteral("!999.999.999-99;1; ");
    const QString digitsOnly = QStringLiteral("!999.999.999-99;0; ");
    QTest::newRow("valid") << withLiterals << "12345678909" << true << "123.456.789-09";
    QTest::newRow("wrong digit") << withLiterals << "12345678900" << false << "123.456.789-00";
    QTest::newRow("partly filled") << withLiterals << "1234567890" << false << "123.456.789-0 ";
    QTest::newRow("untouched") << withLiterals << "" << true << "   .   .   -  ";
    QTest::newRow("digits-only mask, valid") << digitsOnly << "12345678909" << true << "12345678909";
    QTest::newRow("digits-only mask, wrong") << digitsOnly << "12345678900" << false << "12345678900";
    QTest::newRow("digits-only mask, untouched") << digitsOnly << "" << true << "";
}

void TestFieldChecks::maskedNumberField()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, finalText);

    MessageRecorder recorder;
    MaskedWindow w;
    w.field->SetEditMask(mask);
    bindCpfCheck(w.field, funcoes);
    QVERIFY(w.showAndFocus());
    w.typeAndTab(typed);

    if (accepted)
        verifyAccepted(recorder, w.next);
    else
        verifyRejected(recorder, w.field, QString::fromUtf8("CPF Inválido."));
    QCOMPARE(w.field->Text(), finalText);
}

void TestFieldChecks::correctedFieldLetsGo()
{
    MessageRecorder recorder;
    PlainWindow w;
    bindCpfCheck(w.field, funcoes);
    bindDateCheck(w.next, msg::kDataInvalidaFac);
    w.next->setText(QStringLiteral("31/02/2024")); // an invalid neighbour must not answer back
    QVERIFY(w.showAndFocus());

    w.typeAndTab(QStringLiteral("123.456.789-00"));
    QCOMPARE(recorder.texts(), QStringList{QString::fromUtf8("CPF Inválido.")});
    QCOMPARE(QApplication::focusWidget(), w.field);

    w.typeAndTab(QStringLiteral("123.456.789-0"));
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(QApplication::focusWidget(), w.field);

    w.typeAndTab(QStringLiteral("123.456.789-09"));
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(QApplication::focusWidget(), w.next);
}

QTEST_MAIN(TestFieldChecks)
#include "test_fieldchecks.moc"
