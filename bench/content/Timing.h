#pragma once

#include <QList>
#include <functional>

namespace tarvo {
class RichTextBox;
}

namespace tarvo::bench {

// Milliseconds one call of work takes.
double timeMs(const std::function<void()>& work);

// One untimed call, so caches, fonts and glyphs are warm, then runs timed calls.
QList<double> warmTimesMs(const std::function<void()>& work, int runs);

// What the box still owes before the user sees its text: the whole document laid out at the
// box's width, and the visible page painted.
void layOutAndPaint(RichTextBox& box);

} // namespace tarvo::bench
