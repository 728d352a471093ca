#pragma once

#include "zodiac/SunSign.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvo {

class LinkLabel;

// The "Yoga Asanas" tab: the introduction, the twelve sign panels of asana labels and the
// detail panel of one asana, the panels sharing one place.
class ZodiacAsanaTab final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ZodiacAsanaTab)

public:
    explicit ZodiacAsanaTab(QWidget* parent = nullptr);

    // The list state for the sign: its panel shown, every other panel and the detail hidden.
    void showSignPanel(SunSign sign);
    void openAsana(SunSign sign, int index);
    void closeAsana();
    // The catalogue index of the asana whose detail is shown; nothing while the list is.
    std::optional<int> openedAsana() const { return m_openedIndex; }

signals:
    // "Practise these now": the shown sign's asanas, as the tab names them.
    void practiseRequested(const QString& title, const QStringList& asanaNames);

private:
    QWidget* buildIntroduction();
    QWidget* buildDetailPanel();
    QGroupBox* buildSignPanel(SunSign sign);

    SunSign m_sign = SunSign::Aries;
    std::array<QGroupBox*, kSunSignCount> m_signPanels{};
    std::array<QList<LinkLabel*>, kSunSignCount> m_labels{};
    QWidget* m_detail = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_practise = nullptr;
    QLabel* m_runningOrder = nullptr;
    QPointer<LinkLabel> m_openedLabel;
    std::optional<int> m_openedIndex;
    QLabel* m_asanaName = nullptr;
    QLabel* m_englishName = nullptr;
    QLabel* m_picture = nullptr;
    QPlainTextEdit* m_definition = nullptr;
    QPlainTextEdit* m_procedure = nullptr;
    QPlainTextEdit* m_benefits = nullptr;
    QPlainTextEdit* m_contradiction = nullptr;
};

} // namespace tarvo
