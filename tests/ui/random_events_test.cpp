// A seeded random user: thousands of clicks, keys, clipboard shortcuts and menu commands
// over a loaded project, with message boxes and file dialogs answered at random. The
// program must stay alive, every shared number finite, and a project saved at the end
// must reopen equal to what was saved.
//
// CI runs a short seed. A long run:
//   scripts/random-events 100000 7
#include "fake_printer.h"
#include "fakes.h"
#include "main_window_fixture.h"
#include "model/project_file_io.h"
#include "ui/mainwindow/notes_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>

#include <sys/stat.h>

namespace velmora::testing {
namespace {

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value > 0 ? value : fallback;
}

// Message boxes answered with any of the buttons they have.
class RandomMessageBoxes : public MessageSink {
public:
    explicit RandomMessageBoxes(std::mt19937& random) : random_(random) {}
    MessageAnswer show(const Message& message) override {
        ++shown;
        switch (message.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return random_() % 2 ? MessageAnswer::Yes : MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            break;
        }
        const MessageAnswer answers[] = {MessageAnswer::Yes, MessageAnswer::No,
                                         MessageAnswer::Cancel};
        return answers[random_() % 3];
    }
    long shown = 0;

private:
    std::mt19937& random_;
};

// File dialogs that cancel, or name a sample project, a file of the test's own folder, a
// file that is not there, a folder, a named pipe or a name without an extension.
class RandomFileDialogs : public FileDialogs {
public:
    RandomFileDialogs(std::mt19937& random, const QTemporaryDir& folder)
        : random_(random), folder_(folder) {}
    std::optional<QString> openFileName(QWidget*, const QString&) override {
        if (forcedOpen) {
            auto answer = forcedOpen;
            forcedOpen.reset();
            return answer;
        }
        return pick(true);
    }
    std::optional<QString> saveFileName(QWidget*, const QString&) override {
        if (forcedSave) {
            auto answer = forcedSave;
            forcedSave.reset();
            return answer;
        }
        return pick(false);
    }
    // The next answer, whatever chance says.
    std::optional<QString> forcedOpen;
    std::optional<QString> forcedSave;

private:
    // Saves go to the test's own folder only: the sample projects are opened, never written.
    std::optional<QString> pick(bool opening) {
        const QString names[] = {
            opening ? QString::fromStdString(examplePath("gm-dirt-oval.kqw"))
                    : folder_.filePath(QStringLiteral("gm.kqw")),
            opening ? QString::fromStdString(examplePath("ford-asphalt-oval.kqw"))
                    : folder_.filePath(QStringLiteral("ford")),
            opening ? QString::fromStdString(examplePath("formula-road-course.kqw"))
                    : folder_.filePath(QStringLiteral("formula.kqw")),
            folder_.filePath(QStringLiteral("saved.kqw")),
            folder_.filePath(QStringLiteral("saved")),
            folder_.filePath(QStringLiteral("missing.kqw")),
            folder_.filePath(QStringLiteral("folder.kqw")),
            folder_.filePath(QStringLiteral("pipe.kqw")),
        };
        const std::size_t choice = random_() % (std::size(names) + 2);
        if (choice >= std::size(names)) {
            return std::nullopt;
        }
        return names[choice];
    }
    std::mt19937& random_;
    const QTemporaryDir& folder_;
};

bool finite(float v) {
    return std::isfinite(v);
}

void expectFinite(const SuspensionState& s) {
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        ASSERT_TRUE(finite(s.RightCoords[i]) && finite(s.LeftCoords[i])) << i;
    }
    for (const float v : {s.VU, s.VD, s.VI, s.VY, s.TireCenterX, s.SpindleHeight}) {
        ASSERT_TRUE(finite(v));
    }
    for (const double v :
         {s.LeftScrubRadius, s.LeftSAI, s.LeftCasterTrail, s.LeftCaster, s.RightScrubRadius,
          s.RightSAI, s.RightCasterTrail, s.RightCaster, s.RollCenterHeight, s.RollCenterOffset}) {
        ASSERT_TRUE(std::isfinite(v));
    }
    for (const Curve* curve : {&s.CamberChange, &s.SideScrub, &s.CasterChange, &s.ForeAft,
                               &s.BumpSteer, &s.TieRodOuterX, &s.TieRodOuterY}) {
        for (const float v : *curve) {
            ASSERT_TRUE(finite(v));
        }
    }
    for (const BallJointPair& pair : s.BallJointPos) {
        for (const Point3& p : {pair.top, pair.bottom}) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
        }
    }
    for (const Point3& p : s.SusPoints) {
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
    }
}

