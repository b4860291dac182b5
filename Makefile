# Wraps CMake and Ninja. `make` builds, `make test` installs what is missing,
# builds and runs every test, `make demo` runs the sample command files into out/.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all build configure deps test demo clean

all: build

configure:
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD)

deps:
	scripts/install-deps

test: deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j2

# Every command file of examples/, unattended (no display needed), output in out/.
demo: deps
	$(MAKE) build
	@mkdir -p out
	@status=0; \
	for f in $$(find examples -maxdepth 1 -type f \( -iname '*.qrc' -o -iname '*.ini' \) | sort); do \
		echo "demo: $$f"; \
		$(BUILD)/app/quorrel --verbose "$$f" || { echo "demo: $$f failed" >&2; status=1; }; \
	done; \
	exit $$status

clean:
	rm -rf $(BUILD) out
