# The flags Debian 12 builds its packages with (dpkg-buildflags with
# DEB_BUILD_MAINT_OPTIONS=hardening=+all): a position-independent program with the stack protector,
# checked buffer functions and read-only relocations bound at start, and no build path in it.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
add_compile_definitions(_FORTIFY_SOURCE=2)
add_link_options(LINKER:-z,relro LINKER:-z,now)
