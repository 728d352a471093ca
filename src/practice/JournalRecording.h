#pragma once

class QString;
class QWidget;

namespace tarvo {
class Desktop;
}

namespace tarvo::practice {

class PracticeStore;
struct JournalEntry;

// Writes the practice to the journal, or tells the user over parent why it could not be; what
// names the practice in that message ("session").
void recordInJournal(PracticeStore& store, JournalEntry& entry, Desktop& desktop, QWidget* parent,
                     const QString& title, const QString& what);

} // namespace tarvo::practice
