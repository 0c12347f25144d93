// The pictures made from text, by name without ".bmp", for the composed pages
// that show them again (the title's scene, the instructions' icons).
#pragma once

#include <map>
#include <string>

struct BITMAP;

using PictureSet = std::map<std::string, BITMAP*>;

constexpr int PAGE_WIDTH = 640;
constexpr int PAGE_HEIGHT = 480;
constexpr int PAGE_DEPTH = 24; // loads into the game's 16-bit mode unchanged in look

// Fills the whole target from one colour at the top to another at the bottom.
void drawVerticalGradient(BITMAP* target, int topR, int topG, int topB, int bottomR, int bottomG,
                          int bottomB);
// The named picture, pink left out, scaled into the box. Missing names draw nothing.
void drawPicture(const PictureSet& pictures, const char* name, BITMAP* target, int x, int y, int w,
                 int h);
