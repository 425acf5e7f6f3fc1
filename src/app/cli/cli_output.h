#pragma once

#include "model/message_sink.h"

#include <string>
#include <string_view>
#include <vector>

// Where velmora-cli's results go. Every file it writes and its standard output pass through
// here, so that no command can report success for output that never arrived.
namespace velmora::cli {

// Writes `bytes` to `path` whole: a regular file or a new name only (never a device, a named
// pipe or a folder), through a temporary renamed over the target, so a failure leaves no
// partial file and any previous file as it was. `kind` names the file in the message
// ("PNG", "PDF"). Throws UsageError when nothing was written.
void writeOutputFile(const std::string& path, std::string_view bytes, std::string_view kind);

// Throws UsageError when `path` is the project file `project` (by any name or link), so a
// slip on the command line cannot replace the project with a picture or a printout.
void refuseToReplaceProject(const std::string& path, const std::string& project,
                            std::string_view kind);

// The messages the desktop program would show in boxes, one a line ("title: text") on stderr.
void reportMessages(const std::vector<Message>& messages);

// Sends std::cout through a buffer that remembers the first write that failed and why.
// Called once, before anything is printed.
void checkStandardOutput();

// Pushes out what is left of standard output. Returns false, after saying why on stderr,
// when any of it could not be written (a full disk, /dev/full).
bool finishStandardOutput();

} // namespace velmora::cli
