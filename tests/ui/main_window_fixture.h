#pragma once

#include "core/drawing/recorded_ops.h"
#include "fake_printer.h"
#include "fakes.h"
#include "ui/mainwindow/main_window.h"
#include "ui/widgets/drawing_surface.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <string>

namespace velmora::testing {

inline std::string examplePath(const char* name) {
    return std::string(VELMORA_SOURCE_DIR) + "/examples/" + name;
}

// A main window as the program starts it, with file dialogs and message boxes answered by
// fakes and a picture folder that holds only a few of the side-panel pictures.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pictures.isValid());
        for (const char* name : {"gmltop.bmp", "gmdisrtop.bmp", "xyz.bmp", "disxyz.bmp"}) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::darkBlue);
            ASSERT_TRUE(image.save(pictures.filePath(QString::fromLatin1(name)), "BMP"));
        }
        // Pages go to a fake printer, and files of a missing printer to a folder of the test:
        // a test never prints or fills the user's documents folder.
        ASSERT_TRUE(printouts.isValid());
        window = std::make_unique<MainWindow>(MainWindowServices{
            dialogs, messages, pictures.path(), &printer, printouts.filePath("out")});
        window->show();
    }

    void TearDown() override {
        // Closing the window would ask the save question; the test is over, so no.
        window.reset();
    }

    template <typename T = QWidget> T* control(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QAction* menu(const char* name) const { return control<QAction>(name); }

    void click(const char* name) const {
        auto* button = control<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
        button->click();
    }

    QString text(const char* label) const { return control<QLabel>(label)->text(); }

    // A side's coordinates as an edit of the project puts them (one step, swept at once).
    void storeCoordinates(bool right, const CoordinateSet& set) const {
        window->document().apply(setCoordinatesEdit("Coordinate Table", right, set));
    }
    void storeCoordinate(bool right, int index, float value) const {
        CoordinateSet set = window->document().project().coords(right);
        set[index] = value;
        storeCoordinates(right, set);
    }

    // Opens a project through the File menu, the dialog answering with `path`.
    void open(const std::string& path) {
        dialogs.openAnswers.push_back(QString::fromStdString(path));
        menu("mnuOpen")->trigger();
    }

    // Lines of a colour on a thumbnail surface.
    long linesOf(const char* surface, Rgb color) const {
        const Recording& ops = control<DrawingSurface>(surface)->recording();
        return static_cast<long>(testing::linesIn(ops, color).size());
    }

    QTemporaryDir pictures;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakePrinterDevice printer;
    QTemporaryDir printouts;
    std::unique_ptr<MainWindow> window;
};

} // namespace velmora::testing
