#pragma once

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QRadioButton;

namespace dravelle::ui {

// "Cross Resolution": which cross the editor works for (48 x 48 or 64 x 64)
// and whether to ask again at the next start. It reads Dravelle.ini when it
// opens and writes RESOLUTION and DNOTSHOWAGAIN on OK. From the Edit menu the
// resolution is fixed for the run, so only "Don't show again" can change.
class ResolutionDlg : public QDialog {
    Q_OBJECT

public:
    enum class Mode { StartUp, Menu };

    ResolutionDlg(const QString &iniPath, Mode mode, QWidget *parent = nullptr);

    // The resolution the radio buttons show: 48 or 64.
    int chosenResolution() const;

    void accept() override;

private:
    QString m_iniPath;
    QRadioButton *m_48 = nullptr;
    QRadioButton *m_64 = nullptr;
    QCheckBox *m_dontShowAgain = nullptr;
};

// Start-up: when DNOTSHOWAGAIN of the Dravelle.ini at `iniPath` is 0 the
// dialog asks first; Cancel gives nothing, and the program then ends without
// a window. Otherwise the resolution the file holds after that: 48 for
// RESOLUTION 0, 64 for any other value. Call it before any translation is
// installed: the dialog always speaks the built-in language.
std::optional<int> chooseResolutionAtStart(const QString &iniPath);

// The Edit menu's Cross Resolution: the same dialog with the radios disabled.
void showResolutionSettings(const QString &iniPath, QWidget *parent);

} // namespace dravelle::ui
