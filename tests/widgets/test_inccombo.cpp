#include "widgets/IncCombo.h"
#include "widgets/IncDropDownList.h"

#include "MessageRecorder.h"
#include "platform/FocusExit.h"
#include "platform/RaisedError.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>


using namespace widgets;

namespace {

const QStringList kYesNo = {QString::fromUtf8("NÃO"), QStringLiteral("SIM")};
const QStringList kLegalForms = {QStringLiteral("EMPRESARIO INDIVIDUAL"), QStringLiteral("SOCIEDADE CIVIL"),
                                 QStringLiteral("SOCIEDADE EM NOME COLETIVO"),
                                 QStringLiteral("SOCIEDADE LIMITADA")};

QStringList states()
{
    return QStringLiteral("AC AL AM AP BA CE DF ES GO MA MG MS MT PA PB PE PI PR RJ RN RO RR RS SC SE SP TO")
        .split(QLatin1Char(' '));
}

// A shown, active dialog with a field before the combo, the combo and a field after
// it, in that tab order, and a default OK button.
struct Form {
    QDialog window;
    QLineEdit *before = new QLineEdit(&window);
    QLabel *label = new QLabel(QStringLiteral("&UF:"), &window);
    TIncCombo *combo = new TIncCombo(&window);
    QLineEdit *after = new QLineEdit(&window);
    QPushButton *ok = new QPushButton(QStringLiteral("OK"), &window);

    explicit Form(const QStringList &items)
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(label),
                           static_cast<QWidget *>(combo), static_cast<QWidget *>(after),
                           static_cast<QWidget *>(ok)})
            layout->addWidget(w);
        label->setBuddy(combo);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
        combo->SetItems(items);
        window.show();
        window.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
    // Tab into the combo from the field before it (the whole text gets selected).
    void enter()
    {
        before->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(before, Qt::Key_Tab);
    }
    // Tab out of the combo to the field after it.
    void leave() { QTest::keyClick(combo, Qt::Key_Tab); }
};

// Plays typed text with {KEY} tokens on the focused combo.
void play(TIncCombo *combo, const QString &script)
{
    static const QHash<QString, Qt::Key> keys = {
        {QStringLiteral("BS"), Qt::Key_Backspace}, {QStringLiteral("DEL"), Qt::Key_Delete},
        {QStringLiteral("DOWN"), Qt::Key_Down},    {QStringLiteral("UP"), Qt::Key_Up},
        {QStringLiteral("PGDN"), Qt::Key_PageDown}, {QStringLiteral("PGUP"), Qt::Key_PageUp},
        {QStringLiteral("ENTER"), Qt::Key_Return}, {QStringLiteral("ESC"), Qt::Key_Escape},
        {QStringLiteral("HOME"), Qt::Key_Home},    {QStringLiteral("END"), Qt::Key_End}};
    qsizetype i = 0;
    while (i < script.size()) {
        if (script.at(i) != QLatin1Char('{')) {
            QTest::keyClick(combo, script.at(i).toLatin1());
            ++i;
            continue;
        }
        const qsizetype close = script.indexOf(QLatin1Char('}'), i);
        const QString token = script.mid(i + 1, close - i - 1);
        i = close + 1;
        if (token == QLatin1String("SELALL")) {
            combo->selectAll();
        } else if (token.startsWith(QLatin1String("PASTE:"))) {
            QGuiApplication::clipboard()->setText(token.mid(6));
            QTest::keySequence(combo, QKeySequence::Paste);
        } else if (token == QLatin1String("CUT")) {
            QTest::keySequence(combo, QKeySequence::Cut);
        } else if (token == QLatin1String("UNDO")) {
            QTest::keySequence(combo, QKeySequence::Undo);
        } else if (token.startsWith(QLatin1String("U:"))) {
            // a character outside Latin-1 typing, as a composed key gives it
            QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, token.mid(2), Qt::NoModifier);
        } else {
            QTest::keyClick(combo, keys.value(token));
        }
    }
}

} // namespace

