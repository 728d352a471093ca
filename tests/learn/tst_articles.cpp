#include "learn/ArticleCatalogue.h"
#include "learn/ArticleWriter.h"
#include "report/RichReport.h"
#include "support/TestMain.h"

#include <QRegularExpression>

using namespace tarvo;

namespace {

enum Colour { Black = 0, Green = 2, Magenta = 5 };

// The block layout of an article as a short signature: P paragraph, * bullet item, # numbered
// item, S sub-heading, S+ sub-heading followed by a blank line, L lead line; "P4" is four of them.
QString signature(const Article& article)
{
    QStringList tokens;
    for (const ArticleBlock& block : article.blocks) {
        QString token;
        switch (block.style) {
        case BlockStyle::SubHeading:
            token = block.blankLine ? QStringLiteral("S+") : QStringLiteral("S");
            break;
        case BlockStyle::LeadLine:
            token = QStringLiteral("L");
            break;
        case BlockStyle::ArticleTitle:
            token = QStringLiteral("T");
            break;
        case BlockStyle::BodyText:
            if (block.text.startsWith(QLatin1String("* ")))
                token = QStringLiteral("*");
            else if (block.text.contains(QRegularExpression(QStringLiteral("^\\d+\\. "))))
                token = QStringLiteral("#");
            else
                token = QStringLiteral("P");
            break;
        }
        QString& last = tokens.isEmpty() ? token : tokens.last();
        static const QRegularExpression counted(QStringLiteral("^([P*#])(\\d+)$"));
        const auto match = counted.match(last);
        if (!tokens.isEmpty() && match.hasMatch() && match.captured(1) == token)
            last = token + QString::number(match.captured(2).toInt() + 1);
        else
            tokens.append(token.size() == 1 && QStringLiteral("P*#").contains(token) ? token + u'1'
                                                                                     : token);
    }
    return tokens.join(u' ');
}

QStringList headings(const Article& article)
{
    QStringList texts;
    for (const ArticleBlock& block : article.blocks) {
        if (block.style != BlockStyle::BodyText)
            texts.append(block.text);
    }
    return texts;
}

} // namespace

