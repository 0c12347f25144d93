#include "instructions_picture.h"

#include <allegro.h>

#include <sstream>

#include "scaled_text.h"

namespace {

constexpr int TITLE_TOP = 14;
constexpr int TITLE_SCALE = 3;
constexpr int BODY_TOP = 52;
constexpr int ICON_LEFT = 20;
constexpr int ICON_SIZE = 28;
constexpr int LINE_PITCH = 11;
constexpr int PARAGRAPH_GAP = 4;
constexpr int FOOTER_TOP = PAGE_HEIGHT - 32;
constexpr int FOOTER_SCALE = 2;

int paragraphHeight(const InstructionsParagraph& p) {
    const int text = static_cast<int>(p.lines.size()) * LINE_PITCH;
    return (text > ICON_SIZE ? text : ICON_SIZE) + PARAGRAPH_GAP;
}

bool fail(std::string& why, int line, const std::string& reason) {
    why = "line " + std::to_string(line) + ": " + reason;
    return false;
}

// The path preview's frame around a step count, as the game draws it.
void drawStepFrame(BITMAP* page, int x, int y, int size, int r, int g, const char* count) {
    const int colour = makecol(r, g, 0);
    rect(page, x + 1, y + 1, x + size - 1, y + size - 1, colour);
    rect(page, x + 2, y + 2, x + size - 2, y + size - 2, colour);
    textout_centre_ex(page, font, count, x + size / 2, y + size / 2 - 4, makecol(255, 255, 255),
                      -1);
}

void drawIcon(BITMAP* page, const PictureSet& pictures, const std::string& icon, int y) {
    if (icon == "-")
        return;
    if (icon == "steps") {
        const int half = ICON_SIZE / 2 + 2;
        drawStepFrame(page, ICON_LEFT - 12, y, half + 2, 0, 200, "3");
        drawStepFrame(page, ICON_LEFT + half - 8, y + 8, half + 2, 255, 0, "9");
        return;
    }
    drawPicture(pictures, icon.c_str(), page, ICON_LEFT, y, ICON_SIZE, ICON_SIZE);
}

} // namespace

bool parseInstructionsLayout(const std::string& text, InstructionsLayout& layout,
                             std::string& why) {
    layout = InstructionsLayout{};
    std::istringstream lines(text);
    std::string line;
    int lineNo = 0;
    int bottom = BODY_TOP;
    while (std::getline(lines, line)) {
        ++lineNo;
        std::istringstream in(line);
        std::string word;
        if (!(in >> word) || word[0] == '#')
            continue;
        std::string rest;
        std::getline(in >> std::ws, rest);
        if (word == "row") {
            std::istringstream r(rest);
            InstructionsParagraph p;
            if (!(r >> p.icon))
                return fail(why, lineNo, "row needs an icon name");
            std::getline(r >> std::ws, rest);
            p.lines.push_back(rest);
            layout.paragraphs.push_back(p);
        } else if (word == "more") {
            if (layout.paragraphs.empty())
                return fail(why, lineNo, "more before the first row");
            layout.paragraphs.back().lines.push_back(rest);
        } else if (word == "title") {
            layout.title = rest;
        } else if (word == "footer") {
            layout.footer = rest;
            if (scaledTextWidth(rest.c_str(), FOOTER_SCALE) > PAGE_WIDTH)
                return fail(why, lineNo, "footer is wider than the page");
            continue;
        } else {
            return fail(why, lineNo, "unknown word '" + word + "'");
        }
        if (word != "title" && rest.size() > static_cast<size_t>(INSTRUCTIONS_LINE_CHARS))
            return fail(why, lineNo,
                        "line has " + std::to_string(rest.size()) + " characters, at most " +
                            std::to_string(INSTRUCTIONS_LINE_CHARS) + " fit");
    }
    for (const InstructionsParagraph& p : layout.paragraphs)
        bottom += paragraphHeight(p);
    if (bottom > FOOTER_TOP)
        return fail(why, lineNo, "the paragraphs run into the footer");
    return true;
}

BITMAP* drawInstructionsPicture(const InstructionsLayout& layout, const PictureSet& pictures) {
    BITMAP* page = create_bitmap_ex(PAGE_DEPTH, PAGE_WIDTH, PAGE_HEIGHT);
    drawVerticalGradient(page, 20, 18, 44, 6, 6, 14);
    const int gold = makecol(250, 214, 120);
    drawScaledTextCentred(page, layout.title.c_str(), PAGE_WIDTH / 2, TITLE_TOP, TITLE_SCALE,
                          TITLE_SCALE, [gold](int) { return gold; });
    hline(page, 40, BODY_TOP - 8, PAGE_WIDTH - 41, gold);

    const int white = makecol(236, 236, 244);
    int y = BODY_TOP;
    for (const InstructionsParagraph& p : layout.paragraphs) {
        drawIcon(page, pictures, p.icon, y);
        const int textHeight = static_cast<int>(p.lines.size()) * LINE_PITCH;
        int lineY = y + (textHeight < ICON_SIZE ? (ICON_SIZE - textHeight) / 2 : 0) + 2;
        for (const std::string& text : p.lines) {
            textout_ex(page, font, text.c_str(), INSTRUCTIONS_TEXT_LEFT, lineY, white, -1);
            lineY += LINE_PITCH;
        }
        y += paragraphHeight(p);
    }
    hline(page, 40, FOOTER_TOP - 10, PAGE_WIDTH - 41, gold);
    drawScaledTextCentred(page, layout.footer.c_str(), PAGE_WIDTH / 2, FOOTER_TOP, FOOTER_SCALE,
                          FOOTER_SCALE, [gold](int) { return gold; });
    return page;
}