class TestIncCombo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typing_data();
    void typing();
    void listKeys_data();
    void listKeys();
    void programChanges_data();
    void programChanges();
    void values();
    void escapeRestoresThenReachesWindow();
    void enterGoesToDefaultButtonOnlyWhenClosed();
    void shortenedTextStaysMatched();
    void newItemOnExit_data();
    void newItemOnExit();
    void raisingChangeHandlerIsShown();
    void freeTextStyle();
    void readOnlyIgnoresEditing();
    void buttonTogglesList();
    void focusExitIgnoresList();
    void accessibleAsAList();
};

void TestIncCombo::typing_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("initial");
    QTest::addColumn<bool>("canBeBlank");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("index");

    const QString nao = QString::fromUtf8("NÃO");
    QTest::newRow("s completes SIM") << kYesNo << -1 << false << 0 << "s" << "SIM" << "IM" << 1;
    QTest::newRow("x after s is ignored") << kYesNo << -1 << false << 0 << "sx" << "SIM" << "IM" << 1;
    QTest::newRow("accented letter any case") << kYesNo << -1 << false << 0 << QString::fromUtf8("n{U:ã}") << nao
                                              << "O" << 0;
    QTest::newRow("key beginning no item") << kYesNo << -1 << false << 0 << "z" << "" << "" << -1;
    QTest::newRow("item's own case kept") << QStringList{"Sim ", QString::fromUtf8("Não")} << -1 << false << 0
                                          << "S" << "Sim " << "im " << 0;
    QTest::newRow("earlier item wins a tie") << kLegalForms << -1 << false << 0 << "soc"
                                             << "SOCIEDADE CIVIL" << "IEDADE CIVIL" << 1;
    QTest::newRow("longer match moves on") << kLegalForms << -1 << false << 0 << "sociedade e"
                                           << "SOCIEDADE EM NOME COLETIVO" << "M NOME COLETIVO" << 2;
    QTest::newRow("backspace searches again") << kLegalForms << -1 << false << 0 << "soc{BS}"
                                              << "SOCIEDADE CIVIL" << "CIEDADE CIVIL" << 1;
    QTest::newRow("backspace back to the earlier item") << kLegalForms << -1 << false << 0
                                                        << "sociedade e{BS}" << "SOCIEDADE CIVIL" << "CIVIL" << 1;
    QTest::newRow("backspace to nothing changes nothing") << kYesNo << -1 << false << 0 << "s{BS}" << "SIM"
                                                           << "IM" << 1;
    QTest::newRow("typing over the whole text") << kYesNo << 1 << false << 0 << "n" << nao << QString::fromUtf8("ÃO")
                                                << 0;
    QTest::newRow("beyond max length ignored") << kLegalForms << -1 << false << 3 << "soci"
                                               << "SOCIEDADE CIVIL" << "IEDADE CIVIL" << 1;
    QTest::newRow("within max length") << kLegalForms << -1 << false << 4 << "soci" << "SOCIEDADE CIVIL"
                                       << "EDADE CIVIL" << 1;
    QTest::newRow("value kept from backspace") << kYesNo << 1 << false << 0 << "{BS}" << "SIM" << "SIM" << 1;
    QTest::newRow("value kept from delete") << kYesNo << 1 << false << 0 << "{DEL}" << "SIM" << "SIM" << 1;
    QTest::newRow("value kept from cut") << kYesNo << 1 << false << 0 << "{CUT}" << "SIM" << "SIM" << 1;
    QTest::newRow("part of an item is never deleted") << kYesNo << -1 << false << 0 << "s{DEL}" << "SIM" << "IM"
                                                      << 1;
    QTest::newRow("may be blank: backspace empties") << kYesNo << 1 << true << 0 << "{BS}" << "" << "" << -1;
    QTest::newRow("may be blank: delete empties") << kYesNo << 1 << true << 0 << "{DEL}" << "" << "" << -1;
    QTest::newRow("empty on entry: emptied again") << kYesNo << -1 << false << 0 << "s{SELALL}{BS}" << ""
                                                   << "" << -1;
    QTest::newRow("empty on entry: deleted again") << kYesNo << -1 << false << 0 << "s{SELALL}{DEL}" << ""
                                                   << "" << -1;
    QTest::newRow("paste completes") << kLegalForms << -1 << false << 0 << "{PASTE:sociedade l}"
                                     << "SOCIEDADE LIMITADA" << "IMITADA" << 3;
    QTest::newRow("paste beginning no item is undone") << kYesNo << 1 << false << 0 << "{PASTE:talvez}" << "SIM"
                                                       << "SIM" << 1;
    QTest::newRow("home only moves the caret") << kYesNo << -1 << false << 0 << "s{HOME}" << "SIM" << "" << 1;
    QTest::newRow("undo changes nothing") << kYesNo << -1 << false << 0 << "s{UNDO}" << "SIM" << "IM" << 1;
}

