// Entry point; the build variant chooses the graphics mode.
#include <allegro.h>

int main() {
    // Start-up sequence lands with the foundation work.
    return 0;
}
END_OF_MAIN()
