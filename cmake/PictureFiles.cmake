# The files of one of the window's pictures, named from its stem as assets/window-pictures.txt
# lists it: the drawing that keeps its soft edges as alpha, at 1x, 2x and 3x, as in
# objects/object00.png, objects/object00@2x.png and objects/object00@3x.png.
function(quandrel_picture_drawings stem out)
    set(${out} ${stem}.png ${stem}@2x.png ${stem}@3x.png PARENT_SCOPE)
endfunction()
