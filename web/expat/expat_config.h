/* Expat's configuration for the WebAssembly module (Emscripten: little-endian,
   musl's headers). The build of Expat's own CMake would find the same; this
   keeps the module's build to three source files. */
#ifndef EXPAT_CONFIG_H
#define EXPAT_CONFIG_H 1

#define BYTEORDER 1234
/* The hash salt: Emscripten has no getrandom, arc4random or /dev/urandom
   without its file system, so Expat salts from the clock. The page parses
   only a file its user chose, in a worker of its own: a file made to flood
   the hash tables would slow only that user's own tab. */
#define XML_POOR_ENTROPY 1
#define HAVE_FCNTL_H 1
#define HAVE_INTTYPES_H 1
#define HAVE_MEMORY_H 1
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRINGS_H 1
#define HAVE_STRING_H 1
#define HAVE_SYS_STAT_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_UNISTD_H 1
#define STDC_HEADERS 1
#define PACKAGE "expat"
#define PACKAGE_NAME "expat"
#define PACKAGE_URL ""
#define XML_CONTEXT_BYTES 1024
#define XML_DTD 1
#define XML_NS 1

#endif /* EXPAT_CONFIG_H */