void TestIncCombo::typing()
{
    QFETCH(QStringList, items);
    QFETCH(int, initial);
    QFETCH(bool, canBeBlank);
    QFETCH(int, maxLength);
    QFETCH(QString, script);
    Form f(items);
    QVERIFY(f.active());
    f.combo->SetCanBeBlank(canBeBlank);
    f.combo->SetMaxLength(maxLength);
    f.combo->SetItemIndex(initial);
    f.enter();
    QVERIFY(f.combo->hasFocus());
    play(f.combo, script);

    QTEST(f.combo->Text(), "text");
    QTEST(f.combo->selectedText(), "selected");
    QTEST(f.combo->ItemIndex(), "index");
}

void TestIncCombo::listKeys_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("open");

    QStringList withExterior = states();
    withExterior << QStringLiteral("EX - EXTERIOR");
    QTest::newRow("down opens, selects nothing") << states() << "{DOWN}" << -1 << true;
    QTest::newRow("open: down selects the best match") << states() << "{DOWN}{DOWN}" << 0 << true;
    QTest::newRow("open: down moves on") << states() << "r{DOWN}{DOWN}" << 19 << true;
    QTest::newRow("open: up stops at the first") << states() << "{DOWN}{DOWN}{UP}{UP}" << 0 << true;
    QTest::newRow("open: page down moves a page less one") << states() << "{DOWN}{DOWN}{PGDN}" << 6 << true;
    QTest::newRow("open: page down stops at the last")
        << withExterior << "{DOWN}{DOWN}{PGDN}{PGDN}{PGDN}{PGDN}{PGDN}" << 27 << true;
    QTest::newRow("enter closes") << states() << "{DOWN}{DOWN}{ENTER}" << 0 << false;
    QTest::newRow("esc closes, choice kept") << states() << "r{DOWN}{DOWN}{ESC}" << 19 << false;
    QTest::newRow("typing while open") << states() << "{DOWN}sp" << 25 << true;
}

void TestIncCombo::listKeys()
{
    QFETCH(QStringList, items);
    QFETCH(QString, script);
    Form f(items);
    QVERIFY(f.active());
    QSignalSpy accepted(&f.window, &QDialog::accepted);
    QSignalSpy rejected(&f.window, &QDialog::rejected);
    f.enter();
    play(f.combo, script);

    QTEST(f.combo->ItemIndex(), "index");
    QTEST(f.combo->DroppedDown(), "open");
    QVERIFY(f.combo->hasFocus());
    // Enter and Esc that close the list go no further.
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 0);
}

void TestIncCombo::programChanges_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("changes"); // text|index seen by each OnChange

    const QString nao = QString::fromUtf8("NÃO");
    QTest::newRow("0 1 1 -1 -1") << "i0 i1 i1 i-1 i-1" << QStringList{nao + "|0", "SIM|1", "|-1"};
    QTest::newRow("beyond the last is ignored") << "i1 i2 i9" << QStringList{"SIM|1"};
    QTest::newRow("-1 when already empty") << "i-1" << QStringList{};
    QTest::newRow("-1 clears a text set from code") << "tabc i-1" << QStringList{"abc|-1", "|-1"};
    QTest::newRow("clear empties and deselects") << "i1 c i-1" << QStringList{"SIM|1", "|-1"};
    QTest::newRow("text from code keeps the index") << "i1 tSI tSI" << QStringList{"SIM|1", "SI|1"};
    QTest::newRow("value selects by first column") << "vSIM vxyz" << QStringList{"SIM|1", "|-1"};
    QTest::newRow("value is case sensitive without values") << "vsim" << QStringList{};
}

