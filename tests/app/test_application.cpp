#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "platform/RaisedError.h"
#include "editors/common/FichaEditor.h"

#include <QPushButton>
#include <QTemporaryDir>
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
    void editorReportsItsOwnEscapedError_data();
    void editorReportsItsOwnEscapedError();
};

namespace {
// An editor whose saved form cannot be read for a reason nobody expects.
class BrokenEditor : public editors::FichaEditor {
public:
    BrokenEditor(QString own) : editors::FichaEditor(testsupport::formType("FAC")), m_own(std::move(own))
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
    }
    QString escapedErrorText() const override { return m_own; }

protected:
    void beforeRecordLine(int, const QString &) override { throw std::logic_error("formato antigo"); }

private:
    QString m_own;
};
} // namespace

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

void TestApplication::editorReportsItsOwnEscapedError_data()
{
    QTest::addColumn<QString>("own");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("caption");
    QTest::newRow("FAC") << "Tentativa de Abrir um arquivo da FAC antinga!"
                         << "Tentativa de Abrir um arquivo da FAC antinga!" << "Morvetia 3.1";
    QTest::newRow("others") << "" << "Erro interno: formato antigo." << "Morvetia 3.1";
}

void TestApplication::editorReportsItsOwnEscapedError()
{
    QFETCH(QString, own);
    QFETCH(QString, shown);
    QFETCH(QString, caption);
    MessageRecorder rec;
    QTemporaryDir dir;
    const QString record = dir.filePath("Fac_1.fac");
    testsupport::writeBytes(record, "00001 00001\r\n");
    BrokenEditor editor(own);
    editor.ArqFicha = record;
    editor.show();
    QCOMPARE(rec.texts(), QStringList{shown});
    QCOMPARE(rec.last().caption, caption);
    // An editor with its own report gives up the form it could not show, without the
    // save prompt; the others stay as the standard error box leaves them.
    QTRY_COMPARE(editor.isVisible(), own.isEmpty());
    QCOMPARE(rec.messages.size(), 1);
    QCOMPARE(testsupport::readBytes(record), QByteArray("00001 00001\r\n")); // nothing written over it
}

int main(int argc, char **argv)
{
    app::Application application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_application.moc"
