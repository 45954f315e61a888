// Pictures of picture-valued unit properties as platform images: an icon from icon file data,
// a bitmap from bitmap file data. Other picture formats give no image.
#pragma once
#include <windows.h>

#include <string>

namespace forms {

// The icon of about `size` pixels from icon file data (a directory of images), or null.
HICON IconFromData(const std::string& data, int size);
// A bitmap from bitmap file data ("BM", the file header, the info header and the bits), or null.
HBITMAP BitmapFromData(const std::string& data);

}  // namespace forms
