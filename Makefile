# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: run test build deps configure bench sanitize clean

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

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

sanitize:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS=-DKV_SANITIZE=ON

clean:
	rm -rf $(BUILD)
