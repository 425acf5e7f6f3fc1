#pragma once

#include "model/message_sink.h"
#include "model/vehicle_data.h"

#include <string>
#include <string_view>
#include <vector>

// The extension block: records after the 27 native records, each a quoted key and its fields
// on one line ended by CR LF. Its first record is the marker "Velmora extension" with the
// block's version. A reader that knows only the 27 records stops before it.
namespace velmora {

inline constexpr std::string_view kExtensionMarker = "Velmora extension";
inline constexpr int kExtensionVersion = 1;

struct ExtensionBlockRead {
    VehicleData vehicle;
    // One line per record that was dropped: its record number, its text and why.
    std::vector<std::string> dropped;
};

// Reads the block from the text after the last native record. `firstRecord` is the record
// number of the block's first line (28 in a native file). Text that does not begin with the
// marker is no block and is ignored, as it always was. A bad record is dropped alone.
ExtensionBlockRead readExtensionBlock(std::string_view text, int firstRecord);

// The block for `vehicle`: the marker, the known values that are set, one record per bump steer
// reading ("bumpsteer_reading","left",3,0.031), then the records of unknown keys as they were
// read. Empty when the vehicle data has nothing to keep.
std::string writeExtensionBlock(const VehicleData& vehicle);

// What Open says about dropped records (title "Open").
Message extensionDroppedMessage(const std::vector<std::string>& dropped);

} // namespace velmora