void TestIncCombo::programChanges()
{
    QFETCH(QString, steps);
    TIncCombo combo;
    combo.SetItems(kYesNo);
    QStringList seen;
    connect(&combo, &TIncCombo::OnChange, &combo,
            [&] { seen << combo.Text() + QLatin1Char('|') + QString::number(combo.ItemIndex()); });
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const QString arg = step.mid(1);
        switch (step.at(0).toLatin1()) {
        case 'i': combo.SetItemIndex(arg.toInt()); break;
        case 't': combo.SetText(arg); break;
        case 'v': combo.SetValue(arg); break;
        case 'c': combo.Clear(); break;
        }
    }
    QTEST(seen, "changes");
}

void TestIncCombo::values()
{
    Form f({QStringLiteral("CPF"), QStringLiteral("CNPJ")});
    QVERIFY(f.active());
    TIncCombo *c = f.combo;
    c->SetValues({QStringLiteral("1-CPF"), QStringLiteral("2-CNPJ")});
    c->SetUseValues(true);
    f.enter();
    play(c, QStringLiteral("cn"));
    QCOMPARE(c->Text(), QStringLiteral("CNPJ"));
    QCOMPARE(c->Value(), QStringLiteral("2-CNPJ"));

    // A value selects its item without regard to case, and is kept as given.
    c->SetValue(QStringLiteral("1-cpf"));
    QCOMPARE(c->ItemIndex(), 0);
    QCOMPARE(c->Text(), QStringLiteral("CPF"));
    QCOMPARE(c->Value(), QStringLiteral("1-cpf"));

    // Values shorter than the items: no value for the item without one.
    c->SetValues({QStringLiteral("1-CPF")});
    c->SetItemIndex(1);
    QCOMPARE(c->Value(), QString());

    c->SetUseValues(false);
    QCOMPARE(c->Value(), QStringLiteral("CNPJ"));
    c->SetItemIndex(-1);
    QCOMPARE(c->Value(), QString());
}

void TestIncCombo::escapeRestoresThenReachesWindow()
{
    Form f(kYesNo);
    QVERIFY(f.active());
    QSignalSpy rejected(&f.window, &QDialog::rejected);
    f.combo->SetItemIndex(1);
    f.enter();
    play(f.combo, QStringLiteral("n"));
    QCOMPARE(f.combo->ItemIndex(), 0);

    play(f.combo, QStringLiteral("{ESC}"));
    QCOMPARE(f.combo->Text(), QStringLiteral("SIM"));
    QCOMPARE(f.combo->selectedText(), QStringLiteral("SIM"));
    QCOMPARE(f.combo->ItemIndex(), 1);
    QCOMPARE(rejected.count(), 0);

    // Unmodified now: the window's cancel takes Esc.
    play(f.combo, QStringLiteral("{ESC}"));
    QCOMPARE(rejected.count(), 1);
}

void TestIncCombo::enterGoesToDefaultButtonOnlyWhenClosed()
{
    Form f(kYesNo);
    QVERIFY(f.active());
    QSignalSpy accepted(&f.window, &QDialog::accepted);
    QSignalSpy closedUp(f.combo, &TIncCombo::OnCloseUp);
    f.enter();
    play(f.combo, QStringLiteral("{DOWN}{ENTER}"));
    QCOMPARE(closedUp.count(), 1);
    QCOMPARE(accepted.count(), 0);
    play(f.combo, QStringLiteral("{ENTER}"));
    QCOMPARE(accepted.count(), 1);
}

