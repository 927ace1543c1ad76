# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps configure bench sanitize fuzz soak clean windows windows-test windows-configure

run: build
	cd $(BUILD)/home && ./game

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

build: configure
	cmake --build $(BUILD) -j2

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

deps:
	@tools/install-deps.sh

# The soak session runs on its own (`make soak`): a thousand plays take long.
bench: build
	@for b in $(BUILD)/bench/bench_*; do case "$${b##*/}" in bench_soak) ;; *) [ -x "$$b" ] && "$$b";; esac; done

SOAK_PLAYS ?= 1000
soak: build
	KV_SOAK_PLAYS=$(SOAK_PLAYS) $(BUILD)/bench/bench_soak

sanitize:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS=-DKV_SANITIZE=ON

# Every fuzz target for FUZZ_SECONDS each (or those FUZZ_TARGETS names),
# built with clang in its own folder; findings go to $(FUZZ_BUILD)/fuzz-findings.
# FUZZ_RUNS stops each target after that many executions; FUZZ_JOBS runs
# that many targets at once.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
FUZZ_RUNS ?=
FUZZ_JOBS ?= 1
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DKV_FUZZ=ON -DKV_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j2 --target fuzz_targets
	FUZZ_RUNS=$(FUZZ_RUNS) FUZZ_JOBS=$(FUZZ_JOBS) tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD)

# The Windows package, cross-built with MinGW-w64 (README "Windows").
WIN_BUILD ?= build-win64
WIN_PREFIX = $(CURDIR)/$(WIN_BUILD)/deps/prefix
WINE ?= /usr/lib/wine/wine64

windows: build windows-configure
	nice -n 19 cmake --build $(WIN_BUILD)/game -j2 --target game sysconfig
	tools/package-windows.sh $(BUILD)/home $(WIN_BUILD)/game $(WIN_PREFIX) $(WIN_BUILD)/dist

windows-configure:
	nice -n 19 tools/build-windows-deps.sh $(WIN_BUILD)/deps
	@[ -f $(WIN_BUILD)/game/build.ninja ] || cmake -S . -B $(WIN_BUILD)/game -G Ninja \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/tools/mingw-w64.cmake -DKV_WIN_PREFIX=$(WIN_PREFIX) \
	  -DKV_NATIVE_BUILD=$(CURDIR)/$(BUILD) -DKV_BENCH=OFF

# The unit suites, cross-built and run under Wine with a prefix of their own,
# then one session played on both builds and compared.
windows-test: windows
	nice -n 19 cmake --build $(WIN_BUILD)/game -j2
	WINE=$(WINE) nice -n 19 tools/run-windows-tests.sh $(WIN_BUILD)/game $(WIN_BUILD)/dist $(WIN_BUILD)/wine
	WINE=$(WINE) nice -n 19 tools/compare-windows-run.sh $(BUILD)/home $(WIN_BUILD)/dist $(WIN_BUILD)/wine $(WIN_BUILD)/compare
