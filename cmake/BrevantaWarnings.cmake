# Warnings for the targets built from our own sources (not for third-party code).
option(BREVANTA_WERROR "Treat compiler warnings in our sources as errors" OFF)

function(brevanta_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wconversion -Wold-style-cast)
    # Clang's -Wconversion also takes in -Wsign-conversion, which GCC leaves out for C++;
    # both compilers check the same set.
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        target_compile_options(${target} PRIVATE -Wno-sign-conversion)
    endif()
    if(BREVANTA_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
