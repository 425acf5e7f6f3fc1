#include "ui/analysis/sensitivity_window.h"

#include "model/number_text.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace velmora {
namespace {

// Ten-thousandths, as the command line's sensitivity table has them.
QString change(double value) {
    return std::isfinite(value) ? QString::fromStdString(fixedText(value, 4)) : QStringLiteral("-");
}

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment, int index) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setData(Qt::UserRole, index);
    return item;
}

} // namespace

SensitivityWindow::SensitivityWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmSensitivity"));
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblSensitivityHeading"));
    heading_->setWordWrap(true);
    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("tblSensitivity"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("btnSensitivityClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableWidget::itemDoubleClicked, this, [this](QTableWidgetItem* item) {
        emit adjustRequested(item->data(Qt::UserRole).toInt());
    });
    resize(520, 640);
}

void SensitivityWindow::fill(const Sensitivity& sensitivity, const QString& caption,
                             const QString& curve, const QString& unit, const QString& step) {
    setWindowTitle(caption);
    heading_->setText(
        QStringLiteral("Change of the %1 (%2) at full bump and full rebound when one coordinate "
                       "grows by %3, largest first. Double-click a row to try it in Adjust a "
                       "Point.")
            .arg(curve, unit, step));
    if (!sensitivity.complete) {
        heading_->setText(QStringLiteral("The side is not complete, so it has no curves."));
    }
    const std::vector<SensitivityRow> rows = byLargestEffect(sensitivity);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(rows.size()));
    table_->setHorizontalHeaderLabels({QStringLiteral("Point"), QStringLiteral("Axis"),
                                       QStringLiteral("At full bump"),
                                       QStringLiteral("At full rebound")});
    constexpr Qt::Alignment right = Qt::AlignRight;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SensitivityRow& row = rows[static_cast<std::size_t>(r)];
        QString why;
        for (const Message& message : row.messages) {
            why += (why.isEmpty() ? QString() : QStringLiteral("\n")) +
                   QString::fromStdString(message.text);
        }
        QTableWidgetItem* const items[] = {
            cell(QString::fromStdString(row.point), Qt::AlignLeft, row.index),
            cell(QString::fromStdString(row.axis), Qt::AlignHCenter, row.index),
            cell(change(row.atBump), right, row.index),
            cell(change(row.atRebound), right, row.index)};
        for (int c = 0; c < 4; ++c) {
            items[c]->setToolTip(why);
            table_->setItem(r, c, items[c]);
        }
    }
}

} // namespace velmora
