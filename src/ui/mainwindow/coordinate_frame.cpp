#include "ui/mainwindow/coordinate_frame.h"

#include "model/coordinate_rows.h"
#include "model/entry_text.h"
#include "model/shown_length.h"
#include "ui/widgets/armed_line_edit.h"
#include "ui/widgets/frame_keys.h"
#include "ui/widgets/proportional_layout.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>

namespace velmora {

namespace {

struct RowLabel {
    const char* name;
    const char* caption;
    int top;
    bool heading;
};

// Row captions and their tops, twips; the group headings stand a little to the left.
constexpr std::array<RowLabel, 14> kRows{{
    {"lblXYZTA", "Top Arm", 480, true},
    {"lblXYZTAFP", "Front Pivot", 720, false},
    {"lblXYZTARP", "Rear Pivot", 1080, false},
    {"lblXYZTABJ", "Ball Joint", 1440, false},
    {"lblXYZBA", "Bottom Arm", 1800, true},
    {"lblXYZBAFP", "Front Pivot", 2040, false},
    {"lblXYZBARP", "Rear Pivot", 2400, false},
    {"lblXYZBABJ", "Ball Joint", 2760, false},
    {"lblXYZTR", "Tie Rod", 3120, true},
    {"lblXYZTRIJ", "Inner Joint", 3360, false},
    {"lblXYZTROJ", "Outer Joint", 3720, false},
    {"lblXYZMisc", "Misc.", 4080, true},
    {"lblXYZTC", "Tire Center", 4320, false},
    {"lblXYZSH", "Spindle Height", 4680, false},
}};

// Tops of the point rows 1..8.
constexpr std::array<int, 8> kPointRowTops{720, 1080, 1440, 2040, 2400, 2760, 3360, 3720};
constexpr int kColumnLeft[3] = {1560, 2520, 3480};

QRect boxRect(int index) {
    constexpr int w = 735;
    constexpr int h = 285;
    if (index == 9) {
        return {1800, 4320, w, h};
    }
    if (index == 18) {
        return {2640, 4680, w, h};
    }
    const int column = coordinateAxisOf(index);
    const int row = coordinateRowOf(index);
    return {kColumnLeft[column], kPointRowTops[static_cast<std::size_t>(row - 1)], w, h};
}

} // namespace

QString fractionChartText() {
    static const char* rows[] = {"1/16 = 0.063",  "1/8  = 0.125", "3/16 = 0.188",  "1/4  = 0.250",
                                 "5/16 = 0.313",  "3/8  = 0.375", "7/16 = 0.438",  "1/2  = 0.500",
                                 "9/16 = 0.563",  "5/8  = 0.625", "11/16 = 0.688", "3/4  = 0.750",
                                 "13/16 = 0.813", "7/8  = 0.875", "15/16 = 0.938"};
    QStringList lines;
    if (showsMillimetres()) {
        // The same sixteenths of an inch tape, in millimetres: 1/16" = 1.59.
        for (int sixteenths = 1; sixteenths < 16; ++sixteenths) {
            int numerator = sixteenths;
            int denominator = 16;
            while (numerator % 2 == 0) {
                numerator /= 2;
                denominator /= 2;
            }
            lines << QStringLiteral("%1/%2\" = %3")
                         .arg(numerator)
                         .arg(denominator)
                         .arg(QString::fromStdString(fixedLength(sixteenths / 16.0, 3)));
        }
        return lines.join(QLatin1Char('\n'));
    }
    for (const char* row : rows) {
        lines << QString::fromLatin1(row);
    }
    return lines.join(QLatin1Char('\n'));
}

CoordinateFrame::CoordinateFrame(QWidget* parent)
    : QGroupBox(QStringLiteral("Coordinates"), parent) {
    setObjectName(QStringLiteral("frmXYZ"));
    setAutoFillBackground(true);

    for (std::size_t i = 0; i < kRows.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(kRows[i].caption), this);
        label->setObjectName(QString::fromLatin1(kRows[i].name));
        if (kRows[i].heading) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        rowLabels_[i] = label;
    }
    const char* headingNames[] = {"lblX", "lblY", "lblZ"};
    const char* headingTexts[] = {"X", "Y", "Z"};
    for (int c = 0; c < 3; ++c) {
        headings_[static_cast<std::size_t>(c)] =
            new QLabel(QString::fromLatin1(headingTexts[c]), this);
        headings_[static_cast<std::size_t>(c)]->setObjectName(QString::fromLatin1(headingNames[c]));
        headings_[static_cast<std::size_t>(c)]->setAlignment(Qt::AlignCenter);
    }
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        auto* box = new ArmedLineEdit(this);
        box->setObjectName(QStringLiteral("txtXYZ_%1").arg(i));
        boxes_[static_cast<std::size_t>(i)] = box;
    }

    lblXYZSide_ = new QLabel(this);
    lblXYZSide_->setObjectName(QStringLiteral("lblXYZSide"));
    QFont bold = lblXYZSide_->font();
    bold.setBold(true);
    lblXYZSide_->setFont(bold);

    lblXYZFractoDec_ = new QLabel(this);
    lblXYZFractoDec_->setObjectName(QStringLiteral("lblXYZFractoDec"));
    lblXYZFractoDec_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Several lines: the layout must scale its font, not shrink it to fit all on one line.
    lblXYZFractoDec_->setWordWrap(true);
    QFont smaller = lblXYZFractoDec_->font();
    smaller.setPointSizeF(smaller.pointSizeF() * 0.85);
    lblXYZFractoDec_->setFont(smaller);

    btnDimSym_ = new QPushButton(QStringLiteral("Make Symmetrical"), this);
    btnDimSym_->setObjectName(QStringLiteral("btnDimSym"));
    btnXYZCancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    btnXYZCancel_->setObjectName(QStringLiteral("btnXYZCancel"));
    btnXYZOK_ = new QPushButton(QStringLiteral("OK"), this);
    btnXYZOK_->setObjectName(QStringLiteral("btnXYZOK"));
    btncoordprint_ = new QPushButton(QStringLiteral("Print"), this);
    btncoordprint_->setObjectName(QStringLiteral("btncoordprint"));

    // Across each row, then down; then OK and Cancel.
    QWidget* previous = nullptr;
    const auto chain = [&](QWidget* next) {
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    };
    for (int row = 1; row <= kCoordinateRows; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (const int index = coordinateIndexOf(row, column); index != 0) {
                chain(boxes_[static_cast<std::size_t>(index)]);
            }
        }
    }
    chain(btnXYZOK_);
    chain(btnXYZCancel_);

    connect(btnXYZOK_, &QPushButton::clicked, this, &CoordinateFrame::okPressed);
    connect(btnXYZCancel_, &QPushButton::clicked, this, &CoordinateFrame::cancelPressed);
    connect(btnDimSym_, &QPushButton::clicked, this, &CoordinateFrame::symmetricalPressed);
    connect(btncoordprint_, &QPushButton::clicked, this, &CoordinateFrame::printPressed);
    new FrameKeys(*this, *btnXYZCancel_);
}

