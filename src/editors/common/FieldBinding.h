#pragma once

#include "store/FormModel.h"
#include "store/RecordFile.h"
#include "widgets/TaggedField.h"

namespace editors {

// An editor's tagged controls bound to the form model: saving reads what the window
// shows into a model; loading puts a record's lines into the controls one by one, so
// that the controls' change rules run as each line arrives.
class FieldBinding {
public:
    explicit FieldBinding(widgets::TaggedFields fields = {});

    // The controls in component order (tag 0: cleared but not stored).
    const widgets::TaggedFields &controls() const { return m_controls; }

    // The form's values as the window shows them now: one record field for each tagged
    // control that stores a value, in component order.
    store::FormModel read() const;
    // Puts one record line into every control with its tag; a list keeps its choice for
    // a value that is no index of its items.
    void put(const store::RecordLine &line) const;
    // Empties every control (LimpaCampos).
    void clear() const;

private:
    widgets::TaggedFields m_controls;
};

} // namespace editors
