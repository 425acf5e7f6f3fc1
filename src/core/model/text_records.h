#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The comma-separated text records of project files. Readers take the fields in order and
// do not care where the line breaks fall; writers end every record with CR LF.
namespace velmora {

struct TextField {
    std::string_view text; // without the quotes; unquoted fields without surrounding blanks
    bool quoted = false;
};

enum class FieldStatus { Field, End, UnclosedQuote };

// Hands out the fields of a text one by one. A field ends at a comma, a line break (CR, LF
// or CR LF) or the end of the text. Blanks around an unquoted field are skipped; a quoted
// field runs to its closing quote, line breaks included, and anything between that quote
// and the next delimiter is ignored. Blank lines between records carry no fields, but a
// comma at the end of a line does start an (empty) field. Every byte is looked at a bounded
// number of times, so reading is linear in the size of the text.
class FieldReader {
public:
    explicit FieldReader(std::string_view text);

    FieldStatus next(TextField& field);

    // 1-based line of the reading position, for messages about broken files.
    std::size_t line() const;
    // Byte offset of the reading position: just after the last field handed out.
    std::size_t offset() const { return pos_; }

private:
    void skipToDelimiter();

    std::string_view text_;
    std::size_t pos_ = 0;
    bool afterComma_ = false;
};

// Locale-independent number of a record: optional blanks, an optional sign, digits with an
// optional period (".5", "-.5" and "5." are numbers) and an optional exponent introduced
// by E or D ("1E-08", "1.5e3", "2D+02"). Values too small for a single become 0; values too
// large for one, and everything else (an empty text included), are not numbers.
bool parseRecordNumber(std::string_view text, float& value);

// Shortest text that reads back to exactly the same single: 12.5 -> "12.5", 1e-08 ->
// "1E-08". A value that is not a finite number cannot be a measurement; it is written as 0
// ("not entered") so that the file always opens again.
std::string recordNumberText(float value);

// A text field in double quotes. Quoted fields have no escape, so each double quote inside
// the text is written as two single quotes; a reader keeps them as they are. Without this a
// note quoting someone would end the field early and break every later field of the file.
std::string quotedRecordText(std::string_view text);

} // namespace velmora
