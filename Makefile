# Sonara: the two commands a user needs are `make run` and `make test`.
SHELL := /bin/bash
BUILD ?= build/debug
ASAN_BUILD ?= build/asan
FUZZ_BUILD ?= build/fuzz
RELEASE_BUILD ?= build/release
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 7
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all deps configure build run e2e test unit-tests asan-tests fuzz fuzz-run layering bench format clean \
	install deb package-check release-programs

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The desktop program; without a display, the library as the CLI lists it.
run: build
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  $(BUILD)/src/gui/sonara; \
	else \
	  echo "run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); the library follows from sonara-cli"; \
	  $(BUILD)/src/cli/sonara-cli list && $(BUILD)/src/cli/sonara-cli totals; \
	fi

# The real window driven on a private X server (also part of `make test`).
e2e: build
	tests/gui/app/WindowEndToEndTest.sh $(BUILD)

unit-tests: build
	scripts/run-tests $(BUILD)

asan-tests: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSONARA_SANITIZE=ON -DSONARA_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target core_tests
	scripts/run-tests $(ASAN_BUILD) core_tests

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSONARA_FUZZ=ON -DSONARA_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz-run: fuzz
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

layering:
	@scripts/check-layering

test: layering unit-tests package-check asan-tests fuzz-run

# The programs and the files installed beside them, in release mode (the tree
# the benchmarks use too).
release-programs: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target sonara sonara-cli sonara_package_files

# Installs below PREFIX (default /usr/local), staged below DESTDIR when given.
install: release-programs
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE_BUILD) --prefix "$(PREFIX)" --strip

# build/release/sonara_<version>_<arch>.deb, checked as `make test` checks it.
deb: release-programs
	scripts/check-package $(RELEASE_BUILD) $(RELEASE_BUILD)

# The package made from the debug tree `make test` has built already, so CI
# pays no second full build for it.
package-check: build
	scripts/check-package $(BUILD)

bench:
	@scripts/install-deps --bench
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target sonara-bench
	scripts/with-pulse $(RELEASE_BUILD)/bench/sonara-bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
