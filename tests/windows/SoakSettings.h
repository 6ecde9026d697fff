// How long the soak runs and which sequences it tries: a fixed seed and a short
// run by default, so that every run of the suite tries the same sequences;
// QUILLFEN_SOAK_SEED repeats another run (a mismatch prints its seed) and
// QUILLFEN_SOAK_SEQUENCES sets the number of sequences per window.
#pragma once

namespace soak {

unsigned Seed();
int Sequences();

} // namespace soak
