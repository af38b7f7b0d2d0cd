#include "editors/common/Pendencias.h"

#include "editors/common/CheckBinding.h"
#include "editors/common/FieldTable.h"
#include "printing/PaperFit.h"

#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <climits>

namespace editors {

namespace {

// "03 - Nº CNPJ :" -> "03 - Nº CNPJ"; a field without a title of its own is named by its control.
QString fieldName(const FieldRow &row)
{
    QString title = row.title.simplified();
    while (title.endsWith(QLatin1Char(':')))
        title = title.chopped(1).trimmed();
    return title.isEmpty() ? row.control : title;
}

// The tab widget showing `page` as one of its pages, or nullptr.
QTabWidget *tabsOf(const QWidget *page)
{
    const QWidget *stack = page->parentWidget();
    if (!qobject_cast<const QStackedWidget *>(stack) || !stack->parentWidget())
        return nullptr;
    auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
    return tabs && tabs->indexOf(const_cast<QWidget *>(page)) >= 0 ? tabs : nullptr;
}

// The tab pages a widget stands on, outermost first, each with its tab widget.
QList<QPair<QTabWidget *, QWidget *>> tabPagesOf(const QWidget *widget)
{
    QList<QPair<QTabWidget *, QWidget *>> pages;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (QTabWidget *tabs = tabsOf(w))
            pages.prepend({tabs, const_cast<QWidget *>(w)});
    return pages;
}

// A tab's text without its mnemonic marks ("&Sócios" -> "Sócios", "&&" -> "&").
QString plainTabText(const QString &text)
{
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        result.append(text.at(i));
    }
    return result.trimmed();
}

Pendencia pendenciaFor(const FilledForm &form, const FieldRow &row, Pendencia::Kind kind, const QString &message)
{
    return Pendencia{kind, row.control, fieldName(row), form.fields.pageOf(row.control), message};
}

const FieldRow *rowOf(const QList<FieldRow> &rows, const QString &control)
{
    for (const FieldRow &row : rows)
        if (row.control == control)
            return &row;
    return nullptr;
}

// The field table's order of the problems, each field's own in the order found.
void sortByForm(const QList<FieldRow> &rows, Pendencias &list)
{
    QHash<QString, int> position;
    for (int i = 0; i < rows.size(); ++i)
        position.insert(rows.at(i).control, i);
    std::stable_sort(list.begin(), list.end(), [&](const Pendencia &a, const Pendencia &b) {
        return position.value(a.control, INT_MAX) < position.value(b.control, INT_MAX);
    });
}

Pendencias paperOf(const FilledForm &form)
{
    Pendencias list;
    for (const printing::CutValue &cut : printing::cutValues(form.printCopy)) {
        for (const FieldRow &row : form.rows)
            if (row.tag == cut.tag) {
                list.append(pendenciaFor(form, row, Pendencia::Kind::Paper, paperMessage(cut.shown, cut.total)));
                break;
            }
    }
    return list;
}

} // namespace

QString paperMessage(int shown, int total)
{
    return QStringLiteral("Texto cortado na impressão: cabem %1 de %2 caracteres no papel.").arg(shown).arg(total);
}

QString pageOf(const QWidget *widget)
{
    QStringList titles;
    for (const auto &[tabs, page] : tabPagesOf(widget))
        titles.append(plainTabText(tabs->tabText(tabs->indexOf(page))));
    return titles.join(QStringLiteral(" > "));
}

void setPageTitle(QWidget *widget, const QString &title)
{
    const auto pages = tabPagesOf(widget);
    if (!pages.isEmpty())
        pages.last().first->setTabText(pages.last().first->indexOf(pages.last().second), title);
}

void goToField(QWidget *field)
{
    if (!field)
        return;
    for (const auto &[tabs, page] : tabPagesOf(field))
        tabs->setCurrentWidget(page);
    field->window()->activateWindow();
    if (field->isEnabled())
        field->setFocus(Qt::OtherFocusReason);
}

Pendencias checkPaper(const FilledForm &form)
{
    Pendencias list = paperOf(form);
    sortByForm(form.rows, list);
    return list;
}

Pendencias checkWholeForm(const FilledForm &form)
{
    Pendencias list;
    for (const FieldRow &row : form.rows) {
        if (!row.check || !form.fields.isOpen(row.control))
            continue;
        const QString text = form.fields.shownText(row.control);
        if (const std::optional<QString> problem = complaintText(row.check({text, form.funcoes, form.fields})))
            list.append(pendenciaFor(form, row, Pendencia::Kind::Exit, *problem));
    }
    for (const PrintProblem &problem : form.printProblems) {
        FieldRow unknown;
        unknown.control = problem.control;
        const FieldRow *row = rowOf(form.rows, problem.control);
        list.append(pendenciaFor(form, row ? *row : unknown, Pendencia::Kind::Print, problem.message));
    }
    list += paperOf(form);
    sortByForm(form.rows, list);
    return list;
}

} // namespace editors
