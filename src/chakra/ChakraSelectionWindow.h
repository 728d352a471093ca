#pragma once

#include "chakra/ChakraModel.h"
#include "shell/ProgramWindow.h"

#include <QWidget>

class QCheckBox;

namespace tarvo {

// The chakra selection window: tick chakras, start the test.
class ChakraSelectionWindow final : public ProgramWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChakraSelectionWindow)

public:
    explicit ChakraSelectionWindow(const AppContext& context, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    void startTest();

private:
    PerChakra<QCheckBox*> m_chakras{};
};

} // namespace tarvo
