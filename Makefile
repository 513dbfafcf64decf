# Lumoscope Lite: `make run` and `make test` set everything up on a fresh Debian machine.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30

# clang with its sanitizer and fuzzer runtimes for `asan` and `fuzz`; clang-format for the
# format check; GoogleTest, Google Benchmark, CLI11, Qt 6 (with its SVG module for the
# toolbar's pictures), nlohmann-json (the JSON export) and ICU (names matched without
# regard to accents) for the build; a virtual X display (xvfb-run needs xauth) for the
# screenshots; the Debian package tools and the validators of its test.
DEBIAN_PACKAGES := build-essential cmake ninja-build clang libclang-rt-dev clang-format \
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev qt6-base-dev qt6-svg-dev libgl-dev \
  nlohmann-json3-dev libicu-dev xvfb xauth dpkg-dev lintian desktop-file-utils appstream
# What only the tests need: the installed DVB scan tables, which the program works without,
# and groff, which renders the man page for the test that compares it with --help.
TEST_PACKAGES := dtv-scan-tables groff-base

# Every build `make test` runs treats warnings as errors.
CMAKE_FLAGS := -G Ninja -DLUMOSCOPE_WERROR=ON
SOURCE_DIRS := base database transfer editing listview shell ui cli tools tests bench fuzz cmake
SOURCES = $(shell find $(SOURCE_DIRS) -name '*.cpp' -o -name '*.h')

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps test-deps install-packages build asan fuzz bench format format-check clean package package-test screenshots

deps:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(DEBIAN_PACKAGES)"

test-deps:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(TEST_PACKAGES)"

install-packages:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run-main.sh $(BUILD)

asan: deps
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug \
	  -DLUMOSCOPE_SANITIZE=ON -DLUMOSCOPE_BENCH=OFF -DLUMOSCOPE_UI=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target lumoscope_tests lumoscope-cli
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLUMOSCOPE_FUZZ=ON -DLUMOSCOPE_SANITIZE=ON -DBUILD_TESTING=OFF -DLUMOSCOPE_UI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_all
	@for f in $(FUZZ_BUILD)/fuzz_*; do \
	  [ -x "$$f" ] || continue; name=$$(basename $$f); \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  seeds=fuzz/corpus/$${name#fuzz_}; [ -d "$$seeds" ] || seeds=; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp "$$f" -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
	    $(FUZZ_BUILD)/corpus/$$name $$seeds 2>$(FUZZ_BUILD)/$$name.log \
	    || { tail -n 60 $(FUZZ_BUILD)/$$name.log; exit 1; }; \
	  grep -E "^Done|^#[0-9]+.*DONE" $(FUZZ_BUILD)/$$name.log | tail -n 1; \
	done

# The format check comes first: it takes seconds, the builds take minutes.
test: format-check test-deps
	$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) package-test
	$(MAKE) asan
	$(MAKE) fuzz

# The Debian package (BUILD/lumoscope_VERSION_ARCH.deb), and its test: validators, lintian,
# and the programs run from the unpacked package.
package: build
	cd $(BUILD) && cpack -G DEB

package-test: build
	./scripts/package-test.sh $(BUILD)

# The guide's pictures (docs/images/) from the real window on a virtual display.
screenshots: build
	./scripts/screenshots.sh $(BUILD)

# One line per figure: its median of five runs, its target and whether it holds. The
# load of the machine comes first (the figures are wall times); the window benchmarks'
# own Qt Test log goes to BUILD/ui_*_bench.log.
bench: build
	@uptime
	@$(BUILD)/lumoscope_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	@for b in $(BUILD)/ui_*_bench; do \
	  [ -x "$$b" ] || continue; \
	  QT_QPA_PLATFORM=offscreen "$$b" -o "$$b.log,txt" || { cat "$$b.log"; exit 1; }; \
	done

format: deps
	@clang-format -i $(SOURCES)

format-check: deps
	@clang-format --dry-run --Werror $(SOURCES) && echo "clang-format: every source is formatted"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
