// Writing a picture as a Windows BMP file: a 14-byte file header ("BM", the
// file size, two reserved words, the offset of the pixels), a 40-byte
// information header (width, height, 1 plane, the bits per pixel, no
// compression), a colour table only for 8 bits per pixel or fewer (never,
// for a CPicture), then the rows from the bottom up, each padded with zero
// bytes to a multiple of 4.  Threads: any.
#pragma once

#include <string>

#include "platform/env.h"
#include "ui/picture.h"

// The whole file's bytes.
std::string BmpBytes(const CPicture& picture);

// Creates or empties `path` and writes the picture there through `env`.
// False, with `error` saying why, when the picture is empty or the file was
// not written whole.
bool SaveBmp(const CPicture& picture, const std::string& path, std::string* error,
             platform::Env* env = platform::Env::Default());
