// tarvo-content-index <content folder> <output folder>
//
// Writes ContentIndex.h and ContentIndex.cpp: the names start-up shows before any prose is read
// (asana names with their pose files, body parts and therapeutic applications with their
// asanas, article buttons with their captions, the Zodiac catalogue's asana names), taken from the
// content files themselves so the program keeps no second copy of them. Anything the program could
// not resolve at run time (an unknown asana, a pose file missing or named with a blank) stops the
// build instead.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace {

struct Failure {
    QString message;
};

QJsonObject readObject(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure{QStringLiteral("cannot read %1").arg(path)};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        throw Failure{
            QStringLiteral("%1: %2 at offset %3").arg(path, error.errorString()).arg(error.offset)};
    return document.object();
}

QString requiredText(const QJsonObject& record, const char* key, const QString& where)
{
    const QString text = record.value(QLatin1String(key)).toString();
    if (text.isEmpty())
        throw Failure{QStringLiteral("%1: a record has no \"%2\"").arg(where, QLatin1String(key))};
    return text;
}

// A C++ string literal for QStringLiteral; every character outside printable ASCII is escaped
// by its code point, so the generated source does not depend on the compiler's input encoding.
QString literal(const QString& text)
{
    QString out = QStringLiteral("QStringLiteral(\"");
    const QList<uint> codePoints = text.toUcs4();
    for (const uint c : codePoints) {
        if (c == u'"' || c == u'\\' || c == u'?') {
            out += u'\\';
            out += QChar(char16_t(c));
        } else if (c >= 0x20 && c < 0x7f)
            out += QChar(char16_t(c));
        else if (c < 0xa0)
            out += QStringLiteral("\\%1").arg(c, 3, 8, QLatin1Char('0'));
        else if (c <= 0xffff)
            out += QStringLiteral("\\u%1").arg(c, 4, 16, QLatin1Char('0'));
        else
            out += QStringLiteral("\\U%1").arg(c, 8, 16, QLatin1Char('0'));
    }
    return out + QStringLiteral("\")");
}

struct Asana {
    int number;
    QString name;
    QString poseFile;
};

struct Lookup {
    QString name;
    QList<int> asanas;
};

struct Article {
    QString button;
    QString caption;
};

struct ZodiacAsana {
    int index;
    QString name;
    QString englishName;
};

QList<Asana> readAsanas(const QDir& content)
{
    const QString where = content.filePath(QStringLiteral("asanas/catalogue.json"));
    QList<Asana> asanas;
    for (const QJsonValue& value : readObject(where).value(u"asanas").toArray()) {
        const QJsonObject record = value.toObject();
        const int number = record.value(u"number").toInt();
        // Numbers are the lookup tables' keys and the list positions at once.
        if (number != asanas.size() + 1)
            throw Failure{QStringLiteral("%1: asana %2 is numbered %3")
                              .arg(where)
                              .arg(asanas.size() + 1)
                              .arg(number)};
        asanas.append({number, requiredText(record, "name", where), {}});
    }
    if (asanas.isEmpty())
        throw Failure{QStringLiteral("%1: no asanas").arg(where)};

    const QDir poses(content.filePath(QStringLiteral("poses")));
    const QStringList files = poses.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.contains(u' '))
            throw Failure{
                QStringLiteral("%1: content file names have no blanks").arg(poses.filePath(file))};
        const QString name = requiredText(readObject(poses.filePath(file)), "name", file);
        auto asana = std::find_if(asanas.begin(), asanas.end(),
                                  [&name](const Asana& a) { return a.name == name; });
        if (asana == asanas.end())
            throw Failure{QStringLiteral("%1: \"%2\" is not in the catalogue").arg(file, name)};
        if (!asana->poseFile.isEmpty())
            throw Failure{QStringLiteral("%1: \"%2\" already has a pose").arg(file, name)};
        asana->poseFile = QStringLiteral(":/content/poses/") + file;
    }
    for (const Asana& asana : std::as_const(asanas)) {
        if (asana.poseFile.isEmpty())
            throw Failure{QStringLiteral("%1 has no pose file").arg(asana.name)};
    }
    return asanas;
}

