#pragma once

#include "shell/ProgramWindow.h"
#include "zodiac/ZodiacReading.h"

#include <QPointer>
#include <QWidget>

class QComboBox;

namespace tarvo {

class ZodiacNameBox;
class ZodiacResultWindow;

// The Zodiac Yoga input window: name and date of birth in, a reading out.
class ZodiacInputWindow final : public ProgramWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZodiacInputWindow)

public:
    explicit ZodiacInputWindow(const AppContext& context, QWidget* parent = nullptr);

    bool validateInput();
    void showReading();
    // The reading of a sign alone, without a name or date of birth: what a found sign text opens.
    void showSignReading(SunSign sign);
    // The open command: a record file chosen by the user refills the fields and reruns.
    void openSavedReading();

    const ZodiacReading& reading() const { return m_reading; }
    ZodiacResultWindow* resultWindow() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildNameAndDate();
    QWidget* buildCommands();
    QWidget* buildPromotions();
    void message(const QString& text);
    void presentReading();

    ZodiacReading m_reading;
    bool m_loaded = false;
    ZodiacNameBox* m_name = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_year = nullptr;
    QPointer<ZodiacResultWindow> m_display;
};

} // namespace tarvo
