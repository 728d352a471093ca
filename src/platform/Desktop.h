#pragma once

#include <QString>
#include <QUrl>

class QPrinter;
class QWidget;

namespace tarvo {

enum class MessageIcon { Information, Critical, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    // The name the save dialog suggests; empty for none.
    QString fileName = {};
};

// Every effect the program has on the desktop outside its own windows: prompts, file and
// printer dialogs, the browser. Windows use it instead of the Qt dialogs so tests can script it.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Text is always shown as plain text: it may hold a file name or anything else the user typed.
    virtual MessageAnswer message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                                  const QString& title, const QString& text) = 0;
    // A message with an OK button whose details, however many lines, wait behind "Show
    // Details…", so the box stays a few lines tall. Empty details show no such button.
    virtual void detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                                 const QString& text, const QString& details) = 0;

    // Both return an empty string when the user cancels.
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;

    // Lets the user choose and set up a printer; offers "selection" only when hasSelection.
    // Returns false when the user cancels.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) = 0;

    virtual void openUrl(const QUrl& url) = 0;
};

// The prompts as windows say them: a note, a failure, and a question answered Yes or No.
inline void inform(Desktop& desktop, QWidget* parent, const QString& title, const QString& text)
{
    desktop.message(parent, MessageIcon::Information, MessageButtons::Ok, title, text);
}
inline void warn(Desktop& desktop, QWidget* parent, const QString& title, const QString& text)
{
    desktop.message(parent, MessageIcon::Critical, MessageButtons::Ok, title, text);
}
inline bool ask(Desktop& desktop, QWidget* parent, const QString& title, const QString& text)
{
    return desktop.message(parent, MessageIcon::Question, MessageButtons::YesNo, title, text)
           == MessageAnswer::Yes;
}

} // namespace tarvo
