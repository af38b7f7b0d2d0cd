#include "store/RecordFile.h"

#include "platform/Escape.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"
#include "widgets/FieldValue.h"

#include <QRegularExpression>

#include <cstdlib>

namespace store {

using widgets::FieldKind;

QString RecordFormat::tag(int tag) const
{
    return QStringLiteral("%1").arg(tag, tagWidth, 10, QLatin1Char('0'));
}

QString RecordFormat::comboIndex(int index) const
{
    const QString digits = QStringLiteral("%1").arg(std::abs(index), comboDigits, 10, QLatin1Char('0'));
    return index < 0 ? QLatin1Char('-') + digits : digits;
}

RecordFormat recordFormat(FormType type)
{
    switch (type) {
    case FormType::FAC: return {5, 5};
    case FormType::FACA: return {2, 0};
    case FormType::FAS: return {2, 2};
    case FormType::FCA: return {3, 3};
    }
    return {};
}

RecordFile::RecordFile(RecordFormat format, widgets::TaggedFields fields)
    : m_format(format), m_fields(std::move(fields))
{
}

bool RecordFile::storable(FieldKind kind) { return kind != FieldKind::Other; }

namespace {
QString oneLine(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

bool parseWhole(const QString &text, int *value)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    if (!number.match(text).hasMatch())
        return false;
    bool ok = false;
    *value = text.trimmed().toInt(&ok);
    return ok;
}
} // namespace

QStringList RecordFile::lines() const
{
    QStringList out;
    for (const auto &f : m_fields) {
        if (f.tag <= 0 || !storable(f.kind))
            continue;
        const QString value = f.kind == FieldKind::Combo ? m_format.comboIndex(widgets::comboIndex(f))
                                                         : oneLine(widgets::fieldText(f));
        out.append(m_format.tag(f.tag) + QLatin1Char(' ') + value);
    }
    return out;
}

void RecordFile::save(const QString &path) const { platform::textfile::writeLines(path, lines()); }

void RecordFile::apply(const QStringList &lines, const LineHook &before, const LineHook &after) const
{
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        int tag = 0;
        if (!parseWhole(line.left(m_format.tagWidth), &tag))
            throw platform::RaisedError(QStringLiteral("Linha de ficha inválida: \"%1\"").arg(platform::quoteLine(line)));
        const QString value = line.mid(m_format.valueColumn() - 1);
        if (before)
            before(tag, value);
        for (const auto &f : m_fields) {
            if (f.tag != tag || tag <= 0 || !storable(f.kind))
                continue;
            if (f.kind == FieldKind::Combo) {
                int index = 0;
                // A value that is no index leaves the combo as it is, like one beyond its items.
                if (parseWhole(value, &index) && index < widgets::comboCount(f))
                    widgets::setComboIndex(f, index < 0 ? -1 : index);
            } else {
                widgets::setFieldText(f, value);
            }
        }
        if (after)
            after(tag, value);
    }
}

void RecordFile::load(const QString &path, const LineHook &before, const LineHook &after) const
{
    apply(platform::textfile::readLines(path), before, after);
}

void RecordFile::clear() const
{
    for (const auto &f : m_fields)
        if (storable(f.kind))
            widgets::clearField(f);
}

} // namespace store
