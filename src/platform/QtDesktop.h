#pragma once

#include "platform/Desktop.h"

namespace tarvo {

class QtDesktop final : public Desktop {
public:
    MessageAnswer message(QWidget* parent, MessageIcon icon, MessageButtons buttons,
                          const QString& title, const QString& text) override;
    void detailedMessage(QWidget* parent, MessageIcon icon, const QString& title,
                         const QString& text, const QString& details) override;
    QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
    QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer, bool hasSelection) override;
    void openUrl(const QUrl& url) override;
};

} // namespace tarvo
