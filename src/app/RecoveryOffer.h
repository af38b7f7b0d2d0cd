#pragma once

#include <QString>

class QWidget;

namespace editors {
class EditorFactory;
}
namespace validation {
class TFm_Funcoes;
}

namespace app {

// At start: clears what killed writes left in the data folder, then offers back, one by
// one, every form that a crash kept from being saved: each recovery copy no running
// instance owns, and each record file that no catalogue line lists. Sim reopens the form
// in its editor, Não sends the file to the trash, Cancelar leaves it, and every later
// one, for the next start.
void offerRecovery(QWidget *parent, const QString &dataFolder, const editors::EditorFactory &factory,
                   const validation::TFm_Funcoes &funcoes);

} // namespace app
