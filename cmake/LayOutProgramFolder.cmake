# Lays out the installed program folder: the client, its settings file, the
# demo database, the server library in temp/ and the working folders.
# Run with -DFOLDER= -DCLIENT= -DUDF= -DDATABASE=. Never overwrites the database
# or the settings of a folder already in use.
file(MAKE_DIRECTORY "${FOLDER}")
foreach(sub temp Dots Xlts Xlss Txts upg)
  file(MAKE_DIRECTORY "${FOLDER}/${sub}")
endforeach()
file(COPY_FILE "${CLIENT}" "${FOLDER}/Vexo" ONLY_IF_DIFFERENT)
file(COPY_FILE "${UDF}" "${FOLDER}/temp/VexoUdf.so" ONLY_IF_DIFFERENT)
if(NOT EXISTS "${FOLDER}/vexo.gdb")
  file(COPY_FILE "${DATABASE}" "${FOLDER}/vexo.gdb")
endif()
if(NOT EXISTS "${FOLDER}/vexo.ini")
  file(WRITE "${FOLDER}/vexo.ini" "dbPath=${FOLDER}/\r\nPassword=kettlecup\r\n")
endif()
