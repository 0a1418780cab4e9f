# Two entry points for a fresh Debian machine: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
SANITIZE_DIR ?= build-asan
PACKAGE_DIR ?= build-package
FUZZ_SECONDS ?= 60
WEB_DIR ?= build-web
WEB_PORT ?= 8080
# emcc runs its JavaScript optimizer with acorn from Debian's shared node modules.
WEB_ENV = NODE_PATH=/usr/share/nodejs
# Our own builds hold every warning to be an error; a plain cmake build does not.
WARNINGS_AS_ERRORS = -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
# Stop at the first report, with its stack trace.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test sanitize-build test-sanitize fuzz bench format clean \
	package test-package test-windows windows-cli windows-deps web serve-web test-web web-node-modules

all: build

deps:
	@scripts/install-deps

# Configured again when this file changes, so that a build tree from before takes its settings.
$(BUILD_DIR)/build.ninja: Makefile | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(WARNINGS_AS_ERRORS) $(CMAKE_FLAGS)
	@touch $@

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR)

# Only the editor and what it links, not the tests and tools.
run: deps configure
	cmake --build $(BUILD_DIR) --target quandrel
	$(BUILD_DIR)/src/app/quandrel

$(SANITIZE_DIR)/build.ninja: Makefile | deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
		-DQUANDREL_SANITIZE=ON -DQUANDREL_BUILD_BENCHMARKS=OFF $(WARNINGS_AS_ERRORS) $(CMAKE_FLAGS)
	@touch $@

sanitize-build: deps $(SANITIZE_DIR)/build.ninja
	cmake --build $(SANITIZE_DIR)

# The normal suite, the web edition's, then the same suite and brief fuzz runs under the sanitizers.
test: build
	scripts/run-ctest --test-dir $(BUILD_DIR) --output-on-failure
	@$(MAKE) --no-print-directory test-web
	@$(MAKE) --no-print-directory test-sanitize

test-sanitize: sanitize-build
	$(SANITIZER_ENV) scripts/run-ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# Each fuzz target for FUZZ_SECONDS; findings land in $(SANITIZE_DIR)/fuzz/findings.
fuzz: sanitize-build
	$(SANITIZER_ENV) FUZZ_SECONDS=$(FUZZ_SECONDS) cmake --build $(SANITIZE_DIR) --target fuzz

# The web edition: the Qt-free layers compiled with emscripten, and the static site in $(WEB_DIR)/site.
$(WEB_DIR)/build.ninja: Makefile | deps
	$(WEB_ENV) emcmake cmake -S web -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(WARNINGS_AS_ERRORS) \
		-DQUANDREL_NATIVE_BUILD=$(abspath $(BUILD_DIR))
	@touch $@

web: deps $(WEB_DIR)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_DIR) --target site

serve-web: web
	node web/tools/serve.mjs $(WEB_DIR)/site $(WEB_PORT)

# The browser tests' packages, exactly as the lockfile pins them.
web/node_modules/.package-lock.json: web/package-lock.json
	cd web && npm ci --no-audit --no-fund

web-node-modules: web/node_modules/.package-lock.json

# The codec and editor suites under node, then the page in headless Chromium against the
# native model of $(BUILD_DIR).
test-web: build web-node-modules $(WEB_DIR)/build.ninja
	$(WEB_ENV) cmake --build $(WEB_DIR)
	scripts/run-ctest --test-dir $(WEB_DIR) --output-on-failure

windows-deps:
	@scripts/install-deps windows

# The parts without Qt, cross-built for Windows, and their tests run under wine.
test-windows: windows-deps
	scripts/build-windows
	scripts/test-windows

# quandrel-pass.exe for Windows, one file with its runtime inside.
windows-cli: windows-deps
	scripts/build-windows quandrel-pass
	@ls -l build-windows/quandrel/src/cli/quandrel-pass.exe

bench: build
	$(BUILD_DIR)/bench/codec_bench
	$(BUILD_DIR)/bench/cli_bench
	$(BUILD_DIR)/bench/picture_bench
	$(BUILD_DIR)/bench/startup_bench

format: configure
	cmake --build $(BUILD_DIR) --target format

# The .deb is built the way Debian builds its packages: its default flags, hardening on. It
# compiles only what it installs: no tests, no benchmarks.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

$(PACKAGE_DIR)/build.ninja: | deps
	CXXFLAGS="$$($(DEB_FLAGS) CXXFLAGS) $$($(DEB_FLAGS) CPPFLAGS)" LDFLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
		cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
		-DQUANDREL_DEBIAN_DOCS=ON -DBUILD_TESTING=OFF $(CMAKE_FLAGS)

package: deps $(PACKAGE_DIR)/build.ninja
	cmake --build $(PACKAGE_DIR) --target package
	lintian --info $(PACKAGE_DIR)/quandrel_*.deb

# Installs the package on this machine, as a user would, and runs both programs.
test-package: package
	$$([ "$$(id -u)" -eq 0 ] || echo sudo) apt-get install -y --reinstall ./$(PACKAGE_DIR)/quandrel_*.deb
	quandrel-pass --version
	quandrel --version

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR) $(WEB_DIR) build-windows
