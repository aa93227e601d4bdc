# Warnings for the targets built from our own sources (not for third-party code).
option(BREVANTA_WERROR "Treat compiler warnings in our sources as errors" OFF)

function(brevanta_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra)
    if(BREVANTA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
