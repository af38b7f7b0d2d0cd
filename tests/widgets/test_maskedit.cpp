#include "widgets/MaskEdit.h"
#include "platform/FocusExit.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using widgets::TMaskEdit;

namespace {
const QString kCpf = QStringLiteral("!999.999.999-99;1; ");
const QString kCpfDigits = QStringLiteral("!999.999.999-99;0; ");
const QString kCnpjDigits = QStringLiteral("!99.999.999/9999-99;0; ");
const QString kDate = QStringLiteral("!99/99/9999;1; ");
const QString kPhone = QStringLiteral("!(99)9999-9999;1; ");
const QString kCrc = QStringLiteral("ll-999999/l;1; ");
const QString kFullCpf = QStringLiteral("123.456.789-09");

// A shown, active window: a field before, the titled masked field, a field after.
struct Form {
    QWidget window;
    QLineEdit *before = new QLineEdit(&window);
    QLabel *title = new QLabel(QStringLiteral("&CPF"), &window);
    TMaskEdit *edit = new TMaskEdit(&window);
    QLineEdit *after = new QLineEdit(&window);

    explicit Form(const QString &mask, const QString &value = {})
    {
        auto *layout = new QVBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(before), static_cast<QWidget *>(title),
                           static_cast<QWidget *>(edit), static_cast<QWidget *>(after)})
            layout->addWidget(w);
        title->setBuddy(edit);
        edit->SetEditMask(mask);
        edit->SetText(value);
        window.show();
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }
    void tabIn()
    {
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
    }
    bool active = false;
};
} // namespace

class TestMaskEdit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyboard_data();
    void keyboard();
    void clickEntryStartsAtFirstBlank_data();
    void clickEntryStartsAtFirstBlank();
    void clipboard();
    void switchMask_data();
    void switchMask();
    void emptyAfterClear_data();
    void emptyAfterClear();
    void changedFollowsText();
    void plainFieldLimitsTypingOnly();
    void bypassGoesThroughMask();
    void exitRunsOnTabAndTitleNamesField();
};

// keys: plain strings are typed; "<...>" is a key sequence.
void TestMaskEdit::keyboard_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("caret"); // -1: entered by Tab
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("cpf") << kCpf << "" << -1 << QStringList{"12345678909"} << kFullCpf;
    QTest::newRow("cpf digits only") << kCpfDigits << "" << -1 << QStringList{"12345678909"} << "12345678909";
    QTest::newRow("letters refused") << kCpf << "" << -1 << QStringList{"1a2b3c"} << "123.   .   -  ";
    QTest::newRow("extra digits refused") << kCpf << "" << -1 << QStringList{"123456789091234"} << kFullCpf;
    QTest::newRow("date") << kDate << "" << -1 << QStringList{"12052024"} << "12/05/2024";
    QTest::newRow("date with slashes") << kDate << "" << -1 << QStringList{"12/05/2024"} << "12/05/2024";
    QTest::newRow("crc") << kCrc << "" << -1 << QStringList{"1sp123456o"} << "sp-123456/o";
    QTest::newRow("no mask") << "" << "" << -1 << QStringList{"a b/c"} << "a b/c";
    QTest::newRow("tab entry types over") << kCpf << kFullCpf << -1 << QStringList{"9"} << "9  .   .   -  ";
    QTest::newRow("backspace blanks") << kCpf << kFullCpf << 14 << QStringList{"<Backspace>"} << "123.456.789-0 ";
    QTest::newRow("backspace over literal") << kCpf << kFullCpf << 14
                                            << QStringList{"<Backspace>", "<Backspace>", "<Backspace>"}
                                            << "123.456.78 -  ";
    QTest::newRow("delete blanks") << kCpf << kFullCpf << 0 << QStringList{"<Del>"} << " 23.456.789-09";
    QTest::newRow("delete on literal") << kCpf << kFullCpf << 3 << QStringList{"<Del>"} << "123. 56.789-09";
    QTest::newRow("overwrite") << kDate << "12/05/2024" << 3 << QStringList{"06"} << "12/06/2024";
    QTest::newRow("selection blanked") << kDate << "12/05/2024" << 10
                                       << QStringList{"<Shift+Home>", "<Backspace>"} << "  /  /    ";
    QTest::newRow("undo ignored") << kDate << "" << -1 << QStringList{"12", "<Ctrl+Z>"} << "12/  /    ";
}

