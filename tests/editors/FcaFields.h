#pragma once

// The FCA editor's tagged controls as the print run receives them: the holder's four
// fields and fifteen items for each of the three other holders.

#include "widgets/IncCombo.h"
#include "widgets/MaskEdit.h"
#include "widgets/TaggedField.h"

#include <QLineEdit>
#include <QMap>
#include <QWidget>

class FcaFields {
public:
    FcaFields()
    {
        text(1, 46);
        masked(2, QStringLiteral("999.999.999-99;1; "));
        text(3, 46);
        masked(4, QStringLiteral("999.999.99-9;1; "));
        for (int k = 1; k <= 3; ++k) {
            const int base = 100 * k;
            auto *treatment = combo(base + 1, {QStringLiteral("Incluir"), QStringLiteral("Alterar"), QStringLiteral("Excluir")});
            treatment->SetValues({QStringLiteral("1-Incluir"), QStringLiteral("2-Alterar"), QStringLiteral("3-Excluir")});
            treatment->SetUseValues(true);
            masked(base + 2, QStringLiteral("999.999.999-99;1; "));
            text(base + 3, 12);
            combo(base + 4, states());
            text(base + 5, 46);
            text(base + 6, 7);
            text(base + 7, 40);
            text(base + 8, 5);
            text(base + 9, 15);
            text(base + 10, 40);
            masked(base + 11, QStringLiteral("!99999-999;1; "));
            masked(base + 12, QStringLiteral("!(99)9999-9999;1; "));
            text(base + 13, 35);
            text(base + 14, 50);
            combo(base + 15, states());
        }
    }

    static QStringList states()
    {
        return QStringLiteral("AC AL AM AP BA CE DF ES GO MA MG MS MT PA PB PE PI PR RJ RN RO RR RS SC SE SP TO")
            .split(QLatin1Char(' '));
    }

    QList<int> tags() const
    {
        QList<int> result;
        for (const auto &f : fields)
            result.append(f.tag);
        return result;
    }

    void setText(int tag, const QString &value)
    {
        QWidget *w = widget(tag);
        if (auto *m = qobject_cast<widgets::TMaskEdit *>(w))
            m->SetText(value);
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            e->setText(value);
    }
    void choose(int tag, int index) { qobject_cast<widgets::TIncCombo *>(widget(tag))->SetItemIndex(index); }
    int maxLength(int tag) const { return m_maxLength.value(tag); }

    // Fills every field to its length with the same character (the widest line each
    // box must hold), every combo with its longest item.
    void fillToTheBrim(QChar c)
    {
        for (const auto &f : fields) {
            if (f.kind == widgets::FieldKind::Text)
                setText(f.tag, QString(m_maxLength.value(f.tag), c));
            else if (f.kind == widgets::FieldKind::Masked)
                setText(f.tag, QStringLiteral("99999999999999"));
            else
                choose(f.tag, 1);
        }
    }

    QWidget window;
    widgets::TaggedFields fields;

private:
    QWidget *widget(int tag) const
    {
        for (const auto &f : fields)
            if (f.tag == tag)
                return f.widget;
        return nullptr;
    }
    void text(int tag, int length)
    {
        auto *e = new QLineEdit(&window);
        e->setMaxLength(length);
        m_maxLength.insert(tag, length);
        fields.append({tag, widgets::FieldKind::Text, e});
    }
    void masked(int tag, const QString &mask)
    {
        auto *m = new widgets::TMaskEdit(&window);
        m->SetEditMask(mask);
        fields.append({tag, widgets::FieldKind::Masked, m});
    }
    widgets::TIncCombo *combo(int tag, const QStringList &items)
    {
        auto *c = new widgets::TIncCombo(&window);
        c->SetItems(items);
        fields.append({tag, widgets::FieldKind::Combo, c});
        return c;
    }

    QMap<int, int> m_maxLength;
};
