#pragma once

#include "chakra/ChakraQuestions.h"
#include "shell/Location.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace tarvo {
class ChakraResultWindow;
class MainWindow;
class ZodiacInputWindow;
class ZodiacResultWindow;
} // namespace tarvo

namespace tarvo::test {

// The place opened as Find and the links between programs open it, switching program as the user
// would: the window that shows it, or null.
QWidget* openLocation(MainWindow& window, const Location& location);

// A birth date as the input window lists it, day and month counted from 1; year 0 leaves the
// year the window opens with.
struct BirthDate {
    int day = 1;
    int month = 1;
    int year = 0;
};

// Zodiac Yoga opened afresh with the name and date put in, Next not yet pressed.
ZodiacInputWindow* fillZodiacInput(MainWindow& window, const QString& name, BirthDate date = {});

// The same, then Next pressed: the reading, or null when the input refused what it was given.
ZodiacResultWindow* openZodiacResult(MainWindow& window, const QString& name, BirthDate date = {});

// Opens the report by the result's Print and runs look on it inside the report's own loop, then
// closes it; false when no report came up.
bool inZodiacReport(ZodiacResultWindow& result, const std::function<void(QWidget*)>& look = {});

// The answer given to each question as it is asked.
using ChakraAnswering = std::function<ChakraAnswer(const ChakraQuestion&)>;

ChakraAnswer notSure(const ChakraQuestion&);
ChakraAnswer countingAnswer(const ChakraQuestion&);

QList<ChakraId> allChakras();

// Chakra Yoga opened afresh, the chakras ticked, the test started and every question answered
// and followed by Next: the result, or null when none came.
ChakraResultWindow* openChakraResult(MainWindow& window, const QList<ChakraId>& chakras,
                                     const ChakraAnswering& answer = notSure);

} // namespace tarvo::test
