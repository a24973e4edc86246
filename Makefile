# The commands of the README. Each installs what is missing first and can run again.
BUILD := build
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev python3 python3-xlib \
	xvfb xauth x11-utils xdotool xclip imagemagick fonts-liberation fonts-dejavu-core \
	desktop-file-utils appstream systemd man-db dpkg-dev file
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps build package

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
	@missing=$$(for p in $(DEBIAN_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
