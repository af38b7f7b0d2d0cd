#include "MessageRecorder.h"
#include "TestSupport.h"
#include "editors/EditorFactory.h"
#include "editors/common/EditorBase.h"
#include "platform/PrintDialog.h"
#include "platform/ProgramFolder.h"
#include "printing/PrintRun.h"
#include "validation/TFm_Funcoes.h"

#include <QAccessible>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// An editor whose print steps say when they run; its one field is upper-cased for the
// printed copy, as the FAC does.
class StepEditor final : public editors::EditorBase {
public:
    explicit StepEditor(QStringList &log) : EditorBase(testsupport::formType("FCA")), m_log(log)
    {
        name = new QLineEdit(QStringLiteral("joão"), this);
        setRecordFields({{1, widgets::FieldKind::Text, name}});
    }

    int copiesPreset() const override { return preset > 0 ? preset : EditorBase::copiesPreset(); }

    QLineEdit *name = nullptr;
    bool checksPass = true;
    int preset = 0;   // 0: the layout's own

protected:
    bool checkBeforePrint() override
    {
        m_log << QStringLiteral("checks");
        return checksPass;
    }
    void preparePrintCopy() override
    {
        m_log << QStringLiteral("prepare");
        m_saved = name->text();
        name->setText(name->text().toUpper());
    }
    void restoreAfterPrint() override
    {
        m_log << QStringLiteral("undo");
        name->setText(m_saved);
    }

private:
    QStringList &m_log;
    QString m_saved;
};

// The test print dialog, logging when it is shown and with which preset.
class LoggingDialog final : public platform::PrintDialog {
public:
    LoggingDialog(QStringList &log, const QString &pdf) : m_log(log), pdfDialog(pdf) {}
    QPrinter *exec(QWidget *parent, int copiesPreset) override
    {
        m_log << QStringLiteral("dialog %1").arg(copiesPreset);
        return pdfDialog.exec(parent, copiesPreset);
    }

private:
    QStringList &m_log;

public:
    platform::PdfPrintDialog pdfDialog;
};

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

const QString ok = QStringLiteral(".");   // a folder that exists

} // namespace

// The one print entry of every editor: "&Imprimir" and `fichas pdf`.
class TestEditorBase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void printEntry_data();
    void printEntry();
    void limparAsksFirst();
    void fieldsAndGroupsAreNamed();
    void refusedExitKeepsThePage();

private:
    // A new form of the type, shown and active.
    std::unique_ptr<editors::FichaEditor> shown(int type);
    QTemporaryDir m_dir;
    validation::TFm_Funcoes m_funcoes;
};

void TestEditorBase::initTestCase()
{
    QVERIFY(m_dir.isValid());
    platform::ProgramFolder::setCurrent(m_dir.path());
}

void TestEditorBase::printEntry_data()
{
    QTest::addColumn<QString>("how");        // print | cancel | pdf
    QTest::addColumn<bool>("checksPass");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("folder");     // where the PDF goes, under the test folder
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("printed");

    QTest::newRow("printed with the layout's preset")
        << "print" << true << 0 << ok << QStringList{"checks", "prepare", "dialog 2", "undo"} << true;
    QTest::newRow("the form's own preset")
        << "print" << true << 3 << ok << QStringList{"checks", "prepare", "dialog 3", "undo"} << true;
    QTest::newRow("cancelled dialog still undoes")
        << "cancel" << true << 0 << ok << QStringList{"checks", "prepare", "dialog 2", "undo"} << false;
    QTest::newRow("printer that cannot be used still undoes")
        << "print" << true << 0 << "sem/pasta" << QStringList{"checks", "prepare", "dialog 2", "undo"} << false;
    QTest::newRow("checks refuse: nothing else runs")
        << "print" << false << 0 << ok << QStringList{"checks"} << false;
    QTest::newRow("pdf without dialog") << "pdf" << true << 0 << ok << QStringList{"checks", "prepare", "undo"} << true;
    QTest::newRow("pdf refused by the checks") << "pdf" << false << 0 << ok << QStringList{"checks"} << false;
}

