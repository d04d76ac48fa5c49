// fuzz_support.h -- what the file-reader fuzz targets share: a program folder of their own
// in which each input is written as the file the reader opens.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace orv_fuzz {

// Makes (once) a fresh program folder with the given subfolder and points app_path at it;
// answers the folder in the platform's form, without the trailing separator.
const std::string& program_folder(const char* subfolder);

// Writes the input as `relative` inside the program folder (aborts when it cannot).
void write_input(const std::string& relative, const std::uint8_t* data, std::size_t size);

}  // namespace orv_fuzz
