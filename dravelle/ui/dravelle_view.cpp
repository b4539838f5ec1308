#include "dravelle/ui/dravelle_view.h"

#include "dravelle/editor/page_view.h"
#include "dravelle/ui/page_strip_panel.h"
#include "dravelle/ui/square_widget.h"
#include "dravelle/ui/ui_icons.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace dravelle::ui {

using document::AnimationStore;
using document::StoreChange;

namespace {

struct ButtonText {
    const char *caption;
    const char *icon;
};

// In the order of DravelleView::PageButton.
constexpr ButtonText kButtonTexts[] = {
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Add"), "page_add"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Insert"), "page_insert"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Delete"), "page_delete"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Clear"), "page_clear"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "First"), "group_first"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Up"), "group_up"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Down"), "group_down"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Last"), "group_last"},
    {QT_TRANSLATE_NOOP("dravelle::ui::DravelleView", "Preview"), "preview"},
};

} // namespace

DravelleView::DravelleView(AnimationStore &store, QWidget *parent) : QWidget(parent), m_store(store)
{
    m_square = new SquareWidget(store, this);
    m_strip = new PageStripPanel(store.resolution(), this);

    auto *side = new QVBoxLayout;
    side->addWidget(buildCounters());
    side->addSpacing(12);
    side->addWidget(buildButtons());
    side->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_square, 1);
    top->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(m_strip);

    m_store.setChangeObserver([this](const StoreChange &change) { onStoreChange(change); });
    connect(m_strip, &PageStripPanel::slotClicked, this, [this](int slot) {
        if (!(m_refuseBusy && m_refuseBusy())) {
            m_chosen = {};
            m_store.selectSlot(slot);
        }
    });
    connect(m_strip, &PageStripPanel::slotShiftClicked, this, &DravelleView::choosePage);
    connect(m_strip, &PageStripPanel::delayEdited, this, [this](int, int ms) {
        if (m_refuseBusy && m_refuseBusy())
            refreshStrip(); // the edit is undone on screen
        else
            typeDelay(ms);
    });
    connect(m_strip, &PageStripPanel::delayEditFinished, this, [this] { m_store.sealLastStep(); });
    connect(&m_player, &PreviewPlayer::showPage, this, [this](const document::DotPage &page) {
        m_square->showPreview(editor::squareImage(m_square->tools().square().geometry(), page));
    });
    connect(&m_player, &PreviewPlayer::finished, this, &DravelleView::onPreviewFinished);
    refreshButtons();
}

DravelleView::~DravelleView()
{
    m_store.setChangeObserver({});
}

QWidget *DravelleView::buildCounters()
{
    auto *box = new QWidget(this);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    const char *names[] = {QT_TR_NOOP("Pages"), QT_TR_NOOP("Groups"), QT_TR_NOOP("Current Page"),
                           QT_TR_NOOP("Current Group")};
    for (std::size_t k = 0; k < m_counters.size(); ++k) {
        auto *edit = new QLineEdit(box);
        edit->setReadOnly(true);
        edit->setAccessibleName(tr(names[k]));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        form->addRow(tr("%1:").arg(tr(names[k])), edit);
        m_counters[k] = edit;
    }
    return box;
}

QWidget *DravelleView::buildButtons()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < int(PageButton::Count); ++k) {
        auto *b = new QPushButton(dravelleIcon(QString::fromLatin1(kButtonTexts[k].icon)),
                                  tr(kButtonTexts[k].caption), box);
        b->setEnabled(false);
        grid->addWidget(b, k / 2, k % 2);
        m_buttons[std::size_t(k)] = b;
        const auto which = PageButton(k);
        if (which == PageButton::Preview)
            connect(b, &QPushButton::clicked, this, &DravelleView::togglePreview);
        else
            connect(b, &QPushButton::clicked, this, [this, which] { runPageCommand(which); });
    }
    return box;
}

void DravelleView::newAnimation()
{
    m_store.newAnimation();
}

void DravelleView::applyTemplate(editor::Template t)
{
    // The preview plays its own copy of the pages, so it may go on.
    editor::applyTemplate(m_store, t);
}

// Shift-click: the chosen pages run from the page current when the choice
// began (it stays while the group buttons move on) to this one.
void DravelleView::choosePage(int slot)
{
    const int page = (m_store.currentGroup() - 1) * AnimationStore::kPagesPerGroup + slot;
    if (!m_store.hasAnimation() || page > m_store.pageCount())
        return;
    if (!m_chosen.isSet())
        m_chosen.anchor = m_store.currentPage();
    m_chosen.end = page;
    refreshStrip();
}

std::pair<int, int> DravelleView::chosenPages() const
{
    if (m_chosen.isSet())
        return {m_chosen.first(), m_chosen.last()};
    return {m_store.currentPage(), m_store.currentPage()};
}

