// `export` and `import`: both sides' coordinates to and from a spreadsheet's CSV file.

#include "cli_common.h"
#include "cli_output.h"
#include "commands.h"
#include "model/coordinate_csv.h"
#include "model/project.h"
#include "model/project_file.h"
#include "model/project_file_io.h"

#include <filesystem>
#include <memory>

namespace velmora::cli {
namespace {

struct ExportArgs {
    std::string project;
    std::string csv;
    std::string units = "in";
};

struct ImportArgs {
    std::string csv;
    std::string out;
    std::string style = "GM";
    std::string track;
    bool force = false;
};

void exportCoordinates(const ExportArgs& args) {
    const SuspensionState state = loadProject(args.project);
    refuseToReplaceProject(args.csv, args.project, "CSV");
    const LengthUnit unit = *lengthUnitNamed(args.units);
    writeOutputFile(args.csv, coordinatesCsv(state.RightCoords, state.LeftCoords, unit), "CSV");
}

void importCoordinates(const ImportArgs& args) {
    if (!pathEndsWithNoCase(args.out, ".kqw")) {
        throw UsageError("--out: " + args.out + " is not a .kqw project file name");
    }
    std::error_code ec;
    if (std::filesystem::equivalent(args.out, args.csv, ec)) {
        throw UsageError("project not written: " + args.out + " is the CSV file it is made from");
    }
    if (!args.force && std::filesystem::symlink_status(args.out, ec).type() !=
                           std::filesystem::file_type::not_found) {
        throw UsageError("project not written: " + args.out +
                         " exists (give --force to replace it)");
    }
    const CsvReadResult read = readCoordinatesCsvFile(args.csv);
    if (!read.coordinates) {
        throw UsageError(read.problem);
    }
    Project project;
    project.right = read.coordinates->right;
    project.left = read.coordinates->left;
    project.carStyle = args.style;
    project.formulaCar = args.style == "formula";
    project.trackType = args.track == "none" ? "" : args.track;
    std::string error;
    if (writeProjectFile(args.out, project, &error) != ProjectSaveResult::Saved) {
        throw UsageError("project not written: " + (error.empty() ? args.out : error));
    }
}

} // namespace

void addCsvCommands(CLI::App& app, int& exitCode) {
    (void)exitCode;
    auto exportArgs = std::make_shared<ExportArgs>();
    CLI::App* out = app.add_subcommand(
        "export", "Write both sides' coordinates to a CSV file (box,point,axis,right,left,unit)");
    out->add_option("PROJECT", exportArgs->project, "Project file (.kqw or .kqp)")->required();
    out->add_option("--csv", exportArgs->csv, "CSV file to write")->required();
    out->add_option("--units", exportArgs->units, "Unit of the values written (default in)")
        ->check(CLI::IsMember({"in", "mm"}));
    out->callback([exportArgs] { exportCoordinates(*exportArgs); });

    auto importArgs = std::make_shared<ImportArgs>();
    CLI::App* in = app.add_subcommand(
        "import", "Make a new project from a CSV file of coordinates (as export writes it)");
    in->add_option("CSV", importArgs->csv, "CSV file to read")->required();
    in->add_option("--out", importArgs->out, "Project file to write (.kqw)")->required();
    in->add_option("--style", importArgs->style, "Car style (default GM)")
        ->check(CLI::IsMember({"GM", "Ford", "formula"}));
    in->add_option("--track", importArgs->track, "Track type (default none)")
        ->check(CLI::IsMember({"Dirt", "Asphalt", "Road", "none"}));
    in->add_flag("--force", importArgs->force, "Replace an existing project file");
    in->callback([importArgs] { importCoordinates(*importArgs); });
}

} // namespace velmora::cli
