# make run  - install what is missing, configure, build, start mecaro in examples/
# make test - install what is missing, configure, build, run every test through CTest
BUILD    ?= build
PACKAGES := cmake g++ make pkg-config libgtest-dev libreadline-dev libcairo2-dev fonts-dejavu-core

.PHONY: run test deps configure build clean

run: build
	cd examples && ../$(BUILD)/mecaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

build: configure
	cmake --build $(BUILD) -j2

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  else \
	    echo "missing Debian packages:$$missing (install them as root)"; exit 1; \
	  fi; \
	fi

clean:
	rm -rf $(BUILD)
