#pragma once

#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class FolderListing;

// Reads the folders a walk will enter next on a few threads, ahead of the walk, so that the
// disk always has requests to serve: a folder read from a cold disk spends its time waiting.
// The walk asks for a folder's subfolders when it enters the folder, and takes each one's read
// when it enters it, in its own order; the reads are made in that order, front first, and at
// most `window` of them wait to be taken, so memory stays bounded whatever the tree. A read the
// walk asks for before any thread has begun it, the walk makes itself; one already begun it
// waits for, so no folder is read twice.
class ReadAhead {
public:
    ReadAhead(int threads, int window);
    ~ReadAhead();  // ends the threads once their current read is done
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The subfolders of `folder` that a walk will enter at `level`, but for links, which the
    // walk checks and reads itself. Forgets what is left of the level's previous folder.
    void readSubfolders(int level, const std::shared_ptr<const FolderListing>& folder);
    // The read of the i-th subfolder of the level's folder; empty when it cannot be opened.
    std::shared_ptr<const FolderListing> take(int level, qsizetype i);

private:
    enum class State { Queued, Reading, Done, Taken };
    struct Read {
        std::shared_ptr<const FolderListing> folder;
        qsizetype subfolder;
        State state = State::Queued;
        std::shared_ptr<const FolderListing> result;
    };

    void work(const std::stop_token& stop);
    void forget(std::vector<std::shared_ptr<Read>>& reads);

    const int window;
    std::mutex mutex;
    std::condition_variable_any changed;
    std::deque<std::shared_ptr<Read>> queue;  // in the walk's order, next first
    std::vector<std::vector<std::shared_ptr<Read>>> levels;
    int waiting = 0;  // reads done and not yet taken
    std::vector<std::jthread> threads;  // last: they end before what they use goes
};
