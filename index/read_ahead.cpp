#include "index/read_ahead.h"

#include <utility>

#include "platform/folder_listing.h"

ReadAhead::ReadAhead(int threads, int window) : window(window) {
    for (int i = 0; i < threads; ++i) {
        this->threads.emplace_back([this](const std::stop_token& stop) { work(stop); });
    }
}

ReadAhead::~ReadAhead() {
    for (std::jthread& thread : threads) {
        thread.request_stop();  // wakes it; it ends once its current read is done
    }
}

void ReadAhead::readSubfolders(int level, const std::shared_ptr<const FolderListing>& folder) {
    std::vector<std::shared_ptr<Read>> reads(size_t(folder->folderCount()));
    std::lock_guard lock(mutex);
    if (levels.size() <= size_t(level)) {
        levels.resize(size_t(level) + 1);
    }
    forget(levels[size_t(level)]);
    // Pushed to the front in reverse, so that the first subfolder is the next read: the walk
    // enters these before anything it has asked for earlier.
    for (qsizetype i = folder->folderCount(); i-- > 0;) {
        if (!folder->isFolderLink(i)) {
            reads[size_t(i)] = std::make_shared<Read>(Read{folder, i, State::Queued, nullptr});
            queue.push_front(reads[size_t(i)]);
        }
    }
    levels[size_t(level)] = std::move(reads);
    changed.notify_all();
}

std::shared_ptr<const FolderListing> ReadAhead::take(int level, qsizetype i) {
    std::unique_lock lock(mutex);
    const std::shared_ptr<Read> read = std::exchange(levels[size_t(level)][size_t(i)], nullptr);
    if (read->state == State::Queued) {
        read->state = State::Taken;  // no thread has begun it: cheaper to read it than to wait
        lock.unlock();
        return read->folder->readFolder(read->subfolder);
    }
    changed.wait(lock, [&] { return read->state == State::Done; });
    read->state = State::Taken;
    --waiting;
    changed.notify_all();
    return std::move(read->result);
}

// Reads asked for and never taken: the walk has left their folder.
void ReadAhead::forget(std::vector<std::shared_ptr<Read>>& reads) {
    for (const std::shared_ptr<Read>& read : reads) {
        if (read && read->state == State::Done) {
            --waiting;
        }
        if (read) {
            read->state = State::Taken;
            read->result.reset();
        }
    }
    reads.clear();
}

void ReadAhead::work(const std::stop_token& stop) {
    std::unique_lock lock(mutex);
    while (changed.wait(lock, stop, [&] { return !queue.empty() && waiting < window; }) &&
           !stop.stop_requested()) {
        const std::shared_ptr<Read> read = std::move(queue.front());
        queue.pop_front();
        if (read->state != State::Queued) {
            continue;
        }
        read->state = State::Reading;
        lock.unlock();
        std::shared_ptr<const FolderListing> result = read->folder->readFolder(read->subfolder);
        lock.lock();
        if (read->state == State::Reading) {
            read->result = std::move(result);
            read->state = State::Done;
            ++waiting;
            changed.notify_all();
        }
    }
}
