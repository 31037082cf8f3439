# Thin wrapper around CMake. `make` builds, `make check` sets up, builds and runs every test,
# `make demo` sets up, builds and runs the shipped example. `make check-sanitize` runs every test
# built with AddressSanitizer and UndefinedBehaviorSanitizer; `make fuzz FUZZ_SECONDS=N` runs
# every fuzz target for N seconds (FUZZ_JOBS at a time) and reports inputs executed and findings
# per target. `make bench` builds and runs the benchmark of nuxc against its targets
# (bench/run.py). `make package` builds the Debian package of the installed tree.
# `make update-binding` writes what is made from the registry of binding keys,
# bindings/keys.txt: the trace binding's templates and the key tables of
# docs/writing-a-binding.md (scripts/gen-binding). `make update-cases [CASES=REGEX]` rewrites,
# from a run of the built programs, the expected outputs of the black-box cases that differ, all
# of them or those whose ctest names match REGEX (CASES=nux/, CASES=hostile/cases/idl-); see
# tests/run_case.py.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Fuzz targets run at a time; each keeps one core busy.
FUZZ_JOBS ?= 1
JOBS ?= $(shell nproc)
# Every test and script runs with the system's interpreter (see cmake/BlackBoxTests.cmake).
PYTHON = /usr/bin/python3
CASES ?=

.PHONY: all build configure check update-cases check-sanitize fuzz demo bench bootstrap clean \
        update-binding package

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

update-cases: build
	$(PYTHON) tests/run_case.py --bin $(BUILD) --src . --update --jobs $(JOBS) --match '$(CASES)'

# The compiler frees nothing by design: leak reports would only be noise.
check-sanitize: bootstrap
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUXC_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

fuzz: bootstrap
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUXC_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz --jobs $(FUZZ_JOBS) $(FUZZ_BUILD) $(FUZZ_SECONDS)

demo: bootstrap
	$(MAKE) build
	scripts/demo $(BUILD)

# The Debian package of everything that cmake --install installs: $(BUILD)/nuxc_VERSION_ARCH.deb.
package: bootstrap
	$(MAKE) build
	cd $(BUILD) && cpack -G DEB

bench: bootstrap
	$(MAKE) build
	$(PYTHON) bench/run.py --nuxc $(BUILD)/nuxc --work $(BUILD)/bench

update-binding:
	scripts/gen-binding

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
