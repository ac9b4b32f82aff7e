# Thin wrapper over CMake + Ninja. `make run` and `make test` are the two commands a
# newcomer needs; both install what is missing first.
BUILD_DIR ?= build
BIN := $(BUILD_DIR)/bin
WERROR := $(if $(QUORVEL_WERROR),$(QUORVEL_WERROR),OFF)

.PHONY: all deps configure build run test screenshots bench bench-import bench-rr package install clean \
	sanitize-build test-sanitize fuzz

all: build

deps:
	@scripts/install-deps

configure:
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUORVEL_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: deps build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "No display found: start Quorvel under a virtual display with 'xvfb-run -a $(BIN)/quorvel'."; \
		exit 1; \
	fi
	@$(BIN)/quorvel

test: deps build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

# The tests and the fuzz targets built with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own folder (cmake/QuorvelSanitize.cmake). Only the
# test programs run there (label "program"): the checks of scripts, layers and the
# package have nothing for a sanitizer to see, and a package of instrumented programs
# is not what ships.
SANITIZE_DIR ?= build-sanitize
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 0
FUZZ_TARGETS ?=

sanitize-build: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
		-DQUORVEL_SANITIZE=ON -DQUORVEL_WERROR=$(WERROR) >/dev/null
	@cmake --build $(SANITIZE_DIR)

test-sanitize: sanitize-build
	@cd $(SANITIZE_DIR) && ctest --output-on-failure -j2 -L '^program$$'

# Each fuzz target for FUZZ_SECONDS seconds (make fuzz FUZZ_SECONDS=600); FUZZ_RUNS
# inputs instead with FUZZ_SECONDS=0; only the FUZZ_TARGETS named, when given.
fuzz: sanitize-build
	@scripts/run-fuzzers $(SANITIZE_DIR) $(FUZZ_SECONDS) $(FUZZ_RUNS) $(FUZZ_TARGETS)

screenshots: build
	@mkdir -p docs/screenshots
	@QT_QPA_PLATFORM=offscreen $(BIN)/quorvel-screenshots docs/screenshots
	@if command -v pdftoppm >/dev/null; then \
		pdftoppm -png -r 96 docs/screenshots/gage-rr-sheets.pdf docs/screenshots/gage-rr-printed \
			&& rm docs/screenshots/gage-rr-sheets.pdf; \
	else \
		echo "pdftoppm (poppler-utils) is missing: docs/screenshots/gage-rr-sheets.pdf is left as it is"; \
	fi

bench: build
	@QT_QPA_PLATFORM=offscreen $(BIN)/quorvel-bench-startup
	@QT_QPA_PLATFORM=offscreen $(BIN)/quorvel-bench-rrstudy

bench-import: build
	@QT_QPA_PLATFORM=offscreen $(BIN)/quorvel-bench-import

bench-rr: deps
	@BUILD_DIR=$(BUILD_DIR) scripts/bench-import

# A Debian package of what `cmake --install` puts into /usr, in $(BUILD_DIR).
package: deps build
	@cd $(BUILD_DIR) && cpack -G DEB

# Installs into PREFIX (default /usr/local): bin/, share/quorvel/, the desktop entry, the
# manual pages.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	@rm -rf $(BUILD_DIR)
