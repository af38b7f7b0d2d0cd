#include "editors/common/EditorParts.h"

#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace editors {

const QStringList &estados()
{
    static const QStringList codes{
        QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"),
        QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
        QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MG"), QStringLiteral("MS"),
        QStringLiteral("MT"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PE"),
        QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("RJ"), QStringLiteral("RN"),
        QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"), QStringLiteral("SC"),
        QStringLiteral("SE"), QStringLiteral("SP"), QStringLiteral("TO")};
    return codes;
}

QLineEdit *textField(QWidget *parent, int maxLength)
{
    auto *f = new QLineEdit(parent);
    f->setMaxLength(maxLength);
    return f;
}

widgets::TMaskEdit *maskedField(QWidget *parent, const QString &mask)
{
    auto *f = new widgets::TMaskEdit(parent);
    f->SetEditMask(mask);
    return f;
}

widgets::TIncCombo *comboField(QWidget *parent, const QStringList &items, const QStringList &values)
{
    auto *c = new widgets::TIncCombo(parent);
    c->SetItems(items);
    if (!values.isEmpty()) {
        c->SetValues(values);
        c->SetUseValues(true);
    }
    return c;
}

QLabel *placeTitled(QGridLayout *grid, int row, int column, const QString &title, QWidget *field,
                    int columnSpan)
{
    auto *label = new QLabel(title, field->parentWidget());
    label->setBuddy(field);
    field->setAccessibleName(title);
    grid->addWidget(label, row * 2, column, 1, columnSpan);
    grid->addWidget(field, row * 2 + 1, column, 1, columnSpan);
    return label;
}

} // namespace editors
