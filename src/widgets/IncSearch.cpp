#include "widgets/IncSearch.h"

#include <QCollator>

#include <numeric>

namespace widgets {

QStringList splitColumns(const QString &item)
{
    const QChar separator = item.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(';');
    return item.split(separator);
}

QString firstColumn(const QString &item)
{
    const QChar separator = item.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(';');
    const qsizetype at = item.indexOf(separator);
    return at < 0 ? item : item.left(at);
}

namespace {
int commonBeginning(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a.at(i).toUpper() == b.at(i).toUpper())
        ++i;
    return int(i);
}
} // namespace

bool beginsNoCase(const QString &text, const QString &whole)
{
    return text.size() <= whole.size() && commonBeginning(text, whole) == text.size();
}

IncMatch findBestMatch(const QStringList &items, const QString &search, bool canBeBlank)
{
    IncMatch m;
    if (items.isEmpty())
        return m;
    m.best = 0;
    m.count = commonBeginning(search, firstColumn(items.at(0)));
    for (int i = 1; i < items.size(); ++i) {
        const int c = commonBeginning(search, firstColumn(items.at(i)));
        if (c > m.count) {
            m.best = i;
            m.count = c;
        }
    }
    m.completion = firstColumn(items.at(m.best));
    m.matched = m.count == search.size() && m.count != 0;
    m.selected = m.matched ? m.best : -1;
    if (search.isEmpty() && canBeBlank)
        m.completion.clear();
    return m;
}

namespace {
// Quicksort on the middle element, exchanging positions in place. Not stable: items
// that compare equal may change places.
template <typename Less>
void quickSort(QList<int> &order, int l, int r, const Less &compare)
{
    int i = 0;
    do {
        i = l;
        int j = r;
        int p = (l + r) / 2;
        do {
            while (compare(order[i], order[p]) < 0)
                ++i;
            while (compare(order[j], order[p]) > 0)
                --j;
            if (i <= j) {
                order.swapItemsAt(i, j);
                if (p == i)
                    p = j;
                else if (p == j)
                    p = i;
                ++i;
                --j;
            }
        } while (i <= j);
        if (l < j)
            quickSort(order, l, j, compare);
        l = i;
    } while (i < r);
}
} // namespace

QList<int> sortItems(QStringList &items, QStringList &values, bool useValues)
{
    const bool pairValues = items.size() == values.size();
    if (useValues && !pairValues)
        return {};
    QList<int> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    if (items.size() < 2)
        return order;

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QStringList original = items;
    quickSort(order, 0, int(order.size()) - 1,
              [&](int a, int b) { return collator.compare(original.at(a), original.at(b)); });

    QStringList sortedValues;
    for (int k = 0; k < order.size(); ++k) {
        items[k] = original.at(order.at(k));
        if (pairValues)
            sortedValues.append(values.at(order.at(k)));
    }
    if (pairValues)
        values = sortedValues;
    return order;
}

} // namespace widgets
