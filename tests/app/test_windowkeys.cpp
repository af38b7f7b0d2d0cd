// Enter and Esc in every window, pressed as keys, with what reached the disk checked.
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/UF_Principal.h"
#include "editors/EditorFactory.h"
#include "editors/fca/UF_Fca.h"
#include "editors/common/UF_Margens.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "editors/common/FichaEditor.h"
#include "store/FormType.h"
#include "app/UF_Abrir.h"
#include "editors/common/UF_Salvar.h"
#include "validation/TFm_Funcoes.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using store::FormType;

namespace {

const int kEnter = Qt::Key_Return;
const int kEsc = Qt::Key_Escape;

// Presses a key where a user's key would land: the window's focused control.
void press(QWidget *window, int key)
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key(key));
}

QPushButton *buttonNamed(QWidget *window, const QString &text)
{
    for (auto *b : window->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

bool centredOnScreen(const QWidget *w)
{
    const QPoint centre = w->screen()->availableGeometry().center();
    const QPoint own = w->frameGeometry().center();
    return (centre - own).manhattanLength() <= 8;  // a window frame's width
}

} // namespace

class TestWindowKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void savePrompt_data();
    void savePrompt();
    void openDialog_data();
    void openDialog();
    void marginsDialog_data();
    void marginsDialog();
    void mainWindow_data();
    void mainWindow();
    void editor_data();
    void editor();
    void opensCentred();

private:
    // The FCA editor of form 1, shown and active; the record and catalogue go to Dados.
    editors::FichaEditor *showEditor(bool nova, QWidget *parent = nullptr);
    QString dados() const { return m_dir->filePath("Dados"); }
    QString catalogue() const { return store::catalogueFilePath(dados(), testsupport::formType("FCA")); }
    QString record(int code) const { return store::recordFilePath(dados(), testsupport::formType("FCA"), code); }

    std::unique_ptr<QTemporaryDir> m_dir;
    validation::TFm_Funcoes m_funcoes;
    editors::EditorFactory m_factory;
};

void TestWindowKeys::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    platform::ProgramFolder::setCurrent(m_dir->path());
    platform::setApplicationTitle("Morvetia 3.1");
    QDir().mkpath(dados());
    if (!m_factory.has(testsupport::formType("FCA")))
        editors::registerEditors(m_factory);
}

editors::FichaEditor *TestWindowKeys::showEditor(bool nova, QWidget *parent)
{
    editors::FichaEditor *e = m_factory.create(testsupport::formType("FCA"), parent, m_funcoes);
    e->FichaNova = nova;
    e->CodFicha = 1;
    e->ArqLista = catalogue();
    e->ArqFicha = record(1);
    e->show();
    if (!QTest::qWaitForWindowActive(e))
        qWarning("editor not active");
    return e;
}

void TestWindowKeys::savePrompt_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("tabs");  // from the description field: Sim, Não, Cancelar
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("editorOpen");
    QTest::addColumn<bool>("promptOpen");

    QTest::newRow("Enter in the description: Sim") << "Sitio" << 0 << kEnter << true << false << false;
    QTest::newRow("Enter on Sim") << "Sitio" << 1 << kEnter << true << false << false;
    QTest::newRow("Enter on Não: nothing saved") << "Sitio" << 2 << kEnter << false << false << false;
    QTest::newRow("Enter on Cancelar: editor stays") << "Sitio" << 3 << kEnter << false << true << false;
    QTest::newRow("Esc in the description: Cancelar") << "Sitio" << 0 << kEsc << false << true << false;
    QTest::newRow("Esc on Não: Cancelar") << "Sitio" << 2 << kEsc << false << true << false;
    QTest::newRow("Enter with a blank description: nothing") << "   " << 0 << kEnter << false << true << true;
}

void TestWindowKeys::savePrompt()
{
    QFETCH(QString, description);
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(bool, saved);
    QFETCH(bool, editorOpen);
    QFETCH(bool, promptOpen);

    QPointer<editors::FichaEditor> editor = showEditor(true);
    bool prompted = false;
    bool stayed = false;
    QTimer::singleShot(0, [&] {
        auto *p = qobject_cast<editors::TFm_Salvar *>(QApplication::activeModalWidget());
        prompted = p != nullptr;
        if (!p)
            return;
        QVERIFY(QTest::qWaitForWindowActive(p));
        QTest::keyClicks(p->Edi_Descricao, description);
        for (int i = 0; i < tabs; ++i)
            press(p, Qt::Key_Tab);
        press(p, key);
        stayed = p->isVisible();
        if (stayed)
            p->Btn_Cancelar->click();
    });
    editor->close();

    QVERIFY(prompted);
    QCOMPARE(stayed, promptOpen);
    QCOMPARE(!editor.isNull() && editor->isVisible(), editorOpen);
    QCOMPARE(testsupport::readBytes(catalogue()), saved ? QByteArray("01 Sitio\r\n") : QByteArray());
    QCOMPARE(QFileInfo::exists(record(1)), saved);
    delete editor.data();
}

