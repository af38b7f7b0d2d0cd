#include "store/FichaEditor.h"

namespace store {

FichaEditor::FichaEditor(FormType type, QWidget *parent) : QDialog(parent), m_type(type) {}

} // namespace store
