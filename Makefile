# Entry points for newcomers and CI. `make run` and `make test` set everything up first.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
ASAN_DIR ?= build-asan
TSAN_DIR ?= build-tsan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
SAMPLES_DIR := $(BUILD_DIR)/samples/My Sketches
RUN_PROFILE := $(BUILD_DIR)/run-profile
SYNTH := $(BUILD_DIR)/bin/qpe-synth

PACKAGES := g++ cmake ninja-build pkg-config file \
	zlib1g-dev libzip-dev libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev \
	qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n \
	qt6-image-formats-plugins libhidapi-dev libudev-dev xdg-utils fonts-dejavu-core poppler-utils libxml2-utils \
	xvfb xauth xdotool dbus-daemon dbus-bin at-spi2-core python3-pyatspi \
	libgif-dev libwebp-dev libavcodec-dev libavformat-dev libswscale-dev libavutil-dev ffmpeg \
	desktop-file-utils appstream lintian shared-mime-info libglib2.0-bin dpkg-dev

# The sanitizer runs: every finding fails the test that ran into it. LeakSanitizer and
# ThreadSanitizer skip only what tests/sanitizers/*.supp lists, each entry with its reason.
SANITIZER_FILES := $(CURDIR)/tests/sanitizers
ASAN_ENV := ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_invalid_pointer_pairs=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(SANITIZER_FILES)/lsan.supp:print_suppressions=0
TSAN_ENV := TSAN_OPTIONS=suppressions=$(SANITIZER_FILES)/tsan.supp:second_deadlock_stack=1:history_size=4
# The test programs whose code runs threads: the parser stop and the log, the receiver's
# threads, the disposal thread, the loader thread, the image encoders of the exports.
TSAN_TESTS := ink_tests device_tests document_tests browser_tests export_tests replay_tests
FUZZERS := fuzz_qpe_parser fuzz_document_reader fuzz_settings_reader fuzz_input_report \
	fuzz_protocol_replies

.PHONY: all setup build install package check-packaging run run-receiver samples test test-asan test-tsan bench fuzz translations format clean

all: build

setup:
	@scripts/setup.sh $(PACKAGES)

build: setup
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs into PREFIX (default /usr/local); DESTDIR stages it.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package build/draftbay_VERSION_ARCH.deb, checked by lintian (warnings are shown,
# errors fail), after the desktop files pass their validators.
package: build check-packaging
	cd $(BUILD_DIR) && cpack -G DEB
	lintian $(BUILD_DIR)/draftbay_*.deb | tee $(BUILD_DIR)/lintian.txt || true
	! grep -q '^E:' $(BUILD_DIR)/lintian.txt

check-packaging: build
	desktop-file-validate packaging/org.quillo.Draftbay.desktop
	appstreamcli validate --no-net $(BUILD_DIR)/packaging/org.quillo.Draftbay.metainfo.xml

# 120 sample sketches (three pages): drawings, illustrated pages and handwritten notes.
samples: build
	@rm -rf "$(SAMPLES_DIR)"
	$(SYNTH) --count 40 --points 0 --kind drawing --seed 11 --prefix "drawing-" --out "$(SAMPLES_DIR)"
	$(SYNTH) --count 40 --points 0 --kind mixed --seed 12 --prefix "page-" --out "$(SAMPLES_DIR)"
	$(SYNTH) --count 30 --points 7000 --kind handwriting --seed 13 --prefix "notes-" --out "$(SAMPLES_DIR)"
	$(SYNTH) --count 10 --points 0 --kind handwriting --seed 14 --prefix "letter-" --out "$(SAMPLES_DIR)"

# Runs the application with a profile of its own (build/run-profile), which starts in the
# sample folder; the user's own settings are not touched.
run: samples
	@mkdir -p "$(RUN_PROFILE)/Quillo"
	@sed 's|<directory path=""/>|<directory path="$(CURDIR)/$(SAMPLES_DIR)"/>|' \
		resources/support/draftbayfactory.xml > "$(RUN_PROFILE)/Quillo/draftbayuser.xml"
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display: run 'make run' in a desktop session (or under xvfb-run)."; exit 1; fi
	XDG_DATA_HOME="$(CURDIR)/$(RUN_PROFILE)" $(BUILD_DIR)/bin/draftbay

# The application with the simulated receiver, whose disc holds the sample sketches: it is
# plugged at the start, connects after its ten seconds and shows its "My Sketches".
run-receiver: samples
	@mkdir -p "$(RUN_PROFILE)-receiver/Quillo"
	@sed 's|<directory path=""/>|<directory path="$(CURDIR)/$(BUILD_DIR)"/>|' \
		resources/support/draftbayfactory.xml > "$(RUN_PROFILE)-receiver/Quillo/draftbayuser.xml"
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		echo "No display: run 'make run-receiver' in a desktop session (or under xvfb-run)."; exit 1; fi
	DRAFTBAY_SIMULATED_RECEIVER="$(CURDIR)/$(BUILD_DIR)/samples" \
		XDG_DATA_HOME="$(CURDIR)/$(RUN_PROFILE)-receiver" $(BUILD_DIR)/bin/draftbay

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer. The build runs
# the test programs too (to list their tests), so it gets the same options.
test-asan: setup
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
		-DDRAFTBAY_SANITIZE=address,undefined $(CMAKE_FLAGS)
	$(ASAN_ENV) cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && $(ASAN_ENV) ctest --output-on-failure -j $(JOBS)

# The threaded test programs built with ThreadSanitizer.
test-tsan: setup
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
		-DDRAFTBAY_SANITIZE=thread $(CMAKE_FLAGS)
	$(TSAN_ENV) cmake --build $(TSAN_DIR) -j $(JOBS) --target $(TSAN_TESTS)
	cd $(TSAN_DIR) && $(TSAN_ENV) ctest --output-on-failure -j $(JOBS) \
		-L '^($(subst $(eval ) ,|,$(TSAN_TESTS)))$$'

bench: setup
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAFTBAY_BUILD_TESTS=OFF \
		-DDRAFTBAY_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/run-benchmarks.sh $(BENCH_DIR)
	bench/scaling.sh $(BENCH_DIR)

fuzz: setup
	@scripts/setup.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DDRAFTBAY_BUILD_TESTS=OFF -DDRAFTBAY_BUILD_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(FUZZERS)
	scripts/run-fuzzers.sh $(FUZZ_DIR)

# Brings the translation sources up to date with the texts of the code and the forms.
translations: setup
	cd resources/translations && for ts in draftbay_*.ts; do \
		/usr/lib/qt6/bin/lupdate -silent -locations relative -no-obsolete ../../src ../forms -ts $$ts; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR) $(ASAN_DIR) $(TSAN_DIR)
