# The commands of the README: `make run` plays, `make test` tests,
# `make package` makes the Debian package. Each installs the Debian packages
# it needs that are missing, configures and builds in build/: `make run`
# only the game and what it loads, `make package` what the package holds,
# `make test` (and plain `make`) everything, the tests and benchmarks too.
# `make test` then runs the suite again in two checking builds: build-asan/
# (AddressSanitizer, LeakSanitizer, UndefinedBehaviorSanitizer) and
# build-fuzz/ (clang's libFuzzer, each fuzz target for FUZZ_SHORT seconds).
# `make fuzz` runs each fuzz target for FUZZ_SECONDS.
# `make bench` builds a Release build in build-release/ and runs the benchmarks.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
BENCH_DIR ?= build-release
JOBS ?= $(shell nproc)
FUZZ_SHORT ?= 20
FUZZ_SECONDS ?= 600
# Which packages scripts/install-deps installs: each command sets its own,
# and its prerequisites see it.
DEPS = run
test test-asan test-fuzz fuzz: DEPS = test
package: DEPS = package
bench: DEPS = bench

.PHONY: all deps configure build build-game run test test-plain test-asan fuzz-build test-fuzz fuzz package bench clean
# Each step builds with all JOBS itself; the steps run one after another.
.NOTPARALLEL:

all: build

deps:
	@scripts/install-deps $(DEPS)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The game, with the lookup program and the chart module it depends on.
build-game: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target golexorb

run: build-game
	$(BUILD_DIR)/golexorb

test: test-plain test-asan test-fuzz

test-plain: build
	scripts/run-tests $(BUILD_DIR)

# -O1 keeps the instrumented tests quick; -g1 gives the reports' stacks
# their lines at a fraction of the build time of full debug information.
$(ASAN_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
	  -DGOLEXORB_SANITIZE=ON -DGOLEXORB_EXTRAS=OFF

test-asan: deps $(ASAN_DIR)/CMakeCache.txt
	cmake --build $(ASAN_DIR) -j $(JOBS)
	scripts/run-tests $(ASAN_DIR)

$(FUZZ_DIR)/CMakeCache.txt: | deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DGOLEXORB_FUZZ=ON -DGOLEXORB_EXTRAS=OFF

fuzz-build: deps $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target golexorb_fuzz_targets

test-fuzz: fuzz-build
	GOLEXORB_FUZZ_SECONDS=$(FUZZ_SHORT) scripts/run-tests $(FUZZ_DIR)

fuzz: fuzz-build
	GOLEXORB_FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-tests $(FUZZ_DIR)

package: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target package

$(BENCH_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_DIR)/CMakeCache.txt
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run-benchmarks $(BENCH_DIR) $(BENCH_ARGS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(BENCH_DIR)
