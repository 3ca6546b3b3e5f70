# make run  - install what is missing, build, start the demo host on examples/modellib
# make test - install what is missing, build, run every test headless through ctest
BUILD    ?= build
JOBS     ?= $(shell nproc)
PACKAGES  = cmake ninja-build g++ qt6-base-dev qt6-tools-dev qt6-tools-dev-tools \
            qt6-l10n-tools libgl-dev libbenchmark-dev xvfb xauth
# Help > Contents and Index open the user guide in the system's viewer.
RUN_PACKAGES = xdg-utils
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(CI),true)
CMAKE_FLAGS += -DPW_WERROR=ON
endif

.PHONY: all deps configure build run test test-asan bench translations clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" != 0 ]; then \
	    echo "Missing packages. Install them with:"; \
	    echo "  sudo apt-get update && sudo apt-get install -y$$missing"; \
	    exit 1; \
	  fi; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: PACKAGES += $(RUN_PACKAGES)
run: build
	$(BUILD)/app/partwright-host/partwright-host

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-asan:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="$(CMAKE_FLAGS) -DPW_SANITIZE=ON -DPW_BENCH=OFF"

translations: configure
	cmake --build $(BUILD) --target translations

bench: build
	cd $(BUILD)/bench && for b in ./bench_*; do $$b; done

clean:
	rm -rf $(BUILD) build-asan
