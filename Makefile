# The two commands of the README: `make run` and `make test`. Each installs
# the Debian packages that are missing, configures and builds into build/,
# then starts the calculator or runs every test headless.

SHELL     := /bin/bash
BUILD_DIR := build
# To build and test: the toolchain, Qt, its translation tools (lrelease
# builds the translations, lupdate checks them) and its own translations,
# the fonts the windows ask for, the help compiler (chmcmd, chmls), libwayland-client, which asks a Wayland
# compositor about title bars, python3 for the crafted help files of the
# tests, and for the start-up test weston (headless), Xvfb and Qt's Wayland
# platform. chmlib, which the help viewer reads with, is in third_party/.
PACKAGES  := cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl-dev libwayland-dev python3 \
             fonts-liberation fonts-dejavu-core fp-utils-3.2.2 valgrind \
             weston xvfb xauth qt6-wayland qt6-l10n-tools qt6-translations-l10n
# To run: Qt's Wayland platform, for a Wayland session without an X server,
# and Qt's own texts in the user's language.
RUN_PACKAGES := qt6-wayland qt6-translations-l10n
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# The version, as the project states it once: project(zarnith VERSION ...).
VERSION   := $(shell sed -n 's/^project.zarnith VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

.PHONY: all deps run-deps build run test test-a11y test-sanitize fuzz bench package test-package test-debian13 check-format translations clean

all: build

deps:
	@$(MAKE) --no-print-directory install-missing WANTED="$(PACKAGES)"

run-deps:
	@$(MAKE) --no-print-directory install-missing WANTED="$(RUN_PACKAGES)"

.PHONY: install-missing
install-missing:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j$$(nproc)

# Started in the build folder, which holds Zarnith.chm, so that F1 finds it.
run: build run-deps
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "zarnith: no display to open the window on; run 'xvfb-run make run' for a virtual one."; \
	  exit 1; \
	fi
	cd $(BUILD_DIR) && ./zarnith

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# With a screen reader: both windows' accessible names, and what Orca speaks
# (its debug log, no speech server) as a person types, under Xvfb with a
# private session bus and the AT-SPI registry; started in the build folder,
# where the help file is. Bounded in time; it ends every process it starts.
A11Y_PACKAGES := xvfb openbox xdotool dbus at-spi2-core python3-pyatspi orca
test-a11y: build
	@$(MAKE) --no-print-directory install-missing WANTED="$(A11Y_PACKAGES)"
	cd $(BUILD_DIR) && /usr/bin/python3 ../tests/a11y_test.py zarnith

# The whole suite again, built with AddressSanitizer and UBSan. Leaks are
# valgrind's part (the memcheck test), so LeakSanitizer stays off here.
SANITIZE_DIR := build-sanitize
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug -DZARNITH_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$$(nproc)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -E memcheck

# The fuzz targets, each for FUZZ_SECONDS (30 by default), from the seeds in
# tests/fuzz/corpus; what it finds beyond them stays in the build folder.
FUZZ_DIR      := build-fuzz
FUZZ_SECONDS  ?= 30
FUZZ_TARGETS  := zarnith help
# The release's own clang: the versioned package its `clang` depends on
# (clang-14 on Debian 12, clang-19 on Debian 13), asked of apt when needed,
# after reading the package lists if there are none yet.
CLANG_VERSION = $(shell for attempt in 1 2; do \
                  v=$$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9][0-9]*\)$$/\1/p' | head -n1); \
                  [ -n "$$v" ] && break; $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null 2>&1; \
                done; echo $$v)
FUZZ_PACKAGES = clang-$(CLANG_VERSION) libclang-rt-$(CLANG_VERSION)-dev
fuzz: deps
	@[ -n "$(CLANG_VERSION)" ] || { echo "fuzz: apt knows no clang package"; exit 1; }
	@$(MAKE) --no-print-directory install-missing WANTED="$(FUZZ_PACKAGES)"
	cmake -S . -B $(FUZZ_DIR) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang-$(CLANG_VERSION) -DCMAKE_CXX_COMPILER=clang++-$(CLANG_VERSION) -DZARNITH_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j$$(nproc)
	@for t in $(FUZZ_TARGETS); do \
	  echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t; \
	  if ! ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
	      -timeout=10 -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/fuzz_$$t- \
	      $(FUZZ_DIR)/corpus/$$t tests/fuzz/corpus/$$t > $(FUZZ_DIR)/fuzz_$$t.log 2>&1; then \
	    tail -n 40 $(FUZZ_DIR)/fuzz_$$t.log; exit 1; \
	  fi; \
	  grep -E '^Done|number_of_executed_units' $(FUZZ_DIR)/fuzz_$$t.log; \
	done

# Start-up, command latency and memory against a minimal Qt baseline built
# the same way; prints the table and writes bench/results.md.
BENCH_DIR := build-bench
bench: deps
	cmake -S . -B $(BENCH_DIR) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DZARNITH_BENCH=ON
	cmake --build $(BENCH_DIR) -j$$(nproc) --target bench_startup_zarnith bench_startup_baseline \
	  bench_commands bench_runner
	$(BENCH_DIR)/bench/bench_runner $(BENCH_DIR)/bench/bench_startup_zarnith \
	  $(BENCH_DIR)/bench/bench_startup_baseline $(BENCH_DIR)/bench/bench_commands bench/results.md

# The Debian package zarnith_$(VERSION)_<architecture>.deb, installed under /usr.
PACKAGE_DIR      := build-package
PACKAGE_PACKAGES := dpkg-dev lintian desktop-file-utils appstream file
package: deps
	@$(MAKE) --no-print-directory install-missing WANTED="$(PACKAGE_PACKAGES)"
	cmake -S . -B $(PACKAGE_DIR) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_DIR) -j$$(nproc) --target zarnith zarnith_help zarnith_icons zarnith_changelog
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/zarnith_*_amd64.deb

# Checks the package (lintian, the validators), installs it, starts the
# installed program headless, and removes it again.
test-package: package
	$(SUDO) tests/package_test.sh $(PACKAGE_DIR)/zarnith_$(VERSION)_$$(dpkg --print-architecture).deb

# The project's own sources laid out as .clang-format says (chmlib keeps
# its own layout); the release's clang-format reads it.
check-format:
	@$(MAKE) --no-print-directory install-missing WANTED="clang-format"
	git ls-files '*.cpp' '*.h' | grep -v '^third_party/' | xargs clang-format --dry-run --Werror

# The translations' sources brought up to date with the program's texts:
# new texts are added unfinished, texts no longer used dropped.
LUPDATE := /usr/lib/qt6/bin/lupdate
translations: deps
	$(LUPDATE) -no-obsolete -locations none -silent engine widgets calculator decimals shell -ts translations/*.ts

# The README's make test and make test-a11y again on a Debian 13 system that
# debootstrap builds in build-debian13/root (reused when present), as root.
test-debian13:
	$(SUDO) .ci/debian13 build-debian13

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(PACKAGE_DIR)
