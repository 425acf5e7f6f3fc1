#pragma once

#include "analysis/thumbnails.h"
#include "model/suspension_state.h"

#include <QGroupBox>

#include <array>

class QLabel;
class QPushButton;

namespace velmora {

class DrawingSurface;
class PictureButton;
class ProportionalLayout;

// The "Geometry" frame: the five small graphs with their captions and "Analyze" buttons,
// and the Static and Notes buttons, all usable only while the frame is enabled.
class GeometryFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit GeometryFrame(QWidget* parent = nullptr);

    // The five surfaces in drawing order: camber, side scrub, bump steer, caster, fore/aft.
    ThumbnailSurfaces surfaces() const;
    DrawingSurface* surface(GraphKind kind) const;
    QPushButton* analyzeButton(GraphKind kind) const;

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void analyzePressed(GraphKind kind);
    void staticPressed();
    void notesPressed();

private:
    struct Thumbnail {
        GraphKind kind;
        DrawingSurface* surface = nullptr;
        QLabel* caption = nullptr;
        QPushButton* analyze = nullptr;
        int surfaceLeft = 0;
        int buttonLeft = 0;
    };

    const Thumbnail& thumbnail(GraphKind kind) const;

    std::array<Thumbnail, 5> thumbnails_;
    PictureButton* btnStatic_;
    QPushButton* btnNotes_;
};

} // namespace velmora
