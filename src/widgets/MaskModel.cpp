#include "widgets/MaskModel.h"

namespace widgets {

namespace {
constexpr QChar kSeparator = QLatin1Char(';');
constexpr QChar kEscape = QLatin1Char('\\');

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

MaskModel::MaskModel(const QString &editMask) : m_editMask(editMask)
{
    Case casing = Case::Keep;
    int i = 0;
    for (; i < editMask.size(); ++i) {
        const QChar c = editMask.at(i);
        if (c == kSeparator)
            break;
        Position p;
        p.casing = casing;
        switch (c.unicode()) {
        case '\\':
            if (i + 1 < editMask.size())
                p.literal = editMask.at(++i);
            else
                continue; // a trailing escape escapes nothing
            break;
        case '!':
            m_blanksLead = true;
            continue;
        case '>':
            casing = Case::Upper;
            continue;
        case '<':
            if (i + 1 < editMask.size() && editMask.at(i + 1) == QLatin1Char('>')) {
                ++i;
                casing = Case::Keep;
            } else {
                casing = Case::Lower;
            }
            continue;
        case '9': p.kind = Kind::Digit; break;
        case '0': p.kind = Kind::Digit; p.required = true; break;
        case '#': p.kind = Kind::DigitOrSign; break;
        case 'l': p.kind = Kind::Letter; break;
        case 'L': p.kind = Kind::Letter; p.required = true; break;
        case 'a': p.kind = Kind::Alphanumeric; break;
        case 'A': p.kind = Kind::Alphanumeric; p.required = true; break;
        case 'c': p.kind = Kind::Any; break;
        case 'C': p.kind = Kind::Any; p.required = true; break;
        case '_': p.literal = QLatin1Char(' '); break;
        default: p.literal = c; break;
        }
        if (p.kind != Kind::Literal)
            ++m_entryCount;
        m_positions.append(p);
    }

    // The sections after the mask: "1" or "0" for the literals, then the blank character.
    if (i < editMask.size()) {
        const QString rest = editMask.mid(i + 1);
        const qsizetype second = rest.indexOf(kSeparator);
        const QString save = second < 0 ? rest : rest.left(second);
        m_keepLiterals = !save.startsWith(QLatin1Char('0'));
        if (second >= 0 && second + 1 < rest.size())
            m_blank = rest.at(second + 1);
    }
}

bool MaskModel::isEntry(int pos) const
{
    return pos >= 0 && pos < length() && m_positions.at(pos).kind != Kind::Literal;
}

bool MaskModel::isRequired(int pos) const { return isEntry(pos) && m_positions.at(pos).required; }

QChar MaskModel::literalAt(int pos) const
{
    if (pos < 0 || pos >= length() || isEntry(pos))
        return {};
    return m_positions.at(pos).literal;
}

int MaskModel::nextEntry(int pos) const
{
    for (int p = qMax(pos, 0); p < length(); ++p)
        if (isEntry(p))
            return p;
    return -1;
}

int MaskModel::previousEntry(int pos) const
{
    for (int p = qMin(pos, length()) - 1; p >= 0; --p)
        if (isEntry(p))
            return p;
    return -1;
}

QChar MaskModel::accept(int pos, QChar c) const
{
    if (!isEntry(pos) || c == m_blank || !c.isPrint())
        return {};
    const Position &p = m_positions.at(pos);
    bool ok = false;
    switch (p.kind) {
    case Kind::Digit: ok = isAsciiDigit(c); break;
    case Kind::DigitOrSign: ok = isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-'); break;
    case Kind::Letter: ok = c.isLetter(); break;
    case Kind::Alphanumeric: ok = c.isLetter() || isAsciiDigit(c); break;
    case Kind::Any: ok = true; break;
    case Kind::Literal: break;
    }
    if (!ok)
        return {};
    switch (p.casing) {
    case Case::Upper: return c.toUpper();
    case Case::Lower: return c.toLower();
    case Case::Keep: break;
    }
    return c;
}

QString MaskModel::emptyEditText() const
{
    QString s;
    s.reserve(length());
    for (const Position &p : m_positions)
        s.append(p.kind == Kind::Literal ? p.literal : m_blank);
    return s;
}

bool MaskModel::isBlankAt(const QString &editText, int pos) const
{
    return pos >= editText.size() || editText.at(pos) == m_blank;
}

QString MaskModel::text(const QString &editText) const
{
    if (isEmpty())
        return editText;
    return m_keepLiterals ? textWithLiterals(editText) : textWithoutLiterals(editText);
}

QString MaskModel::textWithLiterals(const QString &editText) const
{
    if (isEmpty())
        return editText;
    QString s;
    s.reserve(length());
    for (int pos = 0; pos < length(); ++pos) {
        if (!isEntry(pos))
            s.append(m_positions.at(pos).literal);
        else
            s.append(isBlankAt(editText, pos) ? QLatin1Char(' ') : editText.at(pos));
    }
    return s;
}

QString MaskModel::textWithoutLiterals(const QString &editText) const
{
    if (isEmpty())
        return editText;
    QList<bool> filled;
    QString s;
    for (int pos = 0; pos < length(); ++pos) {
        if (!isEntry(pos))
            continue;
        const bool blank = isBlankAt(editText, pos);
        filled.append(!blank);
        s.append(blank ? QLatin1Char(' ') : editText.at(pos));
    }
    if (m_blanksLead) {
        qsizetype first = 0;
        while (first < filled.size() && !filled.at(first))
            ++first;
        return s.mid(first);
    }
    qsizetype end = filled.size();
    while (end > 0 && !filled.at(end - 1))
        --end;
    return s.left(end);
}

bool MaskModel::isFormatted(const QString &value) const
{
    const int n = int(qMin<qsizetype>(value.size(), length()));
    bool coversLiteral = false;
    for (int pos = 0; pos < n; ++pos) {
        if (isEntry(pos))
            continue;
        if (value.at(pos) != m_positions.at(pos).literal)
            return false;
        coversLiteral = true;
    }
    return coversLiteral;
}

QString MaskModel::editTextFor(const QString &value) const
{
    if (isEmpty())
        return value;
    QString edit = emptyEditText();
    if (isFormatted(value)) {
        const int n = int(qMin<qsizetype>(value.size(), length()));
        for (int pos = 0; pos < n; ++pos) {
            if (isEntry(pos)) {
                const QChar c = accept(pos, value.at(pos));
                if (!c.isNull())
                    edit[pos] = c;
            }
        }
        return edit;
    }
    const QString entered = value.left(m_entryCount);
    int skip = m_blanksLead ? m_entryCount - int(entered.size()) : 0;
    int i = 0;
    for (int pos = 0; pos < length() && i < entered.size(); ++pos) {
        if (!isEntry(pos))
            continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        const QChar c = accept(pos, entered.at(i++));
        if (!c.isNull())
            edit[pos] = c;
    }
    return edit;
}

int MaskModel::firstBlank(const QString &editText) const
{
    for (int pos = 0; pos < length(); ++pos)
        if (isEntry(pos) && isBlankAt(editText, pos))
            return pos;
    return -1;
}

int MaskModel::caretAfter(int pos) const
{
    const int next = nextEntry(pos + 1);
    return next < 0 ? length() : next;
}

int MaskModel::type(QString &editText, int caret, QChar c) const
{
    const int pos = nextEntry(caret);
    if (pos < 0 || pos >= editText.size())
        return -1;
    QChar kept = accept(pos, c);
    if (kept.isNull()) {
        if (c != QLatin1Char(' ') || isRequired(pos))
            return -1;
        kept = m_blank;
    }
    editText[pos] = kept;
    return caretAfter(pos);
}

void MaskModel::blankRange(QString &editText, int from, int to) const
{
    const int end = int(qMin<qsizetype>(qMin(to, length()), editText.size()));
    for (int pos = qMax(from, 0); pos < end; ++pos)
        if (isEntry(pos))
            editText[pos] = m_blank;
}

int MaskModel::backspace(QString &editText, int caret) const
{
    const int pos = previousEntry(caret);
    if (pos < 0 || pos >= editText.size())
        return caret;
    editText[pos] = m_blank;
    return pos;
}

int MaskModel::deleteForward(QString &editText, int caret) const
{
    const int pos = nextEntry(caret);
    if (pos >= 0 && pos < editText.size())
        editText[pos] = m_blank;
    return caret;
}

int MaskModel::paste(QString &editText, int caret, const QString &text) const
{
    int pos = qMax(caret, 0);
    for (const QChar c : text) {
        if (pos >= length())
            break;
        if (!isEntry(pos) && c == m_positions.at(pos).literal) {
            ++pos;
            continue;
        }
        const int target = nextEntry(pos);
        if (target < 0 || target >= editText.size())
            break;
        const QChar kept = accept(target, c);
        if (kept.isNull())
            continue;
        editText[target] = kept;
        pos = target + 1;
    }
    const int next = nextEntry(pos);
    return next < 0 ? length() : next;
}

} // namespace widgets
