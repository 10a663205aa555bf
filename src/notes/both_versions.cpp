#include "notes/both_versions.h"

namespace almanor {

NoteTexts keepBoth(const NoteTexts& theirs, const NoteTexts& mine) {
    NoteTexts kept{theirs.text.empty() ? mine.text : theirs.text,
                   theirs.alarm.empty() ? mine.alarm : theirs.alarm};
    const bool textAdds = kept.text.find(mine.text) == std::string::npos;
    const bool alarmAdds = !mine.alarm.empty() && mine.alarm != kept.alarm;
    if (!textAdds && !alarmAdds) {
        return kept;
    }
    std::string line = kYourVersionLine;
    if (alarmAdds) {
        line.insert(line.rfind(" -"), " (your alarm: " + mine.alarm + ")");
    }
    if (!kept.text.empty()) {
        kept.text += "\n\n";
    }
    kept.text += line;
    if (textAdds) {
        kept.text += "\n" + mine.text;
    }
    return kept;
}

} // namespace almanor
