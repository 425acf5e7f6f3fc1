#include "ui/chassis/springs_frame.h"

#include "model/shown_length.h"
#include "model/shown_quantity.h"
#include "pictures/corner_geometry.h"
#include "pictures/picture_key.h"
#include "pictures/springs_picture.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/proportional_layout.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace velmora {
namespace {

const char* const kRowCaptions[6] = {"Spring on the arm",     "Spring on the chassis",
                                     "Spring rate",           "Damper on the arm",
                                     "Damper on the chassis", "Bar link on the arm"};
// The first box of each row and how many it has.
constexpr int kRowFirst[6] = {0, 3, 6, 7, 10, 13};
constexpr int kRowBoxes[6] = {3, 3, 1, 3, 3, 3};
// The rows that choose their arm.
constexpr int kArmRows[3] = {0, 3, 5};
const char* const kBarCaptions[kBarBoxes] = {"Bar diameter", "Bar wall", "Active length",
                                             "Bar arm length", "Shear modulus"};
const char* const kBarNames[kBarBoxes] = {"txtBarDiameter", "txtBarWall", "txtBarActive",
                                          "txtBarArm", "txtBarModulus"};

// Twips of a side's block: its top, the row height, the columns.
constexpr int kRowHeight = 330;
constexpr int kCaptionLeft = 120, kCaptionWidth = 1850;
constexpr int kArmLeft = 2000, kArmWidth = 1100;
constexpr int kBoxLeft = 3160, kBoxWidth = 760, kBoxStep = 800;

int blockTop(int side) {
    return 240 + side * 2300;
}

ArmMember memberOf(const QComboBox* box) {
    return box->currentIndex() == 1 ? ArmMember::Top : ArmMember::Bottom;
}

void setMember(QComboBox* box, ArmMember arm) {
    box->setCurrentIndex(arm == ArmMember::Top ? 1 : 0);
}

QString unitText() {
    return QString::fromStdString(lengthUnitText());
}

} // namespace

SpringsFrame::SpringsFrame(const SuspensionState& state, QWidget* parent)
    : QGroupBox(QStringLiteral("Springs and Bar"), parent), state_(state) {
    setObjectName(QStringLiteral("frmSprings"));
    setAutoFillBackground(true); // it lies over the main window's panels
    for (int s = 0; s < 2; ++s) {
        buildSide(sides_[static_cast<std::size_t>(s)], s == 0);
    }
    const char* const columns[] = {"X", "Y", "Z"};
    for (std::size_t c = 0; c < 3; ++c) {
        columnLabels_[c] = new QLabel(QString::fromLatin1(columns[c]), this);
        columnLabels_[c]->setAlignment(Qt::AlignCenter);
    }
    for (std::size_t k = 0; k < kBarBoxes; ++k) {
        barBoxes_[k] = new ArmedLineEdit(this);
        barBoxes_[k]->setObjectName(QString::fromLatin1(kBarNames[k]));
        barLabels_[k] = new QLabel(this);
        barLabels_[k]->setBuddy(barBoxes_[k]);
        barLabels_[k]->setWordWrap(true);
        barLabels_[k]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    }
    picFront_ = new DrawingSurface(this);
    picFront_->setObjectName(QStringLiteral("picSpringsFront"));
    picSide_ = new DrawingSurface(this);
    picSide_->setObjectName(QStringLiteral("picSpringsSide"));
    for (DrawingSurface* picture : {picFront_, picSide_}) {
        picture->installEventFilter(this);
    }
    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("btnSpringsOK"));
    btnCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnSpringsCancel"));

    // Tab runs down each side's rows, then the bar, then OK and Cancel.
    QWidget* previous = nullptr;
    const auto chain = [&previous, this](QWidget* next) {
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (SideBoxes& side : sides_) {
        for (int row = 0; row < 6; ++row) {
            for (int a = 0; a < 3; ++a) {
                if (kArmRows[a] == row) {
                    chain(side.arms[static_cast<std::size_t>(a)]);
                }
            }
            for (int b = 0; b < kRowBoxes[row]; ++b) {
                chain(side.boxes[static_cast<std::size_t>(kRowFirst[row] + b)]);
            }
        }
    }
    for (ArmedLineEdit* box : barBoxes_) {
        chain(box);
    }
    chain(btnOk_);
    chain(btnCancel_);
    connect(btnOk_, &QPushButton::clicked, this, &SpringsFrame::okPressed);
    connect(btnCancel_, &QPushButton::clicked, this, &SpringsFrame::cancelPressed);
    new FrameKeys(*this, *btnCancel_);
}

