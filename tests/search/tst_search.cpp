#include "search/SearchDocuments.h"
#include "search/SearchIndex.h"
#include "search/SearchText.h"
#include "search/ShownText.h"
#include "support/TestMain.h"

#include <QHash>

using namespace tarvo;
using namespace tarvo::search;

namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QStringList highlighted(const QString& snippet, const QList<TextRange>& ranges)
{
    QStringList out;
    for (const TextRange& r : ranges)
        out.append(snippet.mid(r.start, r.length));
    return out;
}

QStringList places(const QList<SearchHit>& hits)
{
    QStringList out;
    for (const SearchHit& hit : hits)
        out.append(hit.place);
    return out;
}

} // namespace

class SearchTest : public QObject {
    Q_OBJECT

    // Built once: the tests share one index as the program shares one.
    SearchIndex m_index;
    QHash<QString, SearchDocument> m_byPlace;

    const SearchDocument& document(const QString& place) const
    {
        static const SearchDocument none;
        const auto found = m_byPlace.constFind(place);
        return found == m_byPlace.constEnd() ? none : *found;
    }

private slots:
    void initTestCase()
    {
        for (const SearchDocument& d : teachingDocuments())
            m_byPlace.insert(d.place, d);
    }

    void normaliseWord_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("normalised");
        QTest::addRow("doubled vowels") << text("Savaasanaa") << text("savasan");
        QTest::addRow("sh as s") << text("Shavasana") << text("savasan");
        QTest::addRow("plain") << text("savasana") << text("savasan");
        QTest::addRow("capitals") << text("SHAVASANA") << text("savasan");
        QTest::addRow("diacritics") << text("śavāsana") << text("savasan");
        QTest::addRow("decomposed diacritics") << text("s\u0301ava\u0304sana") << text("savasan");
        QTest::addRow("ee as i") << text("Veerasana") << text("virasan");
        QTest::addRow("i") << text("Virasana") << text("virasan");
        QTest::addRow("oo as u") << text("foot") << text("fut");
        QTest::addRow("aspirate bh") << text("Bhujangasana") << text("bujangasan");
        QTest::addRow("aspirate dh") << text("Shodhana") << text("sodan");
        QTest::addRow("without aspirate") << text("Shodan") << text("sodan");
        QTest::addRow("w as v") << text("Swadhisthanna") << text("svadistan");
        QTest::addRow("v") << text("Svadhisthana") << text("svadistan");
        QTest::addRow("final a") << text("Pranayama") << text("pranayam");
        QTest::addRow("no final a") << text("Pranayam") << text("pranayam");
        QTest::addRow("asana") << text("asana") << text("asan");
        QTest::addRow("asan") << text("asan") << text("asan");
        QTest::addRow("short word keeps its a") << text("spa") << text("spa");
        QTest::addRow("single letter") << text("a") << text("a");
        QTest::addRow("ch") << text("Chakra") << text("cakr");
        QTest::addRow("c") << text("cakra") << text("cakr");
        QTest::addRow("dotted r and s") << text("Vṛkṣāsana") << text("vrksasan");
        QTest::addRow("macrons and dh") << text("Mūlādhāra") << text("muladar");
        QTest::addRow("ligature") << text("ﬁsh") << text("fis");
        QTest::addRow("sharp s") << text("Straße") << text("strase");
        QTest::addRow("double s") << text("Strasse") << text("strase");
        QTest::addRow("digits stay doubled") << text("2011") << text("2011");
        QTest::addRow("h after a vowel stays") << text("Halasana") << text("halasan");
    }
    void normaliseWord()
    {
        QFETCH(QString, word);
        QFETCH(QString, normalised);
        QCOMPARE(tarvo::search::normaliseWord(word), normalised);
    }

    void splitWords_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<QStringList>("originals");
        QTest::addRow("hyphen") << text("Ardha-Chandrāsana") << text("ard candrasan")
                                << QStringList{text("Ardha"), text("Chandrāsana")};
        QTest::addRow("numbered item")
            << text("1. Lie flat\r\n2. Rest.") << text("1 lie flat 2 rest")
            << QStringList{text("1"), text("Lie"), text("flat"), text("2"), text("Rest")};
        QTest::addRow("apostrophe")
            << text("doctor's") << text("doctor s") << QStringList{text("doctor"), text("s")};
        QTest::addRow("query syntax")
            << text("\"a\" AND col:x*") << text("a and col x")
            << QStringList{text("a"), text("AND"), text("col"), text("x")};
        QTest::addRow("decomposed marks stay in the word")
            << text("s\u0301ava") << text("sav") << QStringList{text("s\u0301ava")};
        QTest::addRow("punctuation only") << text("\"*():^-+") << QString() << QStringList{};
        QTest::addRow("blank") << text("  \t\n ") << QString() << QStringList{};
    }
    void splitWords()
    {
        QFETCH(QString, input);
        QFETCH(QString, normalised);
        QFETCH(QStringList, originals);
        QCOMPARE(normaliseText(input), normalised);
        QStringList found;
        for (const TextWord& w : tarvo::search::splitWords(input))
            found.append(input.mid(w.start, w.length));
        QCOMPARE(found, originals);
    }

    void withinOneEdit_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("within");
        QTest::addRow("same") << text("lotus") << text("lotus") << true;
        QTest::addRow("substitution") << text("lotis") << text("lotus") << true;
        QTest::addRow("swap") << text("lotsu") << text("lotus") << true;
        QTest::addRow("deletion") << text("bujangasn") << text("bujangasan") << true;
        QTest::addRow("insertion") << text("bujangasaan") << text("bujangasan") << true;
        QTest::addRow("first letter") << text("xotus") << text("lotus") << true;
        QTest::addRow("two substitutions") << text("lxtxs") << text("lotus") << false;
        QTest::addRow("swap and more") << text("oltsu") << text("lotus") << false;
        QTest::addRow("two deletions") << text("lots") << text("lotuss") << false;
        QTest::addRow("deletion and substitution")
            << text("bjangsan") << text("bujangasan") << false;
        QTest::addRow("empty and one") << QString() << text("a") << true;
    }
    void withinOneEdit()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, within);
        QCOMPARE(tarvo::search::withinOneEdit(a, b), within);
        QCOMPARE(tarvo::search::withinOneEdit(b, a), within);
    }

    void documentsOfEachKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("count");
        QTest::addRow("articles") << int(SearchKind::Article) << 21;
        QTest::addRow("library asanas") << int(SearchKind::Asana) << 32;
        QTest::addRow("twelve signs in four tabs and 14 asanas") << int(SearchKind::Zodiac) << 62;
        QTest::addRow("introduction, seven chakras twice and 11 asanas")
            << int(SearchKind::Chakra) << 26;
    }
    void documentsOfEachKind()
    {
        QFETCH(int, kind);
        QFETCH(int, count);
        int found = 0;
        for (const SearchDocument& d : std::as_const(m_byPlace))
            found += d.kind == SearchKind(kind) ? 1 : 0;
        QCOMPARE(found, count);
        QCOMPARE(m_index.documentCount(), 141);
        QCOMPARE(m_byPlace.size(), 141); // every place names one text
    }

    void firstHit_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addRow("English name") << text("corpse") << text("Asana · Shavasana");
        QTest::addRow("capitals") << text("CORPSE") << text("Asana · Shavasana");
        QTest::addRow("library spelling") << text("shavasana") << text("Asana · Shavasana");
        QTest::addRow("without h") << text("savasana") << text("Asana · Shavasana");
        QTest::addRow("doubled vowels") << text("Savaasanaa") << text("Asana · Shavasana");
        QTest::addRow("diacritics") << text("śavāsana") << text("Asana · Shavasana");
        QTest::addRow("without the final a") << text("shavasan") << text("Asana · Shavasana");
        QTest::addRow("cobra") << text("cobra") << text("Asana · Bhujangasana");
        QTest::addRow("typed so far") << text("bhuj") << text("Asana · Bhujangasana");
        QTest::addRow("one letter left out") << text("bhujangasna") << text("Asana · Bhujangasana");
        QTest::addRow("one letter wrong") << text("cobrs") << text("Asana · Bhujangasana");
        QTest::addRow("one letter wrong, final a dropped")
            << text("kobra") << text("Asana · Bhujangasana");
        QTest::addRow("two letters swapped") << text("lotsu") << text("Asana · Padmasana");
        QTest::addRow("ee for i") << text("virasana") << text("Asana · Veerasana");
        QTest::addRow("name over mentions") << text("tadasana") << text("Asana · Tadasana");
        QTest::addRow("two words") << text("mountain pose") << text("Asana · Tadasana");
        QTest::addRow("synonym") << text("plow") << text("Asana · Halasana");
        QTest::addRow("synonym with prefix") << text("dead bod") << text("Asana · Shavasana");
        QTest::addRow("sun salutation")
            << text("sun salutation")
            << text("Article · Surya Namaskar › What Is Surya Namaskar ?");
        QTest::addRow("alternate nostril")
            << text("alternate nostril") << text("Article · Pranayam › Nadi Shodan Prnayam");
        QTest::addRow("article spelling")
            << text("nadi shodhana") << text("Article · Pranayam › Nadi Shodan Prnayam");
        QTest::addRow("ampersand shown single")
            << text("importance benefits pranayam")
            << text("Article · Pranayam › Importance & Benefits Of Pranayam");
        QTest::addRow("sign diet") << text("magnesium phosphate") << text("Zodiac · Leo · Diet");
        QTest::addRow("sign and page") << text("Leo diet") << text("Zodiac · Leo · Diet");
        QTest::addRow("page and sign") << text("fitness aries") << text("Zodiac · Aries · Fitness");
        QTest::addRow("chakra by Sanskrit name") << text("anahata") << text("Chakra · Heart");
        QTest::addRow("chakra by Sanskrit name with h")
            << text("muladhara") << text("Chakra · Root");
        QTest::addRow("chakra opening") << text("chant yam") << text("Chakra · Heart · Opening");
        QTest::addRow("Zodiac asana spelling")
            << text("paschimottasana") << text("Zodiac · Asanas · Paschimottanasana");
    }
    void firstHit()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        const QList<SearchHit> hits = m_index.search(query);
        QVERIFY2(!hits.isEmpty(), qPrintable(query));
        QCOMPARE(hits.first().place, place);
        QVERIFY(m_index.error().isEmpty());
    }

    void locations_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("kind");
        QTest::addColumn<Location>("location");
        QTest::addRow("article") << text("alternate nostril")
                                 << text("Article · Pranayam › Nadi Shodan Prnayam")
                                 << int(SearchKind::Article)
                                 << Location(ArticleLocation{ArticleId::NadiShodhana});
        QTest::addRow("asana") << text("corpse") << text("Asana · Shavasana")
                               << int(SearchKind::Asana)
                               << Location(AsanaLocation{text("Shavasana")});
        QTest::addRow("sign tab") << text("magnesium phosphate") << text("Zodiac · Leo · Diet")
                                  << int(SearchKind::Zodiac)
                                  << Location(ZodiacLocation{SunSign::Leo, ZodiacPage::Diet});
        QTest::addRow("sign health")
            << text("leo heart") << text("Zodiac · Leo · Health") << int(SearchKind::Zodiac)
            << Location(ZodiacLocation{SunSign::Leo, ZodiacPage::Diet});
        QTest::addRow("sign asana")
            << text("corpse") << text("Zodiac · Asanas · Shavasana") << int(SearchKind::Zodiac)
            << Location(ZodiacLocation{SunSign::Aries, ZodiacPage::Asanas, 3});
        QTest::addRow("chakra") << text("anahata") << text("Chakra · Heart")
                                << int(SearchKind::Chakra)
                                << Location(ChakraLocation{ChakraId::Heart});
        QTest::addRow("chakra opening")
            << text("chant yam") << text("Chakra · Heart · Opening") << int(SearchKind::Chakra)
            << Location(ChakraLocation{ChakraId::Heart});
        QTest::addRow("chakra asana")
            << text("camel") << text("Chakra · Asanas · Ustrasana") << int(SearchKind::Chakra)
            << Location(ChakraAsanaLocation{6});
        QTest::addRow("chakra introduction")
            << text("energy centres wheel") << text("Chakra · Introduction")
            << int(SearchKind::Chakra) << Location(ChakraLocation{});
    }
    void locations()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        QFETCH(int, kind);
        QFETCH(Location, location);
        const QList<SearchHit> hits = m_index.search(query);
        const qsizetype at = places(hits).indexOf(place);
        QVERIFY2(at >= 0, qPrintable(places(hits).join(u'\n')));
        const SearchHit& hit = hits[at];
        QCOMPARE(int(hit.kind), kind);
        QVERIFY(hit.location == location);
    }

    // A text whose title or names hold the words comes before any text that has them only in
    // its body, however often the body repeats them.
    void titleBeforeBody_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("titleMatch");
        QTest::addColumn<QString>("bodyMatch");
        QTest::addRow("Tadasana in procedures")
            << text("tadasana") << text("Asana · Tadasana") << text("Asana · Vrikshasana");
        QTest::addRow("cobra in the bow")
            << text("cobra") << text("Asana · Bhujangasana") << text("Asana · Dhanurasana");
        QTest::addRow("lotus in other asanas")
            << text("lotus") << text("Asana · Padmasana") << text("Asana · Kukkutasana");
        QTest::addRow("Shavasana after boat")
            << text("shavasana") << text("Asana · Shavasana") << text("Asana · Noukasana");
        QTest::addRow("mountain of the hill pose")
            << text("mountain") << text("Asana · Tadasana") << text("Asana · Parvatasana");
        QTest::addRow("Surya Namaskar article")
            << text("surya namaskar")
            << text("Article · Surya Namaskar › Benefits Of Surya Namaskar")
            << text("Article · Surya Namaskar › People Who Should Not Practice");
    }
    void titleBeforeBody()
    {
        QFETCH(QString, query);
        QFETCH(QString, titleMatch);
        QFETCH(QString, bodyMatch);
        const QList<SearchHit> hits = m_index.search(query);
        const QStringList order = places(hits);
        QVERIFY2(order.contains(titleMatch), qPrintable(order.join(u'\n')));
        QVERIFY2(order.contains(bodyMatch), qPrintable(order.join(u'\n')));
        QVERIFY(order.indexOf(titleMatch) < order.indexOf(bodyMatch));

        // And in general: once a hit matches only in its body, no title match follows.
        const QStringList words = normaliseText(query).split(u' ');
        bool bodyOnlySeen = false;
        for (const SearchHit& hit : hits) {
            const SearchDocument& d = document(hit.place);
            const QStringList names =
                normaliseText(d.title + u' ' + d.names.join(u' ')).split(u' ');
            bool inTitle = true;
            for (qsizetype i = 0; i < words.size(); ++i) {
                const bool last = i + 1 == words.size();
                bool found = false;
                for (const QString& n : names)
                    found = found || n == words[i] || (last && n.startsWith(words[i]));
                inTitle = inTitle && found;
            }
            QVERIFY2(!(inTitle && bodyOnlySeen), qPrintable(hit.place));
            bodyOnlySeen = bodyOnlySeen || !inTitle;
        }
    }

    void snippets_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QStringList>("marked");
        QTest::addColumn<qsizetype>("fieldOffset");
        QTest::addRow("English word")
            << text("corpse") << text("Asana · Shavasana") << text("Description")
            << QStringList{text("corpse")} << qsizetype(12);
        QTest::addRow("spelling variant marks the text's spelling")
            << text("Savaasanaa") << text("Asana · Shavasana") << text("Description")
            << QStringList{text("Shavasana")} << qsizetype(35);
        QTest::addRow("capitals") << text("CORPSE") << text("Asana · Shavasana")
                                  << text("Description") << QStringList{text("corpse")}
                                  << qsizetype(12);
        QTest::addRow("prefix marks the whole word")
            << text("bhuj") << text("Asana · Bhujangasana") << text("Description")
            << QStringList{text("Bhujanga")} << qsizetype(0);
        QTest::addRow("two words")
            << text("magnesium phosphate") << text("Zodiac · Leo · Diet") << text("Required Diet")
            << QStringList{text("magnesium"), text("phosphate")} << qsizetype(24);
        QTest::addRow("every mention in the window")
            << text("sun salutation") << text("Article · Surya Namaskar › What Is Surya Namaskar ?")
            << QString() << QStringList{text("salutation"), text("sun"), text("sun")}
            << qsizetype(21);
        QTest::addRow("field after others")
            << text("chant yam") << text("Chakra · Heart · Opening") << text("Chant")
            << QStringList{text("Chant"), text("YAM")} << qsizetype(0);
        QTest::addRow("only a name matches") << text("plow") << text("Asana · Halasana")
                                             << QString() << QStringList{} << qsizetype(-1);
    }
    void snippets()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        QFETCH(QString, field);
        QFETCH(QStringList, marked);
        QFETCH(qsizetype, fieldOffset);
        const QList<SearchHit> hits = m_index.search(query);
        const qsizetype at = places(hits).indexOf(place);
        QVERIFY2(at >= 0, qPrintable(places(hits).join(u'\n')));
        const SearchHit& hit = hits[at];
        QCOMPARE(hit.field, field);
        QCOMPARE(highlighted(hit.snippet, hit.snippetHighlights), marked);
        QCOMPARE(hit.fieldOffset, fieldOffset);

        const qsizetype words = tarvo::search::splitWords(hit.snippet).size();
        QVERIFY2(words >= 12 && words <= 20, qPrintable(hit.snippet));
        QVERIFY(!hit.snippet.contains(u'\n') && !hit.snippet.contains(u'\r'));
        const SearchDocument& d = document(place);
        const QString body = SearchIndex::bodyText(d);
        if (marked.isEmpty()) {
            QCOMPARE(hit.bodyOffset, qsizetype(-1));
            QVERIFY(hit.fieldText.isEmpty());
            // The opening words of the text stand in for a snippet.
            QVERIFY2(body.startsWith(hit.snippet.chopped(2)), qPrintable(hit.snippet));
            return;
        }
        // Both offsets point at the first marked word in the original text.
        QVERIFY(body.mid(hit.bodyOffset).startsWith(marked.first()));
        for (const SearchField& f : d.fields) {
            if (f.label == field) {
                QVERIFY(f.text.mid(hit.fieldOffset).startsWith(marked.first()));
                QCOMPARE(hit.fieldText, f.text);
            }
        }
        // The snippet is the original text around the match.
        const QString plain = hit.snippet.startsWith(u'\u2026') ? hit.snippet.mid(2) : hit.snippet;
        const QString core = plain.endsWith(u'\u2026') ? plain.chopped(2) : plain;
        QString oneLineBody = body;
        oneLineBody.replace(u'\r', u' ').replace(u'\n', u' ');
        QVERIFY2(oneLineBody.contains(core), qPrintable(core));
    }

    void titleHighlights_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QStringList>("marked");
        QTest::addRow("asana name")
            << text("shavasana") << text("Asana · Shavasana") << QStringList{text("Shavasana")};
        QTest::addRow("article caption")
            << text("nadi prnayam") << text("Article · Pranayam › Nadi Shodan Prnayam")
            << QStringList{text("Nadi"), text("Prnayam")};
        QTest::addRow("English name only")
            << text("corpse") << text("Asana · Shavasana") << QStringList{};
    }
    void titleHighlights()
    {
        QFETCH(QString, query);
        QFETCH(QString, place);
        QFETCH(QStringList, marked);
        const QList<SearchHit> hits = m_index.search(query);
        const qsizetype at = places(hits).indexOf(place);
        QVERIFY(at >= 0);
        QCOMPARE(highlighted(hits[at].title, hits[at].titleHighlights), marked);
    }

    // What the user types never reaches the query syntax: no error, and the words still count.
    void hostileQueries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("first"); // empty: no hits
        QTest::addRow("lone quote") << text("\"") << QString();
        QTest::addRow("operators only")
            << text("AND OR NOT *")
            << text("Article · Surya Namaskar › People Who Should Not Practice");
        QTest::addRow("column filter") << text("title:corpse") << text("Asana · Shavasana");
        QTest::addRow("open quote") << text("\"corpse") << text("Asana · Shavasana");
        QTest::addRow("star") << text("corpse*") << text("Asana · Shavasana");
        QTest::addRow("caret") << text("^corpse") << text("Asana · Shavasana");
        QTest::addRow("minus") << text("-cobra") << text("Asana · Bhujangasana");
        QTest::addRow("near") << text("NEAR(corpse pose)") << text("Asana · Shavasana");
        QTest::addRow("brackets") << text("(((") << QString();
        QTest::addRow("star alone") << text("*") << QString();
        QTest::addRow("statement")
            << text("'; DROP TABLE search_fts; --") << text("Zodiac · Aquarius · Diet");
        QTest::addRow("empty") << QString() << QString();
        QTest::addRow("blank") << text(" \t\r\n ") << QString();
        QTest::addRow("nothing like it") << text("xyzzyq") << QString();
        QTest::addRow("two slips are too many") << text("bhjangsana") << QString();
        QTest::addRow("short words are not corrected") << text("hert") << QString();
        QTest::addRow("letter run") << text("xxxxx") << QString();
        QTest::addRow("long letter run") << text("qqqqqqqq") << QString();
        QTest::addRow("run of a silent letter") << text("hhhhhhh") << QString();
        QTest::addRow("two letter runs") << text("xxxxx yyyyy") << QString();
        QTest::addRow("runs folding to a short word") << text("hhhaaarrrt") << QString();
        QTest::addRow("one letter") << text("a") << QString();
    }
    void hostileQueries()
    {
        QFETCH(QString, query);
        QFETCH(QString, first);
        const QList<SearchHit> hits = m_index.search(query);
        QVERIFY(m_index.error().isEmpty());
        QCOMPARE(hits.isEmpty() ? QString() : hits.first().place, first);
        // The index is whole afterwards.
        QCOMPARE(m_index.search(text("cobra")).value(0).place, text("Asana · Bhujangasana"));
        QCOMPARE(m_index.documentCount(), 141);
    }

    void limit_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("count");
        QTest::addRow("cut") << text("and") << 3 << 3;
        QTest::addRow("one") << text("corpse") << 1 << 1;
        QTest::addRow("none asked") << text("corpse") << 0 << 0;
        QTest::addRow("fewer than the limit") << text("alternate nostril") << 50 << 1;
        QTest::addRow("default limit") << text("and") << -1 << 50;
    }
    void limit()
    {
        QFETCH(QString, query);
        QFETCH(int, limit);
        QFETCH(int, count);
        const QList<SearchHit> hits =
            limit < 0 ? m_index.search(query) : m_index.search(query, limit);
        QCOMPARE(hits.size(), count);
    }

    void locateInShown_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("source");
        QTest::addColumn<qsizetype>("offset");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<qsizetype>("start"); // -1: not found
        QTest::addRow("same text") << text("Lie flat on the back.") << text("Lie flat on the back.")
                                   << qsizetype(12) << qsizetype(3) << qsizetype(12);
        QTest::addRow("after a heading")
            << text("Procedure:\nLie flat on the back.") << text("Lie flat on the back.")
            << qsizetype(16) << qsizetype(4) << qsizetype(27);
        QTest::addRow("line break shown as a paragraph")
            << text("Title\nFirst line.\u2029Second line.") << text("First line.\r\nSecond line.")
            << qsizetype(13) << qsizetype(6) << qsizetype(18);
        QTest::addRow("blanks run together")
            << text("A  wide   gap here") << text("A wide gap here") << qsizetype(11)
            << qsizetype(4) << qsizetype(14);
        QTest::addRow("a later copy of a word found at its own place")
            << text("back: Lie on the back.") << text("Lie on the back.") << qsizetype(11)
            << qsizetype(4) << qsizetype(17);
        QTest::addRow("text not shown") << text("Something else entirely") << text("Lie flat.")
                                        << qsizetype(0) << qsizetype(3) << qsizetype(-1);
        QTest::addRow("range past the end") << text("Lie flat.") << text("Lie flat.")
                                            << qsizetype(6) << qsizetype(9) << qsizetype(-1);
        QTest::addRow("range on a blank") << text("Lie flat.") << text("Lie flat.") << qsizetype(3)
                                          << qsizetype(1) << qsizetype(-1);
        QTest::addRow("empty source")
            << text("Lie flat.") << QString() << qsizetype(0) << qsizetype(0) << qsizetype(-1);
    }
    void locateInShown()
    {
        QFETCH(QString, shown);
        QFETCH(QString, source);
        QFETCH(qsizetype, offset);
        QFETCH(qsizetype, length);
        QFETCH(qsizetype, start);
        const std::optional<TextRange> range =
            tarvo::search::locateInShown(shown, source, offset, length);
        if (start < 0) {
            QVERIFY(!range);
            return;
        }
        QVERIFY(range);
        QCOMPARE(range->start, start);
        QCOMPARE(shown.mid(range->start, range->length), source.mid(offset, length));
    }

    void separateIndexesLiveTogether()
    {
        SearchIndex other;
        QCOMPARE(other.search(text("lotus")).value(0).place, text("Asana · Padmasana"));
        QCOMPARE(m_index.search(text("lotus")).value(0).place, text("Asana · Padmasana"));
    }
};

TARVO_TEST_MAIN(SearchTest)
#include "tst_search.moc"
