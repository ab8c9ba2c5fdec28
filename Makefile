# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: `make play` builds and starts the game, `make test` builds and runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
HARD_BUILD ?= build-hard
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# Where `make install` puts the game; DESTDIR stages it elsewhere (as packagers do).
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps deps-test build build-asan test test-plain test-asan test-hardened play install \
        uninstall package bench fuzz format clean

all: build

deps:
	@scripts/install-deps

deps-test:
	@scripts/install-deps --test

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKRELLMONT_SANITIZE=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-plain: deps-test build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps-test build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

# Debian's packaging flags (every hardening feature, format strings as errors) on a build of
# its own: the program and the fast tests, which run there too.
HARD_TESTS := core_tests net_tests render_unit_tests ui_tests
test-hardened: deps-test
	eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	  cmake -S . -B $(HARD_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) && \
	  cmake --build $(HARD_BUILD) -j $(JOBS) --target krellmont $(HARD_TESTS)
	for t in core_tests net_tests render/render_unit_tests ui/ui_tests; do \
	  $(HARD_BUILD)/tests/$$t --gtest_brief=1 || exit 1; done

# The plain build, then the whole suite again under the sanitizers, then the packagers' flags.
test: test-plain test-asan test-hardened

play: build
	cd $(BUILD)/run && ./krellmont

# Stripped, as the package installs it.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

uninstall: build
	DESTDIR="$(DESTDIR)" cmake -DBUILD_DIR="$(abspath $(BUILD))" -DPREFIX="$(PREFIX)" \
	  -P dist/uninstall.cmake

# A Debian package in $(BUILD)/: sudo apt install ./$(BUILD)/krellmont_*.deb
package: build
	cd $(BUILD) && cpack

bench: deps-test build
	cmake --build $(BUILD) --target bench

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DKRELLMONT_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(HARD_BUILD) build-fuzz
