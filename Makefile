# Two entry points: `make run` and `make test`. Both install missing packages first.
BUILD_DIR ?= build
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
EXAMPLE ?= examples/steel-pipe-sand-clay.qx6d

.PHONY: all deps configure build run test sanitize fuzz-smoke clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/bin/quvex run $(EXAMPLE)

# The sanitizer and fuzzing passes come first so that the summary of the whole
# suite closes the output.
test: build
	@$(MAKE) sanitize
	@$(MAKE) fuzz-smoke
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The engine and runner tests again, built with AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUVEX_SANITIZE=ON \
	  -DQUVEX_BUILD_FRONTEND=OFF -DQUVEX_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(BUILD_DIR)-sanitize -j $(JOBS)
	@cd $(BUILD_DIR)-sanitize && ctest --output-on-failure -j $(JOBS)

# A short libFuzzer run of the input reader and of whole analyses.
fuzz-smoke: deps
	@scripts/fuzz-smoke

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-sanitize build-fuzz
