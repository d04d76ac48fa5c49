#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/records.h"

namespace orv_fuzz {

const std::string& program_folder(const char* subfolder)
{
    static std::string folder;
    if (!folder.empty()) return folder;
    char tmpl[] = "/tmp/orv_fuzz_XXXXXX";
    const char* d = mkdtemp(tmpl);
    if (!d) std::abort();
    folder = d;
    std::error_code made;
    if (subfolder && subfolder[0]) std::filesystem::create_directories(folder + "/" + subfolder, made);
    if (made) std::abort();
    orv::set_app_path(folder.c_str());
    orv::set_constants();
    return folder;
}

void write_input(const std::string& relative, const std::uint8_t* data, std::size_t size)
{
    const std::string path = program_folder(nullptr) + "/" + relative;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    if (size && std::fwrite(data, 1, size, f) != size) std::abort();
    std::fclose(f);
}

}  // namespace orv_fuzz
