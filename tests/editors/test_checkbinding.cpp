#include "MessageRecorder.h"
#include "editors/common/CheckBinding.h"
#include "platform/RaisedError.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace editors;
using validation::Complaint;
using validation::FieldVerdict;

namespace {

const QString kTitle = QStringLiteral("Morvetia 3.1");
const QString kNone; // null: no rewrite, no box

// A shown, active window with the checked field and the next one in the tab order.
template <typename Field>
struct Window {
    QWidget window;
    Field *field = new Field(&window);
    QLineEdit *next = new QLineEdit(&window);

    Window()
    {
        auto *layout = new QVBoxLayout(&window);
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
        return QApplication::focusWidget() == field;
    }

    // Types into the emptied field from its start and presses Tab.
    void typeAndTab(const QString &text)
    {
        if constexpr (requires { field->Clear(); })
            field->Clear();
        else
            field->clear();
        field->setCursorPosition(0);
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Tab);
    }
};

// The one box of a rejected text, or none; then where the focus went.
void verifyExit(const MessageRecorder &recorder, const QString &caption, const QString &boxText,
                const QWidget *focus)
{
    if (caption.isNull()) {
        QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.texts().join(QLatin1Char('|'))));
    } else {
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.last().caption, caption);
        QCOMPARE(recorder.last().text, boxText);
        QCOMPARE(recorder.last().icon, platform::MsgIcon::Error);
        QCOMPARE(recorder.last().buttons, platform::MsgButtons::Ok);
    }
    QCOMPARE(QApplication::focusWidget(), focus);
}

} // namespace

class TestCheckBinding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::setApplicationTitle(kTitle); }
    void exitShowsTheVerdict_data();
    void exitShowsTheVerdict();
    void maskedFields_data();
    void maskedFields();
    void correctedFieldLetsGo();
    void checkDiesWithItsField();

private:
    const validation::TFm_Funcoes funcoes{};
};

void TestCheckBinding::exitShowsTheVerdict_data()
{
    QTest::addColumn<Complaint>("complaint");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("boxText");
    QTest::addColumn<bool>("focusBack");
    const QString range = QStringLiteral("Valor fora da faixa permitida.");
    QTest::newRow("accepted") << Complaint::None << "" << kNone << kNone << "" << false;
    QTest::newRow("accepted, rewritten") << Complaint::None << "" << "01/02/2024" << kNone << "" << false;
    QTest::newRow("raised, focus back") << Complaint::RaisedFocusBack << QString::fromUtf8("CPF Inválido") << kNone
                                        << kTitle << QString::fromUtf8("CPF Inválido.") << true;
    QTest::newRow("raised, message already closed") << Complaint::RaisedFocusBack << "E-MAIL." << kNone << kTitle
                                                    << "E-MAIL." << true;
    QTest::newRow("raised, focus goes on") << Complaint::Raised << "Sem numero" << kNone << kTitle << "Sem numero."
                                           << false;
    QTest::newRow("Fichas box, rewritten, focus back") << Complaint::FichasBox << range << "12.345,00" << "Fichas"
                                                       << range << true;
    QTest::newRow("Fichas box adds no period") << Complaint::FichasBox << "Fora" << "x" << "Fichas" << "Fora" << true;
}

// The whole-form check tells beforehand the very text that leaving the field shows.
void TestCheckBinding::exitShowsTheVerdict()
{
    QFETCH(Complaint, complaint);
    QFETCH(QString, message);
    QFETCH(QString, rewritten);
    QFETCH(QString, caption);
    QFETCH(QString, boxText);
    QFETCH(bool, focusBack);

    MessageRecorder recorder;
    Window<QLineEdit> w;
    w.field->setText(QStringLiteral("typed"));
    auto seen = std::make_shared<QStringList>();
    const FieldVerdict verdict{complaint, message, rewritten.isNull() ? std::nullopt : std::optional(rewritten)};
    bindCheck(w.field, [seen, verdict](const QString &t) {
        seen->append(t);
        return verdict;
    });
    QVERIFY(w.showAndFocus());

    const std::optional<QString> judged = complaintText(verdict);
    QCOMPARE(judged.has_value(), !caption.isNull());
    QCOMPARE(judged.value_or(QString()), boxText);

    QTest::keyClick(w.field, Qt::Key_Tab);
    QCOMPARE(*seen, QStringList({"typed"}));
    verifyExit(recorder, caption, boxText, focusBack ? static_cast<QWidget *>(w.field) : w.next);
    QCOMPARE(w.field->text(), rewritten.isNull() ? QStringLiteral("typed") : rewritten);
}

