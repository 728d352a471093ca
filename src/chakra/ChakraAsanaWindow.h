#pragma once

#include "chakra/ChakraAsanas.h"
#include "report/PrintableView.h"
#include "shell/ProgramWindow.h"

#include <QWidget>

class QLabel;

namespace tarvo {

class RichTextBox;

// The recommended asanas of a test, one record at a time.
class ChakraAsanaWindow final : public ProgramWindow, public PrintableView {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraAsanaWindow)

public:
    ChakraAsanaWindow(const AppContext& context, const RecommendedAsanas& list,
                      QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The record on screen, its picture beside the text.
    std::optional<PrintablePage> printablePage() const override;

    std::optional<int> asanaPosition() const { return m_navigator.position(); }
    void showCurrentRecord();
    void showNextRecord();
    void showPreviousRecord();
    // Shows the first record of the list that holds the asana (a chakraYogaAsanas() index).
    void showAsana(int asana);
    RichTextBox& richTextBox() const { return *m_text; }
    void backToResult();
    // A ready-made session of every recommended asana, started through the main window.
    void practiseNow();

private:
    RecommendedAsanas m_list;
    AsanaRecordNavigator m_navigator;
    QLabel* m_chakraName;
    QLabel* m_picture;
    RichTextBox* m_text;
};

} // namespace tarvo
