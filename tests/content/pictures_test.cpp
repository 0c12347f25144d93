#include <gtest/gtest.h>

#include <allegro.h>

#include <map>
#include <memory>
#include <set>

#include "content_files.h"
#include "draw/picture_table.h"
#include "shell/title_buttons.h"

namespace {

using Picture = std::unique_ptr<BITMAP, void (*)(BITMAP*)>;

Picture load(const std::string& name) {
    useAllegroWithoutScreen();
    return Picture(load_bitmap(gamePath("Data/Images/" + name + ".bmp").c_str(), nullptr),
                   destroy_bitmap);
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator<(const Rgb& o) const { return r != o.r ? r < o.r : g != o.g ? g < o.g : b < o.b; }
};

Rgb at(BITMAP* p, int x, int y) {
    const int c = getpixel(p, x, y);
    return {getr_depth(bitmap_color_depth(p), c), getg_depth(bitmap_color_depth(p), c),
            getb_depth(bitmap_color_depth(p), c)};
}

bool isPink(const Rgb& c) {
    return c == Rgb{255, 0, 255};
}

// What the game's 16-bit mode would treat as its mask colour.
bool masksIn16Bit(const Rgb& c) {
    return (c.r >> 3) == 31 && (c.g >> 2) == 0 && (c.b >> 3) == 31;
}

int countPink(BITMAP* p, int w, int h) {
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += isPink(at(p, x, y));
    return n;
}

const char* const SPRITES[] = {"player", "player2", "target",  "nowalk", "wait",
                               "medkit", "motion",  "diamond", "door"};

} // namespace

TEST(ShippedPictures, EveryPictureOfTheTableLoads) {
    for (const PictureRow& row : PICTURE_TABLE) {
        const std::string file = row.file;
        EXPECT_NE(load(file.substr(0, file.size() - 4)).get(), nullptr) << file;
    }
}

TEST(ShippedPictures, HaveTheSizesTheDrawingTakesFromThem) {
    const Picture wall = load("wall"), wall2 = load("wall2"), door = load("door"),
                  diamond = load("diamond"), player = load("player"), player2 = load("player2"),
                  target = load("target"), nowalk = load("nowalk"), wait = load("wait"),
                  medkit = load("medkit");
    for (BITMAP* w : {wall.get(), wall2.get()}) {
        ASSERT_NE(w, nullptr);
        EXPECT_GE(w->w, 16);
        EXPECT_GE(w->h, 16);
    }
    ASSERT_TRUE(door && diamond && player && player2 && target && nowalk && wait && medkit);
    EXPECT_GE(door->w, 64);
    EXPECT_GE(door->h, 64);
    EXPECT_GE(diamond->h, diamond->w);
    // player2 is read with player's size, wait with nowalk's; all three
    // pointers land in one box.
    EXPECT_GE(player2->w, player->w);
    EXPECT_GE(player2->h, player->h);
    EXPECT_GE(wait->w, nowalk->w);
    EXPECT_GE(wait->h, nowalk->h);
    EXPECT_EQ(target->w, nowalk->w);
    EXPECT_EQ(target->h, nowalk->h);
    EXPECT_EQ(wait->w, nowalk->w);
    EXPECT_EQ(wait->h, nowalk->h);
    for (const char* name : {"tiles", "main", "Instruct"}) {
        const Picture page = load(name);
        ASSERT_NE(page.get(), nullptr);
        EXPECT_EQ(page->w, 640) << name;
        EXPECT_EQ(page->h, 480) << name;
    }
}

TEST(ShippedPictures, SpritesAreTransparentInExactBrightPinkOnly) {
    for (const char* name : SPRITES) {
        SCOPED_TRACE(name);
        const Picture p = load(name);
        ASSERT_NE(p.get(), nullptr);
        EXPECT_TRUE(isPink(at(p.get(), p->w - 1, 0))) << "the top-right corner shows the floor";
        const int pink = countPink(p.get(), p->w, p->h);
        EXPECT_GT(pink, 0);
        EXPECT_LT(pink, p->w * p->h);
        // A colour one step off pink would vanish in the game's 16-bit mode too.
        for (int y = 0; y < p->h; ++y)
            for (int x = 0; x < p->w; ++x) {
                const Rgb c = at(p.get(), x, y);
                if (!isPink(c)) {
                    ASSERT_FALSE(masksIn16Bit(c)) << x << "," << y;
                }
            }
    }
}

