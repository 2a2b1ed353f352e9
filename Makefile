# SPDX-FileCopyrightText: 2026 The Tzolkara developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the Quick start. Each installs what is missing,
# configures and builds, then runs the program or the whole test suite.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps package bench artwork screenshot clean test-sanitize fuzz

# Only what runs is built: the tests and benchmarks wait for make test.
run: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tzolkara
	$(BUILD_DIR)/src/tzolkara

test: deps
	cmake -S . -B $(BUILD_DIR) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps

# The whole suite again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own; the tests set the
# sanitizers' options, and any report fails its test.
SANITIZE_BUILD_DIR ?= build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -DTZOLKARA_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	cd $(SANITIZE_BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every fuzz target of tests/fuzz for FUZZ_SECONDS each (clang's libFuzzer,
# with both sanitizers); a crash, a hang or a leak fails.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 45
fuzz: deps
	@TZOLKARA_WITH_FUZZ_TOOLS=1 scripts/install-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DTZOLKARA_FUZZ=ON -DBUILD_TESTING=ON -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target fuzzers
	tests/fuzz/run $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

# The Debian package, $(BUILD_DIR)/tzolkara_<version>_<arch>.deb, built
# without the tests and benchmarks.
package: deps
	@TZOLKARA_WITH_PACKAGING_TOOLS=1 scripts/install-deps
	cmake -S . -B $(BUILD_DIR) -DBUILD_TESTING=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && cpack -G DEB

# Speed and memory as ratios against baselines built and run beside them.
bench: deps
	@TZOLKARA_WITH_BENCH_TOOLS=1 scripts/install-deps
	cmake -S . -B $(BUILD_DIR) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	bench/run-benchmarks $(BUILD_DIR)

# Regenerates the SVG artwork and its contact sheet (needs python3).
artwork: build
	python3 scripts/artwork/signs.py
	python3 scripts/artwork/cards.py
	python3 scripts/artwork/numerals.py
	cmake --build $(BUILD_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/src/tzolkara-artwork-sheet docs/artwork.png

# The README's screenshots, at one and at two times the pixel density, taken
# under a private X server.
screenshot: build
	scripts/screenshots 1 2

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_BUILD_DIR) $(FUZZ_BUILD_DIR)
