#pragma once

#include <QByteArrayView>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "core/drives/drives.h"

// What the fuzz targets share. Each target defines LLVMFuzzerTestOneInput; libFuzzer calls it
// with its inputs, or, in a build without libFuzzer, replay_main.cpp with the seed corpus.

// A broken property ends the run the way a crash does, so that libFuzzer keeps the input.
void fuzzCheck(bool holds, const char* property);

inline QByteArrayView inputBytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), qsizetype(size)};
}

// A throw-away Wine prefix, made once per run: c: is its drive_c, d: a folder elsewhere, each
// with a few folders, and WINEPREFIX names it.
class FuzzPrefix {
public:
    FuzzPrefix();
    QString driveC() const { return temporary.path() + QStringLiteral("/wine/drive_c"); }
    const Drives& drives() const { return wine; }

private:
    QTemporaryDir temporary;
    Drives wine;
};

const FuzzPrefix& fuzzPrefix();
