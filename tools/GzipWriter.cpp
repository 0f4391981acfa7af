#include "tools/GzipWriter.h"

#include <vector>

#include <zlib.h>

namespace {

constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;
constexpr int kOsUnix = 3;

} // namespace

int GzipWriter::Compress(const std::string& data, const std::string& storedName, std::string& out,
                         std::string& error) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindowBits, kMemoryLevel,
                     Z_DEFAULT_STRATEGY) != Z_OK) {
        error = "zlib: deflateInit2";
        return 1;
    }
    std::vector<Bytef> name(storedName.begin(), storedName.end());
    name.push_back(0);
    gz_header header{};
    header.name = name.data();
    header.os = kOsUnix;
    deflateSetHeader(&stream, &header);
    std::vector<Bytef> buffer(deflateBound(&stream, data.size()) + 64 + name.size());
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = buffer.data();
    stream.avail_out = static_cast<uInt>(buffer.size());
    const int result = deflate(&stream, Z_FINISH);
    out.assign(reinterpret_cast<const char*>(buffer.data()), stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) {
        error = "zlib: deflate";
        return 1;
    }
    return 0;
}
