#pragma once

#include "geometry/static_report.h"

#include <QGroupBox>

#include <array>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;

namespace velmora {

class ProportionalLayout;

// The "Static Geometry" frame: steering axis inclination, scrub radius, caster angle and
// caster trail of each side, roll centre height and offset of the car, an OK button that
// hides the frame and a Print button.
class StaticFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit StaticFrame(QWidget* parent = nullptr);

    // Shows the captions in the value labels and keeps them for the Print button.
    void setCaptions(const StaticCaptions& captions);
    const StaticCaptions& captions() const { return captions_; }

    // Blank the right or the left column; both also blank the two roll-centre labels.
    void Clear_RStat();
    void Clear_LStat();

    // Whether the Print button can be pressed.
    void setPrintAvailable(bool available);

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void printPressed();

private:
    QLabel* addLabel(const char* name, const QString& text);

    void showCaptions();

    QPushButton* print_ = nullptr;
    StaticCaptions captions_;
    // The value labels row by row; a row of the car has no left label.
    std::array<QLabel*, 6> rightValues_{};
    std::array<QLabel*, 6> leftValues_{};
    std::vector<std::pair<QWidget*, QRect>> design_;
};

} // namespace velmora
