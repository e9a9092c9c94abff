# Nixaro: `make run` builds and starts the program, `make test` runs the whole suite headless.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: run test build deps bench screenshots clean

run: build
	./$(BUILD)/nixaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps.sh

bench: build
	./$(BUILD)/bench/nixaro_bench

screenshots: build
	./scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD)
