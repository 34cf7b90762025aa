// The entry point of a command-line tool, with its arguments in UTF-8 and its standard streams
// passing bytes unchanged: on Windows the wide command line is converted and the streams are put
// in binary mode (utf8_main_win.cpp), so a tool writes the same bytes on every system.
#pragma once

int Utf8Main(int argc, char** argv);
