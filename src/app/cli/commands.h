#pragma once

#include <CLI/CLI.hpp>

namespace velmora::cli {

// Each command adds itself to the app; its callback runs the command and may set the
// exit code or throw UsageError.
void addSweepCommand(CLI::App& app, int& exitCode);
void addStaticCommand(CLI::App& app, int& exitCode);
void addReportCommand(CLI::App& app, int& exitCode);
void addSuggestCommand(CLI::App& app, int& exitCode);
void addGraphCommand(CLI::App& app, int& exitCode);
void addRenderCommand(CLI::App& app, int& exitCode);
void addPrintCommand(CLI::App& app, int& exitCode);
void addCompareModelsCommand(CLI::App& app, int& exitCode);
void addCompareCommand(CLI::App& app, int& exitCode);
void addBumpSteerFixCommand(CLI::App& app, int& exitCode);
void addRollCommand(CLI::App& app, int& exitCode);
void addSteerCommand(CLI::App& app, int& exitCode);
void addVehicleCommand(CLI::App& app, int& exitCode);
void addSensitivityCommand(CLI::App& app, int& exitCode);
void addReadingsCommand(CLI::App& app, int& exitCode);
void addCsvCommands(CLI::App& app, int& exitCode);
void addSpringsCommands(CLI::App& app, int& exitCode);

inline void registerCommands(CLI::App& app, int& exitCode) {
    addSweepCommand(app, exitCode);
    addStaticCommand(app, exitCode);
    addReportCommand(app, exitCode);
    addSuggestCommand(app, exitCode);
    addGraphCommand(app, exitCode);
    addRenderCommand(app, exitCode);
    addPrintCommand(app, exitCode);
    addCompareModelsCommand(app, exitCode);
    addCompareCommand(app, exitCode);
    addBumpSteerFixCommand(app, exitCode);
    addRollCommand(app, exitCode);
    addSteerCommand(app, exitCode);
    addVehicleCommand(app, exitCode);
    addSensitivityCommand(app, exitCode);
    addReadingsCommand(app, exitCode);
    addCsvCommands(app, exitCode);
    addSpringsCommands(app, exitCode);
}

} // namespace velmora::cli
