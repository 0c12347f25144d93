// First on the include path of the rules and their tests, so that the library
// cannot creep into code that must run without a screen or a sound device.
#error "the rules (src/world, src/path, src/combat) and their tests do not include allegro.h"
