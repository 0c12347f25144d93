# The two commands: `make play` and `make test`. Both install what is missing first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=
# `make test` also runs the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, the race check under ThreadSanitizer and a short
# smoke of every fuzz target, each in a build of its own.
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = settings_file floor_loading squad_stats scanf_differential text_page draw_frame
SOAK_PASSES ?= 1000000
PLAYTEST_GAMES ?= 200
# The browser version's build: Allegro, the game, the test driver.
WEB_BUILD ?= build-web

.PHONY: all deps build play try floor-pictures test test-without-gtest test-asan test-tsan fuzz-build test-fuzz-smoke bench fuzz soak golden record-game \
  playtest release-deps release test-release web-deps web test-web clean

all: build

deps:
	@tools/deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DPROWLGRID_SANITIZE="address;undefined" $(CMAKE_FLAGS)

$(TSAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(TSAN_BUILD) -DPROWLGRID_SANITIZE=thread -DPROWLGRID_GAME=OFF $(CMAKE_FLAGS)

# Coverage for libFuzzer in the game's own code too, not only in the targets.
$(FUZZ_BUILD)/CMakeCache.txt:
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DPROWLGRID_GAME=OFF \
	  -DPROWLGRID_SANITIZE="address;undefined;fuzzer-no-link" $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

# Only the game, the tools and the run directory: no tests or benchmarks.
play: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target prowlgrid prowlgrid-windowed game_data
	cd $(BUILD)/game && ../prowlgrid-windowed

# One floor on its own: `make try FLOOR=floor3` builds build/try/, whose
# campaign starts at assets/floors/floor3.floor, and plays it there.
TRY_DIR ?= $(BUILD)/try
try: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target prowlgrid-windowed game_data floortool
	@test -n "$(FLOOR)" || { echo "usage: make try FLOOR=floor3 (a file of assets/floors/ without .floor)"; exit 2; }
	rm -rf $(TRY_DIR)
	cp -r $(BUILD)/game $(TRY_DIR)
	rm -rf $(TRY_DIR)/Data/Missions
	$(BUILD)/tools/floortool build --mod --from $(FLOOR) assets/floors/campaign.txt assets/init.txt $(TRY_DIR)
	cd $(TRY_DIR) && ../prowlgrid-windowed

# The README's pictures of the floors, each drawn as the game shows it at start.
floor-pictures: build
	tools/floor_pictures.sh $(BUILD) docs/floors

# Every stage runs even when one before it failed; the last line sums them up.
test: deps $(BUILD)/CMakeCache.txt
	@tools/test_summary.sh \
	  'cmake --build $(BUILD) -j $(JOBS) && cd $(BUILD) && ctest --output-on-failure -j $(JOBS)' \
	  '$(MAKE) --no-print-directory test-asan' \
	  '$(MAKE) --no-print-directory test-tsan' \
	  '$(MAKE) --no-print-directory test-fuzz-smoke'

# The game and its tools configure and build where GoogleTest is not installed;
# `make release` builds every package that way too.
NO_GTEST_BUILD ?= build-no-gtest
test-without-gtest: deps
	cmake -S . -B $(NO_GTEST_BUILD) -DPROWLGRID_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON $(CMAKE_FLAGS)
	cmake --build $(NO_GTEST_BUILD) -j $(JOBS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS) -LE fuzz

test-tsan: deps $(TSAN_BUILD)/CMakeCache.txt
	cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_race
	cd $(TSAN_BUILD) && ctest --output-on-failure -L race

fuzz-build: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS))

test-fuzz-smoke: fuzz-build
	cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS) -L fuzz

# Each target explores for FUZZ_SECONDS from the seeds and what it found before.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  cmake -DFUZZER=$(FUZZ_BUILD)/fuzz/fuzz_$$t -DSEEDS=fuzz/corpus/$$t \
	    -DWORK=$(FUZZ_BUILD)/fuzz/explore/$$t -DSECONDS=$(FUZZ_SECONDS) \
	    -P fuzz/run_fuzzer.cmake || exit 1; \
	done

# Timings and the ratios the engine and the frame are held to, then the real
# game's share of a processor core while it waits and while units walk; not
# part of the tests.
bench: build
	$(BUILD)/bench/prowlgrid_bench
	$(BUILD)/bench/processor_bench $(BUILD)

# The monkey on the shipped campaign for SOAK_PASSES passes of the turn loop.
soak: build
	cd $(BUILD) && PROWLGRID_SOAK_PASSES=$(SOAK_PASSES) tests/test_soak

# The recorded game's digests written anew from the same input, after a change
# of rules that is meant; record-game records a new input (rarely wanted).
golden: build
	cd $(BUILD) && PROWLGRID_WRITE_GOLDEN=1 tests/test_replay

record-game: build
	cd $(BUILD) && tests/test_replay --gtest_also_run_disabled_tests \
	  --gtest_filter=RecordedGame.DISABLED_RecordANewGame

# The playtest bot's table for the shipped campaign, PLAYTEST_GAMES games per strategy.
playtest: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target playtest game_data
	$(BUILD)/tools/playtest --games $(PLAYTEST_GAMES) $(BUILD)/game

# The packages for players, in dist/: see the README's Releases section.
release-deps:
	@tools/release/deps.sh

release: release-deps
	tools/release/build.sh

# Installs and starts each package as a player would.
test-release: release
	tests/release/run.sh

# The browser version, dist/vellmora-<version>-web.zip: see the README's
# Play in the browser. Its own build stays in WEB_BUILD.
web-deps:
	@WEB_BUILD=$(WEB_BUILD) tools/web/deps.sh

web: web-deps
	BUILD=$(BUILD) WEB_BUILD=$(WEB_BUILD) tools/web/build.sh

# The zip played in headless Chromium, screen by screen against the desktop's frames.
test-web: web
	cmake --build $(BUILD) -j $(JOBS) --target web_desktop_frames
	BUILD=$(BUILD) WEB_BUILD=$(WEB_BUILD) NODE_PATH=$(WEB_BUILD)/node/node_modules \
	  node --test tests/web/play.test.cjs

clean:
	rm -rf $(BUILD) build-* dist