// The keystrokes in one delay box are one step until the box is left.
void DravelleView::typeDelay(int ms)
{
    AnimationStore::Step step(m_store, QStringLiteral("delay %1").arg(m_store.currentPage()));
    m_store.setCurrentDelay(ms);
}

void DravelleView::onStoreChange(const StoreChange &change)
{
    if (change.parts == StoreChange::History) {
        emit storeChanged(change);
        return;
    }
    // The choice is of pages as they were: any change but a selection ends it.
    if (change.parts != StoreChange::Selection)
        m_chosen = {};
    if (change.has(StoreChange::Selection) || change.has(StoreChange::WordsLayer))
        m_square->redrawPage();
    refreshStrip();
    refreshCounters();
    refreshButtons();
    emit storeChanged(change);
}

void DravelleView::refreshStrip()
{
    const editor::PageStrip strip = editor::pageStrip(m_store, m_chosen);
    std::array<QImage, PageStripPanel::kSlots> thumbnails;
    for (std::size_t s = 0; s < thumbnails.size(); ++s) {
        if (strip.entries[s].page > 0)
            thumbnails[s] = editor::pageThumbnail(m_store, strip.entries[s].page);
    }
    m_strip->showStrip(strip, thumbnails);
}

void DravelleView::refreshCounters()
{
    const bool has = m_store.hasAnimation();
    const int values[] = {m_store.pageCount(), m_store.groupCount(), m_store.currentPage(),
                          m_store.currentGroup()};
    for (std::size_t k = 0; k < m_counters.size(); ++k)
        m_counters[k]->setText(has ? QString::number(values[k]) : QString());
}

// The page commands once an animation exists; the group buttons only where
// they lead to a group with pages.
void DravelleView::refreshButtons()
{
    const bool has = m_store.hasAnimation();
    for (PageButton b : {PageButton::Add, PageButton::Insert, PageButton::Delete, PageButton::Clear,
                         PageButton::Preview})
        button(b)->setEnabled(has);
    const editor::GroupButtons groups = editor::groupButtons(m_store);
    button(PageButton::First)->setEnabled(groups.first);
    button(PageButton::Up)->setEnabled(groups.up);
    button(PageButton::Down)->setEnabled(groups.down);
    button(PageButton::Last)->setEnabled(groups.last);
}

void DravelleView::setBusyGuard(std::function<bool()> refuse)
{
    m_refuseBusy = refuse;
    m_square->setInputGuard(std::move(refuse));
}

bool DravelleView::pageCommandAllowed()
{
    if (m_refuseBusy && m_refuseBusy())
        return false;
    if (!isPreviewRunning())
        return true;
    QMessageBox::information(this, tr("Dravelle"), tr("Please to stop preview first!"));
    return false;
}

void DravelleView::runPageCommand(PageButton b)
{
    if (!m_store.hasAnimation() || !pageCommandAllowed())
        return;
    switch (b) {
    case PageButton::Add: m_store.addPage(); break;
    case PageButton::Insert: m_store.insertPage(); break;
    case PageButton::Delete: m_store.deletePage(); break;
    case PageButton::Clear: m_store.clearPage(); break;
    case PageButton::First: editor::moveGroup(m_store, editor::GroupMove::First); break;
    case PageButton::Up: editor::moveGroup(m_store, editor::GroupMove::Up); break;
    case PageButton::Down: editor::moveGroup(m_store, editor::GroupMove::Down); break;
    case PageButton::Last: editor::moveGroup(m_store, editor::GroupMove::Last); break;
    default: break;
    }
    if (b == PageButton::Clear)
        m_square->redrawPage();
}

void DravelleView::togglePreview()
{
    if (!m_store.hasAnimation())
        return;
    if (isPreviewRunning()) {
        m_player.stop();
        setPreviewCaption(false);
        return;
    }
    if (m_refuseBusy && m_refuseBusy())
        return;
    std::vector<document::DotPage> pages;
    pages.reserve(std::size_t(m_store.pageCount()));
    for (int page = 1; page <= m_store.pageCount(); ++page)
        pages.push_back(m_store.composedPage(page));
    setPreviewCaption(true);
    m_player.start(std::move(pages), m_store.delays());
}

void DravelleView::onPreviewFinished()
{
    setPreviewCaption(false);
    m_square->showPreview(QImage());
}

void DravelleView::setPreviewCaption(bool running)
{
    QPushButton *b = button(PageButton::Preview);
    b->setText(running ? tr("Stop") : tr(kButtonTexts[int(PageButton::Preview)].caption));
    b->setIcon(dravelleIcon(running ? QStringLiteral("stop") : QStringLiteral("preview")));
}

} // namespace dravelle::ui
