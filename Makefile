# SPDX-License-Identifier: GPL-3.0-or-later
# Front door: `make play` builds and starts the game, `make test` builds and runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
# Where `make install` puts the game; DESTDIR stages it elsewhere (as packagers do).
PREFIX     ?= /usr/local
DESTDIR    ?=

.PHONY: all deps build build-asan test test-plain test-asan play install uninstall package \
        bench fuzz format clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKRELLMONT_SANITIZE=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: build-asan
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

# Both runs: the plain build, then the whole suite again under the sanitizers.
test: test-plain test-asan

play: build
	cd $(BUILD)/run && ./krellmont

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

uninstall: build
	DESTDIR="$(DESTDIR)" cmake -DBUILD_DIR="$(abspath $(BUILD))" -DPREFIX="$(PREFIX)" \
	  -P dist/uninstall.cmake

# A Debian package in $(BUILD)/: sudo apt install ./$(BUILD)/krellmont_*.deb
package: build
	cd $(BUILD) && cpack

bench: build
	cmake --build $(BUILD) --target bench

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DKRELLMONT_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
