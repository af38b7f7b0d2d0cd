#pragma once

#include <QString>
#include <QStringList>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace widgets {
class TIncCombo;
class TMaskEdit;
}

namespace editors {

// Masks shared by the editors' fields.
inline const QString kMaskCep = QStringLiteral("!99999-999;1; ");
inline const QString kMaskTelefone = QStringLiteral("!(99)9999-9999;1; ");

// The 27 state codes, "AC" to "TO", in alphabetical order.
const QStringList &estados();

// Field factories with the editors' conventions.
QLineEdit *textField(QWidget *parent, int maxLength);
widgets::TMaskEdit *maskedField(QWidget *parent, const QString &mask);
widgets::TIncCombo *comboField(QWidget *parent, const QStringList &items, const QStringList &values = {});

// Puts a field with its title above it into a grid cell; the title is the field's buddy,
// so the field's accessible name is its title. Returns the title label.
QLabel *placeTitled(QGridLayout *grid, int row, int column, const QString &title, QWidget *field,
                    int columnSpan = 1);

} // namespace editors
