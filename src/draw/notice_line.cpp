#include "draw/notice_line.h"

#include <allegro.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "draw/colours.h"
#include "draw/pictures.h"
#include "draw/squad_names.h"
#include "world/game_state.h"
#include "world/settings.h"

namespace {
// Every text of the line, each list longest first.
constexpr const char* SQUAD_HITS = "%s hits: %d";
constexpr const char* ENEMY_HITS = "%s hits %s: %d";
constexpr const char* HIT_ON = "%s -%d";
constexpr const char* HIT = "Hit: %d";
constexpr const char* DAMAGE = "%d";
constexpr const char* SQUAD_MISSES = "%s misses";
constexpr const char* ENEMY_MISSES = "%s misses %s";
constexpr const char* MISS = "Miss";
constexpr const char* IS_DOWN = "%s is down";
constexpr const char* DOWN = "Down";
constexpr const char* POINTS_OF = "%s %d/%d AP";
constexpr const char* POINTS_LEFT = "%d/%d AP";
constexpr const char* POINTS = "%d AP";
constexpr const char* ENEMY_TURN = "Enemy turn";
constexpr const char* ENEMY = "Enemy";

// Longer than any form: names are at most 24 characters, numbers 11.
constexpr int32_t TEXT_MAX = 96;

using Forms = std::vector<std::string>;

__attribute__((format(printf, 1, 2))) std::string printed(const char* format, ...) {
    char text[TEXT_MAX];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

bool isUnit(int32_t index) {
    return index >= 0 && index < unitCount;
}

const char* nameOf(int32_t index) {
    if (units[index].side == SIDE_SQUAD && index < SQUAD_MAX)
        return squadNames[index];
    return ENEMY_NAME;
}

// The squad shoots only at enemies, which need no naming; an enemy's shot says whom it hit.
Forms shotForms() {
    const Unit& target = units[shotTarget];
    const char* shooter = nameOf(shotShooter);
    const char* victim = nameOf(shotTarget);
    const bool atSquad = target.side == SIDE_SQUAD;
    if (target.health <= 0)
        return {printed(IS_DOWN, victim), DOWN};
    if (shotDamage <= 0)
        return {atSquad ? printed(ENEMY_MISSES, shooter, victim) : printed(SQUAD_MISSES, shooter),
                MISS};
    if (atSquad)
        return {printed(ENEMY_HITS, shooter, victim, shotDamage),
                printed(HIT_ON, victim, shotDamage), printed(HIT, shotDamage),
                printed(DAMAGE, shotDamage)};
    return {printed(SQUAD_HITS, shooter, shotDamage), printed(HIT, shotDamage),
            printed(DAMAGE, shotDamage)};
}

Forms pointsForms(int32_t soldier) {
    const Unit& u = units[soldier];
    return {printed(POINTS_OF, nameOf(soldier), u.actionPoints, u.speed),
            printed(POINTS_LEFT, u.actionPoints, u.speed), printed(POINTS, u.actionPoints)};
}

Forms noticeForms() {
    if (shotOnDisplay() && isUnit(shotShooter))
        return shotForms();
    const int32_t current = currentUnitIndex();
    if (units[current].side == SIDE_SQUAD)
        return pointsForms(current);
    return {ENEMY_TURN, ENEMY};
}

// Centred as the library centres it: the left edge half the width left of the middle.
bool fitsPanel(int32_t width) {
    const int32_t left = panelWidth / 2 - width / 2;
    return left >= 0 && left + width <= panelWidth;
}
} // namespace

bool shotOnDisplay() {
    return shotTimer > 0 && isUnit(shotTarget);
}

void drawNoticeLine(int32_t top) {
    for (const std::string& text : noticeForms()) {
        if (!fitsPanel(text_length(font, text.c_str())))
            continue;
        textprintf_centre(backBuffer, font, panelWidth / 2, top, pixelOf(WHITE), "%s", text.c_str());
        return;
    }
}
