#pragma once

#include "platform/AppContext.h"
#include "zodiac/ZodiacReading.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLineEdit;

namespace tarvo {

class frmZodiacYogaDisplay;

// The Zodiac Yoga input window: name and date of birth in, a reading out.
class frmZodiacYogaMain final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmZodiacYogaMain)

public:
    explicit frmZodiacYogaMain(const AppContext& context, QWidget* parent = nullptr);

    bool ValidateZodiacInput();
    void ShowZodiacReading();
    // The open command: a record file chosen by the user refills the fields and reruns.
    void OpenPreviouslySavedReading();

    const ZodiacReading& reading() const { return m_reading; }
    frmZodiacYogaDisplay* resultWindow() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    QWidget* buildNameAndDate();
    QWidget* buildCommands();
    QWidget* buildPromotions();
    void message(const QString& text);
    void unload();
    void hideForm();

    AppContext m_context;
    ZodiacReading m_reading;
    bool m_loaded = false;
    QLineEdit* m_name = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_year = nullptr;
    QPointer<frmZodiacYogaDisplay> m_display;
};

} // namespace tarvo
