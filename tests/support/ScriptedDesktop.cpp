#include "support/ScriptedDesktop.h"

namespace tarvo::test {

namespace {
QString takeFront(std::deque<QString>& queue)
{
    if (queue.empty())
        return {};
    QString front = queue.front();
    queue.pop_front();
    return front;
}
} // namespace

MessageAnswer ScriptedDesktop::message(QWidget*, MessageIcon icon, MessageButtons buttons,
                                       const QString& title, const QString& text)
{
    messages.append({icon, buttons, title, text});
    if (onMessage)
        onMessage(messages.constLast());
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    if (answers.empty())
        return MessageAnswer::No;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDesktop::detailedMessage(QWidget*, MessageIcon icon, const QString& title,
                                      const QString& text, const QString& details)
{
    messages.append({icon, MessageButtons::Ok, title, text, details});
    if (onMessage)
        onMessage(messages.constLast());
}

QString ScriptedDesktop::openFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    return takeFront(openNames);
}

QString ScriptedDesktop::saveFileName(QWidget*, const FileDialogRequest& request)
{
    fileRequests.append(request);
    return takeFront(saveNames);
}

bool ScriptedDesktop::setUpPrinter(QWidget*, QPrinter& printer, bool hasSelection)
{
    printerDialogs.append(hasSelection);
    return printerSetup ? printerSetup(printer, hasSelection) : false;
}

QStringList ScriptedDesktop::messageTexts() const
{
    QStringList texts;
    for (const Message& m : messages)
        texts.append(m.text);
    return texts;
}

} // namespace tarvo::test
