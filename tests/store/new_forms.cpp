// Helper of test_instances, standing for another instance of the program on the same
// data folder. "new_forms DIR COUNT" saves COUNT new forms, FCA and FAS in turn, as Novo
// and the save prompt's Sim do (COUNT 0: until killed), each form's one field and
// description "<pid>-<n>"; it prints "ready" first and, at the end, how many forms got
// a code other than the one Novo gave them. "new_forms DIR hold RECORD" takes the
// folder's lock and the open mark of RECORD, says "held" and waits to be killed.
#include "platform/FolderLock.h"
#include "platform/Messages.h"
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "store/FichaEditor.h"
#include "store/OpenMark.h"

#include <QApplication>
#include <QLineEdit>
#include <QThread>

#include <cstdio>

using namespace store;

namespace {

class NewForm : public FichaEditor {
public:
    NewForm(FormType type, const QString &dir) : FichaEditor(type)
    {
        field = new QLineEdit(this);
        setRecordFields({{1, widgets::FieldKind::Text, field}});
        ArqLista = catalogueFilePath(dir, type);
        FichaNova = true;
    }
    using FichaEditor::saveNewForm;
    QLineEdit *field;
};

class Counting final : public platform::MessageSink {
public:
    platform::MsgAnswer show(QWidget *, const platform::Message &) override
    {
        ++count;
        return platform::MsgAnswer::Ok;
    }
    int count = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (qstrcmp(argv[2], "hold") == 0 && argc > 3) {
        platform::FolderLock lock(dir);
        OpenMark mark;
        mark.take(QString::fromLocal8Bit(argv[3]));
        std::puts("held");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(60);
    }
    Counting messages;
    platform::Messages::install(&messages);
    // The first window costs far more than a save: made before "ready", so that a kill
    // soon after it meets the saves.
    { NewForm warm(FormType::FCA, dir); }
    std::puts("ready");
    std::fflush(stdout);
    const int count = QByteArray(argv[2]).toInt();
    for (int n = 0; count == 0 || n < count; ++n) {
        NewForm form(n % 2 ? FormType::FAS : FormType::FCA, dir);
        platform::textfile::createEmpty(form.ArqLista);
        // Novo: the highest code plus one, as the catalogue was when the form was started.
        form.CodFicha = catalogue::nextCode(catalogue::read(form.ArqLista));
        const QString name = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(n);
        form.field->setText(name);
        form.saveNewForm(name);
    }
    std::printf("moved %d\n", messages.count);
    return 0;
}
