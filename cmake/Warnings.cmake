# dropline_warnings(target): the project's warning set, errors when DROPLINE_WERROR is on.
function(dropline_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(DROPLINE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
