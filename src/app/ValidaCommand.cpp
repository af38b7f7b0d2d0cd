#include "app/Commands.h"

#include <QTextStream>

namespace app {

int runValida(const QStringList &, QTextStream &, QTextStream &err)
{
    err << "fichas valida: ainda não disponível\n";
    return 2;
}

} // namespace app
