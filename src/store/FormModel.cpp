#include "store/FormModel.h"

namespace store {

FormModel::FormModel(RecordFields fields) : m_fields(std::move(fields)), m_values(m_fields.size()) {}

qsizetype FormModel::fieldOf(int tag) const
{
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).tag == tag)
            return i;
    return -1;
}

void FormModel::clear() { m_values.fill(Value{}); }

} // namespace store
