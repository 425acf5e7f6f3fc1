#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The picture folders: a file there whose name matches a picture's name (compared without
// regard to case, as .bmp, .png or .jpg) replaces the drawn picture, so a shop can show
// photographs of its own car.
namespace velmora {

// The first matching file in the first folder that has one; a folder holding several
// matches prefers .bmp, then .png, then .jpg. Folders that are missing or cannot be read
// are passed over; nothing is ever thrown.
std::optional<std::filesystem::path>
findPictureFile(const std::vector<std::filesystem::path>& folders, std::string_view name);

} // namespace velmora
