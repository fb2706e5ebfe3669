# Warnings and sanitizers apply to the project's own targets only.
set(KESTROM_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wnull-dereference
    -Wformat=2 -Wimplicit-fallthrough)
if(KESTROM_WERROR)
    list(APPEND KESTROM_WARNING_FLAGS -Werror)
endif()

if(KESTROM_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()

function(kestrom_set_warnings target)
    target_compile_options(${target} PRIVATE ${KESTROM_WARNING_FLAGS})
endfunction()
