# Thin wrapper around CMake. `make` builds, `make check` sets up, builds and runs every test,
# `make demo` sets up, builds and runs the shipped example.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all build configure check demo bootstrap clean

all: build

bootstrap:
	scripts/bootstrap

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

check: bootstrap
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: bootstrap
	$(MAKE) build
	scripts/demo $(BUILD)

clean:
	rm -rf $(BUILD)
