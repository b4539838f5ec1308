#include "dravelle/ui/resolution_dlg.h"

#include "dravelle/editor/dravelle_config.h"
#include "dravelle/ui/dialog_support.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravelle::ui {

using editor::DravelleSettings;

ResolutionDlg::ResolutionDlg(const QString &iniPath, Mode mode, QWidget *parent)
    : QDialog(parent)
    , m_iniPath(iniPath)
{
    setWindowTitle(tr("Cross Resolution"));
    auto *group = new QGroupBox(tr("Cross Resolution"), this);
    m_48 = new QRadioButton(tr("48 x 48"), group);
    m_64 = new QRadioButton(tr("64 x 64"), group);
    auto *radios = new QVBoxLayout(group);
    radios->addWidget(m_48);
    radios->addWidget(m_64);
    m_dontShowAgain = new QCheckBox(tr("Don't show again"), this);
    QDialogButtonBox *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_dontShowAgain);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const DravelleSettings settings = editor::readDravelleSettings(m_iniPath);
    (settings.resolutionIndex == 0 ? m_48 : m_64)->setChecked(true);
    m_dontShowAgain->setChecked(settings.dontShowAgain);
    m_48->setEnabled(mode == Mode::StartUp);
    m_64->setEnabled(mode == Mode::StartUp);
}

int ResolutionDlg::chosenResolution() const
{
    return m_64->isChecked() ? 64 : 48;
}

void ResolutionDlg::accept()
{
    DravelleSettings settings;
    settings.resolutionIndex = editor::resolutionIndexFor(chosenResolution());
    settings.dontShowAgain = m_dontShowAgain->isChecked();
    // A file that cannot be written is reported; the choice still holds for
    // this run, so the editor can start.
    const common::Status status = editor::writeDravelleSettings(m_iniPath, settings);
    if (!status)
        showPrompt(this, status.message);
    QDialog::accept();
}

std::optional<int> chooseResolutionAtStart(const QString &iniPath)
{
    const DravelleSettings settings = editor::readDravelleSettings(iniPath);
    if (settings.dontShowAgain)
        return settings.resolution();
    ResolutionDlg dialog(iniPath, ResolutionDlg::Mode::StartUp);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenResolution();
}

void showResolutionSettings(const QString &iniPath, QWidget *parent)
{
    ResolutionDlg dialog(iniPath, ResolutionDlg::Mode::Menu, parent);
    dialog.exec();
}

} // namespace dravelle::ui