class RandomUser {
public:
    RandomUser(std::mt19937& random, MainWindow& window) : random_(random), window_(window) {}

    void act() {
        switch (random_() % 10) {
        case 0:
        case 1:
        case 2:
            clickSomething();
            break;
        case 3:
            triggerMenu();
            break;
        case 4:
            fillClipboard();
            [[fallthrough]];
        case 5:
        case 6:
        case 7:
            pressKey();
            break;
        case 8:
            typeText();
            break;
        default:
            if (random_() % 8 == 0) {
                window_.resize(400 + int(random_() % 1200), 300 + int(random_() % 800));
            } else {
                clickSomething();
            }
        }
    }

private:
    template <typename T> QList<T*> visibleEnabled() const {
        QList<T*> found;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) {
                continue;
            }
            for (T* widget : top->findChildren<T*>()) {
                if (widget->isVisible() && widget->isEnabled()) {
                    found << widget;
                }
            }
        }
        return found;
    }

    void clickSomething() {
        const QList<QWidget*> controls = visibleEnabled<QWidget>();
        if (controls.isEmpty()) {
            return;
        }
        QWidget* target = controls[int(random_() % controls.size())];
        // Leaving by the close box or Exit is tried by the file tests; here the user stays.
        QTest::mouseClick(target, random_() % 6 == 0 ? Qt::MiddleButton : Qt::LeftButton);
    }

    void triggerMenu() {
        QList<QAction*> actions;
        for (QAction* action : window_.findChildren<QAction*>()) {
            if (action->isEnabled() && action->objectName().startsWith(QLatin1String("mnu")) &&
                action->objectName() != QLatin1String("mnuExit") && !action->menu()) {
                actions << action;
            }
        }
        if (!actions.isEmpty()) {
            actions[int(random_() % actions.size())]->trigger();
        }
    }

    void fillClipboard() {
        auto* data = new QMimeData;
        switch (random_() % 4) {
        case 0:
            break; // empty
        case 1:
            data->setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
            break;
        case 2:
            data->setText(QStringLiteral("12.5"));
            break;
        default:
            data->setText(QStringLiteral("-.375e9 x\r\n\t\"quoted\", 1/8"));
        }
        QApplication::clipboard()->setMimeData(data);
    }

    void pressKey() {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || !target->isVisible()) {
            const QList<QWidget*> boxes = visibleEnabled<QWidget>();
            if (boxes.isEmpty()) {
                return;
            }
            target = boxes[int(random_() % boxes.size())];
        }
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key keys[] = {
            {Qt::Key_1, Qt::NoModifier},          {Qt::Key_5, Qt::NoModifier},
            {Qt::Key_0, Qt::NoModifier},          {Qt::Key_Period, Qt::NoModifier},
            {Qt::Key_Minus, Qt::NoModifier},      {Qt::Key_A, Qt::NoModifier},
            {Qt::Key_E, Qt::NoModifier},          {Qt::Key_Left, Qt::NoModifier},
            {Qt::Key_Right, Qt::NoModifier},      {Qt::Key_Up, Qt::NoModifier},
            {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Tab, Qt::NoModifier},
            {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Return, Qt::NoModifier},
            {Qt::Key_Enter, Qt::NoModifier},      {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Space, Qt::NoModifier},      {Qt::Key_Backspace, Qt::NoModifier},
            {Qt::Key_Delete, Qt::NoModifier},     {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_Insert, Qt::ShiftModifier},  {Qt::Key_C, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},     {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier},
        };
        const Key& key = keys[random_() % std::size(keys)];
        QTest::keyClick(target, key.key, key.modifiers);
    }

    void typeText() {
        QList<QWidget*> boxes;
        for (QLineEdit* box : visibleEnabled<QLineEdit>()) {
            boxes << box;
        }
        for (QPlainTextEdit* box : visibleEnabled<QPlainTextEdit>()) {
            boxes << box;
        }
        if (boxes.isEmpty()) {
            return;
        }
        static const char* const texts[] = {"12.5", "0",  "-3",  "1e30", "nan", "inf",
                                            "abc",  "7x", ".5.", "1/8",  "",    "99999999999"};
        QWidget* box = boxes[int(random_() % boxes.size())];
        box->setFocus();
        QTest::keyClicks(box, QString::fromLatin1(texts[random_() % std::size(texts)]));
    }

    std::mt19937& random_;
    MainWindow& window_;
};

