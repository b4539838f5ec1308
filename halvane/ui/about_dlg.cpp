#include "halvane/ui/about_dlg.h"

#include "halvane/ui/icons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kReadDelayMs = 100;
constexpr int kIconSize = 48;
} // namespace

AboutDlg::AboutDlg(const link::LinkContext &link, QWidget *parent) : CrossDialog(link, parent)
{
    setWindowTitle(tr("About Halvane"));
    auto *icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(kIconSize, kIconSize));
    icon->setAccessibleName(tr("Program icon"));
    m_version = new QLabel(tr("Halvane_SingleColor  Version  ") + QLatin1String(kProgramVersion), this);
    m_version->setAccessibleName(tr("Version"));
    m_mcu = new QLineEdit(this);
    m_mcu->setReadOnly(true);
    m_mcu->setAccessibleName(tr("MCU Version"));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);

    auto *mcuRow = new QFormLayout;
    mcuRow->addRow(tr("MCU Version:"), m_mcu);
    auto *text = new QVBoxLayout;
    text->addWidget(m_version);
    text->addLayout(mcuRow);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    runAfterOpening(kReadDelayMs, link::CrossRunner::readVersion(), [this](const auto &result) {
        if (result.status.ok())
            m_mcu->setText(QString::fromLatin1(result.value.toByteArray()));
    });
}

QString AboutDlg::versionLine() const
{
    return m_version->text();
}

QString AboutDlg::mcuVersion() const
{
    return m_mcu->text();
}

} // namespace halvane::ui
