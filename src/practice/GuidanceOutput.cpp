#include "practice/GuidanceOutput.h"

namespace tarvo::practice {

QString numberWords(int number)
{
    static const char* const small[] = {"zero",    "one",     "two",       "three",    "four",
                                        "five",    "six",     "seven",     "eight",    "nine",
                                        "ten",     "eleven",  "twelve",    "thirteen", "fourteen",
                                        "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
    static const char* const tens[] = {"",      "",      "twenty",  "thirty", "forty",
                                       "fifty", "sixty", "seventy", "eighty", "ninety"};
    if (number < 0)
        return QStringLiteral("minus ") + numberWords(-number);
    if (number < 20)
        return QString::fromLatin1(small[number]);
    if (number < 100) {
        const QString ten = QString::fromLatin1(tens[number / 10]);
        return number % 10 == 0 ? ten : ten + u'-' + QString::fromLatin1(small[number % 10]);
    }
    if (number < 1000) {
        const QString hundreds = numberWords(number / 100) + QStringLiteral(" hundred");
        return number % 100 == 0 ? hundreds
                                 : hundreds + QStringLiteral(" and ") + numberWords(number % 100);
    }
    return QString::number(number);
}

} // namespace tarvo::practice
