#include "platform/Escape.h"

namespace platform {

namespace {
bool isControl(char16_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0x2028 || u == 0x2029; }

QString escaped(QChar c)
{
    switch (c.unicode()) {
    case u'\t': return QStringLiteral("\\t");
    case u'\r': return QStringLiteral("\\r");
    case u'\n': return QStringLiteral("\\n");
    case u'\\': return QStringLiteral("\\\\");
    default: break;
    }
    if (!isControl(c.unicode()))
        return QString(c);
    if (c.unicode() > 0xFF)
        return QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
    return QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
}
} // namespace

QString escapeControls(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        out += escaped(c);
    return out;
}

QString quoteLine(const QString &line, int limit)
{
    static const QString cut = QStringLiteral("...");
    // Only the head of the line is looked at: enough to know whether it fits.
    QString out;
    qsizetype fits = 0;   // length of out while it still leaves room for the cut mark
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QString piece = escaped(line.at(i));
        if (out.size() + piece.size() > limit)
            return out.left(fits) + cut;
        out += piece;
        if (out.size() <= limit - cut.size())
            fits = out.size();
    }
    return out;
}

} // namespace platform
