#include "platform/DialogKeys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

// The windows' own cases are in tests/app/test_windowkeys.cpp; these are the rules that
// no window of the program shows on its own.
namespace {

// A field that uses Esc itself, as the lookup combo does when its text was changed.
class EscEatingEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() != Qt::Key_Escape)
            QLineEdit::keyPressEvent(e);
    }
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
    QTest::addColumn<bool>("withButtons");  // default Ok, cancel Cancelar
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("pressed");

    const int enter = Qt::Key_Return, keypad = Qt::Key_Enter, esc = Qt::Key_Escape;
    QTest::newRow("keypad Enter: default") << true << "field" << keypad << int(Qt::KeypadModifier) << "Ok";
    QTest::newRow("Esc kept by the field: nothing") << true << "eater" << esc << 0 << "";
    QTest::newRow("no default: a focused button still") << false << "Outro" << enter << 0 << "Outro";
    QTest::newRow("no default: nothing from a field") << false << "field" << enter << 0 << "";
    QTest::newRow("no cancel: Esc does nothing") << false << "field" << esc << 0 << "";
}

void TestDialogKeys::keyPressesTheRightButton()
{
    QFETCH(bool, withButtons);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, pressed);

    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *field = new QLineEdit(&dialog);
    auto *eater = new EscEatingEdit(&dialog);
    layout->addWidget(field);
    layout->addWidget(eater);
    QString log;
    QList<QPushButton *> buttons;
    for (const char *text : {"Ok", "Outro", "Cancelar"}) {
        auto *b = new QPushButton(text, &dialog);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, &dialog, [&log, b] { log += b->text(); });
        buttons << b;
    }
    platform::DialogKeys::install(&dialog, withButtons ? buttons[0] : nullptr,
                                  withButtons ? buttons[2] : nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *target = focus == "field" ? static_cast<QWidget *>(field)
                      : focus == "eater" ? static_cast<QWidget *>(eater)
                                         : buttons[1];
    target->setFocus();

    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(log, pressed);
    QVERIFY(dialog.isVisible());  // keys alone never close a window
}

QTEST_MAIN(TestDialogKeys)
#include "test_dialogkeys.moc"
