#include "ui/chassis/view3d_window.h"

#include "chassis/dive_roll.h"
#include "chassis/steering.h"
#include "chassis_pages/scene_painter.h"
#include "model/shown_length.h"
#include "ui/chassis/step_box.h"
#include "ui/widgets/print_shortcut.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <cmath>

namespace velmora {
namespace {

constexpr int kSliderSteps = 200;
constexpr int kFrameMilliseconds = 33;
constexpr double kPlaySeconds = 4;    // out to the far end and back
constexpr double kPlayRoll = 4;       // degrees each way
constexpr double kKeyOrbit = 5 / 0.4; // pixels of drag a key press stands for (5 degrees)
constexpr double kKeyPan = 20;        // pixels

enum MotionIndex { kRide, kTravel, kDiveRoll, kRack };

QLabel* captionFor(QWidget* buddy, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

View3dWindow::View3dWindow(const SuspensionState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("frmView3d"));
    setWindowTitle(QStringLiteral("3-D View"));
    openGl_ = openGlAvailable();
    if (!openGl_) {
        fallbackNote_ =
            QStringLiteral("OpenGL could not start here; the view is drawn without it.");
    }
    build();
    resize(1000, 700);
    refresh();
}

View3dWindow::~View3dWindow() {
    for (StepBox* box : {txtTravel_, txtDive_, txtRoll_, txtRack_}) {
        box->disconnect(this);
    }
}

void View3dWindow::build() {
    frame_.scene = &scene_;
    surface_ = makeSceneSurface(frame_, openGl_, this);
    surface_->setObjectName(QStringLiteral("picView3d"));
    surface_->setMinimumSize(400, 300);
    surface_->setFocusPolicy(Qt::StrongFocus);
    surface_->setMouseTracking(true);
    surface_->installEventFilter(this);

    const char* const views[] = {"&Front (1)", "&Side (2)", "&Top (3)", "&Iso (0)", "R&eset"};
    const char* const viewNames[] = {"btn3dFront", "btn3dSide", "btn3dTop", "btn3dIso",
                                     "btn3dReset"};
    auto* viewRow = new QHBoxLayout;
    for (std::size_t k = 0; k < viewButtons_.size(); ++k) {
        viewButtons_[k] = new QPushButton(QString::fromLatin1(views[k]), this);
        viewButtons_[k]->setObjectName(QString::fromLatin1(viewNames[k]));
        viewRow->addWidget(viewButtons_[k]);
    }
    connect(viewButtons_[0], &QPushButton::clicked, this, [this] { showView(View3d::Front); });
    connect(viewButtons_[1], &QPushButton::clicked, this, [this] { showView(View3d::Side); });
    connect(viewButtons_[2], &QPushButton::clicked, this, [this] { showView(View3d::Top); });
    connect(viewButtons_[3], &QPushButton::clicked, this, [this] { showView(View3d::Iso); });
    connect(viewButtons_[4], &QPushButton::clicked, this, [this] { showView(View3d::Iso); });
    chkPerspective_ = new QCheckBox(QStringLiteral("&Perspective"), this);
    chkPerspective_->setObjectName(QStringLiteral("chk3dPerspective"));
    chkPerspective_->setChecked(true);
    connect(chkPerspective_, &QCheckBox::toggled, this, [this](bool on) {
        Camera3d c = frame_.camera;
        c.perspective = on;
        setCamera(c);
    });
    viewRow->addWidget(chkPerspective_);
    viewRow->addStretch(1);

    const char* const overlayNames[] = {"Pivot &axes", "Instant ce&ntres", "R&oll centres",
                                        "Steerin&g axes", "&Baseline"};
    auto* overlayRow = new QHBoxLayout;
    for (std::size_t k = 0; k < overlays_.size(); ++k) {
        overlays_[k] = new QCheckBox(QString::fromLatin1(overlayNames[k]), this);
        overlays_[k]->setObjectName(QStringLiteral("chk3dOverlay%1").arg(k));
        connect(overlays_[k], &QCheckBox::toggled, this, [this] { rebuildScene(); });
        overlayRow->addWidget(overlays_[k]);
    }
    overlayRow->addStretch(1);

    cboMotion_ = new QComboBox(this);
    cboMotion_->setObjectName(QStringLiteral("cbo3dMotion"));
    cboMotion_->addItems({QStringLiteral("Ride height"), QStringLiteral("Wheel travel"),
                          QStringLiteral("Dive and roll"), QStringLiteral("Rack travel")});
    txtTravel_ =
        new StepBox(0.1, kMostDive, &sceneTravelProblem, QStringLiteral("Wheel travel"), this);
    txtTravel_->setObjectName(QStringLiteral("txt3dTravel"));
    txtTravel_->setLength(2.5);
    txtDive_ = new StepBox(0.1, kMostDive, &diveProblem, QStringLiteral("Dive"), this);
    txtDive_->setObjectName(QStringLiteral("txt3dDive"));
    txtDive_->setLength(2.5);
    txtRoll_ = new StepBox(0.1, kMostRoll, &rollProblem, QStringLiteral("Roll"), this);
    txtRoll_->setObjectName(QStringLiteral("txt3dRoll"));
    txtRack_ = new StepBox(0.1, kMostRack, &rackProblem, QStringLiteral("Rack travel"), this);
    txtRack_->setObjectName(QStringLiteral("txt3dRack"));
    txtRack_->setLength(2.5);
    sldMotion_ = new QSlider(Qt::Horizontal, this);
    sldMotion_->setObjectName(QStringLiteral("sld3dMotion"));
    sldMotion_->setRange(0, kSliderSteps);
    btnPlay_ = new QPushButton(QStringLiteral("Pla&y"), this);
    btnPlay_->setObjectName(QStringLiteral("btn3dPlay"));
    btnPlay_->setCheckable(true);
    cboMotion_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* motionRow = new QHBoxLayout;
    motionRow->addWidget(captionFor(cboMotion_, QStringLiteral("&Motion"), this));
    motionRow->addWidget(cboMotion_);
    motionRow->addWidget(sldMotion_, 1);
    motionRow->addWidget(btnPlay_);
    // The boxes on a row of their own, so a narrow window cuts none of their captions.
    auto* boxesRow = new QHBoxLayout;
    for (auto [box, text] : {std::pair{txtTravel_, "&Wheel travel"}, std::pair{txtDive_, "&Dive"},
                             std::pair{txtRoll_, "Ro&ll (deg)"}, std::pair{txtRack_, "Rac&k"}}) {
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-10.0000")) + 40);
        boxesRow->addWidget(captionFor(box, QString::fromLatin1(text), this));
        boxesRow->addWidget(box);
        boxesRow->addSpacing(8);
        connect(box, &StepBox::edited, this, [this] { rebuildScene(); });
    }
    boxesRow->addStretch(1);

    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lbl3dStatus"));
    lblStatus_->setWordWrap(true);
    lblStatus_->setTextFormat(Qt::PlainText);
    btnPrint_ = new QPushButton(QStringLiteral("P&rint"), this);
    btnPrint_->setObjectName(QStringLiteral("btn3dPrint"));
    addPrintShortcut(*this, *btnPrint_);
    btnClose_ = new QPushButton(QStringLiteral("&Close"), this);
    btnClose_->setObjectName(QStringLiteral("btn3dClose"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblStatus_, 1);
    bottom->addWidget(btnPrint_);
    bottom->addWidget(btnClose_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(viewRow);
    layout->addWidget(surface_, 1);
    layout->addLayout(overlayRow);
    layout->addLayout(motionRow);
    layout->addLayout(boxesRow);
    layout->addLayout(bottom);

    timer_ = new QTimer(this);
    timer_->setInterval(kFrameMilliseconds);
    connect(timer_, &QTimer::timeout, this, &View3dWindow::stepAnimation);
    connect(btnPlay_, &QPushButton::clicked, this, &View3dWindow::togglePlay);
    connect(cboMotion_, &QComboBox::currentIndexChanged, this, &View3dWindow::motionChanged);
    connect(sldMotion_, &QSlider::valueChanged, this, &View3dWindow::sliderMoved);
    connect(btnPrint_, &QPushButton::clicked, this, &View3dWindow::printRequested);
    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
    motionChanged();
}

SceneState View3dWindow::sceneState() const {
    SceneState at;
    switch (cboMotion_->currentIndex()) {
    case kTravel:
        at.motion = SceneMotion::Travel;
        at.travel = txtTravel_->value();
        break;
    case kDiveRoll:
        at.motion = SceneMotion::DiveRoll;
        at.dive = txtDive_->value();
        at.roll = txtRoll_->value();
        break;
    case kRack:
        at.motion = SceneMotion::Rack;
        at.rack = txtRack_->value();
        break;
    default:
        break;
    }
    return at;
}

void View3dWindow::setBaseline(const Baseline* baseline) {
    baseline_.reset();
    if (baseline) {
        baseline_ = *baseline;
    }
    overlays_[4]->setEnabled(baseline_.has_value());
}

void View3dWindow::refresh() {
    for (StepBox* box : {txtTravel_, txtDive_, txtRack_}) {
        box->showUnit();
    }
    rebuildScene();
}

void View3dWindow::rebuildScene() {
    SceneOverlays o;
    o.pivotAxes = overlays_[0]->isChecked();
    o.instantCentres = overlays_[1]->isChecked();
    o.rollCentres = overlays_[2]->isChecked();
    o.steeringAxes = overlays_[3]->isChecked();
    o.baseline = baseline_ && overlays_[4]->isChecked() ? &*baseline_ : nullptr;
    scene_ = buildScene(state_, sceneState(), o);
    if (!scene_.solved && playing()) {
        togglePlay(); // a state the solution cannot reach stops the animation there
    }
    if (frame_.highlighted && *frame_.highlighted >= scene_.joints.size()) {
        frame_.highlighted.reset();
    }
    if (!cameraSet_ && scene_.solved) {
        const bool perspective = chkPerspective_->isChecked();
        frame_.camera = standardCamera(View3d::Iso, scene_.centre, scene_.size);
        frame_.camera.perspective = perspective;
    }
    showStatus();
    surface_->update();
}

void View3dWindow::showView(View3d view) {
    Camera3d c = standardCamera(view, scene_.centre, scene_.size);
    c.perspective = chkPerspective_->isChecked();
    frame_.camera = c;
    cameraSet_ = view != View3d::Iso;
    surface_->update();
}

void View3dWindow::setCamera(const Camera3d& camera) {
    frame_.camera = camera;
    cameraSet_ = true;
    surface_->update();
}

std::array<double, 2> View3dWindow::range() const {
    switch (cboMotion_->currentIndex()) {
    case kTravel:
        return {-static_cast<double>(state_.VD), static_cast<double>(state_.VU)};
    case kDiveRoll:
        return {-kPlayRoll, kPlayRoll};
    case kRack:
        return {-kDefaultSteerRack, kDefaultSteerRack};
    default:
        break;
    }
    return {0, 0};
}

StepBox* View3dWindow::activeBox() const {
    switch (cboMotion_->currentIndex()) {
    case kTravel:
        return txtTravel_;
    case kDiveRoll:
        return txtRoll_;
    case kRack:
        return txtRack_;
    default:
        break;
    }
    return nullptr;
}

void View3dWindow::motionChanged() {
    const int motion = cboMotion_->currentIndex();
    txtTravel_->setEnabled(motion == kTravel);
    txtDive_->setEnabled(motion == kDiveRoll);
    txtRoll_->setEnabled(motion == kDiveRoll);
    txtRack_->setEnabled(motion == kRack);
    sldMotion_->setEnabled(motion != kRide);
    btnPlay_->setEnabled(motion != kRide);
    if (motion == kRide && playing()) {
        togglePlay();
    }
    if (StepBox* box = activeBox()) {
        const auto [low, high] = range();
        const QSignalBlocker quiet(sldMotion_);
        sldMotion_->setValue(high > low ? static_cast<int>(std::lround((box->value() - low) /
                                                                       (high - low) * kSliderSteps))
                                        : 0);
    }
    rebuildScene();
}

void View3dWindow::sliderMoved(int position) {
    StepBox* box = activeBox();
    if (!box) {
        return;
    }
    const auto [low, high] = range();
    box->setComputedValue(low + (high - low) * position / kSliderSteps, 3);
    rebuildScene();
}

bool View3dWindow::playing() const {
    return timer_->isActive();
}

void View3dWindow::togglePlay() {
    if (playing()) {
        timer_->stop();
        btnPlay_->setChecked(false);
        btnPlay_->setText(QStringLiteral("Pla&y"));
        return;
    }
    if (!activeBox()) {
        btnPlay_->setChecked(false);
        return;
    }
    // From where the slider stands, outward first.
    phase_ = static_cast<double>(sldMotion_->value()) / kSliderSteps;
    btnPlay_->setChecked(true);
    btnPlay_->setText(QStringLiteral("Stop"));
    timer_->start();
}

void View3dWindow::stepAnimation() {
    phase_ = std::fmod(phase_ + 2.0 * kFrameMilliseconds / 1000.0 / kPlaySeconds, 2.0);
    const double along = phase_ < 1 ? phase_ : 2 - phase_;
    sldMotion_->setValue(static_cast<int>(std::lround(along * kSliderSteps)));
}

void View3dWindow::showStatus() {
    QStringList lines;
    if (!fallbackNote_.isEmpty()) {
        lines << fallbackNote_;
    }
    for (const std::string& line : scene_.values) {
        lines << QString::fromStdString(line);
    }
    if (frame_.highlighted && *frame_.highlighted < scene_.joints.size()) {
        lines << QString::fromStdString(jointCaption(scene_.joints[*frame_.highlighted]));
    }
    for (const Message& m : scene_.messages) {
        lines << QString::fromStdString(m.text);
    }
    lines.removeDuplicates();
    lblStatus_->setText(lines.join(QLatin1Char('\n')));
}

bool View3dWindow::keyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers & Qt::ShiftModifier;
    const Camera3d& c = frame_.camera;
    const int w = surface_->width(), h = surface_->height();
    switch (key) {
    case Qt::Key_1:
        showView(View3d::Front);
        return true;
    case Qt::Key_2:
        showView(View3d::Side);
        return true;
    case Qt::Key_3:
        showView(View3d::Top);
        return true;
    case Qt::Key_0:
        showView(View3d::Iso);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const double dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const double dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        setCamera(shift ? panned(c, dx * kKeyPan, dy * kKeyPan, w, h)
                        : orbited(c, dx * kKeyOrbit, dy * kKeyOrbit));
        return true;
    }
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setCamera(zoomed(c, 1));
        return true;
    case Qt::Key_Minus:
        setCamera(zoomed(c, -1));
        return true;
    case Qt::Key_Space:
        togglePlay();
        return true;
    default:
        break;
    }
    return false;
}

bool View3dWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != surface_) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        lastMouse_ = e->position().toPoint();
        surface_->setFocus(Qt::MouseFocusReason);
        return true;
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        const QPoint at = e->position().toPoint();
        const QPoint d = at - lastMouse_;
        lastMouse_ = at;
        const bool pan = (e->buttons() & Qt::RightButton) ||
                         ((e->buttons() & Qt::LeftButton) && (e->modifiers() & Qt::ShiftModifier));
        if (pan) {
            setCamera(panned(frame_.camera, d.x(), d.y(), surface_->width(), surface_->height()));
        } else if (e->buttons() & Qt::LeftButton) {
            setCamera(orbited(frame_.camera, d.x(), d.y()));
        } else if (scene_.solved) {
            const Projection p(frame_.camera, surface_->width(), surface_->height());
            const auto hot = jointAt(scene_, p, at.x(), at.y());
            if (hot != frame_.highlighted) {
                frame_.highlighted = hot;
                showStatus();
                surface_->update();
            }
        }
        return true;
    }
    case QEvent::Wheel: {
        const auto* e = static_cast<QWheelEvent*>(event);
        setCamera(zoomed(frame_.camera, e->angleDelta().y() / 120.0));
        return true;
    }
    case QEvent::KeyPress: {
        const auto* e = static_cast<QKeyEvent*>(event);
        return keyPressed(e->key(), e->modifiers());
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velmora
