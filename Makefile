# The commands of the README: `make run` plays, `make test` tests,
# `make package` makes the Debian package. Each installs the Debian packages
# it needs that are missing, configures and builds in build/.
# `make bench` builds a Release build in build-release/ and runs the benchmarks.
BUILD_DIR ?= build
BENCH_DIR ?= build-release
JOBS ?= $(shell nproc)
# Which packages scripts/install-deps installs: each command sets its own,
# and its prerequisites see it.
DEPS = run
test: DEPS = test
package: DEPS = package
bench: DEPS = bench

.PHONY: all deps configure build run test package bench clean

all: build

deps:
	@scripts/install-deps $(DEPS)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD_DIR)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/golexorb

test: build
	scripts/run-tests $(BUILD_DIR)

package: build
	cmake --build $(BUILD_DIR) --target package

$(BENCH_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release

bench: deps $(BENCH_DIR)/CMakeCache.txt
	cmake --build $(BENCH_DIR) -j $(JOBS)
	bench/run-benchmarks $(BENCH_DIR) $(BENCH_ARGS)

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
