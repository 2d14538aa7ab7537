# make run: builds and starts Ombrivelle on the sample classroom.
# make test: builds and runs the tests.
BUILD ?= build
CLASSE := $(BUILD)/classe
PAQUETS := cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n \
	libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good libjpeg62-turbo \
	libgtest-dev googletest libbenchmark-dev libgl1-mesa-dev \
	xvfb xauth poppler-utils
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps build run test clean

all: build

deps:
	@manquants=""; for p in $(PAQUETS); do dpkg -s $$p >/dev/null 2>&1 || manquants="$$manquants $$p"; done; \
	if [ -n "$$manquants" ]; then \
		echo "Installation de :$$manquants"; \
		$(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$manquants; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

# The program folder: the executable beside a copy of the sample classroom. The copy is made
# once, so that the pupils' results of earlier runs stay.
run: build
	mkdir -p $(CLASSE)
	cp -rn data/. $(CLASSE)/
	cp $(BUILD)/apps/ombrivelle $(CLASSE)/ombrivelle
	cd $(CLASSE) && ./ombrivelle

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $$(nproc)

clean:
	rm -rf $(BUILD)
