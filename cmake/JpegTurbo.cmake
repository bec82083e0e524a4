# Scrivlet's JPEG decoder asks libjpeg for BGR pixels (JCS_EXT_BGR), an extension that
# only libjpeg-turbo has. Another libjpeg fails here, when the build is configured,
# rather than in the middle of compiling.
include(CheckCSourceCompiles)

function(scrivlet_require_jpeg_turbo include_dirs)
  if(NOT "${include_dirs}" STREQUAL "${SCRIVLET_JPEG_BGR_CHECKED_FOR}")
    unset(SCRIVLET_JPEG_HAS_BGR CACHE)
  endif()
  set(CMAKE_REQUIRED_INCLUDES ${include_dirs})
  set(CMAKE_REQUIRED_QUIET ON)
  check_c_source_compiles("
#include <stddef.h>
#include <stdio.h>
#include <jpeglib.h>
int main(void) { return (int)JCS_EXT_BGR; }" SCRIVLET_JPEG_HAS_BGR)
  set(SCRIVLET_JPEG_BGR_CHECKED_FOR "${include_dirs}" CACHE INTERNAL "")
  if(NOT SCRIVLET_JPEG_HAS_BGR)
    message(FATAL_ERROR "The libjpeg in ${include_dirs} has no JCS_EXT_BGR: Scrivlet's JPEG decoder "
                        "asks for it, and only libjpeg-turbo has it. Name a libjpeg-turbo with "
                        "-DJPEG_INCLUDE_DIR=... -DJPEG_LIBRARY=...")
  endif()
endfunction()
