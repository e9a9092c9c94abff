# Nixaro: `make run` builds and starts the program, `make test` runs the whole suite headless.
# `make test BUILD_TYPE=Debug` builds and tests unoptimised, in build-debug/ beside build/.
BUILD_TYPE ?= RelWithDebInfo
BUILD ?= $(if $(filter RelWithDebInfo,$(BUILD_TYPE)),build,build-$(shell echo $(BUILD_TYPE) | tr A-Z a-z))
JOBS  ?= $(shell nproc)
PREFIX ?= /usr/local

STRESS_BUILD ?= build-stress
# The monkey's share: seeds (each a fresh random one, printed) and events per seed.
STRESS_SEEDS ?= 4
STRESS_EVENTS ?= 5000

FUZZ_SECONDS ?= 60

.PHONY: run test build deps bench bench-x11 screenshots install package stress fuzz screenreader clean

run: build
	./$(BUILD)/nixaro

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps.sh

bench: build
	./$(BUILD)/bench/nixaro_bench
	./$(BUILD)/bench/nixaro_startup ./$(BUILD)/bench/nixaro_firstframe ./$(BUILD)/bench/bare_firstframe 15 \
	  ./$(BUILD)/bench/text_firstframe
	./$(BUILD)/bench/nixaro_switches 7

# The same start-up comparison in an X server with a window manager.
bench-x11: build
	./scripts/bench-x11.sh $(BUILD) 15

screenshots: build
	./scripts/screenshots.sh $(BUILD)

# The program, its menu entry and icon; DESTDIR works as usual.
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package under $(BUILD)/, compiled afresh by debian/rules in build-package/
# with Debian's hardening flags, and lintian's verdict on it: any error or warning fails.
package: deps
	mkdir -p $(BUILD)
	NIXARO_DEB_DIR=$(BUILD) dpkg-buildpackage -b --no-sign -j$(JOBS) \
	  --buildinfo-option=-u$(BUILD) --buildinfo-file=$(BUILD)/nixaro.buildinfo \
	  --changes-option=-u$(BUILD) --changes-file=$(BUILD)/nixaro.changes
	lintian --fail-on error,warning --display-info \
	  $(BUILD)/nixaro_$$(dpkg-parsechangelog -S Version)_$$(dpkg-architecture -qDEB_HOST_ARCH).deb

# The monkey and the quote-file fuzz loop under AddressSanitizer and UBSan.
stress: deps
	cmake -S . -B $(STRESS_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNIXARO_SANITIZE=ON
	cmake --build $(STRESS_BUILD) -j$(JOBS) --target nixaro_monkey fuzz_quotefile
	./scripts/stress.sh $(STRESS_BUILD) $(STRESS_SEEDS) $(STRESS_EVENTS)

# The quote-file reader under libFuzzer (Debian's clang), for FUZZ_SECONDS.
fuzz:
	./scripts/install-deps.sh fuzz
	mkdir -p build-fuzz
	clang++ -std=c++20 -g -O1 -fPIC -Wall -Wextra -fsanitize=fuzzer,address,undefined -DNIXARO_LIBFUZZER -I. \
	  $$(pkg-config --cflags Qt6Core) tests/fuzz_quotefile.cpp pages/quote/quotefile.cpp \
	  app/codepage.cpp app/savefile.cpp $$(pkg-config --libs Qt6Core) -o build-fuzz/fuzz_quotefile
	./build-fuzz/fuzz_quotefile -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1

# What Orca says on a walk through the oval pool by keys alone, in $(BUILD)/screenreader.txt.
screenreader: build
	./scripts/install-deps.sh screenreader
	./scripts/screenreader.py $(BUILD)

clean:
	rm -rf $(BUILD) $(STRESS_BUILD) build-fuzz build-package
