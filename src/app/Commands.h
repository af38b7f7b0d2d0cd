#pragma once

#include <QStringList>

class QTextStream;

namespace app {

// `fichas valida KIND VALUE...`; args are the words after "valida".
// Returns the exit status: 0 all valid, 1 any invalid, 2 usage error.
int runValida(const QStringList &args, QTextStream &out, QTextStream &err);

// `fichas pdf TIPO CODIGO SAIDA.pdf [--pasta PASTA]`; args are the words after "pdf".
// Needs a QApplication (offscreen is enough). Returns 0, 1 on failure, 2 on usage error.
int runPdf(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace app
