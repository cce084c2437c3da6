# Mirrors data/ into Data/ beside the program, copying only what changed.
# Data/Save and the state file are the player's: they are never touched here.
file(MAKE_DIRECTORY ${DST}/Save)
if(EXISTS ${SRC})
    file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
    foreach(f IN LISTS files)
        if(f MATCHES "^Save/")
            continue()
        endif()
        get_filename_component(dir ${DST}/${f} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
    endforeach()
endif()
