#include "editors/common/FieldValues.h"
#include "printing/TagFill.h"
#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

#include <memory>

using namespace printing;
using editors::FieldValues;
using widgets::FieldKind;

namespace {

const QString kPlaceholder = QStringLiteral("AAAAAAAA");
const QStringList kTreatments{QStringLiteral("Incluir"), QStringLiteral("Alterar"), QStringLiteral("Excluir")};
const QStringList kTreatmentValues{QStringLiteral("1-Incluir"), QStringLiteral("2-Alterar"),
                                   QStringLiteral("3-Excluir")};

TextLabel dataLabel(int tag)
{
    TextLabel l;
    l.tag = tag;
    l.text = kPlaceholder;
    l.box = QRectF(0, 0, 50, 4);
    return l;
}

} // namespace

// An editor's tagged controls, one of each kind and state the tag fill meets.
class FakeEditor {
public:
    FakeEditor()
    {
        auto *text = new QLineEdit(&window);
        text->setText(QStringLiteral("  Fazenda Boa Vista  "));
        add(1, FieldKind::Text, text);
        add(2, FieldKind::Masked, masked(QStringLiteral("999.999.999-99;1; "), QString()));
        add(3, FieldKind::Masked, masked(QStringLiteral("!99/99/9999;1; "), QString()));
        add(4, FieldKind::Masked, masked(QStringLiteral("!99999-999;1; "), QStringLiteral("12345678")));
        add(5, FieldKind::Masked, masked(QStringLiteral("!(99)9999-9999;1; "), QString()));
        add(6, FieldKind::Masked, masked(QStringLiteral("!999.999.99-9;0; "), QStringLiteral("123456789")));
        auto *rich = new QTextEdit(&window);
        rich->setPlainText(QStringLiteral("primeira linha\nsegunda linha"));
        add(7, FieldKind::RichText, rich);
        add(8, FieldKind::Combo, combo(kTreatments, kTreatmentValues, true, -1));
        add(9, FieldKind::Combo, combo(kTreatments, kTreatmentValues, true, 1));
        add(10, FieldKind::Combo, combo({QStringLiteral("AC"), QStringLiteral("SP")}, {}, false, 1));
        add(11, FieldKind::Combo, combo(kTreatments, kTreatmentValues.mid(0, 2), true, 2));
        add(12, FieldKind::Combo, combo({QStringLiteral("AC"), QStringLiteral("SP")}, {}, false, -1));
        add(13, FieldKind::Other, new QLabel(QStringLiteral("rótulo"), &window));
        // The search stops at the first control with the Tag, whatever its kind.
        add(14, FieldKind::Other, new QLabel(QStringLiteral("painel"), &window));
        auto *second = new QLineEdit(&window);
        second->setText(QStringLiteral("nunca"));
        add(14, FieldKind::Text, second);
    }

    QWidget window;
    widgets::TaggedFields fields;

private:
    void add(int tag, FieldKind kind, QWidget *widget) { fields.append({tag, kind, widget}); }

    widgets::TMaskEdit *masked(const QString &mask, const QString &text)
    {
        auto *edit = new widgets::TMaskEdit(&window);
        edit->SetEditMask(mask);
        if (!text.isEmpty())
            edit->SetText(text);
        return edit;
    }

    widgets::TIncCombo *combo(const QStringList &items, const QStringList &values, bool useValues, int index)
    {
        auto *c = new widgets::TIncCombo(&window);
        c->SetItems(items);
        c->SetValues(values);
        c->SetUseValues(useValues);
        c->SetItemIndex(index);
        return c;
    }
};

class TestTagFill : public QObject {
    Q_OBJECT
private slots:
    void dataLabelTakesControlValue_data();
    void dataLabelTakesControlValue();
    void shapePensFollowTheirTags();

private:
    FakeEditor m_editor;
};

void TestTagFill::dataLabelTakesControlValue_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("printed");

    QTest::newRow("text, unchanged") << 1 << "  Fazenda Boa Vista  ";
    QTest::newRow("empty CPF keeps literals") << 2 << "   .   .   -  ";
    QTest::newRow("empty date keeps literals") << 3 << "  /  /    ";
    QTest::newRow("postcode with literals") << 4 << "12345-678";
    QTest::newRow("empty telephone keeps literals") << 5 << "(  )    -    ";
    QTest::newRow("mask without literals") << 6 << "123456789";
    QTest::newRow("rich text lines as CR LF") << 7 << "primeira linha\r\nsegunda linha";
    QTest::newRow("coded combo, nothing chosen") << 8 << "";
    QTest::newRow("coded combo, chosen") << 9 << "2-Alterar";
    QTest::newRow("plain combo shows its text") << 10 << "SP";
    QTest::newRow("coded combo, no value at index") << 11 << "";
    QTest::newRow("plain combo, nothing chosen") << 12 << "";
    QTest::newRow("other kind keeps layout text") << 13 << kPlaceholder;
    QTest::newRow("first match wins") << 14 << kPlaceholder;
    QTest::newRow("no control keeps layout text") << 99 << kPlaceholder;
}

void TestTagFill::dataLabelTakesControlValue()
{
    QFETCH(int, tag);
    QFETCH(QString, printed);
    Layout layout;
    layout.bands = {Band{BandKind::Title, 10.0, false, {dataLabel(tag)}}};
    const FieldValues values(m_editor.fields);
    tagFill(layout, [&values](int t) { return values.valueOf(t); });
    QCOMPARE(std::get<TextLabel>(layout.bands.first().elements.first()).text, printed);
}

void TestTagFill::shapePensFollowTheirTags()
{
    auto shape = [](int tag, int pen) {
        Shape s;
        s.tag = tag;
        s.penWidth = pen;
        return s;
    };
    TextLabel caption = dataLabel(0);
    Layout layout;
    layout.bands = {Band{BandKind::Title, 10.0, false, {shape(-1, 1), shape(-2, 2), shape(0, 1), shape(-3, 1), caption}}};
    bool asked = false;
    tagFill(layout, [&asked](int) {
        asked = true;
        return std::optional<QString>();
    });
    const QList<Element> &e = layout.bands.first().elements;
    QCOMPARE(std::get<Shape>(e.at(0)).penWidth, 2);
    QCOMPARE(std::get<Shape>(e.at(1)).penWidth, 1);
    QCOMPARE(std::get<Shape>(e.at(2)).penWidth, 1);
    QCOMPARE(std::get<Shape>(e.at(3)).penWidth, 1);
    // A caption (Tag 0) is no data label.
    QVERIFY(!asked);
    QCOMPARE(std::get<TextLabel>(e.at(4)).text, kPlaceholder);
}

QTEST_MAIN(TestTagFill)
#include "test_tagfill.moc"
