#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/page_strip.h"
#include "dravelle/editor/templates.h"
#include "dravelle/ui/preview_player.h"

#include <QWidget>

#include <array>
#include <functional>
#include <utility>

class QLineEdit;
class QPushButton;

namespace dravelle::ui {

class PageStripPanel;
class SquareWidget;

// The editor view filling Dravelle's main window: the editing square, the
// strip of the current group's eight pages, the four counters, the page
// buttons and the preview. It shows the store and forwards the buttons to
// the store's page commands; what to redraw follows the store's change
// notices, which it passes on as storeChanged().
class DravelleView : public QWidget {
    Q_OBJECT

public:
    explicit DravelleView(document::AnimationStore &store, QWidget *parent = nullptr);
    ~DravelleView() override;

    SquareWidget *square() const { return m_square; }
    document::AnimationStore &store() const { return m_store; }
    bool isPreviewRunning() const { return m_player.isActive() && !m_player.isStopRequested(); }
    bool isPreviewActive() const { return m_player.isActive(); }
    const PreviewPlayer &previewPlayer() const { return m_player; }

    // False, after telling the user "Please to stop preview first!", while the
    // preview runs: every command that changes the page list asks first.
    bool pageCommandAllowed();

    // Asked before every page command, page selection, delay edit, stroke
    // and preview start; true refuses it (the guard tells the user why).
    // The main frame refuses them while Add Words replaces the pages.
    void setBusyGuard(std::function<bool()> refuse);

    // The pages the clipboard commands act on: those chosen in the strip with
    // Shift-click, else the current page.
    std::pair<int, int> chosenPages() const;

    // Commands of the File and Template menus (the main frame asks first).
    void newAnimation();
    void applyTemplate(editor::Template t);

signals:
    void storeChanged(const document::StoreChange &change);

private:
    enum class PageButton { Add, Insert, Delete, Clear, First, Up, Down, Last, Preview, Count };

    QWidget *buildCounters();
    QWidget *buildButtons();
    QPushButton *&button(PageButton b) { return m_buttons[std::size_t(b)]; }
    void onStoreChange(const document::StoreChange &change);
    void refreshStrip();
    void refreshCounters();
    void refreshButtons();
    void choosePage(int slot);
    void typeDelay(int ms);
    void runPageCommand(PageButton b);
    void togglePreview();
    void onPreviewFinished();
    void setPreviewCaption(bool running);

    document::AnimationStore &m_store;
    SquareWidget *m_square = nullptr;
    PageStripPanel *m_strip = nullptr;
    std::array<QLineEdit *, 4> m_counters{};
    std::array<QPushButton *, std::size_t(PageButton::Count)> m_buttons{};
    PreviewPlayer m_player;
    std::function<bool()> m_refuseBusy;
    editor::PageRange m_chosen;
};

} // namespace dravelle::ui
