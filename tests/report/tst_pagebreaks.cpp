#include "report/PageBreaks.h"
#include "report/PageRenderer.h"
#include "report/PrintablePage.h"

#include <QLocale>
#include <QTest>

using namespace tarvo;

namespace {

enum Kind { Body, Heading, Blank };

// Lines of 10 units stacked from the top; a new number starts a new block.
QList<FlowLine> stack(const QList<std::pair<int, Kind>>& lines)
{
    QList<FlowLine> flow;
    double top = 0;
    for (const auto& [block, kind] : lines) {
        flow.append({top, top + 10, block, kind == Heading, kind == Blank});
        top += 10;
    }
    return flow;
}

} // namespace

class tst_PageBreaks final : public QObject {
    Q_OBJECT

private slots:
    void breaks_data()
    {
        QTest::addColumn<QList<FlowLine>>("lines");
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<QList<double>>("starts");

        QTest::addRow("everything fits")
            << stack({{0, Body}, {1, Body}, {2, Body}}) << 30.0 << QList<double>{0};
        QTest::addRow("a body line that does not fit starts the next page")
            << stack({{0, Body}, {0, Body}, {0, Body}, {0, Body}}) << 30.0 << QList<double>{0, 30};
        QTest::addRow("a heading at the foot goes over with its text")
            << stack({{0, Body}, {0, Body}, {1, Heading}, {2, Body}, {2, Body}}) << 30.0
            << QList<double>{0, 20};
        QTest::addRow("a blank line between heading and text changes nothing")
            << stack({{0, Body}, {1, Heading}, {2, Blank}, {3, Body}}) << 30.0
            << QList<double>{0, 10};
        QTest::addRow("two headings in a row go over together")
            << stack({{0, Body}, {0, Body}, {1, Heading}, {2, Heading}, {3, Body}}) << 40.0
            << QList<double>{0, 20};
        QTest::addRow("a heading of two lines is not split")
            << stack({{0, Body}, {0, Body}, {1, Heading}, {1, Heading}, {2, Body}}) << 30.0
            << QList<double>{0, 20};
        QTest::addRow("a page of nothing but headings keeps its break")
            << stack({{0, Heading}, {1, Heading}, {2, Heading}, {3, Body}}) << 30.0
            << QList<double>{0, 30};
        QTest::addRow("blank lines never start a page")
            << stack({{0, Body}, {0, Body}, {1, Blank}, {2, Blank}, {3, Body}}) << 20.0
            << QList<double>{0, 40};
        QTest::addRow("trailing blank lines make no empty page")
            << stack({{0, Body}, {0, Body}, {1, Blank}, {2, Blank}}) << 20.0 << QList<double>{0};
        QTest::addRow("a line taller than a page is cut where the page ends")
            << QList<FlowLine>{{0, 10, 0, false, false},
                               {10, 75, 1, false, false},
                               {75, 85, 2, false, false}}
            << 30.0 << QList<double>{0, 10, 40, 70};
        QTest::addRow("a picture is never split") << QList<FlowLine>{{0, 10, 0, false, false},
                                                                     {10, 35, 9, false, false},
                                                                     {12, 22, 1, false, false}}
                                                  << 30.0 << QList<double>{0, 10};
    }

    void breaks()
    {
        QFETCH(QList<FlowLine>, lines);
        QFETCH(double, pageHeight);
        QFETCH(QList<double>, starts);
        QCOMPARE(pageStarts(lines, pageHeight), starts);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addRow("plain") << "Tadasana"
                               << "Tadasana.pdf";
        QTest::addRow("separators and refused characters") << "Aries: Sun Sign / Diet?"
                                                           << "Aries Sun Sign Diet.pdf";
        QTest::addRow("no hidden file") << "..Secret"
                                        << "Secret.pdf";
        QTest::addRow("control characters") << "Line\nbreak\tand tab"
                                            << "Line break and tab.pdf";
        QTest::addRow("nothing left") << " /:* "
                                      << "Tarvo Yoga.pdf";
        QTest::addRow("letters beyond ASCII kept") << "Śavāsana"
                                                   << "Śavāsana.pdf";
    }

    void fileNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QCOMPARE(pdfFileName(title), name);
    }

    void paperByRegion_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("paper");
        QTest::addRow("United States") << "en_US" << int(QPageSize::Letter);
        QTest::addRow("France") << "fr_FR" << int(QPageSize::A4);
        QTest::addRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
        QTest::addRow("Germany") << "de_DE" << int(QPageSize::A4);
    }

    void paperByRegion()
    {
        QFETCH(QString, locale);
        QFETCH(int, paper);
        QCOMPARE(int(regionalPageSize(QLocale(locale))), paper);
    }
};

QTEST_GUILESS_MAIN(tst_PageBreaks)
#include "tst_pagebreaks.moc"
