#include "ui/mainwindow/side_refresh.h"

#include "analysis/thumbnails.h"
#include "model/gathering_message_sink.h"
#include "pictures/side_panel_pictures.h"
#include "ui/mainwindow/geometry_frame.h"
#include "ui/mainwindow/side_frame.h"

#include <QApplication>
#include <QPalette>

#include <utility>

namespace velmora {

namespace {

Rgb buttonFace() {
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return Rgb{static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
               static_cast<std::uint8_t>(face.blue())};
}

} // namespace

SideRefresh::SideRefresh(SuspensionState& state, Panels panels, MessageSink& messages,
                         QStringList pictureFolders)
    : state_(state), panels_(panels), messages_(messages),
      pictureFolders_(std::move(pictureFolders)) {}

void SideRefresh::reselectActiveSide() {
    selectSide(state_.Right_Active);
}

void SideRefresh::selectSide(bool right) {
    // A sweep may show a message, and a resize during its modal loop must not start a second
    // sweep over the state the first one is still filling: it is run afterwards instead.
    if (refreshing_) {
        refreshPending_ = true;
        return;
    }
    refreshing_ = true;
    do {
        refreshPending_ = false;
        selectSideInTwoPasses(
            state_, right, [this](bool side, bool gonly) { enableGraphsOf(side, gonly); },
            [this, right] {
                if (right) {
                    DisableL();
                } else {
                    DisableR();
                }
            });
        right = state_.Right_Active;
    } while (refreshPending_);
    refreshing_ = false;
}

void SideRefresh::DisableR() {
    state_.Right_Active = false;
    showPanels(false);
}

void SideRefresh::DisableL() {
    state_.Right_Active = true;
    showPanels(true);
}

void SideRefresh::showPanels(bool rightActive) {
    const SidePanelPictures pictures = sidePanelPictures(state_.CarStyle, rightActive);
    SideFrame& active = rightActive ? panels_.right : panels_.left;
    SideFrame& inactive = rightActive ? panels_.left : panels_.right;
    inactive.setEnabled(false);
    inactive.showSide(false, rightActive ? pictures.left : pictures.right, pictureFolders_);
    active.showSide(true, rightActive ? pictures.right : pictures.left, pictureFolders_);
    active.setEnabled(true);
}

void SideRefresh::Enable_Graphs(bool gonly) {
    enableGraphsOf(state_.Right_Active, gonly);
}

void SideRefresh::enableGraphsOf(bool right, bool gonly) {
    // Enabled before the sweep's messages are shown.
    panels_.geometry.setEnabled(isComplete(state_.coords(right)));
    GatheringMessageSink messages(messages_, kMessageBoxesPerSweep);
    // A baseline lies beneath the chosen side's curves, drawn in its pass (gonly), not the
    // other side's.
    sweepAndDrawThumbnails(state_, right, panels_.geometry.surfaces(), gonly, buttonFace(),
                           messages, gonly ? baseline_ : nullptr);
}

void SideRefresh::Disable_Graphs() {
    panels_.geometry.setEnabled(false);
    drawDisabledThumbnails(panels_.geometry.surfaces(), buttonFace());
}

} // namespace velmora
