#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/extension_block.h"
#include "model/message_sink.h"
#include "model/suspension_state.h"
#include "model/vehicle_data.h"

// Project files: both coordinate sets, the car style, the track type and the notes.
// Native files (".kqw") are written and read; files of the old DOS program (".kqp") are
// only read. Everything here works on text; project_file_io.h reads and writes the disk.
namespace velmora {

struct Project;

enum class ProjectFormat {
    Native,     // 27 records, notes last
    Legacy,     // 26 records, an asphalt flag instead of a track type, no notes
    MarkedTest, // first field "TEST", then the native records
};

enum class TrackChoice { Dirt, Asphalt, Road };
enum class CarStyleChoice { None, GM, Ford, Formula };

struct ProjectFile {
    ProjectFormat format = ProjectFormat::Native;
    CoordinateSet RightCoords;
    CoordinateSet LeftCoords;
    std::string CarStyle;             // as read (UTF-8)
    std::string TrackType;            // native and marked files only
    bool asphaltFlag = false;         // legacy files only
    std::optional<std::string> notes; // native and marked files only
    VehicleData vehicle;              // the extension block; native files only
    ExtensionNotes extension;         // what Open tells about it
};

enum class ProjectErrorKind {
    Unreadable,    // the file could not be opened or read
    TooLarge,      // larger than kMaxProjectFileBytes; not read at all
    Empty,         // no field at all
    TooFewRecords, // the text ends before the last field the format needs
    NotANumber,    // a coordinate field is not a number
    UnclosedQuote, // a quoted field runs to the end of the file
};

struct ProjectError {
    ProjectErrorKind kind = ProjectErrorKind::Unreadable;
    int record = 0; // 1-based record of the project where reading stopped; 0 for the file
    std::string detail;
};

struct ProjectReadResult {
    std::optional<ProjectFile> project;
    std::optional<ProjectError> error;

    bool ok() const { return project.has_value(); }
};

// A real project is a few kilobytes; anything this large is not one and is refused before
// it is read into memory.
inline constexpr std::size_t kMaxProjectFileBytes = 16u * 1024u * 1024u;

// Reads a project from the bytes of a file. `path` chooses the format: a path ending in
// "kqw" (any case) is native, any other path legacy; a file whose first field is exactly
// TEST is read as a marked file whatever its path. Fields after the last one the format
// needs are ignored. Never throws for any input.
ProjectReadResult readProjectText(std::string_view bytes, std::string_view path);

// The 27 native records of the project in `state`, each ended by CR LF, then the extension
// block when the state holds vehicle data.
std::string writeProjectText(const Project& project);
std::string writeProjectText(const SuspensionState& state);

// The track-type command Open runs for a project that was read.
TrackChoice trackChoiceFor(const ProjectFile& project);

// The style a car-style text names: "GM", "Ford" and "formula" exactly, None for any other.
CarStyleChoice carStyleChoiceOf(std::string_view text);

// The car-style command Open runs: the three styles by their exact names; another text
// selects GM for a file opened from a ".kqp" path (any case) and nothing otherwise.
CarStyleChoice carStyleChoiceFor(const ProjectFile& project, std::string_view path);

// The texts the track-type and car-style commands set.
std::string_view trackTypeText(TrackChoice choice);
std::string_view carStyleText(CarStyleChoice choice); // empty for None

// Puts what Open loads into the state: both coordinate sets, the car style text as read
// (FormulaCar set exactly when it is "formula"), the vehicle data (none for legacy and marked
// files) and, for native and marked files, the notes. The track type and the car style commands are
// left to the caller, which runs them with trackChoiceFor and carStyleChoiceFor.
void applyProjectData(SuspensionState& state, const ProjectFile& project);

// A save path chosen without an extension (no period in its last component) gets ".kqw".
std::string withNativeExtension(std::string path);

// True when the path ends in `suffix`, compared without regard to ASCII case.
bool pathEndsWithNoCase(std::string_view path, std::string_view suffix);

Message openErrorMessage();
// What Open says after reading a project whose extension block lost records; none otherwise.
std::optional<Message> openNotice(const ProjectFile& project);
// A failed save; `reason` (the file and the system's reason) goes on a line of its own.
Message saveErrorMessage(std::string_view reason = {});
// Save refused because the notes would make the file larger than Open reads.
Message projectTooLargeMessage();

// Notes with every bare LF made CR LF, the line end of the records.
std::string notesWithRecordLineEnds(std::string_view notes);

} // namespace velmora
