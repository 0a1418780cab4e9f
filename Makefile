# Two entry points for a fresh Debian machine: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
SANITIZE_DIR ?= build-asan
PACKAGE_DIR ?= build-package
FUZZ_SECONDS ?= 60
# Our own builds hold every warning to be an error; a plain cmake build does not.
WARNINGS_AS_ERRORS = -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
# Stop at the first report, with its stack trace.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test sanitize-build test-sanitize fuzz bench format clean \
	package test-package test-windows windows-cli windows-deps

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

# The normal suite, then the same suite and brief fuzz runs under the sanitizers.
test: build
	scripts/run-ctest --test-dir $(BUILD_DIR) --output-on-failure
	@$(MAKE) --no-print-directory test-sanitize

test-sanitize: sanitize-build
	$(SANITIZER_ENV) scripts/run-ctest --test-dir $(SANITIZE_DIR) --output-on-failure

# Each fuzz target for FUZZ_SECONDS; findings land in $(SANITIZE_DIR)/fuzz/findings.
fuzz: sanitize-build
	$(SANITIZER_ENV) FUZZ_SECONDS=$(FUZZ_SECONDS) cmake --build $(SANITIZE_DIR) --target fuzz

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

# The .deb is built the way Debian builds its packages: its default flags, hardening on.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

$(PACKAGE_DIR)/build.ninja: | deps
	CXXFLAGS="$$($(DEB_FLAGS) CXXFLAGS) $$($(DEB_FLAGS) CPPFLAGS)" LDFLAGS="$$($(DEB_FLAGS) LDFLAGS)" \
		cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
		-DQUANDREL_DEBIAN_DOCS=ON -DQUANDREL_BUILD_BENCHMARKS=OFF $(CMAKE_FLAGS)

package: deps $(PACKAGE_DIR)/build.ninja
	cmake --build $(PACKAGE_DIR) --target package
	lintian --info $(PACKAGE_DIR)/quandrel_*.deb

# Installs the package on this machine, as a user would, and runs both programs.
test-package: package
	$$([ "$$(id -u)" -eq 0 ] || echo sudo) apt-get install -y --reinstall ./$(PACKAGE_DIR)/quandrel_*.deb
	quandrel-pass --version
	quandrel --version

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR) build-windows