void SpringsFrame::buildSide(SideBoxes& side, bool right) {
    const QString prefix = right ? QStringLiteral("R") : QStringLiteral("L");
    side.heading = new QLabel(this);
    QFont bold = side.heading->font();
    bold.setBold(true);
    side.heading->setFont(bold);
    for (std::size_t r = 0; r < 6; ++r) {
        side.rowLabels[r] = new QLabel(QString::fromLatin1(kRowCaptions[r]), this);
    }
    for (std::size_t b = 0; b < side.boxes.size(); ++b) {
        auto* box = new ArmedLineEdit(this);
        box->setObjectName(QStringLiteral("txtSpring%1%2").arg(prefix).arg(b));
        box->installEventFilter(this);
        // The pictures follow what is typed, as soon as it reads cleanly.
        connect(box, &QLineEdit::textEdited, this, [this] { drawPictures(); });
        side.boxes[b] = box;
    }
    for (std::size_t a = 0; a < 3; ++a) {
        auto* arm = new QComboBox(this);
        arm->setObjectName(QStringLiteral("cboSpringArm%1%2").arg(prefix).arg(a));
        arm->addItems({QStringLiteral("bottom arm"), QStringLiteral("top arm")});
        arm->installEventFilter(this);
        connect(arm, &QComboBox::currentIndexChanged, this, [this] {
            if (isVisible()) {
                drawPictures();
            }
        });
        side.arms[a] = arm;
        side.rowLabels[static_cast<std::size_t>(kArmRows[a])]->setBuddy(arm);
    }
    for (int r = 0; r < 6; ++r) {
        if (r != 0 && r != 3 && r != 5) {
            side.rowLabels[static_cast<std::size_t>(r)]->setBuddy(
                side.boxes[static_cast<std::size_t>(kRowFirst[r])]);
        }
    }
}

void SpringsFrame::setValues(const SpringData& data, bool right) {
    shown_ = data;
    pictureRight_ = right;
    const SpringTexts texts = springTexts(data);
    for (int s = 0; s < 2; ++s) {
        SideBoxes& side = sides_[static_cast<std::size_t>(s)];
        const CornerSpringTexts& t = texts.side(s == 0);
        side.heading->setText(
            QStringLiteral("%1 side (%2)")
                .arg(s == 0 ? QStringLiteral("Right") : QStringLiteral("Left"), unitText()));
        side.rowLabels[2]->setText(
            QStringLiteral("Spring rate (%1)")
                .arg(QString::fromStdString(quantityUnitText(Quantity::Rate))));
        std::array<std::string, 16> values;
        std::copy(t.spring.point.begin(), t.spring.point.end(), values.begin());
        values[6] = t.rate;
        std::copy(t.damper.point.begin(), t.damper.point.end(), values.begin() + 7);
        std::copy(t.link.begin(), t.link.end(), values.begin() + 13);
        for (std::size_t b = 0; b < values.size(); ++b) {
            side.boxes[b]->setText(QString::fromStdString(values[b]));
        }
        setMember(side.arms[0], t.spring.arm);
        setMember(side.arms[1], t.damper.arm);
        setMember(side.arms[2], t.linkArm);
    }
    for (std::size_t k = 0; k < kBarBoxes; ++k) {
        const QString unit =
            k == 4 ? QString::fromStdString(quantityUnitText(Quantity::Modulus)) : unitText();
        barLabels_[k]->setText(
            QStringLiteral("%1 (%2)").arg(QString::fromLatin1(kBarCaptions[k]), unit));
        barBoxes_[k]->setText(QString::fromStdString(texts.bar[k]));
    }
    drawPictures();
}

