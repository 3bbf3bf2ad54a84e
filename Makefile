# Two commands: `make run` sets up, builds and starts Vexilor; `make test`
# sets up, builds and runs every test. Both build incrementally in build/.
BUILD ?= build
JOBS ?= 2

.PHONY: all deps configure build test run clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure

run: build
	@if [ -x $(BUILD)/bin/vexilor ]; then $(BUILD)/bin/vexilor; \
	else echo "Built in $(BUILD)/bin:"; ls $(BUILD)/bin; fi

clean:
	rm -rf $(BUILD)
