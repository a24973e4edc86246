# The commands of the README. Each installs what is missing first and can run again.
SHELL := /bin/bash
BUILD := build
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libxkbcommon-dev python3 \
	python3-xlib xvfb xauth x11-utils xdotool xclip imagemagick fonts-liberation \
	fonts-dejavu-core desktop-file-utils appstream dpkg-dev file
LINT_PACKAGES := clang-format-14 clang-tidy-14
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Installs those of the Debian packages given that are missing.
define install
	@missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

.PHONY: run test deps build package lint test-sanitize

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: DISPLAY and WAYLAND_DISPLAY are unset. Start Quobbin under Xvfb:"; \
	  echo "  Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp -noreset &"; \
	  echo "  DISPLAY=:99 $(BUILD)/quobbin"; \
	  exit 1; \
	fi
	$(BUILD)/quobbin

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j2

# The Debian package, build/quobbin_<version>_amd64.deb.
package: build
	cd $(BUILD) && cpack

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

deps:
	$(call install,$(DEBIAN_PACKAGES))

# The layout of every C++ file against .clang-format, then the checks of .clang-tidy over every
# source file with the compile commands of the normal build; any finding fails.
lint: build
	$(call install,$(LINT_PACKAGES))
	git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
	set -o pipefail; git ls-files '*.cpp' | xargs -n1 -P2 clang-tidy-14 -p $(BUILD) --quiet 2>&1 \
	  | { grep -v ' warnings\? generated\.$$' || true; }

# The program and every test under AddressSanitizer and UndefinedBehaviorSanitizer. Debug keeps
# the index checks in Qt's headers; -O1 keeps the tests fast. Any report ends the program with a
# failure status, which fails its test: the end-to-end tests check how the program ends.
SANITIZE_BUILD := build-sanitize
test-sanitize: export ASAN_OPTIONS := halt_on_error=1:detect_leaks=1
test-sanitize: export UBSAN_OPTIONS := halt_on_error=1:print_stacktrace=1
test-sanitize: export LSAN_OPTIONS := suppressions=$(CURDIR)/tests/sanitize/lsan.supp
test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=g++ -DQUOBBIN_SANITIZE=ON \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
	cmake --build $(SANITIZE_BUILD)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure --timeout 600 -j2
