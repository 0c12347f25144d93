// Where the title menu takes its three buttons to be; the title picture must
// show them exactly there. Inclusive pixel rectangles of the 640 x 480 screen.
#pragma once

#include <cstdint>

struct ButtonBox {
    const char* label;
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

constexpr ButtonBox START_BUTTON{"START", 251, 326, 388, 347};
constexpr ButtonBox INSTRUCTIONS_BUTTON{"INSTRUCTIONS", 246, 349, 391, 370};
constexpr ButtonBox QUIT_BUTTON{"QUIT", 282, 373, 349, 400};
constexpr ButtonBox TITLE_BUTTONS[] = {START_BUTTON, INSTRUCTIONS_BUTTON, QUIT_BUTTON};
