#include "MessageRecorder.h"
#include "app/Application.h"
#include "platform/RaisedError.h"

#include <QPushButton>
#include <QTest>

#include <new>
#include <stdexcept>

// Nothing a handler throws leaves the event loop or ends a command with a crash.
class TestApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { platform::setApplicationTitle(QStringLiteral("Morvetia 3.1")); }
    void handlerThrowsIntoErrorBox_data();
    void handlerThrowsIntoErrorBox();
    void commandThrowsIntoExitOne();
};

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

void TestApplication::handlerThrowsIntoErrorBox_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("shown");
    QTest::newRow("out of memory") << Thrower([] { throw std::bad_alloc(); })
                                   << QString::fromUtf8("Memória insuficiente para concluir a operação.");
    QTest::newRow("raised error") << Thrower([] { throw platform::RaisedError(QStringLiteral("Sem acesso")); })
                                  << QString::fromUtf8("Sem acesso.");
    QTest::newRow("standard exception") << Thrower([] { throw std::length_error("too long"); })
                                        << QString::fromUtf8("Erro interno: too long.");
}

void TestApplication::handlerThrowsIntoErrorBox()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, shown);
    MessageRecorder rec;
    QPushButton button;
    connect(&button, &QPushButton::clicked, this, [&] { thrower(); });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(rec.texts(), QStringList{shown});
    QCOMPARE(rec.last().icon, platform::MsgIcon::Error);
    // The program goes on: the next click is handled again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(rec.messages.size(), 2);
}

void TestApplication::commandThrowsIntoExitOne()
{
    QCOMPARE(app::runGuarded("pdf", [] { return 0; }), 0);
    QCOMPARE(app::runGuarded("pdf", [] { return 2; }), 2);
    QCOMPARE(app::runGuarded("pdf", []() -> int { throw std::bad_alloc(); }), 1);
    QCOMPARE(app::runGuarded("valida", []() -> int { throw 7; }), 1);
}

int main(int argc, char **argv)
{
    app::Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_application.moc"
