#include "app/Startup.h"

#include "app/Application.h"
#include "app/Commands.h"
#include "app/UF_Principal.h"
#include "platform/Locale.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHashSeed>
#include <QTextStream>

#include <cstdio>

namespace app {

namespace {

const char *const kUsage =
    "Uso: fichas [--pasta PASTA]\n"
    "       fichas valida cpf|cnpj|ie|ie2|email VALOR...\n"
    "       fichas pdf FAC|FACA|FAS|FCA CODIGO SAIDA.pdf [--pasta PASTA]\n"
    "\n"
    "  --pasta PASTA  pasta do programa (com Dados/, Forms.ini e help/);\n"
    "                 sem ela, a pasta do executável\n"
    "  --help         mostra este texto\n";

QString executableDir(const char *argv0)
{
    // Before QCoreApplication exists, /proc tells where the executable lies.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
    return QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath();
}

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
           || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

int runCommand(int argc, char **argv, const QString &command)
{
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    QTextStream out(stdout);
    QTextStream err(stderr);
    platform::installBrazilianLocale();
    if (command == QLatin1String("valida")) {
        QCoreApplication core(argc, argv);
        return runGuarded("valida", [&] { return runValida(args, out, err); });
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The PDF writer walks hashed containers: a fixed seed keeps its output the same
    // from run to run, so the same form always gives the same file.
    QHashSeed::setDeterministicGlobalSeed();
    Application gui(argc, argv);
    return runGuarded("pdf", [&] { return runPdf(args, out, err); });
}

} // namespace

int run(int argc, char **argv)
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first == QLatin1String("valida") || first == QLatin1String("pdf"))
        return runCommand(argc, argv, first);

    QString pasta;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == QLatin1String("--pasta") && i + 1 < argc) {
            pasta = QString::fromLocal8Bit(argv[++i]);
        } else if (a.startsWith(QLatin1String("--pasta="))) {
            pasta = a.mid(8);
        } else {
            std::fprintf(stderr, "fichas: opção desconhecida: %s\n", argv[i]);
            std::fputs(kUsage, stderr);
            return 2;
        }
    }

    if (!hasDisplay()) {
        std::fputs("fichas: é preciso uma sessão gráfica (DISPLAY ou WAYLAND_DISPLAY); "
                   "sem tela, use 'fichas valida ...' ou 'fichas pdf ...'.\n", stderr);
        return 1;
    }

    platform::ProgramFolder::setCurrent(platform::ProgramFolder::resolve(pasta, executableDir(argv[0])));
    Application application(argc, argv);
    platform::installBrazilianLocale();
    platform::installQtTranslation(&application);
    TFm_Principal principal;
    principal.show();
    return application.exec();
}

} // namespace app
