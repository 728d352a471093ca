#include "platform/QtDesktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvo {

namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// Qt adds the default suffix to every name typed without a dot, so a file such as "backupzoy"
// could never be opened. This dialog takes the name as typed when that file exists, and with the
// suffix only when it does not.
class OpenFileDialog final : public QFileDialog {
public:
    OpenFileDialog(QWidget* parent, const FileDialogRequest& request)
        : QFileDialog(parent, request.title, QString(), request.filter)
        , m_suffix(request.defaultSuffix)
    {
        setAcceptMode(AcceptOpen);
        // Whether the file is there is judged in accept(), both ways.
        setFileMode(AnyFile);
    }

    QString chosenFile() const { return m_chosen; }

    void accept() override
    {
        const QStringList typed = selectedFiles();
        if (typed.isEmpty())
            return;
        const QFileInfo info(typed.constFirst());
        if (info.isDir()) {
            QFileDialog::accept(); // opens the folder
            return;
        }
        m_chosen = existingFile(info);
        if (m_chosen.isEmpty()) {
            // Qt's own words, shown as plain text: the name is whatever the user typed.
            QMessageBox box(QMessageBox::Warning, windowTitle(),
                            QFileDialog::tr("%1\nFile not found.\nPlease verify the "
                                            "correct file name was given.")
                                .arg(info.fileName()),
                            QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText);
            box.exec();
            return;
        }
        QFileDialog::accept();
    }

private:
    QString existingFile(const QFileInfo& typed) const
    {
        // Whether it is a file the program can use is for the caller to judge.
        if (typed.exists())
            return typed.absoluteFilePath();
        if (m_suffix.isEmpty() || typed.fileName().contains(u'.'))
            return {};
        const QFileInfo withSuffix(typed.filePath() + u'.' + m_suffix);
        return withSuffix.exists() ? withSuffix.absoluteFilePath() : QString();
    }

    QString m_suffix;
    QString m_chosen;
};

} // namespace

MessageAnswer QtDesktop::message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                                 const QString& title, const QString& text)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtDesktop::detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                                const QString& text, const QString& details)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.exec();
}

QString QtDesktop::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    OpenFileDialog dialog(parent, request);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenFile() : QString();
}

QString QtDesktop::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtDesktop::setUpPrinter(QWidget* parent, QPrinter& printer, bool hasSelection)
{
    QPrintDialog dialog(&printer, parent);
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize;
    if (hasSelection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    printer.setPrintRange(hasSelection ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

void QtDesktop::openUrl(const QUrl& url)
{
    // The outcome is not examined: a missing browser is not the program's failure.
    QDesktopServices::openUrl(url);
}

} // namespace tarvo
