# Nixaro: `make run` builds and starts the program, `make test` runs the whole suite headless.
BUILD ?= build
JOBS  ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: run test build deps bench screenshots install package clean

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
	./$(BUILD)/bench/nixaro_startup ./$(BUILD)/bench/nixaro_firstframe ./$(BUILD)/bench/bare_firstframe 15

screenshots: build
	./scripts/screenshots.sh $(BUILD)

# The program, its menu entry and icon; DESTDIR works as usual.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package under $(BUILD)/.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
