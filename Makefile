# Orvana Clarimo: the suite's two commands and a few helpers.
#   make run [APP=dirvista|renamory]   build and start a program under Wine
#   make test                          build and run every test
#   make bench                         build and run every benchmark
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

.PHONY: all bootstrap configure build test run bench clean

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

test: build
	cd $(TB) && WINEPREFIX=$(TEST_PREFIX) WINE_GRAPHICS=null ctest -j$(JOBS) --output-on-failure --timeout 300

run: build
	@WINEPREFIX=$(RUN_PREFIX) sh scripts/run-app.sh $(TB) $(APP) $(B)

bench: build
	cmake --build $(TB) -j$(JOBS) --target benches
	@cd $(TB) && for b in bench/bench_*.exe; do \
	  echo "== $$b"; WINEPREFIX=$(TEST_PREFIX) WINE_GRAPHICS=null sh $(ROOT)/scripts/wine-run.sh $$b || exit 1; \
	done

clean:
	rm -rf $(B)
