# One entry point: `make run` plays, `make test` checks everything. Both install what is missing first.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
CMAKE_FLAGS ?=

.PHONY: deps build run test test-build test-asan test-fuzz test-windows bench clean

deps:
	@./tools/install-deps

$(BUILD)/CMakeCache.txt:
	cmake --preset default -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./tools/run-game $(BUILD)

test-build: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake --preset asan -B $(ASAN_BUILD) $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test-fuzz: deps
	./tools/fuzz 30

test-windows: deps build
	./tools/test-windows
	./tools/compare-regedit $(BUILD)/tests/store/store_tool

test: test-build test-asan test-fuzz test-windows

bench: deps
	./bench/run

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-*