void TestWindowKeys::openDialog_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");  // -1: the dialog stays open
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("deleted");

    const int open = -1, ok = QDialog::Accepted, cancelled = QDialog::Rejected;
    QTest::newRow("Enter in the list: OK") << "list" << kEnter << ok << 1 << false;
    QTest::newRow("Enter on OK") << "OK" << kEnter << ok << 1 << false;
    QTest::newRow("Enter on Novo") << "Novo" << kEnter << ok << 3 << false;
    QTest::newRow("Enter on Excluir: deletes, opens nothing") << "Excluir" << kEnter << open << 0 << true;
    QTest::newRow("Enter on Cancelar") << "Cancelar" << kEnter << cancelled << 0 << false;
    QTest::newRow("Esc in the list: Cancelar") << "list" << kEsc << cancelled << 0 << false;
    QTest::newRow("Esc on Excluir: Cancelar") << "Excluir" << kEsc << cancelled << 0 << false;
}

void TestWindowKeys::openDialog()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, result);
    QFETCH(int, code);
    QFETCH(bool, deleted);

    const QByteArray lines = "01 Um\r\n02 Dois\r\n";
    testsupport::writeBytes(catalogue(), lines);
    testsupport::writeBytes(record(1), "001 a\r\n");
    MessageRecorder recorder;
    app::TFm_Abrir dialog(testsupport::formType("FCA"), dados());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.Lista_txt->setCurrentRow(0);
    QWidget *target = focus == "list" ? static_cast<QWidget *>(dialog.Lista_txt) : buttonNamed(&dialog, focus);
    target->setFocus();
    press(&dialog, key);

    QCOMPARE(dialog.isVisible() ? -1 : dialog.result(), result);
    if (result == QDialog::Accepted)
        QCOMPARE(dialog.CodFicha, code);
    QCOMPARE(testsupport::readBytes(catalogue()), deleted ? QByteArray("02 Dois\r\n") : lines);
    QCOMPARE(QFileInfo::exists(record(1)), !deleted);
    QCOMPARE(recorder.messages.size(), deleted ? 1 : 0);  // the question before deleting
}

void TestWindowKeys::marginsDialog_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("questions");

    QTest::newRow("Enter in a field: Ok") << "field" << kEnter << true << false << 0;
    QTest::newRow("Enter on Ok") << "Ok" << kEnter << true << false << 0;
    QTest::newRow("Enter on Padrão: asks, stays") << QString::fromUtf8("Padrão") << kEnter << false << true << 1;
    QTest::newRow("Enter on Cancelar: nothing written") << "Cancelar" << kEnter << false << false << 0;
    QTest::newRow("Esc in a field: Cancelar") << "field" << kEsc << false << false << 0;
    QTest::newRow("Esc on Ok: Cancelar") << "Ok" << kEsc << false << false << 0;
}

void TestWindowKeys::marginsDialog()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, written);
    QFETCH(bool, open);
    QFETCH(int, questions);

    const QString ini = m_dir->filePath("Forms.ini");
    MessageRecorder recorder;
    editors::TFm_Margens dialog(nullptr, ini);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget *target = focus == "field" ? static_cast<QWidget *>(dialog.Edi_Superior) : buttonNamed(&dialog, focus);
    target->setFocus();
    press(&dialog, key);

    QCOMPARE(dialog.isVisible(), open);
    QCOMPARE(QFileInfo::exists(ini), written);
    QCOMPARE(recorder.messages.size(), questions);
}

void TestWindowKeys::mainWindow_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("handedOver");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("messages");

    QTest::newRow("Enter on the chosen type: OK") << 3 << "type" << kEnter << true << true << 0;
    QTest::newRow("Enter with no type chosen: nothing") << -1 << "type" << kEnter << false << true << 0;
    QTest::newRow("Enter on OK") << 3 << "OK" << kEnter << true << true << 0;
    QTest::newRow("Enter on Cancelar: closes") << 3 << "Cancelar" << kEnter << false << false << 0;
    QTest::newRow("Enter on Sobre: About") << 3 << "Sobre" << kEnter << false << true << 1;
    QTest::newRow("Esc: Cancelar") << 3 << "type" << kEsc << false << false << 0;
}

