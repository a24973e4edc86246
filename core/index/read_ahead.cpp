#include "core/index/read_ahead.h"

#include <algorithm>
#include <utility>

#include "core/folders/folder_listing.h"
#include "core/index/scan_depth.h"
#include "system/thread_waits.h"

namespace {

// The thread that reads from the start takes the folder this many places past the walk's next
// one: on a warm tree the walk reads its next folders itself while the thread reads the ones
// after, and the two seldom meet on one folder. Threads started by waits for the disk take the
// walk's very next folders, which the walk would otherwise wait for.
constexpr std::ptrdiff_t firstThreadLead = 4;

}  // namespace

// A folder to be read: the i-th subfolder of the folder it lies in.
struct ReadAhead::Read {
    std::shared_ptr<const FolderListing> folder;  // where it lies
    std::ptrdiff_t subfolder = 0;
    int level = 0;
    std::array<std::uint32_t, deepestLevel + 1> walkOrder{};  // its subfolder index at each level
    State state = State::Queued;
    std::shared_ptr<const FolderListing> result;
    std::vector<std::shared_ptr<Read>> subfolders;  // to be read in turn
};

// Depth first: by the subfolder index at each level in turn; a folder before what lies in it.
bool ReadAhead::InWalkOrder::operator()(const std::shared_ptr<Read>& a,
                                        const std::shared_ptr<Read>& b) const {
    for (int level = 1; level <= std::min(a->level, b->level); ++level) {
        if (a->walkOrder[size_t(level)] != b->walkOrder[size_t(level)]) {
            return a->walkOrder[size_t(level)] < b->walkOrder[size_t(level)];
        }
    }
    return a->level < b->level;
}

ReadAhead::ReadAhead(int threads, int window, std::shared_ptr<const FolderListing> root)
    : maxThreads(threads), window(window), path(size_t(deepestLevel) + 1) {
    this->threads.reserve(size_t(maxThreads));
    entered(0, 0, std::move(root));
    if (maxThreads > 0) {
        std::lock_guard lock(mutex);
        this->threads.emplace_back(
            [this](const std::stop_token& stop) { work(stop, firstThreadLead); });
    }
}

ReadAhead::~ReadAhead() {
    // Under the lock, so that no thread is started once these are told to stop: one started
    // while the list is taken down would never be joined, and would wait on what is gone.
    std::lock_guard lock(mutex);
    ending = true;
    for (std::jthread& thread : threads) {
        thread.request_stop();  // wakes it; it ends once its current read is done
    }
}

std::shared_ptr<ReadAhead::Read> ReadAhead::readOf(std::shared_ptr<const FolderListing> folder,
                                                   int level, const Read* parent,
                                                   std::ptrdiff_t i) const {
    auto read = std::make_shared<Read>();
    read->folder = std::move(folder);
    read->subfolder = i;
    read->level = level;
    if (parent != nullptr) {
        read->walkOrder = parent->walkOrder;
    }
    read->walkOrder[size_t(level)] = std::uint32_t(i);
    return read;
}

// Called with the lock held: the result, and its subfolders queued to be read in turn.
void ReadAhead::finish(Read& read, std::shared_ptr<const FolderListing> result) {
    read.result = std::move(result);
    if (read.result && read.level < deepestLevel) {
        const std::ptrdiff_t count = read.result->folderCount();
        read.subfolders.resize(size_t(count));
        for (std::ptrdiff_t i = 0; i < count; ++i) {
            if (!read.result->isFolderLink(i)) {
                read.subfolders[size_t(i)] = readOf(read.result, read.level + 1, &read, i);
                queue.insert(read.subfolders[size_t(i)]);
            }
        }
        workToDo.notify_all();
    }
}

std::shared_ptr<const FolderListing> ReadAhead::enter(int level, std::ptrdiff_t i) {
    std::unique_lock lock(mutex);
    std::shared_ptr<Read> read = std::exchange(path[size_t(level - 1)]->subfolders[size_t(i)], {});
    if (read->state == State::Queued) {
        queue.erase(read);  // no thread has begun it: cheaper to read it than to wait
        read->state = State::Taken;
        lock.unlock();
        std::shared_ptr<const FolderListing> result = readFolder(*read);
        lock.lock();
        finish(*read, std::move(result));
    } else {
        readDone.wait(lock, [&] { return read->state == State::Done; });
        read->state = State::Taken;
        --waiting;
        workToDo.notify_one();
    }
    path[size_t(level)] = read;
    return read->result;
}

void ReadAhead::entered(int level, std::ptrdiff_t i, std::shared_ptr<const FolderListing> read) {
    std::lock_guard lock(mutex);
    std::shared_ptr<Read> own =
        readOf(nullptr, level, level > 0 ? path[size_t(level - 1)].get() : nullptr, i);
    own->state = State::Taken;
    finish(*own, std::move(read));
    path[size_t(level)] = std::move(own);
}

// Reads a folder; when that had to wait for the disk, one more thread reads ahead, up to the
// most: on a warm tree more threads would only take the processors from the walk.
std::shared_ptr<const FolderListing> ReadAhead::readFolder(const Read& read) {
    const std::uint64_t waitsBefore = waitsOfThisThread();
    std::shared_ptr<const FolderListing> result = read.folder->readFolder(read.subfolder);
    if (waitsOfThisThread() > waitsBefore) {
        std::lock_guard lock(mutex);
        if (!ending && int(threads.size()) < maxThreads) {
            threads.emplace_back([this](const std::stop_token& stop) { work(stop, 0); });
        }
    }
    return result;
}

void ReadAhead::work(const std::stop_token& stop, std::ptrdiff_t lead) {
    std::unique_lock lock(mutex);
    while (workToDo.wait(lock, stop, [&] { return !queue.empty() && waiting < window; }) &&
           !stop.stop_requested()) {
        const auto at = std::next(queue.begin(), std::min(lead, std::ptrdiff_t(queue.size()) - 1));
        const std::shared_ptr<Read> read = std::move(queue.extract(at).value());
        read->state = State::Reading;
        lock.unlock();
        std::shared_ptr<const FolderListing> result = readFolder(*read);
        lock.lock();
        finish(*read, std::move(result));
        read->state = State::Done;
        ++waiting;
        readDone.notify_one();
    }
}
