# The same Windows build with Debian's clang in place of MinGW-w64's g++, over the same headers
# and libraries, so that nothing in the sources depends on one compiler's dialect.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# clang does not recognise Debian's "12-posix" as a GCC version, so it is told where that
# GCC's C++ library lives; the posix flavour, as the g++ build uses, with its threads.
file(GLOB gcc_dirs /usr/lib/gcc/${triple}/*-posix)
list(GET gcc_dirs -1 gcc_dir)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${gcc_dir}/include/c++ ${gcc_dir}/include/c++/${triple})
set(CMAKE_C_STANDARD_LIBRARIES "-L${gcc_dir} -lpthread")
set(CMAKE_CXX_STANDARD_LIBRARIES "-L${gcc_dir} -lstdc++ -lpthread")
