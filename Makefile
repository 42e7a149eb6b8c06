# SPDX-License-Identifier: GPL-3.0-or-later
# The two everyday commands are `make run` and `make test`; see README.md.
BUILD      ?= build
ASAN_BUILD ?= build-asan
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-asan bench translations install package package-check clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	SWEEPWRIGHT_PLUGIN_DIR=$(BUILD)/src/gui $(BUILD)/src/gui/sweepwright

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

test-asan: deps
	@CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DSWEEPWRIGHT_SANITIZE=ON -DSWEEPWRIGHT_FUZZ=ON $(CMAKE_ARGS) >/dev/null
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2
	scripts/run-fuzzers.sh $(ASAN_BUILD) 60

# Every text of the sources into the .ts files of every language (new ones
# unfinished), and the English plural forms.
translations: configure
	@cmake --build $(BUILD) --target update_translations
	@scripts/update-plurals.py

install: build
	cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

package: build
	cd $(BUILD) && cpack -G DEB >/dev/null && ls -1 $(CURDIR)/$(BUILD)/sweepwright_*.deb

package-check: package
	scripts/package-check.sh $$(ls -1t $(BUILD)/sweepwright_*.deb | head -n 1)

bench: build
	bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
