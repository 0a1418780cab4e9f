# The warnings we hold our own targets to. They become errors only where asked for, with
# CMAKE_COMPILE_WARNING_AS_ERROR (as the Makefile does), so that a packager's compiler with new
# warnings still builds. The desktop build and the web build both take them from here.
add_library(quandrel_warnings INTERFACE)
target_compile_options(quandrel_warnings INTERFACE -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
