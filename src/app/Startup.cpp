#include "app/Startup.h"

#include "app/Application.h"
#include "app/Commands.h"
#include "app/HandOver.h"
#include "app/UF_Principal.h"
#include "app/Version.h"
#include "platform/Locale.h"
#include "platform/ProgramFolder.h"
#include "editors/EditorFactory.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDir>
#include <QFileInfo>
#include <QHashSeed>
#include <QIcon>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace app {

namespace {

const char *const kUsage =
    "Uso: fichas [--pasta PASTA]\n"
    "       fichas valida cpf|cnpj|ie|ie2|email VALOR...\n"
    "       fichas pdf %1 CODIGO SAIDA.pdf [--pasta PASTA]\n"
    "       fichas verifica %1 CODIGO [--pasta PASTA]\n"
    "       fichas lista %1 [--pasta PASTA]\n"
    "\n"
    "  --pasta PASTA  pasta do programa (com Dados/, Forms.ini e help/);\n"
    "                 sem ela, a pasta do executável ou, se esta não for gravável\n"
    "                 (programa instalado), ~/.local/share/fichas\n"
    "  --help         mostra este texto\n"
    "  --version      mostra o nome e a versão do programa\n"
    "\n"
    "  O CODIGO de uma ficha guardada é o que 'fichas lista TIPO' mostra.\n";

QByteArray usage() { return QString::fromUtf8(kUsage).arg(editors::formTypes().choice()).toUtf8(); }

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
    if (command == QLatin1String("lista")) {
        QCoreApplication core(argc, argv);
        return runGuarded("lista", [&] { return runLista(args, out, err); }, 2);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's PDF engine numbers its font objects in hash order: a fixed seed keeps the
    // output the same from run to run, so the same form always gives the same file.
    QHashSeed::setDeterministicGlobalSeed();
    // A saved form is read, checked and printed without a window: no widget is made.
    QGuiApplication gui(argc, argv);
    // A check that cannot finish is a failure, not a finding: 2, as 1 means problems found.
    if (command == QLatin1String("verifica"))
        return runGuarded("verifica", [&] { return runVerifica(args, out, err); }, 2);
    return runGuarded("pdf", [&] { return runPdf(args, out, err); });
}

} // namespace

int run(int argc, char **argv)
{
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first == QLatin1String("valida") || first == QLatin1String("pdf") || first == QLatin1String("verifica")
        || first == QLatin1String("lista"))
        return runCommand(argc, argv, first);

    if (first == QLatin1String("--version") && argc == 2) {
        std::fputs(versionText().toLocal8Bit().constData(), stdout);
        return 0;
    }

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const bool help = args.removeAll(QStringLiteral("--help")) + args.removeAll(QStringLiteral("-h")) > 0;
    QString pasta;
    const QString problem = takePastaOption(args, &pasta);
    if (!problem.isEmpty() || !args.isEmpty()) {
        const QString what = problem.isEmpty() ? QStringLiteral("opção desconhecida: %1").arg(args.first()) : problem;
        std::fprintf(stderr, "fichas: %s\n", what.toLocal8Bit().constData());
        std::fputs(usage().constData(), stderr);
        return 2;
    }

    const QString programFolder = platform::ProgramFolder::resolve(pasta, executableDir(argv[0]));
    if (help) {
        // Says where this very run would keep the forms, --pasta included.
        platform::ProgramFolder::setCurrent(programFolder);
        std::fputs(usage().constData(), stdout);
        std::fprintf(stdout, "\nDados: %s\n", platform::ProgramFolder::dataFolder().toLocal8Bit().constData());
        return 0;
    }

    if (!hasDisplay()) {
        std::fputs("fichas: é preciso uma sessão gráfica (DISPLAY ou WAYLAND_DISPLAY); "
                   "sem tela, use 'fichas valida ...', 'fichas pdf ...' ou 'fichas verifica ...'.\n", stderr);
        return 1;
    }

    platform::ProgramFolder::setCurrent(programFolder);
    Application application(argc, argv);
    // Ties the window to the menu entry and its icon once the package is installed.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fichas.fichas"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("fichas")));
    platform::installBrazilianLocale();
    platform::installQtTranslation(&application);
    TFm_Principal principal;
    principal.show();
    QTimer::singleShot(0, &principal, &TFm_Principal::offerRecovery);
    return application.exec();
}

} // namespace app
