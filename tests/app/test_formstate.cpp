#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/SavedForm.h"
#include "editors/common/EditorBase.h"
#include "editors/common/FieldTable.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// What the whole-form check and the print read of a filled form: every field's text and
// whether it is open, every print value, and the form's problems.
QStringList readingOf(const editors::FilledForm &form)
{
    QStringList out;
    for (const editors::FieldRow &row : form.rows) {
        out << QStringLiteral("%1 %2 %3").arg(row.control, form.fields.isOpen(row.control) ? "open" : "closed",
                                               form.fields.shownText(row.control));
        if (row.tag > 0)
            out << QStringLiteral("print %1 %2").arg(row.tag).arg(form.printCopy.values(row.tag).value_or("-"));
    }
    for (const editors::Pendencia &p : editors::checkWholeForm(form))
        out << QStringLiteral("problem %1|%2|%3|%4").arg(p.control, p.field, p.page, p.message);
    return out;
}

// A record made from a golden one: lines dropped, repeated or moved, values replaced by
// what a damaged or hand-edited file may hold.
QStringList shaken(QStringList lines, QRandomGenerator &random)
{
    const QStringList values{"", " ", "0", "1", "2", "3", "-1", "12", "99", "abc", "12345678909", "11444777000162",
                             "123", "31/02/2019", "12/05/2020", "  /  /    ", "1234567890123456789", "Ção ÁÉ",
                             QString(90, 'M'), "000.000.000-00"};
    QStringList out;
    for (const QString &line : lines) {
        const quint32 roll = random.bounded(10);
        if (roll == 0)
            continue;
        const QString tag = line.section(' ', 0, 0);
        if (tag.isEmpty()) {
            out << line;
            continue;
        }
        out << (roll < 5 ? tag + ' ' + values.at(random.bounded(int(values.size()))) : line);
        if (roll == 9)
            out.insert(random.bounded(int(out.size())), out.last());
    }
    // A list's line after the field it rules, or before it again.
    if (random.bounded(2) == 0)
        std::shuffle(out.begin(), out.end(), random);
    return out;
}

} // namespace

// A saved form read without a window reads as it does in its editor: the same fields
// open, the same texts and print values, the same problems.
class TestFormState : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsAsItsEditor_data();
    void readsAsItsEditor();
};

void TestFormState::readsAsItsEditor_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("golden");
    QTest::newRow("FAC, full") << "FAC" << "Fac_cheia";
    QTest::newRow("FAC, new") << "FAC" << "Fac_nova";
    QTest::newRow("FCA") << "FCA" << "Fca_1";
    QTest::newRow("FAS") << "FAS" << "Fas_1";
    QTest::newRow("FACA") << "FACA" << "Faca_1";
}

void TestFormState::readsAsItsEditor()
{
    QFETCH(QString, form);
    QFETCH(QString, golden);
    QTemporaryDir dir;
    const QStringList lines = testsupport::goldenLines(golden);
    QVERIFY(lines.size() > 30);
    app::FormArgs args;
    QCOMPARE(app::parseFormArgs({form, "1", "--pasta", dir.path()}, {}, &args), QString());
    MessageRecorder recorder;
    QRandomGenerator random(29);
    for (int run = 0; run < 300; ++run) {
        const QStringList record = run == 0 ? lines : shaken(lines, random);
        testsupport::writeSavedForm(dir.path(), form, record);
        app::SavedForm inEditor;
        app::SavedForm without;
        const QString opened = inEditor.open(args, app::SavedForm::Reading::InEditor);
        QCOMPARE(without.open(args), opened);
        if (!opened.isEmpty())
            continue;
        QVERIFY(inEditor.editor() && !without.editor());
        const QStringList expected = readingOf(inEditor.filled());
        const QStringList actual = readingOf(without.filled());
        if (actual != expected)
            qWarning().noquote() << "record:" << record.join(" | ");
        QCOMPARE(actual, expected);
    }
    QVERIFY(recorder.messages.isEmpty());
}

QTEST_MAIN(TestFormState)
#include "test_formstate.moc"
