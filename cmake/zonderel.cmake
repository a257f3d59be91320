# Build rules shared by every folder.

add_library(zr_warnings INTERFACE)
target_compile_options(zr_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(ZR_SANITIZE)
    target_compile_options(zr_warnings INTERFACE -Werror
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(zr_warnings INTERFACE -fsanitize=address,undefined)
endif()

# A core library holds behaviour and links Qt6::Core only, so a widget header cannot build in it.
function(zr_core_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC Qt6::Core zr_warnings)
endfunction()

# A UI library holds the windows of a folder.
function(zr_ui_library name)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PUBLIC Qt6::Widgets Qt6::PrintSupport zr_warnings)
endfunction()

function(zr_program name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE zr_warnings)
endfunction()