void TestEditorBase::printEntry()
{
    QFETCH(QString, how);
    QFETCH(bool, checksPass);
    QFETCH(int, preset);
    QFETCH(QString, folder);
    QFETCH(QStringList, steps);
    QFETCH(bool, printed);

    MessageRecorder recorder;
    QStringList log;
    StepEditor editor(log);
    editor.checksPass = checksPass;
    editor.preset = preset;
    const QString out = m_dir.filePath(folder + QStringLiteral("/%1.pdf").arg(QTest::currentDataTag()));
    bool result = false;
    if (how == QLatin1String("pdf")) {
        QString error;
        result = editor.printToPdf(out, &error);
        QVERIFY(error.isEmpty());
    } else {
        LoggingDialog dialog(log, out);
        if (how == QLatin1String("cancel"))
            dialog.pdfDialog.cancel();
        if (folder != ok)
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        result = editor.printForm(dialog);
    }
    QCOMPARE(log, steps);
    QCOMPARE(result, printed);
    QCOMPARE(QFile::exists(out), printed);
    QCOMPARE(editor.name->text(), QStringLiteral("joão"));
    // The printed copy is the prepared one.
    if (printed && !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QVERIFY(pdfText(out).contains(QStringLiteral("JOÃO")));
    QCOMPARE(recorder.messages.size(), folder == ok ? 0 : 1);
}

// "&Limpar" empties a form only once the user answers Sim; creating one asks nothing.
void TestEditorBase::limparAsksFirst()
{
    MessageRecorder recorder;
    editors::EditorFactory factory;
    editors::registerEditors(factory);
    validation::TFm_Funcoes funcoes;
    for (auto type : {testsupport::formType("FACA"), testsupport::formType("FAS"), testsupport::formType("FCA")}) {
        std::unique_ptr<editors::FichaEditor> form(factory.create(type, nullptr, funcoes));
        auto *field = qobject_cast<QLineEdit *>(form->recordFields().first().widget);
        field->setText(QStringLiteral("guardado"));
        recorder.answer(platform::MsgAnswer::No);
        static_cast<editors::EditorBase *>(form.get())->Btn_Limpar->click();
        QCOMPARE(field->text(), QStringLiteral("guardado"));
        static_cast<editors::EditorBase *>(form.get())->Btn_Limpar->click();  // Sim
        QCOMPARE(field->text(), QString());
    }
    QCOMPARE(recorder.texts(), QStringList(6, QString::fromUtf8("Você tem certeza de que quer apagar tudo?")));
}

std::unique_ptr<editors::FichaEditor> TestEditorBase::shown(int type)
{
    editors::EditorFactory factory;
    editors::registerEditors(factory);
    std::unique_ptr<editors::FichaEditor> e(factory.create(editors::formTypes().at(type), nullptr, m_funcoes));
    e->show();
    if (!QTest::qWaitForWindowActive(e.get()))
        qFatal("editor not shown");
    return e;
}

// A screen reader names each group by its caption and each Tab stop by its own title.
void TestEditorBase::fieldsAndGroupsAreNamed()
{
    for (int type = 0; type < editors::formTypes().count(); ++type) {
        const auto e = shown(type);
        QStringList captions;
        for (QGroupBox *g : e->findChildren<QGroupBox *>())
            if (!g->title().trimmed().isEmpty())
                QCOMPARE(QAccessible::queryAccessibleInterface(g)->text(QAccessible::Name).trimmed(),
                         captions.emplaceBack(g->title().trimmed()));
        for (QWidget *w : e->findChildren<QWidget *>()) {
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).trimmed();
            if (!w->isHidden() && (w->focusPolicy() & Qt::TabFocus) && !w->inherits("QAbstractButton")
                && !w->inherits("QTabBar") && !w->inherits("QTabWidget"))
                QVERIFY2(!name.isEmpty() && !captions.contains(name), qPrintable(w->objectName() + ": " + name));
        }
    }
}

// A click on another tab leaves the field first; a field that refuses keeps its page.
void TestEditorBase::refusedExitKeepsThePage()
{
    struct Case { int type; QString field, typed; int page, tab; }; // page: the field's; tab: the one clicked
    for (const Case &c : {Case{1, "MaskEdit2", "9999", 0, 1}, Case{1, "MaskEdit2", "01022020", 0, 1},
                          Case{2, "Mae_DtJnt_Socio1", "9999", 0, 2}, Case{0, "Mae_CapSocial", "9999", 2, 3}}) {
        const bool refused = c.typed == "9999";
        const auto e = shown(c.type);
        QWidget *f = e->findChild<QWidget *>(c.field);
        auto *pages = e->findChild<QTabWidget *>();
        pages->setCurrentIndex(c.page);
        f->setFocus();
        QTest::keyClicks(f, c.typed);
        MessageRecorder rec;
        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(c.tab).center());
        QCOMPARE(rec.messages.size(), refused ? 1 : 0);
        QCOMPARE(pages->currentIndex(), refused ? c.page : c.tab);
        QCOMPARE(f->hasFocus(), refused);
    }
}

QTEST_MAIN(TestEditorBase)
#include "test_editorbase.moc"
