#include "editors/common/UF_Margens.h"

#include "platform/DialogKeys.h"
#include "platform/FocusExit.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"
#include "platform/RaisedError.h"
#include "printing/MarginCheck.h"
#include "printing/Margins.h"
#include "editors/common/UpDown.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace editors {

namespace {

constexpr int kUpDownMin = 0;
constexpr int kUpDownMax = 200;

const QString kPadraoQuestion =
    QStringLiteral("Deseja descartar as alterações feitas e retornar à configuração padrão ?");

} // namespace

TFm_Margens::TFm_Margens(QWidget *parent, const QString &settingsFile)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_settingsFile(settingsFile.isEmpty() ? platform::ProgramFolder::settingsFile() : settingsFile)
{
    platform::installHelpKey(this, QStringLiteral("Fichas.html#margens"));
    setObjectName(QStringLiteral("Fm_Margens"));
    setWindowTitle(QStringLiteral("Configurar Margens"));

    QFrame *panel = buildPanel();
    QHBoxLayout *buttons = buildButtons();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(Edi_Superior, Edi_Inferior);
    setTabOrder(Edi_Inferior, Edi_Esquerda);
    setTabOrder(Edi_Esquerda, Edi_Direita);
    setTabOrder(Edi_Direita, Btn_Ok);
    setTabOrder(Btn_Ok, Btn_Padrao);
    setTabOrder(Btn_Padrao, Btn_Cancelar);

    for (QLineEdit *field : {Edi_Superior, Edi_Inferior, Edi_Esquerda, Edi_Direita}) {
        platform::FocusExit::bind(field, [this, field] { Edi_SuperiorExit(field); });
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            if (m_refused == field && !platform::FocusExit::handling())
                m_refused = nullptr;
        });
    }
    connect(Btn_Ok, &QPushButton::clicked, this, [this] { platform::guard(this, [this] { Btn_OkClick(); }); });
    connect(Btn_Padrao, &QPushButton::clicked, this, [this] { platform::guard(this, [this] { Btn_PadraoClick(); }); });
    connect(Btn_Cancelar, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
    Edi_Superior->setFocus(Qt::OtherFocusReason);
}

// The raised panel: the explanation, then the four margins, each with its up-down.
QFrame *TFm_Margens::buildPanel()
{
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    Lab_Texto_App = new QLabel(
        QStringLiteral("Configura as margens de impressão, visando corrigir o posicionamento das Fichas na folha."),
        panel);
    Lab_Texto_App->setWordWrap(true);

    Edi_Superior = marginField(panel);
    Edi_Inferior = marginField(panel);
    Edi_Esquerda = marginField(panel);
    Edi_Direita = marginField(panel);
    Edi_Superior->setObjectName(QStringLiteral("Edi_Superior"));
    Edi_Inferior->setObjectName(QStringLiteral("Edi_Inferior"));
    Edi_Esquerda->setObjectName(QStringLiteral("Edi_Esquerda"));
    Edi_Direita->setObjectName(QStringLiteral("Edi_Direita"));
    UpD_Superior = new UpDown(Edi_Superior, kUpDownMin, kUpDownMax, panel);
    UpD_Inferior = new UpDown(Edi_Inferior, kUpDownMin, kUpDownMax, panel);
    UpD_Esquerda = new UpDown(Edi_Esquerda, kUpDownMin, kUpDownMax, panel);
    UpD_Direita = new UpDown(Edi_Direita, kUpDownMin, kUpDownMax, panel);

    auto *grid = new QGridLayout;
    auto place = [&](int row, int column, const QString &title, QLineEdit *field, UpDown *upDown) {
        auto *label = new QLabel(title, panel);
        label->setBuddy(field);
        grid->addWidget(label, row, column * 4);
        auto *pair = new QHBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(field);
        pair->addWidget(upDown);
        grid->addLayout(pair, row, column * 4 + 1);
        grid->addWidget(new QLabel(QStringLiteral("mm."), panel), row, column * 4 + 2);
    };
    place(0, 0, QStringLiteral("Superior"), Edi_Superior, UpD_Superior);
    place(0, 1, QStringLiteral("Esquerda"), Edi_Esquerda, UpD_Esquerda);
    place(1, 0, QStringLiteral("Inferior"), Edi_Inferior, UpD_Inferior);
    place(1, 1, QStringLiteral("Direita"), Edi_Direita, UpD_Direita);
    grid->setColumnMinimumWidth(3, 12);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(Lab_Texto_App);
    panelLayout->addLayout(grid);
    return panel;
}

