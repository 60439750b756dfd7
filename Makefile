# One entry point: `make run` plays, `make test` checks everything. Both install what is missing first.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=

.PHONY: deps build run test test-build test-asan test-fuzz test-windows bench clean

deps:
	@./tools/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAIRFINDER_WERROR=ON $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./tools/run-game $(BUILD)

test-build: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPAIRFINDER_WERROR=ON -DPAIRFINDER_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test-fuzz: deps
	@if [ -x tools/fuzz ]; then ./tools/fuzz 30; else echo "no fuzz target yet"; fi

test-windows: deps build
	@if [ -x tools/test-windows ]; then ./tools/test-windows; else echo "no Windows test build yet"; fi
	./tools/compare-regedit $(BUILD)/tests/store/store_tool

test: test-build test-asan test-fuzz test-windows

bench: deps
	@if [ -x bench/run ]; then ./bench/run; else echo "no benchmarks yet"; fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-*
