# Installs the build BUILD_DIR into PREFIX, emptied first so that the file
# list is what one install gives: cmake -DBUILD_DIR=... -DPREFIX=... -P this.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
