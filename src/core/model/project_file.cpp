#include "model/project_file.h"

#include "model/project.h"

#include <string>
#include <utility>

#include "model/extension_block.h"
#include "model/text_encoding.h"
#include "model/text_records.h"

namespace velmora {
namespace {

constexpr int kFieldsPerRecord = 4;
constexpr int kCoordinateRecords = 25;
constexpr int kNativeRecords = 27;

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// The asphalt flag is a logical value: the true forms of the record format ("#TRUE#",
// "True") or a number, where any non-zero number is true the way a logical test treats it
// (the DOS program stored -1). Everything else means a dirt oval.
bool logicalFlag(std::string_view text) {
    if (equalsNoCase(text, "#TRUE#") || equalsNoCase(text, "true")) {
        return true;
    }
    float number = 0.0f;
    return parseRecordNumber(text, number) && number != 0.0f;
}

// Reads the fields of one project in order, numbering them by the record they belong to.
class ProjectFieldReader {
public:
    explicit ProjectFieldReader(FieldReader& fields) : fields_(fields) {}

    bool number(float& value) {
        TextField field;
        if (!next(field)) {
            return false;
        }
        // An empty field holds no number; it reads as 0, "not entered".
        if (field.text.empty()) {
            value = 0.0f;
            return true;
        }
        if (!parseRecordNumber(field.text, value)) {
            return fail(ProjectErrorKind::NotANumber, "is not a number");
        }
        return true;
    }

    bool text(std::string& value) {
        TextField field;
        if (!next(field)) {
            return false;
        }
        value = utf8FromUtf8OrWindows1252(field.text);
        return true;
    }

    bool raw(TextField& field) { return next(field); }

    bool skip() {
        TextField field;
        return next(field);
    }

    ProjectError takeError() { return std::move(error_); }

private:
    bool next(TextField& field) {
        switch (fields_.next(field)) {
        case FieldStatus::Field:
            ++index_;
            return true;
        case FieldStatus::End:
            return fail(ProjectErrorKind::TooFewRecords, "is missing");
        case FieldStatus::UnclosedQuote:
            return fail(ProjectErrorKind::UnclosedQuote, "has no closing quote");
        }
        return false;
    }

    bool fail(ProjectErrorKind kind, std::string_view what) {
        // index_ already counts a field that was read, so step back to name it.
        const int field = kind == ProjectErrorKind::NotANumber ? index_ - 1 : index_;
        error_.kind = kind;
        error_.record = field / kFieldsPerRecord + 1;
        error_.detail = "field " + std::to_string(field % kFieldsPerRecord + 1) + " of record " +
                        std::to_string(error_.record) + " " + std::string(what);
        return false;
    }

    FieldReader& fields_;
    int index_ = 0;
    ProjectError error_;
};

ProjectReadResult failure(ProjectErrorKind kind, std::string detail) {
    ProjectReadResult result;
    result.error = ProjectError{kind, 0, std::move(detail)};
    return result;
}

bool readRecords(ProjectFieldReader& reader, ProjectFile& project) {
    for (int i = 1; i <= kCoordinateRecords + 1; ++i) {
        if (!reader.number(project.RightCoords[i]) || !reader.number(project.LeftCoords[i])) {
            return false;
        }
        if (i <= kCoordinateRecords && !(reader.skip() && reader.skip())) {
            return false;
        }
    }
    if (!reader.text(project.CarStyle)) {
        return false;
    }
    if (project.format == ProjectFormat::Legacy) {
        TextField flag;
        if (!reader.raw(flag)) {
            return false;
        }
        project.asphaltFlag = logicalFlag(flag.text);
        return true;
    }
    std::string notes;
    if (!reader.text(project.TrackType) || !reader.text(notes)) {
        return false;
    }
    project.notes = std::move(notes);
    return true;
}

} // namespace

bool pathEndsWithNoCase(std::string_view path, std::string_view suffix) {
    return path.size() >= suffix.size() &&
           equalsNoCase(path.substr(path.size() - suffix.size()), suffix);
}

ProjectReadResult readProjectText(std::string_view bytes, std::string_view path) {
    if (bytes.size() > kMaxProjectFileBytes) {
        return failure(ProjectErrorKind::TooLarge, "the file is larger than a project can be");
    }
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        bytes.remove_prefix(kUtf8Mark.size());
    }

    FieldReader fields(bytes);
    // Look at the first field on a copy of the reader: in a marked file the records start
    // after it, in any other file it is right value 1 and is read again as such.
    FieldReader afterFirst = fields;
    TextField first;
    if (afterFirst.next(first) == FieldStatus::End) {
        return failure(ProjectErrorKind::Empty, "the file holds no records");
    }

    ProjectFile project;
    if (first.text == "TEST") {
        project.format = ProjectFormat::MarkedTest;
        fields = afterFirst;
    } else {
        project.format =
            pathEndsWithNoCase(path, "kqw") ? ProjectFormat::Native : ProjectFormat::Legacy;
    }

