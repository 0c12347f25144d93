#include "shell/stand_in_player.h"

StandInPlayer* StandInPlayer::seated = nullptr;

StandInPlayer::StandInPlayer() : previous(platform) {
    seated = this;
    installPlatform(table());
}

StandInPlayer::~StandInPlayer() {
    installPlatform(previous);
    seated = nullptr;
}

Platform StandInPlayer::table() {
    Platform hand = nullPlatform();
    hand.present = [](BITMAP* frame) { seated->shown(frame); };
    hand.mouseX = [] { return seated->pointerX(); };
    hand.mouseY = [] { return seated->pointerY(); };
    hand.mouseButtons = [] { return seated->buttonsDown(); };
    hand.clearMouseButtons = [] { seated->releaseButtons(); };
    hand.escDown = [] { return seated->escHeld(); };
    hand.keyPressed = [] { return seated->keyWaiting(); };
    hand.clearKeys = [] { seated->dropKeys(); };
    hand.idle = [] { seated->idleTurn(); };
    hand.playShot = [](int32_t sample) { seated->shotHeard(sample); };
    return hand;
}
