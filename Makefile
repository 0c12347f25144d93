# The two commands: `make play` and `make test`. Both install what is missing first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build play test bench fuzz clean

all: build

deps:
	@tools/deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

play: build
	cd $(BUILD)/game && ../prowlgrid-windowed

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Timings and the ratios the engine and the frame are held to; not part of the tests.
bench: build
	$(BUILD)/bench/prowlgrid_bench

clean:
	rm -rf $(BUILD) build-*
