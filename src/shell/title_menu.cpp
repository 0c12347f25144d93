#include "shell/title_menu.h"

#include "draw/pictures.h"
#include "draw/title_screen.h"
#include "shell/platform.h"
#include "shell/player_commands.h"
#include "shell/stop_request.h"
#include "shell/title_buttons.h"

namespace {
// All four edges belong to the button; the title picture draws it, the program does not.
bool inside(const ButtonBox& b, int32_t x, int32_t y) {
    return b.left <= x && x <= b.right && b.top <= y && y <= b.bottom;
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

void presentMenu(bool showInstructions) {
    drawMenuPicture(backBuffer, showInstructions ? instructBmp : mainBmp);
    const int32_t x = platform.mouseX();
    const int32_t y = platform.mouseY();
    drawMenuPointer(backBuffer, targetBmp, x, y);
    platform.present(backBuffer);
}
} // namespace

bool runTitleMenu() {
    bool menuActive = true;
    bool showInstructions = false;
    while (menuActive) {
        // The close box quits, as the quit button does.
        if (leaveRequested())
            return false;
        presentMenu(showInstructions);
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
