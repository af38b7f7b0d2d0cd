#pragma once

#include <QList>
#include <QString>

namespace widgets {

// A Windows edit mask ("!999.999.999-99;1; ") and what it makes of a field's text.
// No widget here: the masked edit keeps its shown text (the "edit text": one character
// per mask position, literals in place, the blank character in unfilled positions) and
// asks this class what to do with it.
//
// Notation, before the first unescaped ";":
//   9 digit, may stay blank      0 digit, required      # digit or sign, may stay blank
//   l letter, may stay blank     L letter, required
//   a letter or digit, optional  A letter or digit, required
//   c any character, optional    C any character, required
//   >  upper case from here on   <  lower case from here on   <>  no case conversion
//   \  the next character is a literal      _  a literal blank
//   !  blanks lead: a short value set through the mask fills the rightmost positions, and
//      the text without literals drops its leading blanks (without "!": values fill from
//      the left and the trailing blanks are dropped). "!" is a directive wherever it stands.
//   every other character is a literal.
// After the first ";": "0" leaves the literals out of the field's text, anything else
// keeps them (also when the section is missing). After the second ";": the blank
// character shown in unfilled positions ("_" when missing).
//
// An empty mask (or one without positions) is "no mask": the field is plain text.
class MaskModel {
public:
    MaskModel() = default;
    explicit MaskModel(const QString &editMask);

    const QString &editMask() const { return m_editMask; }
    bool isEmpty() const { return m_positions.isEmpty(); }
    bool keepsLiterals() const { return m_keepLiterals; }
    QChar blank() const { return m_blank; }

    // Number of characters shown (literals and entry positions).
    int length() const { return int(m_positions.size()); }
    bool isEntry(int pos) const;
    bool isRequired(int pos) const;
    // The literal shown at pos; a null QChar for an entry position or outside the mask.
    QChar literalAt(int pos) const;
    // First entry position at or after pos, or -1.
    int nextEntry(int pos) const;
    // Last entry position before pos, or -1.
    int previousEntry(int pos) const;
    // c as it is kept at entry position pos (case converted), or a null QChar when the
    // position does not take it. The blank is never "taken": it leaves a position unfilled.
    QChar accept(int pos, QChar c) const;

    // What an empty field shows: the literals, the blank character elsewhere.
    QString emptyEditText() const;

    // The field's text as the mask gives it: with the literals (";1") or without (";0").
    QString text(const QString &editText) const;
    // Every position, literals included, unfilled ones as a blank " ".
    QString textWithLiterals(const QString &editText) const;
    // The entered characters only, unfilled ones as " ", the leading (with "!") or
    // trailing (without) run of unfilled positions dropped.
    QString textWithoutLiterals(const QString &editText) const;

    // The edit text for a value set through the mask. A value that carries the mask's
    // literals at their places (a formatted value, possibly cut short) is placed position
    // by position; any other value is taken as the entered characters and fills the entry
    // positions in order (from the right end when blanks lead, see "!"); characters beyond
    // the entry positions are dropped. A character that a position does not take leaves
    // that position blank. With no mask the value is returned unchanged.
    QString editTextFor(const QString &value) const;

    // The first entry position left blank, or -1.
    int firstBlank(const QString &editText) const;

    // Editing steps on an edit text; each returns the new caret position.
    // Types c at the first entry position at or after caret; -1 (nothing changed) when
    // there is none or it does not take c. A blank typed into an optional position
    // empties it.
    int type(QString &editText, int caret, QChar c) const;
    // Empties the entry positions in [from, to).
    void blankRange(QString &editText, int from, int to) const;
    // Backspace: empties the entry position before caret and moves onto it.
    int backspace(QString &editText, int caret) const;
    // Delete: empties the entry position at or after caret; the caret stays.
    int deleteForward(QString &editText, int caret) const;
    // Pastes text from caret on: a character equal to the literal under the cursor steps
    // over it, a character that the next entry position takes fills it, any other
    // character (punctuation, blanks, a letter in a digit position) is dropped.
    int paste(QString &editText, int caret, const QString &text) const;

private:
    enum class Kind { Literal, Digit, DigitOrSign, Letter, Alphanumeric, Any };
    enum class Case { Keep, Upper, Lower };
    struct Position {
        Kind kind = Kind::Literal;
        bool required = false;
        Case casing = Case::Keep;
        QChar literal;
    };

    bool isFormatted(const QString &value) const;
    bool isBlankAt(const QString &editText, int pos) const;
    int caretAfter(int pos) const;

    QString m_editMask;
    QList<Position> m_positions;
    int m_entryCount = 0;
    bool m_keepLiterals = true;
    bool m_blanksLead = false;
    QChar m_blank = QLatin1Char('_');
};

} // namespace widgets