    ProjectFieldReader reader(fields);
    if (!readRecords(reader, project)) {
        return ProjectReadResult{std::nullopt, reader.takeError()};
    }
    if (project.format == ProjectFormat::Native) {
        // The block starts on the line after the notes; the rest of that line stays ignored.
        std::string_view rest = bytes.substr(fields.offset());
        const std::size_t lineEnd = rest.find_first_of("\r\n");
        rest = lineEnd == std::string_view::npos
                   ? std::string_view()
                   : rest.substr(lineEnd + (rest.substr(lineEnd, 2) == "\r\n" ? 2 : 1));
        ExtensionBlockRead block = readExtensionBlock(rest, kNativeRecords + 1);
        project.vehicle = std::move(block.vehicle);
        project.extension = std::move(block.notes);
    }
    return ProjectReadResult{std::move(project), std::nullopt};
}

// The notes box hands back bare LF line ends; the file's own line end is CR LF, so a project
// read and saved again keeps its notes byte for byte. A lone CR is left as it is.
std::string notesWithRecordLineEnds(std::string_view notes) {
    std::string out;
    out.reserve(notes.size() + notes.size() / 32);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i] == '\n' && (i == 0 || notes[i - 1] != '\r')) {
            out += '\r';
        }
        out += notes[i];
    }
    return out;
}

std::string writeProjectText(const Project& project) {
    std::string text;
    text.reserve(1024 + project.notes.size());
    for (int i = 1; i <= kCoordinateRecords; ++i) {
        text += recordNumberText(project.right[i]);
        text += ',';
        text += recordNumberText(project.left[i]);
        text += ",,\r\n";
    }
    text += recordNumberText(project.right[26]);
    text += ',';
    text += recordNumberText(project.left[26]);
    text += ',';
    text += quotedRecordText(project.carStyle);
    text += ',';
    text += quotedRecordText(project.trackType);
    text += "\r\n";
    text += quotedRecordText(notesWithRecordLineEnds(project.notes));
    text += "\r\n";
    text += writeExtensionBlock(project.vehicle);
    text += project.vehicle.keptText;
    return text;
}

std::string writeProjectText(const SuspensionState& state) {
    return writeProjectText(projectOf(state));
}

TrackChoice trackChoiceFor(const ProjectFile& project) {
    if (project.format == ProjectFormat::Legacy) {
        return project.asphaltFlag ? TrackChoice::Asphalt : TrackChoice::Dirt;
    }
    if (project.TrackType == "Asphalt") {
        return TrackChoice::Asphalt;
    }
    // A project saved before any track type was chosen has an empty one; the program
    // starts with the dirt oval checked, so that is what such a file reopens as.
    if (project.TrackType == "Dirt" || project.TrackType.empty()) {
        return TrackChoice::Dirt;
    }
    return TrackChoice::Road;
}

CarStyleChoice carStyleChoiceOf(std::string_view text) {
    for (const CarStyleChoice choice :
         {CarStyleChoice::GM, CarStyleChoice::Ford, CarStyleChoice::Formula}) {
        if (text == carStyleText(choice)) {
            return choice;
        }
    }
    return CarStyleChoice::None;
}

CarStyleChoice carStyleChoiceFor(const ProjectFile& project, std::string_view path) {
    const CarStyleChoice named = carStyleChoiceOf(project.CarStyle);
    if (named != CarStyleChoice::None) {
        return named;
    }
    return pathEndsWithNoCase(path, "kqp") ? CarStyleChoice::GM : CarStyleChoice::None;
}

std::string_view trackTypeText(TrackChoice choice) {
    switch (choice) {
    case TrackChoice::Asphalt:
        return "Asphalt";
    case TrackChoice::Road:
        return "Road";
    case TrackChoice::Dirt:
        break;
    }
    return "Dirt";
}

std::string_view carStyleText(CarStyleChoice choice) {
    switch (choice) {
    case CarStyleChoice::GM:
        return "GM";
    case CarStyleChoice::Ford:
        return "Ford";
    case CarStyleChoice::Formula:
        return "formula";
    case CarStyleChoice::None:
        break;
    }
    return {};
}

void applyProjectData(SuspensionState& state, const ProjectFile& project) {
    state.RightCoords = project.RightCoords;
    state.LeftCoords = project.LeftCoords;
    state.CarStyle = project.CarStyle;
    // The Formula car's rules hold while the text says "formula" and at no other time, also
    // for a text that no style command names.
    state.FormulaCar = project.CarStyle == "formula";
    state.Vehicle = project.vehicle;
    if (project.notes) {
        state.Note_text = *project.notes;
    }
}

std::string withNativeExtension(std::string path) {
    const std::size_t separator = path.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    if (path.find('.', nameStart) == std::string::npos) {
        path += ".kqw";
    }
    return path;
}

Message openErrorMessage() {
    return Message{"Error",
                   "An error has occured while opening this file.  Please check that the file "
                   "is a valid Tarsyn data file.",
                   MessageIcon::Warning, MessageButtons::Ok};
}

std::optional<Message> openNotice(const ProjectFile& project) {
    return extensionNotice(project.extension);
}

Message projectTooLargeMessage() {
    return Message{"Error",
                   "This project is too large to save: its notes are longer than a project "
                   "file can hold.  Shorten the notes and save again.",
                   MessageIcon::Warning, MessageButtons::Ok};
}

Message saveErrorMessage(std::string_view reason) {
    std::string text = "An error has occured while saving this file.";
    if (!reason.empty()) {
        text += "\n";
        text += reason;
    }
    return Message{"Error", text, MessageIcon::Warning, MessageButtons::Ok};
}

} // namespace velmora
