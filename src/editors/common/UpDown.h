#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace editors {

// A pair of up-down arrows attached to a text field: they step a whole number within a
// range, without wrapping, and show it in the field. The arrows never take the focus,
// so raising a number with the mouse does not leave the field being edited.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit *associate, int minimum, int maximum, QWidget *parent = nullptr);

    int position() const { return m_position; }
    // Sets the number, kept within the range, and shows it in the field.
    void setPosition(int position);
    // One step up (+1) or down (-1) from the number the field shows.
    void step(int direction);

private:
    QLineEdit *m_associate;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum;
    int m_maximum;
    int m_position;
};

} // namespace editors