QHBoxLayout *TFm_Margens::buildButtons()
{
    Btn_Ok = new QPushButton(QStringLiteral("Ok"), this);
    Btn_Padrao = new QPushButton(QStringLiteral("Padrão"), this);
    Btn_Cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    platform::DialogKeys::install(this, Btn_Ok, Btn_Cancelar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Ok);
    buttons->addWidget(Btn_Padrao);
    buttons->addWidget(Btn_Cancelar);
    return buttons;
}

QLineEdit *TFm_Margens::marginField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFixedWidth(40);
    field->installEventFilter(this);
    return field;
}

UpDown *TFm_Margens::upDownFor(QLineEdit *field) const
{
    if (field == Edi_Superior)
        return UpD_Superior;
    if (field == Edi_Inferior)
        return UpD_Inferior;
    if (field == Edi_Esquerda)
        return UpD_Esquerda;
    return UpD_Direita;
}

void TFm_Margens::setFields(const printing::MarginValues &values)
{
    UpD_Superior->setPosition(values.top);
    UpD_Inferior->setPosition(values.bottom);
    UpD_Esquerda->setPosition(values.left);
    UpD_Direita->setPosition(values.right);
}

void TFm_Margens::FormCreate() { setFields(printing::readMargins(m_settingsFile, printing::kDialogMarginDefaults)); }

bool TFm_Margens::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        upDownFor(field)->step(key->key() == Qt::Key_Up ? +1 : -1);
        return true;
    }
    // Only digits, the comma and Backspace get through; other characters are dropped.
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Backspace || !text.at(0).isPrint())
        return QDialog::eventFilter(watched, event);
    const QChar c = text.at(0);
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(','))
        return QDialog::eventFilter(watched, event);
    return true;
}

void TFm_Margens::Edi_SuperiorExit(QLineEdit *field)
{
    const printing::MarginExit result = printing::checkMarginField(field->text(), m_funcoes);
    switch (result.outcome) {
    case printing::MarginExit::Keep:
        m_refused = nullptr;
        return;
    case printing::MarginExit::Rewrite:
        m_refused = nullptr;
        field->setText(result.text);
        return;
    case printing::MarginExit::NotANumber:
        m_refused = field;
        platform::FocusExit::returnFocus(field);
        throw platform::RaisedError(printing::kMarginInvalid);
    case printing::MarginExit::OutOfRange:
        m_refused = field;
        platform::Messages::show(this, platform::kCaptionFichas, printing::kMarginInvalid, platform::MsgIcon::Error);
        platform::FocusExit::returnFocus(field);
        return;
    }
}

void TFm_Margens::Btn_PadraoClick()
{
    if (platform::Messages::show(this, platform::kCaptionFichas, kPadraoQuestion, platform::MsgIcon::Question,
                                 platform::MsgButtons::YesNo)
        != platform::MsgAnswer::Yes)
        return;
    setFields(printing::kDialogMarginDefaults);
}

void TFm_Margens::Btn_OkClick()
{
    if (m_refused && focusWidget() == m_refused)
        return;
    auto whole = [this](QLineEdit *field) {
        try {
            return int(std::lround(m_funcoes.ValorNumerico(field->text())));
        } catch (const platform::RaisedError &) {
            throw platform::RaisedError(printing::kMarginInvalid);
        }
    };
    printing::writeMargins(m_settingsFile,
                           printing::MarginValues{whole(Edi_Superior), whole(Edi_Inferior), whole(Edi_Esquerda), whole(Edi_Direita)});
    accept();
}

void showMarginsDialog(QWidget *editor)
{
    TFm_Margens dialog(editor);
    dialog.exec();
}

} // namespace editors
