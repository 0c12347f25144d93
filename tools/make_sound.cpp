// Writes the rifle shot the game plays for every shot.
//
//   make_sound OUTPUT.wav
#include <cstdio>

#include "rifle_shot.h"
#include "wav_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sound OUTPUT.wav\n");
        return 2;
    }
    if (!writeWavFile(argv[1], synthesizeRifleShot(), RIFLE_SAMPLE_RATE)) {
        std::fprintf(stderr, "make_sound: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
