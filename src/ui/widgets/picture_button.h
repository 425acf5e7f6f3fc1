#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QString>

#include <functional>

namespace velmora {

// A button that shows a bitmap on a background colour, with an optional text, and reports
// a press like any button. A picture that cannot be loaded never fails: the button then
// shows its fallback label (the caption it was made with) on its colour, even after its
// text has been cleared to let the picture speak for itself.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(const QString& caption, QWidget* parent = nullptr);

    // Loads the picture from `path`. Returns false and shows the fallback label when the
    // file is missing or not a picture; the path is remembered either way.
    bool loadPicture(const QString& path);
    void setPicture(const QPixmap& picture);
    // Shows a picture made by the program in place of the file `path` that was asked for
    // (remembered as pictureFile); a null picture shows the fallback label.
    void setDrawnPicture(const QPixmap& picture, const QString& path);
    // The same, with the picture drawn only when the button is first painted or asked about
    // it: the main window's side panels then reach the screen before their pictures are made.
    void setDrawnPicture(std::function<QPixmap()> draw, const QString& path);
    void clearPicture();
    bool hasPicture() const { return !picture().isNull(); }
    // The path last asked for by loadPicture (empty when none was).
    QString pictureFile() const { return pictureFile_; }

    void setBackgroundColor(const QColor& color);
    QColor backgroundColor() const { return background_; }

    QString fallbackLabel() const { return fallbackLabel_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QPixmap& picture() const;

    mutable QPixmap picture_;
    // Draws picture_ when it is first needed; empty once drawn.
    mutable std::function<QPixmap()> draw_;
    QString pictureFile_;
    QString fallbackLabel_;
    QColor background_;
};

// Path of a picture in `folder`. The program names its pictures with a leading backslash
// ("\gmltop.bmp"); it is dropped and the name joined with '/'.
QString picturePath(const QString& folder, const QString& name);

} // namespace velmora
