#include "MessageRecorder.h"
#include "platform/RaisedError.h"
#include "validation/ExitCheck.h"
#include "validation/FieldChecks.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace validation;

namespace {

const QString kTitle = QStringLiteral("Morvetia 3.1");
const QString kMaskCpf = QStringLiteral("!999.999.999-99;1; ");
const QString kMaskCnpj = QStringLiteral("!99.999.999/9999-99;1; ");
const QString kMaskIe = QStringLiteral("!999.999.99-9;1; ");
const QString kMaskIeDigits = QStringLiteral("!999.999.99-9;0; ");
const QString kMaskCpfDigits = QStringLiteral("!999.999.999-99;0; ");
const QString kMaskCnpjDigits = QStringLiteral("!99.999.999/9999-99;0; ");
const QString kMaskData = QStringLiteral("!99/99/9999;1; ");

template <typename Field>
void bindKind(Field *field, const TFm_Funcoes &funcoes, const QString &kind, int typeIndex)
{
    if (kind == QLatin1String("cpf"))
        bindCpfCheck(field, funcoes);
    else if (kind == QLatin1String("cnpj"))
        bindCnpjCheck(field, funcoes);
    else if (kind == QLatin1String("ieFac"))
        bindIeCheck(field, funcoes, msg::kIeInvalidaFac);
    else if (kind == QLatin1String("ieFaca"))
        bindIeUmOuDoisDigitosCheck(field, funcoes, msg::kIeInvalidaFaca);
    else if (kind == QLatin1String("partner"))
        bindPartnerNumberCheck(field, funcoes, [typeIndex] { return typeIndex; });
    else if (kind == QLatin1String("email"))
        bindEmailCheck(field, funcoes);
    else if (kind == QLatin1String("dateFac"))
        bindDateCheck(field, msg::kDataInvalidaFac);
    else if (kind == QLatin1String("money"))
        bindMoneyCheck(field, funcoes, textOf(field), setterOf(field));
    else if (kind == QLatin1String("percentage"))
        bindPercentageCheck(field, funcoes, textOf(field), setterOf(field));
    else
        QFAIL(qPrintable(kind));
}

// A window with the checked field (a masked edit when there is a mask, as the editors
// have it) holding the text, and the next field in the tab order.
struct Form {
    QWidget window;
    QWidget *field = nullptr;
    QLineEdit *next = nullptr;
    std::function<QString()> text;

    Form(const TFm_Funcoes &funcoes, const QString &kind, const QString &mask, int typeIndex,
         const QString &value)
    {
        auto *layout = new QVBoxLayout(&window);
        if (mask.isEmpty()) {
            auto *plain = new QLineEdit(&window);
            bindKind(plain, funcoes, kind, typeIndex);
            plain->setText(value);
            field = plain;
            text = textOf(plain);
        } else {
            auto *masked = new widgets::TMaskEdit(&window);
            masked->SetEditMask(mask);
            bindKind(masked, funcoes, kind, typeIndex);
            masked->SetText(value);
            field = masked;
            text = textOf(masked);
        }
        next = new QLineEdit(&window);
        layout->addWidget(field);
        layout->addWidget(next);
    }

    // The focus is given before the window shows, so that no other field is left on the way.
    bool showWithFocusOn(QWidget *w)
    {
        w->setFocus(Qt::OtherFocusReason);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        w->setFocus(Qt::OtherFocusReason);
        return QApplication::focusWidget() == w;
    }
};

} // namespace

class TestExitCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::setApplicationTitle(kTitle); }
    void judgeSaysWhatTheExitShows_data();
    void judgeSaysWhatTheExitShows();
    void askingChangesNothing_data();
    void askingChangesNothing();
    void fieldsWithoutCheckAndGoneFields();

private:
    const TFm_Funcoes funcoes{};
};

