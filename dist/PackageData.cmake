# Run by CPack on the staged package: the data files the build copied from Debian's own packages
# become links to those packages' files, which the package depends on, instead of second copies.
set(app "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/lib/tolvane")
if(NOT IS_DIRECTORY "${app}")
  message(FATAL_ERROR "The package holds no application folder: ${app} is missing")
endif()
foreach(link "en_US.aff=/usr/share/hunspell/en_US.aff" "en_US.dic=/usr/share/hunspell/en_US.dic"
             "thesaurus.dat=/usr/share/mythes/th_en_US_v2.dat"
             "thesaurus.idx=/usr/share/mythes/th_en_US_v2.idx")
  string(REPLACE "=" ";" link "${link}")
  list(GET link 0 name)
  list(GET link 1 target)
  file(REMOVE "${app}/${name}")
  file(CREATE_LINK "${target}" "${app}/${name}" SYMBOLIC)
endforeach()
