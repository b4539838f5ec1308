#pragma once

#include <QString>

namespace common {

// The outcome of an operation that can fail: core code returns it instead of
// showing anything, the UI puts the message in a box, the CLIs print it. A
// result is never dropped silently: a caller that has nothing to do with a
// failure says so with a cast to void and a word why.
struct [[nodiscard]] Status {
    bool ok = true;
    QString message;

    static Status success() { return {}; }
    static Status failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace common
