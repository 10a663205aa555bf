#include "settings/purge.h"

#include <algorithm>

namespace almanor {

PurgeOutcome purgeOldNotes(NoteList& notes, const Date& today, int deleteDays,
                           const std::function<FileResult(const std::string& path)>& removeFile) {
    const long long keepDays = std::max(deleteDays, 0);
    PurgeOutcome outcome;
    for (std::size_t i = notes.size(); i-- > 0;) {
        const std::string dateText = notes[i].line.substr(0, 10);
        const auto date = parseDateText(dateText);
        if (!date || daysBetween(*date, today) <= keepDays) {
            continue;
        }
        const bool removed = removeFile(notes[i].path).ok;
        notes.erase(notes.begin() + static_cast<std::ptrdiff_t>(i));
        if (!removed) {
            outcome.completed = false;
            outcome.missingDate = dateText;
            return outcome;
        }
        ++outcome.deleted;
    }
    return outcome;
}

} // namespace almanor
