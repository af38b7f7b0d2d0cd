#include "app/Commands.h"

#include <QTextStream>

namespace app {

int runPdf(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "fichas pdf: ainda não disponível\n";
    return 2;
}

} // namespace app
