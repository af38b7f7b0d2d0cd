#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace widgets {

// An item of a lookup combo may hold several columns: separated by tabs when it
// holds a tab, otherwise by ";". The first column is what the field shows.
QStringList splitColumns(const QString &item);
QString firstColumn(const QString &item);

// True when `text` begins `whole`, letters compared without regard to case.
bool beginsNoCase(const QString &text, const QString &whole);

// Outcome of a best-match search over the items' first columns.
struct IncMatch {
    int best = -1;        // first item with the longest common beginning (-1: no items)
    int count = 0;        // length of that common beginning
    QString completion;   // first column of the best match
    int selected = -1;    // the item the search selects, -1 for none
    bool matched = false; // the whole search text begins an item
};

// The best match of `search` among `items`: the first item whose first column
// shares the longest beginning with it, letters compared without regard to case.
// An empty search with blanking allowed selects nothing and completes nothing.
IncMatch findBestMatch(const QStringList &items, const QString &search, bool canBeBlank);

// Sorts the items by their whole text, without regard to case, in the locale's
// order. The values move with their items when both lists have the same length;
// with `useValues` and lists of different lengths nothing is sorted (the pairing
// would be lost). Returns, for each new position, the item's old position; an empty
// list when nothing was sorted.
QList<int> sortItems(QStringList &items, QStringList &values, bool useValues);

} // namespace widgets
