#include "pictures/picture_folder.h"

#include "pictures/picture_key.h"

#include <array>
#include <cctype>
#include <string>

namespace velmora {
namespace {

std::string lower(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

constexpr std::array<std::string_view, 3> kExtensions{".bmp", ".png", ".jpg"};

} // namespace

std::optional<std::filesystem::path>
findPictureFile(const std::vector<std::filesystem::path>& folders, std::string_view name) {
    const std::string stem = pictureStem(name);
    if (stem.empty()) {
        return std::nullopt;
    }
    for (const auto& folder : folders) {
        std::error_code error;
        std::filesystem::directory_iterator it(folder, error);
        if (error) {
            continue;
        }
        std::array<std::optional<std::filesystem::path>, kExtensions.size()> found;
        for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
            if (error) {
                break;
            }
            std::error_code typeError;
            if (!it->is_regular_file(typeError)) {
                continue;
            }
            const std::filesystem::path& path = it->path();
            if (lower(path.stem().string()) != stem) {
                continue;
            }
            const std::string extension = lower(path.extension().string());
            for (std::size_t i = 0; i < kExtensions.size(); ++i) {
                if (extension == kExtensions[i] && !found[i]) {
                    found[i] = path;
                }
            }
        }
        for (const auto& match : found) {
            if (match) {
                return match;
            }
        }
    }
    return std::nullopt;
}

} // namespace velmora
