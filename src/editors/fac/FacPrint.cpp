#include "editors/fac/FacPrint.h"

#include "editors/common/FieldTable.h"

#include "platform/Clock.h"
#include "platform/Locale.h"
#include "widgets/FieldValue.h"

#include <QHash>
#include <QSet>

namespace editors::facprint {

namespace {

// The Central Vorda list's Tag and the entry that puts the form under it.
constexpr int kTagCentralVorda = 3;
const QString kSim = QStringLiteral("SIM");

// The capitals of Windows-1252 above Latin-1: Š, Œ, Ž, Ÿ.
bool isWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) || u == 0x0160 || u == 0x0152 || u == 0x017D || u == 0x0178;
}

// Single-line text and masked fields print in capitals; multi-line fields and lists as they are.
bool raisesCase(const widgets::TaggedField &field)
{
    return field.widget && (field.kind == widgets::FieldKind::Text || field.kind == widgets::FieldKind::Masked);
}

} // namespace

QStringList printCheckFailures(int naturezaIndex, const QString &declarante)
{
    QStringList failing;
    if (naturezaIndex < 0)
        failing.append(QStringLiteral("Inc_Pedido"));
    if (declarante.isEmpty())
        failing.append(QStringLiteral("Edit16"));
    return failing;
}

QString raisedCase(const QString &text)
{
    QString result = text;
    for (QChar &c : result) {
        if (c.isSurrogate() || !c.isLower())
            continue;
        const QChar upper = c.toUpper();
        if (upper != c && isWindows1252(upper))
            c = upper;
    }
    return result;
}

RaisedFields raiseCase(const widgets::TaggedFields &fields)
{
    RaisedFields changed;
    for (const widgets::TaggedField &field : fields) {
        if (!raisesCase(field))
            continue;
        const QString before = widgets::fieldText(field);
        const QString after = raisedCase(before);
        if (after == before)
            continue;
        widgets::setFieldText(field, after);
        changed.append(RaisedField{field, before});
    }
    return changed;
}

void restoreCase(const RaisedFields &raised)
{
    // Backwards, so a field listed twice ends with its first text.
    for (auto it = raised.crbegin(); it != raised.crend(); ++it)
        widgets::setFieldText(it->field, it->before);
}

printing::TagValues raisedValues(const QList<FieldRow> &rows, const FormFields &fields, const printing::TagValues &values)
{
    QHash<int, QString> raised;
    for (const FieldRow &row : rows)
        if (row.tag > 0 && (row.type == FieldType::Text || row.type == FieldType::Masked))
            raised.insert(row.tag, raisedCase(fields.shownText(row.control)));
    return [raised, values](int tag) -> std::optional<QString> {
        const auto it = raised.constFind(tag);
        return it != raised.constEnd() ? std::optional<QString>(*it) : values(tag);
    };
}

void showCentralVorda(printing::Layout &layout, const QString &labelName, const printing::TagValues &values)
{
    if (printing::TextLabel *label = layout.label(labelName))
        label->enabled = values(kTagCentralVorda).value_or(QString()) == kSim;
}

QString Lab_DataImpressaoPrint(const QString &text, const QDate &today)
{
    Q_UNUSED(text);
    return QStringLiteral("DATA: ") + platform::formatShortDate(today);
}

printing::LayoutSteps pageSteps(const QString &layoutName)
{
    printing::LayoutSteps steps;
    if (layoutName == kLayoutPage1) {
        steps.beforeFill = [](printing::Layout &layout, const printing::TagValues &values) {
            showCentralVorda(layout, QStringLiteral("Lab_Central_1"), values);
        };
    } else if (layoutName == kLayoutPage2) {
        steps.beforeFill = [](printing::Layout &layout, const printing::TagValues &values) {
            showCentralVorda(layout, QStringLiteral("Lab_Central_2"), values);
            if (printing::TextLabel *date = layout.label(QStringLiteral("Lab_DataImpressao")))
                date->beforePrint = [](const QString &text) {
                    return Lab_DataImpressaoPrint(text, platform::Clock::today());
                };
        };
    }
    return steps;
}

} // namespace editors::facprint
