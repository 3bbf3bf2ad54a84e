# Two commands: `make run` sets up, builds and starts Vexilor; `make test`
# sets up, builds and runs every test. Both build incrementally in build/.
# `make package` builds the Debian package build/vexilor_VERSION_ARCH.deb.
BUILD ?= build
JOBS ?= 2

FUZZ_SECONDS ?= 60

.PHONY: all deps configure build test run fuzz package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure

# Without a display (a server, a container) the window opens on a virtual
# X screen of Xvfb, which scripts/install-deps.sh installs.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/bin/vexilor; \
	else echo "No display: starting vexilor on a virtual screen (xvfb-run)"; \
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/bin/vexilor; fi

# Every fuzz target for FUZZ_SECONDS each, built with clang in build-fuzz/
# (make fuzz FUZZ_SECONDS=600).
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

package: build
	@cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD)
