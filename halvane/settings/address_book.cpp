#include "halvane/settings/address_book.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"

namespace halvane::settings {


namespace {

// Writes the four two-character parts of `text` as ADDRESS1..ADDRESS4 of `section`.
common::Status storeParts(const QString &iniPath, const QString &section, const QString &text)
{
    for (int part = 1; part <= 4; ++part) {
        const common::Status s = common::WritePrivateProfileStringA(
            section, addressKey(part), text.mid((part - 1) * 2, 2), iniPath);
        if (!s)
            return s;
    }
    return common::Status::success();
}

} // namespace

AddressBook readAddressBook(const QString &iniPath)
{
    AddressBook book;
    for (int row = 0; row < AddressBook::kRows; ++row) {
        QString text;
        for (int part = 1; part <= 4; ++part)
            text += common::GetPrivateProfileStringA(storedAddressSection(row + 1), addressKey(part),
                                                     QString(), kStoredAddressSize, iniPath);
        book.rows[std::size_t(row)] = text.toUpper();
    }
    book.current = readBootInt(iniPath, kKeyCrossNo, 0);
    if (book.current < -1 || book.current >= AddressBook::kRows)
        book.current = -1;
    return book;
}

common::Status storeAddressBook(const QString &iniPath, const AddressBook &book)
{
    QString currentText;
    for (int row = 0; row < AddressBook::kRows; ++row) {
        const QString text = book.rows[std::size_t(row)].left(AddressBook::kMaxLength).toUpper();
        if (row == book.current)
            currentText = text;
        const common::Status s = storeParts(iniPath, storedAddressSection(row + 1), text);
        if (!s)
            return s;
    }
    const common::Status s = storeParts(iniPath, QString::fromLatin1(kSectionBoot), currentText);
    if (!s)
        return s;
    const int current = book.current >= 0 && book.current < AddressBook::kRows ? book.current : -1;
    return writeBootInt(iniPath, kKeyCrossNo, current);
}

bool isCompleteAddress(const QString &text)
{
    if (text.size() != AddressBook::kMaxLength)
        return false;
    for (QChar c : text)
        if (!QStringLiteral("0123456789abcdefABCDEF").contains(c))
            return false;
    return true;
}

} // namespace halvane::settings
