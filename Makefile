# Setup and everyday commands on Debian 12. Each target installs what it lacks first.
BUILD ?= build
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

BUILD_PACKAGES := cmake make g++ pkg-config libgtest-dev libgmock-dev \
	qt6-base-dev qt6-image-formats-plugins libqt6svg6 libgl-dev desktop-file-utils appstream
RUN_PACKAGES := qt6-wayland
DEMO_PACKAGES := imagemagick fonts-dejavu-core xvfb xdotool

.PHONY: all build test run demo screenshot format clean

all: build

# Installs the Debian packages among $(1) that are not installed yet.
define install_missing
	@missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing Debian packages:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

$(BUILD)/CMakeCache.txt:
	$(call install_missing,$(BUILD_PACKAGES))
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	$(call install_missing,$(BUILD_PACKAGES))
	cmake --build $(BUILD) -j$$(nproc)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$$(nproc)

run: build
	$(call install_missing,$(RUN_PACKAGES))
	$(BUILD)/twinpics

demo: build
	$(call install_missing,$(RUN_PACKAGES) $(DEMO_PACKAGES))
	tools/make-demo.sh demo
	$(BUILD)/twinpics demo

screenshot: build
	$(call install_missing,$(DEMO_PACKAGES))
	tools/screenshot.sh $(BUILD)/twinpics resources/screenshot.png

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
