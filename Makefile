# Convenience targets; the real build is CMake. Every target installs missing Debian packages first.
BUILD ?= build
RELEASE ?= build-release
JOBS ?= $(shell nproc)
DEMO_DIR = $(BUILD)/demo

.PHONY: deps build run test bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
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

clean:
	rm -rf $(BUILD) $(RELEASE)
