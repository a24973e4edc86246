# The commands of the README. Each installs what is missing first and can run again.
BUILD := build
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libxcb1-dev python3 \
	python3-xlib xvfb xauth x11-utils xdotool xclip imagemagick fonts-liberation \
	fonts-dejavu-core desktop-file-utils appstream systemd man-db dpkg-dev file qemu-user
# What `make bench` compares the program with, besides find and grep.
BENCH_PACKAGES := fd-find
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build package bench bench-deps

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

# Every benchmark once, each printing a summary line last. Cold figures need root, to empty
# the page cache.
bench: bench-deps build
	$(BUILD)/quobbin-bench scan
	$(BUILD)/quobbin-bench folders
	$(BUILD)/quobbin-bench lookup
	$(BUILD)/quobbin-bench results
	$(BUILD)/quobbin-bench startup

# Installs the Debian packages of a list that are missing.
install_missing = @missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

deps:
	$(call install_missing,$(DEBIAN_PACKAGES))

bench-deps: deps
	$(call install_missing,$(BENCH_PACKAGES))
