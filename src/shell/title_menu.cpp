#include "shell/title_menu.h"

#include <allegro.h>

#include "draw/pictures.h"
#include "draw/sprite.h"
#include "shell/platform.h"
#include "shell/player_commands.h"
#include "shell/stop_request.h"
#include "shell/title_buttons.h"

namespace {
constexpr int32_t POINTER_SIZE = 16;

// All four edges belong to the button; the title picture draws it, the program does not.
bool inside(const ButtonBox& b, int32_t x, int32_t y) {
    return b.left <= x && x <= b.right && b.top <= y && y <= b.bottom;
}

// One pixel short of the buffer in each direction, as the pictures were made for.
void drawMenuPicture(BITMAP* picture) {
    const Rect source{0, 0, picture->w, picture->h};
    const Rect destination{0, 0, backBuffer->w - 1, backBuffer->h - 1};
    drawSprite(picture, backBuffer, &source, &destination);
}

void drawPointer() {
    const Rect source{0, 0, targetBmp->w, targetBmp->h};
    const Rect destination{platform.mouseX(), platform.mouseY(), POINTER_SIZE, POINTER_SIZE};
    drawSprite(targetBmp, backBuffer, &source, &destination);
}

enum class MenuChoice { NONE, START, INSTRUCTIONS, QUIT };

MenuChoice buttonUnderPointer() {
    const int32_t x = platform.mouseX();
    const int32_t y = platform.mouseY();
    if (inside(START_BUTTON, x, y))
        return MenuChoice::START;
    if (inside(INSTRUCTIONS_BUTTON, x, y))
        return MenuChoice::INSTRUCTIONS;
    if (inside(QUIT_BUTTON, x, y))
        return MenuChoice::QUIT;
    return MenuChoice::NONE;
}
} // namespace

bool runTitleMenu() {
    bool menuActive = true;
    bool showInstructions = false;
    while (menuActive) {
        // The close box quits, as the quit button does.
        if (leaveRequested())
            return false;
        drawMenuPicture(showInstructions ? instructBmp : mainBmp);
        drawPointer();
        platform.present(backBuffer);
        if (!showInstructions && (platform.mouseButtons() & BUTTON_LEFT)) {
            switch (buttonUnderPointer()) {
            case MenuChoice::START:
                menuActive = false;
                break;
            case MenuChoice::INSTRUCTIONS:
                showInstructions = true;
                break;
            case MenuChoice::QUIT:
                return false;
            case MenuChoice::NONE:
                break;
            }
        } else if (showInstructions && platform.keyPressed()) {
            showInstructions = false;
        }
        // A press or a key counts in the frame that sees it, and only there.
        platform.clearMouseButtons();
        platform.clearKeys();
        platform.idle();
    }
    return true;
}
