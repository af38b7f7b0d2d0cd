#pragma once

#include <QString>

namespace platform {

// A value shown on one line of a terminal or a message box: TAB, CR and LF as \t, \r,
// \n, every other control character as \xNN, the backslash doubled, so that nothing in
// a value can break a line or reach the terminal as an escape sequence.
QString escapeControls(const QString &text);

// A line read from a file, as a message quotes it: escaped as above and cut to at most
// `limit` characters, "..." marking the cut. A 50 MB line costs the message 80 characters.
inline constexpr int kQuotedLineLimit = 80;
QString quoteLine(const QString &line, int limit = kQuotedLineLimit);

} // namespace platform
