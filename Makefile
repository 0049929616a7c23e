# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up and everyday commands; each installs what it needs first (scripts/install-deps).
BUILD ?= build
SAN   ?= build-san
JOBS  ?= $(shell nproc)
export BUILD := $(abspath $(BUILD))

.PHONY: all deps build run run-navirelle test test-sanitizers screenshots bench fuzz package essai-paquets clean

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

# Every test again on a Debug build in $(SAN) with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer: a report of any of them fails the run. Leaks that belong to Qt or
# fontconfig themselves are listed, each with its reason, in tests/lsan.supp. The options hold
# for the build as well, which runs the picture generator.
# intercept_tls_get_addr=0: LeakSanitizer (GCC 12) guesses where a library's thread-local block
# starts, and reads a header that is not there when the block lies 16 bytes into a page; at exit
# its tracer then scans a made-up range and crashes. libjpeg, which Qt's PDF writer loads to
# compress the hatches of the sailboat sheets, has such a block, so a run in a hundred or so
# failed that way. Those blocks are the allocator's own, suppressed as leaks in any case.
test-sanitizers: export ASAN_OPTIONS = detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:intercept_tls_get_addr=0
test-sanitizers: export LSAN_OPTIONS = suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
test-sanitizers: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
test-sanitizers: deps
	@cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=Debug -DSANITISEURS=ON > /dev/null
	@cmake --build $(SAN) -j$(JOBS)
	cd $(SAN) && $(CURDIR)/scripts/tests-sanitiseurs -j$(JOBS)

# Every window of both programs as PNG files under $(BUILD)/screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bin/captures $(BUILD)/screenshots $(BUILD)/donnees

bench: build
	$(BUILD)/bench/bench_tableau --benchmark_counters_tabular=true
	$(BUILD)/bench/bench_jeu
	$(BUILD)/bench/bench_voiliers
	$(BUILD)/bench/bench_jeux_voiliers
	$(BUILD)/bench/bench_rtf
	$(BUILD)/bench/bench_editeur
	$(BUILD)/bench/bench_feuilles
	$(BUILD)/bench/bench_suivi
	./bench/demarrage.sh

# One Debian package per program in $(BUILD)/paquets/ (CPack, from the install rules).
package: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build $(BUILD) --target carrelis navirelle donnees doc_paquets -j$(JOBS)
	cd $(BUILD) && cpack -G DEB

# The packages built, installed, started from an empty home on a virtual screen and removed
# (root, or sudo: it installs system packages).
essai-paquets: deps
	./scripts/essayer-paquets

# Every reader under libFuzzer, each for FUZZ_DUREE seconds (60 by default), built apart with
# clang in build-fuzz; fails after the last target when one crashed, leaked, ran away or broke its
# property, naming the inputs kept in build-fuzz/<target>/ (FUZZ_CIBLES="fuzz_A ..." picks some).
fuzz: deps
	./scripts/fuzz

clean:
	rm -rf $(BUILD) $(SAN) build-fuzz
