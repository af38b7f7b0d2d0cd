#include "platform/DialogKeys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using platform::DialogKeys;

namespace {

// A field that uses Esc itself, as the lookup combo does when its text was changed.
class EscEatingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int escapes = 0;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape) {
            ++escapes;
            return;  // accepted
        }
        QLineEdit::keyPressEvent(e);
    }
};

// A dialog with a field, a field that keeps Esc, and the buttons Ok (default), Outro and
// Cancelar (cancel); every press is logged by its button's name.
struct Window {
    explicit Window(bool withDefault, bool withCancel)
    {
        auto *layout = new QVBoxLayout(&dialog);
        field = new QLineEdit(&dialog);
        eater = new EscEatingEdit(&dialog);
        ok = new QPushButton("Ok", &dialog);
        outro = new QPushButton("Outro", &dialog);
        cancelar = new QPushButton("Cancelar", &dialog);
        for (QWidget *w : {static_cast<QWidget *>(field), static_cast<QWidget *>(eater),
                           static_cast<QWidget *>(ok), static_cast<QWidget *>(outro),
                           static_cast<QWidget *>(cancelar)})
            layout->addWidget(w);
        for (QPushButton *b : {ok, outro, cancelar})
            QObject::connect(b, &QPushButton::clicked, &dialog, [this, b] { pressed << b->text(); });
        DialogKeys::install(&dialog, withDefault ? ok : nullptr, withCancel ? cancelar : nullptr);
    }
    QWidget *named(const QString &name) const
    {
        if (name == "field") return field;
        if (name == "eater") return eater;
        if (name == "Ok") return ok;
        if (name == "Outro") return outro;
        return cancelar;
    }

    QDialog dialog;
    QLineEdit *field;
    EscEatingEdit *eater;
    QPushButton *ok, *outro, *cancelar;
    QStringList pressed;
};

} // namespace

class TestDialogKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyPressesTheRightButton_data();
    void keyPressesTheRightButton();
};

void TestDialogKeys::keyPressesTheRightButton_data()
{
    QTest::addColumn<bool>("withDefault");
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<bool>("okEnabled");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("pressed");

    const int enter = Qt::Key_Return, keypad = Qt::Key_Enter, esc = Qt::Key_Escape;
    QTest::newRow("Enter in a field: default") << true << true << true << "field" << enter << QStringList{"Ok"};
    QTest::newRow("keypad Enter in a field: default") << true << true << true << "field" << keypad << QStringList{"Ok"};
    QTest::newRow("Enter on another button: that one") << true << true << true << "Outro" << enter << QStringList{"Outro"};
    QTest::newRow("Enter on Cancelar: Cancelar") << true << true << true << "Cancelar" << enter << QStringList{"Cancelar"};
    QTest::newRow("Enter on the default: default") << true << true << true << "Ok" << enter << QStringList{"Ok"};
    QTest::newRow("Enter, default disabled: nothing") << true << true << false << "field" << enter << QStringList{};
    QTest::newRow("Enter, no default: nothing") << false << true << true << "field" << enter << QStringList{};
    QTest::newRow("Enter on a button, no default") << false << false << true << "Outro" << enter << QStringList{"Outro"};
    QTest::newRow("Esc in a field: cancel") << true << true << true << "field" << esc << QStringList{"Cancelar"};
    QTest::newRow("Esc on a button: cancel") << true << true << true << "Outro" << esc << QStringList{"Cancelar"};
    QTest::newRow("Esc, no cancel button: nothing") << true << false << true << "field" << esc << QStringList{};
    QTest::newRow("Esc kept by the field: nothing") << true << true << true << "eater" << esc << QStringList{};
}

void TestDialogKeys::keyPressesTheRightButton()
{
    QFETCH(bool, withDefault);
    QFETCH(bool, withCancel);
    QFETCH(bool, okEnabled);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QStringList, pressed);

    Window w(withDefault, withCancel);
    w.ok->setEnabled(okEnabled);
    w.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.dialog));
    QWidget *target = w.named(focus);
    target->setFocus();
    QVERIFY(target->hasFocus());

    QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(w.pressed, pressed);
    // Only a button closes the window; the keys themselves never do.
    QVERIFY(w.dialog.isVisible());
    QCOMPARE(w.eater->escapes, focus == "eater" && key == Qt::Key_Escape ? 1 : 0);
}

QTEST_MAIN(TestDialogKeys)
#include "test_dialogkeys.moc"
