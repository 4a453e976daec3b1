# The two commands of the README: `make run` plays, `make test` tests.
# Both install what is missing (Debian packages), configure and build in build/.
# `make bench` builds a Release build in build-release/ and runs the benchmarks.
BUILD_DIR ?= build
BENCH_DIR ?= build-release
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/golexorb

test: build
	scripts/run-tests $(BUILD_DIR)

$(BENCH_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_DIR)/CMakeCache.txt
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run-benchmarks $(BENCH_DIR) $(BENCH_ARGS)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