SpringTexts SpringsFrame::texts() const {
    SpringTexts t;
    for (int s = 0; s < 2; ++s) {
        const SideBoxes& side = sides_[static_cast<std::size_t>(s)];
        CornerSpringTexts& out = t.side(s == 0);
        const auto text = [&side](int b) {
            return side.boxes[static_cast<std::size_t>(b)]->text().toStdString();
        };
        for (int k = 0; k < 6; ++k) {
            out.spring.point[static_cast<std::size_t>(k)] = text(k);
            out.damper.point[static_cast<std::size_t>(k)] = text(7 + k);
        }
        out.rate = text(6);
        for (int k = 0; k < 3; ++k) {
            out.link[static_cast<std::size_t>(k)] = text(13 + k);
        }
        out.spring.arm = memberOf(side.arms[0]);
        out.damper.arm = memberOf(side.arms[1]);
        out.linkArm = memberOf(side.arms[2]);
    }
    for (std::size_t k = 0; k < kBarBoxes; ++k) {
        t.bar[k] = barBoxes_[k]->text().toStdString();
    }
    return t;
}

void SpringsFrame::focusFirst() {
    sides_[pictureRight_ ? 0 : 1].boxes[0]->setFocus(Qt::OtherFocusReason);
}

void SpringsFrame::drawPictures() {
    // What the boxes hold now when it reads cleanly, else what was last shown.
    const auto typed = acceptedSpringData(texts(), shown_);
    const SpringData& data =
        std::holds_alternative<SpringData>(typed) ? std::get<SpringData>(typed) : shown_;
    const CoordinateSet& coords = pictureRight_ ? state_.RightCoords : state_.LeftCoords;
    const Corner corner = pictureCorner(carLookOf(state_.CarStyle).value_or(CarLook::GM), &coords);
    for (DrawingSurface* picture : {picFront_, picSide_}) {
        const double aspect =
            picture->height() > 0 ? static_cast<double>(picture->width()) / picture->height() : 1.2;
        drawSpringsPicture(picture->canvas(), corner, data.side(pictureRight_),
                           picture == picFront_ ? CornerView::Front : CornerView::Side,
                           pictureRight_, aspect);
    }
}

bool SpringsFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == picFront_ || watched == picSide_)) {
        drawPictures();
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        // The pictures follow the side being entered, and what was typed in it.
        for (int s = 0; s < 2; ++s) {
            for (QWidget* w : sides_[static_cast<std::size_t>(s)].boxes) {
                if (w == watched && event->type() == QEvent::FocusIn) {
                    pictureRight_ = s == 0;
                }
            }
            for (QWidget* w : sides_[static_cast<std::size_t>(s)].arms) {
                if (w == watched && event->type() == QEvent::FocusIn) {
                    pictureRight_ = s == 0;
                }
            }
        }
        if (isVisible()) {
            drawPictures();
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void SpringsFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (int s = 0; s < 2; ++s) {
        SideBoxes& side = sides_[static_cast<std::size_t>(s)];
        const int top = blockTop(s);
        layout.add(side.heading, QRect(kCaptionLeft, top, kCaptionWidth, 285));
        if (s == 0) {
            for (int c = 0; c < 3; ++c) {
                layout.add(columnLabels_[static_cast<std::size_t>(c)],
                           QRect(kBoxLeft + kBoxStep * c, top, kBoxWidth, 285));
            }
        }
        for (int r = 0; r < 6; ++r) {
            const int y = top + kRowHeight * (r + 1);
            layout.add(side.rowLabels[static_cast<std::size_t>(r)],
                       QRect(kCaptionLeft, y, kCaptionWidth, 285));
            for (int b = 0; b < kRowBoxes[r]; ++b) {
                layout.add(side.boxes[static_cast<std::size_t>(kRowFirst[r] + b)],
                           QRect(kBoxLeft + kBoxStep * b, y, kBoxWidth, 285));
            }
        }
        for (int a = 0; a < 3; ++a) {
            layout.add(side.arms[static_cast<std::size_t>(a)],
                       QRect(kArmLeft, top + kRowHeight * (kArmRows[a] + 1), kArmWidth, 285));
        }
    }
    for (int k = 0; k < static_cast<int>(kBarBoxes); ++k) {
        const int x = kCaptionLeft + 1120 * k;
        layout.add(barLabels_[static_cast<std::size_t>(k)], QRect(x, 4820, 1080, 480));
        layout.add(barBoxes_[static_cast<std::size_t>(k)], QRect(x, 5330, 900, 285));
    }
    layout.add(picFront_, QRect(5700, 240, 3675, 2520));
    layout.add(picSide_, QRect(5700, 2820, 3675, 2520));
    layout.add(btnOk_, QRect(6960, 5460, 1035, 375));
    layout.add(btnCancel_, QRect(8160, 5460, 1035, 375));
}

} // namespace velmora
