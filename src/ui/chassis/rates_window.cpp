#include "ui/chassis/rates_window.h"

#include "ui/widgets/drawing_surface.h"
#include "ui/widgets/fitted_table.h"
#include "ui/widgets/print_shortcut.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace velmora {

RatesWindow::RatesWindow(const SuspensionState& state, QWidget* parent)
    : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("frmRates"));
    setWindowTitle(QStringLiteral("Rates and Roll"));

    picRatesPlot_ = new DrawingSurface(this);
    picRatesPlot_->setObjectName(QStringLiteral("picRatesPlot"));
    picRatesPlot_->setBackgroundColor(colors::Black);
    picRatesPlot_->setMinimumSize(kRatesPlotDesignTwips.width / kTwipsPerNaturalPixel / 2,
                                  kRatesPlotDesignTwips.height / kTwipsPerNaturalPixel / 2);
    tblRates_ = new QTableWidget(0, 1, this);
    tblRates_->setObjectName(QStringLiteral("tblRates"));
    tblRates_->setHorizontalHeaderLabels({QStringLiteral("At ride height")});
    tblRates_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRates_->setWordWrap(false);
    lblRatesMessages_ = new QLabel(this);
    lblRatesMessages_->setObjectName(QStringLiteral("lblRatesMessages"));
    lblRatesMessages_->setTextFormat(Qt::PlainText);
    lblRatesMessages_->setWordWrap(true);
    lblRatesMessages_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    btnPrint_ = new QPushButton(QStringLiteral("&Print"), this);
    btnPrint_->setObjectName(QStringLiteral("btnRatesPrint"));
    addPrintShortcut(*this, *btnPrint_);
    btnClose_ = new QPushButton(QStringLiteral("&Close"), this);
    btnClose_->setObjectName(QStringLiteral("btnRatesClose"));

    auto* side = new QVBoxLayout;
    side->addWidget(tblRates_);
    side->addWidget(lblRatesMessages_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnPrint_);
    buttons->addWidget(btnClose_);
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picRatesPlot_, 3);
    layout->addLayout(side, 2);

    connect(btnPrint_, &QPushButton::clicked, this, &RatesWindow::printRequested);
    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
    resize(960, 640);
}

void RatesWindow::setBaseline(const Baseline* baseline) {
    baseline_.reset();
    if (baseline) {
        baseline_ = *baseline;
    }
}

void RatesWindow::refresh() {
    figures_ = ratesFigures(state_, baseline());
    drawRatesPlot(picRatesPlot_->canvas(), figures_);
    const auto rows = ratesTableRows(figures_.rates);
    tblRates_->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const auto& [caption, value] = rows[static_cast<std::size_t>(r)];
        auto* head = new QTableWidgetItem(QString::fromStdString(caption));
        head->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        tblRates_->setVerticalHeaderItem(r, head);
        auto* item = new QTableWidgetItem(QString::fromStdString(value));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tblRates_->setItem(r, 0, item);
    }
    fitTableToContents(*tblRates_);
    // What a blank value lacks, and what the sweep could not reach, once each.
    QStringList lines;
    for (const SpringCurves* c : {&figures_.right, &figures_.left}) {
        for (const Message& m : c->messages) {
            lines.append(QString::fromStdString(m.text));
        }
    }
    for (const Message& m : figures_.rates.messages) {
        lines.append(QString::fromStdString(m.text));
    }
    lines.removeDuplicates();
    lblRatesMessages_->setText(lines.join(QLatin1Char('\n')));
}

bool RatesWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        refresh();
    }
    return QWidget::event(event);
}

} // namespace velmora