TEST(RandomEvents, TheProgramSurvivesARandomUser) {
    const long seed = environmentNumber("VELMORA_RANDOM_SEED", 20261208);
    const long events = environmentNumber("VELMORA_RANDOM_EVENTS", 3000);
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    std::filesystem::create_directories(
        folder.filePath(QStringLiteral("folder.kqw")).toStdString());
    ASSERT_EQ(::mkfifo(folder.filePath(QStringLiteral("pipe.kqw")).toLocal8Bit().constData(), 0644),
              0);

    RandomMessageBoxes messages(random);
    RandomFileDialogs dialogs(random, folder);
    // Pages go to a fake printer that sometimes jams or is missing; files of a missing
    // printer go to the test's folder.
    FakePrinterDevice printer;
    MainWindow window(MainWindowServices{dialogs, messages, folder.path(), &printer,
                                         folder.filePath(QStringLiteral("printouts"))});
    window.show();
    dialogs.forcedOpen = QString::fromStdString(examplePath("gm-dirt-oval.kqw"));
    window.fileOpen();
    ASSERT_TRUE(isComplete(window.state().LeftCoords));

    RandomUser user(random, window);
    for (long event = 0; event < events; ++event) {
        if (event % 97 == 0) {
            printer.present = random() % 4 != 0;
            printer.failing = random() % 4 == 0;
        }
        user.act();
        QApplication::processEvents();
        ASSERT_TRUE(window.isVisible()) << "event " << event << " of seed " << seed;
        if (event % 50 == 0) {
            ASSERT_NO_FATAL_FAILURE(expectFinite(window.state())) << "event " << event;
        }
    }
    ASSERT_NO_FATAL_FAILURE(expectFinite(window.state()));

    // Whatever the user did, what is saved reopens equal.
    const QString saved = folder.filePath(QStringLiteral("final.kqw"));
    dialogs.forcedSave = saved;
    ASSERT_TRUE(window.fileSave());
    // What is saved is the project, not a trial of Adjust a Point that may be on show.
    const Project& project = window.document().project();
    const ProjectReadResult read = readProjectFile(saved.toStdString());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.project->RightCoords, project.right);
    EXPECT_EQ(read.project->LeftCoords, project.left);
    EXPECT_EQ(read.project->CarStyle, project.carStyle);
    EXPECT_EQ(read.project->TrackType, project.trackType);
    // The notes field cannot hold a double quote: it is stored as two single quotes.
    std::string notes = notesWithRecordLineEnds(project.notes);
    for (std::size_t at = 0; (at = notes.find('"', at)) != std::string::npos; at += 2) {
        notes.replace(at, 1, "''");
    }
    EXPECT_EQ(read.project->notes, notes);
    RecordProperty("events", std::to_string(events));
    RecordProperty("message_boxes", std::to_string(messages.shown));
}

} // namespace
} // namespace velmora::testing