void TestMaskEdit::keyboard()
{
    QFETCH(QString, mask);
    QFETCH(QString, value);
    QFETCH(int, caret);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    Form form(mask, value);
    QVERIFY(form.active);
    if (caret < 0) {
        form.tabIn();
    } else {
        form.edit->setFocus();
        form.edit->setCursorPosition(caret);
    }
    QVERIFY(form.edit->hasFocus());
    for (const QString &k : keys) {
        if (k.startsWith(QLatin1Char('<')))
            QTest::keySequence(form.edit, QKeySequence(k.mid(1, k.size() - 2)));
        else
            QTest::keyClicks(form.edit, k);
    }
    QCOMPARE(form.edit->Text(), text);
    if (!form.edit->Mask().keepsLiterals())
        QCOMPARE(form.edit->QLineEdit::text(), form.edit->Mask().editTextFor(text));
}

void TestMaskEdit::clickEntryStartsAtFirstBlank_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "" << "05/12/    ";
    QTest::newRow("day filled") << "31/" << "31/05/12  ";
}

void TestMaskEdit::clickEntryStartsAtFirstBlank()
{
    QFETCH(QString, value);
    QFETCH(QString, text);
    Form form(kDate, value);
    QVERIFY(form.active);
    form.before->setFocus();
    QTest::mouseClick(form.edit, Qt::LeftButton, {}, QPoint(form.edit->width() - 4, form.edit->height() / 2));
    QVERIFY(form.edit->hasFocus());
    QTest::keyClicks(form.edit, "0512");
    QCOMPARE(form.edit->Text(), text);
}

void TestMaskEdit::clipboard()
{
    Form form(kPhone);
    QVERIFY(form.active);
    form.tabIn();
    QGuiApplication::clipboard()->setText("(61) 3333-4444");
    QTest::keySequence(form.edit, QKeySequence::Paste);
    QCOMPARE(form.edit->Text(), "(61)3333-4444");

    form.edit->selectAll();
    QTest::keySequence(form.edit, QKeySequence::Cut);
    QCOMPARE(form.edit->Text(), "(  )    -    ");
    QCOMPARE(QGuiApplication::clipboard()->text(), "(61)3333-4444");

    // The context menu's Paste goes through the mask as well.
    QGuiApplication::clipboard()->setText("(61) 3333-4444");
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2), form.edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.edit, &menuEvent);
    auto *menu = form.edit->findChild<QMenu *>();
    QVERIFY(menu);
    auto *paste = menu->findChild<QAction *>("edit-paste");
    QVERIFY(paste && menu->actions().contains(paste));
    paste->trigger();
    menu->close();
    QCOMPARE(form.edit->Text(), "(61)3333-4444");
}

void TestMaskEdit::switchMask_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("none to cpf, empty") << "" << "" << kCpf << "   .   .   -  " << "   .   .   -  ";
    QTest::newRow("cpf to cnpj, empty") << kCpfDigits << "" << kCnpjDigits << "" << "  .   .   /    -  ";
    QTest::newRow("cnpj to none, empty") << kCnpjDigits << "" << "" << "" << "";
    QTest::newRow("cpf digits into cnpj") << kCpfDigits << "12345678909" << kCnpjDigits << "12345678909"
                                          << "  . 12.345/6789-09";
    QTest::newRow("cpf to none") << kCpfDigits << "12345678909" << "" << "12345678909" << "12345678909";
    QTest::newRow("plain text to cpf") << "" << kFullCpf << kCpfDigits << "12345678909" << kFullCpf;
    QTest::newRow("date to none") << kDate << "12/05/2024" << "" << "12052024" << "12052024";
}

