#pragma once

#include "widgets/TaggedField.h"

#include <QStringList>

#include <optional>

namespace editors {

// The print values of an editor's tagged controls, for the tag fill.
class FieldValues {
public:
    explicit FieldValues(const widgets::TaggedFields &fields) : m_fields(fields) {}

    // The value of the first control with the Tag; nothing when none has it or it is
    // not a text, masked, multi-line or combo control.
    std::optional<QString> valueOf(int tag) const;

    // One control's value by its kind; nothing for a kind that prints nothing.
    static std::optional<QString> valueOf(const widgets::TaggedField &field);

private:
    const widgets::TaggedFields &m_fields;
};

} // namespace editors
