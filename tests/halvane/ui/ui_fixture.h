#pragma once

#include "tests/common/widget_find.h"

// What the window tests share: an application folder of their own, finding
// controls by accessible name, and recorders in place of the modal boxes.

#include "common/app_dir.h"
#include "halvane/ui/ui_messages.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <deque>

namespace ui_test {

// A temporary application folder: the shipped Halvane.ini with every port
// leading nowhere (the search probes no real device), an animations folder.
class AppFolder {
public:
    AppFolder()
    {
        m_path = m_dir.path() + QLatin1Char('/');
        QFile::copy(QStringLiteral(CROSS_SOURCE_DIR "/resources/Halvane.ini"), ini());
        QFile::setPermissions(ini(), QFile::ReadOwner | QFile::WriteOwner);
        QFile file(ini());
        if (file.open(QIODevice::Append)) {
            file.write("\n[PORTS]\n");
            for (int port = 1; port <= 16; ++port)
                file.write(QStringLiteral("COM%1=\n").arg(port).toLatin1());
        }
        QDir(m_path).mkpath(QStringLiteral("animations"));
        common::setApplicationFolder(m_path);
        // The user's own configuration (recent files) stays in the folder too.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_path + QStringLiteral("config"));
    }
    QString path() const { return m_path; }
    QString ini() const { return m_path + QStringLiteral("Halvane.ini"); }
    QString animations() const { return m_path + QStringLiteral("animations/"); }
    // A small picture in the animations folder.
    void addPicture(const QString &name) const
    {
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::red);
        image.save(animations() + name, "BMP");
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Records the message boxes, answers the questions and file dialogs from
// scripts; restores the real boxes when it goes.
class Prompts {
public:
    Prompts()
    {
        halvane::ui::setMessageHandler(
            [this](const halvane::ui::MessageRequest &request) { messages << request.text; });
        halvane::ui::setQuestionHandler([this](const halvane::ui::MessageRequest &request) {
            questions << request.text;
            return answers.empty() ? 0 : take(answers);
        });
        halvane::ui::setFileRequestHandler([this](const halvane::ui::FileRequest &request) {
            fileRequests.push_back(request);
            return files.empty() ? QString() : take(files);
        });
    }
    ~Prompts()
    {
        halvane::ui::setMessageHandler({});
        halvane::ui::setQuestionHandler({});
        halvane::ui::setFileRequestHandler({});
    }
    QStringList messages;
    QStringList questions;
    std::deque<int> answers;    // QMessageBox::Yes, No, Cancel
    std::deque<QString> files;  // "" for a cancelled dialog
    std::vector<halvane::ui::FileRequest> fileRequests;

private:
    template <class T>
    static T take(std::deque<T> &queue)
    {
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace ui_test
