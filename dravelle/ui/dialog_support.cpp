#include "dravelle/ui/dialog_support.h"

#include "dravelle/editor/colour_list.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>

namespace dravelle::ui {

void showPrompt(QWidget *parent, const QString &text)
{
    QMessageBox::warning(parent, QCoreApplication::translate("Dravelle", "Prompt"), text);
}

std::optional<int> readIntegerField(QLineEdit *field, QWidget *parent)
{
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    if (ok)
        return value;
    showPrompt(parent, QCoreApplication::translate("Dravelle", "Please enter an integer."));
    field->setFocus();
    field->selectAll();
    return std::nullopt;
}

QDialogButtonBox *okCancelButtons(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void fillColourList(QComboBox *box, int index)
{
    box->clear();
    for (const editor::NamedColour &colour : editor::colourList()) {
        QPixmap swatch(14, 14);
        swatch.fill(QColor(editor::rgbOfBits(colour.bits)));
        box->addItem(QIcon(swatch), QCoreApplication::translate("Dravelle", colour.name));
    }
    box->setCurrentIndex(index);
}

} // namespace dravelle::ui
