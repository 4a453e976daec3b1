# The two commands of the README: `make run` plays, `make test` tests.
# Both install what is missing (Debian packages), configure and build in build/.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD_DIR)
