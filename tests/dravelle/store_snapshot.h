#pragma once

#include "dravelle/document/animation_store.h"

#include <vector>

// Everything an undoable step may change in the store, to compare whole
// stores before and after undo and redo.
struct StoreSnapshot {
    std::vector<dravelle::document::DotPage> pages;
    std::vector<int> delays;
    std::vector<dravelle::document::DotPage> words;
    dravelle::document::DotPage working;
    int currentPage = 0;
    int currentGroup = 0;

    explicit StoreSnapshot(const dravelle::document::AnimationStore &store)
        : pages(store.pages()),
          delays(store.delays()),
          words(store.wordsLayer()),
          working(store.workingPage()),
          currentPage(store.currentPage()),
          currentGroup(store.currentGroup())
    {
    }
    bool operator==(const StoreSnapshot &) const = default;
};
