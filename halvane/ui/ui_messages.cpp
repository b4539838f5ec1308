#include "halvane/ui/ui_messages.h"

#include <QFileDialog>
#include <QMessageBox>

namespace halvane::ui {

namespace {
MessageHandler &handler()
{
    static MessageHandler current;
    return current;
}

FileRequestHandler &fileHandler()
{
    static FileRequestHandler current;
    return current;
}
QuestionHandler &questionHandler()
{
    static QuestionHandler current;
    return current;
}
} // namespace

int askYesNoCancel(QWidget *parent, const QString &text, const QString &caption)
{
    const MessageRequest request{parent, caption, text};
    if (questionHandler())
        return questionHandler()(request);
    return QMessageBox::question(parent, caption, text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

void setQuestionHandler(QuestionHandler handler)
{
    questionHandler() = std::move(handler);
}

void showMessage(QWidget *parent, const QString &text, const QString &caption)
{
    const MessageRequest request{
        parent, caption.isEmpty() ? QCoreApplication::translate("halvane::ui", kPromptCaption) : caption,
        text};
    if (handler()) {
        handler()(request);
        return;
    }
    QMessageBox::information(request.parent, request.caption, request.text);
}

void setMessageHandler(MessageHandler handler_)
{
    handler() = std::move(handler_);
}

QString chooseFile(const FileRequest &request)
{
    if (fileHandler())
        return fileHandler()(request);
    if (request.save)
        return QFileDialog::getSaveFileName(request.parent, QString(), request.folder, request.filter);
    return QFileDialog::getOpenFileName(request.parent, QString(), request.folder, request.filter);
}

void setFileRequestHandler(FileRequestHandler handler)
{
    fileHandler() = std::move(handler);
}

} // namespace halvane::ui
