#include "editors/common/ExitCheck.h"

#include <QObject>
#include <QWidget>

namespace editors {

namespace {

// Keeps a field's judge as a child of the field, so the judge goes when the field goes
// and needs no bookkeeping of its own.
class FieldJudge final : public QObject {
    Q_OBJECT
public:
    static inline const QString kName = QStringLiteral("editors_FieldJudge");

    FieldJudge(QWidget *field, Judge judge) : QObject(field), m_judge(std::move(judge))
    {
        setObjectName(kName);
    }

    static FieldJudge *of(const QWidget *field)
    {
        return field->findChild<FieldJudge *>(kName, Qt::FindDirectChildrenOnly);
    }

    void replace(Judge judge) { m_judge = std::move(judge); }
    std::optional<QString> ask() const { return m_judge ? m_judge() : std::nullopt; }

private:
    Judge m_judge;
};

} // namespace

void attachJudge(QWidget *field, Judge judge)
{
    if (FieldJudge *existing = FieldJudge::of(field))
        existing->replace(std::move(judge));
    else
        new FieldJudge(field, std::move(judge));
}

std::optional<QString> exitProblem(const QWidget *field)
{
    if (!field)
        return std::nullopt;
    const FieldJudge *judge = FieldJudge::of(field);
    return judge ? judge->ask() : std::nullopt;
}

} // namespace editors

#include "ExitCheck.moc"
