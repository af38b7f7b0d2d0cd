#include "editors/common/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace editors {

namespace {
QToolButton *arrow(Qt::ArrowType type, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(type);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}
} // namespace

UpDown::UpDown(QLineEdit *associate, int minimum, int maximum, QWidget *parent)
    : QWidget(parent), m_associate(associate), m_up(arrow(Qt::UpArrow, this)), m_down(arrow(Qt::DownArrow, this)),
      m_minimum(minimum), m_maximum(maximum), m_position(minimum)
{
    setFocusPolicy(Qt::NoFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
    setPosition(minimum);
}

void UpDown::setPosition(int position)
{
    m_position = std::clamp(position, m_minimum, m_maximum);
    m_associate->setText(QString::number(m_position));
}

void UpDown::step(int direction)
{
    // The field may have been rewritten since the last step (a rounded value).
    bool ok = false;
    const int shown = m_associate->text().trimmed().toInt(&ok);
    setPosition((ok ? shown : m_position) + direction);
}

} // namespace editors
