#include "app/UF_Principal.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace app {

TFm_Principal::TFm_Principal(QWidget *parent) : QWidget(parent) { FormCreate(); }
TFm_Principal::~TFm_Principal() = default;

void TFm_Principal::FormCreate() {}
int TFm_Principal::itemIndex() const { return -1; }
void TFm_Principal::setItemIndex(int) {}
void TFm_Principal::RdGrp_TipoDocClick() {}
void TFm_Principal::Btn_OkClick() {}
void TFm_Principal::Btn_CancelarClick() { close(); }
void TFm_Principal::Btn_SobreClick() {}

} // namespace app
