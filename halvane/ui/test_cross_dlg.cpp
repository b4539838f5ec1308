#include "halvane/ui/test_cross_dlg.h"

#include "halvane/link/cross_test.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kTestDelayMs = 1000;
constexpr int kResultWidth = 320;
} // namespace

TestCrossDlg::TestCrossDlg(const link::LinkContext &link, int timeoutMs, QWidget *parent)
    : CrossDialog(link, parent)
{
    setWindowTitle(tr("Get Cross Test State"));
    m_result = new QLabel(this);
    m_result->setAccessibleName(tr("Test result"));
    m_result->setMinimumWidth(kResultWidth);
    QFont font = m_result->font();
    font.setBold(true);
    m_result->setFont(font);
    auto *exit = new QPushButton(tr("Exit"), this);
    exit->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_result);
    layout->addWidget(statusLine());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    runAfterOpening(kTestDelayMs, link::CrossRunner::crossTest(timeoutMs), [this](const auto &result) {
        // The cross answered wrongly or not at all: the test did not work.
        using Code = link::LinkStatus::Code;
        const bool tested = result.status.ok() || result.status.code == Code::Failed
                            || result.status.code == Code::NoReply;
        if (tested)
            m_result->setText(result.status.ok() ? result.status.message : link::linkText(link::kTextTestError));
        else
            setStatus(result.status.message);
    });
}

QString TestCrossDlg::resultText() const
{
    return m_result->text();
}

} // namespace halvane::ui
