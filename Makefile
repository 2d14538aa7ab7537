# make run: builds and starts Ombrivelle on the sample classroom.
# make run-castiflore: builds and starts Castiflore on the same sample classroom.
# make test: builds and runs the tests.
# make test-san: the tests again, built with clang, AddressSanitizer and UndefinedBehaviorSanitizer.
# make fuzz: each fuzz target for FUZZ_SECONDES seconds (60 by default), from its seed corpus.
# make fuzz-ci: each fuzz target for FUZZ_ESSAIS inputs (what CI runs).
# JOBS=n limits the build to n jobs (all cores by default).
BUILD ?= build
BUILD_SAN ?= build-san
CLASSE := $(BUILD)/classe
FUZZ_SECONDES ?= 60
FUZZ_ESSAIS ?= 20000
PAQUETS := cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n \
	libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good libjpeg62-turbo \
	libgtest-dev googletest libbenchmark-dev libgl1-mesa-dev \
	clang libclang-rt-14-dev \
	xvfb xauth poppler-utils pulseaudio pulseaudio-utils xdg-utils
SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps build run run-castiflore test san test-san fuzz fuzz-ci clean

all: build

deps:
	@manquants=""; for p in $(PAQUETS); do dpkg -s $$p >/dev/null 2>&1 || manquants="$$manquants $$p"; done; \
	if [ -n "$$manquants" ]; then \
		echo "Installation de :$$manquants"; \
		$(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$manquants; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD) $(if $(JOBS),-j $(JOBS))

# The program folder: the executable beside a copy of the sample classroom. The copy is made
# once, so that the pupils' results of earlier runs stay.
run: build
	mkdir -p $(CLASSE)
	cp -rn data/. $(CLASSE)/
	cp $(BUILD)/apps/ombrivelle $(CLASSE)/ombrivelle
	cd $(CLASSE) && ./ombrivelle

# The same program folder: both executables side by side, sharing the results folder.
run-castiflore: build
	mkdir -p $(CLASSE)
	cp -rn data/. $(CLASSE)/
	cp $(BUILD)/apps/castiflore $(CLASSE)/castiflore
	cd $(CLASSE) && ./castiflore

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $$(nproc)

# The second tree: clang, both sanitizers, and the libFuzzer targets of fuzz/.
san: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_SAN) -G Ninja -DSANITISEURS=ON -DFUZZ=ON
	cmake --build $(BUILD_SAN) $(if $(JOBS),-j $(JOBS))

test-san: san
	cd $(BUILD_SAN) && QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $$(nproc)

# Each target from a working copy of its seed corpus (the repository's corpus is never
# written). A finding stops with the input saved beside it: add it to fuzz/corpus/<target>/
# under a name beginning "regression-" once mended.
define lancer_fuzz
	@for c in $$(cat $(BUILD_SAN)/fuzz/cibles.txt); do \
		mkdir -p $(BUILD_SAN)/fuzz-travail/$$c $(BUILD_SAN)/fuzz-trouvailles/$$c; \
		QT_QPA_PLATFORM=offscreen $(BUILD_SAN)/fuzz/fuzz_$$c $(1) -max_len=1024 \
			-artifact_prefix=$(BUILD_SAN)/fuzz-trouvailles/$$c/ \
			$(BUILD_SAN)/fuzz-travail/$$c fuzz/corpus/$$c > $(BUILD_SAN)/fuzz-trouvailles/$$c.log 2>&1; \
		statut=$$?; \
		echo "fuzz $$c: $$(grep -a DONE $(BUILD_SAN)/fuzz-trouvailles/$$c.log | tail -n 1)"; \
		if [ $$statut -ne 0 ]; then tail -n 40 $(BUILD_SAN)/fuzz-trouvailles/$$c.log; exit 1; fi; \
	done
endef

fuzz: san
	$(call lancer_fuzz,-max_total_time=$(FUZZ_SECONDES))

fuzz-ci: san
	$(call lancer_fuzz,-runs=$(FUZZ_ESSAIS) -seed=1)

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
