# Orvana Clarimo: the suite's two commands and a few helpers.
#   make run [APP=dirvista|renamory]   build and start a program under Wine
#   make test                          build and run every test
#   make bench                         build and run every benchmark
#   make dist                          the portable zip in $(BUILD)/dist
#   make screenshots                   docs/dirvista.png and docs/renamory.png
#   make msvc-check                    compile-only check of the sources in MSVC mode (clang)
BUILD   ?= build
APP     ?= dirvista
JOBS    ?= 2
ROOT    := $(CURDIR)
B       := $(abspath $(BUILD))
# wine32 needs a kernel that runs 32-bit code. Where it cannot, the shipped PE32 programs are
# still built in $(B), and the tests (and `make run`) use a 64-bit build of the same sources
# in $(B)/x64, run under wine64.
WIN32_RUNS := $(shell /lib/ld-linux.so.2 --version >/dev/null 2>&1 && echo yes)
TB      := $(if $(WIN32_RUNS),$(B),$(B)/x64)
TEST_PREFIX := $(TB)/wineprefix-test
RUN_PREFIX  := $(TB)/wineprefix-run
SHOT_PREFIX := $(TB)/wineprefix-shots
# The version of the package is the one the programs carry in their version resource.
VERSION := $(shell sed -n 's/^ *FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3.\4/p' shared/res/shared.rc)
DIST_ZIP := $(B)/dist/OrvanaClarimo-$(VERSION)-win32.zip

.PHONY: all bootstrap configure build guide test run bench dist screenshots msvc-check clean

all: build

bootstrap:
	@sh scripts/bootstrap.sh

$(B)/CMakeCache.txt:
	cmake -S . -B $(B) -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/toolchain-i686-mingw.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DORVANA_TESTS=$(if $(WIN32_RUNS),ON,OFF)

$(B)/x64/CMakeCache.txt:
	cmake -S . -B $(B)/x64 -DCMAKE_TOOLCHAIN_FILE=$(ROOT)/cmake/toolchain-x86_64-mingw.cmake \
	  -DCMAKE_BUILD_TYPE=Release

configure: bootstrap
	@$(MAKE) --no-print-directory $(B)/CMakeCache.txt $(TB)/CMakeCache.txt

build: configure
	cmake --build $(B) -j$(JOBS)
	$(if $(WIN32_RUNS),,cmake --build $(TB) -j$(JOBS))
	@$(MAKE) --no-print-directory guide

# The user guide, beside the programs in every build folder (F1 opens it by relative name).
guide:
	@sh scripts/build-guide.sh $(B) $(TB)

# The tests include a check of the package, so it is made first.
test: dist
	cd $(TB) && WINEPREFIX=$(TEST_PREFIX) WINE_GRAPHICS=null ctest -j$(JOBS) --output-on-failure --timeout 300

run: build
	@cmake --build $(TB) --target demo_open_drive >/dev/null
	@WINEPREFIX=$(RUN_PREFIX) sh scripts/run-app.sh $(TB) $(APP) $(B)

bench: build
	cmake --build $(TB) -j$(JOBS) --target benches
	@cd $(TB) && for b in bench/bench_*.exe; do \
	  echo "== $$b"; WINEPREFIX=$(TEST_PREFIX) WINE_GRAPHICS=null sh $(ROOT)/scripts/wine-run.sh $$b || exit 1; \
	done

# Portable package of the shipped (PE32) programs, checked after it is made.
dist: build
	@sh scripts/make-dist.sh $(B) $(DIST_ZIP)
	@sh scripts/check-dist.sh $(DIST_ZIP)

# Pictures for the README: each program in a realistic state, under Xvfb.
screenshots: build
	cmake --build $(TB) -j$(JOBS) --target showcases
	@WINEPREFIX=$(SHOT_PREFIX) sh scripts/make-screenshots.sh $(TB) $(ROOT)/docs

msvc-check:
	@sh scripts/msvc-syntax-check.sh

clean:
	rm -rf $(B)
