#include "halvane/ui/text_message_rows.h"

#include "halvane/ui/back_animation_box.h"
#include "halvane/ui/icons.h"
#include "halvane/ui/ui_messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace halvane::ui {

namespace {
constexpr int kMaxTextLength = 255;
constexpr std::array<preview::PreviewKind, project::kTextCount> kPreviewKinds = {
    preview::PreviewKind::Text1, preview::PreviewKind::Text2, preview::PreviewKind::Text3};

QString keywordOf(int text)
{
    return QLatin1String(project::kTextKeywords.at(std::size_t(text)));
}

QToolButton *toggleButton(const QString &icon, const QString &name)
{
    auto *button = new QToolButton;
    button->setIcon(uiIcon(icon));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setToolTip(name);
    button->setAccessibleName(name);
    return button;
}

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return label;
}
} // namespace

TextMessageRows::TextMessageRows(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent)
    : QWidget(parent), m_project(project)
{
    auto *rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    for (int text = 0; text < project::kTextCount; ++text) {
        rows->addWidget(buildRow(text, dialogs));
        connectRow(text, dialogs);
    }
}

QWidget *TextMessageRows::buildRow(int text, const DialogHooks &dialogs)
{
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    Row &row = m_rows.at(std::size_t(text));
    column->addLayout(buildControls(text, row, dialogs));
    row.field = new QLineEdit;
    row.field->setMaxLength(kMaxTextLength);
    row.field->setAccessibleName(keywordOf(text));
    column->addWidget(row.field);
    return box;
}

QLayout *TextMessageRows::buildControls(int text, Row &row, const DialogHooks &dialogs)
{
    const QString name = keywordOf(text);
    const QString prefix = name + QLatin1Char(' ');
    auto *line = new QHBoxLayout;
    line->addWidget(caption(name));
    row.bold = toggleButton(QStringLiteral("bold"), prefix + tr("Bold"));
    row.italic = toggleButton(QStringLiteral("italic"), prefix + tr("Italic"));
    line->addWidget(row.bold);
    line->addWidget(row.italic);
    line->addWidget(caption(tr("Fonts")));
    row.font = new QComboBox;
    row.font->setAccessibleName(prefix + tr("Fonts"));
    row.font->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    line->addWidget(row.font);
    line->addWidget(caption(tr("Size")));
    row.size = new QComboBox;
    row.size->addItems(project::textSizeChoices());
    row.size->setAccessibleName(prefix + tr("Size"));
    line->addWidget(row.size);
    line->addWidget(caption(tr("Offset")));
    row.offset = new QLineEdit;
    row.offset->setValidator(new QIntValidator(row.offset));
    row.offset->setAccessibleName(prefix + tr("Offset"));
    row.offset->setMaximumWidth(row.offset->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6);
    line->addWidget(row.offset);
    line->addWidget(caption(tr("Speed")));
    line->addWidget(caption(QStringLiteral("+")));
    row.speed = new QSlider(Qt::Horizontal);
    row.speed->setRange(project::kMinTextSpeed, project::kMaxTextSpeed);
    row.speed->setPageStep(1);
    row.speed->setTickPosition(QSlider::TicksBelow);
    row.speed->setAccessibleName(prefix + tr("Speed"));
    row.speed->setMinimumWidth(70);
    line->addWidget(row.speed, 1);
    line->addWidget(caption(QStringLiteral("-")));
    row.back = new BackAnimationBox(prefix + tr("Back Animation"));
    line->addWidget(row.back, 2);
    row.select = new QCheckBox(tr("Select"));
    row.select->setAccessibleName(prefix + tr("Select"));
    line->addWidget(row.select);
    row.preview = new QPushButton(tr("Preview"));
    row.preview->setAccessibleName(prefix + tr("Preview"));
    row.preview->setEnabled(bool(dialogs.preview));
    line->addWidget(row.preview);
    return line;
}

