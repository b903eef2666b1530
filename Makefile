# Makefile: the user-facing targets; CMake and Ninja do the building.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all run test test-jobs soak-boards bench fuzz soak study deps configure build clean

all: build

# Build output goes to standard error, so that `make run` writes only what the program writes.
deps:
	@scripts/install_build_deps.sh >&2

# Configured once; again whenever CMAKE_FLAGS is given, so that the flags are never ignored.
$(BUILD)/build.ninja: | deps
	@cmake -S . -B "$(BUILD)" -G Ninja $(CMAKE_FLAGS) >&2
ifneq ($(strip $(CMAKE_FLAGS)),)
.PHONY: $(BUILD)/build.ninja
endif

configure: $(BUILD)/build.ninja

build: deps configure
	@cmake --build "$(BUILD)" >&2

run: build
	@"$(BUILD)/npuzzle"

# The commands that fail unless the variable they name holds a whole number from 1 to 999999999
# in plain digits (the shell would read 010 as octal, and overflow past 18 digits); run before
# anything is built.
whole-number = case '$($(1))' in ''|*[!0-9]*|0*|??????????*) \
	  echo "$(1) must be a whole number from 1 to 999999999, not '$($(1))'" >&2; exit 2;; esac

test-jobs:
	@$(call whole-number,TEST_JOBS)

# The plot script and its tests need matplotlib and pytest, the Python module Pillow, for Debian's
# Python. The tests run TEST_JOBS at once.
PYTHON ?= /usr/bin/python3
TEST_JOBS ?= $(shell nproc)
test: test-jobs build
	@scripts/install_build_deps.sh python3-matplotlib python3-pytest python3-pil >&2
	ctest --test-dir "$(BUILD)" --output-on-failure --no-tests=error -j $(TEST_JOBS)

# The benchmarks build into a folder of their own, with the optimizer on and the library they
# need installed first.
bench:
	@scripts/install_build_deps.sh libbenchmark-dev >&2
	@$(MAKE) --no-print-directory configure BUILD=build-bench \
	  CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DNPUZZLE_BENCH=ON"
	@cmake --build build-bench --target npuzzle_bench >&2
	@build-bench/npuzzle_bench $(BENCH_FLAGS)

# Every method on about SOAK_BOARDS seeded boards of every kind across sides 3 ... 100 (the
# study takes boards per side: 98 sides, rounded up); failing boards are written to
# build/soak-failures as plain board files for dl, emptied first so that it holds this run's.
SOAK_BOARDS ?= 2000
soak-boards:
	@$(call whole-number,SOAK_BOARDS)

soak: soak-boards build
	rm -rf "$(BUILD)/soak-failures"
	"$(BUILD)/npuzzle-study" --kind mixed --sides 3-100 --boards $$(( ($(SOAK_BOARDS) + 97) / 98 )) \
	  --failures "$(BUILD)/soak-failures"

# The default study, its CSV and JSON files, and its picture, all in a folder of their own,
# apart from the build's files; make clean leaves them.
STUDY_RESULTS ?= study-results
study: build
	@scripts/install_build_deps.sh python3-matplotlib >&2
	@mkdir -p "$(STUDY_RESULTS)"
	"$(BUILD)/npuzzle-study" --csv "$(STUDY_RESULTS)/study.csv" --json "$(STUDY_RESULTS)/study.json"
	$(PYTHON) scripts/plot_study.py "$(STUDY_RESULTS)/study.csv" -o "$(STUDY_RESULTS)/study.svg"

# Each fuzz target runs FUZZ_SECONDS (default 60); findings go to fuzz-out/, which make clean
# removes with the builds.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/run_fuzzers.sh '$(FUZZ_SECONDS)'

clean:
	rm -rf "$(BUILD)" build-bench build-fuzz build-sanitize fuzz-out