QList<Lookup> readLookups(const QDir& content, const char* key, const QList<Asana>& asanas)
{
    const QString where = content.filePath(QStringLiteral("asanas/lookups.json"));
    QList<Lookup> lookups;
    for (const QJsonValue& value : readObject(where).value(QLatin1String(key)).toArray()) {
        const QJsonObject record = value.toObject();
        Lookup lookup{requiredText(record, "name", where), {}};
        for (const QJsonValue& asanaName : record.value(u"asanas").toArray()) {
            const QString name = asanaName.toString();
            const auto asana = std::find_if(asanas.begin(), asanas.end(),
                                            [&name](const Asana& a) { return a.name == name; });
            if (asana == asanas.end())
                throw Failure{QStringLiteral("%1: %2 names \"%3\", which is not in the catalogue")
                                  .arg(where, lookup.name, name)};
            lookup.asanas.append(asana->number);
        }
        // Results are listed in catalogue order, whatever order the file gives.
        std::sort(lookup.asanas.begin(), lookup.asanas.end());
        if (std::adjacent_find(lookup.asanas.begin(), lookup.asanas.end()) != lookup.asanas.end())
            throw Failure{QStringLiteral("%1: %2 names an asana twice").arg(where, lookup.name)};
        if (lookup.asanas.isEmpty())
            throw Failure{QStringLiteral("%1: %2 has no asanas").arg(where, lookup.name)};
        lookups.append(lookup);
    }
    if (lookups.isEmpty())
        throw Failure{QStringLiteral("%1: no \"%2\"").arg(where, QLatin1String(key))};
    return lookups;
}

QList<Article> readArticles(const QDir& content)
{
    const QString where = content.filePath(QStringLiteral("learn/articles.json"));
    QList<Article> articles;
    for (const QJsonValue& value : readObject(where).value(u"articles").toArray()) {
        const QJsonObject record = value.toObject();
        articles.append(
            {requiredText(record, "button", where), requiredText(record, "title", where)});
    }
    if (articles.isEmpty())
        throw Failure{QStringLiteral("%1: no articles").arg(where)};
    return articles;
}

QList<ZodiacAsana> readZodiacAsanas(const QDir& content)
{
    const QString where = content.filePath(QStringLiteral("zodiac/asanas.json"));
    QList<ZodiacAsana> asanas;
    for (const QJsonValue& value : readObject(where).value(u"asanas").toArray()) {
        const QJsonObject record = value.toObject();
        const int index = record.value(u"index").toInt();
        if (index != asanas.size() + 1)
            throw Failure{QStringLiteral("%1: asana %2 has index %3")
                              .arg(where)
                              .arg(asanas.size() + 1)
                              .arg(index)};
        asanas.append({index, requiredText(record, "name", where),
                       requiredText(record, "englishName", where)});
    }
    if (asanas.isEmpty())
        throw Failure{QStringLiteral("%1: no asanas").arg(where)};
    return asanas;
}

void write(const QString& path, const QString& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        throw Failure{QStringLiteral("cannot write %1").arg(path)};
}

QString header(const QList<Asana>& asanas, const QList<Lookup>& bodyParts,
               const QList<Lookup>& applications, const QList<Article>& articles,
               const QList<ZodiacAsana>& zodiacAsanas)
{
    return QStringLiteral(
               R"(// Generated by tarvo-content-index from content/; edit the content, not this file.
#pragma once

#include <QList>
#include <QString>

namespace tarvo::contentindex {

inline constexpr int kAsanaCount = %1;
inline constexpr int kBodyPartCount = %2;
inline constexpr int kApplicationCount = %3;
inline constexpr int kArticleCount = %4;
inline constexpr int kZodiacAsanaCount = %5;

// In catalogue order; number is the catalogue number, poseFile the pose record's resource.
struct Asana {
    int number;
    QString name;
    QString poseFile;
};

// A body part or therapeutic application and the catalogue numbers of its asanas, ascending.
struct Lookup {
    QString name;
    QList<int> asanas;
};

// An article's button and the caption it shows, which is the article's title.
struct Article {
    QString button;
    QString caption;
};

// The Zodiac catalogue's asanas in index order (1..), in its own spellings.
struct ZodiacAsana {
    int index;
    QString name;
    QString englishName;
};

const QList<Asana>& asanas();
const QList<Lookup>& bodyParts();
const QList<Lookup>& applications();
const QList<Article>& articles();
const QList<ZodiacAsana>& zodiacAsanas();

} // namespace tarvo::contentindex
)")
        .arg(asanas.size())
        .arg(bodyParts.size())
        .arg(applications.size())
        .arg(articles.size())
        .arg(zodiacAsanas.size());
}

