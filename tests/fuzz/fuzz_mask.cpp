// The mask model: any sequence of key edits on a masked field keeps its text within the
// mask (literals in place, every entry position blank or holding a character it takes),
// and the text the record stores gives the same field back.
#include "FuzzSupport.h"

#include "widgets/MaskModel.h"

using widgets::MaskModel;

namespace {
// The masks of the forms first, then other notation. A stored text must give its field
// back for the forms' masks; for any mask, edits must keep the field within it. (With a
// ";0" mask whose "any character" position holds one of its literals, the stored text can
// pass for a formatted value; no form has such a mask.)
const char *const kMasks[] = {
    "!999.999.999-99;1; ", "!99.999.999/9999-99;1; ", "!99999-999;1; ", "!(99)9999-9999;1; ",
    "!99/99/9999;1; ",     "!999.999.99-9;1; ",       "!999.999.99-9;0; ", "!99999999999999;0; ",
    ">LL-0000;1;_",        "aaa\\-ccc;0;*",           "<Aa#9;1; ",         "",
};
constexpr size_t kFormMasks = 8;

void checkWithin(const MaskModel &m, const QString &edit, const QString &history)
{
    FUZZ_CHECK(edit.size() == m.length(), history);
    for (int pos = 0; pos < m.length(); ++pos) {
        const QChar c = edit.at(pos);
        if (!m.isEntry(pos))
            FUZZ_CHECK(c == m.literalAt(pos), history);
        else
            FUZZ_CHECK(c == m.blank() || m.accept(pos, c) == c, history);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::startQt();
    if (size < 1)
        return 0;
    size_t at = 1;
    QString mask;
    const bool formMask = data[0] < 200 && data[0] % std::size(kMasks) < kFormMasks;
    if (data[0] < 200) {
        mask = QString::fromUtf8(kMasks[data[0] % std::size(kMasks)]);
    } else {  // a mask of the input's own: its first line
        const size_t len = std::min<size_t>(data[0] - 199, size - 1);
        mask = QString::fromLatin1(reinterpret_cast<const char *>(data + 1), qsizetype(len));
        at += len;
    }
    const MaskModel m(mask);
    if (m.isEmpty())
        return 0;
    QString edit = m.emptyEditText();
    QString history = QStringLiteral("mask \"%1\":").arg(mask);
    checkWithin(m, edit, history);
    int caret = 0;
    while (at + 1 < size) {
        const uint8_t op = data[at], arg = data[at + 1];
        at += 2;
        const int pos = arg % (m.length() + 1);
        switch (op % 6) {
        case 0: {
            const int next = m.type(edit, caret, QChar::fromLatin1(char(arg)));
            if (next >= 0)
                caret = next;
            history += QStringLiteral(" type(%1)").arg(arg);
            break;
        }
        case 1: caret = m.backspace(edit, caret); history += QStringLiteral(" bs"); break;
        case 2: caret = m.deleteForward(edit, caret); history += QStringLiteral(" del"); break;
        case 3: caret = pos; history += QStringLiteral(" caret(%1)").arg(pos); break;
        case 4: {
            const size_t len = std::min<size_t>(arg % 16, size - at);
            const QString pasted = QString::fromLatin1(reinterpret_cast<const char *>(data + at), qsizetype(len));
            at += len;
            caret = m.paste(edit, caret, pasted);
            history += QStringLiteral(" paste(%1)").arg(pasted);
            break;
        }
        default: m.blankRange(edit, std::min(caret, pos), std::max(caret, pos)); history += QStringLiteral(" blank(%1)").arg(pos); break;
        }
        caret = std::clamp(caret, 0, m.length());
        checkWithin(m, edit, history);
    }
    // What the record stores, set back through the mask, is the same field.
    const QString stored = m.text(edit);
    const QString back = m.editTextFor(stored);
    checkWithin(m, back, history + QStringLiteral(" | set \"%1\"").arg(stored));
    FUZZ_CHECK(!formMask || m.text(back) == stored, history + QStringLiteral(" | stored \"%1\" gives back \"%2\"").arg(stored, m.text(back)));
    return 0;
}
