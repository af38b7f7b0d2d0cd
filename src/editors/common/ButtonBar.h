#pragma once

#include <QHBoxLayout>
#include <QPushButton>

#include <initializer_list>

namespace editors {

// The editors' bottom bar: its buttons to the right, in keyboard order, none taking
// Enter of its own accord.
inline QHBoxLayout *buttonBar(std::initializer_list<QPushButton *> buttons)
{
    auto *bar = new QHBoxLayout;
    bar->addStretch();
    for (QPushButton *b : buttons) {
        b->setAutoDefault(false);
        b->setMinimumWidth(75);
        bar->addWidget(b);
    }
    return bar;
}

} // namespace editors
