#include "widgets/MaskModel.h"

#include <QTest>

using widgets::MaskModel;

namespace {
const QString kCpf = QStringLiteral("!999.999.999-99;1; ");
const QString kCpfDigits = QStringLiteral("!999.999.999-99;0; ");
const QString kCnpj = QStringLiteral("!99.999.999/9999-99;1; ");
const QString kCnpjDigits = QStringLiteral("!99.999.999/9999-99;0; ");
const QString kDate = QStringLiteral("!99/99/9999;1; ");
const QString kCep = QStringLiteral("!99999-999;1; ");
const QString kPhone = QStringLiteral("!(99)9999-9999;1; ");
const QString kPhoneLong = QStringLiteral("!(9999)99999999;1; ");
const QString kIe = QStringLiteral("!999.999.99-9;1; ");
const QString kIeDigits = QStringLiteral("!999.999.99-9;0; ");
const QString kJunta = QStringLiteral("99999999999;1; ");
const QString kCpfTrailing = QStringLiteral("999.999.999-99;0; ");
const QString kCrc = QStringLiteral("ll-999999/l;1; ");
} // namespace

class TestMaskModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyField_data();
    void emptyField();
    void setThroughMask_data();
    void setThroughMask();
    void typedText_data();
    void typedText();
    void notation_data();
    void notation();
    void paste_data();
    void paste();
};

void TestMaskModel::emptyField_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("cpf") << kCpf << "   .   .   -  " << "   .   .   -  ";
    QTest::newRow("cpf digits") << kCpfDigits << "   .   .   -  " << "";
    QTest::newRow("cnpj") << kCnpj << "  .   .   /    -  " << "  .   .   /    -  ";
    QTest::newRow("cnpj digits") << kCnpjDigits << "  .   .   /    -  " << "";
    QTest::newRow("date") << kDate << "  /  /    " << "  /  /    ";
    QTest::newRow("cep") << kCep << "     -   " << "     -   ";
    QTest::newRow("phone") << kPhone << "(  )    -    " << "(  )    -    ";
    QTest::newRow("phone long") << kPhoneLong << "(    )        " << "(    )        ";
    QTest::newRow("ie") << kIe << "   .   .  - " << "   .   .  - ";
    QTest::newRow("ie digits") << kIeDigits << "   .   .  - " << "";
    QTest::newRow("junta") << kJunta << "           " << "           ";
    QTest::newRow("crc") << kCrc << "  -      / " << "  -      / ";
    QTest::newRow("no mask") << "" << "" << "";
}

void TestMaskModel::emptyField()
{
    QFETCH(QString, mask);
    QFETCH(QString, shown);
    QFETCH(QString, text);
    const MaskModel model(mask);
    QCOMPARE(model.emptyEditText(), shown);
    QCOMPARE(model.text(model.emptyEditText()), text);
    QCOMPARE(model.editTextFor(QString()), shown);
}

// A value set through the mask, and what the field then gives back.
void TestMaskModel::setThroughMask_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("withLiterals");
    QTest::addColumn<QString>("withoutLiterals");
    QTest::newRow("cpf formatted") << kCpf << "123.456.789-09" << "123.456.789-09" << "12345678909";
    QTest::newRow("cpf digits into ;1") << kCpf << "12345678909" << "123.456.789-09" << "12345678909";
    QTest::newRow("cpf cut short") << kCpf << "123.456" << "123.456.   -  " << "123456     ";
    QTest::newRow("cpf too long") << kCpf << "123456789012345" << "123.456.789-01" << "12345678901";
    QTest::newRow("cpf letter blanks") << kCpf << "12a.456.789-09" << "12 .456.789-09" << "12 45678909";
    QTest::newRow("cpf short fills right") << kCpf << "909" << "   .   .  9-09" << "909";
    QTest::newRow("cpf short fills left") << kCpfTrailing << "123" << "123.   .   -  " << "123";
    QTest::newRow("cpf literals into ;0") << kCpfDigits << "123.456.789-09" << "123.456.789-09" << "12345678909";
    QTest::newRow("cnpj formatted") << kCnpj << "11.222.333/0001-81" << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("cnpj digits") << kCnpjDigits << "11222333000181" << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("date") << kDate << "12/05/2024" << "12/05/2024" << "12052024";
    QTest::newRow("date digits") << kDate << "12052024" << "12/05/2024" << "12052024";
    QTest::newRow("date unpadded") << kDate << "1/2/2024" << "1 /2 /2024" << "1 2 2024";
    QTest::newRow("date of blanks") << kDate << "  /  /    " << "  /  /    " << "";
    QTest::newRow("cep") << kCep << "70000000" << "70000-000" << "70000000";
    QTest::newRow("phone") << kPhone << "(61)3333-4444" << "(61)3333-4444" << "6133334444";
    QTest::newRow("phone digits") << kPhone << "6133334444" << "(61)3333-4444" << "6133334444";
    QTest::newRow("phone long") << kPhoneLong << "006133334444" << "(0061)33334444" << "006133334444";
    QTest::newRow("ie") << kIe << "123456789" << "123.456.78-9" << "123456789";
    QTest::newRow("ie digits") << kIeDigits << "123.456.78-9" << "123.456.78-9" << "123456789";
    QTest::newRow("junta") << kJunta << "123" << "123        " << "123";
    QTest::newRow("crc") << kCrc << "SP-123456/O" << "SP-123456/O" << "SP123456O";
    QTest::newRow("crc entered only") << kCrc << "sp123456o" << "sp-123456/o" << "sp123456o";
    QTest::newRow("crc digit in letter") << kCrc << "12-123456/3" << "  -123456/ " << "  123456";
}

