#pragma once

#include <QIcon>
#include <QString>

#include <optional>

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QWidget;

namespace dravelle::ui {

// What every Dravelle dialog needs the same way: the validation message box,
// integer fields and the colour lists.

// A validation message in a box with the caption "Prompt".
void showPrompt(QWidget *parent, const QString &text);

// The integer in a field, or nothing after telling the user that the text is
// not one ("Please enter an integer."); the field then has the focus again.
std::optional<int> readIntegerField(QLineEdit *field, QWidget *parent);

// OK and Cancel wired to the dialog's accept() and reject().
QDialogButtonBox *okCancelButtons(QDialog *dialog);

// Fills a combo box with the eight colours of the colour list, each with a
// swatch, and selects `index`.
void fillColourList(QComboBox *box, int index);

} // namespace dravelle::ui
