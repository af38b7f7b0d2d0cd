#pragma once

#include "store/FormType.h"

#include <QString>
#include <QStringList>


namespace editors {
class FichaEditor;
}

namespace app {

// The application title: the caption of the error box and of the plain messages.
inline const QString kApplicationTitle = QStringLiteral("Morvetia 3.1");

// Hands a form over to its editor: the catalogue and record-file paths in the data
// folder, the form code and whether the form is new.
void handOver(editors::FichaEditor &editor, store::FormType type, int code, bool nova, const QString &dataFolder);

// Takes "--pasta PASTA" and "--pasta=PASTA" out of args, the last one winning, into
// *pasta. Returns an empty string, or what is wrong ("--pasta" with nothing after it).
QString takePastaOption(QStringList &args, QString *pasta);

} // namespace app
