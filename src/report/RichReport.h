#pragma once

#include <QList>
#include <QString>

namespace tarvo {

enum class Alignment { Left, Centre };

// Colour index meaning "the box's own text colour" rather than a palette entry.
inline constexpr int kDefaultColour = -1;

struct RichAttributes {
    bool bold = false;
    bool underline = false;
    int colour = kDefaultColour;
    double fontSize = 9.0;
    Alignment alignment = Alignment::Left;

    friend bool operator==(const RichAttributes&, const RichAttributes&) = default;
};

struct RichRun {
    QString text;
    RichAttributes attributes;

    friend bool operator==(const RichRun&, const RichRun&) = default;
};

// A rich-text document as the writers see it: attributes are set on the insertion point and
// stay in force for every later append. Line breaks come only from CR LF in the text.
class RichReport {
public:
    explicit RichReport(const RichAttributes& initial = {});

    void setBold(bool on) { m_current.bold = on; }
    void setUnderline(bool on) { m_current.underline = on; }
    void setColour(int paletteIndex) { m_current.colour = paletteIndex; }
    void setFontSize(double points) { m_current.fontSize = points; }
    void setAlignment(Alignment alignment) { m_current.alignment = alignment; }

    void append(const QString& text);
    // Empties the text; the attributes stay as they are, like a cleared rich-text box.
    void clear() { m_runs.clear(); }

    const QList<RichRun>& runs() const { return m_runs; }
    const RichAttributes& current() const { return m_current; }
    QString plainText() const;

private:
    RichAttributes m_current;
    QList<RichRun> m_runs;
};

} // namespace tarvo
