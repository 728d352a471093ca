#pragma once

#include <QString>

class QTextStream;

namespace tarvo::bench {

class TimedApplication;
struct FrameTimes;

// One line per measure on out: "<key>\t<ms to the window's first frame, or -1>\t<value>", the
// value being the ms to the last frame, a share of a core in percent, or MiB.
void writeMeasure(QTextStream& out, const QString& key, double windowMs, double value);
void writeMeasure(QTextStream& out, const QString& key, const FrameTimes& times);

// Each program switch, each lookup, a Zodiac result and report, a chakra result, Find, the
// breathing guide's window, a 200-pose cautions window and a PDF export, in one main window.
void timeProgramActions(TimedApplication& app, const QString& pdfPath, QTextStream& out);

// Practice > Journal with the journal as fillJournal() left it, and the memory it added.
void timeJournal(TimedApplication& app, int entries, QTextStream& out);
// Writes entries practices, one every two hours back from now, into the journal of the
// user's data folder. False, with the reason on the standard error, when it cannot.
bool fillJournal(int entries);

// The share of a core the program (and the X server, under X) takes while the breathing guide
// plays equal breathing for the given seconds.
void measureBreathingGuide(TimedApplication& app, int seconds, QTextStream& out);

} // namespace tarvo::bench
