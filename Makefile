# Two entry points: `make run` builds the game alone and starts it; `make test` installs and builds everything
# and checks it. Each installs what it is missing first.
JOBS ?= $(shell nproc)
BUILD ?= build
RUN_BUILD ?= build-run
ASAN_BUILD ?= build-asan
WINDOWS_BUILD ?= build-windows
WASM_BUILD ?= build-wasm
WASM_TEST_BUILD ?= build-wasm-test
WEB ?= build-web
CMAKE_FLAGS ?=

.PHONY: deps deps-run deps-web build run test test-build test-asan test-fuzz test-windows test-web windows web \
	package release release-check bench clean

deps:
	@./tools/install-deps test

deps-run:
	@./tools/install-deps run

deps-web:
	@./tools/install-deps web

# A player's build: no tests, and no warnings as errors, so a newer compiler's new warning cannot stop it.
run: deps-run
	@[ -f $(RUN_BUILD)/CMakeCache.txt ] || \
		cmake -S . -B $(RUN_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DPAIRFINDER_WERROR=OFF $(CMAKE_FLAGS)
	cmake --build $(RUN_BUILD) --target pairfinder -j $(JOBS)
	./tools/run-game $(RUN_BUILD)

$(BUILD)/CMakeCache.txt:
	cmake --preset default -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test-build: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake --preset asan -B $(ASAN_BUILD) $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test-fuzz: deps
	./tests/runners/fuzz 30

# The game for Windows: the Qt it links (built once per machine, about 15 minutes), the pictures rendered by
# this machine's build, then one static pairfinder.exe with its third-party notices, its zip and its installer.
windows: deps $(BUILD)/CMakeCache.txt
	./packaging/windows/build $(BUILD) $(WINDOWS_BUILD) $(CMAKE_FLAGS) >/dev/null
	@ls -l $(WINDOWS_BUILD)/app/pairfinder.exe $$(cat $(WINDOWS_BUILD)/packages.txt)

# The Windows layers' tests and the regedit comparison under Wine; then, whenever the Qt it links is in the
# cache (`make windows` builds it once), the whole Windows program: its notices checked against what it links
# (and the check against notices that leave something out), played under Wine (every board in one prefix, the
# full one and the first smaller one by keys, heard by UI Automation; an own deck), and installed, upgraded and
# uninstalled by Wine's msiexec.
test-windows: deps build
	./tests/runners/windows-layers
	./tests/runners/compare-regedit $(BUILD)/tests/store/store_tool
	@if qt=$$(./third_party/windows-qt path); then \
		$(MAKE) --no-print-directory windows && \
		{ read -r zip; read -r msi; } < $(WINDOWS_BUILD)/packages.txt && \
		notices="windows --qt $$qt --map $(WINDOWS_BUILD)/app/pairfinder.map --own $(WINDOWS_BUILD) \
			--program $(WINDOWS_BUILD)/app/pairfinder.exe --zip $$zip --libzip $$(./third_party/libzip path windows)" && \
		./release/third-party-notices check $$notices && ./tests/packaging/notices_check.py $$notices && \
		export PAIRFINDER_CARD_METRICS=$(CURDIR)/$(BUILD)/card_metrics.env && \
		python3 tests/ui/play_under_xvfb.py --wine $(WINDOWS_BUILD)/app/pairfinder.exe --uia build-mingw/tests/windows && \
		python3 tests/ui/play_under_xvfb.py --wine $(WINDOWS_BUILD)/app/pairfinder.exe --own-deck && \
		python3 tests/packaging/install_under_wine.py $$zip $$msi; \
	else \
		echo "The Windows program was not tested: there is no Qt for Windows in the cache; make windows builds it (about 15 minutes on two cores, once per machine)."; \
	fi

# The page: the rules and the store as WebAssembly with the page's front end, its pictures and fonts, as one
# static folder, build-web/, that plays opened from disk or served by any static web server.
web: deps-web
	@[ -f $(WASM_BUILD)/CMakeCache.txt ] || cmake --preset web -B $(WASM_BUILD) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(WASM_BUILD) -j $(JOBS)
	rm -rf $(WEB) && cmake --install $(WASM_BUILD) --prefix $(WEB) >/dev/null
	@echo "The page is in $(WEB)/: open $(WEB)/index.html, or serve the folder."

# The game's and the store's tests built for the page and run under Node; the page played in Chromium from a
# local server and from disk, and compared with the desktop window.
test-web: deps build
	@[ -f $(WASM_TEST_BUILD)/CMakeCache.txt ] || cmake --preset web-test -B $(WASM_TEST_BUILD) \
		-DPAIRFINDER_DESKTOP_PROGRAM=$(CURDIR)/$(BUILD)/app/pairfinder $(CMAKE_FLAGS) >/dev/null
	cmake --build $(WASM_TEST_BUILD) -j $(JOBS)
	# The own deck's scenario carries a deck file through the Windows program too, when make windows built it.
	cd $(WASM_TEST_BUILD) && PAIRFINDER_WINDOWS_PROGRAM=$$([ -f $(CURDIR)/$(WINDOWS_BUILD)/app/pairfinder.exe ] && \
		echo $(CURDIR)/$(WINDOWS_BUILD)/app/pairfinder.exe) ctest --output-on-failure -j $(JOBS)

test: test-build test-asan test-fuzz test-windows test-web

# The Debian package of the release build, in $(BUILD); `make test` builds and checks it too.
package: build
	cmake --build $(BUILD) --target package -j $(JOBS)

# The current commit built into dist/: the source, the Debian package, the Windows zip and installer, and their
# checksums, the same bytes on every machine. release-check builds it twice in two clones and compares.
release:
	./release/release

release-check:
	./release/release-check

bench: deps
	./bench/run

clean:
	rm -rf $(BUILD) $(RUN_BUILD) $(ASAN_BUILD) build-* dist
