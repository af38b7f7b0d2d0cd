#include "MessageRecorder.h"
#include "platform/FocusExit.h"
#include "platform/RaisedError.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <new>
#include <stdexcept>

using namespace platform;

class TestErrorBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { setApplicationTitle("Morvetia 3.1"); }
    void periodAppended_data();
    void periodAppended();
    void guardShowsRaisedError();
    void exitRunsOnTabOnly();
    void rejectingExitsDoNotBounce();
};

void TestErrorBox::periodAppended_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << QString::fromUtf8("CPF Inválido") << QString::fromUtf8("CPF Inválido.");
    QTest::newRow("period kept") << "DATA INVÁLIDA." << "DATA INVÁLIDA.";
    QTest::newRow("blank sorts before period") << "Texto " << "Texto ";
    QTest::newRow("comma sorts before period") << "a," << "a,";
    QTest::newRow("digit sorts after period") << "Erro 5" << "Erro 5.";
    QTest::newRow("closing parenthesis sorts before") << "(x)" << "(x)";
    QTest::newRow("empty") << "" << "";
}

void TestErrorBox::periodAppended()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
}

void TestErrorBox::guardShowsRaisedError()
{
    MessageRecorder rec;
    QVERIFY(guard(nullptr, [] {}));
    QVERIFY(!guard(nullptr, [] { throw RaisedError(QString::fromUtf8("CGC Inválido")); }));
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(rec.last().caption, QString("Morvetia 3.1"));
    QCOMPARE(rec.last().text, QString::fromUtf8("CGC Inválido."));
    QCOMPARE(rec.last().icon, MsgIcon::Error);
    QCOMPARE(rec.last().buttons, MsgButtons::Ok);

    // Whatever else a handler throws ends in the same box, never past the event loop.
    QVERIFY(!guard(nullptr, [] { throw std::bad_alloc(); }));
    QCOMPARE(rec.last().text, QString::fromUtf8("Memória insuficiente para concluir a operação."));
    QVERIFY(!guard(nullptr, [] { throw std::runtime_error("boom"); }));
    QCOMPARE(rec.last().text, QString::fromUtf8("Erro interno: boom."));
    QVERIFY(!guard(nullptr, [] { throw 42; }));
    QCOMPARE(rec.last().text, QString::fromUtf8("Erro interno desconhecido."));
    QCOMPARE(rec.messages.size(), 4);
}

namespace {
struct Window {
    QWidget w;
    QLineEdit *a = new QLineEdit(&w);
    QLineEdit *b = new QLineEdit(&w);
    QLineEdit *c = new QLineEdit(&w);
    Window()
    {
        auto *l = new QVBoxLayout(&w);
        l->addWidget(a);
        l->addWidget(b);
        l->addWidget(c);
    }
    bool show()
    {
        w.show();
        QApplication::setActiveWindow(&w);
        return QTest::qWaitForWindowActive(&w);
    }
};
} // namespace

void TestErrorBox::exitRunsOnTabOnly()
{
    Window win;
    int exits = 0;
    FocusExit::bind(win.a, [&] { ++exits; });
    QVERIFY(win.show());
    win.a->setFocus();
    QTest::keyClick(win.a, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), win.b);
    QCOMPARE(exits, 1);
    QTest::keyClick(win.b, Qt::Key_Tab);  // leaving another field
    QCOMPARE(exits, 1);

    // Another window taking the focus is not an exit.
    win.a->setFocus();
    QWidget other;
    auto *o = new QLineEdit(&other);
    other.show();
    QApplication::setActiveWindow(&other);
    o->setFocus();
    QCOMPARE(exits, 1);
}

void TestErrorBox::rejectingExitsDoNotBounce()
{
    MessageRecorder rec;
    Window win;
    auto reject = [](QLineEdit *field, const char *msg) {
        return [field, msg] {
            FocusExit::returnFocus(field);
            throw RaisedError(QString::fromLatin1(msg));
        };
    };
    FocusExit::bind(win.a, reject(win.a, "A invalido"));
    FocusExit::bind(win.b, reject(win.b, "B invalido"));
    QVERIFY(win.show());
    win.a->setFocus();
    QTest::keyClick(win.a, Qt::Key_Tab);
    QCOMPARE(rec.texts(), QStringList{"A invalido."});
    QCOMPARE(QApplication::focusWidget(), win.a);
}

QTEST_MAIN(TestErrorBox)
#include "test_errorbox.moc"
