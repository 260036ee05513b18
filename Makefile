# Thin wrapper over CMake: make run, make test, make package, make install, make help, make bench,
# make fuzz.
PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev clang libclang-rt-14-dev qt6-translations-l10n qt6-charts-dev \
            poppler-utils unrtf dpkg-dev file xvfb xauth libqpdf-dev qpdf libxml2-utils \
            default-jre-headless libsaxonhe-java
# What `make help` needs to take the guide's screenshots.
HELP_PACKAGES := xvfb xauth xdotool imagemagick
JOBS     ?= 2
BUILD    ?= build
CMAKE_FLAGS ?=
FUZZ_SECONDS ?= 300

PREFIX ?= /usr/local

.PHONY: run test package install help bench fuzz soak deps build format clean

deps:
	@missing=$$(for p in $(PACKAGES) $(EXTRA_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  else \
	    echo "Paquets manquants. Installez-les avec :"; \
	    echo "  sudo apt-get install -y $$missing"; exit 1; \
	  fi; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/zelvente

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The program, its guide and the files the package installs; then the Debian package, made by
# CPack from this build folder.
PACKAGE_TARGETS := zelvente guide compresses
package: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS) --target $(PACKAGE_TARGETS)
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/zelvente_*.deb

# The same tree as the package, under PREFIX; the desktop learns the new file type and icon.
install: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j$(JOBS) --target $(PACKAGE_TARGETS)
	cmake --install $(BUILD) --prefix $(PREFIX)
	-update-mime-database $(PREFIX)/share/mime
	-update-desktop-database $(PREFIX)/share/applications
	-gtk-update-icon-cache -q -t $(PREFIX)/share/icons/hicolor

# The guide's screenshots and the icon's sizes, taken again from the program under Xvfb.
help: build
	$(MAKE) deps EXTRA_PACKAGES="$(HELP_PACKAGES)"
	help/captures.sh $(BUILD)

# Long random runs of the page models (SOAK_STEPS steps in all), saves of a full-size set killed
# at random instants (SOAK_KILLS kills besides one after each step of a save), a second program
# opening the set at random instants of saves (SOAK_OPENINGS openings), and every print of random
# record sets (SOAK_PRINTS sets, some 35 documents each).
SOAK_STEPS ?= 1000000
SOAK_KILLS ?= 500
SOAK_OPENINGS ?= 250
SOAK_PRINTS ?= 3000
soak: build
	ZEL_PAS_HASARD=$(SOAK_STEPS) $(BUILD)/tests/zel_core_tests --gtest_filter='Hasard.*'
	ZEL_TUES=$(SOAK_KILLS) $(BUILD)/tests/zel_core_tests --gtest_filter='Ensemble.AKilled*'
	ZEL_OUVERTURES=$(SOAK_OPENINGS) $(BUILD)/tests/zel_core_tests \
	  --gtest_filter='Ensemble.ASecondInstance*'
	ZEL_IMPRESSIONS=$(SOAK_PRINTS) $(BUILD)/tests/zel_core_tests --gtest_filter='HasardImpressions.*'

bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEL_TESTS=OFF -DZEL_UI=ON -DZEL_BENCH=ON
	cmake --build build-bench -j$(JOBS)
	build-bench/bench/zel_bench
	build-bench/bench/zel_bench_lettre

fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEL_TESTS=OFF -DZEL_UI=OFF -DZEL_FUZZ=ON
	cmake --build build-fuzz -j$(JOBS)
	# A report of the undefined behaviour sanitizer stops the run, so that it counts as a finding.
	export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1; \
	for cible in documents cartes jeu parcours reglages blocnotes recalcul rtf messages import; do \
	  mkdir -p fuzz-corpus/$$cible && \
	  build-fuzz/fuzz/fuzz_$$cible -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    fuzz-corpus/$$cible fuzz/seeds/$$cible || exit 1; \
	done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-bench build-fuzz
