#include "editors/common/UF_Salvar.h"

#include "platform/DialogKeys.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace editors {

TFm_Salvar::TFm_Salvar(const QString &caption, QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_DialogSaveButton).pixmap(24, 24));
    Label1 = new QLabel(QStringLiteral("Deseja salvar os dados ?  Para salvar os dados da Ficha é "
                                       "necessário digitar um nome para designá-la."), this);
    Label1->setWordWrap(true);
    Lab_TIT_Descricao = new QLabel(QStringLiteral("Descrição"), this);
    Edi_Descricao = new QLineEdit(this);
    Edi_Descricao->setMaxLength(30);
    Lab_TIT_Descricao->setBuddy(Edi_Descricao);

    Btn_Sim = new QPushButton(QStringLiteral("Sim"), this);
    Btn_Nao = new QPushButton(QStringLiteral("Não"), this);
    Btn_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    for (auto *b : {Btn_Sim, Btn_Nao, Btn_Cancelar})
        b->setFixedSize(75, 25);
    platform::DialogKeys::install(this, Btn_Sim, Btn_Cancelar);
    Btn_Sim->setEnabled(false);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(Label1, 1);
    auto *field = new QHBoxLayout;
    field->addWidget(Lab_TIT_Descricao);
    field->addWidget(Edi_Descricao, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Sim);
    buttons->addWidget(Btn_Nao);
    buttons->addWidget(Btn_Cancelar);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setFixedSize(281, 121);

    connect(Edi_Descricao, &QLineEdit::textChanged, this, &TFm_Salvar::Edi_DescricaoChange);
    connect(Btn_Sim, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(Btn_Nao, &QPushButton::clicked, this, [this] { done(No); });
    connect(Btn_Cancelar, &QPushButton::clicked, this, [this] { done(Cancel); });
    Edi_Descricao->setFocus();
}

QString TFm_Salvar::descricao() const { return Edi_Descricao->text().trimmed(); }

void TFm_Salvar::Edi_DescricaoChange() { Btn_Sim->setEnabled(!descricao().isEmpty()); }

} // namespace editors
