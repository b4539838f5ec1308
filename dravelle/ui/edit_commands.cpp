#include "dravelle/ui/edit_commands.h"

#include "dravelle/editor/page_clipboard.h"
#include "dravelle/ui/dravelle_view.h"
#include "dravelle/ui/square_widget.h"
#include "dravelle/ui/ui_icons.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>

namespace dravelle::ui {

using editor::PageTransform;
using editor::TransformRange;

namespace {

struct TransformEntry {
    PageTransform transform;
    const char *name;
};

constexpr TransformEntry kTransforms[] = {
    {PageTransform::MirrorLeftRight, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Mirror Left-Right")},
    {PageTransform::MirrorTopBottom, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Mirror Top-Bottom")},
    {PageTransform::RotateClockwise, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Rotate Right")},
    {PageTransform::RotateAnticlockwise, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Rotate Left")},
    {PageTransform::ShiftUp, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Shift Up")},
    {PageTransform::ShiftDown, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Shift Down")},
    {PageTransform::ShiftLeft, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Shift Left")},
    {PageTransform::ShiftRight, QT_TRANSLATE_NOOP("dravelle::ui::EditCommands", "Shift Right")},
};

void putOnClipboard(const editor::PageClip &clip)
{
    auto *data = new QMimeData;
    data->setData(editor::pageClipMimeType(), editor::encodePageClip(clip));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

EditCommands::EditCommands(document::AnimationStore &store, DravelleView *view, QWidget *window)
    : QObject(window), m_store(store), m_view(view), m_window(window)
{
    connect(m_view, &DravelleView::storeChanged, this, &EditCommands::refresh);
}

QAction *EditCommands::command(QMenu *menu, const QString &text, const char *icon, const QKeySequence &keys)
{
    QAction *action = menu->addAction(text);
    if (icon)
        action->setIcon(dravelleIcon(QString::fromLatin1(icon)));
    if (!keys.isEmpty())
        action->setShortcut(keys);
    return action;
}

void EditCommands::addHistoryCommands(QMenu *menu)
{
    m_undo = command(menu, tr("Undo"), "edit_undo", QKeySequence::Undo);
    m_redo = command(menu, tr("Redo"), "edit_redo", {});
    m_redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undo, &QAction::triggered, this, [this] { undoOrRedo(true); });
    connect(m_redo, &QAction::triggered, this, [this] { undoOrRedo(false); });
    refresh();
}

void EditCommands::addClipboardCommands(QMenu *menu)
{
    m_cut = command(menu, tr("Cut Pages"), "edit_cut", QKeySequence::Cut);
    m_copy = command(menu, tr("Copy Pages"), "edit_copy", QKeySequence::Copy);
    m_paste = command(menu, tr("Paste Pages"), "edit_paste", QKeySequence::Paste);
    m_duplicate = command(menu, tr("Duplicate Pages"), nullptr, QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_cut, &QAction::triggered, this, &EditCommands::cut);
    connect(m_copy, &QAction::triggered, this, &EditCommands::copy);
    connect(m_paste, &QAction::triggered, this, &EditCommands::paste);
    connect(m_duplicate, &QAction::triggered, this, &EditCommands::duplicate);
    refresh();
}

void EditCommands::addTransformMenus(QMenu *menu)
{
    const std::pair<TransformRange, QString> ranges[] = {
        {TransformRange::CurrentPage, tr("Transform Current Page")},
        {TransformRange::AllPages, tr("Transform All Pages")},
    };
    for (const auto &[range, title] : ranges) {
        QMenu *sub = menu->addMenu(title);
        for (const TransformEntry &entry : kTransforms) {
            QAction *action = sub->addAction(tr(entry.name));
            const PageTransform t = entry.transform;
            const TransformRange r = range;
            connect(action, &QAction::triggered, this, [this, t, r] { transform(t, r); });
            m_transforms << action;
        }
    }
    refresh();
}

void EditCommands::refresh()
{
    const bool has = m_store.hasAnimation();
    if (m_undo) {
        m_undo->setEnabled(m_store.canUndo());
        m_redo->setEnabled(m_store.canRedo());
    }
    for (QAction *action : {m_cut, m_copy, m_paste, m_duplicate})
        if (action)
            action->setEnabled(has);
    for (QAction *action : m_transforms)
        action->setEnabled(has);
}

bool EditCommands::mayChange()
{
    if (!m_store.hasAnimation() || m_view->square()->tools().isStroking())
        return false;
    return m_view->pageCommandAllowed();
}

void EditCommands::undoOrRedo(bool undoing)
{
    if (!mayChange())
        return;
    if (undoing)
        m_store.undo();
    else
        m_store.redo();
    refresh();
}

void EditCommands::copy()
{
    if (!m_store.hasAnimation())
        return;
    const auto [first, last] = m_view->chosenPages();
    putOnClipboard(editor::copyPages(m_store, first, last));
}

void EditCommands::cut()
{
    if (!mayChange())
        return;
    const auto [first, last] = m_view->chosenPages();
    editor::PageClip clip;
    const common::Status status = editor::cutPages(m_store, first, last, &clip);
    if (!status) {
        QMessageBox::information(m_window, tr("Dravelle"), status.message);
        return;
    }
    putOnClipboard(clip);
}

void EditCommands::paste()
{
    if (!mayChange())
        return;
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(editor::pageClipMimeType())) {
        QMessageBox::information(m_window, tr("Dravelle"), tr("The clipboard holds no pages."));
        return;
    }
    editor::PageClip clip;
    common::Status status = editor::decodePageClip(data->data(editor::pageClipMimeType()), &clip);
    if (status)
        status = editor::pastePages(m_store, clip);
    if (!status)
        QMessageBox::information(m_window, tr("Dravelle"), status.message);
}

void EditCommands::duplicate()
{
    if (!mayChange())
        return;
    const auto [first, last] = m_view->chosenPages();
    editor::duplicatePages(m_store, first, last);
}

void EditCommands::transform(PageTransform transform, TransformRange range)
{
    if (mayChange())
        editor::transformPages(m_store, transform, range);
}

} // namespace dravelle::ui
