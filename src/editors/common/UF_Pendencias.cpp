#include "editors/common/UF_Pendencias.h"

#include "platform/DialogKeys.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace editors {

QString resumoPendencias(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("Nenhuma pendência encontrada.");
    if (count == 1)
        return QStringLiteral("1 pendência.");
    return QStringLiteral("%1 pendências.").arg(count);
}

TFm_Pendencias::TFm_Pendencias(const Pendencias &pendencias, QWidget *editor)
    : QDialog(editor), m_pendencias(pendencias)
{
    setObjectName(QStringLiteral("Fm_Pendencias"));
    setWindowTitle(QStringLiteral("Pendências"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *layout = new QVBoxLayout(this);
    Lab_Resumo = new QLabel(resumoPendencias(pendencias.size()), this);
    layout->addWidget(Lab_Resumo);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    if (!pendencias.isEmpty()) {
        Lab_Resumo->setText(Lab_Resumo->text() + QStringLiteral(" Enter ou duplo clique leva ao campo."));
        Lst_Pendencias = new QTreeWidget(this);
        Lst_Pendencias->setObjectName(QStringLiteral("Lst_Pendencias"));
        Lst_Pendencias->setRootIsDecorated(false);
        Lst_Pendencias->setUniformRowHeights(true);
        Lst_Pendencias->setAllColumnsShowFocus(true);
        Lst_Pendencias->setHeaderLabels({QStringLiteral("Campo"), QStringLiteral("Página"), QStringLiteral("Pendência")});
        for (const Pendencia &p : pendencias) {
            auto *item = new QTreeWidgetItem(Lst_Pendencias, {p.field, p.page, p.message});
            item->setToolTip(2, p.message);
        }
        Lst_Pendencias->header()->setStretchLastSection(true);
        Lst_Pendencias->resizeColumnToContents(0);
        Lst_Pendencias->resizeColumnToContents(1);
        Lst_Pendencias->setCurrentItem(Lst_Pendencias->topLevelItem(0));
        layout->addWidget(Lst_Pendencias);
        Btn_IrParaCampo = new QPushButton(QStringLiteral("&Ir para o campo"), this);
        buttons->addWidget(Btn_IrParaCampo);
        connect(Btn_IrParaCampo, &QPushButton::clicked, this, &TFm_Pendencias::Btn_IrParaCampoClick);
        connect(Lst_Pendencias, &QTreeWidget::itemDoubleClicked, this, &TFm_Pendencias::Btn_IrParaCampoClick);
        resize(760, 320);
    }
    Btn_Fechar = new QPushButton(QStringLiteral("&Fechar"), this);
    buttons->addWidget(Btn_Fechar);
    layout->addLayout(buttons);
    connect(Btn_Fechar, &QPushButton::clicked, this, &QDialog::reject);

    platform::DialogKeys::install(this, Btn_IrParaCampo ? Btn_IrParaCampo : Btn_Fechar, Btn_Fechar);
    if (Lst_Pendencias)
        Lst_Pendencias->setFocus();
}

void TFm_Pendencias::Btn_IrParaCampoClick()
{
    const int row = Lst_Pendencias ? Lst_Pendencias->indexOfTopLevelItem(Lst_Pendencias->currentItem()) : -1;
    if (row < 0)
        return;
    const QString control = m_pendencias.at(row).control;
    accept();
    emit fieldChosen(control);
}

} // namespace editors
