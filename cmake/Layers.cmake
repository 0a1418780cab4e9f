# Each layer of the program is one library whose include root holds its own folder alone, under
# the prefix the sources write ("codec/Password.h"). A file that includes a header of a layer
# its library does not link then fails to compile, instead of building by habit.
function(quandrel_layer_headers target folder prefix)
    set(root ${PROJECT_BINARY_DIR}/layers/${target})
    cmake_path(GET prefix PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    file(CREATE_LINK ${folder} ${root}/${prefix} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
endfunction()
