#pragma once

#include "platform/AppContext.h"

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace tarvo::practice {

class PracticeStore;

// The saved sessions: opened in the builder, renamed, duplicated, deleted or started.
class SessionsWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionsWindow)

public:
    SessionsWindow(const AppContext& context, PracticeStore& store, QWidget* parent = nullptr);

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

    AppContext m_context;
    PracticeStore& m_store;
    QListWidget* m_list;
    QLineEdit* m_newName;
};

// A new session in the builder; an empty session opens it blank.
QWidget* sessionBuilder(const AppContext& context, PracticeStore& store);

} // namespace tarvo::practice
