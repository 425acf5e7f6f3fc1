#pragma once

#include <QGroupBox>
#include <QHash>
#include <QString>

#include <map>
#include <string>
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

    // Sets the captions of the named value labels (lblStatRAxis, lblStatRCO, ...); names
    // that are not value labels of this frame are ignored.
    void setCaptions(const std::map<std::string, std::string>& captions);
    QString caption(const QString& labelName) const;

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

    QPushButton* print_ = nullptr;
    QHash<QString, QLabel*> values_;
    std::vector<std::pair<QWidget*, QRect>> design_;
};

} // namespace velmora
