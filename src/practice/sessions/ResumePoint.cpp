#include "practice/sessions/ResumePoint.h"

#include "platform/SettingsStore.h"
#include "platform/UserText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace tarvo::practice {

namespace {

const QString kResumeKey = QStringLiteral("Practice/Resume");

// In the order of HoldUnit.
const QStringList kUnits = {QStringLiteral("breaths"), QStringLiteral("seconds"),
                            QStringLiteral("times")};

} // namespace

void storeResumePoint(SettingsStore& settings, const ResumePoint& point)
{
    QJsonArray steps;
    for (const SessionStep& step : point.session.steps)
        steps.append(QJsonObject{{QStringLiteral("asana"), step.asana},
                                 {QStringLiteral("hold"), step.hold},
                                 {QStringLiteral("unit"), kUnits.value(int(step.unit))},
                                 {QStringLiteral("bothSides"), step.bothSides}});
    const QJsonObject stored{{QStringLiteral("name"), point.session.name},
                             {QStringLiteral("steps"), steps},
                             {QStringLiteral("pose"), point.pose},
                             {QStringLiteral("day"), point.day.toString(Qt::ISODate)}};
    settings.setValue(kResumeKey,
                      QString::fromUtf8(QJsonDocument(stored).toJson(QJsonDocument::Compact)));
}

void clearResumePoint(SettingsStore& settings)
{
    settings.setValue(kResumeKey, QString());
}

std::optional<ResumePoint> resumePoint(const SettingsStore& settings, const QDate& today)
{
    const QJsonObject stored =
        QJsonDocument::fromJson(settings.value(kResumeKey).toUtf8()).object();
    ResumePoint point;
    point.day = QDate::fromString(stored.value(u"day").toString(), Qt::ISODate);
    point.session.name = stored.value(u"name").toString();
    point.pose = stored.value(u"pose").toInt(-1);
    for (const QJsonValue& value : stored.value(u"steps").toArray()) {
        const QJsonObject step = value.toObject();
        const int unit = int(kUnits.indexOf(step.value(u"unit").toString()));
        if (unit < 0 || step.value(u"hold").toInt() < 1)
            return std::nullopt;
        point.session.steps.append({step.value(u"asana").toString(), step.value(u"hold").toInt(),
                                    static_cast<HoldUnit>(unit),
                                    step.value(u"bothSides").toBool()});
    }
    if (point.day != today || point.pose < 0 || point.pose >= point.session.steps.size())
        return std::nullopt;
    return point;
}

Session remainingSession(const ResumePoint& point)
{
    return {point.session.name, point.session.steps.mid(point.pose)};
}

QString resumeText(const ResumePoint& point)
{
    return QStringLiteral("Resume \u201c%1\u201d at %2")
        .arg(isolated(point.session.name), point.session.steps.at(point.pose).asana);
}

} // namespace tarvo::practice
