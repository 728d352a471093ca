#pragma once

#include <QObject>
#include <memory>

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
    // What the hold stands at; shared with an answer still on its way, which may arrive after
    // this object is gone and must then give the hold straight back.
    struct Hold {
        bool wanted = false;
        bool pending = false;
        uint cookie = 0;
    };

    std::shared_ptr<Hold> m_hold = std::make_shared<Hold>();
};

} // namespace tarvo::practice