void TestMaskEdit::switchMask()
{
    QFETCH(QString, from);
    QFETCH(QString, value);
    QFETCH(QString, to);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    TMaskEdit edit;
    edit.SetEditMask(from);
    edit.SetText(value);
    edit.SetEditMask(to);
    QCOMPARE(edit.EditMask(), to);
    QCOMPARE(edit.Text(), text);
    QCOMPARE(edit.QLineEdit::text(), shown);
}

void TestMaskEdit::emptyAfterClear_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("text");
    QTest::newRow("cpf") << kCpf << "   .   .   -  ";
    QTest::newRow("cnpj digits") << kCnpjDigits << "";
    QTest::newRow("date") << kDate << "  /  /    ";
    QTest::newRow("crc") << kCrc << "  -      / ";
    QTest::newRow("no mask") << "" << "";
}

void TestMaskEdit::emptyAfterClear()
{
    QFETCH(QString, mask);
    QFETCH(QString, text);
    TMaskEdit edit;
    edit.SetEditMask(mask);
    QCOMPARE(edit.Text(), text);
    edit.SetText("12345678901234");
    QVERIFY(edit.Text() != text);
    edit.Clear();
    QCOMPARE(edit.Text(), text);
}

void TestMaskEdit::changedFollowsText()
{
    Form form("");
    QVERIFY(form.active);
    QSignalSpy changed(form.edit, &TMaskEdit::Changed);
    form.edit->SetEditMask(kDate); // "" becomes "  /  /    "
    QCOMPARE(changed.count(), 1);
    form.tabIn();
    QTest::keyClicks(form.edit, "1x2");
    QCOMPARE(changed.count(), 3);
    form.edit->SetText("12/  /    ");
    form.edit->SetEditMask(kDate);
    QCOMPARE(changed.count(), 3);
    form.edit->Clear();
    QCOMPARE(changed.count(), 4);
    form.edit->SetEditMask("");
    QCOMPARE(changed.count(), 5);
    QTest::keyClicks(form.edit, "ab");
    QCOMPARE(changed.count(), 7);
}

void TestMaskEdit::plainFieldLimitsTypingOnly()
{
    Form form("");
    QVERIFY(form.active);
    form.edit->SetMaxLength(5);
    form.tabIn();
    QTest::keyClicks(form.edit, "abcdefg");
    QCOMPARE(form.edit->Text(), "abcde");
    form.edit->SetText("abcdefgh"); // a stored value is never cut
    QCOMPARE(form.edit->Text(), "abcdefgh");
    form.edit->Clear();
    form.edit->SetMaxLength(0);
    const QString longText(60, QLatin1Char('x'));
    QTest::keyClicks(form.edit, longText);
    QCOMPARE(form.edit->Text(), longText);
}

void TestMaskEdit::bypassGoesThroughMask()
{
    TMaskEdit edit;
    edit.SetEditMask(kCpf);
    QLineEdit &plain = edit;
    plain.setText("12345678909");
    QCOMPARE(edit.Text(), kFullCpf);
    plain.clear();
    QCOMPARE(edit.Text(), "   .   .   -  ");
}

void TestMaskEdit::exitRunsOnTabAndTitleNamesField()
{
    Form form(kCpf);
    QVERIFY(form.active);
    int exits = 0;
    platform::FocusExit::bind(form.edit, [&exits] { ++exits; });
    form.tabIn();
    QCOMPARE(exits, 0);
    QTest::keyClick(form.edit, Qt::Key_Tab);
    QCOMPARE(exits, 1);
    QVERIFY(form.after->hasFocus());

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(form.edit);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), "CPF");
    QTest::keyClick(&form.window, Qt::Key_C, Qt::AltModifier);
    QVERIFY(form.edit->hasFocus());
}

QTEST_MAIN(TestMaskEdit)
#include "test_maskedit.moc"
