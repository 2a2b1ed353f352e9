# The two commands of the Quick start. Each installs what is missing,
# configures and builds, then runs the program or the whole test suite.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench clean

run: build
	$(BUILD_DIR)/src/tzolkara-kin 2012-12-21

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	@scripts/install-deps

bench: build
	$(BUILD_DIR)/bench/bench_kin

clean:
	rm -rf $(BUILD_DIR)
