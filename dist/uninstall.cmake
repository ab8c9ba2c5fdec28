# SPDX-License-Identifier: GPL-3.0-or-later
# Removes an installed Krellmont: cmake -DBUILD_DIR=build -DPREFIX=/usr/local -P uninstall.cmake
# (DESTDIR from the environment, as for the install). The file list comes from a fresh
# install into a scratch folder, so it matches what this build installs whether or not an
# earlier install's manifest is still around.
cmake_minimum_required(VERSION 3.16)
if(NOT BUILD_DIR OR NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DBUILD_DIR=<build> -DPREFIX=<prefix> -P uninstall.cmake")
endif()
set(scratch ${BUILD_DIR}/uninstall-scratch)
file(REMOVE_RECURSE ${scratch})
execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
            ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${scratch}
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cannot list the installed files from ${BUILD_DIR}")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${scratch} ${scratch}/*)
file(REMOVE_RECURSE ${scratch})

set(root "$ENV{DESTDIR}${PREFIX}")
set(folders)
foreach(file IN LISTS installed)
    if(EXISTS "${root}/${file}" OR IS_SYMLINK "${root}/${file}")
        message(STATUS "Removing ${root}/${file}")
        file(REMOVE "${root}/${file}")
    endif()
    get_filename_component(folder "${file}" DIRECTORY)
    list(APPEND folders "${folder}")
endforeach()
# Then every folder the install may have made that is now empty, deepest first, up to the
# prefix's own top folders, which every prefix has and other programs share.
set(kept bin games share share/man)
set(candidates)
foreach(folder IN LISTS folders)
    while(folder AND NOT folder IN_LIST kept)
        list(APPEND candidates "${folder}")
        get_filename_component(folder "${folder}" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES candidates)
list(SORT candidates ORDER DESCENDING)
# rmdir removes a folder only when it is empty, hidden files included.
foreach(folder IN LISTS candidates)
    if(IS_DIRECTORY "${root}/${folder}")
        execute_process(COMMAND rmdir "${root}/${folder}" OUTPUT_QUIET ERROR_QUIET)
    endif()
endforeach()
