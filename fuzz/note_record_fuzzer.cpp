// Hostile note files. Whatever bytes a .dnf file holds, reading it must stay within the
// input and must not trip the sanitizers, and what was read must survive being saved again:
// the calendar window saves a note as soon as it has loaded it into its fields.

#include "common/date.h"
#include "common/text_encoding.h"
#include "fuzz_check.h"
#include "notes/note_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using almanor::fuzz::require;

// A day the store could name a file after, picked from the input so that every year, month
// and day length gets its turn.
almanor::Date someDay(std::string_view bytes) {
    std::uint32_t h = 2166136261u;
    for (const char c : bytes) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    const int year = 1000 + static_cast<int>(h % 9000);
    const int month = 1 + static_cast<int>((h / 9000) % 12);
    const int day = 1 + static_cast<int>((h / 108000) % almanor::daysInMonth(year, month));
    return {year, month, day};
}

// Saves text and alarm the way the store does and reads the file back.
void requireSavedNoteReadsBack(const almanor::Date& date, const std::string& text,
                               const std::string& alarm) {
    const std::string file = almanor::encodeNoteRecord(date, text, alarm);
    const auto saved = almanor::readNoteRecord(file);
    require(saved.has_value(), "a saved note reads back");
    require(saved->isNote(), "a saved note carries the marker");
    require(saved->text == almanor::replaceDoubleQuotes(text),
            "a saved note text reads back with only its double quotes replaced");
    require(saved->alarm == almanor::replaceDoubleQuotes(alarm),
            "a saved alarm text reads back with only its double quotes replaced");
    require(saved->date == almanor::noteDateField(date), "a saved date field reads back");
    require(file.size() >= 2 && file.compare(file.size() - 2, 2, "\r\n") == 0,
            "a saved record ends with CR LF");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // The reader must also cope with bytes that were never decoded.
    (void)almanor::parseNoteRecord(bytes);

    const std::string decoded = almanor::decodeFromFile(bytes);
    require(almanor::fuzz::isValidUtf8(decoded), "decoded file text is valid UTF-8");
    require(almanor::decodeFromFile(almanor::encodeForFile(decoded)) == decoded,
            "decoded text is written back as bytes that decode to the same text");

    const auto record = almanor::readNoteRecord(bytes);
    const almanor::Date day = someDay(bytes);
    if (record) {
        require(almanor::fuzz::isValidUtf8(record->text) &&
                    almanor::fuzz::isValidUtf8(record->alarm),
                "fields of decoded text are valid UTF-8");
        requireSavedNoteReadsBack(day, record->text, record->alarm);
    }

    // Another program's record of the written shape keeps its text whole, straight double
    // quotes included; only the save turns them curly.
    const auto foreign =
        almanor::parseNoteRecord("\"dailynotes\",\"" + decoded + "\",\"12/06/2026\",\"\"\r\n");
    require(foreign && !foreign->partial && foreign->text == decoded,
            "a record of the written shape keeps its whole text");

    // Any text the user can type: the decoded input, split into note and alarm at a tab.
    const std::size_t tab = decoded.find('\t');
    requireSavedNoteReadsBack(day, decoded.substr(0, tab),
                              tab == std::string::npos ? std::string() : decoded.substr(tab + 1));
    return 0;
}