void TestMaskModel::setThroughMask()
{
    QFETCH(QString, mask);
    QFETCH(QString, value);
    QFETCH(QString, withLiterals);
    QFETCH(QString, withoutLiterals);
    const MaskModel model(mask);
    const QString edit = model.editTextFor(value);
    QCOMPARE(model.textWithLiterals(edit), withLiterals);
    QCOMPARE(model.textWithoutLiterals(edit), withoutLiterals);
    const QString text = model.keepsLiterals() ? withLiterals : withoutLiterals;
    QCOMPARE(model.text(edit), text);
    // What the field gives is what a record stores: setting it again changes nothing.
    QCOMPARE(model.editTextFor(text), edit);
}

// Texts as typed, also with gaps; "!" decides which run of blanks the digits-only text drops.
void TestMaskModel::typedText_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("start typed, ;1") << kCpf << "123.   .   -  " << "123.   .   -  ";
    QTest::newRow("start typed, !;0") << kCpfDigits << "123.   .   -  " << "123        ";
    QTest::newRow("end typed, !;0") << kCpfDigits << "   .   .  9-09" << "909";
    QTest::newRow("start typed, ;0") << kCpfTrailing << "123.   .   -  " << "123";
    QTest::newRow("end typed, ;0") << kCpfTrailing << "   .   .  9-09" << "        909";
    QTest::newRow("gap, !;0") << kIeDigits << "1 3.   .  - " << "1 3      ";
    QTest::newRow("full") << kCnpjDigits << "11.222.333/0001-81" << "11222333000181";
    QTest::newRow("no mask") << "" << " free text " << " free text ";
}

void TestMaskModel::typedText()
{
    QFETCH(QString, mask);
    QFETCH(QString, shown);
    QFETCH(QString, text);
    const MaskModel model(mask);
    QCOMPARE(model.text(shown), text);
    QCOMPARE(model.editTextFor(text), shown);
}

void TestMaskModel::notation_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text");
    QTest::newRow("required, upper") << ">LL-0000;1;_" << "ab1234" << "AB-1234" << "AB-1234";
    QTest::newRow("required missing") << ">LL-0000;1;_" << "ab12" << "AB-12__" << "AB-12  ";
    QTest::newRow("lower then off") << "<ll<>l;1; " << "ABC" << "abC" << "abC";
    QTest::newRow("escaped literal") << "\\99;1; " << "5" << "95" << "95";
    QTest::newRow("literal blank") << "99_99;1; " << "1234" << "12 34" << "12 34";
    QTest::newRow("no sections") << "999" << "1" << "1__" << "1  ";
    QTest::newRow("own blank, ;0") << "aaa;0;*" << "a1" << "a1*" << "a1";
    QTest::newRow("sign") << "#99;1; " << "-12" << "-12" << "-12";
    QTest::newRow("any character") << "CC;0; " << "%" << "% " << "%";
}

void TestMaskModel::notation()
{
    QFETCH(QString, mask);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QFETCH(QString, text);
    const MaskModel model(mask);
    const QString edit = model.editTextFor(value);
    QCOMPARE(edit, shown);
    QCOMPARE(model.text(edit), text);
}

void TestMaskModel::paste_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caretAfter");
    QTest::newRow("formatted cpf") << kCpf << "" << 0 << "123.456.789-09" << "123.456.789-09" << 14;
    QTest::newRow("spaced cpf") << kCpf << "" << 0 << "123 456 789 09" << "123.456.789-09" << 14;
    QTest::newRow("phone as written") << kPhone << "" << 0 << "(61) 3333-4444" << "(61)3333-4444" << 13;
    QTest::newRow("rest of a date") << kDate << "12/" << 3 << "05/2024" << "12/05/2024" << 10;
    QTest::newRow("letters dropped") << kCep << "" << 0 << "7a0b0" << "700  -   " << 3;
}

void TestMaskModel::paste()
{
    QFETCH(QString, mask);
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    QFETCH(int, caretAfter);
    const MaskModel model(mask);
    QString edit = model.editTextFor(before);
    QCOMPARE(model.paste(edit, caret, pasted), caretAfter);
    QCOMPARE(model.text(edit), text);
}

QTEST_APPLESS_MAIN(TestMaskModel)
#include "test_maskmodel.moc"
