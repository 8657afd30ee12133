# The two commands of the README: `make run` and `make test`.
# Both install what the build needs (Debian packages) before building.

BUILD    ?= build
TYPE     ?= RelWithDebInfo
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES := g++ cmake make qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev \
            libbenchmark-dev fonts-liberation2 qt6-translations-l10n poppler-utils \
            desktop-file-utils dpkg-dev file xvfb xauth \
            qt6-httpserver-dev qt6-websockets-dev libqrencode-dev pkg-config chromium chromium-driver

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all setup configure build test run bench bench-web fuzz sanitize windows-check dist package clean

all: build

# Installs those of the Debian packages given that are missing.
define installer
	@missing=""; for p in $(1); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

setup:
	$(call installer,$(PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE)

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The program and the sample only; the stand works on a copy of its own, which
# it rewrites as it is used (the shipped sample stays as the generator wrote it).
RUN_DIR = $(abspath $(BUILD))/run
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target koralis exemple
	mkdir -p "$(RUN_DIR)"
	for f in EXEMPLE4.MHZ DICO_KORAL.TXT; do \
	  [ -e "$(RUN_DIR)/$$f" ] || cp "$(BUILD)/exemple/$$f" "$(RUN_DIR)/$$f"; done
	"$(BUILD)/koralis" "$(RUN_DIR)/EXEMPLE4.MHZ"

# The folder koralsetup installs from, and the Debian package.
dist: configure
	cmake --build $(BUILD) -j $(JOBS) --target dist

package: configure
	cmake --build $(BUILD) -j $(JOBS) --target koralis exemple
	cd $(BUILD) && cpack -G DEB

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target koral_bench koral_bench_ui
	"$(BUILD)/bench/koral_bench"
	"$(BUILD)/bench/koral_bench_ui"

# The board on the phones: 300 phones polling for WEB_SECONDS on the loopback
# while the stand works, then hostile clients; fails when a bound is broken.
WEB_SECONDS ?= 60
bench-web: configure
	cmake --build $(BUILD) -j $(JOBS) --target koral_charge_web
	"$(BUILD)/bench/koral_charge_web" $(WEB_SECONDS)

# The whole suite in a Debug build under AddressSanitizer, UBSan and leak
# detection; any report fails its test. Qt's own leaks are suppressed by
# tests/sanitize/lsan.supp, never the project's.
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
sanitize: setup
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DKORAL_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core and its tests built for Windows with the MinGW-w64 cross compiler and
# run under Wine, in a Wine folder of their own (not part of make test: a large
# install). GoogleTest is built from the sources Debian ships.
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64-posix wine wine64 googletest
WINDOWS_BUILD = $(BUILD)-windows
WINE_ENV = WINEDEBUG=-all WINEPREFIX="$(abspath $(WINDOWS_BUILD))/wine"
windows-check:
	$(call installer,$(WINDOWS_PACKAGES))
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	      -DKORAL_CORE_SEUL=ON -DKORAL_GTEST_SOURCES=/usr/src/googletest
	$(WINE_ENV) cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	$(WINE_ENV) wine "$(WINDOWS_BUILD)/tests/koral_tests_core.exe" --gtest_brief=1

# Each fuzzer for FUZZ_SECONDS (clang's libFuzzer; not part of make test).
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-dev
fuzz: setup
	$(call installer,$(FUZZ_PACKAGES))
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKORAL_FUZZ=ON
	cmake --build $(BUILD)-fuzz -j $(JOBS)
	# Each starts from a corpus of its own: the meeting readers are seeded with the
	# sample, the import with real spreadsheet and export files, the dictionary
	# with the sample dictionary and a Windows one, the web board's requests with a phone's.
	for f in $(BUILD)-fuzz/fuzz/fuzz_*; do \
	  c=$(BUILD)-fuzz/corpus/$$(basename $$f); mkdir -p $$c; \
	  case $$f in \
	    *manifestation|*ouverture) "$(BUILD)-fuzz/koral_exemple" $$c/exemple.mhz;; \
	    *import) cp fuzz/graines/import/* $$c/;; \
	    *dictionnaire) cp fuzz/graines/dictionnaire/* resources/exemple/dico_koral.txt $$c/;; \
	    *requetes_web) cp fuzz/graines/requetes_web/* $$c/;; \
	  esac; \
	  $$f $$c -max_total_time=$(FUZZ_SECONDS) -max_len=65536 || exit 1; done

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz $(BUILD)-windows