// The checks read a masked edit's Text() (the text as the mask gives it, "  /  /    " for
// an empty date) and rewrite it through SetText().
void TestCheckBinding::maskedFields_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("boxText"); // empty: accepted
    QTest::addColumn<QString>("finalText");
    const QString date = QStringLiteral("!99/99/9999;1; ");
    const QString cpf = QStringLiteral("!999.999.999-99;1; ");
    const QString cpfDigits = QStringLiteral("!999.999.999-99;0; ");
    const QString badDate = QString::fromUtf8("DATA INVÁLIDA.");
    const QString badCpf = QString::fromUtf8("CPF Inválido.");
    QTest::newRow("date 31 February") << date << "31022024" << badDate << "31/02/2024";
    QTest::newRow("date partly typed") << date << "1205" << badDate << "12/05/    ";
    QTest::newRow("date empty mask") << date << "" << "" << "  /  /    ";
    QTest::newRow("date two-digit year rewritten") << date << "050624" << "" << "05/06/2024";
    QTest::newRow("cpf partly filled") << cpf << "1234567890" << badCpf << "123.456.789-0 ";
    QTest::newRow("cpf untouched") << cpf << "" << "" << "   .   .   -  ";
    QTest::newRow("cpf digits-only mask, wrong") << cpfDigits << "12345678900" << badCpf << "12345678900";
    QTest::newRow("cpf digits-only mask, untouched") << cpfDigits << "" << "" << "";
}

void TestCheckBinding::maskedFields()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, boxText);
    QFETCH(QString, finalText);

    MessageRecorder recorder;
    Window<widgets::TMaskEdit> w;
    w.field->SetEditMask(mask);
    if (mask.contains(QLatin1Char('/')))
        bindCheck(w.field, [](const QString &t) { return validation::checkDate(t, validation::msg::kDataInvalidaFac); });
    else
        bindCheck(w.field, [f = &funcoes](const QString &t) { return validation::checkCpf(*f, t); });
    QVERIFY(w.showAndFocus());
    w.typeAndTab(typed);

    verifyExit(recorder, boxText.isEmpty() ? kNone : kTitle, boxText,
               boxText.isEmpty() ? static_cast<QWidget *>(w.next) : w.field);
    QCOMPARE(w.field->Text(), finalText);
}

void TestCheckBinding::correctedFieldLetsGo()
{
    MessageRecorder recorder;
    Window<QLineEdit> w;
    bindCheck(w.field, [f = &funcoes](const QString &t) { return validation::checkCpf(*f, t); });
    bindCheck(w.next, [](const QString &t) { return validation::checkDate(t, validation::msg::kDataInvalidaFac); });
    w.next->setText(QStringLiteral("31/02/2024")); // an invalid neighbour must not answer back
    QVERIFY(w.showAndFocus());

    w.typeAndTab(QStringLiteral("123.456.789-00"));
    w.typeAndTab(QStringLiteral("123.456.789-0"));
    QCOMPARE(recorder.texts(), QStringList(2, QString::fromUtf8("CPF Inválido.")));
    QCOMPARE(QApplication::focusWidget(), w.field);

    w.typeAndTab(QStringLiteral("123.456.789-09"));
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(QApplication::focusWidget(), w.next);
}

// A check lives as long as its field.
void TestCheckBinding::checkDiesWithItsField()
{
    auto *field = new QLineEdit;
    auto held = std::make_shared<int>();
    bindCheck(field, [held](const QString &) { return FieldVerdict{}; });
    QCOMPARE(held.use_count(), 2);
    delete field;
    QCOMPARE(held.use_count(), 1);
}

QTEST_MAIN(TestCheckBinding)
#include "test_checkbinding.moc"
