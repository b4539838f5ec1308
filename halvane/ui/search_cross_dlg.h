#pragma once

#include "halvane/settings/address_book.h"
#include "halvane/ui/cross_dialog.h"

#include <array>

class QButtonGroup;
class QLineEdit;

namespace halvane::ui {

// "Search Cross": the four stored cross addresses "No 1" .. "No 4" and
// which of them is the current cross. OK stores them; "Search cross"
// stores them and looks for the marked cross, the dialog staying open.
class SearchCrossDlg : public CrossDialog {
    Q_OBJECT

public:
    SearchCrossDlg(const link::LinkContext &link, QWidget *parent = nullptr);

    // The rows and the marked row as the dialog shows them.
    settings::AddressBook shownBook() const;

signals:
    // The cross was found: the status bar reads Halvane.ini again.
    void crossStatusChanged();

private:
    void buildForm();
    bool store();
    void search();

    std::array<QLineEdit *, settings::AddressBook::kRows> m_rows{};
    QButtonGroup *m_current = nullptr;
};

} // namespace halvane::ui
