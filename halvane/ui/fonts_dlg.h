#pragma once

#include <QDialog>

namespace halvane::ui {

class CellList;

// "Add and Delete Fonts": one row per ".ttf" file of the Fonts folder with
// an Install box. Ticking installs the font at once (this run's renderers
// have it immediately, every later run loads it at start-up), unticking
// takes it out; a font that cannot be installed is reported and its box
// goes back. OK and Cancel only close the dialog.
class FontsDlg : public QDialog {
    Q_OBJECT

public:
    // `appFolder` ends with '/'.
    explicit FontsDlg(const QString &appFolder, QWidget *parent = nullptr);

    CellList *list() const { return m_list; }

private:
    void fill();
    void onCheckbox(int row, int column);

    QString m_iniPath;
    QString m_fontsFolder;
    CellList *m_list = nullptr;
};

} // namespace halvane::ui
