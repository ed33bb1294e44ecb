# Convenience targets; the real build is CMake. Every target installs missing Debian packages first.
BUILD ?= build
RELEASE ?= build-release
JOBS ?= $(shell nproc)
DEMO_DIR = $(BUILD)/demo
# Extra configure options for $(BUILD), e.g. CMAKE_FLAGS=-DMCB_WERROR=ON as CI does (also for `package`).
CMAKE_FLAGS ?=
ASAN_PRESET ?= asan
FUZZ_SECONDS ?= 30

.PHONY: deps build run test bench asan fuzz package lint-package clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# Starts the program on a working copy of the bundled demo catalogue, so the copy in examples/
# stays as shipped.
run: build
	@mkdir -p $(DEMO_DIR)
	@[ -f $(DEMO_DIR)/demo.cbf ] || cp examples/demo.cbf examples/*.jpg $(DEMO_DIR)/
	$(BUILD)/mirvane-cdbase $(DEMO_DIR)/demo.cbf

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMCB_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(RELEASE) -j $(JOBS)
	@for b in $(RELEASE)/bench/*_bench; do echo "== $$b"; $$b; done

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
asan: deps
	@cmake --preset $(ASAN_PRESET) >/dev/null
	@cmake --build --preset $(ASAN_PRESET) -j $(JOBS)
	@ctest --preset $(ASAN_PRESET) -j $(JOBS)

# Builds the fuzz targets with Clang (build-fuzz/) and runs each for FUZZ_SECONDS.
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@fuzz/run-fuzzers build-fuzz $(FUZZ_SECONDS)

# The Debian package, in build-package/.
package: deps
	@cmake --preset package $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset package -j $(JOBS)
	@cd build-package && cpack -G DEB

# The package as Debian checks it: no error and no warning beyond packaging/lintian-overrides.
lint-package: package
	@lintian --fail-on error,warning --tag-display-limit 0 build-package/mirvane-cdbase_*.deb

clean:
	rm -rf $(BUILD) $(RELEASE) build-asan build-ci-asan build-fuzz build-package
