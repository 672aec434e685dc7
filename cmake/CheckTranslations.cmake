# Fails when a message of a translation file has no finished translation.
# cmake -DTS_FILE=<file.ts> -P CheckTranslations.cmake
file(READ "${TS_FILE}" text)
string(REPLACE ";" "," text "${text}")  # a semicolon would split the matches below
string(REGEX MATCHALL "<source>" sources "${text}")
string(REGEX MATCHALL "<translation>[^<]+</translation>" translations "${text}")
list(LENGTH sources source_count)
list(LENGTH translations translation_count)
if(source_count EQUAL 0)
  message(FATAL_ERROR "${TS_FILE} holds no messages")
endif()
if(text MATCHES "type=\"(unfinished|vanished|obsolete)\"" OR NOT source_count EQUAL translation_count)
  message(FATAL_ERROR "${TS_FILE}: ${translation_count} of ${source_count} messages are translated "
                      "and finished; fill in the rest (Qt Linguist)")
endif()
