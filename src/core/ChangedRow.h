#pragma once

#include "core/Mod1.h"
#include "platform/Database.h"

#include <QString>
#include <QWidget>
#include <optional>

namespace core {

// How a save of a row the user edited ended.
enum class Saving { Written, Reload, BackToEditing };

// The question asked when `what` ("2026/3/5 のメモ") was changed by another copy.
QString changedRowQuestion(const QString& what);

// Tells the user that `what` was changed by another copy of the program after it was read
// here, and asks whether to overwrite it (Written), read it again (Reload) or go back to
// editing.
Saving askAboutChangedRow(QWidget* owner, const QString& what);

// Writes a row the user edited only while it is stored as it was when loaded. The read and the
// write run in one transaction that holds the write lock, so no other copy's save can slip in
// between. When another copy changed the row, nothing is written and no lock is held while the
// user chooses: to overwrite (what is stored now becomes `loaded`, and the check is made again),
// to read the row again (it is left in `loaded` for the window to show), or to go back.
template <class Row, class Read, class Write>
Saving writeUnlessChanged(QWidget* owner, const QString& what, Row& loaded, Read readStored, Write write) {
    for (;;) {
        std::optional<Row> stored;
        {
            platform::Transaction transaction(*Mod1::Db);
            stored = readStored();
            if (*stored == loaded) {
                write();
                transaction.commit();
                return Saving::Written;
            }
        }
        const Saving answer = askAboutChangedRow(owner, what);
        if (answer == Saving::BackToEditing)
            return answer;
        loaded = std::move(*stored);
        if (answer == Saving::Reload)
            return answer;
    }
}

} // namespace core
