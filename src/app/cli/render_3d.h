#pragma once

#include <CLI/CLI.hpp>

#include <string>

// `render 3d`: the 3-D view of the front end drawn by the painter's renderer into a PNG, with
// the scene's named joints as JSON.
namespace velmora::cli {

struct Render3dOptions {
    std::string view;
    std::string azimuth, elevation;
    bool orthographic = false;
    std::string travel, dive, roll, rack;
    std::string pointsJson;
    // The options given, so that they are refused for the other pictures.
    std::vector<CLI::Option*> given;
};

void addRender3dOptions(CLI::App& command, Render3dOptions& options);
// Whether any of the options was given.
bool anyRender3dOption(const Render3dOptions& options);

void render3d(const std::string& project, const std::string& png, const std::string& size,
              const Render3dOptions& options);

} // namespace velmora::cli