QString lookupList(const char* function, const QList<Lookup>& lookups)
{
    QString out =
        QStringLiteral("const QList<Lookup>& %1()\n{\n    static const QList<Lookup> list = {\n")
            .arg(QLatin1String(function));
    for (const Lookup& lookup : lookups) {
        QStringList numbers;
        for (int number : lookup.asanas)
            numbers.append(QString::number(number));
        out +=
            QStringLiteral("        {%1, {%2}},\n").arg(literal(lookup.name), numbers.join(u", "));
    }
    return out + QStringLiteral("    };\n    return list;\n}\n\n");
}

QString source(const QList<Asana>& asanas, const QList<Lookup>& bodyParts,
               const QList<Lookup>& applications, const QList<Article>& articles,
               const QList<ZodiacAsana>& zodiacAsanas)
{
    QString out = QStringLiteral(
        "// Generated by tarvo-content-index from content/; edit the content, not this file.\n"
        "#include \"ContentIndex.h\"\n\nnamespace tarvo::contentindex {\n\n"
        "const QList<Asana>& asanas()\n{\n    static const QList<Asana> list = {\n");
    for (const Asana& asana : asanas)
        out +=
            QStringLiteral("        {%1, %2, %3},\n")
                .arg(QString::number(asana.number), literal(asana.name), literal(asana.poseFile));
    out += QStringLiteral("    };\n    return list;\n}\n\n");
    out += lookupList("bodyParts", bodyParts);
    out += lookupList("applications", applications);
    out += QStringLiteral(
        "const QList<Article>& articles()\n{\n    static const QList<Article> list = {\n");
    for (const Article& article : articles)
        out += QStringLiteral("        {%1, %2},\n")
                   .arg(literal(article.button), literal(article.caption));
    out += QStringLiteral("    };\n    return list;\n}\n\n");
    out += QStringLiteral("const QList<ZodiacAsana>& zodiacAsanas()\n{\n    static const "
                          "QList<ZodiacAsana> list = {\n");
    for (const ZodiacAsana& asana : zodiacAsanas)
        out +=
            QStringLiteral("        {%1, %2, %3},\n")
                .arg(QString::number(asana.index), literal(asana.name), literal(asana.englishName));
    out += QStringLiteral("    };\n    return list;\n}\n\n} // namespace tarvo::contentindex\n");
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: tarvo-content-index <content folder> <output folder>\n", stderr);
        return 2;
    }
    try {
        const QDir content(args.at(1));
        const QDir output(args.at(2));
        const QList<Asana> asanas = readAsanas(content);
        const QList<Lookup> bodyParts = readLookups(content, "bodyParts", asanas);
        const QList<Lookup> applications = readLookups(content, "applications", asanas);
        const QList<Article> articles = readArticles(content);
        const QList<ZodiacAsana> zodiacAsanas = readZodiacAsanas(content);
        if (!output.mkpath(QStringLiteral(".")))
            throw Failure{QStringLiteral("cannot make %1").arg(output.path())};
        write(output.filePath(QStringLiteral("ContentIndex.h")),
              header(asanas, bodyParts, applications, articles, zodiacAsanas));
        write(output.filePath(QStringLiteral("ContentIndex.cpp")),
              source(asanas, bodyParts, applications, articles, zodiacAsanas));
    } catch (const Failure& failure) {
        std::fprintf(stderr, "tarvo-content-index: %s\n", qPrintable(failure.message));
        return 1;
    }
    return 0;
}
