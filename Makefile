# Makefile: the user-facing targets; CMake and Ninja do the building.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all run test deps configure build clean

all: build

# Build output goes to standard error, so that `make run` writes only what the program writes.
deps:
	@pkg-config --exists tinyxml && command -v cmake >/dev/null && command -v ninja >/dev/null \
	  && [ -f /usr/include/gtest/gtest.h ] || scripts/install_build_deps.sh >&2

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >&2

configure: $(BUILD)/build.ninja

build: deps configure
	@cmake --build $(BUILD) >&2

run: build
	@$(BUILD)/npuzzle

test: build
	ctest --test-dir $(BUILD) --output-on-failure

clean:
	rm -rf $(BUILD)
