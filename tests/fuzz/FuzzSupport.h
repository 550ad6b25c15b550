#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A rule every input must keep. A broken rule ends the run like a crash, so the fuzzer keeps the
// input and the corpus replay fails on it.
#define FUZZ_CHECK(rule)                                                                     \
    do {                                                                                     \
        if (!(rule)) {                                                                       \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #rule);     \
            std::abort();                                                                    \
        }                                                                                    \
    } while (false)

namespace Fuzz {

// Once per process: an offscreen application for the toolkit's pictures and painting, and a
// private temporary folder (also the process's TMPDIR), so runs side by side never meet.
void SetUp();
QString ScratchFolder();

bool WriteFile(const QString& path, const std::uint8_t* data, std::size_t size);

} // namespace Fuzz
