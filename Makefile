# Set-up and everyday commands. `make run` and `make test` install whatever
# Debian packages are missing, configure, build, then play or test.

BUILD_DIR ?= build
# The same sources under AddressSanitizer and UndefinedBehaviorSanitizer,
# built with clang.
SANITIZE_DIR ?= build-asan
# Where `make install` lays out the game; the player must be able to write there.
PREFIX ?= $(HOME)/.local
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Every Debian package the project needs, in one place.
PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev \
            libx11-dev xvfb xauth x11-utils xdotool desktop-file-utils \
            dbus at-spi2-core python3-pyatspi \
            fonts-wine fonts-dejavu-core \
            libchm-dev fp-utils \
            clang-14 libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test sanitize bench install restore-data clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/palabrino

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again under the sanitizers, in a folder of its own.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++-14 -DPALABRINO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Start-up is measured in a real X server; the rest offscreen.
bench: build
	cmake --build $(BUILD_DIR) --target palabrino_bench -j $(JOBS)
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/palabrino_bench

# Puts the shipped settings, categories and skins back, wiping the player's
# statistics in build/app.
restore-data: configure
	cmake --build $(BUILD_DIR) --target restore_data

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
