# The generator is a library so the tests can check that what it writes is valid.
add_library(pwgenmodel STATIC ${CMAKE_CURRENT_LIST_DIR}/ModelGenerator.cpp ${CMAKE_CURRENT_LIST_DIR}/ModelGenerator.h)
target_include_directories(pwgenmodel PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(pwgenmodel PUBLIC Qt6::Core)
add_executable(genmodel ${CMAKE_CURRENT_LIST_DIR}/genmodel.cpp)
target_link_libraries(genmodel PRIVATE pwgenmodel)
pw_add_bench(bench_lxlib SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_lxlib.cpp LIBS lxlib pwgenmodel)
