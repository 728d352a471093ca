#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace tarvo::test {

// A Desktop that answers from a script and records what the program asked for.
class ScriptedDesktop final : public Desktop {
public:
    struct Message {
        MessageIcon icon;
        MessageButtons buttons;
        QString title;
        QString text;
        QString details = {};
    };

    MessageAnswer message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                          const QString& title, const QString& text) override;
    void detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                         const QString& text, const QString& details) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) override;
    void openUrl(const QUrl& url) override { openedUrls.append(url); }

    QStringList messageTexts() const;

    // Answers for Yes/No questions, taken in order; without one the answer is No.
    std::deque<MessageAnswer> answers;
    // File names the dialogs return, taken in order; without one the dialog is cancelled.
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    // Sets up the printer as a user would; without it the printer dialog is cancelled.
    std::function<bool(QPrinter&, bool hasSelection)> printerSetup;
    // Runs while a message is "shown", as a user acting on the screen behind it could not.
    std::function<void(const Message&)> onMessage;

    QList<Message> messages;
    QList<FileDialogRequest> fileRequests;
    QList<QUrl> openedUrls;
    QList<bool> printerDialogs; // hasSelection of every printer dialog shown
};

} // namespace tarvo::test
