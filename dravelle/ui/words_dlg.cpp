#include "dravelle/ui/words_dlg.h"

#include "dravelle/editor/words.h"
#include "dravelle/ui/dialog_support.h"
#include "dravelle/ui/words_job.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace dravelle::ui {

using document::WordsSettings;

namespace {

QComboBox *namedCombo(QWidget *parent, const QString &name)
{
    auto *box = new QComboBox(parent);
    box->setAccessibleName(name);
    return box;
}

} // namespace

WordsDlg::WordsDlg(const WordsSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
{
    setWindowTitle(tr("Show Words"));
    buildFields();
    fillFrom(settings);
}

void WordsDlg::buildFields()
{
    auto *group = new QGroupBox(tr("Words"), this);
    m_text = new QLineEdit(group);
    m_text->setAccessibleName(tr("Horizontal"));
    m_text->setMinimumWidth(320);
    m_font = namedCombo(group, tr("Font"));
    m_size = namedCombo(group, tr("Size"));
    m_textColour = namedCombo(group, tr("Text Color"));
    m_background = namedCombo(group, tr("Background Color"));
    m_startX = new QLineEdit(group);
    m_startX->setAccessibleName(tr("StartX"));
    m_startX->setEnabled(false);
    m_startY = new QLineEdit(group);
    m_startY->setAccessibleName(tr("StartY"));
    m_moveOut = new QCheckBox(tr("Move Out"), group);

    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(m_font, 1);
    fontRow->addWidget(m_size);
    fontRow->addWidget(m_textColour);
    auto *form = new QFormLayout(group);
    form->addRow(tr("Horizontal:"), m_text);
    form->addRow(tr("Font:"), fontRow);
    form->addRow(tr("Background\nColor:"), m_background);
    form->addRow(tr("StartX:"), m_startX);
    form->addRow(tr("StartY:"), m_startY);
    form->addRow(QString(), m_moveOut);
    if (auto *label = qobject_cast<QLabel *>(form->labelForField(fontRow)))
        label->setBuddy(m_font);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WordsDlg::fillFrom(const WordsSettings &settings)
{
    m_text->setText(settings.text);
    m_font->addItems(editor::wordsFontFaces());
    // A face the system knows only by substitution ("Times New Roman" drawn
    // with a metric-compatible family) selects the family it is drawn with.
    int face = m_font->findText(settings.face);
    if (face < 0)
        face = m_font->findText(QFontInfo(QFont(settings.face)).family());
    m_font->setCurrentIndex(face);
    for (int size = WordsSettings::kMinSize; size <= WordsSettings::kMaxSize; ++size)
        m_size->addItem(QString::number(size));
    m_size->setCurrentIndex(m_size->findText(QString::number(settings.size)));
    fillColourList(m_textColour, settings.textColour);
    fillColourList(m_background, settings.backgroundColour);
    m_startX->setText(QString::number(settings.startX));
    m_startY->setText(QString::number(settings.startY));
    m_moveOut->setChecked(settings.moveOut);
}

void WordsDlg::accept()
{
    const std::optional<int> startY = readIntegerField(m_startY, this);
    if (!startY)
        return;
    WordsSettings chosen = m_settings;
    chosen.text = m_text->text();
    // A face the system does not offer stays as it was stored.
    if (m_font->currentIndex() >= 0)
        chosen.face = m_font->currentText();
    if (m_size->currentIndex() >= 0)
        chosen.size = m_size->currentText().toInt();
    chosen.textColour = m_textColour->currentIndex();
    chosen.backgroundColour = m_background->currentIndex();
    chosen.startY = *startY;
    chosen.moveOut = m_moveOut->isChecked();
    const common::Status status = chosen.validate();
    if (!status) {
        showPrompt(this, status.message);
        return;
    }
    m_settings = chosen;
    QDialog::accept();
}

bool runAddWords(WordsJob &job, const WordsSettings &current, QWidget *parent)
{
    WordsDlg dialog(current, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const common::Status status = job.start(dialog.settings());
    if (!status)
        showPrompt(parent, status.message);
    return bool(status);
}

} // namespace dravelle::ui
