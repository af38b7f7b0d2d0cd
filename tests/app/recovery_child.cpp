// Helper of test_recovery: types into a real FCA editor as a user would, then, once the
// recovery copy has been written, writes the record lines it holds to <folder>/expected,
// says "pronto" and waits to be killed. Arguments: the program folder, the code, 0 or 1 (new).
#include "MessageRecorder.h"
#include "TestSupport.h"
#include "app/HandOver.h"
#include "editors/EditorFactory.h"
#include "editors/fca/UF_Fca.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "editors/common/FichaEditor.h"
#include "editors/common/RecoveryWriter.h"
#include "validation/TFm_Funcoes.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    platform::ProgramFolder::setCurrent(folder);
    MessageRecorder messages;
    validation::TFm_Funcoes funcoes;
    editors::EditorFactory factory;
    editors::registerEditors(factory);
    editors::FichaEditor *editor = factory.create(testsupport::formType("FCA"), nullptr, funcoes);
    app::handOver(*editor, testsupport::formType("FCA"), std::atoi(argv[2]), argv[3][0] == '1',
                  platform::ProgramFolder::dataFolder());
    editor->show();
    if (!QTest::qWaitForWindowActive(editor))
        return 1;
    const auto type = [editor](const char *name, const char *text) {
        auto *field = editor->findChild<QWidget *>(name);
        field->setFocus();
        QTest::keyClicks(field, text);
    };
    type("Edi_Razao_Empresa", "Joao Lavrador");
    type("Mae_NrReg_Emp", "12345678909");
    type("cmb_uf_1", "to");
    static_cast<editors::TFm_Fca *>(editor)->PC_Produtor->setCurrentIndex(2);
    type("ed_municipio_3", "Sao Jose");
    // Written only once the typing has paused for the delay.
    QTest::qWait(editors::RecoveryWriter::delayMs() * 3);
    if (!QFile::exists(editor->recoveryWriter()->path()))
        return 1;
    platform::textfile::writeLines(QDir(folder).filePath("expected"), editor->recordLines());
    std::puts("pronto");
    std::fflush(stdout);
    return app.exec();
}
