#include "halvane/ui/search_cross_dlg.h"

#include "halvane/ui/ui_messages.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kNoteWidth = 440;
} // namespace

SearchCrossDlg::SearchCrossDlg(const link::LinkContext &link, QWidget *parent) : CrossDialog(link, parent)
{
    setWindowTitle(tr("Search Cross"));
    buildForm();
}

void SearchCrossDlg::buildForm()
{
    const settings::AddressBook book = settings::readAddressBook(linkContext().iniPath());
    auto *group = new QGroupBox(tr("Address:"), this);
    auto *grid = new QGridLayout(group);
    m_current = new QButtonGroup(this);
    for (int row = 0; row < settings::AddressBook::kRows; ++row) {
        const QString name = tr("No %1").arg(row + 1);
        auto *edit = new QLineEdit(book.rows[row], group);
        edit->setMaxLength(settings::AddressBook::kMaxLength);
        edit->setAccessibleName(tr("Address %1").arg(name));
        // Shown in upper case as it is typed, the cursor staying where it was.
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const int cursor = edit->cursorPosition();
            edit->setText(text.toUpper());
            edit->setCursorPosition(cursor);
        });
        auto *radio = new QRadioButton(tr("Current cross"), group);
        radio->setAccessibleName(tr("%1 is the current cross").arg(name));
        radio->setChecked(row == book.current);
        m_current->addButton(radio, row);
        grid->addWidget(new QLabel(name, group), row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(radio, row, 2);
        m_rows[row] = edit;
    }
    QLabel *note = attentionNote(tr("Please input the CORRECT address of this Cross, otherwise the software will say "
                                    "\"Can't find Cross\"."),
                                 this);
    QLabel *keep = attentionNote(tr("Please make sure you have kept the address properly, do NOT loose it. ") + QLatin1Char('\n')
                                     + tr("It is strongly suggested to make a note of each address for future reference."),
                                 this);
    note->setMinimumWidth(kNoteWidth);
    keep->setMinimumWidth(kNoteWidth);

    auto *searchButton = new QPushButton(tr("Search cross"), this);
    const ButtonRow buttons = buttonRow(tr("OK"), this);
    QPushButton *ok = buttons.action;
    QPushButton *cancel = buttons.cancel;
    buttons.layout->insertWidget(0, searchButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(attentionHeading(this));
    layout->addWidget(note);
    layout->addWidget(keep);
    layout->addWidget(group);
    layout->addWidget(statusLine());
    layout->addLayout(buttons.layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(searchButton, &QPushButton::clicked, this, &SearchCrossDlg::search);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (store())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

settings::AddressBook SearchCrossDlg::shownBook() const
{
    settings::AddressBook book;
    for (int row = 0; row < settings::AddressBook::kRows; ++row)
        book.rows[row] = m_rows[row]->text().toUpper();
    book.current = m_current->checkedId();
    return book;
}

bool SearchCrossDlg::store()
{
    const common::Status stored = settings::storeAddressBook(linkContext().iniPath(), shownBook());
    if (!stored)
        showMessage(this, stored.message);
    return stored.ok;
}

void SearchCrossDlg::search()
{
    setStatus(tr("Looking for the cross..."));
    runOnCross(link::CrossRunner::findCrossAtAddress(shownBook()), [this](const link::CrossRunner::Result &result) {
        setStatus(QString());
        showMessage(this, result.status.message, tr("Halvane"));
        if (result.status.ok())
            emit crossStatusChanged();
    });
}

} // namespace halvane::ui
