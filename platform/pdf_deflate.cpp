// cairo compresses every PDF stream (page contents, fonts) with zlib at its
// default level, which takes most of the time of a page of long paths. This
// definition of zlib's deflateInit_ starts such a stream at the fastest
// level instead: the pages hold the same drawing, in a PDF about a sixth
// larger, written in about two thirds of the time.
//
// It works only through the dynamic linker's symbol interposition: cairo,
// a shared library, calls deflateInit_ (zlib.h's deflateInit macro), and the
// dynamic linker binds that call to the first definition it finds, the
// program's own, exported here, before libz's. It is bypassed, silently,
// by a cairo that calls deflateInit2_ or another compressor, by a cairo
// linked statically or with -Bsymbolic, or by a zlib of another name. No
// code of ours calls it, so the link asks for it by name (platform's
// CMakeLists.txt). The test PdfStreamsAreCompressedAtTheFastestLevel reads
// the streams' zlib headers and fails on the day it is bypassed.
#include <zlib.h>

extern "C" __attribute__((visibility("default"))) int deflateInit_(z_streamp stream, int level,
                                                                   const char* version,
                                                                   int size) {
  if (level == Z_DEFAULT_COMPRESSION) level = Z_BEST_SPEED;
  return deflateInit2_(stream, level, Z_DEFLATED, MAX_WBITS, 8 /* zlib's default memory level */,
                       Z_DEFAULT_STRATEGY, version, size);
}
