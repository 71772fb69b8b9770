# Run with cmake -P in the help's staging folder: writes the contents and the
# index in GBK, the code page viewers read them in for a Chinese help file.
foreach(name help.hhc help.hhk)
  file(READ "${name}" text)
  string(REPLACE "charset=utf-8" "charset=gbk" text "${text}")
  file(WRITE "${name}.utf8" "${text}")
  execute_process(COMMAND iconv -f UTF-8 -t GBK "${name}.utf8"
                  OUTPUT_FILE "${name}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${name} does not convert to GBK")
  endif()
  file(REMOVE "${name}.utf8")
endforeach()
