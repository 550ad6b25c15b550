#pragma once
#include "WaveFile.h"

#include <vector>

// The three game sounds, as interleaved samples in -1..1 for the format beside each.
struct Sound {
    WaveFormat format;
    std::vector<double> samples;
};

Sound SynthesiseSlideClick();     // a tile slides: a soft wooden click, ~15 ms, 16-bit stereo
Sound SynthesiseSwapSwish();      // two tiles swap: a short swish ending in a tick, ~80 ms, 16-bit mono
Sound SynthesiseCompletionChime(); // the picture is whole: a rising chime and a ringing chord, ~2.3 s, 8-bit mono
