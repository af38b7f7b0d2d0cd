#include "store/RecordFile.h"

#include "platform/Escape.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <QRegularExpression>

#include <cstdlib>

namespace store {

QString RecordFormat::tag(int tag) const
{
    return QStringLiteral("%1").arg(tag, tagWidth, 10, QLatin1Char('0'));
}

QString RecordFormat::comboIndex(int index) const
{
    const QString digits = QStringLiteral("%1").arg(std::abs(index), comboDigits, 10, QLatin1Char('0'));
    return index < 0 ? QLatin1Char('-') + digits : digits;
}

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

QStringList RecordFile::lines(const FormModel &form) const
{
    QStringList out;
    for (qsizetype i = 0; i < form.size(); ++i) {
        const RecordField &f = form.fields().at(i);
        if (f.tag <= 0)
            continue;
        const QString value = f.kind == ValueKind::Index ? m_format.comboIndex(form.index(i)) : oneLine(form.text(i));
        out.append(m_format.tag(f.tag) + QLatin1Char(' ') + value);
    }
    return out;
}

void RecordFile::save(const QString &path, const FormModel &form) const
{
    platform::textfile::writeLines(path, lines(form));
}

std::optional<RecordLine> RecordFile::parse(const QString &line) const
{
    if (line.trimmed().isEmpty())
        return std::nullopt;
    int tag = 0;
    if (!parseWhole(line.left(m_format.tagWidth), &tag))
        throw platform::RaisedError(QStringLiteral("Linha de ficha inválida: \"%1\"").arg(platform::quoteLine(line)));
    return RecordLine{tag, line.mid(m_format.valueColumn() - 1)};
}

std::optional<int> RecordFile::indexFrom(const QString &value, int items)
{
    int index = 0;
    if (!parseWhole(value, &index) || index >= items)
        return std::nullopt;
    return index < 0 ? -1 : index;
}

void RecordFile::apply(const QStringList &lines, FormModel &form) const
{
    for (const QString &text : lines) {
        const std::optional<RecordLine> line = parse(text);
        if (!line || line->tag <= 0)
            continue;
        for (qsizetype i = 0; i < form.size(); ++i) {
            const RecordField &f = form.fields().at(i);
            if (f.tag != line->tag)
                continue;
            if (f.kind == ValueKind::Text)
                form.setText(i, line->value);
            else if (const std::optional<int> index = indexFrom(line->value, f.items))
                form.setIndex(i, *index);
        }
    }
}

void RecordFile::load(const QString &path, FormModel &form) const
{
    apply(platform::textfile::readLines(path), form);
}

} // namespace store
