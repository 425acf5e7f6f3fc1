#pragma once

#include <QGroupBox>
#include <QStringList>

#include <string>

class QLabel;
class QPushButton;

namespace velmora {

class PictureBox;
class ProportionalLayout;

// "Help": the measuring guide, three screens of picture and text on how to lay a car out on
// the floor. It lies over the dimension wizard, which stays open beneath it, and never
// touches the coordinates. The screen shown is known by the text of its screen label.
class HelpFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit HelpFrame(QWidget* parent = nullptr);

    void setPictureFolders(const QStringList& folders) { folders_ = folders; }

    // Opens on screen 1, whatever screen it was closed on.
    void open();
    // The drawn pictures show a typical corner of this car style ("GM", "Ford", "formula").
    void setCarStyle(const std::string& carStyle);
    void next();
    void back();
    void cancel();

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

private:
    void showScreen(int screen);
    int screenShown() const;

    QStringList folders_;
    PictureBox* picHelp_;
    QLabel* lblHelpText_;
    QPushButton* btnHelpBack_;
    QPushButton* btnHelpNext_;
    QLabel* lblHelpScnNum_;
    QPushButton* btnHelpCancel_;
};

} // namespace velmora
