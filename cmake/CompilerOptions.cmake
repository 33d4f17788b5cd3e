include(GNUInstallDirs)

# Temperatures must be bit-identical to the plain arithmetic: a fused multiply-add changes
# the last bit of the table blend and of row * 0.1 - 30.0, which flips alarm-limit roundings.
add_compile_options(-ffp-contract=off)

add_compile_options(-Wall -Wextra -Wpedantic)
if(VELKA_WERROR)
  add_compile_options(-Werror)
endif()

if(VELKA_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(VELKA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# velka_target_defaults(target): the include root shared by every library and program.
function(velka_target_defaults target)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
endfunction()
