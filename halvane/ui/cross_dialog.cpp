#include "halvane/ui/cross_dialog.h"

#include "common/font/cell_font.h"
#include "halvane/link/settings_codec.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace halvane::ui {

namespace {

QStringList numbered(int count)
{
    QStringList items;
    for (int n = 0; n < count; ++n)
        items << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    return items;
}

void makeRed(QLabel *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
}

} // namespace

CrossDialog::CrossDialog(const link::LinkContext &link, QWidget *parent)
    : QDialog(parent), m_link(link), m_runner(link)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_status = new QLabel(this);
    m_status->setAccessibleName(tr("Status"));
    m_status->setWordWrap(true);
    m_status->hide(); // shown while it has something to say
    m_openTimer.setSingleShot(true);
    connect(&m_runner, &link::CrossRunner::finished, this, &CrossDialog::delivered);
}

// The runner member cancels and waits for its worker when it goes, before
// QWidget's destructor deletes the controls a handler would fill.
CrossDialog::~CrossDialog() = default;

QString CrossDialog::statusText() const
{
    return m_status->text();
}

bool CrossDialog::runOnCross(link::CrossRunner::Operation operation, Handler handler)
{
    if (!m_runner.run(std::move(operation))) {
        setStatus(tr("The cross is still busy with the last exchange: nothing was sent. Try again in a moment."));
        return false;
    }
    m_handler = std::move(handler);
    return true;
}

void CrossDialog::runAfterOpening(int delayMs, link::CrossRunner::Operation operation, Handler handler)
{
    m_openTimer.setInterval(delayMs);
    disconnect(&m_openTimer, nullptr, this, nullptr);
    connect(&m_openTimer, &QTimer::timeout, this,
            [this, operation = std::move(operation), handler = std::move(handler)] { runOnCross(operation, handler); });
    m_openTimer.start();
}

void CrossDialog::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setVisible(!text.isEmpty());
}

void CrossDialog::done(int result)
{
    // A read-back or the test still running has nothing left to fill.
    m_openTimer.stop();
    m_runner.cancel();
    QDialog::done(result);
}

void CrossDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto *edit = qobject_cast<QLineEdit *>(focusWidget());
    if (enter && edit && qobject_cast<QComboBox *>(edit->parentWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CrossDialog::delivered(const link::CrossRunner::Result &result)
{
    Handler handler = std::move(m_handler);
    m_handler = nullptr;
    if (handler && result.status.code != link::LinkStatus::Code::Stopped)
        handler(result);
    emit exchangeEnded();
}

QStringList hourList()
{
    return numbered(24);
}

QStringList minuteList()
{
    return numbered(60);
}

QStringList levelList()
{
    return {QCoreApplication::translate("halvane::ui", "1 rate"), QCoreApplication::translate("halvane::ui", "2 rate"),
            QCoreApplication::translate("halvane::ui", "3 rate"), QCoreApplication::translate("halvane::ui", "4 rate")};
}

QStringList brightnessFirstHourList()
{
    return QStringList{QCoreApplication::translate("halvane::ui", "Alway 1 rate"),
                       QCoreApplication::translate("halvane::ui", "Alway 2 rate"),
                       QCoreApplication::translate("halvane::ui", "Alway 3 rate"),
                       QCoreApplication::translate("halvane::ui", "Alway 4 rate")}
        + hourList();
}

QStringList onOffFirstHourList()
{
    return QStringList{QCoreApplication::translate("halvane::ui", "Always open"),
                       QCoreApplication::translate("halvane::ui", "Always closed")}
        + hourList();
}

QStringList timeZoneList()
{
    // The cross's own names; only the first is a word (the others are
    // E1..E11, E12&W12 and W11..W1 in every language).
    QStringList items = link::timeZoneNames();
    items[0] = QCoreApplication::translate("halvane::ui", "Zone 0");
    return items;
}

QStringList tempFactorList()
{
    QStringList items;
    for (int position = 0; position < link::kTempFactorCount; ++position)
        items << link::tempFactorText(position);
    return items;
}

QComboBox *listBox(const QStringList &items, const QString &name, bool editable, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setAccessibleName(name);
    box->setMaxVisibleItems(12);
    box->setStyleSheet(QStringLiteral("combobox-popup: 0;")); // a scrolling popup of 12, not the whole day
    if (!editable)
        return box;
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QLineEdit *edit = box->lineEdit();
    edit->setAccessibleName(name);
    QObject::connect(edit, &QLineEdit::editingFinished, box, [box] {
        const int typed = box->findText(box->currentText().trimmed(), Qt::MatchFixedString);
        if (typed >= 0)
            box->setCurrentIndex(typed);
        box->setEditText(box->itemText(box->currentIndex()));
    });
    return box;
}

ButtonRow buttonRow(const QString &actionText, QWidget *parent)
{
    ButtonRow row;
    row.action = new QPushButton(actionText, parent);
    row.cancel = new QPushButton(QCoreApplication::translate("halvane::ui", "Cancel"), parent);
    row.action->setDefault(true);
    row.layout = new QHBoxLayout;
    row.layout->addStretch();
    row.layout->addWidget(row.action);
    row.layout->addWidget(row.cancel);
    return row;
}

QLabel *attentionHeading(QWidget *parent)
{
    auto *label = new QLabel(QCoreApplication::translate("halvane::ui", "ATTENTION"), parent);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(common::font::pixelSizeForCell(font, 36));
    label->setFont(font);
    makeRed(label);
    return label;
}

QLabel *attentionNote(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    makeRed(label);
    return label;
}

} // namespace halvane::ui
