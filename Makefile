# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps configure bench sanitize fuzz soak clean

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
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DKV_FUZZ=ON -DKV_BENCH=OFF
	cmake --build $(FUZZ_BUILD) -j2 --target fuzz_targets
	tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD)
