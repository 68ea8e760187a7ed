# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, opens the window on examples/
#   make test   installs what is missing, builds, runs every test headless
# Installing needs root rights (or sudo) once: `make deps` installs what both
# need, and after it neither command asks for rights again.

BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
# Only `make bench` builds the benchmarks.
BENCH ?= OFF

# What building and testing need from Debian. The tests draw Japanese text,
# so the fonts are among them, and check Qt's Japanese texts, so the
# translations too.
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libcanberra-dev libspeechd-dev \
            fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n
# The tests of the desktop entry and the metainfo validate them with these.
PACKAGES += desktop-file-utils appstream
# The media-control tests run a private session bus, the speaker's test a
# private speech service.
PACKAGES += dbus speech-dispatcher
# The question-file maker reads words the pronouncing dictionary lacks with espeak-ng.
PACKAGES += libespeak-ng-dev
# What only running needs: the bell's sound theme, sound through PulseAudio or
# PipeWire, a native window on Wayland, the speech service with an English
# voice. The .deb asks for the same (cmake/Packaging.cmake).
RUN_PACKAGES := sound-theme-freedesktop libcanberra-pulse qt6-wayland speech-dispatcher speech-dispatcher-espeak-ng
# The README drives the media controls with playerctl; the .deb does without.
MEDIA_TOOL_PACKAGES := playerctl
# The question-file maker's dictionaries, which its benchmark needs too: the
# CMU pronouncing dictionary, EDICT, espeak-ng's data, and two optional ones
# that rank the meanings: KANJIDIC (kanji grades) and WordNet (an English
# word's usual part of speech). They stay Debian's, never copied into the
# repository or the package.
RUN_PACKAGES += festlex-cmu edict espeak-ng-data kanjidic wordnet-base
# Extra tools for the screenshot script and the benchmarks.
TOOL_PACKAGES := xvfb xauth imagemagick x11-utils speech-dispatcher
# CPack's .deb generator reads the binary's library needs with these.
PACKAGE_PACKAGES := dpkg-dev file
# The fuzzer is built with clang; libFuzzer and clang's sanitizer runtimes
# come in libclang-rt-14-dev, which clang itself does not pull in.
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 60
# Versioned, so that everyone formats and lints with the same release.
STYLE_PACKAGES := clang-format-14 clang-tidy-14

INSTALL_MISSING := @tools/install-missing.sh

.PHONY: all deps dev-deps configure build run test test-asan fuzz format format-check lint package bench screenshot clean

all: build

# What `make run` and `make test` need; run it once as root, or with sudo.
deps:
	$(INSTALL_MISSING) $(PACKAGES) $(RUN_PACKAGES) $(MEDIA_TOOL_PACKAGES)

# Also what CI and the developer targets below need.
dev-deps:
	$(INSTALL_MISSING) $(PACKAGES) $(RUN_PACKAGES) $(MEDIA_TOOL_PACKAGES) $(TOOL_PACKAGES) $(PACKAGE_PACKAGES) \
	    $(FUZZ_PACKAGES) $(STYLE_PACKAGES)

configure:
	$(INSTALL_MISSING) $(PACKAGES)
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DLEXIWREN_WERROR=ON \
	    -DLEXIWREN_BUILD_BENCH=$(BENCH) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: deps build
	cd examples && ../$(BUILD_DIR)/src/lexiwren

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The whole suite again, built with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; any report fails the test that made it.
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
test-asan:
	$(INSTALL_MISSING) $(PACKAGES)
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXIWREN_WERROR=ON \
	    -DLEXIWREN_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD_DIR)
	cd $(ASAN_BUILD_DIR) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	    UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j2

# Fuzzes the question-file reader for FUZZ_SECONDS; a crash fails it.
fuzz:
	$(INSTALL_MISSING) $(PACKAGES) $(FUZZ_PACKAGES)
	tools/fuzz-questionfile.sh $(FUZZ_SECONDS)

# Every C++ file of ours, for clang-format.
FORMAT_FILES = $(shell find src tests bench -name '*.cpp' -o -name '*.h' | sort)

format:
	$(INSTALL_MISSING) $(STYLE_PACKAGES)
	clang-format-14 -i $(FORMAT_FILES)

# Also fails on a tracked source file without its licence line.
format-check:
	$(INSTALL_MISSING) $(STYLE_PACKAGES)
	clang-format-14 --dry-run --Werror $(FORMAT_FILES)
	tools/check-spdx.sh

# clang-tidy over src/ with the build's compile_commands.json (built first,
# for moc's output); any finding fails.
lint: build
	$(INSTALL_MISSING) $(STYLE_PACKAGES)
	run-clang-tidy-14 -clang-tidy-binary clang-tidy-14 -quiet -p $(BUILD_DIR) '$(CURDIR)/src/.*\.cpp$$'

# A .deb in $(BUILD_DIR); install it with: sudo apt install ./$(BUILD_DIR)/lexiwren_*.deb
package: build
	$(INSTALL_MISSING) $(PACKAGE_PACKAGES)
	cd $(BUILD_DIR) && cpack -G DEB

# The benchmarks build in BUILD_DIR too, beside the program; the next
# `make build` or `make test` leaves them out again.
bench:
	$(INSTALL_MISSING) $(TOOL_PACKAGES)
	@$(MAKE) --no-print-directory configure BENCH=ON
	cmake --build $(BUILD_DIR) --target benchmarks
	bench/run-all.sh $(BUILD_DIR)

screenshot: build
	$(INSTALL_MISSING) $(TOOL_PACKAGES)
	tools/screenshot.sh $(BUILD_DIR)/src/lexiwren docs/start-screen.png

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) build-fuzz
