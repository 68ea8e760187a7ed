// SPDX-FileCopyrightText: 2026 The Lexiwren authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MediaControls.h"

#include "Form1.h"
#include "platform/MprisPlayer.h"

namespace lexiwren {

namespace {

MprisPlayer::Status playerStatus(DrillControl::State state)
{
    switch (state) {
    case DrillControl::State::Playing:
        return MprisPlayer::Status::Playing;
    case DrillControl::State::Paused:
        return MprisPlayer::Status::Paused;
    case DrillControl::State::Stopped:
        break;
    }
    return MprisPlayer::Status::Stopped;
}

} // namespace

void connectMediaControls(MprisPlayer &player, Form1 &form)
{
    DrillControl &control = form.drillControl();
    QObject::connect(&player, &MprisPlayer::playPauseRequested, &control, &DrillControl::togglePause);
    // Play resumes a paused drill; with no drill running there is nothing to play.
    QObject::connect(&player, &MprisPlayer::playRequested, &control, &DrillControl::resume);
    QObject::connect(&player, &MprisPlayer::pauseRequested, &control, &DrillControl::pause);
    QObject::connect(&player, &MprisPlayer::nextRequested, &control, &DrillControl::next);
    QObject::connect(&player, &MprisPlayer::stopRequested, &control, &DrillControl::stop);
    QObject::connect(&player, &MprisPlayer::raiseRequested, &form, [&form] {
        form.raise();
        form.activateWindow();
    });
    QObject::connect(&player, &MprisPlayer::quitRequested, &form, &Form1::Command2_Click);

    QObject::connect(&control, &DrillControl::stateChanged, &player,
                     [&player](DrillControl::State state) { player.setStatus(playerStatus(state)); });
    // Only what the window shows: the prompt alone until the answer is up.
    QObject::connect(&form, &Form1::cardInViewChanged, &player, [&player, &form] {
        const CardInView &card = form.drillRunner().cardInView();
        if (card.phase == CardPhase::Header)
            return;
        const QStringList shown = card.shownTexts();
        player.setTrack({card.number, shown.value(0), shown.value(1)});
    });
    player.setStatus(playerStatus(control.state()));
}

} // namespace lexiwren
