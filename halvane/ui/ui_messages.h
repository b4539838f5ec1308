#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;

namespace halvane::ui {

inline constexpr char kPromptCaption[] = QT_TRANSLATE_NOOP("halvane::ui", "Prompt");

// How the window's message boxes come up. Every panel reports through
// showMessage(), so one place decides how: a modal QMessageBox in the
// program, a recorder in the tests (which cannot answer a modal box).
struct MessageRequest {
    QWidget *parent = nullptr;
    QString caption;
    QString text;
};
using MessageHandler = std::function<void(const MessageRequest &)>;

// Shows `text` in a box with `caption` ("Prompt" when empty).
void showMessage(QWidget *parent, const QString &text, const QString &caption = QString());
// Replaces the message box; an empty handler brings the box back.
void setMessageHandler(MessageHandler handler);

// How the window asks for a file: a QFileDialog in the program, a script in
// the tests. The answer is a full path, or "" when the user cancelled.
struct FileRequest {
    QWidget *parent = nullptr;
    bool save = false;  // a Save As dialog (asks before replacing a file)
    QString folder;     // where the dialog starts
    QString filter;     // Qt's form: "Caption (*.a *.b)"
};
using FileRequestHandler = std::function<QString(const FileRequest &)>;

QString chooseFile(const FileRequest &request);

// A question with Yes, No and Cancel; the answer as QMessageBox's button
// value (QMessageBox::Yes, No or Cancel).
using QuestionHandler = std::function<int(const MessageRequest &)>;
int askYesNoCancel(QWidget *parent, const QString &text, const QString &caption);
void setQuestionHandler(QuestionHandler handler);
void setFileRequestHandler(FileRequestHandler handler);

} // namespace halvane::ui
