# Tilora: `make run` and `make test` do all the set-up on a fresh Debian machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE ?= RelWithDebInfo

# Debian packages the build, the tests and the benchmarks need.
PACKAGES := g++ make cmake pkg-config qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins \
            libminizip-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev \
            desktop-file-utils libglib2.0-bin libjpeg-turbo-progs libjpeg62-turbo-dev \
            xvfb dbus-x11 at-spi2-core python3-pyatspi \
            qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# Only `make fuzz` needs these: libFuzzer comes with clang's runtime.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

.PHONY: all deps configure build run test package bench sanitize fuzz clean translations

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-game.sh $(BUILD)/bin/Tilora

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Brings translations/tilora_*.ts up to date with the texts in the sources (see the README).
translations: deps
	@tools/update-translations.sh

# build/dist/setup: the installer, one file that carries the game (the CMake target is not called
# "package", which CPack owns).
package: build
	@cmake --build $(BUILD) --target setup_package -j $(JOBS)
	@echo "$(BUILD)/dist/setup"

bench: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/tilora_bench
	@$(BUILD)/bin/tilora_hints_bench
	@$(BUILD)/bin/tilora_progress_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bin/tilora_picture_bench

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTILORA_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# libFuzzer targets built with clang, each run FUZZ_SECONDS seconds, one after the other.
# `make test` replays their corpora (tests/fuzz/corpus) without libFuzzer.
fuzz: deps
	@tools/install-deps.sh $(FUZZ_PACKAGES)
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTILORA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_targets -j $(JOBS)
	@QT_QPA_PLATFORM=offscreen tools/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# The Debian package, and the checks the archive would make of it.
DEB_PACKAGES := dpkg-dev file fakeroot lintian desktop-file-utils appstream

.PHONY: deb deb-check

deb: build
	@tools/install-deps.sh $(DEB_PACKAGES)
	@rm -f $(BUILD)/dist/tilora_*.deb
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@ls $(BUILD)/dist/tilora_*.deb

deb-check: deb
	@packaging/check-deb.sh $(BUILD)
