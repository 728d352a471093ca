#include "practice/JournalRecording.h"

#include "platform/Desktop.h"
#include "practice/PracticeStore.h"

namespace tarvo::practice {

void recordInJournal(PracticeStore& store, JournalEntry& entry, Desktop& desktop, QWidget* parent,
                     const QString& title, const QString& what)
{
    if (store.addEntry(entry))
        return;
    warn(desktop, parent, title,
         QStringLiteral("The %1 could not be written to the journal.\n\n%2")
             .arg(what, store.error()));
}

} // namespace tarvo::practice
