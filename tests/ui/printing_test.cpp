#include "fake_printer.h"

#include "main_window_fixture.h"
#include <QLineEdit>

#include "ui/analysis/big_graph.h"
#include "ui/analysis/big_graph_controls.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>

namespace velmora::testing {
namespace {

// The main window with a fake printer and a temporary folder for printouts.
class PrintingTest : public MainWindowTest {
protected:
    std::vector<std::string> jobNames() const {
        std::vector<std::string> names;
        for (const PrintJob& job : printer.jobs) {
            names.push_back(job.name);
        }
        return names;
    }

    QStringList savedFiles() const {
        return QDir(printouts.filePath("out")).entryList(QDir::Files, QDir::Name);
    }
};

bool printsText(const PrintJob& job, const std::string& text) {
    const std::string dump = dumpPrintRecording(job.operations);
    return dump.find(text) != std::string::npos;
}

TEST_F(PrintingTest, WorksheetsMenuSendsTenJobsToThePrinter) {
    menu("mnuPrint")->trigger();
    const std::vector<std::string> expected = {"Right Side Horizontal",
                                               "Right Side Vertical",
                                               "Right Side Fore/Aft",
                                               "Right Tie Rod Horizontal & Vertical",
                                               "Right Tie Rod Fore/Aft",
                                               "Left Side Horizontal",
                                               "Left Side Vertical",
                                               "Left Side Fore/Aft",
                                               "Left Tie Rod Horizontal & Vertical",
                                               "Left Tie Rod Fore/Aft"};
    EXPECT_EQ(jobNames(), expected);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(savedFiles().isEmpty());
}

TEST_F(PrintingTest, WithoutAPrinterPagesBecomePdfFilesAndOneMessage) {
    printer.present = false;
    menu("mnuPrint")->trigger();
    const QStringList files = savedFiles();
    ASSERT_EQ(files.size(), 10);
    EXPECT_TRUE(std::any_of(files.begin(), files.end(), [](const QString& name) {
        return name.startsWith(QStringLiteral("Left Tie Rod Fore-Aft 20"));
    }));
    QFile first(QDir(printouts.filePath("out")).filePath(files.front()));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_TRUE(first.read(5) == "%PDF-");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Information);
    EXPECT_NE(messages.messages[0].text.find("10 pages"), std::string::npos);
    EXPECT_NE(messages.messages[0].text.find(
                  QDir::toNativeSeparators(printouts.filePath("out")).toStdString()),
              std::string::npos);
    EXPECT_TRUE(printer.jobs.empty());

    // The same page again in the same second gets a file of its own.
    messages.messages.clear();
    window->printCoordinates({});
    window->printCoordinates({});
    EXPECT_EQ(savedFiles().size(), 12);
    EXPECT_EQ(messages.messages.size(), 2u);
}

TEST_F(PrintingTest, StaticPrintButtonPrintsTheCaptionsShown) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnStatic");
    click("btnStatPrint");
    ASSERT_EQ(jobNames(), std::vector<std::string>{"Static Geometry"});
    EXPECT_TRUE(printsText(printer.jobs[0], "\\tSTEERING AXIS INCLINATION\\t" +
                                                text("lblStaticLAxis").toStdString() + "\\t" +
                                                text("lblStatRAxis").toStdString() + "\""));
}

TEST_F(PrintingTest, GraphPrintButtonPrintsThePageWithFreshSuggestions) {
    open(examplePath("gm-dirt-oval.kqw"));
    window->selectRight();
    window->analyze(GraphKind::Camber);
    BigGraph* graph = window->windows().graph;
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->controls().lstSuggest->count(), 0);
    graph->controls().btnPrint->click();
    ASSERT_EQ(jobNames(), std::vector<std::string>{"Right Camber Change"});
    EXPECT_GT(graph->controls().lstSuggest->count(), 0);
    const std::string firstSuggestion = graph->controls().lstSuggest->item(0)->text().toStdString();
    EXPECT_TRUE(printsText(printer.jobs[0], "print \"" + firstSuggestion));
    EXPECT_TRUE(printsText(printer.jobs[0], "gm-dirt-oval.kqw\""));
}

TEST_F(PrintingTest, FailingPrinterShowsThePageMessageAndPrintsNothing) {
    printer.failing = true;
    CoordinateBoxTexts boxes;
    boxes[1] = "12.5";
    window->printCoordinates(boxes);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], coordinatePrintFailure());

    messages.messages.clear();
    menu("mnuPrint")->trigger();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "An error has occured while printing");
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(savedFiles().isEmpty());
}

TEST_F(PrintingTest, CoordinatePageUsesTheActiveSideAndTheFileLabel) {
    open(examplePath("gm-dirt-oval.kqw"));
    window->selectRight();
    CoordinateBoxTexts boxes;
    boxes[9] = "31";
    window->printCoordinates(boxes);
    ASSERT_EQ(jobNames(), std::vector<std::string>{"Right Side Suspension Coordinates"});
    EXPECT_TRUE(printsText(printer.jobs[0], "\"Tire Center\" spc(8) \" 31.00\""));
    EXPECT_TRUE(printsText(printer.jobs[0], "\"File:\" spc(1) \"" + text("lblfile").toStdString()));
}

TEST_F(PrintingTest, TheTablesPrintButtonPrintsWhatTheBoxesShow) {
    open(examplePath("gm-dirt-oval.kqw"));
    click("btnDimLXYZ");
    auto* tireCentre = control<QLineEdit>("txtXYZ_9");
    tireCentre->setText(QStringLiteral("31"));
    click("btncoordprint");
    ASSERT_EQ(jobNames(), std::vector<std::string>{"Left Side Suspension Coordinates"});
    EXPECT_TRUE(printsText(printer.jobs[0], "\"Tire Center\" spc(8) \" 31.00\""));
    // Printing neither stores the boxes nor closes the table.
    EXPECT_TRUE(control("frmXYZ")->isVisible());
    EXPECT_NE(window->state().LeftCoords[9], 31.0f);
}

// The system's own printer device: on a machine without a default printer the worksheets
// become files. (On one with a printer nothing is sent: the test is skipped.)
TEST_F(MainWindowTest, WithoutASystemPrinterTheWorksheetsBecomeFiles) {
    if (QtPrinterDevice().hasDefaultPrinter()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    QTemporaryDir printouts;
    ASSERT_TRUE(printouts.isValid());
    window.reset();
    window = std::make_unique<MainWindow>(
        MainWindowServices{dialogs, messages, pictures.path(), nullptr, printouts.path()});
    menu("mnuPrint")->trigger();
    EXPECT_EQ(QDir(printouts.path()).entryList(QDir::Files).size(), 10);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].title, "Print");
}

} // namespace
} // namespace velmora::testing
