// Helper of test_crashsafe: saves one form again and again, alternating between two
// versions of its fields and of its catalogue, until it is killed. Before that it writes
// every complete state the two files may be found in, times a few saves on this disk and
// says "ready" with the microseconds one write takes, so that the test spreads its kills
// over the saves however slow the disk is. Starting Qt costs
// far more than a save, so the saving runs in a fork made on each "go" read from stdin:
// "go STEP" starts it at that step; the helper answers with the fork's pid and the fork
// with "saving" (in either order); once the test has killed it and the helper has reaped
// it, the helper says "dead SIGNAL".
#include "platform/TextFile.h"
#include "store/Catalogue.h"
#include "store/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace store;

namespace {

constexpr int kTexts = 40;
constexpr int kCode = 3;

// One FCA form of forty long texts, a date and a list, saved as the editor saves it.
class LoopForm {
public:
    explicit LoopForm(const QString &dir)
        : ArqLista(QDir(dir).filePath(QStringLiteral("Lista_Fca.fca"))),
          ArqFicha(QDir(dir).filePath(QStringLiteral("Fca_1.fca"))), m_record(RecordFormat{3, 3})  // the FCA's
    {
        RecordFields fields;
        for (int i = 0; i < kTexts; ++i)
            fields.append({i + 1, ValueKind::Text});
        fields.append({100, ValueKind::Text});
        fields.append({101, ValueKind::Index, 5});
        m_form = FormModel(fields);
    }

    void fill(int version)
    {
        for (int i = 0; i < kTexts; ++i)
            m_form.setText(i, QStringLiteral("versão %1 campo %2 ").arg(version).arg(i).repeated(6));
        m_form.setText(kTexts, version ? QStringLiteral("31/12/1999") : QStringLiteral("01/02/2024"));
        m_form.setIndex(kTexts + 1, version ? 4 : 1);
    }
    QStringList lines() const { return m_record.lines(m_form); }
    void GravaFicha() const { m_record.save(ArqFicha, m_form); }
    void IncluiNaLista(const QString &descricao) const { catalogue::append(ArqLista, kCode, descricao); }

    const QString ArqLista, ArqFicha;

private:
    RecordFile m_record;
    FormModel m_form;
};

QList<CatalogueEntry> entries(int version)
{
    QList<CatalogueEntry> list;
    for (int code = 1; code <= 60; ++code)
        list.append({code, QStringLiteral("Ficha %1 versão %2").arg(code).arg(version)});
    return list;
}

// Each step one write: the record, the rewritten catalogue, the appended line.
void saveStep(LoopForm &editor, unsigned long step, const QString &added)
{
    const int v = int(step / 3 % 2);
    switch (step % 3) {
    case 0:
        editor.fill(v);
        editor.GravaFicha();
        break;
    case 1: catalogue::rewrite(editor.ArqLista, entries(v)); break;
    default: editor.IncluiNaLista(added); break;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("uso: save_loop PASTA\n", stderr);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString expected = QDir(dir).filePath(QStringLiteral("expected"));
    QDir().mkpath(expected);
    LoopForm editor(dir);
    const QString added = QStringLiteral("Nova ficha");
    // The complete states: record-0/1, list-0/1 and list-0/1 with the new form's line.
    for (int v = 0; v < 2; ++v) {
        editor.fill(v);
        platform::textfile::writeLines(QDir(expected).filePath(QStringLiteral("record-%1").arg(v)), editor.lines());
        QStringList lines;
        for (const auto &e : entries(v))
            lines.append(catalogue::line(e.code, e.description));
        platform::textfile::writeLines(QDir(expected).filePath(QStringLiteral("list-%1").arg(v)), lines);
        lines.append(catalogue::line(kCode, added));
        platform::textfile::writeLines(QDir(expected).filePath(QStringLiteral("list-%1-added").arg(v)), lines);
    }
    // A first complete save, so that neither file is ever missing once "ready" is said.
    if (!QFile::exists(editor.ArqFicha)) {
        editor.GravaFicha();
        catalogue::rewrite(editor.ArqLista, entries(0));
    }
    QElapsedTimer clock;
    clock.start();
    constexpr int timedSteps = 6;
    for (unsigned long step = 0; step < timedSteps; ++step)
        saveStep(editor, step, added);
    std::printf("ready %lld\n", clock.nsecsElapsed() / 1000 / timedSteps);
    std::fflush(stdout);
    char line[16];
    while (std::fgets(line, sizeof line, stdin) && std::strncmp(line, "go", 2) == 0) {
        const pid_t pid = ::fork();
        if (pid < 0)
            return 1;
        if (pid == 0) {
            // Never outlive the helper, whatever becomes of the test.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() == 1)
                ::_exit(1);
            // Said once the fork runs, so that the test's pause starts with the saves.
            std::fputs("saving\n", stdout);
            std::fflush(stdout);
            // The test picks the first step, so that a kill early in a saver's life still
            // meets any of the writes.
            for (unsigned long step = std::strtoul(line + 2, nullptr, 10);; ++step)
                saveStep(editor, step, added);
        }
        std::printf("%d\n", int(pid));
        std::fflush(stdout);
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::printf("dead %d\n", WIFSIGNALED(status) ? WTERMSIG(status) : -1);
        std::fflush(stdout);
    }
    return 0;
}
