#include "ui/mainwindow/geometry_frame.h"

#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>

namespace velmora {

namespace {

struct ThumbnailDesign {
    GraphKind kind;
    const char* surfaceName;
    const char* captionName;
    const char* caption;
    const char* buttonName;
    int surfaceLeft;
    int buttonLeft;
};

// Left to right, which is also the order the graphs are drawn in.
constexpr ThumbnailDesign kDesign[] = {
    {GraphKind::Camber, "picCamber", "lblCamber", "Camber", "btnCamber", 120, 480},
    {GraphKind::SideScrub, "picSideScrub", "lblSideScrub", "Side Scrub", "btnSideScrub", 1800,
     2160},
    {GraphKind::BumpSteer, "picBumpSteer", "lblBumpSteer", "Bump Steer", "btnBumpSteer", 3480,
     3840},
    {GraphKind::Caster, "picCaster", "lblCaster", "Caster", "btnCaster", 5160, 5640},
    {GraphKind::ForeAft, "picForeAft", "lblForeAft", "Fore/Aft", "btnForeAft", 6840, 7320},
};

constexpr int kSurfaceTop = 240;
constexpr int kSurfaceWidth = kThumbnailDesignTwips.width;
constexpr int kSurfaceHeight = kThumbnailDesignTwips.height;
constexpr int kCaptionTop = 1680;
constexpr int kCaptionHeight = 240;
constexpr int kButtonTop = 1920;

} // namespace

GeometryFrame::GeometryFrame(QWidget* parent) : QGroupBox(QStringLiteral("Geometry"), parent) {
    setObjectName(QStringLiteral("frmGeo"));
    for (std::size_t i = 0; i < thumbnails_.size(); ++i) {
        const ThumbnailDesign& design = kDesign[i];
        Thumbnail& thumb = thumbnails_[i];
        thumb.kind = design.kind;
        thumb.surfaceLeft = design.surfaceLeft;
        thumb.buttonLeft = design.buttonLeft;

        thumb.surface = new DrawingSurface(this);
        thumb.surface->setObjectName(QString::fromLatin1(design.surfaceName));
        thumb.surface->canvas().setScale(0, 0, kThumbnailWidth, kThumbnailHeight);

        thumb.caption = new QLabel(QString::fromLatin1(design.caption), this);
        thumb.caption->setObjectName(QString::fromLatin1(design.captionName));
        thumb.caption->setAlignment(Qt::AlignCenter);

        thumb.analyze = new QPushButton(QStringLiteral("Analyze"), this);
        thumb.analyze->setObjectName(QString::fromLatin1(design.buttonName));
        const GraphKind kind = design.kind;
        connect(thumb.analyze, &QPushButton::clicked, this,
                [this, kind] { emit analyzePressed(kind); });
    }

    btnStatic_ = new PictureButton(QStringLiteral("Static"), this);
    btnStatic_->setObjectName(QStringLiteral("btnStatic"));
    connect(btnStatic_, &PictureButton::clicked, this, &GeometryFrame::staticPressed);

    btnNotes_ = new QPushButton(QStringLiteral("Notes"), this);
    btnNotes_->setObjectName(QStringLiteral("btnNotes"));
    connect(btnNotes_, &QPushButton::clicked, this, &GeometryFrame::notesPressed);
}

const GeometryFrame::Thumbnail& GeometryFrame::thumbnail(GraphKind kind) const {
    for (const Thumbnail& thumb : thumbnails_) {
        if (thumb.kind == kind) {
            return thumb;
        }
    }
    return thumbnails_.front();
}

ThumbnailSurfaces GeometryFrame::surfaces() const {
    ThumbnailSurfaces result;
    result.camber = &surface(GraphKind::Camber)->canvas();
    result.sideScrub = &surface(GraphKind::SideScrub)->canvas();
    result.bumpSteer = &surface(GraphKind::BumpSteer)->canvas();
    result.caster = &surface(GraphKind::Caster)->canvas();
    result.foreAft = &surface(GraphKind::ForeAft)->canvas();
    return result;
}

DrawingSurface* GeometryFrame::surface(GraphKind kind) const {
    return thumbnail(kind).surface;
}

QPushButton* GeometryFrame::analyzeButton(GraphKind kind) const {
    return thumbnail(kind).analyze;
}

void GeometryFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (const Thumbnail& thumb : thumbnails_) {
        layout.add(thumb.surface,
                   QRect(thumb.surfaceLeft, kSurfaceTop, kSurfaceWidth, kSurfaceHeight));
        layout.add(thumb.caption,
                   QRect(thumb.surfaceLeft, kCaptionTop, kSurfaceWidth, kCaptionHeight));
        layout.add(thumb.analyze, QRect(thumb.buttonLeft, kButtonTop, 855, 375));
    }
    layout.add(btnStatic_, QRect(8640, 240, 735, 615));
    layout.add(btnNotes_, QRect(8640, 960, 735, 615));
}

} // namespace velmora
