#pragma once

#include "shell/AppContext.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tarvo::practice {

class NotifyingPracticeStore;
class PracticeStore;

// The saved sessions: opened in the builder, renamed, duplicated, deleted or started. It follows
// the store, so a session saved in a builder meanwhile is listed at once.
class SessionsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionsWindow)

public:
    SessionsWindow(const AppContext& context, NotifyingPracticeStore& store,
                   QWidget* parent = nullptr);

    // Lists the store's sessions again, with current chosen if it is there.
    void refresh(const QString& current = {});
    QString selectedName() const;

    void openSelected();
    void renameSelected();
    void duplicateSelected();
    void deleteSelected();
    void startSelected();

private:
    bool report(bool done);
    // Renames or copies the chosen session to the new name, and chooses the result.
    void storeUnderNewName(bool (PracticeStore::*write)(const QString&, const QString&));
    // Only what can act on the list as it stands is enabled.
    void enableActions();

    AppContext m_context;
    NotifyingPracticeStore& m_store;
    QListWidget* m_list;
    QLabel* m_noSessions;
    QLineEdit* m_newName;
    QList<QPushButton*> m_onSelected;
    QList<QPushButton*> m_onNewName;
};

// A new session in the builder; an empty session opens it blank.
QWidget* sessionBuilder(const AppContext& context, PracticeStore& store);

} // namespace tarvo::practice
