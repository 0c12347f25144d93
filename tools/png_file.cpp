#include "png_file.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {
using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File open(const std::string& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode), std::fclose);
}

std::vector<png_bytep> rowsOf(RgbPicture& picture) {
    std::vector<png_bytep> rows(static_cast<size_t>(picture.height));
    for (int32_t y = 0; y < picture.height; ++y)
        rows[y] = picture.rgb.data() + static_cast<size_t>(y) * picture.width * 3;
    return rows;
}
} // namespace

bool writePng(const std::string& path, const RgbPicture& picture) {
    File file = open(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    RgbPicture copy = picture; // libpng takes non-const rows
    std::vector<png_bytep> rows = rowsOf(copy);
    png_init_io(png, file.get());
    png_set_IHDR(png, info, copy.width, copy.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}

bool readPng(const std::string& path, RgbPicture& picture) {
    File file = open(path, "rb");
    if (!file)
        return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file.get());
    png_read_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    const bool rgb8 =
        png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8;
    if (rgb8) {
        picture.width = static_cast<int32_t>(png_get_image_width(png, info));
        picture.height = static_cast<int32_t>(png_get_image_height(png, info));
        picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
        png_bytepp rows = png_get_rows(png, info);
        for (int32_t y = 0; y < picture.height; ++y)
            std::copy(rows[y], rows[y] + picture.width * 3,
                      picture.rgb.begin() + static_cast<size_t>(y) * picture.width * 3);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return rgb8;
}
