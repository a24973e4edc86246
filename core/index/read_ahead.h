#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

class FolderListing;

// Reads the folders a walk will enter, on a few threads and ahead of it, so that the disk
// always has requests to serve: a folder read from a cold disk spends its time waiting. Each
// folder read ahead has its own subfolders read ahead in turn, and the reads are made in the
// walk's own order, depth first, so that what is read is what the walk needs next; at most
// `window` reads wait to be taken, so memory stays bounded whatever the tree. A folder the walk
// enters before any thread has begun it, the walk reads itself; one being read it waits for:
// no folder is read twice. One thread reads from the start, so that a warm tree is read on two
// processors; more start when reads wait for the disk. Links are left to the walk, which knows
// where it has been.
class ReadAhead {
public:
    // Reads the subfolders of `root`, the folder of level 0, down to the scan's deepest level,
    // on up to `threads` threads.
    ReadAhead(int threads, int window, std::shared_ptr<const FolderListing> root);
    ~ReadAhead();  // ends the threads once their current read is done
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    // The walk enters the i-th subfolder of its folder at level - 1: its read, empty when it
    // cannot be opened.
    std::shared_ptr<const FolderListing> enter(int level, std::ptrdiff_t i);
    // The walk entered the i-th subfolder at `level`, reading it itself: a link.
    void entered(int level, std::ptrdiff_t i, std::shared_ptr<const FolderListing> read);

private:
    enum class State { Queued, Reading, Done, Taken };
    struct Read;
    struct InWalkOrder {
        bool operator()(const std::shared_ptr<Read>& a, const std::shared_ptr<Read>& b) const;
    };

    std::shared_ptr<Read> readOf(std::shared_ptr<const FolderListing> folder, int level,
                                 const Read* parent, std::ptrdiff_t i) const;
    void finish(Read& read, std::shared_ptr<const FolderListing> result);
    std::shared_ptr<const FolderListing> readFolder(const Read& read);
    // Reads queued folders, each `lead` places past the first in the walk's order, or the last.
    void work(const std::stop_token& stop, std::ptrdiff_t lead);

    const int maxThreads;
    const int window;
    std::mutex mutex;
    std::condition_variable_any workToDo;
    std::condition_variable readDone;
    std::set<std::shared_ptr<Read>, InWalkOrder> queue;  // the walk's order, next first
    std::vector<std::shared_ptr<Read>> path;             // the walk's folder at each level
    int waiting = 0;                                     // reads done and not yet taken
    bool ending = false;                                 // no more threads start
    std::vector<std::jthread> threads;                   // last: they end before what they use goes
};
