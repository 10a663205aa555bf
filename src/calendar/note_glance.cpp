#include "calendar/note_glance.h"

#include "alarm/time_of_day.h"
#include "notes/note_list.h"

#include <optional>

namespace almanor {

namespace {

// The separator alone cannot tell an alarm: a note's text may hold it too ("Call Bob  -  2 pm").
// The alarm field is what the alarm time dialog writes, so only a time in that one form is one.
bool isWrittenAlarm(std::string_view field) {
    const std::optional<TimeOfDay> time = parseAlarmEntry(field);
    return time && formatTimeOfDay(*time) == field;
}

std::string_view firstLineWithText(std::string_view text) {
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = text.substr(0, end);
        if (line.find_first_not_of(" \t") != std::string_view::npos || end == text.npos) {
            return line;
        }
        text.remove_prefix(end + 1);
    }
}

// At most `length` characters of UTF-8 text, and an ellipsis when there were more.
std::string cut(std::string_view text, std::size_t length) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == length) {
            return std::string(text.substr(0, i)) + "\u2026";
        }
    }
    return std::string(text);
}

} // namespace

NoteGlance glanceAt(std::string_view listLine) {
    // The date field never holds the separator: the text begins after the first one.
    const std::size_t dateEnd = listLine.find(kNoteListSeparator);
    std::string_view rest = dateEnd == listLine.npos
                                ? std::string_view()
                                : listLine.substr(dateEnd + kNoteListSeparator.size());
    NoteGlance glance;
    const std::size_t alarmEnd = rest.find(kNoteListSeparator);
    if (alarmEnd != rest.npos && isWrittenAlarm(rest.substr(0, alarmEnd))) {
        glance.alarm = rest.substr(0, alarmEnd);
        rest.remove_prefix(alarmEnd + kNoteListSeparator.size());
    }
    glance.firstLine = cut(firstLineWithText(rest), kGlanceCharacters);
    return glance;
}

} // namespace almanor
