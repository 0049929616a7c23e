# Set-up and everyday commands; each installs what it needs first (scripts/install-deps).
BUILD ?= build
JOBS  ?= $(shell nproc)
export BUILD := $(abspath $(BUILD))

.PHONY: all deps build run run-navirelle test screenshots bench fuzz clean

all: build

deps:
	@./scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./scripts/lancer carrelis

run-navirelle: build
	@./scripts/lancer navirelle

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Every window of both programs as PNG files under $(BUILD)/screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/captures $(BUILD)/screenshots $(BUILD)/donnees

bench: build
	$(BUILD)/bench/bench_tableau --benchmark_counters_tabular=true
	$(BUILD)/bench/bench_jeu
	$(BUILD)/bench/bench_rtf
	./bench/demarrage.sh

# The rich-text reader under libFuzzer for FUZZ_DUREE seconds (60 by default), built apart
# with clang in build-fuzz; fails on the first crash, leak or runaway input.
fuzz: deps
	./scripts/fuzz-rtf

clean:
	rm -rf $(BUILD)
