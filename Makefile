# The two commands of the Quick start. Each installs what is missing,
# configures and builds, then runs the program or the whole test suite.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps package bench artwork screenshot clean

run: build
	$(BUILD_DIR)/src/tzolkara

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps

# The Debian package, $(BUILD_DIR)/tzolkara_<version>_<arch>.deb.
package: build
	@TZOLKARA_WITH_PACKAGING_TOOLS=1 scripts/install-deps
	cd $(BUILD_DIR) && cpack -G DEB

# Speed and memory as ratios against baselines built and run beside them.
bench: build
	@TZOLKARA_WITH_BENCH_TOOLS=1 scripts/install-deps
	bench/run-benchmarks $(BUILD_DIR)

# Regenerates the SVG artwork and its contact sheet (needs python3).
artwork: build
	python3 scripts/artwork/signs.py
	python3 scripts/artwork/cards.py
	python3 scripts/artwork/numerals.py
	cmake --build $(BUILD_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/src/tzolkara-artwork-sheet docs/artwork.png

# A screenshot of the running program under a private X server.
screenshot: build
	scripts/screenshot docs/main-window.png

clean:
	rm -rf $(BUILD_DIR)
