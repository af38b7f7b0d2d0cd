#pragma once

#include <QString>

namespace store {

// How a form type writes its record lines: the tag zero-padded to tagWidth, a blank,
// the value from column tagWidth + 2; a list's index zero-padded to comboDigits
// (0: plain decimal), the minus sign in front ("-001").
struct RecordFormat {
    int tagWidth = 3;
    int comboDigits = 3;

    int valueColumn() const { return tagWidth + 2; }
    QString tag(int tag) const;
    QString comboIndex(int index) const;
};

} // namespace store
