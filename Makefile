# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    builds and starts the program
#   make test   builds and runs the tests
# Each installs the Debian packages it needs when they are missing (as root),
# or prints the exact command to install them.

BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR     ?= OFF
SANITIZE   ?= OFF

RUN_PACKAGES  := cmake ninja-build g++ qt6-base-dev libgl-dev fonts-dejavu-core
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xdotool xclip openbox x11-utils

.PHONY: run test build program configure deps-run deps-test clean

define ensure_packages
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Install them with:"; \
	    echo "  sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	fi
endef

deps-run:
	$(call ensure_packages,$(RUN_PACKAGES))

deps-test:
	$(call ensure_packages,$(TEST_PACKAGES))

configure:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVX_WERROR=$(WERROR) -DVX_SANITIZE=$(SANITIZE)

# The program and its tests.
build: configure
	cmake --build $(BUILD)

# The program alone.
program: configure
	cmake --build $(BUILD) --target vexorin

# The packages go in before anything is built, even under make -j: each
# build starts in a make of its own once they are there.
run: deps-run
	$(MAKE) --no-print-directory program
	$(BUILD)/Vexorin/bin/vexorin

test: deps-test
	$(MAKE) --no-print-directory build
	cd $(BUILD) && ctest --output-on-failure -j4

clean:
	rm -rf $(BUILD)
