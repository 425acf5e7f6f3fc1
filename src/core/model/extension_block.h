#pragma once

#include "model/message_sink.h"
#include "model/vehicle_data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The extension block: records after the 27 native records, each a quoted key and its fields
// on one line ended by CR LF. Its first record is the marker "Velmora extension" with the
// block's version. A reader that knows only the 27 records stops before it.
namespace velmora {

inline constexpr std::string_view kExtensionMarker = "Velmora extension";
inline constexpr int kExtensionVersion = 1;
// Dropped records named one by one in the Open notice; the rest are counted.
inline constexpr std::size_t kNamedDroppedRecords = 10;

// What Open tells about the text after the native records, beside the values it read.
struct ExtensionNotes {
    // One line per dropped record, its record number, its text and why: the first
    // kNamedDroppedRecords of them; `droppedCount` counts them all.
    std::vector<std::string> dropped;
    std::size_t droppedCount = 0;
    // The version of a block written by a newer version, as the file writes it ("2").
    std::string newerVersion;
    // The text holds a block this version cannot read (see VehicleData::keptText).
    bool unreadBlockKept = false;
};

struct ExtensionBlockRead {
    VehicleData vehicle;
    ExtensionNotes notes;
};

// Reads the text after the line of the last native record. `firstRecord` is the record number
// of the block's first line (28 in a native file). A bad record is dropped alone. Text that
// does not begin with the marker is no block: it is kept byte for byte in `keptText`, and so
// is the rest of a block from a second marker on. A block of a newer version is kept whole
// (`newerText`), its known records used where they read cleanly. Linear in the text's length.
ExtensionBlockRead readExtensionBlock(std::string_view text, int firstRecord);

// The block for `vehicle`: the marker, the known values that are set, the springs, dampers and
// bar links, right side first ("spring","right","bottom arm",x1,y1,z1,x2,y2,z2,rate with the
// arm mount first and an empty rate when not known), the anti-roll bar
// ("antiroll_bar",diameter,wall,active length,arm length,shear modulus), one record per bump
// steer reading ("bumpsteer_reading","left",3,0.031), then the records of unknown keys as they
// were read; a newer version's block as it was read while nothing it holds has changed. Empty when
// the vehicle data has nothing to keep. `keptText` is not part of it.
std::string writeExtensionBlock(const VehicleData& vehicle);

// What Open says about the block (title "Open"); none when there is nothing to say.
std::optional<Message> extensionNotice(const ExtensionNotes& notes);

} // namespace velmora
