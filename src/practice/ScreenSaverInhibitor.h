#pragma once

#include <QObject>

namespace tarvo::practice {

// Keeps the screen awake through the desktop's screen-saver service on the session bus, where
// there is one; elsewhere it does nothing. Released when destroyed.
class ScreenSaverInhibitor final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScreenSaverInhibitor)

public:
    explicit ScreenSaverInhibitor(QObject* parent = nullptr);
    ~ScreenSaverInhibitor() override;

    void inhibit(const QString& reason);
    void release();

private:
    void uninhibit(uint cookie);

    bool m_wanted = false;
    bool m_pending = false;
    uint m_cookie = 0;
};

} // namespace tarvo::practice
