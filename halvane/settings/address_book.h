#pragma once

#include "common/status.h"

#include <QString>

#include <array>

namespace halvane::settings {

// The four stored cross addresses "No 1" .. "No 4" (sections ADDR1 .. ADDR4
// of Halvane.ini) and which of them is the current cross (CROSSNO), as the
// Search Cross dialog shows and stores them.
struct AddressBook {
    static constexpr int kRows = 4;
    static constexpr int kMaxLength = 8;

    std::array<QString, kRows> rows; // each the four parts joined, upper case
    int current = 0;                 // 0..3, or -1 when no row is marked
};

// Reads the four rows (each part with default "") and CROSSNO (default 0).
AddressBook readAddressBook(const QString &iniPath);

// Stores the book as the dialog's OK does: characters 1-2, 3-4, 5-6 and 7-8
// of each row (upper-cased, cut to 8) as ADDRESS1..ADDRESS4 of its section;
// the current row's parts as ADDRESS1..ADDRESS4 of BOOT (empty when no row is
// marked) and its position as CROSSNO.
common::Status storeAddressBook(const QString &iniPath, const AddressBook &book);

// Whether `text` is a complete address: exactly eight hexadecimal digits.
bool isCompleteAddress(const QString &text);

} // namespace halvane::settings
