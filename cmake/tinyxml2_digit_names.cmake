# Copies tinyxml2 into the build tree and lets element names begin with a
# digit: the scripts' branch tags are named "0" and "1". The one changed line is
# the end of XMLUtil::IsNameStartChar; the build stops if it is not found, so a
# new tinyxml2 release cannot silently drop the change.
function(zanvo_prepare_tinyxml2 source_dir out_dir)
  file(READ ${source_dir}/tinyxml2.h header)
  set(original "        return ch == ':' || ch == '_';\n    }\n\n    inline static bool IsNameChar")
  set(changed  "        return ch == ':' || ch == '_' || isdigit( ch );\n    }\n\n    inline static bool IsNameChar")
  string(FIND "${header}" "${original}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "tinyxml2.h: IsNameStartChar is not as expected; update cmake/tinyxml2_digit_names.cmake")
  endif()
  string(REPLACE "${original}" "${changed}" header "${header}")
  file(WRITE ${out_dir}/tinyxml2.h.new "${header}")
  file(COPY_FILE ${out_dir}/tinyxml2.h.new ${out_dir}/tinyxml2.h ONLY_IF_DIFFERENT)
  file(COPY_FILE ${source_dir}/tinyxml2.cpp ${out_dir}/tinyxml2.cpp ONLY_IF_DIFFERENT)
endfunction()