class tst_Articles : public QObject {
    Q_OBJECT

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void catalogue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("fixedTexts");
        const QStringList none;
        QTest::addRow("Command11") << "Command11"
                                   << "What Is Yoga ?"
                                   << "P4" << none;
        QTest::addRow("Command12")
            << "Command12"
            << "Paths Of Yoga"
            << "P1 S P1 S P1 S P1 S P1"
            << QStringList{"Karma Yoga - The Yoga of action",
                           "Bhakti Yoga - the Path of Devotion or Divine Love",
                           "Jnana Yoga - the Yoga of Knowledge or Wisdom",
                           "Raja Yoga - the Science of Physical and Mental Control"};
        QTest::addRow("Command13") << "Command13"
                                   << "Who Can Practice Yoga ?"
                                   << "P4" << none;
        QTest::addRow("Command14") << "Command14"
                                   << "Benefits Of Yoga"
                                   << "L S+ *13 S+ *6 S+ *4"
                                   << QStringList{"Benefits of Yoga:", "Physical Benefits:",
                                                  "Psychological Benefits:", "Spiritual Benefits:"};
        QTest::addRow("Command15") << "Command15"
                                   << "Tips To Practice Yoga"
                                   << "*10" << none;
        QTest::addRow("Command16") << "Command16"
                                   << "What Are Yogasanas ?"
                                   << "P1" << none;
        QTest::addRow("Command51") << "Command51"
                                   << "What Is Meditation ?"
                                   << "P2" << none;
        QTest::addRow("Command52") << "Command52"
                                   << "Why Should We Meditate ?"
                                   << "P1 #4" << none;
        QTest::addRow("Command53") << "Command53"
                                   << "Importance Of Meditation"
                                   << "P2 #6" << none;
        QTest::addRow("Command54")
            << "Command54"
            << "Techniques To Control Our Mind"
            << "L S P1 S P1 S P1"
            << QStringList{
                   "The three mind controlling techniques which are provided by meditation are:",
                   "1. Sense Organs:", "2. Breathing: ", "3. Body Movements: "};
        QTest::addRow("Command55")
            << "Command55"
            << "Techniques To Meditation"
            << "L #9"
            << QStringList{"The following are the pre-requisites for a successful meditation:"};
        QTest::addRow("Command61") << "Command61"
                                   << "What Is Pranayam ?"
                                   << "P3" << none;
        QTest::addRow("Command62") << "Command62"
                                   << "Importance && Benefits Of Pranayam"
                                   << "L *10"
                                   << QStringList{"The importance and the benefits of practicing "
                                                  "Pranayama have been listed as follows:"};
        QTest::addRow("Command63")
            << "Command63"
            << "Nadi Shodan Prnayam"
            << "P1 S #6 S #3 S #3" << QStringList{"Procedure", "Benefits", "Cautions"};
        QTest::addRow("Command64")
            << "Command64"
            << "Bhastrika Pranayam"
            << "P1 S #5 S #3 S #3" << QStringList{"Procedure", "Benefits", "Caution"};
        QTest::addRow("Command65")
            << "Command65"
            << "Bhramari Pranayam"
            << "P1 S #5 S #4 S #1" << QStringList{"Procedure", "Benefits", "Caution"};
        QTest::addRow("Command66") << "Command66"
                                   << "Kapalbhati Pranayam"
                                   << "P1 S #5 S #2" << QStringList{"Procedure", "Benefits"};
        QTest::addRow("Command71") << "Command71"
                                   << "What Is Surya Namaskar ?"
                                   << "P2" << none;
        QTest::addRow("Command72") << "Command72"
                                   << "How To Practice Surya Namaskar ?"
                                   << "#12" << none;
        QTest::addRow("Command73") << "Command73"
                                   << "Benefits Of Surya Namaskar"
                                   << "#5" << none;
        QTest::addRow("Command74") << "Command74"
                                   << "People Who Should Not Practice"
                                   << "P1 #5" << none;
    }
    void catalogue()
    {
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(QString, layout);
        QFETCH(QStringList, fixedTexts);
        const auto id = articleWithButtonName(button);
        QVERIFY(id);
        const auto article = tarvo::article(*id);
        QVERIFY(article);
        QCOMPARE(article->title, title);
        QCOMPARE(signature(*article), layout);
        QCOMPARE(headings(*article), fixedTexts);
        int expectedNumber = 1;
        for (const ArticleBlock& block : article->blocks) {
            QVERIFY2(!block.text.contains(u'\n') && !block.text.contains(u'\r'),
                     qPrintable(block.text));
            QVERIFY(!block.text.trimmed().isEmpty());
            if (block.style != BlockStyle::BodyText) {
                expectedNumber = 1;
                continue;
            }
            if (block.text.contains(QRegularExpression(QStringLiteral("^\\d+\\. "))))
                QVERIFY2(block.text.startsWith(QStringLiteral("%1. ").arg(expectedNumber++)),
                         qPrintable(block.text));
            else if (!block.text.startsWith(QLatin1String("* ")))
                QVERIFY2(block.text.size() >= 60 || button == QLatin1String("Command13"),
                         qPrintable(block.text));
        }
    }

    void sectionsHoldTheirButtonsInOrder()
    {
        auto names = [](Section section) {
            QStringList list;
            for (const ArticleId id : sectionArticles(section))
                list.append(articleButtonName(id));
            return list;
        };
        QCOMPARE(names(Section::Information), (QStringList{"Command11", "Command12", "Command13",
                                                           "Command14", "Command15", "Command16"}));
        QCOMPARE(names(Section::Meditation).size(), 5);
        QCOMPARE(names(Section::Pranayam).size(), 6);
        QCOMPARE(names(Section::SuryaNamaskar),
                 (QStringList{"Command71", "Command72", "Command73", "Command74"}));
        for (int id = 0; id < kArticleCount; ++id) {
            QCOMPARE(article(ArticleId(id))->title, articleCaption(ArticleId(id)));
            QCOMPARE(articleWithButtonName(articleButtonName(ArticleId(id))), ArticleId(id));
        }
    }

    void benefitsOfYogaColours()
    {
        RichReport report = articleViewerReport();
        writeArticle(report, *article(ArticleId::BenefitsOfYoga));
        const QList<RichRun>& runs = report.runs();
        QCOMPARE(runs[0].text, QStringLiteral("Benefits Of Yoga\r\n\r\n"));
        QCOMPARE(runs[0].attributes,
                 (RichAttributes{true, false, Magenta, 14.0, Alignment::Centre}));
        QCOMPARE(runs[1].text, QStringLiteral("Benefits of Yoga:\r\n\r\n"));
        QCOMPARE(runs[1].attributes, (RichAttributes{true, true, Green, 14.0, Alignment::Left}));
        QCOMPARE(runs[2].text, QStringLiteral("Physical Benefits:\r\n\r\n"));
        QCOMPARE(runs[2].attributes, (RichAttributes{true, false, Magenta, 14.0, Alignment::Left}));
        for (qsizetype i = 3; i < runs.size(); ++i) {
            QCOMPARE(runs[i].attributes.colour, int(Magenta));
            QCOMPARE(runs[i].attributes.fontSize, 14.0);
            QVERIFY(!runs[i].attributes.underline);
            QCOMPARE(runs[i].attributes.bold, runs[i].text.endsWith(QLatin1String(":\r\n\r\n")));
        }
        QVERIFY(!runs.constLast().text.endsWith(QLatin1String("\r\n")));
    }

    void techniquesToMeditationItemsAreGreen()
    {
        RichReport report = articleViewerReport();
        writeArticle(report, *article(ArticleId::MeditationTechniques));
        const QList<RichRun>& runs = report.runs();
        QCOMPARE(runs.size(), 11);
        for (qsizetype i = 2; i < runs.size(); ++i) {
            QCOMPARE(runs[i].attributes,
                     (RichAttributes{false, false, Green, 14.0, Alignment::Left}));
            QVERIFY(runs[i].text.endsWith(QLatin1String("\r\n\r\n")) == (i + 1 < runs.size()));
        }
    }

    void plainArticlesAreBlackThroughout()
    {
        RichReport report = articleViewerReport();
        writeArticle(report, *article(ArticleId::WhatIsYoga));
        QCOMPARE(report.runs().size(), 5);
        for (qsizetype i = 1; i < report.runs().size(); ++i)
            QCOMPARE(report.runs()[i].attributes,
                     (RichAttributes{false, false, Black, 14.0, Alignment::Left}));
    }

    void leadLineAfterSubHeadingTurnsGreenAndBack()
    {
        RichReport report = articleViewerReport();
        writeArticle(report, {QStringLiteral("T"),
                              {{BlockStyle::SubHeading, QStringLiteral("S"), false},
                               {BlockStyle::LeadLine, QStringLiteral("L"), false},
                               {BlockStyle::BodyText, QStringLiteral("green"), false},
                               {BlockStyle::SubHeading, QStringLiteral("S2"), true},
                               {BlockStyle::BodyText, QStringLiteral("magenta"), false}}});
        const QList<RichRun>& runs = report.runs();
        QCOMPARE(runs[1].text, QStringLiteral("S\r\n"));
        QCOMPARE(runs[3].attributes.colour, int(Green));
        QCOMPARE(runs[4].text, QStringLiteral("S2\r\n\r\n"));
        QCOMPARE(runs[5].attributes.colour, int(Magenta));
        QCOMPARE(runs[5].text, QStringLiteral("magenta"));
    }

    void rewritingClearsTheOldArticle()
    {
        RichReport report = articleViewerReport();
        writeArticle(report, *article(ArticleId::WhatAreYogasanas));
        writeArticle(report, *article(ArticleId::WhatAreYogasanas));
        QCOMPARE(report.plainText().count(QStringLiteral("What Are Yogasanas ?")), 1);
    }

    void introductionHasThreeParagraphs()
    {
        const Article intro = introduction();
        QCOMPARE(intro.title, QStringLiteral("Introduction"));
        QCOMPARE(signature(intro), QStringLiteral("P3"));
        for (const char* key : {"welcome", "about", "aboutPromo", "aboutHomePage"})
            QVERIFY2(!applicationText(QString::fromLatin1(key)).isEmpty(), key);
    }
};

TARVO_TEST_MAIN(tst_Articles)
#include "tst_articles.moc"
