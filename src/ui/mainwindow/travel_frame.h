#pragma once

#include <QGroupBox>

#include <optional>
#include <string_view>

class QLabel;
class QPushButton;

namespace velmora {

class ArmedLineEdit;
class ProportionalLayout;

struct TravelRange {
    float bump = 0;
    float rebound = 0;
};

// What "OK" makes of the two travel boxes: both travels become the larger of the two
// entries. A box that does not hold a number, a travel of 0 or less, or one the sweep cannot
// step through (Travel::IsValid) is refused (nullopt) so the previous range stays.
std::optional<TravelRange> acceptedTravel(std::string_view bumpText, std::string_view reboundText);

// The "Range to Analyze" frame: bump and rebound travel in two armed boxes, OK and Cancel.
// It only edits texts; the main window decides what OK and Cancel do.
class TravelFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit TravelFrame(QWidget* parent = nullptr);

    // Puts the travels into the boxes as plain decimal text ("3" for 3).
    void setTravel(float bump, float rebound);
    std::string bumpText() const;
    std::string reboundText() const;
    void focusBump();

    void addToLayout(ProportionalLayout& layout, const QRect& frameTwips);

signals:
    void okPressed();
    void cancelPressed();

private:
    QLabel* lblBump_;
    ArmedLineEdit* txtBump_;
    QLabel* lblRebound_;
    ArmedLineEdit* txtRebound_;
    QPushButton* btnOk_;
    QPushButton* btnCancel_;
};

} // namespace velmora
