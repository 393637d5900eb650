# The WebAssembly build with Debian's emscripten: emcmake cmake -S . -B build-web. It makes the
# toolkit-free model, the layout and the model's tests, which run under node.

# The Mech file reader catches nlohmann::json's exceptions. WebAssembly's own exception handling
# (every browser since 2021, node 17 and later) rather than emscripten's emulation, which calls
# out to JavaScript around every call that may throw: the module is a tenth smaller and its
# Calculate a third quicker.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)
# Optimised for speed: -Oz takes a fifth off the module's compressed size, but its Calculate
# and its first sheet take half as long again, and the page stays within its transfer budget.
set(VEXOLAN_WEB_OPTIMIZATION -O2 CACHE STRING "em++'s optimisation level")
add_compile_options(${VEXOLAN_WEB_OPTIMIZATION})
# libc++'s checks of indexes into the standard containers, as _GLIBCXX_ASSERTIONS in libstdc++.
add_compile_definitions(_LIBCPP_DEBUG=0)

# Linking optimised code runs emscripten's JavaScript optimizer, which needs acorn: Debian's
# (package node-acorn) lies in /usr/share/nodejs, where an installed node does not look. An
# emscripten that brings its own (emsdk's) needs no folder named.
find_path(VEXOLAN_NODE_PATH acorn/package.json PATHS /usr/share/nodejs NO_CMAKE_FIND_ROOT_PATH
    DOC "Where the node modules emscripten uses lie (Debian: /usr/share/nodejs)")
if(VEXOLAN_NODE_PATH)
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${VEXOLAN_NODE_PATH})
endif()

# nlohmann::json is all headers, but its CMake package puts the whole of /usr/include on the path,
# which would bring the build machine's C library into the WebAssembly build: the build takes
# them from a folder that holds them alone.
if(NOT VEXOLAN_JSON_INCLUDE_DIR)
    find_path(VEXOLAN_HOST_INCLUDE_DIR nlohmann/json.hpp PATHS /usr/include
        NO_CMAKE_FIND_ROOT_PATH
        DOC "The folder that holds nlohmann/json.hpp (Debian: /usr/include)")
    if(NOT VEXOLAN_HOST_INCLUDE_DIR)
        message(FATAL_ERROR "nlohmann/json.hpp not found (Debian package nlohmann-json3-dev): "
            "name the folder that holds it with -DVEXOLAN_HOST_INCLUDE_DIR=... or give its "
            "prefix in CMAKE_PREFIX_PATH")
    endif()
    set(VEXOLAN_JSON_INCLUDE_DIR ${CMAKE_BINARY_DIR}/json-include)
    file(MAKE_DIRECTORY ${VEXOLAN_JSON_INCLUDE_DIR})
    file(CREATE_LINK ${VEXOLAN_HOST_INCLUDE_DIR}/nlohmann ${VEXOLAN_JSON_INCLUDE_DIR}/nlohmann
        SYMBOLIC)
endif()

# fast_float, {fmt} and utfcpp are headers only too. The first two are found as fast_float/ and
# fmt/ beside the rest of /usr/include, so each is given from a folder that holds it alone;
# utfcpp's headers have a folder of their own.
set(VEXOLAN_FAST_FLOAT_HEADERS /usr/include/fast_float CACHE PATH "fast_float's headers")
set(VEXOLAN_FMT_HEADERS /usr/include/fmt CACHE PATH "{fmt}'s headers")
set(VEXOLAN_UTFCPP_INCLUDE_DIR /usr/include/utf8cpp CACHE PATH "The folder that holds utf8.h")
foreach(library FAST_FLOAT FMT)
    if(NOT VEXOLAN_${library}_INCLUDE_DIR)
        cmake_path(GET VEXOLAN_${library}_HEADERS FILENAME folder)
        set(VEXOLAN_${library}_INCLUDE_DIR ${CMAKE_BINARY_DIR}/${folder}-include)
        file(MAKE_DIRECTORY ${VEXOLAN_${library}_INCLUDE_DIR})
        file(CREATE_LINK ${VEXOLAN_${library}_HEADERS} ${VEXOLAN_${library}_INCLUDE_DIR}/${folder}
            SYMBOLIC)
    endif()
endforeach()

# GoogleTest is built from its sources (Debian package googletest) with em++; they name their
# targets GTest::gtest and GTest::gtest_main, as the native package does.
if(VEXOLAN_BUILD_TESTS)
    find_path(VEXOLAN_GOOGLETEST_SOURCE_DIR googletest/include/gtest/gtest.h
        PATHS /usr/src/googletest NO_CMAKE_FIND_ROOT_PATH
        DOC "GoogleTest's sources (Debian: /usr/src/googletest)")
    if(NOT VEXOLAN_GOOGLETEST_SOURCE_DIR)
        message(FATAL_ERROR "GoogleTest's sources not found (Debian package googletest): name "
            "their folder with -DVEXOLAN_GOOGLETEST_SOURCE_DIR=..., or leave the tests out with "
            "-DVEXOLAN_BUILD_TESTS=OFF")
    endif()
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${VEXOLAN_GOOGLETEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)
endif()

# The tests run under node as it is: emcmake names node with a flag for WebAssembly threads,
# which this build does not use and node 20 refuses.
find_program(VEXOLAN_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VEXOLAN_NODE})
# A program run under node reads the machine's own files (the tests' golden files), and carries
# its WebAssembly inside its JavaScript: this emscripten's loader would fetch a separate file with
# node's own fetch (node 18 and later), which cannot read a file path.
set(VEXOLAN_NODE_PROGRAM_OPTIONS -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1
    -sALLOW_MEMORY_GROWTH=1)
set(VEXOLAN_MODEL_TEST_LABEL wasm)
set(VEXOLAN_NATIVE_BUILD_DIR ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "The native build tree, whose bin/sheet_dump the WebAssembly build's is compared with")
