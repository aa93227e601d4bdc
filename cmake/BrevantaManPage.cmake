# brevanta_man_page(PAGE): installs the hand-written section-1 page PAGE (beside the calling
# CMakeLists.txt), compressed as Debian keeps man pages.
function(brevanta_man_page page)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${page})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${page} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${page}
        VERBATIM)
    add_custom_target(man-${page} ALL DEPENDS ${copy}.gz)
    install(FILES ${copy}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
