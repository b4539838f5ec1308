#pragma once

#include <QCoreApplication>
#include <QString>

namespace halvane::link {

// What a cross operation ended with, in words a user can read. The window
// decides which outcomes it shows (many of its operations end silently);
// the command line reports every one of them.
struct LinkStatus {
    enum class Code {
        Ok,            // done; `message` is the success text, if the operation has one
        PortNotOpened, // the port does not exist, is busy or refused the rate
        NoReply,       // the cross did not answer in time
        WriteFailed,   // the frame did not reach the line (device gone, output stuck)
        BadValue,      // the values were refused before anything was sent
        Failed,        // the cross answered wrongly (the cross test saw other addresses)
        Stopped,       // the caller stopped the operation before it had a result
    };

    Code code = Code::Ok;
    QString message;

    bool ok() const { return code == Code::Ok; }
    static LinkStatus success(QString text = {}) { return {Code::Ok, std::move(text)}; }
    static LinkStatus failure(Code code, QString text) { return {code, std::move(text)}; }
};

// The texts the link reports; linkText() gives one in the user's language.
inline constexpr char kTextCantOpenPort[] = QT_TRANSLATE_NOOP("halvane::link", "Can't Open Com Port!");
inline constexpr char kTextCantFindCross[] = QT_TRANSLATE_NOOP("halvane::link", "Can't find cross!");
inline constexpr char kTextFindCross[] = QT_TRANSLATE_NOOP("halvane::link", "Find cross!");
inline constexpr char kTextWriteFailed[] = QT_TRANSLATE_NOOP("halvane::link", "Can't write to the Com Port!");

inline QString linkText(const char *text)
{
    return QCoreApplication::translate("halvane::link", text);
}

// "Can't Open Com Port!", then on a line of its own why (when known).
inline LinkStatus cantOpenPort(const QString &why)
{
    const QString text = linkText(kTextCantOpenPort);
    return LinkStatus::failure(LinkStatus::Code::PortNotOpened, why.isEmpty() ? text : text + QLatin1Char('\n') + why);
}

// An operation that also yields a value (valid when status.ok()).
template <class T>
struct LinkResult {
    LinkStatus status;
    T value{};
};

} // namespace halvane::link
