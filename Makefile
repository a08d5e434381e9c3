# Set-up and everyday commands. `make run` and `make test` install whatever
# Debian packages are missing, configure, build, then play or test.

BUILD_DIR ?= build
# The same sources under AddressSanitizer and UndefinedBehaviorSanitizer,
# built with clang.
SANITIZE_DIR ?= build-asan
# Where `make install` lays out the game; the player must be able to write there.
PREFIX ?= $(HOME)/.local
# The Release build the Debian package is made from.
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Every Debian package the project needs, in one place.
PACKAGES := cmake g++ make pkg-config \
            qt6-base-dev libgl-dev \
            libgtest-dev libgmock-dev libbenchmark-dev \
            libx11-dev xvfb xauth x11-utils x11-xkb-utils xdotool desktop-file-utils \
            dbus at-spi2-core python3-pyatspi \
            fonts-wine fonts-dejavu-core fonts-urw-base35 \
            libchm-dev fp-utils \
            clang-14 clang-format-14 libclang-rt-14-dev \
            dpkg-dev file lintian appstream

# What the Windows build needs besides: the cross compiler, the host's own (for
# the tool that lays the data out), the host's Qt tools, the X server its tests
# draw on under Wine and the keyboard they play with.
WINDOWS_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools fp-utils xvfb \
                    x11-xkb-utils xdotool \
                    g++-mingw-w64-x86-64-posix googletest wine64 fonts-wine \
                    xz-utils dpkg-dev
# The Wine prefix the Windows tests run in, with a Windows machine's fonts.
WINE_PREFIX ?= $(HOME)/.cache/palabrino/wine
WINDOWS_DIR ?= build-windows
# The Qt for MinGW to build against: QT_MINGW if given, else the one shared
# beside the repository, else the one tools/qt-mingw.sh builds once here.
QT_MINGW_SHARED := $(abspath $(CURDIR)/../shared/qt6-mingw)
QT_MINGW_CACHE := $(HOME)/.cache/palabrino/qt6-mingw
QT_TOOLCHAIN := lib/cmake/Qt6/qt.toolchain.cmake
QT_MINGW ?= $(if $(wildcard $(QT_MINGW_SHARED)/$(QT_TOOLCHAIN)),$(QT_MINGW_SHARED),$(QT_MINGW_CACHE))

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps windows-deps windows windows-test configure build run test sanitize-build sanitize fuzz bench install \
        package restore-data clean

all: build

# $(call install_missing,PACKAGES) installs those of the Debian packages not yet there.
define install_missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# The Windows folder, cross-built with MinGW-w64 against a Qt built for it
# (QT_MINGW, by default the one shared beside the repository).
windows-deps:
	$(call install_missing,$(WINDOWS_PACKAGES))

windows: windows-deps
	@if [ ! -f "$(QT_MINGW)/$(QT_TOOLCHAIN)" ]; then \
	    if [ "$(QT_MINGW)" != "$(QT_MINGW_CACHE)" ]; then \
	        echo "No Qt for MinGW at QT_MINGW='$(QT_MINGW)'"; exit 1; \
	    fi; \
	    echo "No Qt for MinGW found: building one into $(QT_MINGW_CACHE), once (about half an hour)"; \
	    bash tools/qt-mingw.sh "$(QT_MINGW_CACHE)"; \
	fi
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$(QT_MINGW)/$(QT_TOOLCHAIN) \
	    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
	cmake --build $(WINDOWS_DIR) --target windows_zip -j $(JOBS)

# The Windows suite, cross-built and run by CTest under Wine.
windows-test: windows
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	[ -d "$(WINE_PREFIX)" ] || bash tools/wine-prefix.sh "$(WINE_PREFIX)"
	cd $(WINDOWS_DIR) && WINEPREFIX="$(WINE_PREFIX)" ctest --output-on-failure -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/palabrino

# The suite in the ordinary build, then again under the sanitizers.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) sanitize

# The same sources, the fuzzers included, under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a folder of their own.
sanitize-build: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++-14 -DPALABRINO_SANITIZE=ON -DPALABRINO_FUZZ=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)

# The whole suite under the sanitizers; it replays every fuzzer's corpus too.
sanitize: sanitize-build
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS)

# Each fuzzer for FUZZ_SECONDS on its corpus, leaving the tree as it was;
# FUZZ_KEEP=1 keeps new inputs in tests/fuzz/corpus and failing ones in regressions.
FUZZ_SECONDS ?= 600
FUZZ_KEEP ?= 0
fuzz: sanitize-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_KEEP=$(FUZZ_KEEP) \
	    bash tests/fuzz/run_fuzzers.sh $(SANITIZE_DIR)/tests/fuzz

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, from a Release build without the tests, checked by lintian.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/palabrino_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	lintian --fail-on error $(PACKAGE_DIR)/palabrino_*.deb

# Start-up is measured in a real X server; the rest offscreen.
bench: build
	cmake --build $(BUILD_DIR) --target palabrino_bench -j $(JOBS)
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/bench/palabrino_bench

# Puts the shipped settings, categories and skins back, wiping the player's
# statistics in build/app.
restore-data: configure
	cmake --build $(BUILD_DIR) --target restore_data

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR) $(WINDOWS_DIR)