void CoordinateFrame::setSide(bool right) {
    lblXYZSide_->setText(right ? QStringLiteral("Right side") : QStringLiteral("Left side"));
}

void CoordinateFrame::setValues(const CoordinateSet& values) {
    fillFractionChart(); // the display unit may have changed since
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        boxes_[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(lengthCellText(values[i])));
    }
}

CoordinateBoxTexts CoordinateFrame::texts() const {
    CoordinateBoxTexts texts;
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        texts[static_cast<std::size_t>(i)] =
            boxes_[static_cast<std::size_t>(i)]->text().toStdString();
    }
    return texts;
}

void CoordinateFrame::fillFractionChart() {
    lblXYZFractoDec_->setText(fractionChartText());
}

void CoordinateFrame::setPrintAvailable(bool available) {
    btncoordprint_->setEnabled(available);
}

void CoordinateFrame::focusFirstBox() {
    boxes_[1]->setFocus(Qt::OtherFocusReason);
}

void CoordinateFrame::addToLayout(ProportionalLayout& layout, const QRect& frameTwips) {
    layout.add(this, frameTwips);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        layout.add(rowLabels_[i], QRect(kRows[i].heading ? 120 : 240, kRows[i].top,
                                        kRows[i].heading ? 1400 : 1300, 285));
    }
    for (int c = 0; c < 3; ++c) {
        layout.add(headings_[static_cast<std::size_t>(c)], QRect(kColumnLeft[c], 240, 735, 255));
    }
    for (int i = CoordinateSet::kFirst; i <= CoordinateSet::kLast; ++i) {
        layout.add(boxes_[static_cast<std::size_t>(i)], boxRect(i));
    }
    layout.add(lblXYZSide_, QRect(4440, 240, 1095, 285));
    layout.add(lblXYZFractoDec_, QRect(4440, 720, 1095, 3375));
    layout.add(btnDimSym_, QRect(120, 5280, 1815, 375));
    layout.add(btnXYZCancel_, QRect(2400, 5280, 975, 375));
    layout.add(btnXYZOK_, QRect(3480, 5280, 975, 375));
    layout.add(btncoordprint_, QRect(3960, 4560, 975, 375));
}

} // namespace velmora
