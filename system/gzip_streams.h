#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// Gzip, as the system's zlib reads and writes it, a piece at a time so that no file is held
// whole. Several members one after the other read as one stream, as gzip itself reads them.
class GzipInflater {
public:
    enum class Step { More, Damaged };

    GzipInflater();
    ~GzipInflater();
    GzipInflater(const GzipInflater&) = delete;
    GzipInflater& operator=(const GzipInflater&) = delete;

    // Takes what it can of `input` (advancing it) and appends up to `room` bytes to `output`.
    // Damaged when the data is no gzip or its checks fail.
    Step inflate(std::string_view& input, std::string& output, std::size_t room);
    // Whether the data so far ends where a member ends, its checks held: when no more input
    // follows, anything else was cut short.
    bool atMemberEnd() const { return memberEnded; }

private:
    struct State;
    std::unique_ptr<State> state;
    bool memberEnded = false;
};

class GzipDeflater {
public:
    GzipDeflater();
    ~GzipDeflater();
    GzipDeflater(const GzipDeflater&) = delete;
    GzipDeflater& operator=(const GzipDeflater&) = delete;

    // Appends the compressed form of `input` to `output`, as far as it is ready.
    void deflate(std::string_view input, std::string& output);
    // Appends the rest and the gzip trailer.
    void finish(std::string& output);

private:
    void run(std::string_view input, int flush, std::string& output);

    struct State;
    std::unique_ptr<State> state;
};