void TestExitCheck::judgeSaysWhatTheExitShows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mask"); // empty: a plain line edit
    QTest::addColumn<int>("typeIndex"); // partner numbers only
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem"); // empty: the text passes
    const QString cpf = QString::fromUtf8("CPF Inválido.");
    const QString cgc = QString::fromUtf8("CGC Inválido.");
    const QString email = QString::fromUtf8("E-MAIL INVÁLIDO.");
    const QString percent = QString::fromUtf8("Percentual inválido.");

    QTest::newRow("cpf valid") << "cpf" << kMaskCpf << 0 << "123.456.789-09" << "";
    QTest::newRow("cpf wrong digit") << "cpf" << kMaskCpf << 0 << "123.456.789-00" << cpf;
    QTest::newRow("cpf empty mask") << "cpf" << kMaskCpf << 0 << "" << "";
    QTest::newRow("cnpj valid") << "cnpj" << kMaskCnpj << 0 << "11.222.333/0001-81" << "";
    QTest::newRow("cnpj wrong digit") << "cnpj" << kMaskCnpj << 0 << "11.222.333/0001-80" << cgc;
    QTest::newRow("ie FAC valid") << "ieFac" << kMaskIe << 0 << "123.456.78-9" << "";
    QTest::newRow("ie FAC wrong, message already closed")
        << "ieFac" << kMaskIe << 0 << "123.456.78-8" << QString::fromUtf8("INSCRIÇÃO ESTADUAL INVÁLIDA.");
    QTest::newRow("ie FACA two-digit rule") << "ieFaca" << kMaskIeDigits << 0 << "123411055" << "";
    QTest::newRow("ie FACA neither") << "ieFaca" << kMaskIeDigits << 0 << "123456788"
                                     << QString::fromUtf8("Inscrição Estadual Inválida.");
    QTest::newRow("partner CPF type, valid") << "partner" << kMaskCpfDigits << kTipoRegCpf << "12345678909" << "";
    QTest::newRow("partner CPF type, wrong") << "partner" << kMaskCpfDigits << kTipoRegCpf << "12345678900" << cpf;
    QTest::newRow("partner CNPJ type, valid") << "partner" << kMaskCnpjDigits << kTipoRegCnpj << "11222333000181" << "";
    QTest::newRow("partner CNPJ type, wrong") << "partner" << kMaskCnpjDigits << kTipoRegCnpj << "11222333000180" << cgc;
    QTest::newRow("partner no type") << "partner" << "" << -1 << "123" << "";
    QTest::newRow("email empty") << "email" << "" << 0 << "" << "";
    QTest::newRow("email blanks only") << "email" << "" << 0 << "   " << email;
    QTest::newRow("email two @") << "email" << "" << 0 << "a@b@c" << email;
    QTest::newRow("date empty mask") << "dateFac" << kMaskData << 0 << "" << "";
    QTest::newRow("date valid") << "dateFac" << kMaskData << 0 << "29/02/2024" << "";
    QTest::newRow("date 31 February") << "dateFac" << kMaskData << 0 << "31/02/2024" << QString::fromUtf8("DATA INVÁLIDA.");
    QTest::newRow("date partly filled") << "dateFac" << kMaskData << 0 << "12/05/" << QString::fromUtf8("DATA INVÁLIDA.");
    QTest::newRow("money empty") << "money" << "" << 0 << "" << "";
    QTest::newRow("money in range") << "money" << "" << 0 << "1234,5" << "";
    QTest::newRow("money out of range") << "money" << "" << 0 << "12345678901" << "Valor fora da faixa permitida.";
    QTest::newRow("money not a number") << "money" << "" << 0 << "abc" << QString::fromUtf8("Valor numérico inválido.");
    QTest::newRow("percentage 0") << "percentage" << "" << 0 << "0" << percent;
    QTest::newRow("percentage 101") << "percentage" << "" << 0 << "101" << percent;
    QTest::newRow("percentage written 0,0") << "percentage" << "" << 0 << "0,04" << percent;
    QTest::newRow("percentage 50") << "percentage" << "" << 0 << "50" << "";
    QTest::newRow("percentage not a number") << "percentage" << "" << 0 << "abc" << percent;
}

// The judge's answer, and then what leaving the field really shows: the same text.
void TestExitCheck::judgeSaysWhatTheExitShows()
{
    QFETCH(QString, kind);
    QFETCH(QString, mask);
    QFETCH(int, typeIndex);
    QFETCH(QString, text);
    QFETCH(QString, problem);

    MessageRecorder recorder;
    Form form(funcoes, kind, mask, typeIndex, text);
    const std::optional<QString> judged = exitProblem(form.field);
    QCOMPARE(judged.has_value(), !problem.isEmpty());
    QCOMPARE(judged.value_or(QString()), problem);

    QVERIFY(form.showWithFocusOn(form.field));
    QTest::keyClick(form.field, Qt::Key_Tab);
    QCOMPARE(recorder.texts(), problem.isEmpty() ? QStringList() : QStringList{problem});
}

void TestExitCheck::askingChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    // Each would, on exit, put the focus back, show a box or rewrite the field.
    QTest::newRow("cpf wrong: focus back") << "cpf" << kMaskCpf << "123.456.789-00";
    QTest::newRow("date valid: rewritten") << "dateFac" << "" << " 1/ 2/2024";
    QTest::newRow("money out of range: rewritten and Fichas box") << "money" << "" << "12345678901";
    QTest::newRow("percentage: rewritten") << "percentage" << "" << "50";
}

// Asked from another field and from the field itself: the exit never runs, so nothing
// may move the focus, rewrite the text or show a box.
void TestExitCheck::askingChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, mask);
    QFETCH(QString, text);

    MessageRecorder recorder;
    Form form(funcoes, kind, mask, 0, text);
    const QString before = form.text();
    QVERIFY(form.showWithFocusOn(form.next));
    exitProblem(form.field);
    QCOMPARE(QApplication::focusWidget(), form.next);

    form.field->setFocus(Qt::OtherFocusReason);
    exitProblem(form.field);
    QCOMPARE(QApplication::focusWidget(), form.field);
    QCOMPARE(form.text(), before);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join(QLatin1Char('|'))));
}

void TestExitCheck::fieldsWithoutCheckAndGoneFields()
{
    QWidget window;
    auto *unchecked = new QLineEdit(QStringLiteral("123.456.789-00"), &window);
    QVERIFY(!exitProblem(unchecked));
    QVERIFY(!exitProblem(nullptr));

    // A second check replaces the first, and the first one's judge is let go.
    auto *field = new QLineEdit(&window);
    auto first = std::make_shared<int>();
    attachJudge(field, [first] { return std::optional<QString>(QStringLiteral("first")); });
    attachJudge(field, [] { return std::optional<QString>(QStringLiteral("second")); });
    QCOMPARE(first.use_count(), 1);
    QCOMPARE(exitProblem(field).value_or(QString()), QStringLiteral("second"));

    // The judge dies with its field; a neighbour's keeps answering.
    auto *other = new QLineEdit(QStringLiteral("123.456.789-00"), &window);
    bindCpfCheck(other, funcoes);
    auto held = std::make_shared<int>();
    bindCpfCheck(field, funcoes);
    attachJudge(field, [held] { return std::optional<QString>(); });
    delete field;
    QCOMPARE(held.use_count(), 1);
    QCOMPARE(exitProblem(other).value_or(QString()), QString::fromUtf8("CPF Inválido."));
}

QTEST_MAIN(TestExitCheck)
#include "test_exitcheck.moc"
