# QUORVEL_SANITIZE=ON (clang only; `make test-sanitize` and `make fuzz` configure it in
# build-sanitize): every target is built with AddressSanitizer and UndefinedBehaviorSanitizer,
# with Qt's and the standard library's own checks (Q_ASSERT, _GLIBCXX_ASSERTIONS) left on,
# and the fuzz targets of fuzz/ are added. The core library also carries libFuzzer's coverage
# instrumentation (fuzz/CMakeLists.txt), so one folder of objects serves both the sanitized
# tests and the fuzzers. Any report ends the program with a failure.
option(QUORVEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets" OFF)

if(QUORVEL_SANITIZE)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUORVEL_SANITIZE needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # CI builds everything a second time here, so it is kept cheap: no optimisation but in
    # the core library the fuzzers run (fuzz/CMakeLists.txt), line tables only (enough for
    # the reports' stacks), the Qt headers parsed once (quorvel_precompile_qt_headers) where
    # no compiler cache does better.
    add_compile_options(-gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined
        -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS)
    # Linking some fifty sanitized programs is a large part of the build: lld does it in
    # a fraction of ld's time.
    add_link_options(-fsanitize=address,undefined -fuse-ld=lld)
    # With ccache, no precompiled headers: a precompiled header holds the paths of the
    # checkout that made it, so no other checkout could reuse the compilations that use it;
    # without one, a fresh clone (CI's) reuses the objects of the last sanitized build.
    if(CMAKE_CXX_COMPILER_LAUNCHER)
        set(CMAKE_DISABLE_PRECOMPILE_HEADERS ON)
    endif()
    # Only what the tests run is built; the developer tools come along where a test needs one.
    set(QUORVEL_TOOLS_EXCLUDE EXCLUDE_FROM_ALL)
    # The tests' environment (quorvel_add_test): stop at the first report, whole stacks, and
    # the leaks of the system libraries listed, each with its reason, left out.
    set(QUORVEL_SANITIZER_ENVIRONMENT
        "ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
        "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizer-suppressions.txt:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endif()

# The two libraries precompile the Qt headers they stand on, and every target under tests/
# reuses the windows' library's: the tests' few extra definitions do not change the headers.
function(quorvel_precompile_qt_headers)
    target_precompile_headers(quorvel_core PRIVATE <QtCore/QtCore> <QtGui/QtGui>)
    target_precompile_headers(quorvel_ui PRIVATE <QtWidgets/QtWidgets> <QtPrintSupport/QtPrintSupport>)
    set(directories ${PROJECT_SOURCE_DIR}/tests)
    while(directories)
        list(POP_FRONT directories directory)
        get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
        foreach(target ${targets})
            get_target_property(type ${target} TYPE)
            if(type STREQUAL "EXECUTABLE" OR type STREQUAL "STATIC_LIBRARY")
                target_precompile_headers(${target} REUSE_FROM quorvel_ui)
            endif()
        endforeach()
        get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
        list(APPEND directories ${subdirectories})
    endwhile()
endfunction()
