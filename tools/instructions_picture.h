// Instruct.bmp: the controls and rules, drawn from a small layout text.
//
//   title HOW TO PLAY           the heading
//   row ICON first line         a paragraph; ICON names a picture (no ".bmp"),
//                               "steps" for the green and red step counts, or "-"
//   more further line           one more line of the paragraph above
//   footer PRESS ANY KEY        the line at the bottom
#pragma once

#include <string>
#include <vector>

#include "picture_set.h"

struct InstructionsParagraph {
    std::string icon;
    std::vector<std::string> lines;
};

struct InstructionsLayout {
    std::string title;
    std::vector<InstructionsParagraph> paragraphs;
    std::string footer;
};

constexpr int INSTRUCTIONS_TEXT_LEFT = 60;
constexpr int INSTRUCTIONS_LINE_CHARS = (PAGE_WIDTH - INSTRUCTIONS_TEXT_LEFT - 12) / 8;

// False with "line N: reason" when a line is unknown, too long or the page overflows.
bool parseInstructionsLayout(const std::string& text, InstructionsLayout& layout, std::string& why);
// A new PAGE_WIDTH x PAGE_HEIGHT bitmap; the caller destroys it.
BITMAP* drawInstructionsPicture(const InstructionsLayout& layout, const PictureSet& pictures);
