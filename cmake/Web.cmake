# The browser build: emcmake cmake (scripts/web.sh does it). Only the
# Qt-free core, its headless tests (run under node) and the page.

# CLN and GiNaC built for WebAssembly, static, in the folder scripts/web.sh
# keeps outside the clone.
set(KALVORIN_WEB_BIBLIOTHEKEN "" CACHE PATH
  "Prefix of CLN and GiNaC built for WebAssembly (scripts/web.sh builds them)")
if(NOT EXISTS "${KALVORIN_WEB_BIBLIOTHEKEN}/lib/libginac.a"
   OR NOT EXISTS "${KALVORIN_WEB_BIBLIOTHEKEN}/lib/libcln.a")
  message(FATAL_ERROR "No CLN and GiNaC for WebAssembly in KALVORIN_WEB_BIBLIOTHEKEN="
    "'${KALVORIN_WEB_BIBLIOTHEKEN}': run scripts/web.sh")
endif()
add_library(kalvorin_web_ginac INTERFACE)
target_include_directories(kalvorin_web_ginac SYSTEM INTERFACE
  ${KALVORIN_WEB_BIBLIOTHEKEN}/include)
target_link_libraries(kalvorin_web_ginac INTERFACE
  ${KALVORIN_WEB_BIBLIOTHEKEN}/lib/libginac.a ${KALVORIN_WEB_BIBLIOTHEKEN}/lib/libcln.a)

# Exceptions as WebAssembly's own instructions, in every object and in CLN
# and GiNaC alike: without an exception flag a throw aborts the program, and
# the JavaScript-based -fexceptions wraps every call that may throw in a call
# out to JavaScript, which costs speed and a fifth more code. Chromium 95,
# Firefox 100, Safari 15.2 and node 17 run them.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions
  # long double is IEEE binary128 here; without this printf writes it
  # through double.
  -sPRINTF_LONG_DOUBLE=1
  -sALLOW_MEMORY_GROWTH=1)

# Emscripten 3.1.6's glue calls fetch() whenever it exists, and node 18 and
# later have one that cannot read local files.
find_program(KALVORIN_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KALVORIN_NODE} --no-experimental-fetch)

# Every program of the web build: the desktop's file mode creation mask,
# and a correct long double division in place of the runtime's.
function(kalvorin_web_programm target)
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/web/Dateimaske.cpp
    ${CMAKE_SOURCE_DIR}/web/Division128.cpp)
endfunction()

# The test programs read their corpora from the source tree and write
# scratch files: node's file system as it is, and the exit code of main.
function(kalvorin_web_test_programm target)
  kalvorin_web_programm(${target})
  target_link_options(${target} PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1
    -sTOTAL_STACK=8MB)
endfunction()

# GoogleTest from Debian's sources (/usr/src/googletest), built by em++,
# without threads (a thread build needs SharedArrayBuffer and hangs node).
function(kalvorin_web_gtest)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # It names its targets GTest::gtest, GTest::gtest_main and GTest::gmock
  # itself, as find_package(GTest) does.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# The cases that cannot pass under node, per test folder, left out by name.
# node runs one process: no fork(), so nothing is written by a second
# program or killed in the middle of a write, and another program's copies
# cannot be told from this one's; its file system has no FIFOs and no file
# size limit (setrlimit).
set(KALVORIN_OHNE_NODE_storage
  # fork()
  DateiErsetzenTemporaer.AStaleOneOfTheTargetGoesAtItsNextWrite
  Wiederherstellungsablage.AKillInTheMiddleOfAWriteKeepsThePreviousCopy
  Wiederherstellungsablage.AProgramStillRunningInAnotherProcessIsNeverDead
  Wiederherstellungsablage.OrphansComeOldestFirst
  Wiederherstellungsablage.TwoRunningProgramsNeverTakeEachOthersCopies
  # mkfifo()
  DokumentSchreiben.ReadOnlyFilesAreRecognised
  EnhIniFile.FifoIsNotReadAndNotReplaced
  Faelle/Ziele.ThatAreNoWritableFilesAreRefusedWithTheirCause/Pipe
  Wiederherstellungsablage.FilesThatAreNotSoundCopiesCannotBreakTheStart
  # setrlimit(RLIMIT_FSIZE)
  EnhIniFile.DiskFullLeavesTheOldFile)
set(KALVORIN_OHNE_NODE_document
  # fork(): the copies of a program that ended, made by a second process
  TAngebotTest.ACopyOlderThanItsSavedFileIsRemovedNotOffered
  TAngebotTest.ACopyThatCannotBeCopiedAgainStaysAnOrphan
  TAngebotTest.AnUnreadableCopyIsReportedByNameAndKept
  TAngebotTest.NoAsksOnceMoreAndYesThenDeletes
  TAngebotTest.NoTwiceKeepsTheCopiesForTheNextStart
  TAngebotTest.RestoredWhileTheFolderIsFullTheOrphanGoesWithTheSavedDocument
  TAngebotTest.YesOpensEveryCopyModifiedUnderItsNameAndDropsTheOrphans
  # An exact comparison with the value the 80-bit type gives: binary128
  # puts a point meant to lie on the border of the display range a hair
  # outside it.
  PunktDarstellungsbereich.OutsideAndAdaptation)
set(KALVORIN_OHNE_NODE_geometry
  # Exact equality with (0|-1|0), which the 80-bit type reaches and binary128
  # misses by one unit in the last place.
  Abbildung.ArrowByTwoPointsGetsItsOwnVector)
set(KALVORIN_OHNE_NODE_view
  # The cube's diagonal 11*sqrt(3) compared with a bound the 80-bit type
  # rounds below and binary128 above.
  SzeneHinzufuegen.PointIsShownUpToTheCubesDiagonal)

# One GoogleTest program per test folder, as kalvorin_gtest_folder, run as
# one test each: node takes about a second to load a program, which for
# every case on its own would be hours.
function(kalvorin_web_gtest_folder folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(target ${folder}_tests)
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE kalvorin_core GTest::gtest GTest::gmock
    GTest::gtest_main)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_BINARY_DIR})
  kalvorin_warnings(${target})
  kalvorin_web_test_programm(${target})
  target_precompile_headers(${target} PRIVATE <gtest/gtest.h> <memory> <string> <vector>)
  # The cases node cannot run (the lists below) are left out by name.
  set(filter)
  if(KALVORIN_OHNE_NODE_${folder})
    list(JOIN KALVORIN_OHNE_NODE_${folder} ":" filter)
    set(filter --gtest_filter=-${filter})
  endif()
  add_test(NAME ${target} COMMAND ${target} ${filter})
  set_tests_properties(${target} PROPERTIES LABELS "web;${folder}" TIMEOUT 1800)
endfunction()
