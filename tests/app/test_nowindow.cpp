#include "TestSupport.h"
#include "app/Commands.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

// `fichas pdf` and `fichas verifica` read, check and print a saved form without a window: run here on a QGuiApplication, any widget they made
// would stop the test ("Must construct a QApplication before a QWidget").
class TestNoWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandsMakeNoWidget_data();
    void commandsMakeNoWidget();
};

void TestNoWindow::commandsMakeNoWidget_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("golden");
    QTest::addColumn<QString>("edit");    // a record line put in, so that the form prints
    QTest::newRow("FAC") << "FAC" << "Fac_cheia" << "";
    QTest::newRow("FCA") << "FCA" << "Fca_1" << "";
    QTest::newRow("FAS") << "FAS" << "Fas_1" << "40 01/02/2020";
    QTest::newRow("FACA") << "FACA" << "Faca_1" << "";
}

void TestNoWindow::commandsMakeNoWidget()
{
    QFETCH(QString, form);
    QFETCH(QString, golden);
    QFETCH(QString, edit);
    QVERIFY(!qobject_cast<QGuiApplication *>(QCoreApplication::instance())->inherits("QApplication"));
    QTemporaryDir dir;
    QStringList lines = testsupport::goldenLines(golden);
    if (!edit.isEmpty())
        lines << edit;
    testsupport::writeSavedForm(dir.path(), form, lines);

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int checked = app::runVerifica({form, "1", "--pasta", dir.path()}, out, err);
    QVERIFY2(checked == 0 || checked == 1, qPrintable(errText));
    const QString pdf = dir.filePath("saida.pdf");
    QCOMPARE(app::runPdf({form, "1", pdf, "--pasta", dir.path()}, out, err), 0);
    QVERIFY(QFileInfo(pdf).size() > 1000);
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestNoWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_nowindow.moc"
