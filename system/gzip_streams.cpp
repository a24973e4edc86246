#include "system/gzip_streams.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace {

// zlib's window bits for a gzip header and trailer rather than zlib's own.
constexpr int gzipWindow = 15 + 16;

unsigned chunkOf(std::size_t size) {
    return unsigned(std::min<std::size_t>(size, UINT_MAX / 2));
}

}  // namespace

struct GzipInflater::State {
    z_stream stream{};
};

GzipInflater::GzipInflater() : state(std::make_unique<State>()) {
    inflateInit2(&state->stream, gzipWindow);
}

GzipInflater::~GzipInflater() {
    inflateEnd(&state->stream);
}

GzipInflater::Step GzipInflater::inflate(std::string_view& input, std::string& output,
                                         std::size_t room) {
    z_stream& stream = state->stream;
    const std::size_t before = output.size();
    output.resize(before + room);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = chunkOf(input.size());
    stream.next_out = reinterpret_cast<Bytef*>(output.data() + before);
    stream.avail_out = chunkOf(room);
    const unsigned offered = stream.avail_in;
    const unsigned space = stream.avail_out;
    const int result = ::inflate(&stream, Z_NO_FLUSH);
    input.remove_prefix(offered - stream.avail_in);
    output.resize(before + (space - stream.avail_out));
    if (result == Z_STREAM_END) {
        memberEnded = true;
        // Another member may follow; a gzip reader takes it as more of the same stream.
        return inflateReset(&stream) == Z_OK ? Step::More : Step::Damaged;
    }
    if (result != Z_OK && result != Z_BUF_ERROR) {
        return Step::Damaged;
    }
    if (offered != stream.avail_in || space != stream.avail_out) {
        memberEnded = false;
    }
    return Step::More;
}

struct GzipDeflater::State {
    z_stream stream{};
};

GzipDeflater::GzipDeflater() : state(std::make_unique<State>()) {
    deflateInit2(&state->stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, gzipWindow, 8,
                 Z_DEFAULT_STRATEGY);
}

GzipDeflater::~GzipDeflater() {
    deflateEnd(&state->stream);
}

void GzipDeflater::deflate(std::string_view input, std::string& output) {
    run(input, Z_NO_FLUSH, output);
}

void GzipDeflater::finish(std::string& output) {
    run({}, Z_FINISH, output);
}

void GzipDeflater::run(std::string_view input, int flush, std::string& output) {
    z_stream& stream = state->stream;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = unsigned(input.size());
    int result = Z_OK;
    do {
        const std::size_t before = output.size();
        const std::size_t room = deflateBound(&stream, stream.avail_in) + 64;
        output.resize(before + room);
        stream.next_out = reinterpret_cast<Bytef*>(output.data() + before);
        stream.avail_out = unsigned(room);
        result = ::deflate(&stream, flush);
        output.resize(before + room - stream.avail_out);
    } while (stream.avail_in > 0 || (flush == Z_FINISH && result == Z_OK));
}
