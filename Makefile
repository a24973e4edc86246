# The commands of the README. Each installs what is missing first and can run again.
SHELL := /bin/bash
BUILD := build
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-wayland unicode-data doctest-dev libgl-dev \
	libxkbcommon-dev libxcb1-dev python3 python3-xlib xvfb xauth x11-utils xdotool xclip \
	imagemagick fonts-liberation fonts-dejavu-core desktop-file-utils appstream systemd man-db \
	dpkg-dev file python3-pyatspi at-spi2-core dbus zlib1g-dev
# The cross build for Windows, Wine to run its tests, and NSIS for its installer.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine64 libz-mingw-w64-dev nsis
LINT_PACKAGES := clang-format-14 clang-tidy-14
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
# What `make bench` compares the program with, besides find and grep.
BENCH_PACKAGES := fd-find
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

.PHONY: run test deps configure build build-windows package lint test-sanitize test-threads fuzz
.PHONY: bench windows

# Only what the program needs, not every test, fuzz target and benchmark: a first start builds
# half as much.
run: configure
	cmake --build $(BUILD) --target quobbin quobbin-window
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: DISPLAY and WAYLAND_DISPLAY are unset. Start Quobbin under Xvfb:"; \
	  echo "  Xvfb :99 -screen 0 1280x1024x24 -nolisten tcp -noreset &"; \
	  echo "  DISPLAY=:99 $(BUILD)/quobbin"; \
	  exit 1; \
	fi
	$(BUILD)/quobbin

test: build build-windows
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j2
	cd $(WINDOWS_BUILD) && ctest --output-on-failure --timeout 300

# The Debian package, build/quobbin_<version>_amd64.deb.
package: build
	cd $(BUILD) && cpack

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD)

deps:
	$(call install,$(DEBIAN_PACKAGES))

# The Windows programs, cross-compiled with MinGW-w64; their tests run under Wine. The window
# program's icon and help pictures come from the Linux build's drawer.
WINDOWS_BUILD := build-windows
build-windows: configure
	$(call install,$(WINDOWS_PACKAGES))
	cmake --build $(BUILD) --target quobbin-help-bitmaps
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja --toolchain cmake/mingw-w64.cmake
	cmake --build $(WINDOWS_BUILD)

# The Windows installer and portable zip: build-windows/Quobbin-<release>-setup.exe and
# build-windows/Quobbin-<release>-portable.zip.
windows: build-windows
	cmake --build $(WINDOWS_BUILD) --target windows-packages

# Every benchmark once, each printing a summary line last. Cold figures need root, to empty
# the page cache.
bench: build build-windows
	$(call install,$(BENCH_PACKAGES))
	test -d $(WINDOWS_BUILD)/wine-prefix/drive_c || sh tests/wine/make_prefix.sh $(WINDOWS_BUILD)/wine-prefix
	$(BUILD)/quobbin-bench scan
	$(BUILD)/quobbin-bench folders
	$(BUILD)/quobbin-bench lookup
	$(BUILD)/quobbin-bench results
	$(BUILD)/quobbin-bench startup
	$(BUILD)/quobbin-bench scene
	$(BUILD)/quobbin-bench wine

# The layout of every C++ file against .clang-format, then the checks of .clang-tidy over every
# source file of the normal build with its compile commands; any finding fails. Windows' own
# sources (the -win32 halves, the window in windows/) have no compile commands here.
lint: build
	$(call install,$(LINT_PACKAGES))
	git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror
	set -o pipefail; git ls-files '*.cpp' ':!*-win32.cpp' ':!windows/*' | xargs -n1 -P2 clang-tidy-14 -p $(BUILD) --quiet 2>&1 \
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

# The scan's tests under ThreadSanitizer: the read-ahead's threads against the walk. Not in CI:
# the build takes five minutes here for a second of tests.
THREAD_BUILD := build-thread-sanitize
test-threads: deps
	cmake -S . -B $(THREAD_BUILD) -G Ninja -DQUOBBIN_THREAD_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1"
	cmake --build $(THREAD_BUILD) --target library_scan_test
	cd $(THREAD_BUILD) && TSAN_OPTIONS=halt_on_error=1:suppressions=$(CURDIR)/tests/sanitize/tsan.supp \
	  ctest --output-on-failure -R '^library_scan_test$$'

# Each libFuzzer target in fuzz/ for FUZZ_SECONDS, on a copy of its seed corpus in the build
# folder; the inputs that fail are left in build-fuzz/findings/. Any failure fails the run, once
# every target has had its time.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS := 60
FUZZ_TARGETS := $(patsubst fuzz/%_fuzz.cpp,%,$(wildcard fuzz/*_fuzz.cpp))
fuzz: deps
	$(call install,$(FUZZ_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DQUOBBIN_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@failed=; for target in $(FUZZ_TARGETS); do \
	  corpus=$(FUZZ_BUILD)/corpus/$$target; findings=$(FUZZ_BUILD)/findings/$$target; \
	  mkdir -p $$corpus $$findings && cp fuzz/corpus/$$target/* $$corpus/ && \
	  echo "Fuzzing $$target for $(FUZZ_SECONDS) s" && \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -rss_limit_mb=2048 -artifact_prefix=$$findings/ $$corpus || failed="$$failed $$target"; \
	done; \
	if [ -n "$$failed" ]; then echo "Fuzzing failed:$$failed (see $(FUZZ_BUILD)/findings)"; exit 1; fi