TEST(ShippedPictures, WallsCoverTheirWholeTile) {
    for (const char* name : {"wall", "wall2"}) {
        const Picture p = load(name);
        ASSERT_NE(p.get(), nullptr);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_FALSE(masksIn16Bit(at(p.get(), x, y))) << name << " " << x << "," << y;
    }
}

TEST(ShippedPictures, PointersPointWithTheirTopLeftPixel) {
    for (const char* name : {"target", "nowalk", "wait"}) {
        const Picture p = load(name);
        ASSERT_NE(p.get(), nullptr);
        EXPECT_FALSE(isPink(at(p.get(), 0, 0))) << name;
    }
}

TEST(ShippedPictures, TheMapCanvasIsBlack) {
    const Picture tiles = load("tiles");
    ASSERT_NE(tiles.get(), nullptr);
    for (int y = 0; y < 480; y += 7)
        for (int x = 0; x < 640; x += 7)
            ASSERT_EQ(at(tiles.get(), x, y), (Rgb{0, 0, 0}));
}

TEST(TitlePicture, EachButtonIsDrawnExactlyOnItsRectangleWithALabel) {
    const Picture main = load("main");
    ASSERT_NE(main.get(), nullptr);
    for (const ButtonBox& box : TITLE_BUTTONS) {
        SCOPED_TRACE(box.label);
        // The border runs on the rectangle's own edge pixels, all the way round.
        const Rgb border = at(main.get(), box.left, box.top);
        for (int x = box.left; x <= box.right; ++x) {
            ASSERT_EQ(at(main.get(), x, box.top), border) << x;
            ASSERT_EQ(at(main.get(), x, box.bottom), border) << x;
        }
        for (int y = box.top; y <= box.bottom; ++y) {
            ASSERT_EQ(at(main.get(), box.left, y), border) << y;
            ASSERT_EQ(at(main.get(), box.right, y), border) << y;
        }
        // Just outside, the border colour does not go on.
        for (int x = box.left; x <= box.right; ++x) {
            EXPECT_FALSE(at(main.get(), x, box.top - 1) == border) << x;
            EXPECT_FALSE(at(main.get(), x, box.bottom + 1) == border) << x;
        }
        for (int y = box.top; y <= box.bottom; ++y) {
            EXPECT_FALSE(at(main.get(), box.left - 1, y) == border) << y;
            EXPECT_FALSE(at(main.get(), box.right + 1, y) == border) << y;
        }
        // Inside: a face of one colour and a label of another, well clear of the border.
        std::map<Rgb, int> inside;
        for (int y = box.top + 2; y <= box.bottom - 2; ++y)
            for (int x = box.left + 2; x <= box.right - 2; ++x)
                ++inside[at(main.get(), x, y)];
        const Rgb face = at(main.get(), box.left + 2, box.bottom - 2);
        int label = 0;
        for (const auto& [colour, n] : inside)
            if (!(colour == face) && !(colour == border))
                label += n;
        EXPECT_GE(label, 60) << "a readable label";
        EXPECT_GT(inside[face], label);
        // The label keeps off the border ring.
        for (int x = box.left + 1; x < box.right; ++x) {
            const Rgb c = at(main.get(), x, box.bottom - 1);
            EXPECT_TRUE(c == face) << x;
        }
    }
}

TEST(TitlePicture, ShowsTheTitleAboveTheButtons) {
    const Picture main = load("main");
    ASSERT_NE(main.get(), nullptr);
    // The title is bright lettering across the top third.
    int bright = 0;
    for (int y = 40; y < 160; ++y)
        for (int x = 0; x < 640; ++x) {
            const Rgb c = at(main.get(), x, y);
            bright += c.r > 200 && c.g > 120;
        }
    EXPECT_GT(bright, 5000);
}

TEST(InstructionsPicture, IsAFullPageOfText) {
    const Picture page = load("Instruct");
    ASSERT_NE(page.get(), nullptr);
    std::set<Rgb> colours;
    int light = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const Rgb c = at(page.get(), x, y);
            colours.insert(c);
            light += c.r > 200 && c.g > 200 && c.b > 200;
        }
    EXPECT_GT(colours.size(), 20u) << "text, icons and the backdrop";
    EXPECT_GT(light, 8000) << "many lines of white text";
}
