#include "support/PdfTools.h"

#include <QProcess>
#include <QRegularExpression>

namespace tarvo::test {

namespace {

QString run(const QString& program, const QStringList& arguments, bool* ok = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    if (ok)
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString& path, int page)
{
    QStringList arguments = {QStringLiteral("-layout")};
    if (page > 0) {
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    }
    return run(QStringLiteral("pdftotext"), arguments << path << QStringLiteral("-"));
}

int pdfPageCount(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral(R"(^Pages:\s+(\d+))"),
                                          QRegularExpression::MultilineOption);
    const auto match = pages.match(run(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pdfPaper(const QString& path)
{
    static const QRegularExpression paper(QStringLiteral(R"(^Page size:.*\((\w+)\))"),
                                          QRegularExpression::MultilineOption);
    const auto match = paper.match(run(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1) : QString();
}

QList<PdfWord> pdfWords(const QString& path)
{
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word xMin="(-?[\d.]+)" yMin="(-?[\d.]+)" )re"
                       R"re(xMax="(-?[\d.]+)" yMax="(-?[\d.]+)">([^<]*)</word>)re"));
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) == 0) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words.append({page, text,
                      QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

int pdfImageCount(const QString& path)
{
    bool ok = false;
    const QString list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path}, &ok);
    if (!ok)
        return -1;
    // Two header lines, then one line per image.
    return int(list.split(u'\n', Qt::SkipEmptyParts).size()) - 2;
}

} // namespace tarvo::test
