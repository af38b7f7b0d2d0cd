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

// `fichas verifica TIPO CODIGO [--pasta PASTA]`: the whole-form check of a saved form,
// one problem a line (field, page, message, tab-separated). Needs a QApplication
// (offscreen is enough) and never writes to the data folder. Returns 0 when there is
// no problem, 1 when there are, 2 on a usage or file error.
int runVerifica(const QStringList &args, QTextStream &out, QTextStream &err);

// `fichas lista TIPO [--pasta PASTA]`: the saved forms of a type, one a line,
// code<TAB>description, in catalogue order, control characters escaped as valida does.
// Returns 0, or 2 on a usage or file error.
int runLista(const QStringList &args, QTextStream &out, QTextStream &err);

} // namespace app