void TextMessageRows::connectRow(int text, const DialogHooks &dialogs)
{
    Row &row = m_rows.at(std::size_t(text));
    connect(row.field, &QLineEdit::textEdited, this,
            [this, text](const QString &value) { apply(text, m_project.setText(text, value)); });
    connect(row.bold, &QToolButton::toggled, this, [this, text](bool on) {
        apply(text, m_project.setTextBold(text, on));
        showFieldStyle(text);
    });
    connect(row.italic, &QToolButton::toggled, this, [this, text](bool on) {
        apply(text, m_project.setTextItalic(text, on));
        showFieldStyle(text);
    });
    connect(row.font, &QComboBox::activated, this,
            [this, text](int position) { apply(text, m_project.setTextFont(text, position)); });
    connect(row.size, &QComboBox::activated, this,
            [this, text](int position) { apply(text, m_project.setTextSizeChoice(text, position)); });
    connect(row.offset, &QLineEdit::textEdited, this, [this, text](const QString &value) {
        bool ok = false;
        if (const int offset = value.toInt(&ok); ok)
            apply(text, m_project.setTextOffset(text, offset));
    });
    connect(row.speed, &QSlider::valueChanged, this,
            [this, text](int speed) { apply(text, m_project.setTextSpeed(text, speed)); });
    connect(row.select, &QCheckBox::toggled, this, [this, text](bool on) { onSelect(text, on); });
    connect(row.back, &BackAnimationBox::chooseRequested, this, [this, text] {
        const QString chosen = chooseBackAnimation(this, m_project.library().folder());
        if (chosen.isEmpty())
            return;
        const common::Status status = m_project.setTextBackAnimation(text, chosen);
        if (status)
            m_rows.at(std::size_t(text)).back->setFileName(chosen);
        apply(text, status);
    });
    connect(row.back, &BackAnimationBox::cleared, this, [this, text] {
        m_rows.at(std::size_t(text)).back->setFileName(QString());
        apply(text, m_project.setTextBackAnimation(text, QString()));
    });
    if (dialogs.preview)
        connect(row.preview, &QPushButton::clicked, this, [this, text, open = dialogs.preview] {
            open(this, kPreviewKinds.at(std::size_t(text)), keywordOf(text));
        });
}

void TextMessageRows::apply(int text, const common::Status &status)
{
    if (!status) {
        showMessage(this, status.message);
        return;
    }
    emit edited();
    emit lookChanged(keywordOf(text));
}

void TextMessageRows::onSelect(int text, bool checked)
{
    QCheckBox *box = m_rows.at(std::size_t(text)).select;
    if (checked) {
        if (const common::Status status = m_project.appendToPlayList(keywordOf(text)); !status) {
            const QSignalBlocker block(box);
            box->setChecked(false);
            showMessage(this, status.message);
            return;
        }
    } else if (!m_project.removeFromPlayList(keywordOf(text))) {
        const QSignalBlocker block(box);
        box->setChecked(true);
        return;
    }
    emit edited();
    emit playListChanged();
}

void TextMessageRows::showFieldStyle(int text)
{
    const project::TextSettings &settings = m_project.text(text);
    QLineEdit *field = m_rows.at(std::size_t(text)).field;
    QFont font = field->font();
    font.setBold(settings.bold != 0);
    font.setItalic(settings.italic != 0);
    field->setFont(font);
}

void TextMessageRows::load(const QStringList &fontNames)
{
    for (int text = 0; text < project::kTextCount; ++text) {
        const project::TextSettings &settings = m_project.text(text);
        Row &row = m_rows.at(std::size_t(text));
        const QSignalBlocker b1(row.select), b2(row.bold), b3(row.italic), b4(row.speed), b5(row.font);
        row.select->setChecked(settings.selected != 0);
        row.field->setText(settings.text);
        row.offset->setText(QString::number(settings.offset));
        row.font->clear();
        row.font->addItems(fontNames);
        row.font->setCurrentIndex(settings.font);
        row.speed->setValue(settings.speed);
        row.bold->setChecked(settings.bold != 0);
        row.italic->setChecked(settings.italic != 0);
        row.size->setCurrentIndex(settings.size);
        row.back->setFileName(settings.backAnimation);
        showFieldStyle(text);
    }
}

} // namespace halvane::ui
