#pragma once

#include "common/date.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace almanor {

// A note file holds one record of four quoted fields:
//   "dailynotes","<note text>","MM/DD/YYYY","<alarm text>" CR LF
// Nothing inside a field is escaped, which is why a field can never hold a double quote.

inline constexpr std::string_view kNoteMarker = "dailynotes";
inline constexpr std::string_view kNoteFileExtension = ".dnf";
// No note this program writes comes near this size (500 characters, each at most four bytes,
// and the fields): anything larger was not written as a note and is not read whole.
inline constexpr std::size_t kLargestNoteFile = 64 * 1024;

// "YYYYMMDD.dnf": the year in decimal, month and day with two digits. Names sort in date
// order, which the note list relies on.
std::string noteFileName(const Date& date);
// The name of the note file whose name's digits are `number` (see noteFileNumber).
std::string noteFileName(std::uint32_t number);

// The date field of the record, "MM/DD/YYYY" (the year in decimal as in the file name).
std::string noteDateField(const Date& date);

// True for the names this program gives note files: eight digits and ".dnf" (any letter case
// on Windows, where the file system ignores it; exactly ".dnf" elsewhere). Anything else, such
// as a synchronising tool's conflict copy ("20261206 (conflicted copy).dnf"), is the user's to
// keep: never listed, never deleted.
bool isNoteFileName(std::string_view name);
// The date a note file's name gives, as the number yyyymmdd (for a name isNoteFileName takes):
// the names' order is the numbers' order.
std::uint32_t noteFileNumber(std::string_view name);
// The date a note file's name gives; nothing for another name or a day that does not exist.
std::optional<Date> noteFileDate(std::string_view name);

// The text with every straight double quote replaced by the closing curly quote U+201D and
// nothing else changed. A saved note holds its quotes in this form; the calendar window shows
// typed quotes this way at once so that what the user sees is what is stored.
std::string replaceDoubleQuotes(std::string_view text);

// The bytes of the file for a note (text and alarm in UTF-8), in the file's code page.
std::string encodeNoteRecord(const Date& date, std::string_view text, std::string_view alarm);

// The four fields as read, in UTF-8.
struct NoteRecord {
    std::string marker;
    std::string text;
    std::string date;
    std::string alarm;
    // Characters had to be skipped to find four fields (after a closing quote, or after the
    // fourth field). Saving such a record would lose them, so it must not be edited.
    bool partial = false;

    bool isNote() const { return marker == kNoteMarker; }
    friend bool operator==(const NoteRecord&, const NoteRecord&) = default;
};

// Reads the four fields of decoded (UTF-8) file text.
// A record of the written shape, "<marker>","<text>","<date>","<alarm>" and line ends, is
// read by that shape: marker, date and alarm hold no double quote, so everything between the
// marker and the date is the text, straight double quotes that other programs wrote included.
// Any other text is read field by field: a field that begins with a double quote runs to the
// next double quote, line breaks included (to the end when none follows), and what follows it
// up to the next comma or line end is skipped; a field without quotes runs to the next comma
// or line end. A comma or a line end separates fields; a comma always starts another field,
// possibly empty. Skipped characters and anything after the fourth field other than line
// ends make the record `partial`. Nothing when the text ends before the fourth field.
std::optional<NoteRecord> parseNoteRecord(std::string_view text);

// Decodes the bytes of a note file (Windows-1252 or UTF-8) and reads its record.
std::optional<NoteRecord> readNoteRecord(std::string_view bytes);

} // namespace almanor
