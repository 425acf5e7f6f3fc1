#pragma once

#include "analysis/baseline.h"
#include "chassis_pages/scene3d.h"
#include "model/suspension_state.h"
#include "ui/chassis/scene_surface.h"

#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace velmora {

class StepBox;

// "3-D View": both front corners as the 3-D solution places them, turned in the hand (drag to
// orbit, the wheel to zoom, right-drag or Shift+drag to pan; keys 1, 2, 3 and 0 for the front,
// side, top and iso views, the arrows to orbit, + and - to zoom), moved through wheel travel,
// dive and roll or rack travel by a box and a slider or by Play, with overlays to show. It
// draws on OpenGL when it can and with the painter otherwise, saying so once. It reads the
// shared state whenever the project changes (refresh()).
class View3dWindow : public QWidget {
    Q_OBJECT

public:
    explicit View3dWindow(const SuspensionState& state, QWidget* parent = nullptr);
    ~View3dWindow() override;

    void refresh();
    void setBaseline(const Baseline* baseline);

    const Scene3d& scene() const { return scene_; }
    const Camera3d& camera() const { return frame_.camera; }
    SceneState sceneState() const;
    bool usesOpenGl() const { return openGl_; }
    bool playing() const;
    // One step of the animation, as the timer takes it.
    void stepAnimation();

signals:
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void showView(View3d view);
    void setCamera(const Camera3d& camera);
    void rebuildScene();
    void motionChanged();
    void sliderMoved(int position);
    void togglePlay();
    // The chosen motion's range, for the slider and Play.
    std::array<double, 2> range() const;
    StepBox* activeBox() const;
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);
    void showStatus();

    const SuspensionState& state_;
    std::optional<Baseline> baseline_;
    Scene3d scene_;
    SceneFrame frame_;
    bool openGl_ = false;
    QString fallbackNote_;
    QString hover_;
    bool cameraSet_ = false; // the user has turned the view: a new scene keeps the camera
    double phase_ = 0;       // of the animation, 0..2 (out and back)
    QPoint lastMouse_;

    QWidget* surface_ = nullptr;
    std::array<QPushButton*, 5> viewButtons_{}; // front, side, top, iso, reset
    QCheckBox* chkPerspective_ = nullptr;
    std::array<QCheckBox*, 5> overlays_{}; // pivot axes, instant centres, roll centres,
                                           // steering axes, baseline
    QComboBox* cboMotion_ = nullptr;
    StepBox* txtTravel_ = nullptr;
    StepBox* txtDive_ = nullptr;
    StepBox* txtRoll_ = nullptr;
    StepBox* txtRack_ = nullptr;
    QSlider* sldMotion_ = nullptr;
    QPushButton* btnPlay_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QPushButton* btnPrint_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    QTimer* timer_ = nullptr;
};

} // namespace velmora