void TestIncCombo::shortenedTextStaysMatched()
{
    QStringList items = states();
    items << QStringLiteral("EX - EXTERIOR") << QStringLiteral(" ");
    Form f(items);
    QVERIFY(f.active());
    TIncCombo *c = f.combo;
    // The editor's rule: a chosen "EX - EXTERIOR" shows as "EX".
    connect(c, &TIncCombo::OnChange, c, [c] {
        if (c->ItemIndex() == 27)
            c->SetText(c->Text().left(2));
    });
    QSignalSpy newItem(c, &TIncCombo::OnNewItem);
    f.enter();
    play(c, QStringLiteral("ex"));
    QCOMPARE(c->Text(), QStringLiteral("EX"));
    f.leave();
    QVERIFY(f.after->hasFocus());
    QCOMPARE(newItem.count(), 0);
    QCOMPARE(c->Text(), QStringLiteral("EX"));
    QCOMPARE(c->ItemIndex(), 27);

    // Coming back and leaving again keeps the item chosen.
    f.enter();
    QCOMPARE(c->ItemIndex(), 27);
    f.leave();
    QCOMPARE(c->Text(), QStringLiteral("EX"));
    QCOMPARE(c->ItemIndex(), 27);
}

void TestIncCombo::newItemOnExit_data()
{
    QTest::addColumn<QString>("handler");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("errors");

    QTest::newRow("no handler: entry text back") << "none" << "SIM" << 1 << 0;
    QTest::newRow("connected handler keeps the text") << "signal" << "SIMPLES" << -1 << 0;
    QTest::newRow("raising handler: entry text back") << "raises" << "SIM" << 1 << 1;
}

void TestIncCombo::newItemOnExit()
{
    QFETCH(QString, handler);
    MessageRecorder recorder;
    Form f(kYesNo);
    QVERIFY(f.active());
    TIncCombo *c = f.combo;
    c->SetStyle(csIncSearchEdit);
    c->SetItemIndex(1);
    int calls = 0;
    if (handler == QLatin1String("signal"))
        connect(c, &TIncCombo::OnNewItem, c, [&] { ++calls; });
    if (handler == QLatin1String("raises"))
        connect(c, &TIncCombo::OnNewItem, c, [&] {
            ++calls;
            throw platform::RaisedError(QStringLiteral("Item desconhecido"));
        });
    f.enter();
    play(c, QStringLiteral("{END}PLES"));
    QCOMPARE(c->Text(), QStringLiteral("SIMPLES"));
    QCOMPARE(c->ItemIndex(), -1);
    f.leave();

    QCOMPARE(calls, handler == QLatin1String("none") ? 0 : 1);
    QTEST(c->Text(), "text");
    QTEST(c->ItemIndex(), "index");
    QTEST(int(recorder.messages.size()), "errors");
    if (!recorder.messages.isEmpty())
        QCOMPARE(recorder.last().text, QStringLiteral("Item desconhecido."));
}

void TestIncCombo::raisingChangeHandlerIsShown()
{
    MessageRecorder recorder;
    platform::setApplicationTitle(QStringLiteral("Morvetia 3.1"));
    TIncCombo combo;
    combo.SetItems(kYesNo);
    connect(&combo, &TIncCombo::OnChange, &combo,
            [] { throw platform::RaisedError(QStringLiteral("Regra falhou")); });
    combo.SetItemIndex(1);
    QCOMPARE(combo.Text(), QStringLiteral("SIM"));
    QCOMPARE(recorder.texts(), QStringList{"Regra falhou."});
    QCOMPARE(recorder.last().caption, QStringLiteral("Morvetia 3.1"));
}

void TestIncCombo::freeTextStyle()
{
    Form f(kLegalForms);
    QVERIFY(f.active());
    TIncCombo *c = f.combo;
    c->SetStyle(csIncSearchEdit);
    c->SetCanBeBlank(true);
    f.enter();
    play(c, QStringLiteral("soc"));
    QCOMPARE(c->Text(), QStringLiteral("SOCIEDADE CIVIL"));
    QCOMPARE(c->selectedText(), QStringLiteral("IEDADE CIVIL"));
    // A text that begins no item stays as typed, with nothing selected.
    play(c, QStringLiteral("x"));
    QCOMPARE(c->Text(), QStringLiteral("SOCx"));
    QCOMPARE(c->ItemIndex(), -1);
    // Backspace edits as in a plain field, without completing again.
    play(c, QStringLiteral("{BS}{BS}"));
    QCOMPARE(c->Text(), QStringLiteral("SO"));
    QCOMPARE(c->selectedText(), QString());
    play(c, QStringLiteral("{SELALL}{DEL}"));
    QCOMPARE(c->Text(), QString());
    QCOMPARE(c->ItemIndex(), -1);
}

