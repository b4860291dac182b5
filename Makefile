# Wraps CMake and Ninja. `make` builds, `make test` installs what is missing,
# builds and runs every test, `make demo` runs the sample command files into out/.
BUILD ?= build
CMAKE_FLAGS ?=
# `make install PREFIX=/some/where` installs the program, the library and the desktop files there.
PREFIX ?= /usr/local
# WERROR=ON makes warnings errors (developers and CI); it is read when $(BUILD) is configured.
WERROR ?= OFF

# `make fuzz` builds the fuzz targets with clang in $(FUZZ_BUILD) and runs each
# for FUZZ_SECONDS, starting from the seed corpus in fuzz/corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= bmp jpeg pcx tiff targa archive profile gedcom chart

.PHONY: all build configure deps test demo clean fuzz install

all: build

configure:
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja -DQUORREL_WERROR=$(WERROR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

deps:
	scripts/install-deps

test: deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j2

# Every command file of examples/, unattended (no display needed), output in out/; each
# chart file written by this run is listed, and the PNG pictures are copied into
# docs/images for the manual. The sample command files name the project in build/.
demo: deps
	$(MAKE) build
	@mkdir -p out
	@status=0; \
	for f in $$(find examples -maxdepth 1 -type f \( -iname '*.qrc' -o -iname '*.ini' \) | sort); do \
		echo "demo: $$f"; \
		base=$$(sed -n 's/^[[:space:]]*OUTPUT[[:space:]]*=[[:space:]]*//Ip' "$$f" | tr -d '\r' | head -n 1); \
		if [ -n "$$base" ]; then for ext in BMP JPG QRD PDF SVG PNG; do rm -f "$$base.$$ext"; done; fi; \
		$(BUILD)/app/quorrel "$$f" || { echo "demo: $$f failed" >&2; status=1; }; \
		for ext in BMP JPG QRD PDF SVG PNG; do \
			if [ -n "$$base" ] && [ -f "$$base.$$ext" ]; then echo "demo:   wrote $$base.$$ext"; fi; \
		done; \
		if [ -n "$$base" ] && [ -f "$$base.PNG" ]; then \
			mkdir -p docs/images && cp "$$base.PNG" "docs/images/$$(basename "$$base").png"; \
		fi; \
	done; \
	[ -d docs/images ] && echo "demo: the manual's pictures are in docs/images"; \
	exit $$status

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || cmake -S . -B $(FUZZ_BUILD) -G Ninja -DQUORREL_FUZZ=ON \
		-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/artifacts || exit 1; \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
		$(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -close_fd_mask=2 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_BUILD)/artifacts/$$t- $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) out
