#pragma once

#include "drawing/design_size.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QVector>

class QWidget;

namespace velmora {

// Keeps the controls of a window where they were designed, in proportion to the window's
// current size. Every control is recorded with its design rectangle in twips (1440 per
// inch), relative to its parent as designed; when the host (the window's client area)
// changes size, each rectangle is scaled by the host's width and height over the design
// client size. Fonts scale with the smaller of the two factors, so texts keep fitting.
class ProportionalLayout : public QObject {
    Q_OBJECT

public:
    // Pixels per twip at the platform's usual 96 dots per inch.
    static constexpr double kNaturalPixelsPerTwip = velmora::kNaturalPixelsPerTwip;

    ProportionalLayout(QWidget* host, QSize designClientTwips);

    // Records a control; its font as set now is the font at the natural scale. Adding a
    // control again replaces its rectangle.
    void add(QWidget* control, const QRect& designTwips);
    // Gives a recorded control another design rectangle and places it there; unlike adding
    // it again, its font at the natural scale stays what it was.
    void move(QWidget* control, const QRect& designTwips);
    bool contains(const QWidget* control) const;
    QRect designRect(const QWidget* control) const;

    void setScaleFonts(bool scale) { scaleFonts_ = scale; }

    // Places every control for the host's current size. Runs by itself on every resize.
    void apply();

    // Pixels per twip along each axis for the host's current size.
    double scaleX() const;
    double scaleY() const;
    // Pixel rectangle of a design rectangle at the current scale.
    QRect toPixels(const QRect& designTwips) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<QWidget> control;
        QRect design;
        double basePointSize = 0;
        int basePixelSize = 0;
    };

    QWidget* host_;
    QSize design_;
    QVector<Entry> entries_;
    QHash<const QWidget*, int> index_;
    bool scaleFonts_ = true;
};

} // namespace velmora
