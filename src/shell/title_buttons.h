// Where the title menu takes its three buttons to be; the title picture must
// show them exactly there. Inclusive pixel rectangles of the 640 x 480 screen.
#pragma once

struct ButtonBox {
    const char* label;
    int left;
    int top;
    int right;
    int bottom;
};

constexpr ButtonBox TITLE_BUTTONS[] = {
    {"START", 251, 326, 388, 347},
    {"INSTRUCTIONS", 246, 349, 391, 370},
    {"QUIT", 282, 373, 349, 400},
};
