#include "store/Catalogue.h"

#include "platform/Escape.h"
#include "platform/RaisedError.h"
#include "platform/TextFile.h"

#include <QRegularExpression>
#include <QSet>

namespace store::catalogue {

namespace {
// The code is the first two characters read as a whole number ("07", " 7", "7").
bool parseCode(const QString &line, int *code)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d+$"));
    const QString head = line.left(2);
    if (!number.match(head).hasMatch())
        return false;
    *code = head.trimmed().toInt();
    return true;
}
} // namespace

QList<CatalogueEntry> read(const QString &path)
{
    QList<CatalogueEntry> entries;
    const QStringList lines = platform::textfile::readLines(path);
    for (const QString &text : lines) {
        if (text.trimmed().isEmpty())
            continue;
        CatalogueEntry entry;
        if (!parseCode(text, &entry.code))
            throw platform::RaisedError(
                QStringLiteral("Linha inválida no arquivo de fichas: \"%1\"").arg(platform::quoteLine(text)));
        entry.description = text.mid(3);
        entries.append(entry);
    }
    return entries;
}

QString line(int code, const QString &description)
{
    // A line break would split the entry in two.
    QString text = description;
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return (QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')) + QLatin1Char(' ') + text.trimmed())
        .trimmed();
}

void rewrite(const QString &path, const QList<CatalogueEntry> &entries)
{
    QStringList lines;
    for (const auto &e : entries)
        lines.append(line(e.code, e.description));
    platform::textfile::writeLines(path, lines);
}

void append(const QString &path, int code, const QString &description)
{
    platform::textfile::createEmpty(path);
    platform::textfile::appendLine(path, line(code, description));
}

int highestCode(const QList<CatalogueEntry> &entries)
{
    int highest = 0;
    for (const auto &e : entries)
        highest = std::max(highest, e.code);
    return highest;
}

int nextCode(const QList<CatalogueEntry> &entries, const std::function<bool(int)> &taken)
{
    const auto free = [&](int c) { return !taken || !taken(c); };
    for (int c = highestCode(entries) + 1; c >= 1 && c <= kMaxCode; ++c)
        if (free(c))
            return c;
    QSet<int> used;
    for (const auto &e : entries)
        used.insert(e.code);
    for (int c = 1; c <= kMaxCode; ++c)
        if (!used.contains(c) && free(c))
            return c;
    return 0;
}

} // namespace store::catalogue