void TestWindowKeys::mainWindow()
{
    QFETCH(int, type);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, handedOver);
    QFETCH(bool, open);
    QFETCH(int, messages);

    // An editor factory that only notes the hand-over.
    bool created = false;
    editors::EditorFactory factory;
    factory.add(testsupport::formType("FCA"), [&created](QWidget *, const validation::TFm_Funcoes &) -> editors::FichaEditor * {
        created = true;
        return nullptr;
    }, editors::TFm_Fca::description());
    MessageRecorder recorder;
    app::TFm_Principal principal(nullptr, &factory);
    principal.show();
    QVERIFY(QTest::qWaitForWindowActive(&principal));
    const auto radios = principal.RdGrp_TipoDoc->findChildren<QRadioButton *>();
    if (type >= 0)
        principal.SetItemIndex(type);
    QWidget *target = focus == "type" ? static_cast<QWidget *>(radios.at(std::max(type, 0)))
                                      : buttonNamed(&principal, focus);
    target->setFocus();
    press(&principal, key);

    QCOMPARE(created, handedOver);
    QCOMPARE(QFileInfo::exists(catalogue()), handedOver);  // the open dialog makes the catalogue
    QCOMPARE(principal.isVisible(), open);
    QCOMPARE(recorder.messages.size(), messages);
}

void TestWindowKeys::editor_data()
{
    QTest::addColumn<bool>("nova");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("text");  // the field's text afterwards
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("prompted");
    QTest::addColumn<bool>("written");

    const QList<int> esc{kEsc}, enter{kEnter};
    QTest::newRow("Esc in a field, saved form") << false << "Edi_Razao_Empresa" << "abc" << esc << "abc"
                                                << true << false << false;
    QTest::newRow("Esc in a field, new form") << true << "Edi_Razao_Empresa" << "abc" << esc << "abc"
                                              << true << false << false;
    QTest::newRow("Esc in a lookup combo restores its entry") << false << "cmb_uf_1" << "sp" << esc << ""
                                                              << true << false << false;
    QTest::newRow("Esc twice in a lookup combo") << true << "cmb_uf_1" << "sp" << QList<int>{kEsc, kEsc} << ""
                                                 << true << false << false;
    QTest::newRow("Enter in a field: nothing") << false << "Edi_Razao_Empresa" << "abc" << enter << "abc"
                                               << true << false << false;
    QTest::newRow("Enter on Fechar, saved form: written") << false << "&Fechar" << "" << enter << ""
                                                          << false << false << true;
    QTest::newRow("Enter on Fechar, new form: save prompt") << true << "&Fechar" << "" << enter << ""
                                                            << false << true << false;
}

void TestWindowKeys::editor()
{
    QFETCH(bool, nova);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QList<int>, keys);
    QFETCH(QString, text);
    QFETCH(bool, open);
    QFETCH(bool, prompted);
    QFETCH(bool, written);

    MessageRecorder recorder;
    QPointer<editors::FichaEditor> editor = showEditor(nova);
    QWidget *target = field.startsWith('&') ? buttonNamed(editor, field) : editor->findChild<QWidget *>(field);
    QVERIFY(target);
    target->setFocus();
    if (!typed.isEmpty())
        QTest::keyClicks(target, typed);

    // A save prompt, should one come up, is answered Não.
    bool promptShown = false;
    QTimer::singleShot(0, [&promptShown] {
        if (auto *p = qobject_cast<editors::TFm_Salvar *>(QApplication::activeModalWidget())) {
            promptShown = true;
            p->Btn_Nao->click();
        }
    });
    for (int key : keys)
        press(editor, key);
    QTest::qWait(20);

    QCOMPARE(promptShown, prompted);
    QCOMPARE(!editor.isNull() && editor->isVisible(), open);
    QCOMPARE(QFileInfo::exists(record(1)), written);
    QVERIFY(!QFileInfo::exists(catalogue()));
    if (open) {
        auto *edit = qobject_cast<QLineEdit *>(target);
        QVERIFY(edit);
        QCOMPARE(edit->text(), text);
    }
    QVERIFY(recorder.messages.isEmpty());
    delete editor.data();
}

void TestWindowKeys::opensCentred()
{
    app::TFm_Principal principal;
    principal.show();
    QVERIFY(QTest::qWaitForWindowExposed(&principal));
    QVERIFY(centredOnScreen(&principal));

    // Over a window in a corner of the screen, the editor still opens in the middle.
    QWidget corner;
    corner.setGeometry(0, 0, 200, 100);
    corner.show();
    QPointer<editors::FichaEditor> editor = showEditor(false, &corner);
    QVERIFY(centredOnScreen(editor));
    delete editor.data();
}

QTEST_MAIN(TestWindowKeys)
#include "test_windowkeys.moc"
