# make run  - install what is missing, configure, build the program, start it in examples/
# make test - install what is missing, configure, build, run every test through CTest
BUILD    ?= build
PACKAGES := cmake g++ make pkg-config libgtest-dev libreadline-dev libcairo2-dev zlib1g-dev libpoppler-glib-dev poppler-utils fonts-dejavu-core

.PHONY: run test sanitize deps configure build clean

# Only the program is built: a first run waits for no test.
run: configure
	cmake --build $(BUILD) -j$$(nproc) --target mecaro
	cd examples && ../$(BUILD)/app/mecaro

test: build
	cd $(BUILD) && ctest --output-on-failure -j$$(nproc)

# The same tests built with the address and undefined-behaviour sanitizers.
sanitize: deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer"
	cmake --build $(BUILD)-sanitize -j$$(nproc)
	cd $(BUILD)-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -j$$(nproc)

build: configure
	cmake --build $(BUILD) -j$$(nproc)

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
	rm -rf $(BUILD) $(BUILD)-sanitize
