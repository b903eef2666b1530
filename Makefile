# Makefile: the user-facing targets; CMake and Ninja do the building.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all run test bench fuzz soak deps configure build clean

all: build

# Build output goes to standard error, so that `make run` writes only what the program writes.
deps:
	@scripts/install_build_deps.sh >&2

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >&2

configure: $(BUILD)/build.ninja

build: deps configure
	@cmake --build $(BUILD) >&2

run: build
	@$(BUILD)/npuzzle

test: build
	ctest --test-dir $(BUILD) --output-on-failure

# The benchmarks build into a folder of their own, with the optimizer on and the library they
# need installed first.
bench:
	@scripts/install_build_deps.sh libbenchmark-dev >&2
	@$(MAKE) --no-print-directory configure BUILD=build-bench \
	  CMAKE_FLAGS="-DCMAKE_BUILD_TYPE=Release -DNPUZZLE_BENCH=ON"
	@cmake --build build-bench --target npuzzle_bench npuzzle_quality >&2
	@build-bench/npuzzle_bench $(BENCH_FLAGS)
	@echo "Solution lengths: build-bench/npuzzle_quality [--sides 4-100|5,10,20] [--boards N]"

# Both solvers on SOAK_BOARDS seeded boards across sides 3 ... 100; failing boards are written
# to build/soak-failures as plain board files for dl.
SOAK_BOARDS ?= 2000
soak: build
	$(BUILD)/npuzzle_soak --boards $(SOAK_BOARDS) --failures $(BUILD)/soak-failures

# Each fuzz target runs FUZZ_SECONDS (default 60); findings go to fuzz-out/.
FUZZ_SECONDS ?= 60
fuzz:
	scripts/run_fuzzers.sh $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) build-bench build-fuzz fuzz-out
