# The commands of the README: `make run` plays, `make test` tests,
# `make package` makes the Debian package. Each installs the Debian packages
# it needs that are missing, configures and builds in build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Which packages scripts/install-deps installs: each command sets its own,
# and its prerequisites see it.
DEPS = run
test: DEPS = test
package: DEPS = package

.PHONY: all deps configure build run test package clean

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

clean:
	rm -rf $(BUILD_DIR)
