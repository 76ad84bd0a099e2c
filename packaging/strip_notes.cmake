# Run by CPack after its strip, before it packs: removes the .comment and
# .note sections the stripped programs still carry, as Debian's dh_strip does.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
