#include "cli/cli_runner.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmora::test {
namespace {

std::string fileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Export in millimetres, import, export again: the same text, and the project has the
// example's coordinates bit for bit (its inch export is the example's). The import refuses
// to replace a file, the CSV above all, and names a bad row.
TEST(CliCsv, ExportImportRoundTripAndRefusals) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("velmora-csv-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const char* example : {"gm-dirt-oval.kqw", "formula-road-course.kqw"}) {
        const std::string csv = (dir / "c.csv").string();
        const std::string project = (dir / "c.kqw").string();
        ASSERT_EQ(runCli({"export", examplePath(example), "--csv", csv, "--units", "mm"}).exitCode,
                  0);
        ASSERT_EQ(runCli({"import", csv, "--out", project, "--force"}).exitCode, 0);
        const std::string again = (dir / "again.csv").string();
        ASSERT_EQ(runCli({"export", project, "--csv", again, "--units", "mm"}).exitCode, 0);
        EXPECT_EQ(fileText(again), fileText(csv)) << example;
        const std::string inches = (dir / "in.csv").string();
        const std::string original = (dir / "original.csv").string();
        runCli({"export", project, "--csv", inches});
        runCli({"export", examplePath(example), "--csv", original});
        EXPECT_EQ(fileText(inches), fileText(original)) << example;
    }
    const std::string csv = (dir / "c.csv").string();
    const struct {
        std::vector<std::string> args;
        const char* says;
    } refused[] = {
        {{"import", csv, "--out", (dir / "c.kqw").string()}, "exists (give --force"},
        {{"import", csv, "--out", csv, "--force"}, "is not a .kqw project file name"},
        {{"import", (dir / "none.csv").string(), "--out", (dir / "n.kqw").string()},
         "not a file that can be read"},
    };
    for (const auto& r : refused) {
        const CliRun run = runCli(r.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find(r.says), std::string::npos) << run.err;
    }
    std::ofstream(dir / "bad.csv") << "box,point,axis,right,left,unit\n4,p,Y,x,1,in\n";
    const CliRun bad =
        runCli({"import", (dir / "bad.csv").string(), "--out", (dir / "bad.kqw").string()});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_NE(bad.err.find("line 2, right: \"x\" is not a number"), std::string::npos) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.kqw"));
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace velmora::test
