# Entry points for newcomers and CI. `make run` and `make test` set everything up first.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
FUZZ_DIR ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
SAMPLES_DIR := $(BUILD_DIR)/samples/My Sketches
RUN_PROFILE := $(BUILD_DIR)/run-profile
SYNTH := $(BUILD_DIR)/bin/qpe-synth

PACKAGES := g++ cmake ninja-build pkg-config file \
	zlib1g-dev libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev \
	qt6-base-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools \
	qt6-image-formats-plugins libhidapi-dev libudev-dev xdg-utils fonts-dejavu-core poppler-utils libxml2-utils \
	xvfb xauth xdotool dbus-daemon dbus-bin at-spi2-core python3-pyatspi

.PHONY: all setup build run samples test bench fuzz format clean

all: build

setup:
	@scripts/setup.sh $(PACKAGES)

build: setup
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

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

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: setup
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DDRAFTBAY_BUILD_TESTS=OFF \
		-DDRAFTBAY_BUILD_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/run-benchmarks.sh $(BENCH_DIR)

fuzz: setup
	@scripts/setup.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DDRAFTBAY_BUILD_TESTS=OFF -DDRAFTBAY_BUILD_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_qpe_parser fuzz_document_reader qpe-synth
	scripts/run-fuzzers.sh $(FUZZ_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(FUZZ_DIR)