void TestIncCombo::readOnlyIgnoresEditing()
{
    Form f(kYesNo);
    QVERIFY(f.active());
    f.combo->SetReadOnly(true);
    f.combo->SetCanBeBlank(true);
    f.combo->SetItemIndex(1);
    f.enter();
    play(f.combo, QStringLiteral("n{BS}{DEL}{PASTE:NÃO}{DOWN}{DOWN}"));
    QCOMPARE(f.combo->Text(), QStringLiteral("SIM"));
    QCOMPARE(f.combo->ItemIndex(), 1);
}

void TestIncCombo::buttonTogglesList()
{
    Form f(kYesNo);
    QVERIFY(f.active());
    TIncCombo *c = f.combo;
    QSignalSpy dropDown(c, &TIncCombo::OnDropDown);
    QSignalSpy closeUp(c, &TIncCombo::OnCloseUp);
    const QRect button = c->ButtonRect();
    QVERIFY(button.isValid());
    QVERIFY(button.right() < c->width() && button.left() > c->width() / 2);

    QTest::mouseClick(c, Qt::LeftButton, {}, button.center());
    QVERIFY(c->hasFocus());
    QVERIFY(c->DroppedDown());
    QCOMPARE(dropDown.count(), 1);
    QTest::mouseClick(c, Qt::LeftButton, {}, button.center());
    QVERIFY(!c->DroppedDown());
    QCOMPARE(closeUp.count(), 1);

    // A press elsewhere acts as in a text field.
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
    QVERIFY(!c->DroppedDown());

    c->SetShowComboButton(scNever);
    QVERIFY(c->ButtonRect().isEmpty());
    c->SetShowComboButton(scFocused);
    QVERIFY(!c->ButtonRect().isEmpty()); // it has the focus
    f.leave();
    QVERIFY(c->ButtonRect().isEmpty());
}

void TestIncCombo::focusExitIgnoresList()
{
    Form f(states());
    QVERIFY(f.active());
    int exits = 0;
    platform::FocusExit::bind(f.combo, [&] { ++exits; });
    f.enter();
    play(f.combo, QStringLiteral("{DOWN}"));
    QVERIFY(f.combo->DroppedDown());
    QVERIFY(f.combo->DropDownList()->isVisible());
    QCOMPARE(exits, 0);
    play(f.combo, QStringLiteral("{DOWN}{DOWN}"));
    QCOMPARE(f.combo->ItemIndex(), 1);
    // Tab closes the list and leaves the field like any other.
    f.leave();
    QVERIFY(!f.combo->DroppedDown());
    QVERIFY(f.after->hasFocus());
    QCOMPARE(exits, 1);
    QCOMPARE(f.combo->Text(), QStringLiteral("AL"));
}

void TestIncCombo::accessibleAsAList()
{
    Form f(kYesNo);
    QVERIFY(f.active());
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(f.combo);
    QVERIFY(a);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("UF:"));
    QCOMPARE(a->role(), QAccessible::ComboBox);
    QCOMPARE(a->childCount(), 2);
    QCOMPARE(a->child(1)->text(QAccessible::Name), QStringLiteral("SIM"));
    f.combo->SetItemIndex(1);
    QCOMPARE(a->text(QAccessible::Value), QStringLiteral("SIM"));
    QVERIFY(a->child(1)->state().selected && !a->child(0)->state().selected);
    QVERIFY(a->actionInterface()->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    // Alt plus the label's mnemonic reaches the combo; Alt+Down opens its list.
    f.before->setFocus();
    QTest::keyClick(&f.window, Qt::Key_U, Qt::AltModifier);
    QVERIFY(f.combo->hasFocus());
    QTest::keyClick(f.combo, Qt::Key_Down, Qt::AltModifier);
    QVERIFY(f.combo->DroppedDown() && a->state().expanded);
}

QTEST_MAIN(TestIncCombo)
#include "test_inccombo.moc"
