// Another instance of the program on the same data folder, for test_instances.
// "new_forms DIR COUNT" saves COUNT new forms (0: until killed), FCA and FAS in turn, as
// Novo and Sim do, each named and filled "<pid>-<n>"; "new_forms DIR hold RECORD" takes
// the folder's lock and RECORD's open mark and waits to be killed.
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "platform/FolderLock.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "editors/common/FichaEditor.h"

#include <QApplication>
#include <QLineEdit>
#include <QThread>

using namespace store;
using editors::FichaEditor;

struct NewForm : FichaEditor {
    NewForm(FormType type, const QString &dir) : FichaEditor(type)
    {
        setRecordFields({{1, widgets::FieldKind::Text, field}});
        ArqLista = catalogueFilePath(dir, type);
        FichaNova = true;
    }
    using FichaEditor::saveNewForm;
    QLineEdit *field = new QLineEdit(this);
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (qstrcmp(argv[2], "hold") == 0) {
        platform::FolderLock lock(dir);
        OpenMark mark;
        mark.take(QString::fromLocal8Bit(argv[3]));
        std::puts("held");
        std::fflush(stdout);
        QThread::sleep(600);
    }
    MessageRecorder told;  // of a code other than Novo's
    { NewForm first(testsupport::formType("FCA"), dir); }  // the first window costs far more than a save
    std::puts("ready");
    std::fflush(stdout);
    for (int n = 0, count = atoi(argv[2]); count == 0 || n < count; ++n) {
        NewForm form(n % 2 ? testsupport::formType("FAS") : testsupport::formType("FCA"), dir);
        platform::textfile::createEmpty(form.ArqLista);
        form.CodFicha = catalogue::nextCode(catalogue::read(form.ArqLista));
        const QString name = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(n);
        form.field->setText(name);
        form.saveNewForm(name);
    }
    std::printf("moved %d\n", int(told.messages.size()));
}
